// The installation a user runs, end to end: the real setup program copies the sample library,
// patches its package project, builds it with the simulated RAD Studio 10.3's compiler (the fake
// dcc32.exe, which records its command line), registers it, extends the IDE's library paths,
// remembers the destination and reports to the listener. Outcomes are read back from the
// prefix's registry and files, the fake compiler's record and the listener; the program itself
// is only seen through its windows.
#include "SetupProgram.h"

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "InstallationE2eSupport.h"
#include "fixtures/fakedcc/FakeCompilerFolder.h"

namespace {

using Clock = std::chrono::steady_clock;

const String kDestination = L"C:\\Quorvane\\QRVComps\\D26";
const wchar_t* const kPathValues[] = {L"Search Path", L"Browsing Path", L"Debug DCU Path"};
const char* const kEnvOptionPaths[] = {"DelphiLibraryPath", "DelphiBrowsingPath",
                                       "DelphiDebugDCUPath"};

class Installation : public SetupProgram {
 protected:
  // Starts the setup, walks to the confirmation page and presses "&Instalar": the copy and the
  // build run inside that click. Returns the main window.
  HWND StartAndInstall(const std::optional<String>& reportServer = std::nullopt) {
    const HWND window = Start(26, reportServer);
    WalkToConfirmation(window);
    TWizardDriver::Click(window, kInstall);
    return window;
  }

  // Answers the final message, titled title, and waits for the window's final state.
  void AnswerFinalMessage(HWND window, const String& title, DWORD timeoutMs = kDriverTimeoutMs) {
    Driver->Answer(title, kOk, timeoutMs);
    ASSERT_TRUE(Shows(window, kClose));
  }

  // The fake compiler's runs, as it recorded them beside itself.
  std::vector<TFakeRun> CompilerRuns() const {
    return ReadFakeRuns(Ide.RootDir + L"\\bin\\dcc32.record");
  }

