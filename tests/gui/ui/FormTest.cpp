#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <vector>

#include "WindowDriver.h"
#include "ui/Dialogs.h"
#include "ui/Forms.h"
#include "ui/StdCtrls.h"

namespace {

// A dialog-bordered form with one button, captioned uniquely per test.
struct TDialogFixture {
  TForm Form{nullptr};
  TButton* Button;
  explicit TDialogFixture(const String& caption) {
    Form.SetCaption(caption);
    Form.SetBorderStyle(TFormBorderStyle::bsDialog);
    Form.SetClientSize(300, 120);
    Button = new TButton(&Form);
    Button->SetParent(&Form);
    Button->SetCaption(L"&Pronto");
    Button->SetBounds(10, 80, 75, 25);
  }
};

}  // namespace

TEST(Form, ClientSizeIsExactForDialogBorder) {
  TForm form(nullptr);
  form.SetBorderStyle(TFormBorderStyle::bsDialog);
  form.SetClientSize(630, 458);
  form.Show();
  RECT client;
  ::GetClientRect(form.Handle(), &client);
  EXPECT_EQ(client.right, 630);
  EXPECT_EQ(client.bottom, 458);
  EXPECT_EQ(form.ClientWidth(), 630);
}

TEST(Form, ScreenCenterPlacesTheWindowInTheMiddle) {
  TForm form(nullptr);
  form.SetBounds(0, 0, 400, 300);
  form.SetPosition(TPosition::poScreenCenter);
  form.Show();
  EXPECT_EQ(form.Left(), (Screen().Width() - 400) / 2);
  EXPECT_EQ(form.Top(), (Screen().Height() - 300) / 2);
}

TEST(Form, ShowModalReturnsTheClickedButtonsModalResult) {
  TDialogFixture dialog(L"Modal result test");
  dialog.Button->SetModalResult(mrYes);
  TWindowDriver driver(L"Modal result test", TWindowDriver::ClickButton(L"&Pronto"));
  EXPECT_EQ(dialog.Form.ShowModal(), mrYes);
  EXPECT_TRUE(driver.Done());
  EXPECT_FALSE(dialog.Form.Visible());
}

TEST(Form, ShowModalOfVisibleFormRaises) {
  TForm form(nullptr);
  form.Show();
  EXPECT_THROW(form.ShowModal(), EInvalidOperation);
}

TEST(Form, CloseQueryRefusalKeepsModalLoopRunning) {
  TDialogFixture dialog(L"Close query test");
  int asked = 0;
  dialog.Form.OnCloseQuery = [&](TComponent*, bool& canClose) { canClose = ++asked > 1; };
  dialog.Button->SetModalResult(mrOk);
  TWindowDriver driver(L"Close query test", [](HWND window) {
    HWND button = FindButton(window, L"&Pronto");
    // Wine can drop a click sent from another thread: click until the form is gone.
    for (int i = 0; i < 20 && ::IsWindowVisible(window); ++i) {
      ::SendMessageW(button, BM_CLICK, 0, 0);
      ::Sleep(50);
    }
  });
  EXPECT_EQ(dialog.Form.ShowModal(), mrOk);
  EXPECT_EQ(asked, 2);
}

TEST(Form, CloseMessageEndsModalLoopWithCancel) {
  TDialogFixture dialog(L"Close box test");
  TWindowDriver driver(L"Close box test",
                       [](HWND window) { ::PostMessageW(window, WM_CLOSE, 0, 0); });
  EXPECT_EQ(dialog.Form.ShowModal(), mrCancel);
}

TEST(Form, KeyPreviewSeesCharactersBeforeTheFocusedControl) {
  TDialogFixture dialog(L"Key preview test");
  dialog.Form.SetKeyPreview(true);
  wchar_t seen = 0;
  dialog.Form.OnKeyPress = [&](TComponent*, wchar_t& key) {
    seen = key;
    if (key == 27) dialog.Form.SetModalResult(mrAbort);
  };
  TWindowDriver driver(L"Key preview test", TWindowDriver::TypeChar(27));
  EXPECT_EQ(dialog.Form.ShowModal(), mrAbort);
  EXPECT_EQ(seen, 27);
}

TEST(Form, EscapePressesTheCancelButton) {
  TDialogFixture dialog(L"Cancel key test");
  dialog.Button->SetCancel(true);
  dialog.Button->SetModalResult(mrNo);
  auto* other = new TButton(&dialog.Form);
  other->SetParent(&dialog.Form);
  other->SetCaption(L"Outro");
  other->SetBounds(100, 80, 75, 25);
  dialog.Form.SetActiveControl(other);
  TWindowDriver driver(L"Cancel key test", TWindowDriver::PressKey(VK_ESCAPE));
  EXPECT_EQ(dialog.Form.ShowModal(), mrNo);
}

TEST(Form, EnterPressesTheFocusedButton) {
  TDialogFixture dialog(L"Enter key test");
  dialog.Button->SetModalResult(mrRetry);
  dialog.Form.SetActiveControl(dialog.Button);
  TWindowDriver driver(L"Enter key test", TWindowDriver::PressKey(VK_RETURN));
  EXPECT_EQ(dialog.Form.ShowModal(), mrRetry);
}

