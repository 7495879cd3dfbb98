#include "ui/Graphics.h"

#include <utility>

#include "core/Format.h"
#include "core/StringList.h"

COLORREF ColorToRGB(TColor color) {
  if (IsSystemColor(color)) return ::GetSysColor(static_cast<int>(color & 0xFF));
  return color & 0x00FFFFFF;
}

int ScreenPixelsPerInch() {
  static const int density = [] {
    TWindowDC screen(nullptr);
    int value = ::GetDeviceCaps(screen.Get(), LOGPIXELSY);
    return value > 0 ? value : 96;
  }();
  return density;
}

namespace {

DWORD PitchFlags(TFontPitch pitch) {
  switch (pitch) {
    case TFontPitch::fpVariable:
      return VARIABLE_PITCH;
    case TFontPitch::fpFixed:
      return FIXED_PITCH;
    case TFontPitch::fpDefault:
      break;
  }
  return DEFAULT_PITCH;
}

[[noreturn]] void RaiseCreationFailure(const wchar_t* what) {
  throw EGraphicsError(Format(L"Cannot create %s (error %d)", {what, int(::GetLastError())}));
}

}  // namespace

// TFont ------------------------------------------------------------------------------------------

TFont::TFont()
    : FHeight(-::MulDiv(8, ScreenPixelsPerInch(), 72)), FPixelsPerInch(ScreenPixelsPerInch()) {}

void TFont::Assign(const TFont& source) {
  if (&source == this || SameAs(source)) return;
  FName = source.FName;
  FHeight = ::MulDiv(source.FHeight, FPixelsPerInch, source.FPixelsPerInch);
  FStyle = source.FStyle;
  FColor = source.FColor;
  FCharset = source.FCharset;
  FPitch = source.FPitch;
  Changed();
}

TFontData TFont::Data() const {
  TFontData data;
  data.Name = FName;
  data.Size = Size();
  data.Color = FColor;
  data.Charset = FCharset;
  data.Pitch = FPitch;
  data.Bold = FStyle.Contains(TFontStyle::fsBold);
  data.Italic = FStyle.Contains(TFontStyle::fsItalic);
  data.Underline = FStyle.Contains(TFontStyle::fsUnderline);
  data.StrikeOut = FStyle.Contains(TFontStyle::fsStrikeOut);
  return data;
}

void TFont::SetData(const TFontData& data) {
  FName = data.Name;
  FHeight = HeightOfPoints(data.Size);
  FColor = data.Color;
  FCharset = data.Charset;
  FPitch = data.Pitch;
  FStyle = TFontStyles{};
  if (data.Bold) FStyle.Include(TFontStyle::fsBold);
  if (data.Italic) FStyle.Include(TFontStyle::fsItalic);
  if (data.Underline) FStyle.Include(TFontStyle::fsUnderline);
  if (data.StrikeOut) FStyle.Include(TFontStyle::fsStrikeOut);
  Changed();
}

void TFont::SetName(const String& value) {
  if (value == FName) return;
  FName = value;
  Changed();
}

int TFont::Size() const {
  return -::MulDiv(FHeight, 72, FPixelsPerInch);
}

int TFont::HeightOfPoints(int points) const {
  return -::MulDiv(points, FPixelsPerInch, 72);
}

void TFont::SetSize(int points) {
  SetHeight(HeightOfPoints(points));
}

void TFont::SetAppearance(const String& name, int points, TFontStyles style, TColor color) {
  FName = name;
  FHeight = HeightOfPoints(points);
  FStyle = style;
  FColor = color;
  Changed();
}

void TFont::SetHeight(int pixels) {
  if (pixels == FHeight) return;
  FHeight = pixels;
  Changed();
}

void TFont::SetStyle(TFontStyles value) {
  if (value == FStyle) return;
  FStyle = value;
  Changed();
}

void TFont::SetColor(TColor value) {
  if (value == FColor) return;
  FColor = value;
  Changed();
}

void TFont::SetPixelsPerInch(int value) {
  if (value <= 0 || value == FPixelsPerInch) return;
  int points = Size();
  FPixelsPerInch = value;
  FHeight = HeightOfPoints(points);
  Changed();
}

bool TFont::SameAs(const TFont& other) const {
  return SameTextAscii(FName, other.FName) && FStyle == other.FStyle && FColor == other.FColor &&
         FCharset == other.FCharset && FPitch == other.FPitch &&
         ::MulDiv(FHeight, 72, FPixelsPerInch) == ::MulDiv(other.FHeight, 72, other.FPixelsPerInch);
}