  String EnvOptionsFile() const { return SimulatedEnvOptionsFolder(20) + L"\\EnvOptions.proj"; }
  String Bpl() const { return SimulatedCommonDir(20) + L"\\Bpl\\QRVLib260.bpl"; }
};

TEST_F(Installation, CopiesBuildsRegistersRemembersAndReports) {
  const std::string envOptionsBefore = ReadBytes(EnvOptionsFile());
  const HWND window = StartAndInstall();
  AnswerFinalMessage(window, kInformation);

  // The files of the library in the destination, and the package project naming them.
  for (const wchar_t* name : {L"QrvAboutDlg.pas", L"QrvAboutDlg.dfm", L"QrvAboutDlg.dcr",
                              L"QrvConsts.pas", L"QrvTitlePanel.pas", L"QRVLib260.res"})
    EXPECT_TRUE(platform::FileExists(kDestination + L"\\" + name)) << ToUtf8(name);
  const std::string project = ReadBytes(kDestination + L"\\QRVLib260.dpk");
  EXPECT_NE(project.find("{$R *.res}\r\n{$R 'QrvAboutDlg.dcr'}\r\n{$R 'QrvColorLabel.dcr'}\r\n"
                         "{$R 'QrvLedIndicator.dcr'}\r\n{$R 'QrvNumEdit.dcr'}\r\n"
                         "{$R 'QrvPickListDlg.dcr'}\r\n{$R 'QrvTitlePanel.dcr'}\r\n"),
            std::string::npos)
      << project;
  EXPECT_NE(project.find("contains\r\n  QrvAboutDlg in 'QrvAboutDlg.pas',\r\n"
                         "  QrvColorLabel in 'QrvColorLabel.pas',\r\n"
                         "  QrvConsts in 'QrvConsts.pas',\r\n"
                         "  QrvLedIndicator in 'QrvLedIndicator.pas',\r\n"
                         "  QrvNumEdit in 'QrvNumEdit.pas',\r\n"
                         "  QrvPickListDlg in 'QrvPickListDlg.pas',\r\n"
                         "  QrvTitlePanel in 'QrvTitlePanel.pas';\r\n\r\nend."),
            std::string::npos)
      << project;

  // One compiler run with the installer's option list for "d26", "--no-config" first.
  const std::vector<TFakeRun> runs = CompilerRuns();
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(runs[0].at("commandline").at(0),
            ExpectedCommandLine(Ide.RootDir, SimulatedCommonDir(20), kDestination));
  EXPECT_TRUE(platform::FileExists(Bpl()));

  // Registered, on the three library paths once, remembered.
  // The description as the package source writes it, apostrophes included.
  EXPECT_EQ(UserValue(L"Known Packages", Bpl()),
            std::optional<String>(L"'QRV Library - Components'"));
  for (const wchar_t* value : kPathValues)
    EXPECT_EQ(PathCount(UserValue(L"Library\\Win32", value).value_or(L""), kDestination), 1)
        << ToUtf8(value);
  const std::string envOptions = ReadBytes(EnvOptionsFile());
  for (const char* element : kEnvOptionPaths)
    EXPECT_EQ(PathCount(FromUtf8(Win32EnvOption(envOptions, element)), kDestination), 1) << element;
  EXPECT_NE(envOptions, envOptionsBefore);
  EXPECT_FALSE(platform::FileExists(EnvOptionsFile() + L".bak"));
  EXPECT_EQ(InstallerValue(L"Caminho D26"), std::optional<String>(kDestination));

  // The report: the exact request, its log being the one the user sees.
  ASSERT_EQ(Listener.Requests().size(), 1u);
  const std::vector<String> boxes = TWizardDriver::TextBoxes(window);
  ASSERT_EQ(boxes.size(), 1u);  // the log of the registration page
  EXPECT_NE(boxes[0].find(L"--no-config -B"), String::npos);
  EXPECT_EQ(boxes[0].find(L"W1058"), String::npos);
  EXPECT_EQ(
      Listener.Requests()[0],
      ExpectedReport(Listener.Port(), "versao=26&fonte=1&erro=0&msg=" + FormEncoded(boxes[0])));

  // "Fechar" closes at once: the program ends without asking.
  TWizardDriver::Click(window, kClose);
  EXPECT_EQ(Process->WaitForExit(), std::optional<DWORD>(0));
}

TEST_F(Installation, FailingCompileShowsTheErrorReportsItAndRegistersNothing) {
  WriteFakeScript(
      Ide.RootDir + L"\\bin\\dcc32.script",
      "out QrvNumEdit.pas(12) Error: E2003 Undeclared identifier: 'Valor'\n"
      "out QRVLib260.dpk(40) Fatal: F2063 Could not compile used unit 'QrvNumEdit.pas'\n"
      "exit 1\n");
  const String searchPathBefore = UserValue(L"Library\\Win32", L"Search Path").value_or(L"");
  const HWND window = StartAndInstall();
  AnswerFinalMessage(window, kError);

  const std::vector<String> boxes = TWizardDriver::TextBoxes(window);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_NE(boxes[0].find(L"Error: E2003 Undeclared identifier: 'Valor'"), String::npos);
  ASSERT_EQ(Listener.Requests().size(), 1u);
  EXPECT_NE(Listener.Requests()[0].find("\r\n\r\nversao=26&fonte=1&erro=1&msg="),
            std::string::npos);
  EXPECT_FALSE(UserValue(L"Known Packages", Bpl()).has_value());
  EXPECT_EQ(UserValue(L"Library\\Win32", L"Search Path").value_or(L""), searchPathBefore);
  EXPECT_EQ(ReadBytes(EnvOptionsFile()).find(ToUtf8(kDestination)), std::string::npos);
  EXPECT_FALSE(InstallerValue(L"Caminho D26").has_value());

  TWizardDriver::Click(window, kClose);
  EXPECT_EQ(Process->WaitForExit(), std::optional<DWORD>(0));
}

TEST_F(Installation, SecondInstallationGoesToTheRememberedFolderWithoutRepeatingPaths) {
  const HWND first = StartAndInstall();
  AnswerFinalMessage(first, kInformation);
  TWizardDriver::Click(first, kClose);
  ASSERT_TRUE(Process->WaitForExit().has_value());
  // std::filesystem: windows.h renames the platform's DeleteFile here.
  std::filesystem::remove(std::filesystem::path(kDestination + L"\\QrvConsts.pas"));

  const HWND window = Start();
  TWizardDriver::Click(window, kNext);
  TWizardDriver::Check(window, kAgree);
  TWizardDriver::Click(window, kNext);
  ASSERT_TRUE(Shows(window, kChange));
  EXPECT_FALSE(TWizardDriver::Enabled(window, kChange));
  TWizardDriver::Click(window, kNext);
  TWizardDriver::Click(window, kInstall);
  AnswerFinalMessage(window, kInformation);

  EXPECT_TRUE(platform::FileExists(kDestination + L"\\QrvConsts.pas"));  // copied again
  EXPECT_EQ(CompilerRuns().size(), 2u);
  for (const wchar_t* value : kPathValues)
    EXPECT_EQ(PathCount(UserValue(L"Library\\Win32", value).value_or(L""), kDestination), 1)
        << ToUtf8(value);
  const std::string envOptions = ReadBytes(EnvOptionsFile());
  for (const char* element : kEnvOptionPaths)
    EXPECT_EQ(PathCount(FromUtf8(Win32EnvOption(envOptions, element)), kDestination), 1) << element;
  EXPECT_EQ(InstallerValue(L"Caminho D26"), std::optional<String>(kDestination));
}

TEST_F(Installation, ReportServerThatDoesNotListenDoesNotHoldTheFinalMessage) {
  String closedServer;
  {
    TReportListener gone;
    closedServer = gone.Address();
  }
  const HWND window = StartAndInstall(closedServer);
  AnswerFinalMessage(window, kInformation);
  EXPECT_EQ(InstallerValue(L"Caminho D26"), std::optional<String>(kDestination));
}

TEST_F(Installation, ReportServerThatNeverAnswersDelaysTheFinalMessageByTheTimeOutAtMost) {
  TReportListener silent(TReportListener::TAnswer::Silent);
  const HWND window = StartAndInstall(silent.Address());
  ASSERT_TRUE(silent.WaitForRequests(1, kDriverTimeoutMs));
  const auto sent = Clock::now();
  // The receive gives up after 10 s; the message follows at once.
  AnswerFinalMessage(window, kInformation, 10000 + kDriverTimeoutMs);
  EXPECT_LT(Clock::now() - sent, std::chrono::milliseconds(10000 + kDriverTimeoutMs));
  EXPECT_EQ(InstallerValue(L"Caminho D26"), std::optional<String>(kDestination));
}

TEST_F(Installation, TamperedPayloadIsRefusedBeforeAnythingIsCopied) {
  const String setup = BuildSampleSetup(26, Scratch.Path(), Listener.Address());
  TamperWithArchive(setup);
  const std::vector<String> tempBefore = TempFolderEntries();
  Process = std::make_unique<TDrivenProcess>(setup);
  Driver = std::make_unique<TWizardDriver>(Process->Id());
  Driver->Answer(kError, kOk);
  EXPECT_TRUE(Process->WaitForExit().has_value());
  EXPECT_FALSE(platform::DirectoryExists(kDestination));
  EXPECT_EQ(UnpackedLibraryFiles(tempBefore), 0);
  EXPECT_TRUE(CompilerRuns().empty());
  EXPECT_TRUE(Listener.Requests().empty());
}

}  // namespace