TEST(Form, ActiveControlSetWhileHiddenHasFocusOnShow) {
  TDialogFixture dialog(L"Focus test");
  auto* second = new TButton(&dialog.Form);
  second->SetParent(&dialog.Form);
  second->SetBounds(100, 80, 75, 25);
  second->SetFocus();
  dialog.Form.Show();
  EXPECT_TRUE(second->Focused());
  EXPECT_EQ(dialog.Form.ActiveControl(), second);
}

TEST(Form, ScreenListsFormsAndReportsActivation) {
  const int before = Screen().FormCount();
  TForm form(nullptr);
  EXPECT_EQ(Screen().FormCount(), before + 1);
  TForm* activated = nullptr;
  Screen().OnActiveFormChange = [&](TComponent* sender) {
    activated = dynamic_cast<TForm*>(sender);
  };
  form.Show();
  PumpMessages(50);
  Screen().OnActiveFormChange = nullptr;
  EXPECT_EQ(Screen().ActiveForm(), &form);
  EXPECT_EQ(activated, &form);
}

TEST(Application, HandlerExceptionReachesOnException) {
  TDialogFixture dialog(L"Exception test");
  dialog.Button->OnClick = [](TComponent*) { throw std::runtime_error("falhou"); };
  String caught;
  UiApplication().OnException = [&](const std::exception& e) { caught = ErrorText(e); };
  dialog.Form.Show();
  ::SendMessageW(dialog.Button->Handle(), BM_CLICK, 0, 0);
  UiApplication().OnException = nullptr;
  EXPECT_EQ(caught, L"falhou");
}

TEST(Application, IsTheApplicationThatWaitsUse) {
  EXPECT_EQ(&Application(), static_cast<TApplicationCore*>(&UiApplication()));
}

TEST(Application, ReleaseFreesTheFormAfterTheCurrentMessage) {
  auto* form = new TForm(nullptr);
  bool destroyed = false;
  auto* watcher = new TButton(form);
  watcher->SetParent(form);
  form->Show();
  const int before = Screen().FormCount();
  form->Release();
  EXPECT_EQ(Screen().FormCount(), before);
  UiApplication().ProcessMessages();
  destroyed = Screen().FormCount() == before - 1;
  EXPECT_TRUE(destroyed);
}

TEST(InputBox, ConfirmedTextIsReturned) {
  TWindowDriver driver(L"Nova pasta", [](HWND window) {
    HWND edit = ::FindWindowExW(window, nullptr, L"Edit", nullptr);
    ::SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Componentes"));
    TWindowDriver::ClickButton(L"OK")(window);
  });
  EXPECT_EQ(InputBox(L"Nova pasta", L"Nome da pasta:", L"Nova"), L"Componentes");
}

TEST(InputBox, DefaultIsShownInTheEdit) {
  String shown;
  TWindowDriver driver(L"Nova pasta", [&shown](HWND window) {
    wchar_t text[64] = {};
    ::GetWindowTextW(::FindWindowExW(window, nullptr, L"Edit", nullptr), text, 64);
    shown = text;
    TWindowDriver::ClickButton(L"OK")(window);
  });
  InputBox(L"Nova pasta", L"Nome da pasta:", L"Nova");
  EXPECT_EQ(shown, L"Nova");
}

TEST(InputBox, CancelGivesTheDefault) {
  TWindowDriver driver(L"Nova pasta", [](HWND window) {
    HWND edit = ::FindWindowExW(window, nullptr, L"Edit", nullptr);
    ::SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Outra"));
    TWindowDriver::PressKey(VK_ESCAPE)(window);
  });
  EXPECT_EQ(InputBox(L"Nova pasta", L"Nome da pasta:", L"Nova"), L"Nova");
}

TEST(InputBox, QueryReportsCancellation) {
  String value = L"Nova";
  TWindowDriver driver(L"Nova pasta", TWindowDriver::ClickButton(L"Cancelar"));
  EXPECT_FALSE(InputQuery(L"Nova pasta", L"Nome da pasta:", value));
  EXPECT_EQ(value, L"Nova");
}

TEST(Application, UnhandledErrorIsShownInAMessageBoxCaptionedWithTheTitle) {
  TDialogFixture dialog(L"Default display test");
  dialog.Button->OnClick = [](TComponent*) { throw Exception(L"Falha inesperada"); };
  UiApplication().SetTitle(L"Instalador de teste");
  String shown;
  TWindowDriver driver(L"Instalador de teste", [&shown](HWND box) {
    wchar_t text[128] = {};
    ::GetDlgItemTextW(box, 0xFFFF, text, 128);  // the message box's static text
    shown = text;
    ::PostMessageW(box, WM_COMMAND, IDOK, 0);
  });
  dialog.Form.Show();
  ::SendMessageW(dialog.Button->Handle(), BM_CLICK, 0, 0);
  EXPECT_TRUE(driver.Done());
  EXPECT_EQ(shown, L"Falha inesperada");
}

