#include <gtest/gtest.h>

#include <vector>

#include "WindowDriver.h"
#include "components/QoMsgDlg.h"

namespace {

// The caption of the window captioned caption, read from the helper thread's side.
String WindowCaption(HWND window) {
  wchar_t text[128] = {};
  ::GetWindowTextW(window, text, 128);
  return text;
}

}  // namespace

TEST(MsgDlgResult, ConfirmationYesReturnsSix) {
  TQoMsgDlg dlg(nullptr);
  TWindowDriver driver(L"Confirmação", TWindowDriver::ClickButton(L"&Sim"));
  EXPECT_EQ(dlg.MsgConfirmation(L"Tem certeza?"), 6);
  EXPECT_TRUE(driver.Done());
}

TEST(MsgDlgResult, ConfirmationNoReturnsSeven) {
  TQoMsgDlg dlg(nullptr);
  TWindowDriver driver(L"Confirmação", TWindowDriver::ClickButton(L"&Não"));
  EXPECT_EQ(dlg.MsgConfirmation(L"Tem certeza?"), 7);
}

TEST(MsgDlgResult, ConfirmationEscapeReturnsTwo) {
  TQoMsgDlg dlg(nullptr);
  TWindowDriver driver(L"Confirmação", TWindowDriver::PressKey(VK_ESCAPE));
  EXPECT_EQ(dlg.MsgConfirmation(L"Tem certeza?"), 2);
}

TEST(MsgDlgResult, EnterPressesTheFocusedDefaultButton) {
  TQoMsgDlg dlg(nullptr);
  TWindowDriver driver(L"Confirmação", TWindowDriver::PressKey(VK_RETURN));
  EXPECT_EQ(dlg.MsgConfirmation(L"Tem certeza?"), 6);
}

TEST(MsgDlgResult, CloseBoxReturnsCancel) {
  TQoMsgDlg dlg(nullptr);
  TWindowDriver driver(L"Erro", [](HWND window) { ::PostMessageW(window, WM_CLOSE, 0, 0); });
  EXPECT_EQ(dlg.MsgError(L"Falhou"), 2);
}

TEST(MsgDlgResult, ErrorIsCaptionedErroAndAnsweredWithOk) {
  TQoMsgDlg dlg(nullptr);
  TWindowDriver driver(L"Erro", TWindowDriver::ClickButton(L"&OK"));
  EXPECT_EQ(dlg.MsgError(L"<b>Mensagem de erro:<b>|disco cheio"), 1);
  EXPECT_TRUE(driver.Done());
}

TEST(MsgDlgResult, ShortcutRestoresTheBeepSound) {
  TQoMsgDlg dlg(nullptr);
  dlg.SetBeepSound(TQoBeepSound::bsAsterix);
  TWindowDriver driver(L"Atenção", TWindowDriver::ClickButton(L"&OK"));
  dlg.MsgWarning(L"Cuidado");
  EXPECT_EQ(dlg.BeepSound(), TQoBeepSound::bsAsterix);
}

TEST(MsgDlgResult, MessageDlgClearsTheTitle) {
  TQoMsgDlg dlg(nullptr);
  dlg.SetTitle(L"Antigo");
  TWindowDriver driver(L"Informação", TWindowDriver::ClickButton(L"&OK"));
  dlg.MsgInformation(L"Pronto");
  EXPECT_TRUE(driver.Done());
  EXPECT_EQ(dlg.Title(), L"");
}

TEST(MsgDlgResult, OnShowFiresWithTheComponent) {
  TQoMsgDlg dlg(nullptr);
  TComponent* sender = nullptr;
  dlg.OnShow = [&](TComponent* s) { sender = s; };
  TWindowDriver driver(L"Informação", TWindowDriver::ClickButton(L"&OK"));
  dlg.MsgInformation(L"Pronto");
  EXPECT_EQ(sender, &dlg);
}

