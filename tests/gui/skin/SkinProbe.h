// The colour a gradient fill of the skin has at a given row or column, for pixel tests.
#pragma once

#include "components/skin/SkinGradientBands.h"

// The colour a linear fill from start to end over extent pixels has offset pixels in.
inline TColor Linear(TColor start, TColor end, int extent, int offset) {
  int band = 0;
  for (int i = 0; i < SkinGradientBands; ++i) {
    if (SkinBandStart(0, extent, i) <= offset && offset < SkinBandStart(0, extent, i + 1)) band = i;
  }
  return SkinBandColor(start, end, band);
}
