// The target installation at start-up: the first of two simulated installations reporting "d26",
// the welcome page's package line, the error when no installation has the setup's version, and
// the warning when a Delphi IDE's main window exists.
#include "WizardFixture.h"

#include "app/TargetInstallation.h"

namespace {

constexpr const wchar_t* kMissing =
    L"O <b>%s<b> parece não estar corretamente instalado neste computador.";

String MissingText(const String& name) {
  String text = kMissing;
  return text.replace(text.find(L"%s"), 2, name);
}

// A hidden top-level window of this process with the title or the class TAppBuilder.
class TFakeDelphiWindow {
 public:
  explicit TFakeDelphiWindow(bool byClass) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = ::DefWindowProcW;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"TAppBuilder";
    ::RegisterClassW(&wc);
    FWindow = ::CreateWindowExW(0, byClass ? L"TAppBuilder" : L"STATIC",
                                byClass ? L"Delphi 10.3" : L"TAppBuilder", WS_OVERLAPPED, 0, 0, 10,
                                10, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
  }
  ~TFakeDelphiWindow() { ::DestroyWindow(FWindow); }
  TFakeDelphiWindow(const TFakeDelphiWindow&) = delete;
  TFakeDelphiWindow& operator=(const TFakeDelphiWindow&) = delete;
  bool Created() const { return FWindow != nullptr; }

 private:
  HWND FWindow = nullptr;
};

TEST_F(WizardWindow, EarlierOfTwoInstallationsReportingD26IsTheTarget) {
  TSimulatedIde later = RadStudio103(Scratch() / L"Studio20Later");
  later.VersionKey = L"20.00";  // read as 20 as well, listed after "20.0"
  InstallSimulatedIde(later);
  TWindowDriver error(L"Erro", TWindowDriver::ClickButton(L"&OK"), kNoDialogMs);
  Open(SetupFile());
  EXPECT_FALSE(error.Done());
  ASSERT_EQ(Form().State().Installations->Count(), 2);
  ASSERT_EQ(Form().State().TargetIndex, 0);
  EXPECT_EQ(Form().State().Installations->Installations(0).RootDir(), Scratch() / L"Studio20");
  EXPECT_FALSE(Form().State().Finished);
}

TEST_F(WizardWindow, WelcomePageNamesThePackageAndTheIde) {
  Open(SetupFile());
  EXPECT_EQ(Form().LabVersao->Caption(),
            L"\r\n\r\nPackage: Personalizado para Delphi XE10.3 - Rio.\r\n\r\n");
}

TEST_F(WizardWindow, VersionWithoutNameAndInstallationShowsAnEmptyBoldName) {
  BuildSetupFile(13);
  TWindowDriver error(L"Erro", AnswerDialogs(L"&OK", 1));
  Open(SetupFile());
  ASSERT_TRUE(error.Done());
  EXPECT_EQ(Answered(), std::vector<String>{MissingText(L"")});
  EXPECT_EQ(Form().State().TargetIndex, -1);
  EXPECT_TRUE(Form().State().Finished);
}

TEST_F(WizardWindow, MissingInstallationClosesTheWindowWithoutAsking) {
  BuildSetupFile(13);
  TWindowDriver error(L"Erro", TWindowDriver::ClickButton(L"&OK"));
  Open(SetupFile());
  ASSERT_TRUE(error.Done());
  TWindowDriver confirmation(L"Confirmação", TWindowDriver::ClickButton(L"&Não"), kNoDialogMs);
  UiApplication().ProcessMessages();
  EXPECT_FALSE(WindowVisible());
  EXPECT_FALSE(confirmation.Done());
}

TEST_F(WizardWindow, MissingInstallationStillFormatsThePackageLine) {
  BuildSetupFile(13);
  TWindowDriver error(L"Erro", TWindowDriver::ClickButton(L"&OK"));
  Open(SetupFile());
  ASSERT_TRUE(error.Done());
  EXPECT_EQ(Form().LabVersao->Caption(), L"\r\n\r\nPackage: Personalizado para .\r\n\r\n");
}

TEST_F(WizardWindow, NoInstallationOfANamedVersionNamesIt) {
  RemoveSimulatedIdes();
  TWindowDriver error(L"Erro", AnswerDialogs(L"&OK", 1));
  Open(SetupFile());
  ASSERT_TRUE(error.Done());
  EXPECT_EQ(Answered(), std::vector<String>{MissingText(L"Delphi XE10.3 - Rio")});
}

TEST_F(WizardWindow, DelphiWindowTitleGivesTheWarningAndTheWizardGoesOn) {
  TFakeDelphiWindow delphi(false);
  ASSERT_TRUE(delphi.Created());
  TWindowDriver warning(L"Atenção", AnswerDialogs(L"&OK", 1));
  Open(SetupFile());
  ASSERT_TRUE(warning.Done());
  EXPECT_EQ(Answered(), std::vector<String>{
                            L"É recomendável que você <b>encerre o Delphi<b> antes de continuar."});
  EXPECT_FALSE(Form().State().Finished);
  EXPECT_TRUE(WindowVisible());
  Click(Form().BtnAvancar);
  EXPECT_EQ(Form().NoteEtapas->ActivePage(), Form().NpgContrato);
}

TEST_F(WizardWindow, DelphiWindowClassGivesTheWarning) {
  TFakeDelphiWindow delphi(true);
  ASSERT_TRUE(delphi.Created());
  TWindowDriver warning(L"Atenção", TWindowDriver::ClickButton(L"&OK"));
  Open(SetupFile());
  EXPECT_TRUE(warning.Done());
}

TEST_F(WizardWindow, NoDelphiWindowNoWarning) {
  TWindowDriver warning(L"Atenção", TWindowDriver::ClickButton(L"&OK"), kNoDialogMs);
  Open(SetupFile());
  EXPECT_FALSE(warning.Done());
}

}  // namespace
