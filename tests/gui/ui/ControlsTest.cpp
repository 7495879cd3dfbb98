#include <gtest/gtest.h>

#include "FormProbe.h"
#include "WindowDriver.h"
#include "ui/ExtCtrls.h"
#include "ui/Forms.h"
#include "ui/StdCtrls.h"

namespace {

class Controls : public ::testing::Test {
 protected:
  void SetUp() override {
    Form.SetBorderStyle(TFormBorderStyle::bsDialog);
    Form.SetClientSize(400, 300);
    Form.SetColor(RgbColor(245, 245, 245));
  }
  template <typename C>
  C* Place(int left, int top, int width, int height) {
    return PlaceOn<C>(Form, &Form, left, top, width, height);
  }
  // The form's client area painted into a fresh bitmap.
  void Snapshot(TBitmap& bitmap) {
    bitmap.SetSize(Form.ClientWidth(), Form.ClientHeight());
    Form.PaintTo(bitmap.Canvas().Handle(), 0, 0);
  }
  TForm Form{nullptr};
};

}  // namespace

TEST_F(Controls, ButtonClickMessageFiresOnClick) {
  auto* button = Place<TButton>(10, 10, 75, 25);
  int clicks = 0;
  button->OnClick = [&](TComponent* sender) {
    EXPECT_EQ(sender, button);
    ++clicks;
  };
  Form.Show();
  ::SendMessageW(button->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(clicks, 1);
}

TEST_F(Controls, ButtonWindowCarriesCaptionAndBounds) {
  auto* button = Place<TButton>(350, 424, 85, 23);
  button->SetCaption(L"&Voltar");
  Form.Show();
  wchar_t text[32] = {};
  ::GetWindowTextW(button->Handle(), text, 32);
  EXPECT_STREQ(text, L"&Voltar");
  RECT r;
  ::GetWindowRect(button->Handle(), &r);
  ::MapWindowPoints(nullptr, Form.Handle(), reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(r.left, 350);
  EXPECT_EQ(r.top, 424);
  EXPECT_EQ(r.right - r.left, 85);
  EXPECT_EQ(r.bottom - r.top, 23);
}

TEST_F(Controls, ClientToScreenCountsTheFormsFrameAndCaption) {
  auto* button = Place<TButton>(10, 20, 75, 25);
  Form.Show();
  POINT expected{3, 4};
  ::ClientToScreen(button->Handle(), &expected);
  const POINT p = button->ClientToScreen(POINT{3, 4});
  EXPECT_EQ(p.x, expected.x);
  EXPECT_EQ(p.y, expected.y);
  const POINT back = button->ScreenToClient(p);
  EXPECT_EQ(back.x, 3);
  EXPECT_EQ(back.y, 4);
}

TEST_F(Controls, DisabledButtonWindowIsDisabled) {
  auto* button = Place<TButton>(10, 10, 75, 25);
  Form.Show();
  button->SetEnabled(false);
  EXPECT_FALSE(::IsWindowEnabled(button->Handle()));
}

TEST_F(Controls, CheckBoxClickTogglesCheckedAndFiresOnClick) {
  auto* box = Place<TCheckBox>(10, 10, 200, 17);
  int clicks = 0;
  box->OnClick = [&](TComponent*) { ++clicks; };
  Form.Show();
  ::SendMessageW(box->Handle(), BM_CLICK, 0, 0);
  EXPECT_TRUE(box->Checked());
  EXPECT_EQ(clicks, 1);
}

TEST_F(Controls, CheckBoxSetCheckedShowsInTheWindow) {
  auto* box = Place<TCheckBox>(10, 10, 200, 17);
  Form.Show();
  box->SetChecked(true);
  EXPECT_EQ(::SendMessageW(box->Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST_F(Controls, CheckBoxStateSurvivesWindowCreation) {
  auto* box = Place<TCheckBox>(10, 10, 200, 17);
  box->SetChecked(true);
  Form.Show();
  EXPECT_EQ(::SendMessageW(box->Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST_F(Controls, MemoLinesAddAppendsLines) {
  auto* memo = Place<TMemo>(10, 10, 200, 100);
  Form.Show();
  memo->Lines().Add(L"primeira");
  memo->Lines().Add(L"segunda");
  EXPECT_EQ(memo->Lines().Count(), 2);
  EXPECT_EQ(memo->Lines().Strings(1), L"segunda");
  EXPECT_EQ(memo->Text(), L"primeira\r\nsegunda\r\n");
}

TEST_F(Controls, MemoWithoutWindowAppendsLinesToItsText) {
  auto* memo = Place<TMemo>(10, 10, 200, 100);
  memo->SetText(L"sem fim de linha");
  memo->Lines().Add(L"primeira");
  memo->Lines().Add(L"segunda");
  ASSERT_FALSE(memo->HandleAllocated());
  EXPECT_EQ(memo->Text(), L"sem fim de linha\r\nprimeira\r\nsegunda\r\n");
  Form.Show();
  EXPECT_EQ(memo->Lines().Count(), 3);
  EXPECT_EQ(memo->Lines().Strings(2), L"segunda");
}

TEST_F(Controls, MemoKeepsTextAcrossWordWrapChange) {
  auto* memo = Place<TMemo>(10, 10, 200, 100);
  Form.Show();
  memo->SetText(L"texto");
  memo->SetWordWrap(false);
  EXPECT_EQ(memo->Text(), L"texto");
  EXPECT_EQ(::GetWindowLongPtrW(memo->Handle(), GWL_STYLE) & ES_AUTOHSCROLL, ES_AUTOHSCROLL);
}

TEST_F(Controls, MemoWindowTakesItsTextWithItsFontAndShowsItFromTheTop) {
  auto* memo = Place<TMemo>(10, 10, 200, 60);
  String text;
  for (int line = 0; line < 40; ++line) text += L"uma linha longa do contrato que quebra\r\n";
  memo->SetText(text);
  int changes = 0;
  memo->OnChange = [&](TComponent*) { ++changes; };
  Form.Show();
  HWND window = memo->Handle();
  EXPECT_EQ(memo->Text(), text);
  EXPECT_EQ(reinterpret_cast<HFONT>(::SendMessageW(window, WM_GETFONT, 0, 0)),
            memo->Font().Handle());
  EXPECT_GT(::SendMessageW(window, EM_GETLINECOUNT, 0, 0), 40);  // wrapped lines
  EXPECT_EQ(::SendMessageW(window, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
  DWORD start = 1, end = 1;
  ::SendMessageW(window, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 0u);
  EXPECT_EQ(changes, 0);  // creating the window is no change of the text
}

TEST_F(Controls, ReadOnlyMemoWindowIsReadOnly) {
  auto* memo = Place<TMemo>(10, 10, 200, 100);
  memo->SetReadOnly(true);
  Form.Show();
  EXPECT_EQ(::GetWindowLongPtrW(memo->Handle(), GWL_STYLE) & ES_READONLY, ES_READONLY);
}

TEST_F(Controls, EditOnChangeFiresWhenTextChanges) {
  auto* edit = Place<TEdit>(10, 10, 200, 21);
  int changes = 0;
  edit->OnChange = [&](TComponent*) { ++changes; };
  Form.Show();
  edit->SetText(L"abc");
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(edit->Text(), L"abc");
}

TEST_F(Controls, OpaqueLabelFillsItsBoundsWithItsColour) {
  auto* label = Place<TLabel>(20, 30, 50, 20);
  label->SetAutoSize(false);
  label->SetColor(clRed);
  Form.Show();
  TBitmap shot;
  Snapshot(shot);
  EXPECT_EQ(shot.Pixel(20, 30), clRed);
  EXPECT_EQ(shot.Pixel(69, 49), clRed);
  EXPECT_EQ(shot.Pixel(70, 49), RgbColor(245, 245, 245));
  EXPECT_EQ(shot.Pixel(19, 30), RgbColor(245, 245, 245));
}

TEST_F(Controls, TransparentLabelDrawsTextInFontColourOnly) {
  auto* label = Place<TLabel>(20, 30, 80, 20);
  label->SetTransparent(true);
  label->Font().SetColor(clBlue);
  label->SetCaption(L"HHHH");
  Form.Show();
  TBitmap shot;
  Snapshot(shot);
  int blue = 0;
  int other = 0;
  for (int y = 30; y < 30 + label->Height(); ++y) {
    for (int x = 20; x < 20 + label->Width(); ++x) {
      TColor c = shot.Pixel(x, y);
      if (c == clBlue)
        ++blue;
      else if (c != RgbColor(245, 245, 245))
        ++other;
    }
  }
  EXPECT_GT(blue, 10);
  EXPECT_EQ(shot.Pixel(20 + label->Width() + 1, 31), RgbColor(245, 245, 245));
  (void)other;  // antialiased edges may blend
}

TEST_F(Controls, AutoSizeLabelFitsItsText) {
  auto* label = Place<TLabel>(0, 0, 10, 10);
  label->SetCaption(L"Instalador");
  TCanvas& canvas = label->Canvas();
  canvas.Font().Assign(label->Font());
  EXPECT_EQ(label->Width(), canvas.TextWidth(L"Instalador"));
  EXPECT_EQ(label->Height(), canvas.TextHeight(L"Instalador"));
}

TEST_F(Controls, LoadingLabelKeepsItsBoundsUntilLoaded) {
  auto* label = Place<TLabel>(0, 0, 10, 10);
  label->SetLoading(true);
  label->SetCaption(L"Instalador");
  label->Font().SetStyle(TFontStyles{TFontStyle::fsBold});
  EXPECT_EQ(label->Width(), 10);
  label->Loaded();
  EXPECT_FALSE(label->Loading());
  TCanvas& canvas = label->Canvas();
  canvas.Font().Assign(label->Font());
  EXPECT_EQ(label->Width(), canvas.TextWidth(L"Instalador"));
  EXPECT_EQ(label->Height(), canvas.TextHeight(L"Instalador"));
}

TEST_F(Controls, LabelTakesTheFormsFontUntilItsOwnIsChanged) {
  Form.Font().SetName(L"Segoe UI");
  auto* label = Place<TLabel>(0, 0, 10, 10);
  EXPECT_EQ(label->Font().Name(), L"Segoe UI");
  label->Font().SetStyle(TFontStyles{TFontStyle::fsBold});
  EXPECT_FALSE(label->ParentFont());
  Form.Font().SetName(L"Tahoma");
  EXPECT_EQ(label->Font().Name(), L"Segoe UI");
}

TEST_F(Controls, PanelBevelDrawsHighlightAndShadow) {
  auto* panel = Place<TPanel>(10, 10, 100, 50);
  panel->SetColor(clWhite);
  Form.Show();
  TBitmap shot;
  Snapshot(shot);
  COLORREF light = ::GetSysColor(COLOR_BTNHIGHLIGHT);
  COLORREF dark = ::GetSysColor(COLOR_BTNSHADOW);
  EXPECT_EQ(shot.Pixel(10, 10), RgbColor(GetRValue(light), GetGValue(light), GetBValue(light)));
  EXPECT_EQ(shot.Pixel(109, 59), RgbColor(GetRValue(dark), GetGValue(dark), GetBValue(dark)));
  EXPECT_EQ(shot.Pixel(50, 30), clWhite);
}

TEST_F(Controls, TopLineBevelIsShadowOverHighlight) {
  auto* bevel = Place<TBevel>(0, 78, 400, 2);
  bevel->SetShape(TBevelShape::bsTopLine);
  Form.Show();
  TBitmap shot;
  Snapshot(shot);
  COLORREF light = ::GetSysColor(COLOR_BTNHIGHLIGHT);
  COLORREF dark = ::GetSysColor(COLOR_BTNSHADOW);
  EXPECT_EQ(shot.Pixel(200, 78), RgbColor(GetRValue(dark), GetGValue(dark), GetBValue(dark)));
  EXPECT_EQ(shot.Pixel(200, 79), RgbColor(GetRValue(light), GetGValue(light), GetBValue(light)));
  EXPECT_EQ(shot.Pixel(200, 80), RgbColor(245, 245, 245));
}

TEST_F(Controls, ImageDrawsItsPicture) {
  auto* image = Place<TImage>(5, 5, 20, 20);
  image->Picture().SetSize(20, 20);
  image->Picture().Canvas().Brush().SetColor(clNavy);
  image->Picture().Canvas().FillRect(RECT{0, 0, 20, 20});
  Form.Show();
  TBitmap shot;
  Snapshot(shot);
  EXPECT_EQ(shot.Pixel(5, 5), clNavy);
  EXPECT_EQ(shot.Pixel(24, 24), clNavy);
  EXPECT_EQ(shot.Pixel(25, 25), RgbColor(245, 245, 245));
}

TEST_F(Controls, ClientAlignedPanelFillsTheForm) {
  auto* panel = Place<TPanel>(0, 0, 10, 10);
  panel->SetAlign(TAlign::alClient);
  EXPECT_EQ(panel->Width(), 400);
  EXPECT_EQ(panel->Height(), 300);
}

TEST_F(Controls, TopAlignedControlTakesAStripAndClientTheRest) {
  auto* top = Place<TPanel>(0, 0, 10, 75);
  top->SetAlign(TAlign::alTop);
  auto* rest = Place<TPanel>(0, 0, 10, 10);
  rest->SetAlign(TAlign::alClient);
  EXPECT_EQ(rest->Top(), 75);
  EXPECT_EQ(rest->Height(), 225);
}

TEST_F(Controls, TabOrderFollowsPlacementAndCanBeChanged) {
  auto* a = Place<TButton>(0, 0, 10, 10);
  auto* b = Place<TButton>(0, 20, 10, 10);
  EXPECT_EQ(a->TabOrder(), 0);
  EXPECT_EQ(b->TabOrder(), 1);
  b->SetTabOrder(0);
  EXPECT_EQ(a->TabOrder(), 1);
  Form.Show();
  EXPECT_EQ(::GetNextDlgTabItem(Form.Handle(), nullptr, FALSE), b->Handle());
}

TEST_F(Controls, WindowProcWrapperSeesMessagesFirst) {
  auto* button = Place<TButton>(10, 10, 75, 25);
  int enabledChanges = 0;
  TWndMethod previous = button->WindowProc();
  button->SetWindowProc([&, previous](TMessage& message) {
    if (message.Msg == CM_ENABLEDCHANGED) ++enabledChanges;
    previous(message);
  });
  Form.Show();
  button->SetEnabled(false);
  EXPECT_EQ(enabledChanges, 1);
}

TEST_F(Controls, DestroyingTheParentDetachesChildren) {
  auto* panel = new TPanel(nullptr);
  panel->SetParent(&Form);
  auto* child = Place<TButton>(0, 0, 10, 10);
  child->SetParent(panel);
  Form.Show();
  ASSERT_TRUE(child->HandleAllocated());
  delete panel;
  EXPECT_EQ(child->Parent(), nullptr);
  EXPECT_FALSE(child->HandleAllocated());
}

TEST_F(Controls, HiddenControlGetsItsWindowWhenFirstShown) {
  auto* button = Place<TButton>(10, 150, 75, 25);
  auto* panel = Place<TPanel>(10, 10, 200, 100);
  panel->SetVisible(false);
  auto* memo = PlaceOn<TMemo>(Form, panel, 5, 5, 150, 60);
  memo->Lines().SetText(L"first\r\nsecond");
  Form.Show();
  EXPECT_TRUE(button->HandleAllocated());
  EXPECT_FALSE(panel->HandleAllocated());
  EXPECT_FALSE(memo->HandleAllocated());

  panel->SetVisible(true);
  ASSERT_TRUE(memo->HandleAllocated());
  EXPECT_TRUE(::IsWindowVisible(memo->HandleIfAllocated()));
  EXPECT_EQ(::GetParent(memo->Handle()), panel->Handle());
  wchar_t text[32] = {};
  ::GetWindowTextW(memo->Handle(), text, 32);
  EXPECT_STREQ(text, L"first\r\nsecond\r\n");
  // The late window takes its place in the tab order (the z-order): after the button.
  EXPECT_EQ(::GetWindow(button->Handle(), GW_HWNDNEXT), panel->Handle());
}

TEST_F(Controls, HiddenControlAskedForItsHandleGetsAHiddenWindow) {
  auto* panel = Place<TPanel>(10, 10, 200, 100);
  panel->SetVisible(false);
  Form.Show();
  HWND window = panel->Handle();
  ASSERT_NE(window, nullptr);
  EXPECT_FALSE(::IsWindowVisible(window));
  EXPECT_EQ(::GetParent(window), Form.Handle());
}

TEST_F(Controls, FindControlKnowsTheToolkitsWindowsOnly) {
  auto* button = Place<TButton>(10, 10, 75, 25);
  Form.Show();
  HWND window = button->Handle();
  EXPECT_EQ(FindControl(window), button);
  EXPECT_EQ(FindControl(Form.Handle()), &Form);
  EXPECT_EQ(FindControl(::GetDesktopWindow()), nullptr);
  EXPECT_EQ(FindControl(nullptr), nullptr);
  button->DestroyHandle();
  EXPECT_EQ(FindControl(window), nullptr);
}

TEST_F(Controls, TimerFiresWhileMessagesAreHandled) {
  TTimer timer(nullptr);
  timer.SetInterval(20);
  int ticks = 0;
  timer.OnTimer = [&](TComponent*) { ++ticks; };
  PumpMessages(200);
  EXPECT_GE(ticks, 2);
}

TEST_F(Controls, DisabledTimerDoesNotFire) {
  TTimer timer(nullptr);
  timer.SetInterval(20);
  timer.SetEnabled(false);
  int ticks = 0;
  timer.OnTimer = [&](TComponent*) { ++ticks; };
  PumpMessages(100);
  EXPECT_EQ(ticks, 0);
}

namespace {

// Counts the toolkit notifications a control's WindowProc chain carries.
struct TNotificationLog {
  int Enter = 0;
  int Leave = 0;
  int Text = 0;
  int Exit = 0;
  int ParentColor = 0;
  void Watch(TWinControl& control) {
    TWndMethod previous = control.WindowProc();
    control.SetWindowProc([this, previous](TMessage& message) {
      Enter += message.Msg == CM_MOUSEENTER ? 1 : 0;
      Leave += message.Msg == CM_MOUSELEAVE ? 1 : 0;
      Text += message.Msg == CM_TEXTCHANGED ? 1 : 0;
      Exit += message.Msg == CM_EXIT ? 1 : 0;
      ParentColor += message.Msg == CM_PARENTCOLORCHANGED ? 1 : 0;
      previous(message);
    });
  }
};

}  // namespace

TEST_F(Controls, MouseMoveAndLeaveBecomeEnterAndLeaveNotifications) {
  auto* button = Place<TButton>(10, 10, 75, 25);
  TNotificationLog log;
  log.Watch(*button);
  Form.Show();
  ::SendMessageW(button->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  ::SendMessageW(button->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(6, 5));
  EXPECT_EQ(log.Enter, 1);
  EXPECT_TRUE(button->MouseInside());
  ::SendMessageW(button->Handle(), WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(log.Leave, 1);
  EXPECT_FALSE(button->MouseInside());
}

TEST_F(Controls, SettingTheCaptionSendsTextChanged) {
  auto* button = Place<TButton>(10, 10, 75, 25);
  TNotificationLog log;
  log.Watch(*button);
  Form.Show();
  button->SetCaption(L"Fechar");
  EXPECT_EQ(log.Text, 1);
}

TEST_F(Controls, LosingTheFocusSendsExit) {
  auto* first = Place<TButton>(10, 10, 75, 25);
  auto* second = Place<TButton>(100, 10, 75, 25);
  TNotificationLog log;
  log.Watch(*first);
  int exits = 0;
  first->OnExit = [&exits](TComponent*) { ++exits; };
  Form.Show();
  first->SetFocus();
  second->SetFocus();
  EXPECT_EQ(log.Exit, 1);
  EXPECT_EQ(exits, 1);
}

TEST_F(Controls, ClickOnAWindowlessChildReachesIt) {
  auto* image = Place<TImage>(20, 20, 40, 40);
  int clicks = 0;
  image->OnClick = [&clicks](TComponent*) { ++clicks; };
  Form.Show();
  ::SendMessageW(Form.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 30));
  ::SendMessageW(Form.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(30, 30));
  ::SendMessageW(Form.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 100));
  ::SendMessageW(Form.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(100, 100));
  EXPECT_EQ(clicks, 1);
}

TEST_F(Controls, MemoScrollBarsBecomeWindowStyles) {
  auto* memo = Place<TMemo>(10, 10, 200, 100);
  memo->SetScrollBars(TScrollStyle::ssVertical);
  Form.Show();
  const LONG_PTR style = ::GetWindowLongPtrW(memo->Handle(), GWL_STYLE);
  EXPECT_NE(style & WS_VSCROLL, 0);
  EXPECT_EQ(style & WS_HSCROLL, 0);
}

TEST_F(Controls, ScaleByScalesPositionsSizesAndOwnFonts) {
  auto* label = Place<TLabel>(10, 20, 30, 40);
  label->SetAutoSize(false);
  label->Font().SetHeight(-12);
  Form.ScaleBy(3, 2);
  EXPECT_EQ(label->Left(), 15);
  EXPECT_EQ(label->Top(), 30);
  EXPECT_EQ(label->Width(), 45);
  EXPECT_EQ(label->Height(), 60);
  EXPECT_EQ(label->Font().Height(), -18);
}

TEST_F(Controls, ParentColourChangeReachesChildrenThatKeepTheirOwnColour) {
  auto* edit = Place<TEdit>(10, 10, 100, 21);
  TNotificationLog log;
  log.Watch(*edit);
  Form.SetColor(clRed);
  EXPECT_EQ(log.ParentColor, 1);
  EXPECT_EQ(edit->Color(), clWindow);
}

TEST_F(Controls, GrayedCheckBoxShowsInTheWindowAndClicksCycleThroughIt) {
  auto* box = Place<TCheckBox>(10, 10, 120, 17);
  box->SetAllowGrayed(true);
  int clicks = 0;
  box->OnClick = [&](TComponent*) { ++clicks; };
  box->SetState(TCheckBoxState::cbGrayed);
  Form.Show();
  EXPECT_EQ(::SendMessageW(box->Handle(), BM_GETCHECK, 0, 0), BST_INDETERMINATE);
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(box->Checked());
  ::SendMessageW(box->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(box->State(), TCheckBoxState::cbUnchecked);
  ::SendMessageW(box->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(box->State(), TCheckBoxState::cbChecked);
  EXPECT_TRUE(box->Checked());
}

TEST_F(Controls, CheckBoxSettingsBecomeWindowStyles) {
  auto* box = Place<TCheckBox>(10, 10, 120, 17);
  box->SetChecked(true);
  Form.Show();
  box->SetAlignment(TAlignment::taLeftJustify);
  box->SetWordWrap(true);
  const LONG_PTR style = ::GetWindowLongPtrW(box->Handle(), GWL_STYLE);
  EXPECT_NE(style & BS_LEFTTEXT, 0);
  EXPECT_NE(style & BS_MULTILINE, 0);
  EXPECT_EQ(::SendMessageW(box->Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);  // kept on recreation
}
