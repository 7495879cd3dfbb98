#include <gtest/gtest.h>

#include "WindowDriver.h"
#include "components/QoGauge.h"
#include "ui/Forms.h"

namespace {

TColor Rgb(COLORREF c) {
  return RgbColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

class Gauge : public ::testing::Test {
 protected:
  void SetUp() override {
    Form.SetClientSize(700, 100);
    Bar = new TQoGauge(&Form);
    Bar->SetParent(&Form);
  }
  // The wizard's copy gauge: bar style, single border, no bevel, margin 1, 570 by 19.
  void MakeWizardGauge() {
    Bar->SetGaugeStyle(TQoGaugeStyle::gsBar);
    Bar->SetBorderStyle(TBorderStyle::bsSingle);
    Bar->SetBevelStyle(TQoGaugeBevel::bvNone);
    Bar->SetBoxColor(RgbColor(0, 159, 0));
    Bar->SetBounds(0, 0, 570, 19);
  }
  void Snapshot(TBitmap& shot) {
    shot.SetSize(Bar->Width(), Bar->Height());
    Bar->PaintTo(shot.Canvas().Handle(), 0, 0);
  }
  // Number of boxes drawn in row y of the snapshot, counted by runs of the box colour.
  int CountRuns(const TBitmap& shot, int y, TColor colour) {
    int runs = 0;
    bool inside = false;
    for (int x = 0; x < shot.Width(); ++x) {
      const bool on = shot.Pixel(x, y) == colour;
      runs += on && !inside ? 1 : 0;
      inside = on;
    }
    return runs;
  }
  TForm Form{nullptr};
  TQoGauge* Bar = nullptr;
};

}  // namespace

TEST_F(Gauge, DefaultGaugeGeometry) {
  EXPECT_EQ(Bar->Width(), 200);
  EXPECT_EQ(Bar->Height(), 18);
  EXPECT_EQ(Bar->FrameThickness(), 2);
  EXPECT_EQ(Bar->BoxWidth(), 9);
  EXPECT_EQ(Bar->Progress(), 20);
  EXPECT_EQ(Bar->BoxNumber(), 20);
  EXPECT_EQ(Bar->GaugeStyle(), TQoGaugeStyle::gsBoxes);
}

TEST_F(Gauge, DefaultGaugeAutoSizesToTheBoxes) {
  Bar->SetLeft(10);
  EXPECT_EQ(Bar->Width(), 9 * 20 + 4 + 19);
}

TEST_F(Gauge, DefaultGaugeDrawsFourBoxes) {
  Form.Show();
  TBitmap shot;
  Snapshot(shot);
  const TColor navy = RgbColor(0, 0, 128);
  EXPECT_EQ(CountRuns(shot, 9, navy), 4);
  EXPECT_EQ(shot.Pixel(2, 2), navy);
  EXPECT_EQ(shot.Pixel(10, 15), navy);
  EXPECT_EQ(shot.Pixel(11, 9), Rgb(::GetSysColor(COLOR_BTNFACE)));
  EXPECT_EQ(shot.Pixel(12, 9), navy);
  EXPECT_EQ(shot.Pixel(40, 9), navy);
  EXPECT_EQ(shot.Pixel(41, 9), Rgb(::GetSysColor(COLOR_BTNFACE)));
}

TEST_F(Gauge, LoweredBevelIsShadowAboveAndHighlightBelow) {
  Form.Show();
  TBitmap shot;
  Snapshot(shot);
  EXPECT_EQ(shot.Pixel(0, 0), Rgb(::GetSysColor(COLOR_BTNSHADOW)));
  EXPECT_EQ(shot.Pixel(0, 9), Rgb(::GetSysColor(COLOR_BTNSHADOW)));
  EXPECT_EQ(shot.Pixel(100, 0), Rgb(::GetSysColor(COLOR_BTNSHADOW)));
  EXPECT_EQ(shot.Pixel(Bar->Width() - 1, 17), Rgb(::GetSysColor(COLOR_BTNHIGHLIGHT)));
  EXPECT_EQ(shot.Pixel(1, 1), Rgb(::GetSysColor(COLOR_BTNFACE)));  // margin ring
}

TEST_F(Gauge, WizardGaugeHasAnInnerAreaOf566By15) {
  MakeWizardGauge();
  EXPECT_EQ(Bar->FrameThickness(), 2);
  EXPECT_EQ(Bar->Width(), 570);
  Bar->SetMaxValue(10);
  Bar->SetProgress(10);
  Form.Show();
  TBitmap shot;
  Snapshot(shot);
  const TColor green = RgbColor(0, 159, 0);
  EXPECT_EQ(shot.Pixel(2, 2), green);
  EXPECT_EQ(shot.Pixel(567, 16), green);
  EXPECT_EQ(shot.Pixel(568, 9), Rgb(::GetSysColor(COLOR_BTNFACE)));
  EXPECT_EQ(shot.Pixel(0, 0), Rgb(::GetSysColor(COLOR_WINDOWFRAME)));
  EXPECT_EQ(shot.Pixel(569, 18), Rgb(::GetSysColor(COLOR_WINDOWFRAME)));
}

TEST_F(Gauge, HalfWayBarFillsHalfTheInnerWidth) {
  MakeWizardGauge();
  Bar->SetMinValue(10);
  Bar->SetMaxValue(20);
  Bar->SetProgress(15);
  Form.Show();
  TBitmap shot;
  Snapshot(shot);
  const TColor green = RgbColor(0, 159, 0);
  EXPECT_EQ(shot.Pixel(2 + 282, 3), green);
  EXPECT_EQ(shot.Pixel(2 + 283, 3), Rgb(::GetSysColor(COLOR_BTNFACE)));
}

TEST_F(Gauge, PercentTextIsWrittenInTheMiddleInTheFontColour) {
  MakeWizardGauge();
  Bar->SetMinValue(10);
  Bar->SetMaxValue(20);
  Bar->SetProgress(15);
  Bar->SetShowPercent(true);
  Form.Show();
  TBitmap shot;
  Snapshot(shot);
  TCanvas measure;
  measure.Font().Assign(Bar->Font());
  const SIZE text = measure.TextExtent(L"50%");
  const int left = 2 + (566 - text.cx) / 2;
  int white = 0;
  for (int x = left; x < left + text.cx; ++x)
    for (int y = 2; y < 17; ++y) white += shot.Pixel(x, y) == clWhite ? 1 : 0;
  EXPECT_GT(white, 5);
  for (int y = 2; y < 17; ++y) EXPECT_NE(shot.Pixel(left - 2, y), clWhite);
}

TEST_F(Gauge, OneEighthOfTwentyBoxesRoundsToTwo) {
  Bar->SetMaxValue(1000);
  Bar->SetProgress(125);
  Form.Show();
  TBitmap shot;
  Snapshot(shot);
  EXPECT_EQ(CountRuns(shot, 9, RgbColor(0, 0, 128)), 2);
}

TEST_F(Gauge, ProgressIsClampedToTheRange) {
  Bar->SetProgress(Bar->MaxValue() + 10);
  EXPECT_EQ(Bar->Progress(), 100);
  Bar->SetProgress(Bar->MinValue() - 1);
  EXPECT_EQ(Bar->Progress(), 0);
}

TEST_F(Gauge, ProgressChangeDrawsTheInnerAreaAtOnce) {
  MakeWizardGauge();
  Form.Show();
  PumpMessages(50);
  Bar->SetProgress(100);
  TBitmap shot(Bar->Width(), Bar->Height());
  TWindowDC dc(Bar->Handle());
  ::BitBlt(shot.Canvas().Handle(), 0, 0, Bar->Width(), Bar->Height(), dc.Get(), 0, 0, SRCCOPY);
  EXPECT_EQ(shot.Pixel(300, 9), RgbColor(0, 159, 0));
}

TEST_F(Gauge, EqualRangeEndsAreRefused) {
  Bar->SetMaxValue(Bar->MinValue());
  EXPECT_EQ(Bar->MaxValue(), 100);
  Bar->SetMinValue(Bar->MaxValue());
  EXPECT_EQ(Bar->MinValue(), 0);
}

TEST_F(Gauge, ZeroFileCountKeepsTheMaximum) {
  Bar->SetMaxValue(0);
  EXPECT_EQ(Bar->MaxValue(), 100);
}

TEST_F(Gauge, InitializeSetsTheMinimumBeforeTheMaximum) {
  Bar->Initialize(150, 300);
  EXPECT_EQ(Bar->MinValue(), 0);
  EXPECT_EQ(Bar->MaxValue(), 300);
  EXPECT_EQ(Bar->Progress(), 0);
}

TEST_F(Gauge, InitializeClampsProgressIntoTheNewRange) {
  Bar->Initialize(5, 50);
  EXPECT_EQ(Bar->Progress(), 5);
}

TEST_F(Gauge, LoweringTheMaximumBelowProgressClampsProgress) {
  Bar->SetProgress(80);
  Bar->SetMaxValue(50);
  EXPECT_EQ(Bar->Progress(), 50);
}

TEST_F(Gauge, AddAdvancesProgress) {
  Bar->Add(5);
  EXPECT_EQ(Bar->Progress(), 25);
}

TEST_F(Gauge, OutOfRangeLayoutValuesAreIgnored) {
  Bar->SetBoxNumber(1);
  Bar->SetBoxNumber(101);
  EXPECT_EQ(Bar->BoxNumber(), 20);
  Bar->SetBoxSpace(0);
  Bar->SetBoxSpace(11);
  EXPECT_EQ(Bar->BoxSpace(), 1);
  Bar->SetMargin(10);
  EXPECT_EQ(Bar->Margin(), 1);
}

TEST_F(Gauge, BoxNumberWithAutoSizeRefitsTheWidth) {
  Bar->SetBoxNumber(10);
  EXPECT_EQ(Bar->BoxNumber(), 10);
  // B = ceiling((200 - 4 - 9) / 10) = 19
  EXPECT_EQ(Bar->Width(), 19 * 10 + 4 + 9);
}

TEST_F(Gauge, BoxNumberWithoutAutoSizeIsRefittedToTheWidth) {
  Bar->SetAutoSize(false);
  Bar->SetBoxNumber(30);
  // B = ceiling((196 - 29) / 30) = 6; x = 196 / 7 = 28
  EXPECT_EQ(Bar->BoxNumber(), 28);
  EXPECT_EQ(Bar->Width(), 200);
}

TEST_F(Gauge, BarStyleKeepsItsSize) {
  Bar->SetGaugeStyle(TQoGaugeStyle::gsBar);
  Bar->SetBounds(0, 0, 333, 21);
  EXPECT_EQ(Bar->Width(), 333);
  EXPECT_EQ(Bar->Height(), 21);
}

TEST_F(Gauge, ClientAlignedBoxesKeepTheirWidth) {
  Bar->SetAlign(TAlign::alTop);
  EXPECT_EQ(Bar->Width(), Form.ClientWidth());
}

TEST_F(Gauge, ImageStyleFitsThePictureAndRevealsItFromTheLeft) {
  TBitmap picture(40, 10);
  picture.Canvas().Brush().SetColor(clRed);
  picture.Canvas().FillRect(RECT{0, 0, 40, 10});
  Bar->SetGaugeStyle(TQoGaugeStyle::gsImage);
  Bar->SetImage(picture);
  EXPECT_EQ(Bar->Width(), 44);
  EXPECT_EQ(Bar->Height(), 14);
  Bar->SetProgress(50);
  Form.Show();
  TBitmap shot;
  Snapshot(shot);
  EXPECT_EQ(shot.Pixel(2 + 19, 5), clRed);
  EXPECT_EQ(shot.Pixel(2 + 20, 5), Rgb(::GetSysColor(COLOR_BTNFACE)));
}

TEST_F(Gauge, ImageStyleWithoutPictureDrawsOnlyTheBackground) {
  Bar->SetGaugeStyle(TQoGaugeStyle::gsImage);
  Bar->SetProgress(100);
  Form.Show();
  TBitmap shot;
  Snapshot(shot);
  EXPECT_EQ(shot.Pixel(50, 9), Rgb(::GetSysColor(COLOR_BTNFACE)));
}
