// Drawing over GDI: fonts, pens and brushes (each creates its GDI object on first use after a
// change and owns it), a canvas over a device context, 32-bit bitmaps (top-down DIB sections,
// so pixels can be read back exactly) and icons. A canvas never releases a DC it was given; when
// it has none it measures and draws on a private memory DC. Assigning a font, bitmap or icon
// copies it. Creation failures of GDI objects raise EGraphicsError. Windows only.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>

#include "core/Exception.h"
#include "ui/Colors.h"
#include "ui/FontData.h"
#include "ui/Gdi.h"
#include "ui/Sets.h"

class EGraphicsError : public Exception {
 public:
  using Exception::Exception;
};

// The RGB value of a colour: a system colour becomes the platform's current value; clNone and
// clDefault keep their low 24 bits.
COLORREF ColorToRGB(TColor color);
// Pixel density of the screen (dots per inch, 96 at 100%).
int ScreenPixelsPerInch();

enum class TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;

// A font by name, size, style and colour. The size is in points at PixelsPerInch; the pixel
// height follows from both. OnChange fires after every change (assignment included).
class TFont {
 public:
  TFont();  // "Tahoma", 8 points, clWindowText, at the screen's density
  TFont(const TFont&) = delete;
  TFont& operator=(const TFont&) = delete;

  void Assign(const TFont& source);
  const String& Name() const { return FName; }
  void SetName(const String& value);
  // Points, rounded from the pixel height.
  int Size() const;
  void SetSize(int points);
  // Pixels; negative values give the character height, positive the cell height.
  int Height() const { return FHeight; }
  void SetHeight(int pixels);
  TFontStyles Style() const { return FStyle; }
  void SetStyle(TFontStyles value);
  TColor Color() const { return FColor; }
  void SetColor(TColor value);
  // Name, size in points, style and colour in one change (OnChange fires once).
  void SetAppearance(const String& name, int points, TFontStyles style, TColor color);
  int PixelsPerInch() const { return FPixelsPerInch; }
  // Changes the density the size refers to; the size in points stays.
  void SetPixelsPerInch(int value);
  bool SameAs(const TFont& other) const;
  // The font as plain data (size in points), and back.
  TFontData Data() const;
  void SetData(const TFontData& data);
  uint8_t Charset() const { return FCharset; }
  TFontPitch Pitch() const { return FPitch; }

  HFONT Handle() const;
  std::function<void()> OnChange;

 private:
  void Changed();
  // The character height in pixels of a size in points at PixelsPerInch.
  int HeightOfPoints(int points) const;
  String FName = L"Tahoma";
  int FHeight;
  int FPixelsPerInch;
  TFontStyles FStyle;
  TColor FColor = clWindowText;
  uint8_t FCharset = DEFAULT_CHARSET;
  TFontPitch FPitch = TFontPitch::fpDefault;
  mutable TFontHandle FHandle;
};

enum class TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };

class TPen {
 public:
  TPen() = default;
  TPen(const TPen&) = delete;
  TPen& operator=(const TPen&) = delete;
  TColor Color() const { return FColor; }
  void SetColor(TColor value);
  int Width() const { return FWidth; }
  void SetWidth(int value);
  TPenStyle Style() const { return FStyle; }
  void SetStyle(TPenStyle value);
  HPEN Handle() const;
  std::function<void()> OnChange;

 private:
  void Changed();
  TColor FColor = clBlack;
  int FWidth = 1;
  TPenStyle FStyle = TPenStyle::psSolid;
  mutable TPenHandle FHandle;
};

enum class TBrushStyle { bsSolid, bsClear };

class TBrush {
 public:
  TBrush() = default;
  TBrush(const TBrush&) = delete;
  TBrush& operator=(const TBrush&) = delete;
  TColor Color() const { return FColor; }
  void SetColor(TColor value);
  TBrushStyle Style() const { return FStyle; }
  void SetStyle(TBrushStyle value);
  // The hollow stock brush when the style is bsClear.
  HBRUSH Handle() const;
  std::function<void()> OnChange;

 private:
  void Changed();
  TColor FColor = clWhite;
  TBrushStyle FStyle = TBrushStyle::bsSolid;
  mutable TBrushHandle FHandle;
};

class TBitmap;

// Drawing on a DC with the canvas's font, pen and brush. Text is drawn with a transparent
// background when the brush is clear, otherwise on the brush colour.
class TCanvas {
 public:
  TCanvas();
  ~TCanvas();
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  // The DC drawn on: the one set, or a private memory DC for measuring.
  HDC Handle();
  // Draws on dc from now on (null: none). The canvas selects its objects into dc and puts the
  // DC's own objects back when it lets go of it.
  void SetHandle(HDC dc);
  bool HandleAllocated() const { return FDC != nullptr; }

