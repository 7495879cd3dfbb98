// The close confirmation of the wizard: Cancel, Esc and the close box ask until the run is
// finished; only "&Sim" closes.
#include "WizardFixture.h"
#include "WindowDriver.h"

namespace {

constexpr const wchar_t* kConfirmationCaption = L"Confirmação";

TEST_F(WizardWindow, CancelAnsweredYesClosesWindow) {
  Open(SetupFile());
  TWindowDriver answer(kConfirmationCaption, TWindowDriver::ClickButton(L"&Sim"));
  Click(Form().BtnCancelar);
  EXPECT_TRUE(answer.Done());
  EXPECT_FALSE(WindowVisible());
}

TEST_F(WizardWindow, CancelAnsweredNoKeepsWindowOpen) {
  Open(SetupFile());
  TWindowDriver answer(kConfirmationCaption, TWindowDriver::ClickButton(L"&Não"));
  Click(Form().BtnCancelar);
  EXPECT_TRUE(answer.Done());
  EXPECT_TRUE(WindowVisible());
}

TEST_F(WizardWindow, CancelAnsweredNoKeepsPageAndButtons) {
  OpenAt(3);
  TWindowDriver answer(kConfirmationCaption, TWindowDriver::ClickButton(L"&Não"));
  Click(Form().BtnCancelar);
  ASSERT_TRUE(answer.Done());
  EXPECT_EQ(Form().NoteEtapas->ActivePage(), Form().NpgConfirmar);
  EXPECT_EQ(Form().BtnAvancar->Caption(), L"&Instalar");
  EXPECT_TRUE(Form().ChxContrato->Checked());
}

TEST_F(WizardWindow, CancelAnsweredEscKeepsWindowOpen) {
  Open(SetupFile());
  TWindowDriver answer(kConfirmationCaption, TWindowDriver::PressKey(VK_ESCAPE));
  Click(Form().BtnCancelar);
  EXPECT_TRUE(answer.Done());
  EXPECT_TRUE(WindowVisible());
}

TEST_F(WizardWindow, EscInWindowAsksLikeCancel) {
  OpenAt(1);
  TWindowDriver answer(kConfirmationCaption, TWindowDriver::ClickButton(L"&Sim"));
  PressEscape(Form().ChxContrato);
  EXPECT_TRUE(answer.Done());
  EXPECT_FALSE(WindowVisible());
}

TEST_F(WizardWindow, EscInAgreementTextAsksLikeCancel) {
  OpenAt(1);
  TWindowDriver answer(kConfirmationCaption, TWindowDriver::ClickButton(L"&Não"));
  PressEscape(Form().MemContrato);
  EXPECT_TRUE(answer.Done());
  EXPECT_TRUE(WindowVisible());
}

TEST_F(WizardWindow, CloseBoxAsksForConfirmation) {
  Open(SetupFile());
  TWindowDriver answer(kConfirmationCaption, TWindowDriver::ClickButton(L"&Não"));
  SendMessageW(Form().Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
  UiApplication().ProcessMessages();
  EXPECT_TRUE(answer.Done());
  EXPECT_TRUE(WindowVisible());
}

TEST_F(WizardWindow, FinishedRunClosesWithoutAsking) {
  Open(SetupFile());
  Form().State().Finished = true;
  TWindowDriver answer(kConfirmationCaption, TWindowDriver::ClickButton(L"&Não"), kNoDialogMs);
  Click(Form().BtnCancelar);
  EXPECT_FALSE(WindowVisible());
  EXPECT_FALSE(answer.Done());
}

TEST_F(WizardWindow, ClosingForgetsExtractedFiles) {
  Open(SetupFile());
  Form().State().Finished = true;
  Click(Form().BtnCancelar);
  EXPECT_EQ(Form().State().ExtractedFiles.Count(), 0);
}

}  // namespace
