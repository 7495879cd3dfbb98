// The build step's handlers on the real window: the command line the compiler receives for the
// target installation (the driver quotes the unit scope list like a path) (a simulated RAD
// Studio 10.3 with the fake compiler), the log and its warning filter, and the report of the run.
#include "WizardFixture.h"
#include "compiler/IdeDCC32.h"
#include "fixtures/fakedcc/FakeCompilerFolder.h"
#include "fixtures/ide/SimulatedIde.h"
#include "fixtures/ide/TempFolder.h"
#include "fixtures/report/ReportListener.h"
#include "idetools/IdeUtils.h"

namespace {

class WizardBuildStep : public WizardWindow {
 protected:
  void SetUp() override {
    WizardWindow::SetUp();
    RemoveSimulatedIdes();
    Ide = RadStudio103(Folder / L"Studio\\20.0");
    InstallSimulatedIde(Ide);
  }

  // Opens the window, whose catalogue finds the simulated installation as the build's target.
  void OpenForBuild() {
    Open(SetupFile());
    ASSERT_EQ(Form().State().TargetIndex, 0);
  }

  std::vector<String> LogLines() {
    std::vector<String> lines;
    for (int i = 0; i < Form().MemRegistro->Lines().Count(); ++i)
      lines.push_back(Form().MemRegistro->Lines().Strings(i));
    return lines;
  }

  TTempFolder Folder;
  TSimulatedIde Ide;
};

TEST_F(WizardBuildStep, CompilerReceivesTheInstallersListForRadStudio103) {
  OpenForBuild();
  TFakeCompiler fake;
  const String source = fake.MakeFolder(L"src");
  WriteTextFile(source + L"QRVLib260.dpk", "package QRVLib260;\r\ncontains\r\nend.\r\n");
  TIdeDCC32 dcc(fake.BinFolder(), false, 33.0f, csfMsBuild, true, true, L"", L"", L"", L"");
  dcc.SetOnBeforeExecute(
      [this](TIdeBorlandCommandLineTool& tool) { Form().CompilerBeforeExecute(tool); });
  ASSERT_TRUE(dcc.MakePackage(source + L"QRVLib260.dpk", L"C:\\ignored", L"C:\\ignored",
                              L"-ignored", false));

  const String root = Ide.RootDir;
  const String common = SimulatedCommonDir(20);
  const String search = root +
                        L"\\lib\\Win32\\release;C:\\Users\\dev\\Documents\\Embarcadero\\"
                        L"Studio\\20.0\\Imports;" +
                        root + L"\\Imports;" + common + L"\\Dcp\\Win32;" + root + L"\\include";
  const String destination = L"C:\\Quorvane\\QRVComps\\D26";
  const String expected =
      fake.ExePath() + L" \"" + source + L"QRVLib260.dpk\" --no-config -B -$O- -$W+ -$Y- -M -Q " +
      L"-H- -W- -NS\"Winapi;System.Win;Data.Win;Datasnap.Win;Web.Win;Soap.Win;Xml.Win;Bde;System;" +
      L"Xml;Data;Datasnap;Web;Soap;Vcl;Vcl.Imaging;Vcl.Touch;Vcl.Samples;Vcl.Shell\" -U\"" + root +
      L"\\lib\\Win32\\release\" -U\"" + search + L"\" -U\"" + destination + L"\" -I\"" + search +
      L"\" -R\"" + search + L"\" -N0\"" + destination + L"\" -LE\"" + common + L"\\Bpl\" -LN\"" +
      common + L"\\Dcp\"";
  const std::vector<TFakeRun> runs = fake.Runs();
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(runs[0].at("commandline").at(0), expected);
  EXPECT_EQ(runs[0].at("cfg").at(0), L"no");
}

TEST_F(WizardBuildStep, LogShowsLinesInOrderWithoutTheStringCastWarnings) {
  OpenForBuild();
  Form().CompilerOutputLine(L"Embarcadero Delphi for Win32 compiler version 33.0");
  Form().CompilerOutputLine(L"QrvConsts.pas(40) Warning: W1058 Implicit string cast");
  Form().CompilerOutputLine(L"QrvConsts.pas(12) Warning: W1057 Implicit string cast");
  Form().CompilerOutputLine(L"Warning: W1058");
  Form().CompilerOutputLine(L"QrvConsts.pas(9) warning: w1058 written in lower case");
  Form().CompilerOutputLine(L"QrvConsts.pas(7) Warning: W1059 another warning");
  Form().CompilerOutputLine(L"");
  Form().CompilerOutputLine(L"150 lines, 0.12 seconds.");
  EXPECT_EQ(LogLines(), (std::vector<String>{
                            L"Embarcadero Delphi for Win32 compiler version 33.0",
                            L"QrvConsts.pas(9) warning: w1058 written in lower case",
                            L"QrvConsts.pas(7) Warning: W1059 another warning",
                            L"",
                            L"150 lines, 0.12 seconds.",
                        }));
}

TEST_F(WizardBuildStep, LogLinesReachTheWindowWhenMessagesAreHandled) {
  OpenForBuild();
  Form().CompilerOutputLine(L"first");
  Form().CompilerOutputLine(L"second");
  UiApplication().ProcessMessages();
  const HWND memo = Form().MemRegistro->Handle();
  EXPECT_EQ(SendMessageW(memo, EM_GETLINECOUNT, 0, 0), 3);  // two lines and the empty last one
  wchar_t text[64] = {};
  GetWindowTextW(memo, text, 64);
  EXPECT_EQ(String(text), L"first\r\nsecond\r\n");
}

TEST_F(WizardBuildStep, ReportCarriesTheLogWithQuotesForApostrophes) {
  TReportListener listener;
  OpenForBuild();
  Form().State().ReportServer = listener.Address();
  Form().CompilerOutputLine(L"Fatal: F1026 File not found: 'QrvNumEdit.pas'");
  Form().CompilerOutputLine(L"ação");
  Form().SendInstallationReport(true);
  ASSERT_TRUE(listener.WaitForRequests(1, 5000));
  const std::string request = listener.Requests().at(0);
  const std::string body =
      "versao=26&fonte=1&erro=1&msg=Fatal%3A+F1026+File+not+found%3A+%22QrvNumEdit.pas%22%0D%0A"
      "a%C3%A7%C3%A3o%0D%0A";
  EXPECT_EQ(request.substr(request.find("\r\n\r\n") + 4), body);
}

TEST_F(WizardBuildStep, EmptyLogSendsAnEmptyMsg) {
  TReportListener listener;
  OpenForBuild();
  Form().State().ReportServer = listener.Address();
  Form().SendInstallationReport(false);
  ASSERT_TRUE(listener.WaitForRequests(1, 5000));
  const std::string request = listener.Requests().at(0);
  EXPECT_EQ(request.substr(request.find("\r\n\r\n") + 4), "versao=26&fonte=1&erro=0&msg=");
}

}  // namespace
