#include <gtest/gtest.h>

#include "FormProbe.h"
#include "ui/StdCtrls.h"

namespace {

class Boxes : public ::testing::Test {
 protected:
  void SetUp() override {
    Form.SetBorderStyle(TFormBorderStyle::bsDialog);
    Form.SetClientSize(400, 300);
    Form.SetColor(RgbColor(245, 245, 245));
  }
  template <typename C>
  C* Place(TWinControl* parent, int left, int top, int width, int height) {
    return PlaceOn<C>(Form, parent, left, top, width, height);
  }
  TComboBox* PlaceCombo(TComboBoxStyle style) {
    auto* combo = Place<TComboBox>(&Form, 10, 10, 150, 21);
    combo->SetStyle(style);
    combo->AddItem(L"Delphi 7");
    combo->AddItem(L"RAD Studio 12");
    combo->AddItem(L"RAD Studio 13");
    return combo;
  }
  static LONG_PTR StyleOf(TWinControl* control) {
    return ::GetWindowLongPtrW(control->Handle(), GWL_STYLE);
  }
  TForm Form{nullptr};
};

}  // namespace

TEST_F(Boxes, GroupBoxIsAPlatformGroupBoxHoldingItsControls) {
  auto* group = Place<TGroupBox>(&Form, 10, 10, 200, 120);
  group->SetCaption(L"Destino");
  auto* check = Place<TCheckBox>(group, 10, 20, 150, 17);
  Form.Show();
  EXPECT_EQ(StyleOf(group) & BS_TYPEMASK, BS_GROUPBOX);
  EXPECT_EQ(::GetParent(check->Handle()), group->Handle());
  int clicks = 0;
  check->OnClick = [&](TComponent*) { ++clicks; };
  ::SendMessageW(check->Handle(), BM_CLICK, 0, 0);  // its notification passes through the group
  EXPECT_EQ(clicks, 1);
}

TEST_F(Boxes, GroupBoxPaintsItsBackgroundInItsColour) {
  auto* group = Place<TGroupBox>(&Form, 10, 10, 200, 120);
  group->SetColor(RgbColor(200, 220, 240));
  Form.Show();
  TBitmap bitmap(200, 120);
  group->PaintTo(bitmap.Canvas().Handle(), 0, 0);
  EXPECT_EQ(bitmap.Pixel(100, 60), RgbColor(200, 220, 240));
}

TEST_F(Boxes, GroupBoxTakesTheMouseLikeAContainer) {
  auto* group = Place<TGroupBox>(&Form, 10, 10, 200, 120);
  Form.Show();
  POINT inside = group->ClientToScreen(POINT{100, 60});
  EXPECT_EQ(::SendMessageW(group->Handle(), WM_NCHITTEST, 0, MAKELPARAM(inside.x, inside.y)),
            HTCLIENT);
}

TEST_F(Boxes, ComboBoxStylesMakeThePlatformStyles) {
  TComboBox* combo = PlaceCombo(TComboBoxStyle::csDropDown);
  Form.Show();
  EXPECT_EQ(StyleOf(combo) & 3, CBS_DROPDOWN);
  combo->SetStyle(TComboBoxStyle::csDropDownList);
  EXPECT_EQ(StyleOf(combo) & 3, CBS_DROPDOWNLIST);
  combo->SetStyle(TComboBoxStyle::csSimple);
  EXPECT_EQ(StyleOf(combo) & 3, CBS_SIMPLE);
}

TEST_F(Boxes, ComboBoxKeepsItsLinesAndSelectionAcrossAStyleChange) {
  TComboBox* combo = PlaceCombo(TComboBoxStyle::csDropDown);
  Form.Show();
  combo->SetItemIndex(1);
  combo->SetStyle(TComboBoxStyle::csDropDownList);
  EXPECT_EQ(::SendMessageW(combo->Handle(), CB_GETCOUNT, 0, 0), 3);
  EXPECT_EQ(combo->ItemIndex(), 1);
  EXPECT_EQ(combo->Text(), L"RAD Studio 12");
}

