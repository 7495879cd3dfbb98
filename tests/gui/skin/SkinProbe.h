// Helpers of the skin's pixel tests: the colour a gradient fill has at a given row or column, and
// the number of pixels of one colour in a part of a bitmap. Windows only.
#pragma once

#include "components/skin/SkinGradientBands.h"
#include "ui/Graphics.h"

// The colour a linear fill from start to end over extent pixels has offset pixels in.
inline TColor Linear(TColor start, TColor end, int extent, int offset) {
  int band = 0;
  for (int i = 0; i < SkinGradientBands; ++i) {
    if (SkinBandStart(0, extent, i) <= offset && offset < SkinBandStart(0, extent, i + 1)) band = i;
  }
  return SkinBandColor(start, end, band);
}

inline int CountColor(const TBitmap& bitmap, const RECT& area, TColor color) {
  int count = 0;
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) count += bitmap.Pixel(x, y) == color ? 1 : 0;
  }
  return count;
}
