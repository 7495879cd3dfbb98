// The arithmetic of the skin's gradient fills, apart from any drawing, so that it is checked
// natively. A fill from a start colour S to an end colour E (both RGB) has 256 bands; band i has,
// per channel, S + (E - S) * i / 255, truncated toward zero. Vertical and horizontal bands cover
// rows (columns) origin + extent * i / 255 up to origin + extent * (i + 1) / 255. A diagonal fill
// cuts a w by h rectangle into 256 quadrilaterals from the top-left corner (band 0) to the
// bottom-right one (band 255). A glass fill cuts the rectangle at row bottom - h / 2: the upper
// part goes from S to S + (E - S) * 0.25, the lower part from E to S + (E - S) * 0.55 (each
// product truncated toward zero). Portable; nothing raises.
#pragma once

#include <array>

#include "ui/Colors.h"

constexpr int SkinGradientBands = 256;

// The colour of band i (0 to 255) of a fill from start to end.
TColor SkinBandColor(TColor start, TColor end, int band);
// start + trunc((end - start) * factor), per channel.
TColor SkinPartWay(TColor start, TColor end, double factor);
// The first row (column) of band i of a vertical (horizontal) fill over [origin, origin + extent).
constexpr int SkinBandStart(int origin, int extent, int band) {
  return origin + extent * band / 255;
}

struct TSkinPoint {
  int X;
  int Y;
  bool operator==(const TSkinPoint&) const = default;
};
// The corners of band i of a diagonal fill over (0, 0, w, h).
std::array<TSkinPoint, 4> SkinDiagonalBand(int w, int h, int band);

// How a glass fill splits a rectangle: rows [top, Cut) go from the start colour to UpperEnd, rows
// [Cut, bottom) from the end colour to LowerEnd.
struct TSkinGlass {
  int Cut;
  TColor UpperEnd;
  TColor LowerEnd;
};
TSkinGlass SkinGlassSplit(int top, int bottom, TColor start, TColor end);