HFONT TFont::Handle() const {
  if (!FHandle) {
    HFONT font = ::CreateFontW(
        FHeight, 0, 0, 0, FStyle.Contains(TFontStyle::fsBold) ? FW_BOLD : FW_NORMAL,
        FStyle.Contains(TFontStyle::fsItalic), FStyle.Contains(TFontStyle::fsUnderline),
        FStyle.Contains(TFontStyle::fsStrikeOut), FCharset, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
        DEFAULT_QUALITY, PitchFlags(FPitch) | FF_DONTCARE, FName.c_str());
    if (font == nullptr) RaiseCreationFailure(L"font");
    FHandle.Reset(font);
  }
  return FHandle.Get();
}

// Listeners deselect the old handle first (canvases) or ask for the new one (windows); the old
// object is deleted only once no DC holds it.
void TFont::Changed() {
  TFontHandle old(FHandle.Release());
  if (OnChange) OnChange();
}

// TPen -------------------------------------------------------------------------------------------

void TPen::SetColor(TColor value) {
  if (value == FColor) return;
  FColor = value;
  Changed();
}

void TPen::SetWidth(int value) {
  if (value == FWidth || value < 0) return;
  FWidth = value;
  Changed();
}

void TPen::SetStyle(TPenStyle value) {
  if (value == FStyle) return;
  FStyle = value;
  Changed();
}

HPEN TPen::Handle() const {
  if (!FHandle) {
    static constexpr int styles[] = {PS_SOLID,      PS_DASH, PS_DOT,        PS_DASHDOT,
                                     PS_DASHDOTDOT, PS_NULL, PS_INSIDEFRAME};
    HPEN pen = ::CreatePen(styles[static_cast<int>(FStyle)], FWidth, ColorToRGB(FColor));
    if (pen == nullptr) RaiseCreationFailure(L"pen");
    FHandle.Reset(pen);
  }
  return FHandle.Get();
}

void TPen::Changed() {
  TPenHandle old(FHandle.Release());
  if (OnChange) OnChange();
}

// TBrush -----------------------------------------------------------------------------------------

void TBrush::SetColor(TColor value) {
  if (value == FColor) return;
  FColor = value;
  Changed();
}

void TBrush::SetStyle(TBrushStyle value) {
  if (value == FStyle) return;
  FStyle = value;
  Changed();
}

HBRUSH TBrush::Handle() const {
  if (FStyle == TBrushStyle::bsClear) return static_cast<HBRUSH>(::GetStockObject(HOLLOW_BRUSH));
  if (!FHandle) {
    HBRUSH brush = ::CreateSolidBrush(ColorToRGB(FColor));
    if (brush == nullptr) RaiseCreationFailure(L"brush");
    FHandle.Reset(brush);
  }
  return FHandle.Get();
}

void TBrush::Changed() {
  TBrushHandle old(FHandle.Release());
  if (OnChange) OnChange();
}

// TCanvas ----------------------------------------------------------------------------------------

TCanvas::TCanvas() {
  FFont.OnChange = [this] {
    if (FFontSelected) ::SelectObject(FDC, FOriginalFont);
    FFontSelected = false;
  };
  FPen.OnChange = [this] {
    if (FPenSelected) ::SelectObject(FDC, FOriginalPen);
    FPenSelected = false;
  };
  FBrush.OnChange = [this] {
    if (FBrushSelected) ::SelectObject(FDC, FOriginalBrush);
    FBrushSelected = false;
  };
}

TCanvas::~TCanvas() {
  DeselectAll();
}

HDC TCanvas::Handle() {
  if (FDC == nullptr) {
    if (!FMeasureDC) FMeasureDC.Reset(::CreateCompatibleDC(nullptr));
    if (!FMeasureDC) RaiseCreationFailure(L"device context");
    FDC = FMeasureDC.Get();
  }
  return FDC;
}

void TCanvas::SetHandle(HDC dc) {
  if (dc == FDC) return;
  DeselectAll();
  FDC = dc;
}

void TCanvas::DeselectAll() {
  if (FDC == nullptr) return;
  if (FFontSelected) ::SelectObject(FDC, FOriginalFont);
  if (FPenSelected) ::SelectObject(FDC, FOriginalPen);
  if (FBrushSelected) ::SelectObject(FDC, FOriginalBrush);
  FFontSelected = FPenSelected = FBrushSelected = false;
}