TEST(Form, LayoutForAnotherDensityIsScaledWhenTheWindowIsMade) {
  TForm form(nullptr);
  form.SetBorderStyle(TFormBorderStyle::bsDialog);
  form.SetClientSize(200, 100);
  form.SetPixelsPerInch(Screen().PixelsPerInch() / 2);
  auto* button = new TButton(&form);
  button->SetParent(&form);
  button->SetBounds(10, 20, 75, 25);
  const int fontHeight = button->Font().Height();
  form.Show();
  EXPECT_EQ(form.ClientWidth(), 400);
  EXPECT_EQ(form.ClientHeight(), 200);
  EXPECT_EQ(button->Left(), 20);
  EXPECT_EQ(button->Top(), 40);
  EXPECT_EQ(button->Width(), 150);
  EXPECT_EQ(button->Height(), 50);
  EXPECT_EQ(button->Font().Height(), fontHeight);
  EXPECT_EQ(form.PixelsPerInch(), Screen().PixelsPerInch());
}

TEST(Form, UnscaledFormKeepsItsLayout) {
  TForm form(nullptr);
  form.SetScaled(false);
  form.SetClientSize(200, 100);
  form.SetPixelsPerInch(Screen().PixelsPerInch() / 2);
  form.Show();
  EXPECT_EQ(form.ClientWidth(), 200);
}

TEST(Form, DensityChangeScalesLayoutAndFonts) {
  TForm form(nullptr);
  form.SetBounds(0, 0, 300, 200);
  auto* button = new TButton(&form);
  button->SetParent(&form);
  button->SetBounds(10, 20, 75, 25);
  button->Font().SetHeight(-11);
  form.Show();
  const int density = Screen().PixelsPerInch() * 2;
  RECT suggested{0, 0, 600, 400};
  ::SendMessageW(form.Handle(), WM_DPICHANGED, MAKEWPARAM(density, density),
                 reinterpret_cast<LPARAM>(&suggested));
  EXPECT_EQ(button->Left(), 20);
  EXPECT_EQ(button->Width(), 150);
  EXPECT_EQ(button->Font().Height(), -22);
  EXPECT_EQ(form.Width(), 600);
}

TEST(Form, ChangingTheBorderOfAShownFormKeepsItShownWithItsClientSize) {
  TForm form(nullptr);
  form.SetClientSize(300, 200);
  form.Show();
  form.SetBorderStyle(TFormBorderStyle::bsDialog);
  EXPECT_TRUE(::IsWindowVisible(form.Handle()));
  EXPECT_EQ(form.ClientWidth(), 300);
  EXPECT_EQ(form.ClientHeight(), 200);
}

namespace {

// Records the forms announced to it.
class TFormWatcher : public TComponent {
 public:
  using TComponent::TComponent;
  std::vector<std::pair<TComponent*, TOperation>> Heard;

 protected:
  void Notification(TComponent* component, TOperation operation) override {
    TComponent::Notification(component, operation);
    if (dynamic_cast<TForm*>(component) != nullptr || operation == TOperation::opRemove)
      Heard.emplace_back(component, operation);
  }
};

}  // namespace

TEST(FormTree, AFormWithoutOwnerIsAnnouncedToTheOtherFormsWithoutOwner) {
  TForm first(nullptr);
  auto* watcher = new TFormWatcher(&first);
  auto second = std::make_unique<TForm>(nullptr);
  TForm* created = second.get();
  second.reset();
  ASSERT_EQ(watcher->Heard.size(), 2u);
  EXPECT_EQ(watcher->Heard[0].first, created);
  EXPECT_EQ(watcher->Heard[0].second, TOperation::opInsert);
  EXPECT_EQ(watcher->Heard[1].first, created);
  EXPECT_EQ(watcher->Heard[1].second, TOperation::opRemove);
}

TEST(FormTree, AnOwnedFormIsAnnouncedToItsOwnersTreeOnly) {
  TForm first(nullptr);
  auto* watcher = new TFormWatcher(&first);
  TComponent root(nullptr);
  auto* rootWatcher = new TFormWatcher(&root);
  { TForm owned(&root); }
  EXPECT_TRUE(watcher->Heard.empty());
  EXPECT_EQ(rootWatcher->Heard.size(), 2u);
}

TEST(MainWindowHook, SeesTheMainFormsMessagesFirstAndMayUseThemUp) {
  TForm form(nullptr);
  TForm* previous = UiApplication().MainForm();
  UiApplication().SetMainForm(&form);
  form.Show();
  std::vector<UINT> seen;
  const int hook = UiApplication().HookMainWindow([&](TMessage& message) {
    seen.push_back(message.Msg);
    if (message.Msg != WM_APP + 7) return false;
    message.Result = 42;
    return true;
  });
  EXPECT_EQ(::SendMessageW(form.Handle(), WM_APP + 7, 0, 0), 42);
  EXPECT_NE(std::find(seen.begin(), seen.end(), UINT{WM_APP + 7}), seen.end());
  UiApplication().UnhookMainWindow(hook);
  seen.clear();
  ::SendMessageW(form.Handle(), WM_NULL, 0, 0);
  EXPECT_TRUE(seen.empty());
  UiApplication().SetMainForm(previous);
}
