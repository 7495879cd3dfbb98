// The installation a user runs, end to end: the real setup program names the IDE on its welcome
// page, copies the sample library, patches its package project, builds it with the simulated RAD
// Studio's compiler (the fake dcc32.exe, which records its command line), registers it, extends
// the IDE's library paths, remembers the destination and reports to the listener; on RAD Studio
// 10.3, 10.4, 11, 12 and 13 alike. Outcomes are read back from the prefix's registry and files,
// the fake compiler's record and the listener; the program itself is only seen through its
// windows and the pixels of its welcome page.
#include "SetupProgram.h"

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "InstallationE2eSupport.h"
#include "ScreenText.h"
#include "fixtures/fakedcc/FakeCompilerFolder.h"

namespace {

using Clock = std::chrono::steady_clock;

// The welcome page's line naming the package and the IDE, in the font it is drawn in.
constexpr TScreenFont kPackageLineFont{L"Segoe UI", 10, true};
const wchar_t* const kPathValues[] = {L"Search Path", L"Browsing Path", L"Debug DCU Path"};
const char* const kEnvOptionPaths[] = {"DelphiLibraryPath", "DelphiBrowsingPath",
                                       "DelphiDebugDCUPath"};

class Installation : public SetupProgram {
 protected:
  // Starts the setup, walks to the confirmation page and presses "&Instalar": the copy and the
  // build run inside that click. Returns the main window.
  HWND StartAndInstall(const std::optional<String>& reportServer = std::nullopt) {
    const HWND window = Start(reportServer);
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

  String Destination() const { return DefaultDestination(Target().Version); }
  String EnvOptionsFile() const {
    return SimulatedEnvOptionsFolder(Target().Bds) + L"\\EnvOptions.proj";
  }
  String Bpl() const {
    return SimulatedCommonDir(Target().Bds) + L"\\Bpl\\" + SampleProjectName(Target().Version) +
           L".bpl";
  }
  // A string value under the IDE's per-user key.
  std::optional<String> IdeValue(const String& subKey, const String& name) const {
    return UserValue(Target().Bds, subKey, name);
  }
};

// The same installation for each generation of RAD Studio.
class InstallationOnEachGeneration : public Installation,
                                     public ::testing::WithParamInterface<TIdeGeneration> {
 protected:
  TIdeGeneration Target() const override { return GetParam(); }

  // The welcome page's package line for a generation.
  static String PackageLine(const TIdeGeneration& generation) {
    return L"Package: Personalizado para " + String(generation.DisplayName) + L".";
  }
};

TEST_P(InstallationOnEachGeneration, NamesTheIdeThenCopiesBuildsRegistersRemembersAndReports) {
  const String destination = Destination();
  const String project = SampleProjectName(Target().Version);
  const std::string envOptionsBefore = ReadBytes(EnvOptionsFile());

  // The welcome page names this generation's IDE and no other.
  const HWND window = Start();
  ASSERT_TRUE(Shows(window, kNext));
  EXPECT_TRUE(ShowsText(window, PackageLine(Target()), kPackageLineFont))
      << ToUtf8(PackageLine(Target()));
  for (const TIdeGeneration& other : kIdeGenerations) {
    if (other.Version == Target().Version) continue;
    EXPECT_FALSE(ShowsText(window, PackageLine(other), kPackageLineFont))
        << ToUtf8(PackageLine(other));
  }

  WalkToConfirmation(window);
  TWizardDriver::Click(window, kInstall);
  AnswerFinalMessage(window, kInformation);

  // The files of the library in the destination, and the package project naming them.
  for (const wchar_t* name : {L"QrvAboutDlg.pas", L"QrvAboutDlg.dfm", L"QrvAboutDlg.dcr",
                              L"QrvConsts.pas", L"QrvTitlePanel.pas"})
    EXPECT_TRUE(platform::FileExists(destination + L"\\" + name)) << ToUtf8(name);
  EXPECT_TRUE(platform::FileExists(destination + L"\\" + project + L".res"));
  const std::string source = ReadBytes(destination + L"\\" + project + L".dpk");
  EXPECT_EQ(source.rfind("package " + ToUtf8(project) + ";", 0), 0u) << source;
  EXPECT_NE(source.find("{$R *.res}\r\n{$R 'QrvAboutDlg.dcr'}\r\n{$R 'QrvColorLabel.dcr'}\r\n"
                        "{$R 'QrvLedIndicator.dcr'}\r\n{$R 'QrvNumEdit.dcr'}\r\n"
                        "{$R 'QrvPickListDlg.dcr'}\r\n{$R 'QrvTitlePanel.dcr'}\r\n"),
            std::string::npos)
      << source;
  EXPECT_NE(source.find("contains\r\n  QrvAboutDlg in 'QrvAboutDlg.pas',\r\n"
                        "  QrvColorLabel in 'QrvColorLabel.pas',\r\n"
                        "  QrvConsts in 'QrvConsts.pas',\r\n"
                        "  QrvLedIndicator in 'QrvLedIndicator.pas',\r\n"
                        "  QrvNumEdit in 'QrvNumEdit.pas',\r\n"
                        "  QrvPickListDlg in 'QrvPickListDlg.pas',\r\n"
                        "  QrvTitlePanel in 'QrvTitlePanel.pas';\r\n\r\nend."),
            std::string::npos)
      << source;

  // One compiler run with the installer's option list, "--no-config" first and the unit scope
  // option that lets the unscoped unit names of the library compile.
  const std::vector<TFakeRun> runs = CompilerRuns();
  ASSERT_EQ(runs.size(), 1u);
  const String commandLine = runs[0].at("commandline").at(0);
  EXPECT_NE(commandLine.find(L" -NS\"Winapi;System.Win;"), String::npos) << ToUtf8(commandLine);
  EXPECT_EQ(commandLine, ExpectedCommandLine(Target(), Ide.RootDir, destination));
  EXPECT_TRUE(platform::FileExists(Bpl()));

  // Registered under the generation's own version key, on the three library paths once,
  // remembered. The description as the package source writes it, apostrophes included.
  EXPECT_EQ(IdeValue(L"Known Packages", Bpl()),
            std::optional<String>(L"'QRV Library - Components'"));
  for (const wchar_t* value : kPathValues)
    EXPECT_EQ(PathCount(IdeValue(L"Library\\Win32", value).value_or(L""), destination), 1)
        << ToUtf8(value);
  const std::string envOptions = ReadBytes(EnvOptionsFile());
  for (const char* element : kEnvOptionPaths)
    EXPECT_EQ(PathCount(FromUtf8(Win32EnvOption(envOptions, element)), destination), 1) << element;
  EXPECT_NE(envOptions, envOptionsBefore);
  EXPECT_FALSE(platform::FileExists(EnvOptionsFile() + L".bak"));
  EXPECT_EQ(InstallerValue(RememberedName()), std::optional<String>(destination));

  // The report: the exact request, its log being the one the user sees.
  ASSERT_EQ(Listener.Requests().size(), 1u);
  const std::vector<String> boxes = TWizardDriver::TextBoxes(window);
  ASSERT_EQ(boxes.size(), 1u);  // the log of the registration page
  EXPECT_NE(boxes[0].find(L"--no-config -B"), String::npos);
  EXPECT_EQ(boxes[0].find(L"W1058"), String::npos);
  EXPECT_EQ(Listener.Requests()[0],
            ExpectedReport(Listener.Port(), "versao=" + std::to_string(Target().Version) +
                                                "&fonte=1&erro=0&msg=" + FormEncoded(boxes[0])));

  // "Fechar" closes at once: the program ends without asking.
  TWizardDriver::Click(window, kClose);
  EXPECT_EQ(Process->WaitForExit(), std::optional<DWORD>(0));
}

INSTANTIATE_TEST_SUITE_P(RadStudio, InstallationOnEachGeneration,
                         ::testing::ValuesIn(kIdeGenerations),
                         [](const ::testing::TestParamInfo<TIdeGeneration>& info) {
                           return "Version" + std::to_string(info.param.Version);
                         });

TEST_F(Installation, FailingCompileShowsTheErrorReportsItAndRegistersNothing) {
  WriteFakeScript(
      Ide.RootDir + L"\\bin\\dcc32.script",
      "out QrvNumEdit.pas(12) Error: E2003 Undeclared identifier: 'Valor'\n"
      "out QRVLib260.dpk(40) Fatal: F2063 Could not compile used unit 'QrvNumEdit.pas'\n"
      "exit 1\n");
  const String searchPathBefore = IdeValue(L"Library\\Win32", L"Search Path").value_or(L"");
  const HWND window = StartAndInstall();
  AnswerFinalMessage(window, kError);

  const std::vector<String> boxes = TWizardDriver::TextBoxes(window);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_NE(boxes[0].find(L"Error: E2003 Undeclared identifier: 'Valor'"), String::npos);
  ASSERT_EQ(Listener.Requests().size(), 1u);
  EXPECT_NE(Listener.Requests()[0].find("\r\n\r\nversao=26&fonte=1&erro=1&msg="),
            std::string::npos);
  EXPECT_FALSE(IdeValue(L"Known Packages", Bpl()).has_value());
  EXPECT_EQ(IdeValue(L"Library\\Win32", L"Search Path").value_or(L""), searchPathBefore);
  EXPECT_EQ(ReadBytes(EnvOptionsFile()).find(ToUtf8(Destination())), std::string::npos);
  EXPECT_FALSE(InstallerValue(RememberedName()).has_value());

  TWizardDriver::Click(window, kClose);
  EXPECT_EQ(Process->WaitForExit(), std::optional<DWORD>(0));
}

TEST_F(Installation, SecondInstallationGoesToTheRememberedFolderWithoutRepeatingPaths) {
  const HWND first = StartAndInstall();
  AnswerFinalMessage(first, kInformation);
  TWizardDriver::Click(first, kClose);
  ASSERT_TRUE(Process->WaitForExit().has_value());
  // std::filesystem: windows.h renames the platform's DeleteFile here.
  std::filesystem::remove(std::filesystem::path(Destination() + L"\\QrvConsts.pas"));

  const HWND window = Start();
  WalkToDestination(window);
  EXPECT_FALSE(TWizardDriver::Enabled(window, kChange));
  TWizardDriver::Click(window, kNext);
  TWizardDriver::Click(window, kInstall);
  AnswerFinalMessage(window, kInformation);

  EXPECT_TRUE(platform::FileExists(Destination() + L"\\QrvConsts.pas"));  // copied again
  EXPECT_EQ(CompilerRuns().size(), 2u);
  for (const wchar_t* value : kPathValues)
    EXPECT_EQ(PathCount(IdeValue(L"Library\\Win32", value).value_or(L""), Destination()), 1)
        << ToUtf8(value);
  const std::string envOptions = ReadBytes(EnvOptionsFile());
  for (const char* element : kEnvOptionPaths)
    EXPECT_EQ(PathCount(FromUtf8(Win32EnvOption(envOptions, element)), Destination()), 1)
        << element;
  EXPECT_EQ(InstallerValue(RememberedName()), std::optional<String>(Destination()));
}

TEST_F(Installation, ReportServerThatDoesNotListenDoesNotHoldTheFinalMessage) {
  String closedServer;
  {
    TReportListener gone;
    closedServer = gone.Address();
  }
  const HWND window = StartAndInstall(closedServer);
  AnswerFinalMessage(window, kInformation);
  EXPECT_EQ(InstallerValue(RememberedName()), std::optional<String>(Destination()));
}

TEST_F(Installation, ReportServerThatNeverAnswersDelaysTheFinalMessageByTheTimeOutAtMost) {
  TReportListener silent(TReportListener::TAnswer::Silent);
  const HWND window = StartAndInstall(silent.Address());
  ASSERT_TRUE(silent.WaitForRequests(1, kDriverTimeoutMs));
  const auto sent = Clock::now();
  // The receive gives up after 10 s; the message follows at once.
  AnswerFinalMessage(window, kInformation, 10000 + kDriverTimeoutMs);
  EXPECT_LT(Clock::now() - sent, std::chrono::milliseconds(10000 + kDriverTimeoutMs));
  EXPECT_EQ(InstallerValue(RememberedName()), std::optional<String>(Destination()));
}

TEST_F(Installation, TamperedPayloadIsRefusedBeforeAnythingIsCopied) {
  const String setup = BuildSampleSetup(Target().Version, Scratch.Path(), Listener.Address());
  TamperWithArchive(setup);
  const std::vector<String> tempBefore = TempFolderEntries();
  Process = std::make_unique<TDrivenProcess>(setup);
  Driver = std::make_unique<TWizardDriver>(Process->Id());
  Driver->Answer(kError, kOk);
  EXPECT_TRUE(Process->WaitForExit().has_value());
  EXPECT_FALSE(platform::DirectoryExists(Destination()));
  EXPECT_EQ(UnpackedLibraryFiles(tempBefore), 0);
  EXPECT_TRUE(CompilerRuns().empty());
  EXPECT_TRUE(Listener.Requests().empty());
}

}  // namespace