TEST(MsgDlgResult, PositionStylePlacesTheDialog) {
  TQoMsgDlg dlg(nullptr);
  dlg.SetStyle(TQoMsgDlgStyle::msPosition);
  dlg.SetPosLeft(40);
  dlg.SetPosTop(50);
  RECT seen{};
  TWindowDriver driver(L"Informação", [&seen](HWND window) {
    ::GetWindowRect(window, &seen);
    TWindowDriver::ClickButton(L"&OK")(window);
  });
  dlg.MsgInformation(L"Aqui");
  EXPECT_EQ(seen.left, 40);
  EXPECT_EQ(seen.top, 50);
}

TEST(MsgDlgResult, CustomButtonsReturnTheirOneBasedIndex) {
  TQoMsgDlg dlg(nullptr);
  TWindowDriver driver(L"Atenção", TWindowDriver::ClickButton(L"Segundo"));
  EXPECT_EQ(dlg.MsgCustom(L"Escolha", TMsgDlgType::mtWarning, {L"Primeiro", L"Segundo"}), 2);
}

TEST(MsgDlgResult, CustomFirstButtonReturnsOne) {
  TQoMsgDlg dlg(nullptr);
  TWindowDriver driver(L"Atenção", TWindowDriver::ClickButton(L"Primeiro"));
  EXPECT_EQ(dlg.MsgCustom(L"Escolha", TMsgDlgType::mtWarning, {L"Primeiro", L"Segundo"}), 1);
}

TEST(MsgDlgResult, CustomEscapeReturnsZero) {
  TQoMsgDlg dlg(nullptr);
  TWindowDriver driver(L"Atenção", TWindowDriver::PressKey(VK_ESCAPE));
  EXPECT_EQ(dlg.MsgCustom(L"Escolha", TMsgDlgType::mtWarning, {L"Primeiro", L"Segundo"}), 0);
}

TEST(MsgDlgResult, CustomWidensButtonsToTheWidestCaption) {
  TQoMsgDlg dlg(nullptr);
  const String wide = L"Um botão com uma legenda bem comprida";
  TCanvas measure;
  measure.Font().Assign(dlg.ButtonFont());
  TWindowDriver driver(L"Atenção", TWindowDriver::ClickButton(L"B"));
  dlg.MsgCustom(L"Escolha", TMsgDlgType::mtWarning, {wide, L"B"});
  EXPECT_EQ(dlg.BtnWidth(), measure.TextWidth(wide) + 12);
}

TEST(MsgDlgResult, CustomKeepsAWiderButtonWidth) {
  TQoMsgDlg dlg(nullptr);
  dlg.SetBtnWidth(200);
  TWindowDriver driver(L"Atenção", TWindowDriver::ClickButton(L"B"));
  dlg.MsgCustom(L"Escolha", TMsgDlgType::mtWarning, {L"A", L"B"});
  EXPECT_EQ(dlg.BtnWidth(), 200);
}

TEST(MsgDlgResult, TimedMessageReturnsAtOnceAndCountsDown) {
  TQoMsgDlg dlg(nullptr);
  EXPECT_EQ(dlg.MsgTime(L"Aguarde", 2), 0);
  HWND window = FindOwnWindow(L"Informação");
  ASSERT_NE(window, nullptr);
  PumpMessages(1300);
  EXPECT_EQ(WindowCaption(window), L"Informação - 1s");
  PumpMessages(1300);
  EXPECT_FALSE(::IsWindow(window));
}

TEST(MsgDlgResult, TimedMessageGreysTheCloseItem) {
  TQoMsgDlg dlg(nullptr);
  dlg.MsgTime(L"Aguarde", 1);
  HWND window = FindOwnWindow(L"Informação");
  ASSERT_NE(window, nullptr);
  UINT state = ::GetMenuState(::GetSystemMenu(window, FALSE), SC_CLOSE, MF_BYCOMMAND);
  EXPECT_NE(state & MF_GRAYED, 0u);
}

TEST(MsgDlgResult, WhileTimedMessageShowsOtherCallsAreTimedToo) {
  TQoMsgDlg dlg(nullptr);
  dlg.MsgTime(L"Aguarde", 1);
  EXPECT_EQ(dlg.MsgError(L"Também some"), 0);
  EXPECT_NE(FindOwnWindow(L"Erro"), nullptr);
}

