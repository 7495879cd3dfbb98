#include "SkinFixture.h"

namespace {

// A 150 by 17 check box. With the box on the left its 13 by 13 box spans (0, 1) to (13, 14): the
// outer outline, the inner outline at (1, 2), the interior (2, 3) to (11, 12); the caption starts
// at x = 16. The check mark's strokes pass through (4, 7), (5, 10) and (9, 6).
class SkinCheckBox : public SkinTest {
 protected:
  SkinCheckBox() {
    Box = new TCheckBox(&Form);
    Box->SetParent(&Form);
    Box->SetBounds(10, 90, 150, 17);
    Box->SetCaption(L"Accept");
  }
  std::unique_ptr<TBitmap> Shot() { return ShotOf(*Box); }
  static constexpr TColor Own = Rgb(235, 235, 235);  // the form's colour in the scheme
  static constexpr TColor Mark = Rgb(71, 92, 148);
  static constexpr TColor MarkDisable = Rgb(190, 190, 190);
  static constexpr TColor Text = Rgb(26, 24, 38);
  TCheckBox* Box = nullptr;
};

}  // namespace

TEST_F(SkinCheckBox, UncheckedBoxHasItsOutlinesAndADiagonalInterior) {
  ShowSkinned();
  const auto shot = Shot();
  EXPECT_EQ(shot->Pixel(0, 1), Rgb(142, 143, 143));
  EXPECT_EQ(shot->Pixel(12, 13), Rgb(142, 143, 143));
  EXPECT_EQ(shot->Pixel(1, 2), Rgb(243, 243, 243));
  EXPECT_EQ(shot->Pixel(11, 12), Rgb(243, 243, 243));
  // Face (203, 207, 213) at the top-left toward Light (243, 243, 243) at the bottom-right.
  const TColor topLeft = shot->Pixel(2, 3);
  const TColor bottomRight = shot->Pixel(10, 11);
  EXPECT_LT(RedOf(topLeft), RedOf(bottomRight));
  EXPECT_LE(RedOf(topLeft), 210);
  EXPECT_GE(RedOf(bottomRight), 236);
  EXPECT_NE(shot->Pixel(5, 10), Mark);
  EXPECT_EQ(shot->Pixel(0, 0), Own);
  EXPECT_EQ(shot->Pixel(14, 8), Own);
  EXPECT_GT(CountColor(*shot, RECT{16, 0, 150, 17}, Text), 5);
}

TEST_F(SkinCheckBox, CheckedBoxShowsTheMark) {
  Box->SetChecked(true);
  ShowSkinned();
  const auto shot = Shot();
  EXPECT_EQ(shot->Pixel(4, 7), Mark);
  EXPECT_EQ(shot->Pixel(5, 10), Mark);
  EXPECT_EQ(shot->Pixel(9, 6), Mark);
  EXPECT_NE(shot->Pixel(10, 3), Mark);  // each polyline's last point is left out
}

TEST_F(SkinCheckBox, CheckingFromOutsideRepaintsTheMark) {
  ShowSkinned();
  Send(*Box, BM_SETCHECK, BST_CHECKED);
  EXPECT_EQ(Shot()->Pixel(5, 10), Mark);
  Send(*Box, BM_SETCHECK, BST_UNCHECKED);
  EXPECT_NE(Shot()->Pixel(5, 10), Mark);
}

TEST_F(SkinCheckBox, GrayedBoxShowsAPatchDarkWhenHot) {
  Box->SetAllowGrayed(true);
  Box->SetState(TCheckBoxState::cbGrayed);
  ShowSkinned();
  const auto shot = Shot();
  EXPECT_EQ(shot->Pixel(4, 5), MarkDisable);
  EXPECT_EQ(shot->Pixel(8, 9), MarkDisable);
  EXPECT_NE(shot->Pixel(3, 4), MarkDisable);
  EXPECT_NE(shot->Pixel(9, 10), MarkDisable);
  MouseEnter(*Box);
  EXPECT_EQ(Shot()->Pixel(6, 7), Mark);
}

TEST_F(SkinCheckBox, HotBoxTakesTheOnColours) {
  ShowSkinned();
  MouseEnter(*Box);
  EXPECT_EQ(Shot()->Pixel(0, 1), Rgb(85, 134, 163));
  EXPECT_EQ(Shot()->Pixel(1, 2), Rgb(224, 244, 254));
}

TEST_F(SkinCheckBox, PressedBoxTakesThePressColours) {
  ShowSkinned();
  MouseEnter(*Box);
  Send(*Box, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
  EXPECT_EQ(Shot()->Pixel(0, 1), Rgb(44, 98, 139));
  EXPECT_EQ(Shot()->Pixel(1, 2), Rgb(215, 240, 254));
  Send(*Box, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
  EXPECT_EQ(Shot()->Pixel(5, 10), Mark);  // the click checked it
}

TEST_F(SkinCheckBox, DisabledBoxIsSolidWithAGreyMark) {
  Box->SetChecked(true);
  Box->SetEnabled(false);
  ShowSkinned();
  const auto shot = Shot();
  EXPECT_EQ(shot->Pixel(0, 1), Rgb(177, 177, 177));
  EXPECT_EQ(shot->Pixel(1, 2), Rgb(240, 240, 240));
  EXPECT_EQ(shot->Pixel(2, 3), Rgb(240, 240, 240));
  EXPECT_EQ(shot->Pixel(5, 10), MarkDisable);
  EXPECT_GT(CountColor(*shot, RECT{16, 0, 150, 17}, Rgb(131, 131, 131)), 5);
  EXPECT_EQ(CountColor(*shot, RECT{16, 0, 150, 17}, Text), 0);
}

TEST_F(SkinCheckBox, BoxOnTheRightPutsTheCaptionLeft) {
  Box->SetAlignment(TAlignment::taLeftJustify);
  Box->SetChecked(true);
  ShowSkinned();
  const auto shot = Shot();
  EXPECT_EQ(shot->Pixel(137, 1), Rgb(142, 143, 143));
  EXPECT_EQ(shot->Pixel(149, 1), Rgb(142, 143, 143));
  EXPECT_EQ(shot->Pixel(137 + 5, 10), Mark);
  EXPECT_EQ(shot->Pixel(0, 1), Own);
  EXPECT_GT(CountColor(*shot, RECT{0, 0, 134, 17}, Text), 5);
  EXPECT_EQ(CountColor(*shot, RECT{134, 0, 150, 17}, Text), 0);
}

TEST_F(SkinCheckBox, FocusedBoxFramesItsCaption) {
  auto* other = new TEdit(&Form);
  other->SetParent(&Form);
  other->SetTop(200);
  ShowSkinned();
  other->SetFocus();
  PaintPending();
  EXPECT_EQ(CountColor(*Shot(), RECT{14, 0, 15, 17}, Own), 17);
  Box->SetFocus();
  PaintPending();
  EXPECT_LT(CountColor(*Shot(), RECT{14, 0, 15, 17}, Own), 17);
}

TEST_F(SkinCheckBox, BlankCaptionDrawsOnlyTheBox) {
  Box->SetCaption(L"   ");
  ShowSkinned();
  Box->SetFocus();
  PaintPending();
  EXPECT_EQ(CountColor(*Shot(), RECT{13, 0, 150, 17}, Own), (150 - 13) * 17);
}
