// Header picture: a horizontal gradient from deep navy to the maker's blue, a few light rings on
// the right as the mark of the library and a thin light edge along the bottom.
#include "app/MainHeader.h"

#include "ui/Gdi.h"

namespace {

constexpr COLORREF kNavy = RGB(12, 36, 84);
constexpr COLORREF kBlue = RGB(28, 104, 176);
constexpr COLORREF kEdge = RGB(120, 180, 230);
constexpr int kRingCount = 5;
constexpr int kRingWidth = 3;

TRIVERTEX Vertex(LONG x, LONG y, COLORREF colour) {
  TRIVERTEX v{};
  v.x = x;
  v.y = y;
  v.Red = static_cast<COLOR16>(GetRValue(colour) << 8);
  v.Green = static_cast<COLOR16>(GetGValue(colour) << 8);
  v.Blue = static_cast<COLOR16>(GetBValue(colour) << 8);
  return v;
}

void PaintGradient(HDC dc, const RECT& r) {
  TRIVERTEX vertices[2] = {Vertex(r.left, r.top, kNavy), Vertex(r.right, r.bottom, kBlue)};
  GRADIENT_RECT rect{0, 1};
  GradientFill(dc, vertices, 2, &rect, 1, GRADIENT_FILL_RECT_H);
}

// Concentric rings centred near the right end of the band, clipped to it, lighter outwards. Each
// ring is filled as the difference of two ellipse regions: a wide pen's outline costs Wine's
// drawing engine milliseconds per ring on the window's first paint.
void PaintRings(HDC dc, const RECT& r) {
  const int cx = r.right - 70;
  const int cy = r.top + (r.bottom - r.top) / 2;
  TSavedDC saved(dc);
  IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
  for (int i = 0; i < kRingCount; ++i) {
    const int radius = 18 + i * 16;
    const int shade = 70 + i * 22;
    const int outer = radius + kRingWidth / 2;
    const int inner = outer - kRingWidth;
    TRegionHandle ring(CreateEllipticRgn(cx - outer, cy - outer, cx + outer + 1, cy + outer + 1));
    TRegionHandle hole(CreateEllipticRgn(cx - inner, cy - inner, cx + inner + 1, cy + inner + 1));
    CombineRgn(ring.Get(), ring.Get(), hole.Get(), RGN_DIFF);
    TBrushHandle brush(CreateSolidBrush(RGB(shade / 2, shade, 120 + i * 20)));
    FillRgn(dc, ring.Get(), brush.Get());
  }
}

void PaintBottomEdge(HDC dc, const RECT& r) {
  RECT edge{r.left, r.bottom - 2, r.right, r.bottom};
  TBrushHandle brush(CreateSolidBrush(kEdge));
  FillRect(dc, &edge, brush.Get());
}

}  // namespace

void PaintHeaderPicture(HDC dc, const RECT& bounds) {
  PaintGradient(dc, bounds);
  PaintRings(dc, bounds);
  PaintBottomEdge(dc, bounds);
}
