// Start-up time of the setup program under Wine: the real wizard, packed with the sample library
// and started on a machine with a simulated RAD Studio 10.3, from process creation until its
// window is visible; beside it the same for a program that only shows one window, and the time
// the extraction of the same payload takes on its own. Each program is started several times,
// alternating, and the medians are printed with the range of the runs. QRV_SETUP_STUB and
// QRV_MINIMAL_WINDOW in the environment name another pair, such as the shipped 32-bit setup and
// a 32-bit minimal program.
#include "support/TestSupport.h"  // before windows.h, whose macros rename platform functions

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <vector>

#include "SetupBuilder.h"
#include "app/MainTexts.h"
#include "app/Payload.h"
#include "app/PayloadFormat.h"
#include "fixtures/ide/SimulatedIde.h"
#include "platform/Files.h"
#include "platform/Paths.h"

namespace {

using Clock = std::chrono::steady_clock;
using testing_support::ScratchFolder;

constexpr int kRuns = 21;
constexpr auto kStartLimit = std::chrono::seconds(60);

String WindowsPath(const char* buildPath) {
  String path = FromUtf8(buildPath);
  std::replace(path.begin(), path.end(), L'/', L'\\');
  return path;
}

// A program of the benchmark: the one the environment variable names (a Windows path), else the
// one built with it.
String ProgramPath(const wchar_t* variable, const char* builtPath) {
  const wchar_t* chosen = _wgetenv(variable);
  return chosen != nullptr && *chosen != L'\0' ? String(chosen) : WindowsPath(builtPath);
}

String WizardStub() {
  return ProgramPath(L"QRV_SETUP_STUB", QRV_WIZARD_PATH);
}

String MinimalWindow() {
  return ProgramPath(L"QRV_MINIMAL_WINDOW", QRV_MINIMAL_WINDOW_PATH);
}

double MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct TSpread {
  double Median;
  double Least;
  double Most;
};

TSpread SpreadOf(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return {values[values.size() / 2], values.front(), values.back()};
}

// A visible top-level window of the process with the caption.
bool HasVisibleWindow(DWORD processId, const wchar_t* caption) {
  for (HWND window = FindWindowExW(nullptr, nullptr, nullptr, caption); window != nullptr;
       window = FindWindowExW(nullptr, window, nullptr, caption)) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == processId && IsWindowVisible(window)) return true;
  }
  return false;
}

// Starts the program and returns the milliseconds from its creation until a top-level window
// with the caption is visible; the program is then ended. Until the program first waits for
// input nothing is asked of the system (window events of other processes do not reach us under
// Wine); from then on the windows are looked up every millisecond. A program waits for input
// only once its pending paints are done, so the first paint of the window is counted.
double MillisecondsToVisibleWindow(const String& program, const wchar_t* caption) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  String commandLine = L"\"" + program + L"\"";
  const Clock::time_point start = Clock::now();
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &process)) {
    ADD_FAILURE() << "cannot start " << ToUtf8(program) << ": error " << GetLastError();
    return 0;
  }
  const DWORD limitMs = static_cast<DWORD>(
      std::chrono::duration_cast<std::chrono::milliseconds>(kStartLimit).count());
  WaitForInputIdle(process.hProcess, limitMs);
  double elapsed = -1;
  while (elapsed < 0 && Clock::now() - start < kStartLimit) {
    if (HasVisibleWindow(process.dwProcessId, caption)) {
      elapsed = MillisecondsSince(start);
    } else if (WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0) {
      break;  // ended without showing its window
    }
  }
  EXPECT_GE(elapsed, 0) << ToUtf8(program) << " showed no window \"" << ToUtf8(caption) << "\"";
  TerminateProcess(process.hProcess, 0);
  WaitForSingleObject(process.hProcess, INFINITE);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return elapsed;
}

// The numbered folders of the system temporary folder, where the wizard extracts its payload.
std::set<String> TemporaryFolders() {
  std::set<String> folders;
  for (const auto& entry : platform::FindFiles(SystemTempFolder() + L"*")) {
    if ((entry.attributes & platform::faDirectory) != 0) folders.insert(entry.name);
  }
  return folders;
}

class StartupBench : public ::testing::Test {
 protected:
  void SetUp() override {
    RemoveSimulatedIdes();
    InstallSimulatedIde(RadStudio103(Scratch / L"RAD Studio"));
    TBuildOptions options;
    options.Stub = WizardStub();
    options.From = testing_support::SourcePath(L"samples\\qrvlib");
    options.Output = Setup();
    options.Version = 26;
    options.Package = L"Personalizado";
    BuildSetup(options);
    FFoldersBefore = TemporaryFolders();
  }

  void TearDown() override {
    RemoveSimulatedIdes();
    for (const String& folder : TemporaryFolders()) {
      if (FFoldersBefore.count(folder) == 0 &&
          platform::FileExists(SystemTempFolder() + folder + L"\\" + kArchiveFileName))
        testing_support::RemoveTree(SystemTempFolder() + folder);
    }
  }

  String Setup() const { return Scratch / L"qrvsetup-d26.exe"; }

  ScratchFolder Scratch;
  std::set<String> FFoldersBefore;
};

TEST_F(StartupBench, WizardWindowAgainstMinimalWindowAndExtraction) {
  std::vector<double> extraction;
  for (int run = 0; run < kRuns; ++run) {
    const String folder = Scratch / (L"extract" + std::to_wstring(run));
    platform::ForceDirectories(folder);
    TInstallerState state;
    const Clock::time_point start = Clock::now();
    ExtractPayloadTo(state, Setup(), folder);
    extraction.push_back(MillisecondsSince(start));
    EXPECT_GT(state.ExtractedFiles.Count(), 0);
  }

  std::vector<double> minimal;
  std::vector<double> wizard;
  // One start of each first, not counted: the first start of a program loads Wine's libraries.
  MillisecondsToVisibleWindow(MinimalWindow(), L"Minimal window");
  MillisecondsToVisibleWindow(Setup(), MainTexts::Caption);
  for (int run = 0; run < kRuns; ++run) {
    minimal.push_back(MillisecondsToVisibleWindow(MinimalWindow(), L"Minimal window"));
    wizard.push_back(MillisecondsToVisibleWindow(Setup(), MainTexts::Caption));
  }

  const TSpread minimalMs = SpreadOf(minimal);
  const TSpread wizardMs = SpreadOf(wizard);
  const TSpread extractionMs = SpreadOf(extraction);
  const double goalMs = 1.5 * minimalMs.Median + extractionMs.Median;
  std::printf(
      "start-up to a visible window (median of %d, range in brackets): wizard %.1f ms "
      "[%.1f-%.1f], minimal window %.1f ms [%.1f-%.1f], extraction of the sample payload alone "
      "%.1f ms [%.1f-%.1f]; goal 1.5 x minimal + extraction = %.1f ms: %s\n",
      kRuns, wizardMs.Median, wizardMs.Least, wizardMs.Most, minimalMs.Median, minimalMs.Least,
      minimalMs.Most, extractionMs.Median, extractionMs.Least, extractionMs.Most, goalMs,
      wizardMs.Median <= goalMs ? "met" : "missed");
}

}  // namespace
