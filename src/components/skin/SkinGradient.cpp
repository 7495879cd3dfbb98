#include "components/skin/SkinGradient.h"

#include <algorithm>

#include "components/skin/SkinGradientBands.h"
#include "ui/Graphics.h"

namespace {

// Fills with the DC's own brush colour (DC_BRUSH), so that no brush is made per band.
void FillWithColor(HDC dc, const RECT& rect, COLORREF color) {
  if (rect.right <= rect.left || rect.bottom <= rect.top) return;
  ::SetDCBrushColor(dc, color);
  ::FillRect(dc, &rect, static_cast<HBRUSH>(::GetStockObject(DC_BRUSH)));
}

// Bands along one axis; a band past the rectangle's far edge (band 255 of a tall rectangle) is
// cut at that edge.
void FillLinear(HDC dc, const RECT& rect, TColor start, TColor end, bool horizontal) {
  const COLORREF s = ColorToRGB(start);
  const COLORREF e = ColorToRGB(end);
  const int origin = horizontal ? rect.left : rect.top;
  const int limit = horizontal ? rect.right : rect.bottom;
  const int extent = limit - origin;
  if (extent <= 0) return;
  for (int i = 0; i < SkinGradientBands; ++i) {
    const int from = SkinBandStart(origin, extent, i);
    const int to = std::min(SkinBandStart(origin, extent, i + 1), limit);
    if (to <= from) continue;
    RECT band = rect;
    if (horizontal) {
      band.left = from;
      band.right = to;
    } else {
      band.top = from;
      band.bottom = to;
    }
    FillWithColor(dc, band, SkinBandColor(s, e, i));
  }
}

}  // namespace

void SkinFillVertical(HDC dc, const RECT& rect, TColor start, TColor end) {
  FillLinear(dc, rect, start, end, false);
}

void SkinFillHorizontal(HDC dc, const RECT& rect, TColor start, TColor end) {
  FillLinear(dc, rect, start, end, true);
}

void SkinFillDiagonal(HDC dc, const RECT& rect, TColor start, TColor end) {
  const int w = rect.right - rect.left;
  const int h = rect.bottom - rect.top;
  if (w <= 0 || h <= 0) return;
  const COLORREF s = ColorToRGB(start);
  const COLORREF e = ColorToRGB(end);
  TBitmap picture(w, h);
  HDC target = picture.Canvas().Handle();
  for (int i = 0; i < SkinGradientBands; ++i) {
    const auto corners = SkinDiagonalBand(w, h, i);
    POINT points[4];
    for (size_t k = 0; k < corners.size(); ++k) points[k] = POINT{corners[k].X, corners[k].Y};
    TRegionHandle region(::CreatePolygonRgn(points, 4, ALTERNATE));
    if (!region) continue;
    ::SetDCBrushColor(target, SkinBandColor(s, e, i));
    ::FillRgn(target, region.Get(), static_cast<HBRUSH>(::GetStockObject(DC_BRUSH)));
  }
  ::BitBlt(dc, rect.left, rect.top, w, h, target, 0, 0, SRCCOPY);
}

void SkinFillGlass(HDC dc, const RECT& rect, TColor start, TColor end) {
  const TColor s = ColorToRGB(start);
  const TColor e = ColorToRGB(end);
  const TSkinGlass glass = SkinGlassSplit(rect.top, rect.bottom, s, e);
  SkinFillVertical(dc, RECT{rect.left, rect.top, rect.right, glass.Cut}, s, glass.UpperEnd);
  SkinFillVertical(dc, RECT{rect.left, glass.Cut, rect.right, rect.bottom}, e, glass.LowerEnd);
}

void SkinFillSolid(HDC dc, const RECT& rect, TColor color) {
  FillWithColor(dc, rect, ColorToRGB(color));  // what a vertical fill from color to color gives
}

void SkinFrame(HDC dc, const RECT& rect, TColor color) {
  if (rect.right <= rect.left || rect.bottom <= rect.top) return;
  ::SetDCBrushColor(dc, ColorToRGB(color));
  ::FrameRect(dc, &rect, static_cast<HBRUSH>(::GetStockObject(DC_BRUSH)));
}

void SkinDrawCheckMark(HDC dc, int x, int y, TColor color) {
  TPenHandle pen(::CreatePen(PS_SOLID, 1, ColorToRGB(color)));
  TSelection selection(dc, pen.Get());
  for (int k = 1; k <= 3; ++k) {
    const POINT points[3] = {{x + 2, y + k + 3}, {x + 4, y + k + 5}, {x + 9, y + k}};
    ::Polyline(dc, points, 3);
  }
}
