#include <gtest/gtest.h>

#include "components/skin/SkinGradientBands.h"

TEST(SkinGradientBands, FirstBandIsTheStartAndLastTheEnd) {
  const TColor s = RgbColor(10, 200, 30);
  const TColor e = RgbColor(250, 0, 31);
  EXPECT_EQ(SkinBandColor(s, e, 0), s);
  EXPECT_EQ(SkinBandColor(s, e, 255), e);
}

TEST(SkinGradientBands, BandColoursTruncateTowardZeroPerChannel) {
  // Rising red: 0 + 255 * 1 / 255 = 1; falling green: 200 - 200 * 1 / 255 = 200 (trunc of -0.78).
  EXPECT_EQ(SkinBandColor(RgbColor(0, 200, 7), RgbColor(255, 0, 7), 1), RgbColor(1, 200, 7));
  // Middle band: 100 + (0 - 100) * 128 / 255 = 100 - 50 (trunc of -50.19).
  EXPECT_EQ(SkinBandColor(RgbColor(100, 0, 0), RgbColor(0, 0, 0), 128), RgbColor(50, 0, 0));
}

TEST(SkinGradientBands, BandRowsSplitTheExtent) {
  EXPECT_EQ(SkinBandStart(10, 23, 0), 10);
  EXPECT_EQ(SkinBandStart(10, 23, 12), 11);  // 23 * 12 / 255 = 1
  EXPECT_EQ(SkinBandStart(10, 23, 255), 33);
  EXPECT_EQ(SkinBandStart(0, 510, 1), 2);
  EXPECT_EQ(SkinBandStart(0, 510, 256), 512);  // past the extent: the fill cuts it
}

TEST(SkinGradientBands, PartWayTruncatesEachProduct) {
  // 0.25 of +100 is 25; 0.55 of -20 is -11 (toward zero).
  EXPECT_EQ(SkinPartWay(RgbColor(100, 20, 0), RgbColor(200, 0, 0), 0.25), RgbColor(125, 15, 0));
  EXPECT_EQ(SkinPartWay(RgbColor(100, 20, 0), RgbColor(200, 0, 0), 0.55), RgbColor(155, 9, 0));
  // 0.55 of 7 is 3.85: 3.
  EXPECT_EQ(SkinPartWay(RgbColor(0, 0, 0), RgbColor(7, 0, 0), 0.55), RgbColor(3, 0, 0));
}

TEST(SkinGradientBands, GlassCutGivesTheUpperPartTheExtraRow) {
  const TColor s = RgbColor(0, 0, 0);
  const TColor e = RgbColor(200, 100, 40);
  const TSkinGlass odd = SkinGlassSplit(0, 23, s, e);
  EXPECT_EQ(odd.Cut, 12);  // 23 - 11: rows 0-11 upper, 12-22 lower
  const TSkinGlass even = SkinGlassSplit(4, 24, s, e);
  EXPECT_EQ(even.Cut, 14);
  EXPECT_EQ(odd.UpperEnd, RgbColor(50, 25, 10));
  EXPECT_EQ(odd.LowerEnd, RgbColor(110, 55, 22));
}

TEST(SkinGradientBands, DiagonalBandsRunFromTopLeftToBottomRight) {
  const auto first = SkinDiagonalBand(256, 128, 0);
  EXPECT_EQ(first[0], (TSkinPoint{0, 0}));
  EXPECT_EQ(first[1], (TSkinPoint{0, 1}));
  EXPECT_EQ(first[2], (TSkinPoint{2, 0}));
  EXPECT_EQ(first[3], (TSkinPoint{0, 0}));
  const auto last = SkinDiagonalBand(256, 128, 255);
  EXPECT_EQ(last[0], (TSkinPoint{254, 128}));
  EXPECT_EQ(last[1], (TSkinPoint{256, 128}));
  EXPECT_EQ(last[2], (TSkinPoint{256, 128}));
  EXPECT_EQ(last[3], (TSkinPoint{256, 127}));
  const auto middle = SkinDiagonalBand(256, 128, 128);
  EXPECT_EQ(middle[0], (TSkinPoint{0, 128}));
  EXPECT_EQ(middle[3], (TSkinPoint{256, 0}));
}
