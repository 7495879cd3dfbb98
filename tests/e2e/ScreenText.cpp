#include "ScreenText.h"

#include <algorithm>
#include <memory>
#include <type_traits>
#include <vector>

namespace {

// A pixel is ink when darker than the middle grey.
constexpr int kInkLevel = 128;
// This share (1 / N) of the text's ink pixels may differ and the text still be found. The same
// renderer draws both, so a shown text matches exactly; another text of the same font and
// length differs in about a sixth of its ink.
constexpr int kAllowanceDivisor = 100;

// An ink mask: one flag per pixel, rows top-down.
struct TInk {
  int Width = 0;
  int Height = 0;
  std::vector<uint8_t> Flags;

  bool At(int x, int y) const { return Flags[static_cast<size_t>(y) * Width + x] != 0; }
};

struct TDcDeleter {
  void operator()(HDC dc) const { DeleteDC(dc); }
};
struct TObjectDeleter {
  void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
using TMemoryDc = std::unique_ptr<std::remove_pointer_t<HDC>, TDcDeleter>;
using TGdiObject = std::unique_ptr<std::remove_pointer_t<HGDIOBJ>, TObjectDeleter>;

// A 32-bit top-down DIB section selected into a memory DC; its pixels are BGRA.
class TPixels {
 public:
  TPixels(int width, int height)
      : FWidth(width), FHeight(height), FDc(CreateCompatibleDC(nullptr)) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    FBitmap.reset(CreateDIBSection(FDc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    FBits = static_cast<const uint8_t*>(bits);
    FOld = SelectObject(FDc.get(), FBitmap.get());
  }
  TPixels(const TPixels&) = delete;
  TPixels& operator=(const TPixels&) = delete;
  ~TPixels() { SelectObject(FDc.get(), FOld); }

  HDC Dc() const { return FDc.get(); }

  TInk Ink() const {
    GdiFlush();
    TInk ink{FWidth, FHeight, std::vector<uint8_t>(static_cast<size_t>(FWidth) * FHeight)};
    for (size_t i = 0; i < ink.Flags.size(); ++i) {
      const uint8_t* p = FBits + i * 4;
      const int luminance = (p[2] * 30 + p[1] * 59 + p[0] * 11) / 100;
      ink.Flags[i] = luminance < kInkLevel ? 1 : 0;
    }
    return ink;
  }

 private:
  int FWidth;
  int FHeight;
  TMemoryDc FDc;
  TGdiObject FBitmap;
  const uint8_t* FBits = nullptr;
  HGDIOBJ FOld = nullptr;
};

// The window's pixels as the screen shows them.
TInk WindowInk(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  TPixels pixels(rect.right - rect.left, rect.bottom - rect.top);
  const HDC screen = GetDC(nullptr);
  BitBlt(pixels.Dc(), 0, 0, rect.right - rect.left, rect.bottom - rect.top, screen, rect.left,
         rect.top, SRCCOPY);
  ReleaseDC(nullptr, screen);
  return pixels.Ink();
}

// The text drawn black on white in the font, in a box that fits it.
TInk TextInk(const String& text, const TScreenFont& font) {
  const HDC screen = GetDC(nullptr);
  const int pixelsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  LOGFONTW face{};
  face.lfHeight = -MulDiv(font.Points, pixelsPerInch, 72);
  face.lfWeight = font.Bold ? FW_BOLD : FW_NORMAL;
  face.lfCharSet = DEFAULT_CHARSET;
  lstrcpynW(face.lfFaceName, font.Face, LF_FACESIZE);
  const TGdiObject handle(CreateFontIndirectW(&face));

  const UINT flags = DT_SINGLELINE | DT_NOPREFIX | DT_LEFT | DT_TOP;
  TPixels measure(1, 1);
  HGDIOBJ old = SelectObject(measure.Dc(), handle.get());
  RECT box{0, 0, 0, 0};
  DrawTextW(measure.Dc(), text.c_str(), static_cast<int>(text.size()), &box, flags | DT_CALCRECT);
  SelectObject(measure.Dc(), old);

  TPixels pixels(box.right, box.bottom);
  PatBlt(pixels.Dc(), 0, 0, box.right, box.bottom, WHITENESS);
  old = SelectObject(pixels.Dc(), handle.get());
  SetBkMode(pixels.Dc(), TRANSPARENT);
  SetTextColor(pixels.Dc(), RGB(0, 0, 0));
  DrawTextW(pixels.Dc(), text.c_str(), static_cast<int>(text.size()), &box, flags);
  SelectObject(pixels.Dc(), old);
  return pixels.Ink();
}

// The ink of the text, cut to its first and last columns and rows that hold ink, so that the
// box's blank margins (which may overlap other drawings) take no part.
TInk Trimmed(const TInk& ink) {
  int left = ink.Width, top = ink.Height, right = -1, bottom = -1;
  for (int y = 0; y < ink.Height; ++y)
    for (int x = 0; x < ink.Width; ++x)
      if (ink.At(x, y)) {
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
  TInk trimmed{std::max(right - left + 1, 0), std::max(bottom - top + 1, 0), {}};
  for (int y = top; y <= bottom; ++y)
    for (int x = left; x <= right; ++x) trimmed.Flags.push_back(ink.At(x, y) ? 1 : 0);
  return trimmed;
}

// The positions of the ink pixels of a mask.
std::vector<POINT> InkPoints(const TInk& ink) {
  std::vector<POINT> points;
  for (int y = 0; y < ink.Height; ++y)
    for (int x = 0; x < ink.Width; ++x)
      if (ink.At(x, y)) points.push_back(POINT{x, y});
  return points;
}

// Whether text's ink lies in screen's ink with its top-left corner at (left, top): first its ink
// pixels alone (which rules out most places at once), then the whole box, where ink of the
// screen that the text does not have counts as a difference too.
bool MatchesAt(const TInk& screen, const TInk& text, const std::vector<POINT>& textInk, int left,
               int top, int allowance) {
  int differences = 0;
  for (const POINT& p : textInk)
    if (!screen.At(left + p.x, top + p.y) && ++differences > allowance) return false;
  differences = 0;
  for (int y = 0; y < text.Height; ++y)
    for (int x = 0; x < text.Width; ++x)
      if (screen.At(left + x, top + y) != text.At(x, y) && ++differences > allowance) return false;
  return true;
}

}  // namespace

bool ShowsText(HWND window, const String& text, const TScreenFont& font) {
  const TInk shape = Trimmed(TextInk(text, font));
  const TInk screen = WindowInk(window);
  if (shape.Width == 0 || shape.Width > screen.Width || shape.Height > screen.Height) return false;
  const std::vector<POINT> shapeInk = InkPoints(shape);
  const int allowance = static_cast<int>(shapeInk.size()) / kAllowanceDivisor;
  for (int top = 0; top + shape.Height <= screen.Height; ++top)
    for (int left = 0; left + shape.Width <= screen.Width; ++left)
      if (MatchesAt(screen, shape, shapeInk, left, top, allowance)) return true;
  return false;
}