TEST(MsgDlgResult, DestroyingTheComponentFreesItsTimedDialogs) {
  auto* dlg = new TQoMsgDlg(nullptr);
  dlg->MsgTime(L"Aguarde", 5);
  HWND window = FindOwnWindow(L"Informação");
  ASSERT_NE(window, nullptr);
  delete dlg;
  EXPECT_FALSE(::IsWindow(window));
}

TEST(MsgDlgResult, HelpButtonAsksForHelpWithTheContext) {
  TQoMsgDlg dlg(nullptr);
  int asked = -1;
  UiApplication().OnHelp = [&asked](int context) { asked = context; };
  TWindowDriver driver(L"Atenção", [](HWND window) {
    TWindowDriver::ClickButton(L"A&juda")(window);
    TWindowDriver::ClickButton(L"&OK")(window);
  });
  dlg.MessageDlg(L"Veja a ajuda", TMsgDlgType::mtWarning, {TMsgDlgBtn::mbOK, TMsgDlgBtn::mbHelp},
                 42);
  UiApplication().OnHelp = nullptr;
  EXPECT_EQ(asked, 42);
}

TEST(MsgDlgResult, CloseButtonReturnsClose) {
  TQoMsgDlg dlg(nullptr);
  TWindowDriver driver(L"Atenção", TWindowDriver::ClickButton(L"&Fechar"));
  EXPECT_EQ(dlg.MessageDlg(L"Fechar", TMsgDlgType::mtWarning, {TMsgDlgBtn::mbClose}, 0), mrClose);
}

TEST(MsgDlgResult, TimedMessageSwallowsAltF4) {
  TQoMsgDlg dlg(nullptr);
  dlg.MsgTime(L"Aguarde", 2);
  HWND window = FindOwnWindow(L"Informação");
  ASSERT_NE(window, nullptr);
  HWND target = ::GetFocus() != nullptr ? ::GetFocus() : window;
  ::PostMessageW(target, WM_SYSKEYDOWN, VK_F4, 1 | (LPARAM{1} << 29));
  PumpMessages(200);
  EXPECT_TRUE(::IsWindowVisible(window));
}

namespace {

// Records the beeps instead of playing them.
class TRecordingMsgDlg : public TQoMsgDlg {
 public:
  using TQoMsgDlg::TQoMsgDlg;
  mutable std::vector<UINT> Beeps;

 protected:
  void Beep(UINT type) const override { Beeps.push_back(type); }
};

}  // namespace

TEST(MsgDlgSound, EachShortcutPlaysItsSound) {
  TRecordingMsgDlg dlg(nullptr);
  {
    TWindowDriver driver(L"Erro", TWindowDriver::ClickButton(L"&OK"));
    dlg.MsgError(L"e");
  }
  {
    TWindowDriver driver(L"Confirmação", TWindowDriver::ClickButton(L"&Sim"));
    dlg.MsgConfirmation(L"c");
  }
  {
    TWindowDriver driver(L"Informação", TWindowDriver::ClickButton(L"&OK"));
    dlg.MsgInformation(L"i");
  }
  {
    TWindowDriver driver(L"Atenção", TWindowDriver::ClickButton(L"&OK"));
    dlg.MsgWarning(L"w");
  }
  EXPECT_EQ(dlg.Beeps, (std::vector<UINT>{0x10, 0x20, 1, 0x30}));
}

TEST(MsgDlgSound, ExecutePlaysTheChosenSoundAndNoneIsSilent) {
  TRecordingMsgDlg dlg(nullptr);
  dlg.SetBeepSound(TQoBeepSound::bsAsterix);
  {
    TWindowDriver driver(L"Atenção", TWindowDriver::ClickButton(L"&OK"));
    dlg.Execute();
  }
  dlg.SetBeepSound(TQoBeepSound::bsNone);
  {
    TWindowDriver driver(L"Atenção", TWindowDriver::ClickButton(L"&OK"));
    dlg.Execute();
  }
  EXPECT_EQ(dlg.Beeps, (std::vector<UINT>{0x40}));
}

TEST(MsgDlgSound, TimedMessageIsSilent) {
  TRecordingMsgDlg dlg(nullptr);
  dlg.MsgTime(L"t", 1);
  EXPECT_TRUE(dlg.Beeps.empty());
}
