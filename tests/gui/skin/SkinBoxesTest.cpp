#include <gtest/gtest.h>

#include "FormProbe.h"
#include "SkinFixture.h"
#include "SkinProbe.h"
#include "WindowDriver.h"
#include "components/skin/SkinBoxPainters.h"
#include "ui/StdCtrls.h"

namespace {

// A shown form with a group box and three combo boxes, all taken over by a skin.
class SkinBoxes : public SkinTest {
 protected:
  void SetUp() override {
    Group = Place<TGroupBox>(&Form, 10, 10, 200, 120);
    Group->SetCaption(L"Destino");
    Inside = Place<TCheckBox>(Group, 10, 30, 150, 17);
    Inside->SetCaption(L"Dentro");
    DropDown = PlaceCombo(TComboBoxStyle::csDropDown, 10, 150);
    DropDownList = PlaceCombo(TComboBoxStyle::csDropDownList, 10, 190);
    Simple = PlaceCombo(TComboBoxStyle::csSimple, 230, 10);
    Simple->SetBounds(230, 10, 150, 100);
    ShowSkinned();
  }
  template <typename C>
  C* Place(TWinControl* parent, int left, int top, int width, int height) {
    return PlaceOn<C>(Form, parent, left, top, width, height);
  }
  TComboBox* PlaceCombo(TComboBoxStyle style, int left, int top) {
    auto* combo = Place<TComboBox>(&Form, left, top, 150, 21);
    combo->SetStyle(style);
    combo->AddItem(L"RAD Studio 12");
    combo->AddItem(L"RAD Studio 13");
    return combo;
  }
  void Settle() {
    ::RedrawWindow(Form.Handle(), nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    UiApplication().ProcessMessages();
  }
  int CaptionHeight() {
    TCanvas canvas;
    canvas.Font().Assign(Group->Font());
    return canvas.TextHeight(L"H");
  }
  TGroupBox* Group = nullptr;
  TCheckBox* Inside = nullptr;
  TComboBox* DropDown = nullptr;
  TComboBox* DropDownList = nullptr;
  TComboBox* Simple = nullptr;
};

struct TArrowProbe {
  int Cx;
  int Cy;
};

TArrowProbe ArrowCentre(TWinControl& combo) {
  const RECT b = ComboBoxButtonRect(combo);
  return TArrowProbe{(b.left + b.right) / 2, (b.top + b.bottom) / 2};
}

}  // namespace

TEST_F(SkinBoxes, GroupBoxAndComboBoxesAreTakenOver) {
  for (TWinControl* control :
       {static_cast<TWinControl*>(Group), static_cast<TWinControl*>(DropDown),
        static_cast<TWinControl*>(DropDownList), static_cast<TWinControl*>(Simple)})
    EXPECT_TRUE(THookWindowProc::IsTakenOver(*control));
  EXPECT_EQ(DropDown->Color(), Colors->Edit().Face);  // combo boxes are edit-like in colour
}

TEST_F(SkinBoxes, GroupBoxHasOneFlatBorderLineAndACaptionPatch) {
  const int th = CaptionHeight();
  const int line = th / 2;  // th / 2 - 1 down, then one pixel in
  const TColor own = Group->Color();
  const TQoGroupColors& c = Colors->Group();
  TBitmap bitmap;
  Snapshot(*Group, bitmap);
  EXPECT_EQ(bitmap.Pixel(1, 60), c.Border);    // left line
  EXPECT_EQ(bitmap.Pixel(0, 60), own);         // the old frame's outer line, painted over
  EXPECT_EQ(bitmap.Pixel(198, 60), c.Border);  // right line
  EXPECT_EQ(bitmap.Pixel(100, 118), c.Border);
  EXPECT_EQ(bitmap.Pixel(100, 119), own);
  EXPECT_EQ(bitmap.Pixel(150, line), c.Border);  // top line right of the caption
  EXPECT_EQ(bitmap.Pixel(150, line - 1), own);
  EXPECT_EQ(bitmap.Pixel(150, line + 1), own);
  EXPECT_NE(bitmap.Pixel(9, line), c.Border);  // the caption's patch covers the line
  EXPECT_EQ(bitmap.Pixel(5, line), c.Border);  // left of the caption's indent of 8
  EXPECT_GT(CountColor(bitmap, RECT{8, 0, 70, th}, c.Text), 0);
}

TEST_F(SkinBoxes, GroupBoxWithoutCaptionHasNoPatch) {
  Group->SetCaption(L"");
  Settle();
  const int line = CaptionHeight() / 2;
  TBitmap bitmap;
  Snapshot(*Group, bitmap);
  for (int x : {2, 9, 20, 60, 197}) EXPECT_EQ(bitmap.Pixel(x, line), Colors->Group().Border) << x;
}

TEST_F(SkinBoxes, DisabledGroupBoxUsesTheDisabledBorderAndText) {
  Group->SetEnabled(false);
  Settle();
  TBitmap bitmap;
  Snapshot(*Group, bitmap);
  const TQoGroupColors& c = Colors->Group();
  EXPECT_EQ(bitmap.Pixel(1, 60), c.BorderDisable);
  EXPECT_GT(CountColor(bitmap, RECT{8, 0, 70, CaptionHeight()}, c.TextDisable), 0);
  EXPECT_EQ(CountColor(bitmap, RECT{8, 0, 70, CaptionHeight()}, c.Text), 0);
}

TEST_F(SkinBoxes, MouseOverAGroupBoxRepaintsNothing) {
  {
    TWindowDC screen(Group->Handle());
    ::SetPixelV(screen.Get(), 1, 60, RGB(255, 0, 0));  // a mark any repaint would cover
  }
  ::SendMessageW(Group->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(50, 60));
  Group->Perform(CM_MOUSEENTER);
  ::SendMessageW(Group->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(50, 60));
  Group->Perform(CM_MOUSELEAVE);
  TBitmap bitmap;
  Snapshot(*Group, bitmap);
  EXPECT_EQ(bitmap.Pixel(1, 60), clRed);
  Group->Perform(CM_EXIT);  // a handled message of another kind repaints
  Snapshot(*Group, bitmap);
  EXPECT_EQ(bitmap.Pixel(1, 60), Colors->Group().Border);
}

TEST_F(SkinBoxes, ControlsInsideTheGroupBoxStayVisible) {
  TBitmap bitmap;
  Snapshot(*Inside, bitmap);
  const TQoCheckColors& c = Colors->Check();
  EXPECT_GT(CountColor(bitmap, RECT{0, 0, 13, 17}, c.Border), 0);  // the skinned check box
}

TEST_F(SkinBoxes, ComboBoxesHaveTheFlatFrame) {
  for (TComboBox* combo : {DropDown, DropDownList, Simple}) {
    TBitmap bitmap;
    Snapshot(*combo, bitmap);
    EXPECT_EQ(bitmap.Pixel(0, 0), Colors->Edit().Border);
    EXPECT_EQ(bitmap.Pixel(bitmap.Width() - 1, 10), Colors->Edit().Border);
    EXPECT_EQ(bitmap.Pixel(1, 1), ColorToRGB(combo->Color()));
  }
}

TEST_F(SkinBoxes, DropDownStylesHaveTheArrowButtonAndTheSimpleStyleHasNone) {
  const TQoArrowBtnColors& c = Colors->ArrowBtn();
  for (TComboBox* combo : {DropDown, DropDownList}) {
    TBitmap bitmap;
    Snapshot(*combo, bitmap);
    const RECT b = ComboBoxButtonRect(*combo);
    EXPECT_EQ(b.right - b.left, ::GetSystemMetrics(SM_CXHTHUMB));
    EXPECT_EQ(bitmap.Pixel(b.left, b.top + 3), c.Border);
    EXPECT_EQ(bitmap.Pixel(b.right - 1, b.bottom - 1), c.Border);
    const TArrowProbe a = ArrowCentre(*combo);
    EXPECT_EQ(bitmap.Pixel(a.Cx, a.Cy + 3), c.Mark);  // the tip
    EXPECT_NE(bitmap.Pixel(a.Cx, a.Cy + 4), c.Mark);
    EXPECT_EQ(bitmap.Pixel(a.Cx - 4, a.Cy - 1), c.Mark);  // the 9-pixel base
    EXPECT_EQ(bitmap.Pixel(a.Cx + 4, a.Cy - 1), c.Mark);
    EXPECT_NE(bitmap.Pixel(a.Cx - 5, a.Cy - 1), c.Mark);
    EXPECT_NE(bitmap.Pixel(a.Cx + 5, a.Cy - 1), c.Mark);
    EXPECT_NE(bitmap.Pixel(a.Cx, a.Cy - 2), c.Mark);
  }
  TBitmap bitmap;
  Snapshot(*Simple, bitmap);
  EXPECT_EQ(CountColor(bitmap, RECT{0, 0, bitmap.Width(), bitmap.Height()}, c.Border), 0);
  EXPECT_EQ(CountColor(bitmap, RECT{0, 0, bitmap.Width(), bitmap.Height()}, c.Mark), 0);
}

TEST_F(SkinBoxes, DropDownListButtonIsHotWhereverTheMouseIsOverTheControl) {
  ::SetCursorPos(0, 0);  // off the form
  DropDownList->Perform(CM_MOUSEENTER);
  TBitmap bitmap;
  Snapshot(*DropDownList, bitmap);
  const RECT b = ComboBoxButtonRect(*DropDownList);
  EXPECT_EQ(bitmap.Pixel(b.left, b.top + 3), Colors->ArrowBtn().BorderOn);
  DropDownList->Perform(CM_MOUSELEAVE);
  Snapshot(*DropDownList, bitmap);
  EXPECT_EQ(bitmap.Pixel(b.left, b.top + 3), Colors->ArrowBtn().Border);
}

TEST_F(SkinBoxes, DropDownButtonIsHotOnlyUnderTheMouse) {
  const RECT b = ComboBoxButtonRect(*DropDown);
  ::SetCursorPos(0, 0);
  DropDown->Perform(CM_MOUSEENTER);
  TBitmap bitmap;
  Snapshot(*DropDown, bitmap);
  EXPECT_EQ(bitmap.Pixel(b.left, b.top + 3), Colors->ArrowBtn().Border);
  const POINT over = DropDown->ClientToScreen(POINT{(b.left + b.right) / 2, b.top + 3});
  ::SetCursorPos(over.x, over.y);
  DropDown->Perform(CM_MOUSEENTER);
  Snapshot(*DropDown, bitmap);
  EXPECT_EQ(bitmap.Pixel(b.left, b.top + 3), Colors->ArrowBtn().BorderOn);
  ::SetCursorPos(0, 0);
  DropDown->Perform(CM_MOUSELEAVE);
}

TEST_F(SkinBoxes, DisabledComboBoxHasASolidButtonAGreyArrowAndTheDisabledFrame) {
  DropDownList->SetEnabled(false);
  Settle();
  const TQoArrowBtnColors& c = Colors->ArrowBtn();
  TBitmap bitmap;
  Snapshot(*DropDownList, bitmap);
  const RECT b = ComboBoxButtonRect(*DropDownList);
  EXPECT_EQ(bitmap.Pixel(b.left, b.top + 3), c.BorderDisable);
  EXPECT_EQ(bitmap.Pixel(b.left + 2, b.top + 1), c.FaceDisable);
  EXPECT_EQ(bitmap.Pixel(b.left + 2, b.bottom - 2), c.FaceDisable);
  const TArrowProbe a = ArrowCentre(*DropDownList);
  EXPECT_EQ(bitmap.Pixel(a.Cx, a.Cy + 3), c.MarkDisable);
  EXPECT_EQ(bitmap.Pixel(0, 0), Colors->Edit().BorderDisable);
}

TEST_F(SkinBoxes, PressedButtonHasThePressedFace) {
  const RECT client = DropDownList->ClientRect();
  TBitmap bitmap(client.right, client.bottom);
  const TSkinPaint paint{*DropDownList, *Colors, TSkinState::Pressed, true,
                         true,          false,   WM_LBUTTONDOWN};
  PaintComboBox(bitmap.Canvas().Handle(), paint);
  const RECT b = ComboBoxButtonRect(*DropDownList);
  const TQoArrowBtnColors& c = Colors->ArrowBtn();
  EXPECT_EQ(bitmap.Pixel(b.left, b.top + 3), c.BorderPress);
  const TSkinGlass glass = SkinGlassSplit(b.top, b.bottom, c.LightPress, c.FacePress);
  EXPECT_EQ(bitmap.Pixel(b.left + 2, b.top + 1),
            Linear(c.LightPress, glass.UpperEnd, glass.Cut - b.top, 1));
}

TEST(SkinArrow, EachDirectionIsATriangleOfSizePlusFourLines) {
  TBitmap bitmap(40, 40);
  HDC dc = bitmap.Canvas().Handle();
  SkinDrawArrow(dc, 10, 10, 2, TSkinArrow::Up, clBlack);
  // Up, size 2: line k at y = 10 + k - 3, from x = 10 - k to 10 + k: tip (10, 7), base y = 12.
  EXPECT_EQ(bitmap.Pixel(10, 7), clBlack);
  EXPECT_EQ(bitmap.Pixel(9, 7), clWhite);
  EXPECT_EQ(bitmap.Pixel(5, 12), clBlack);
  EXPECT_EQ(bitmap.Pixel(15, 12), clBlack);
  EXPECT_EQ(bitmap.Pixel(16, 12), clWhite);
  EXPECT_EQ(bitmap.Pixel(10, 13), clWhite);
  SkinDrawArrow(dc, 30, 10, 1, TSkinArrow::Right, clBlack);
  // Right, size 1: line k at x = 30 + 3 - k: tip (33, 10), base x = 29 from y = 6 to 14.
  EXPECT_EQ(bitmap.Pixel(33, 10), clBlack);
  EXPECT_EQ(bitmap.Pixel(33, 9), clWhite);
  EXPECT_EQ(bitmap.Pixel(29, 6), clBlack);
  EXPECT_EQ(bitmap.Pixel(29, 14), clBlack);
  EXPECT_EQ(bitmap.Pixel(28, 10), clWhite);
  SkinDrawArrow(dc, 10, 30, 1, TSkinArrow::Left, clBlack);
  // Left, size 1: line k at x = 10 + k - 3: tip (7, 30), base x = 11.
  EXPECT_EQ(bitmap.Pixel(7, 30), clBlack);
  EXPECT_EQ(bitmap.Pixel(11, 26), clBlack);
  EXPECT_EQ(bitmap.Pixel(12, 30), clWhite);
}