  TFont& Font() { return FFont; }
  TPen& Pen() { return FPen; }
  TBrush& Brush() { return FBrush; }

  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  POINT PenPos() const { return FPenPos; }
  // Fills rect (right and bottom excluded) with the brush.
  void FillRect(const RECT& rect);
  // A one-pixel frame in the brush colour along the inside of rect.
  void FrameRect(const RECT& rect);
  // Outline with the pen, interior with the brush.
  void Rectangle(int left, int top, int right, int bottom);
  void DrawFocusRect(const RECT& rect);
  void TextOut(int x, int y, const String& text);
  // Text clipped to rect, drawn at (x, y).
  void TextRect(const RECT& rect, int x, int y, const String& text);
  SIZE TextExtent(const String& text);
  int TextWidth(const String& text) { return TextExtent(text).cx; }
  int TextHeight(const String& text) { return TextExtent(text).cy; }
  // DrawText with the canvas's font; with DT_CALCRECT, rect receives the measured size.
  int DrawText(const String& text, RECT& rect, UINT format);

  void Draw(int x, int y, TBitmap& bitmap);
  // Copies the bitmap leaving out its pixels of the colour transparent.
  void DrawTransparent(int x, int y, TBitmap& bitmap, TColor transparent);
  // Copies the whole bitmap stretched into dest.
  void StretchDraw(const RECT& dest, TBitmap& bitmap);
  // Copies source's srcRect stretched into dest.
  void CopyRect(const RECT& dest, TCanvas& source, const RECT& srcRect);
  void DrawIcon(int x, int y, HICON icon);

  TColor Pixel(int x, int y);
  void SetPixel(int x, int y, TColor color);

 private:
  void RequireFont();
  void RequirePen();
  void RequireBrush();
  void DeselectAll();
  void PrepareText();

  HDC FDC = nullptr;
  TMemoryDC FMeasureDC;
  HGDIOBJ FOriginalFont = nullptr;
  HGDIOBJ FOriginalPen = nullptr;
  HGDIOBJ FOriginalBrush = nullptr;
  bool FFontSelected = false;
  bool FPenSelected = false;
  bool FBrushSelected = false;
  POINT FPenPos{0, 0};
  TFont FFont;
  TPen FPen;
  TBrush FBrush;
};

// A 32-bit top-down DIB section with its own memory DC and canvas.
class TBitmap {
 public:
  TBitmap() = default;
  TBitmap(int width, int height) { SetSize(width, height); }
  ~TBitmap();
  TBitmap(const TBitmap&) = delete;
  TBitmap& operator=(const TBitmap&) = delete;

  // Copies size and pixels (an empty source empties this bitmap).
  void Assign(const TBitmap& source);
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  bool Empty() const { return FWidth <= 0 || FHeight <= 0; }
  // New size; the pixels are cleared to white. A size of 0 empties the bitmap. The canvas stays
  // valid and keeps its font, pen and brush.
  void SetSize(int width, int height);
  void SetWidth(int value) { SetSize(value, FHeight); }
  void SetHeight(int value) { SetSize(FWidth, value); }

  TCanvas& Canvas();
  HBITMAP Handle() const { return FBitmap.Get(); }
  // The colour of one pixel (0x00BBGGRR); clNone outside the bitmap.
  TColor Pixel(int x, int y) const;
  void SetPixel(int x, int y, TColor color);

 private:
  void ReleaseCanvas();
  void AttachBitmap();
  void DetachBitmap();
  int FWidth = 0;
  int FHeight = 0;
  TBitmapHandle FBitmap;
  uint32_t* FBits = nullptr;  // owned by FBitmap
  TMemoryDC FDC;
  HGDIOBJ FOriginalBitmap = nullptr;
  TCanvas FCanvas;
};

// An icon: a shared stock icon (never destroyed) or one the icon owns.
class TIcon {
 public:
  TIcon() = default;
  TIcon(const TIcon&) = delete;
  TIcon& operator=(const TIcon&) = delete;
  // A stock icon of the platform (IDI_WARNING, IDI_ERROR, ...); shared, not owned.
  void LoadStock(LPCWSTR id);
  // Takes an icon the program created; it is destroyed with this object.
  void TakeOwned(HICON icon);
  void SetShared(HICON icon);
  void Clear();
  HICON Handle() const { return FShared != nullptr ? FShared : FOwned.Get(); }
  bool Empty() const { return Handle() == nullptr; }
  int Width() const;
  int Height() const;

 private:
  HICON FShared = nullptr;
  TIconHandle FOwned;
};
