// The registration page's build step on the real window, after a real copy: a simulated RAD
// Studio 10.3 whose dcc32.exe is the fake compiler. The final message and state after a
// successful and a failed build, and an error raised inside the step going to the application's
// default error display with the run left unfinished and no report sent.
#include "WizardFixture.h"

#include <filesystem>

#include "fixtures/fakedcc/FakeCompilerFolder.h"
#include "fixtures/report/ReportListener.h"

namespace {

constexpr const wchar_t* kSuccess = L"A instalação dos componentes foi concluída com sucesso!";
constexpr const wchar_t* kFailure =
    L"Ocorreu um erro e não foi possível concluir a instalação. Verique|a causa do erro nas "
    L"informações no log de registro.||<b>Importante:<b>|Você poderá realizar a instalação "
    L"manual abrindo o arquivo <b>QRVLib260.dpk<b>|que se encontra na pasta escolhida para "
    L"instalação dos componentes.";

class WizardInstall : public WizardWindow {
 protected:
  void SetUp() override {
    WizardWindow::SetUp();
    WriteLibraryFile(L"QRVLib260.res", "package resource");
    BuildSetupFile();
    // std::filesystem: windows.h renames the platform's CopyFile and DeleteFile here.
    std::filesystem::copy_file(Compiler.NativeExePath(),
                               std::filesystem::path(IdeBin() + L"dcc32.exe"));
  }

  // Opens the window and installs into a folder of the test's own. With answerOutcome, the final
  // message is answered with "&OK" whether it tells of success or of failure, so that an
  // unexpected outcome fails the test on the message's text rather than leaving it open.
  void Install(bool answerOutcome) {
    std::unique_ptr<TWindowDriver> answer;
    if (answerOutcome)
      answer = std::make_unique<TWindowDriver>(std::vector<String>{L"Informação", L"Erro"},
                                               AnswerDialogs(L"&OK", 1));
    Open(SetupFile());
    Form().State().ReportServer = Listener.Address();
    WalkTo(4);
    if (answer) {
      ASSERT_TRUE(answer->Done());
    }
  }

  String Remembered() {
    auto key = platform::RegistryKey::Open(platform::RegRoot::LocalMachine, kDestinationKey);
    return key ? key->ReadString(kDestinationValue).value_or(L"") : L"";
  }

  TFakeCompiler Compiler;
  TReportListener Listener;
};

TEST_F(WizardInstall, SuccessTellsTheUserAndLeavesOnlyTheCloseButton) {
  Install(true);
  ASSERT_EQ(Answered().size(), 1u);
  EXPECT_EQ(Answered()[0], kSuccess);
  EXPECT_EQ(Form().BtnCancelar->Caption(), L"Fechar");
  EXPECT_FALSE(Form().BtnVoltar->Enabled());
  EXPECT_FALSE(Form().BtnAvancar->Enabled());
  EXPECT_TRUE(Form().State().Finished);
  EXPECT_EQ(Remembered(), Form().LabCaminho->Caption());
  EXPECT_TRUE(Listener.WaitForRequests(1, 5000));
  Click(Form().BtnCancelar);
  EXPECT_FALSE(WindowVisible());
}

TEST_F(WizardInstall, FailedBuildNamesThePackageProjectAndRemembersNothing) {
  WriteTextFile(IdeBin() + L"dcc32.script", "out Fatal: F2613 Unit 'Vcl' not found.\nexit 1\n");
  Install(true);
  ASSERT_EQ(Answered().size(), 1u);
  EXPECT_EQ(Answered()[0], kFailure);
  EXPECT_EQ(Form().BtnCancelar->Caption(), L"Fechar");
  EXPECT_TRUE(Form().State().Finished);
  EXPECT_EQ(Remembered(), L"");
  ASSERT_TRUE(Listener.WaitForRequests(1, 5000));
  EXPECT_NE(Listener.Requests()[0].find("&erro=1&"), std::string::npos);
}

TEST_F(WizardInstall, ErrorInsideTheStepGoesToTheDefaultDisplayAndLeavesTheRunOpen) {
  std::filesystem::remove(std::filesystem::path(IdeBin() + L"dcc32.exe"));
  Install(false);
  EXPECT_EQ(Errors(), std::vector<String>{L"dcc32.exe not found"});
  EXPECT_FALSE(Form().State().Finished);
  EXPECT_EQ(Form().BtnCancelar->Caption(), L"&Cancelar");
  EXPECT_EQ(Remembered(), L"");
  EXPECT_FALSE(Listener.WaitForRequests(1, kNoDialogMs));
  TWindowDriver confirmation(L"Confirmação", TWindowDriver::ClickButton(L"&Não"));
  Click(Form().BtnCancelar);
  EXPECT_TRUE(confirmation.Done());
  EXPECT_TRUE(WindowVisible());
}

}  // namespace