void TCanvas::RequireFont() {
  HDC dc = Handle();
  if (!FFontSelected) {
    FOriginalFont = ::SelectObject(dc, FFont.Handle());
    FFontSelected = true;
  }
}

void TCanvas::RequirePen() {
  HDC dc = Handle();
  if (!FPenSelected) {
    FOriginalPen = ::SelectObject(dc, FPen.Handle());
    FPenSelected = true;
  }
}

void TCanvas::RequireBrush() {
  HDC dc = Handle();
  if (!FBrushSelected) {
    FOriginalBrush = ::SelectObject(dc, FBrush.Handle());
    FBrushSelected = true;
  }
}

void TCanvas::PrepareText() {
  RequireFont();
  ::SetTextColor(FDC, ColorToRGB(FFont.Color()));
  if (FBrush.Style() == TBrushStyle::bsClear) {
    ::SetBkMode(FDC, TRANSPARENT);
  } else {
    ::SetBkMode(FDC, OPAQUE);
    ::SetBkColor(FDC, ColorToRGB(FBrush.Color()));
  }
}

void TCanvas::MoveTo(int x, int y) {
  ::MoveToEx(Handle(), x, y, nullptr);
  FPenPos = POINT{x, y};
}

void TCanvas::LineTo(int x, int y) {
  RequirePen();
  ::MoveToEx(FDC, FPenPos.x, FPenPos.y, nullptr);
  ::LineTo(FDC, x, y);
  FPenPos = POINT{x, y};
}

void TCanvas::FillRect(const RECT& rect) {
  ::FillRect(Handle(), &rect, FBrush.Handle());
}

void TCanvas::FrameRect(const RECT& rect) {
  ::FrameRect(Handle(), &rect, FBrush.Handle());
}

void TCanvas::Rectangle(int left, int top, int right, int bottom) {
  RequirePen();
  RequireBrush();
  ::Rectangle(FDC, left, top, right, bottom);
}

void TCanvas::DrawFocusRect(const RECT& rect) {
  ::DrawFocusRect(Handle(), &rect);
}

void TCanvas::TextOut(int x, int y, const String& text) {
  PrepareText();
  ::TextOutW(FDC, x, y, text.c_str(), static_cast<int>(text.size()));
}

void TCanvas::TextRect(const RECT& rect, int x, int y, const String& text) {
  PrepareText();
  UINT options = ETO_CLIPPED;
  if (FBrush.Style() != TBrushStyle::bsClear) options |= ETO_OPAQUE;
  ::ExtTextOutW(FDC, x, y, options, &rect, text.c_str(), static_cast<UINT>(text.size()), nullptr);
}

SIZE TCanvas::TextExtent(const String& text) {
  RequireFont();
  SIZE size{0, 0};
  ::GetTextExtentPoint32W(FDC, text.c_str(), static_cast<int>(text.size()), &size);
  return size;
}

int TCanvas::DrawText(const String& text, RECT& rect, UINT format) {
  PrepareText();
  return ::DrawTextW(FDC, text.c_str(), static_cast<int>(text.size()), &rect, format);
}

void TCanvas::Draw(int x, int y, TBitmap& bitmap) {
  if (bitmap.Empty()) return;
  ::BitBlt(Handle(), x, y, bitmap.Width(), bitmap.Height(), bitmap.Canvas().Handle(), 0, 0,
           SRCCOPY);
}

void TCanvas::DrawTransparent(int x, int y, TBitmap& bitmap, TColor transparent) {
  if (bitmap.Empty()) return;
  ::GdiTransparentBlt(Handle(), x, y, bitmap.Width(), bitmap.Height(), bitmap.Canvas().Handle(), 0,
                      0, bitmap.Width(), bitmap.Height(), ColorToRGB(transparent));
}

void TCanvas::StretchDraw(const RECT& dest, TBitmap& bitmap) {
  if (bitmap.Empty()) return;
  CopyRect(dest, bitmap.Canvas(), RECT{0, 0, bitmap.Width(), bitmap.Height()});
}

void TCanvas::CopyRect(const RECT& dest, TCanvas& source, const RECT& srcRect) {
  HDC dc = Handle();
  ::SetStretchBltMode(dc, COLORONCOLOR);
  ::StretchBlt(dc, dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top,
               source.Handle(), srcRect.left, srcRect.top, srcRect.right - srcRect.left,
               srcRect.bottom - srcRect.top, SRCCOPY);
}

void TCanvas::DrawIcon(int x, int y, HICON icon) {
  if (icon != nullptr) ::DrawIconEx(Handle(), x, y, icon, 0, 0, 0, nullptr, DI_NORMAL);
}

