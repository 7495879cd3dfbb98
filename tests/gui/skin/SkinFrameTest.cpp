#include "SkinFixture.h"
#include "components/QoGauge.h"

namespace {

class SkinFrame : public SkinTest {
 protected:
  SkinFrame() {
    Edit = new TEdit(&Form);
    Edit->SetParent(&Form);
    Edit->SetBounds(200, 10, 120, 21);
    Memo = new TMemo(&Form);
    Memo->SetParent(&Form);
    Memo->SetBounds(200, 40, 150, 80);
    Memo->SetScrollBars(TScrollStyle::ssVertical);
    Gauge = new TQoGauge(&Form);
    Gauge->SetParent(&Form);
    Gauge->SetAutoSize(false);
    Gauge->SetBounds(10, 200, 200, 18);
  }
  TColor At(TWinControl& control, int x, int y) { return ShotOf(control)->Pixel(x, y); }
  // Paints the gauge through WM_PAINT, as the platform does for an invalid window.
  void PaintGauge() {
    ::InvalidateRect(Gauge->Handle(), nullptr, FALSE);
    ::UpdateWindow(Gauge->Handle());
  }
  static constexpr TColor Border = Rgb(141, 159, 177);
  TEdit* Edit = nullptr;
  TMemo* Memo = nullptr;
  TQoGauge* Gauge = nullptr;
};

}  // namespace

TEST_F(SkinFrame, SunkenEdgeBecomesAFlatLineAndTheControlsColour) {
  ShowSkinned();
  EXPECT_EQ(At(*Edit, 0, 0), Border);
  EXPECT_EQ(At(*Edit, 119, 20), Border);
  EXPECT_EQ(At(*Edit, 1, 1), ColorToRGB(clWindow));
  EXPECT_EQ(At(*Edit, 118, 19), ColorToRGB(clWindow));
}

TEST_F(SkinFrame, MemoWithAScrollBarGetsTheFrameAroundIt) {
  Memo->SetColor(clWhite);
  ShowSkinned();
  EXPECT_EQ(At(*Memo, 0, 0), Border);
  EXPECT_EQ(At(*Memo, 149, 79), Border);
  EXPECT_EQ(At(*Memo, 1, 40), clWhite);
  EXPECT_EQ(At(*Memo, 148, 40), clWhite);
}

TEST_F(SkinFrame, FrameStaysAfterFocusAndRepaints) {
  ShowSkinned();
  Edit->SetFocus();
  Edit->SetText(L"text");
  ::RedrawWindow(Edit->Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW | RDW_ERASE);
  EXPECT_EQ(At(*Edit, 0, 0), Border);
  EXPECT_EQ(At(*Edit, 1, 1), ColorToRGB(clWindow));
}

TEST_F(SkinFrame, DisabledFrameTakesTheDisabledBorder) {
  Edit->SetEnabled(false);
  ShowSkinned();
  EXPECT_EQ(At(*Edit, 0, 0), Rgb(184, 191, 196));
}

TEST_F(SkinFrame, EditWithoutTheSunkenEdgeKeepsItsOwnFrame) {
  ShowSkinned();
  HWND window = Edit->Handle();
  ::SetWindowLongPtrW(window, GWL_EXSTYLE,
                      ::GetWindowLongPtrW(window, GWL_EXSTYLE) & ~LONG_PTR{WS_EX_CLIENTEDGE});
  ::SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW | RDW_ERASE);
  Send(*Edit, CM_TEXTCHANGED);
  EXPECT_NE(At(*Edit, 0, 0), Border);
  EXPECT_EQ(At(*Edit, 0, 0), ColorToRGB(clWindow));
}

TEST_F(SkinFrame, GaugeFrameIsDrawnOnTheFirstPaintInARowOnly) {
  ShowSkinned();
  Send(*Gauge, CM_TEXTCHANGED);  // any other handled message restarts the count
  EXPECT_EQ(Gauge->Tag(), 0);
  EXPECT_EQ(At(*Gauge, 0, 0), Rgb(104, 104, 104));
  PaintGauge();
  EXPECT_EQ(Gauge->Tag(), 1);
  EXPECT_EQ(At(*Gauge, 0, 0), Rgb(104, 104, 104));
  EXPECT_EQ(At(*Gauge, 199, 17), Rgb(104, 104, 104));
  PaintGauge();
  EXPECT_EQ(Gauge->Tag(), 2);
  EXPECT_NE(At(*Gauge, 0, 0), Rgb(104, 104, 104));
  PaintGauge();
  EXPECT_EQ(Gauge->Tag(), 2);
  EXPECT_NE(At(*Gauge, 0, 0), Rgb(104, 104, 104));
}
