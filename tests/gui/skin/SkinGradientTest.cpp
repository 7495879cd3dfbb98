#include <gtest/gtest.h>

#include "components/skin/SkinGradient.h"
#include "ui/Graphics.h"

namespace {

constexpr TColor Grey(uint8_t level) {
  return RgbColor(level, level, level);
}

class SkinGradient : public ::testing::Test {
 protected:
  SkinGradient() : Shot(256, 256) { Shot.Canvas().Handle(); }
  HDC Dc() { return Shot.Canvas().Handle(); }
  TBitmap Shot;
};

}  // namespace

TEST_F(SkinGradient, VerticalGoesFromTopToBottomInWholeBands) {
  SkinFillVertical(Dc(), RECT{0, 0, 10, 255}, clWhite, clBlack);
  EXPECT_EQ(Shot.Pixel(5, 0), Grey(255));
  EXPECT_EQ(Shot.Pixel(5, 100), Grey(155));
  EXPECT_EQ(Shot.Pixel(5, 254), Grey(1));   // 255 rows: the last band would start at row 255
  EXPECT_EQ(Shot.Pixel(10, 100), clWhite);  // nothing right of the rectangle
}

TEST_F(SkinGradient, VerticalFillStaysInsideItsRectangle) {
  SkinFillVertical(Dc(), RECT{0, 0, 10, 200}, clBlack, Grey(200));
  EXPECT_EQ(Shot.Pixel(5, 199), Grey(199));  // band 254 of 200 rows: 200 * 254 / 255
  EXPECT_EQ(Shot.Pixel(5, 200), clWhite);
  // With 255 rows or more, band 255 would begin at the bottom edge and spill below it.
  SkinFillVertical(Dc(), RECT{20, 0, 30, 255}, clBlack, Grey(200));
  EXPECT_EQ(Shot.Pixel(25, 254), Grey(199));
  EXPECT_EQ(Shot.Pixel(25, 255), clWhite);
}

TEST_F(SkinGradient, HorizontalGoesFromLeftToRight) {
  SkinFillHorizontal(Dc(), RECT{0, 0, 255, 10}, clBlack, Grey(255));
  EXPECT_EQ(Shot.Pixel(0, 5), Grey(0));
  EXPECT_EQ(Shot.Pixel(128, 5), Grey(128));
  EXPECT_EQ(Shot.Pixel(254, 5), Grey(254));
  EXPECT_EQ(Shot.Pixel(255, 5), clWhite);
}

TEST_F(SkinGradient, DiagonalGoesFromTopLeftToBottomRight) {
  ::PatBlt(Dc(), 0, 0, 256, 256, BLACKNESS);
  SkinFillDiagonal(Dc(), RECT{0, 0, 256, 256}, clWhite, clBlack);
  // Pixel centres well inside a band: x + y + 1 between the band's two edges.
  EXPECT_EQ(Shot.Pixel(10, 10), Grey(245));   // 21: band 10 (edges 20 and 22)
  EXPECT_EQ(Shot.Pixel(100, 54), Grey(178));  // 155: band 77
  EXPECT_EQ(Shot.Pixel(200, 250), Grey(30));  // 451: band 225 (edges 450 and 452)
}

TEST_F(SkinGradient, GlassHasTwoPartsMeetingAtTheMiddleRow) {
  SkinFillGlass(Dc(), RECT{0, 0, 10, 25}, Grey(252), Grey(207));
  // Upper part: rows 0-12 from 252 toward 252 + trunc(-45 * 0.25) = 241; lower part: rows 13-24
  // from 207 toward 252 + trunc(-45 * 0.55) = 228. With fewer than 255 rows a part's first row
  // shows the band that ends it: band 19 of 13 rows, band 21 of 12.
  EXPECT_EQ(Shot.Pixel(5, 0), Grey(252));
  EXPECT_EQ(Shot.Pixel(5, 12), Grey(242));  // band 254
  EXPECT_EQ(Shot.Pixel(5, 13), Grey(208));  // band 21: 207 + 21 * 21 / 255
  EXPECT_EQ(Shot.Pixel(5, 24), Grey(227));  // band 254
}

TEST_F(SkinGradient, SolidFillAndFrame) {
  SkinFillSolid(Dc(), RECT{0, 0, 20, 20}, RgbColor(1, 2, 3));
  SkinFrame(Dc(), RECT{0, 0, 20, 20}, RgbColor(9, 9, 9));
  EXPECT_EQ(Shot.Pixel(0, 0), RgbColor(9, 9, 9));
  EXPECT_EQ(Shot.Pixel(19, 19), RgbColor(9, 9, 9));
  EXPECT_EQ(Shot.Pixel(1, 1), RgbColor(1, 2, 3));
  EXPECT_EQ(Shot.Pixel(20, 20), clWhite);
}

TEST_F(SkinGradient, SystemColoursAreResolvedFirst) {
  SkinFillSolid(Dc(), RECT{0, 0, 4, 4}, clBtnFace);
  EXPECT_EQ(Shot.Pixel(1, 1), ColorToRGB(clBtnFace));
}

TEST_F(SkinGradient, CheckMarkIsThreeStrokes) {
  SkinDrawCheckMark(Dc(), 10, 20, clBlack);
  // k = 1: (12, 24) -> (14, 26) -> (19, 21); k = 3: (12, 26) -> (14, 28) -> (19, 23).
  EXPECT_EQ(Shot.Pixel(12, 24), clBlack);
  EXPECT_EQ(Shot.Pixel(14, 26), clBlack);
  EXPECT_EQ(Shot.Pixel(18, 22), clBlack);
  EXPECT_EQ(Shot.Pixel(14, 28), clBlack);
  EXPECT_EQ(Shot.Pixel(19, 21), clWhite);  // last points are left out
  EXPECT_EQ(Shot.Pixel(12, 27), clWhite);
  EXPECT_EQ(Shot.Pixel(11, 24), clWhite);
}