TColor TCanvas::Pixel(int x, int y) {
  return ::GetPixel(Handle(), x, y);
}

void TCanvas::SetPixel(int x, int y, TColor color) {
  ::SetPixelV(Handle(), x, y, ColorToRGB(color));
}

// TBitmap ----------------------------------------------------------------------------------------

TBitmap::~TBitmap() {
  ReleaseCanvas();
}

void TBitmap::ReleaseCanvas() {
  FCanvas.SetHandle(nullptr);
  DetachBitmap();
  FDC.Reset();
}

void TBitmap::AttachBitmap() {
  if (!FDC || !FBitmap) return;
  HGDIOBJ previous = ::SelectObject(FDC.Get(), FBitmap.Get());
  if (FOriginalBitmap == nullptr) FOriginalBitmap = previous;
}

void TBitmap::DetachBitmap() {
  if (FDC && FOriginalBitmap != nullptr) ::SelectObject(FDC.Get(), FOriginalBitmap);
  FOriginalBitmap = nullptr;
}

void TBitmap::Assign(const TBitmap& source) {
  if (&source == this) return;
  SetSize(source.FWidth, source.FHeight);
  if (!Empty()) {
    ::GdiFlush();
    std::copy(source.FBits, source.FBits + static_cast<size_t>(FWidth) * FHeight, FBits);
  }
}

void TBitmap::SetSize(int width, int height) {
  if (width < 0) width = 0;
  if (height < 0) height = 0;
  DetachBitmap();  // the canvas stays attached to the DC
  FBitmap.Reset();
  FBits = nullptr;
  FWidth = width;
  FHeight = height;
  if (Empty()) return;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap == nullptr) {
    FWidth = FHeight = 0;
    RaiseCreationFailure(L"bitmap");
  }
  FBitmap.Reset(bitmap);
  FBits = static_cast<uint32_t*>(bits);
  std::fill(FBits, FBits + static_cast<size_t>(width) * height, 0x00FFFFFFu);
  AttachBitmap();
}

TCanvas& TBitmap::Canvas() {
  if (!FDC) {
    FDC.Reset(::CreateCompatibleDC(nullptr));
    if (!FDC) RaiseCreationFailure(L"device context");
    AttachBitmap();
    FCanvas.SetHandle(FDC.Get());
  }
  return FCanvas;
}

TColor TBitmap::Pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= FWidth || y >= FHeight) return clNone;
  ::GdiFlush();
  uint32_t bgr = FBits[static_cast<size_t>(y) * FWidth + x];
  return RgbColor(static_cast<uint8_t>(bgr >> 16), static_cast<uint8_t>(bgr >> 8),
                  static_cast<uint8_t>(bgr));
}

void TBitmap::SetPixel(int x, int y, TColor color) {
  if (x < 0 || y < 0 || x >= FWidth || y >= FHeight) return;
  ::GdiFlush();
  COLORREF rgb = ColorToRGB(color);
  FBits[static_cast<size_t>(y) * FWidth + x] =
      (uint32_t{GetRValue(rgb)} << 16) | (uint32_t{GetGValue(rgb)} << 8) | GetBValue(rgb);
}

// TIcon ------------------------------------------------------------------------------------------

void TIcon::LoadStock(LPCWSTR id) {
  SetShared(::LoadIconW(nullptr, id));
}

void TIcon::TakeOwned(HICON icon) {
  FShared = nullptr;
  FOwned.Reset(icon);
}

void TIcon::SetShared(HICON icon) {
  FOwned.Reset();
  FShared = icon;
}

void TIcon::Clear() {
  FOwned.Reset();
  FShared = nullptr;
}

namespace {

SIZE IconSize(HICON icon) {
  SIZE size{0, 0};
  ICONINFO info{};
  if (icon == nullptr || !::GetIconInfo(icon, &info)) return size;
  TBitmapHandle color(info.hbmColor);
  TBitmapHandle mask(info.hbmMask);
  BITMAP bm{};
  if (color && ::GetObjectW(color.Get(), sizeof(bm), &bm) != 0) {
    size = SIZE{bm.bmWidth, bm.bmHeight};
  } else if (mask && ::GetObjectW(mask.Get(), sizeof(bm), &bm) != 0) {
    size = SIZE{bm.bmWidth, bm.bmHeight / 2};
  }
  return size;
}

}  // namespace

int TIcon::Width() const {
  return IconSize(Handle()).cx;
}

int TIcon::Height() const {
  return IconSize(Handle()).cy;
}