TEST_F(Boxes, ComboBoxLinesAndIndexBeforeItsWindowExists) {
  TComboBox* combo = PlaceCombo(TComboBoxStyle::csDropDownList);
  combo->SetItemIndex(2);
  combo->SetItemIndex(7);  // out of range: nothing selected
  EXPECT_EQ(combo->ItemIndex(), -1);
  combo->SetItemIndex(2);
  Form.Show();
  EXPECT_EQ(combo->Text(), L"RAD Studio 13");
  combo->ClearItems();
  EXPECT_EQ(combo->ItemIndex(), -1);
  EXPECT_EQ(::SendMessageW(combo->Handle(), CB_GETCOUNT, 0, 0), 0);
}

TEST_F(Boxes, SelectingALineWithTheKeyboardFiresOnSelectAndOnChange) {
  TComboBox* combo = PlaceCombo(TComboBoxStyle::csDropDownList);
  int selects = 0;
  int changes = 0;
  combo->OnSelect = [&](TComponent*) { ++selects; };
  combo->OnChange = [&](TComponent*) { ++changes; };
  Form.Show();
  combo->SetItemIndex(0);
  EXPECT_EQ(selects, 0);
  ::SendMessageW(combo->Handle(), WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_EQ(combo->ItemIndex(), 1);
  EXPECT_EQ(selects, 1);
  EXPECT_EQ(changes, 1);
}

TEST_F(Boxes, DropDownComboBoxIsOneLineHighAndDropsItsLines) {
  TComboBox* combo = PlaceCombo(TComboBoxStyle::csDropDown);
  combo->AddItem(L"RAD Studio 10.4");
  combo->AddItem(L"RAD Studio 11");
  combo->SetDropDownCount(3);
  Form.Show();
  RECT window;
  ::GetWindowRect(combo->Handle(), &window);
  EXPECT_EQ(window.bottom - window.top, combo->Height());
  EXPECT_LT(combo->Height(), 30);
  combo->SetDroppedDown(true);
  EXPECT_TRUE(combo->DroppedDown());
  RECT dropped;
  ::SendMessageW(combo->Handle(), CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
  const auto line = static_cast<int>(::SendMessageW(combo->Handle(), CB_GETITEMHEIGHT, 0, 0));
  EXPECT_GE(dropped.bottom - dropped.top, 3 * line);  // three of the five lines
  EXPECT_LT(dropped.bottom - dropped.top, 4 * line);
  combo->SetDroppedDown(false);
  EXPECT_FALSE(combo->DroppedDown());
}

TEST_F(Boxes, SimpleComboBoxKeepsItsHeight) {
  TComboBox* combo = PlaceCombo(TComboBoxStyle::csSimple);
  combo->SetBounds(10, 10, 150, 120);
  Form.Show();
  RECT window;
  ::GetWindowRect(combo->Handle(), &window);
  EXPECT_EQ(window.bottom - window.top, 120);
}

TEST_F(Boxes, ComboBoxEditTakesTheComboBoxColour) {
  TComboBox* combo = PlaceCombo(TComboBoxStyle::csDropDown);
  combo->SetColor(RgbColor(255, 250, 205));
  Form.Show();
  HWND edit = ::FindWindowExW(combo->Handle(), nullptr, L"Edit", nullptr);
  ASSERT_NE(edit, nullptr);
  TBitmap bitmap(10, 10);
  auto brush = reinterpret_cast<HBRUSH>(::SendMessageW(
      combo->Handle(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(bitmap.Canvas().Handle()),
      reinterpret_cast<LPARAM>(edit)));
  ASSERT_NE(brush, nullptr);
  RECT all{0, 0, 10, 10};
  ::FillRect(bitmap.Canvas().Handle(), &all, brush);
  EXPECT_EQ(bitmap.Pixel(5, 5), RgbColor(255, 250, 205));
}
