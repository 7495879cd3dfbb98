#include "components/skin/SkinGradientBands.h"

namespace {

int Channel(TColor color, int shift) {
  return static_cast<int>((color >> shift) & 0xFF);
}

}  // namespace

TColor SkinBandColor(TColor start, TColor end, int band) {
  TColor result = 0;
  for (int shift : {0, 8, 16}) {
    const int s = Channel(start, shift);
    result |= static_cast<TColor>(s + (Channel(end, shift) - s) * band / 255) << shift;
  }
  return result;
}

TColor SkinPartWay(TColor start, TColor end, double factor) {
  TColor result = 0;
  for (int shift : {0, 8, 16}) {
    const int s = Channel(start, shift);
    result |= static_cast<TColor>(s + static_cast<int>((Channel(end, shift) - s) * factor))
              << shift;
  }
  return result;
}

std::array<TSkinPoint, 4> SkinDiagonalBand(int w, int h, int band) {
  if (band < 128)
    return {TSkinPoint{0, h * band / 128}, TSkinPoint{0, h * (band + 1) / 128},
            TSkinPoint{w * (band + 1) / 128, 0}, TSkinPoint{w * band / 128, 0}};
  return {TSkinPoint{w * (band - 128) / 128, h}, TSkinPoint{w * (band - 127) / 128, h},
          TSkinPoint{w, h * (band - 127) / 128}, TSkinPoint{w, h * (band - 128) / 128}};
}

TSkinGlass SkinGlassSplit(int top, int bottom, TColor start, TColor end) {
  return TSkinGlass{bottom - (bottom - top) / 2, SkinPartWay(start, end, 0.25),
                    SkinPartWay(start, end, 0.55)};
}
