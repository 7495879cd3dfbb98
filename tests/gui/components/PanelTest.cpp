// TQoPanel: its bevel, the band colours of each gradient direction at chosen points, flat
// painting, the spacer mode and the margin its children keep to.
#include <gtest/gtest.h>

#include "components/QoPanel.h"
#include "ui/Forms.h"

namespace {

constexpr TColor kWhite = RgbColor(255, 255, 255);
constexpr TColor kBlack = RgbColor(0, 0, 0);

TColor Grey(int level) {
  return RgbColor(static_cast<uint8_t>(level), static_cast<uint8_t>(level),
                  static_cast<uint8_t>(level));
}

class Panel : public ::testing::Test {
 protected:
  void SetUp() override {
    Form.SetClientSize(600, 600);
    Subject = new TQoPanel(&Form);
    Subject->SetParent(&Form);
  }
  // A borderless panel of that size fading from white to black in one direction.
  void MakeGradient(int width, int height, TQoGradientDirection direction) {
    Subject->SetBounds(0, 0, width, height);
    Subject->SetBevelWidth(0);
    Subject->SetColor(kBlack);
    Subject->Gradient().SetDirection(direction);
  }
  void Snapshot() {
    Shot.SetSize(Subject->Width(), Subject->Height());
    Subject->PaintTo(Shot.Canvas().Handle(), 0, 0);
  }
  TForm Form{nullptr};
  TQoPanel* Subject = nullptr;
  TBitmap Shot;
};

TEST_F(Panel, NewPanelHasABlueGreyBevelAndARadialGradientFromWhite) {
  Subject->SetBounds(0, 0, 258, 258);  // an inner area of 256 by 256: bands 2 pixels apart
  Subject->SetColor(RgbColor(0, 0, 128));
  Snapshot();
  EXPECT_EQ(Subject->BevelWidth(), 1);
  EXPECT_EQ(Subject->BorderWidth(), 1);
  EXPECT_EQ(Shot.Pixel(0, 0), RgbColor(117, 157, 195));
  EXPECT_EQ(Shot.Pixel(257, 50), RgbColor(117, 157, 195));
  EXPECT_EQ(Shot.Pixel(100, 257), RgbColor(117, 157, 195));
  EXPECT_EQ(Shot.Pixel(1, 1), kWhite);
  EXPECT_EQ(Shot.Pixel(256, 256), RgbColor(0, 0, 128));
}

TEST_F(Panel, TakesItsParentsColourByDefault) {
  TForm form(nullptr);
  form.SetColor(RgbColor(1, 2, 3));
  auto* panel = new TQoPanel(&form);
  panel->SetParent(&form);
  EXPECT_TRUE(panel->ParentColor());
  EXPECT_EQ(panel->Color(), RgbColor(1, 2, 3));
}

TEST_F(Panel, HorizontalGradientHas255BandsFromTheLeft) {
  MakeGradient(510, 20, TQoGradientDirection::dgHorizontal);
  Snapshot();
  EXPECT_EQ(Shot.Pixel(0, 10), kWhite);
  EXPECT_EQ(Shot.Pixel(1, 10), kWhite);
  EXPECT_EQ(Shot.Pixel(2, 10), Grey(254));
  EXPECT_EQ(Shot.Pixel(101, 0), Grey(205));
  EXPECT_EQ(Shot.Pixel(509, 19), Grey(1));  // band 254, not the panel's colour
}

TEST_F(Panel, VerticalGradientHas255BandsFromTheTop) {
  MakeGradient(20, 510, TQoGradientDirection::dgVertical);
  Snapshot();
  EXPECT_EQ(Shot.Pixel(10, 0), kWhite);
  EXPECT_EQ(Shot.Pixel(10, 3), Grey(254));
  EXPECT_EQ(Shot.Pixel(0, 300), Grey(105));
  EXPECT_EQ(Shot.Pixel(19, 509), Grey(1));
}

TEST_F(Panel, RadialGradientRunsDiagonallyFromTopLeftToBottomRight) {
  MakeGradient(256, 256, TQoGradientDirection::dgRadial);
  Snapshot();
  EXPECT_EQ(Shot.Pixel(0, 0), kWhite);
  EXPECT_EQ(Shot.Pixel(10, 11), Grey(245));   // x + y = 21: band 10
  EXPECT_EQ(Shot.Pixel(100, 55), Grey(178));  // x + y = 155: band 77
  EXPECT_EQ(Shot.Pixel(200, 251), Grey(30));  // x + y = 451: band 225
  EXPECT_EQ(Shot.Pixel(255, 255), kBlack);
}

TEST_F(Panel, ButtonizedGradientSplitsAtHalfHeight) {
  MakeGradient(40, 100, TQoGradientDirection::dgButtonized);
  Snapshot();
  // Each half has 50 rows for 255 bands: a row shows the last band that starts on it, so the
  // first row of each half shows band 5.
  EXPECT_EQ(Shot.Pixel(20, 0), Grey(253));   // white
  EXPECT_EQ(Shot.Pixel(20, 49), Grey(142));  // towards white + 45% of the way to black
  EXPECT_EQ(Shot.Pixel(20, 50), Grey(4));    // the lower half starts at the panel's colour
  EXPECT_EQ(Shot.Pixel(20, 99), Grey(216));  // towards white + 15% of the way to black
}

TEST_F(Panel, DisabledGradientPaintsFlat) {
  MakeGradient(100, 100, TQoGradientDirection::dgRadial);
  Subject->Gradient().SetEnabled(false);
  Snapshot();
  EXPECT_EQ(Shot.Pixel(0, 0), kBlack);
  EXPECT_EQ(Shot.Pixel(99, 99), kBlack);
}

TEST_F(Panel, SpacerPaintsFlatWithTheGradientEnabled) {
  MakeGradient(100, 100, TQoGradientDirection::dgHorizontal);
  Subject->SetSpacer(true);
  Snapshot();
  EXPECT_TRUE(Subject->Gradient().Enabled());
  EXPECT_EQ(Shot.Pixel(0, 0), kBlack);
  EXPECT_EQ(Shot.Pixel(50, 50), kBlack);
}

TEST_F(Panel, SameFadeAndPanelColourPaintsUniformlyInEveryDirection) {
  for (TQoGradientDirection direction :
       {TQoGradientDirection::dgHorizontal, TQoGradientDirection::dgVertical,
        TQoGradientDirection::dgRadial, TQoGradientDirection::dgButtonized}) {
    MakeGradient(64, 64, direction);
    Subject->SetColor(RgbColor(10, 120, 230));
    Subject->Gradient().SetFadeColor(RgbColor(10, 120, 230));
    Snapshot();
    for (POINT p : {POINT{0, 0}, POINT{63, 0}, POINT{31, 40}, POINT{0, 63}, POINT{63, 63}})
      EXPECT_EQ(Shot.Pixel(p.x, p.y), RgbColor(10, 120, 230))
          << static_cast<int>(direction) << " at " << p.x << "," << p.y;
  }
}

TEST_F(Panel, SpacerOnClearsTheCaptionAndTheBevel) {
  Subject->SetCaption(L"Título");
  Subject->SetBevelWidth(3);
  Subject->SetBorderWidth(0);
  Subject->SetSpacer(true);
  EXPECT_EQ(Subject->Caption(), L"");
  EXPECT_EQ(Subject->BevelWidth(), 0);
  EXPECT_EQ(Subject->BorderWidth(), 1);
}

TEST_F(Panel, SpacerOnKeepsAWiderBorder) {
  Subject->SetBorderWidth(7);
  Subject->SetSpacer(true);
  EXPECT_EQ(Subject->BorderWidth(), 7);
}

TEST_F(Panel, SpacerOffGivesBevelOneAndBorderZero) {
  Subject->SetBevelWidth(4);
  Subject->SetBorderWidth(6);
  Subject->SetSpacer(true);
  Subject->SetSpacer(false);
  EXPECT_EQ(Subject->BevelWidth(), 1);
  EXPECT_EQ(Subject->BorderWidth(), 0);
}

TEST_F(Panel, BevelOfWidthThreeDrawsThreeFrames) {
  MakeGradient(50, 50, TQoGradientDirection::dgVertical);
  Subject->SetBevelWidth(3);
  Subject->SetBevelColor(RgbColor(200, 0, 0));
  Subject->Gradient().SetEnabled(false);
  Snapshot();
  EXPECT_EQ(Shot.Pixel(2, 25), RgbColor(200, 0, 0));
  EXPECT_EQ(Shot.Pixel(47, 47), RgbColor(200, 0, 0));
  EXPECT_EQ(Shot.Pixel(3, 25), kBlack);
}

TEST_F(Panel, BackgroundPanelKeepsItsChildrenTenPixelsInside) {
  Form.SetColor(RgbColor(224, 224, 224));
  Subject->SetParentColor(true);
  Subject->SetBounds(0, 0, 456, 350);
  Subject->SetBevelWidth(0);
  Subject->SetBorderWidth(10);
  Subject->Gradient().SetEnabled(false);
  auto* child = new TQoPanel(&Form);
  child->SetParent(Subject);
  child->SetAlign(TAlign::alClient);
  EXPECT_EQ(child->Left(), 10);
  EXPECT_EQ(child->Top(), 10);
  EXPECT_EQ(child->Width(), 436);
  EXPECT_EQ(child->Height(), 330);
  child->SetVisible(false);
  Snapshot();
  EXPECT_EQ(Shot.Pixel(0, 0), RgbColor(224, 224, 224));
  EXPECT_EQ(Shot.Pixel(228, 175), RgbColor(224, 224, 224));
}

TEST_F(Panel, CaptionIsDrawnInTheMiddleByDefault) {
  MakeGradient(300, 40, TQoGradientDirection::dgVertical);
  Subject->Gradient().SetEnabled(false);
  Subject->Font().SetColor(kWhite);
  Subject->SetCaption(L"MMMM");
  Snapshot();
  auto whiteIn = [this](int left, int right) {
    for (int x = left; x < right; ++x)
      for (int y = 0; y < 40; ++y)
        if (Shot.Pixel(x, y) == kWhite) return true;
    return false;
  };
  EXPECT_TRUE(whiteIn(120, 180));
  EXPECT_FALSE(whiteIn(0, 60));
  Subject->SetAlignment(TAlignment::taLeftJustify);
  Snapshot();
  EXPECT_TRUE(whiteIn(0, 60));
}

}  // namespace
