// The whole installation of the sample library under Wine, as a user runs it: from starting the
// setup program to its final message, with the pages walked by the driver (which polls every
// 20 ms) and the copy, the build with the fake compiler, the registration, the paths and the
// report to a local listener. The copy's 30 ms pause per file is fixed pacing of the progress
// display, not work: it is printed apart, and the time without it beside the total.
#include <chrono>
#include <cstdio>

#include "SetupProgram.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::duration duration) {
  return std::chrono::duration<double>(duration).count();
}

int SampleLibraryFiles() {
  int count = 0;
  for (const platform::FoundFile& file :
       platform::FindFiles(testing_support::SourcePath(L"samples\\qrvlib\\*")))
    if ((file.attributes & platform::faDirectory) == 0) ++count;
  return count;
}

TEST_F(SetupProgram, WholeInstallationOfTheSampleLibrary) {
  const String setup = BuildSampleSetup(26, Scratch.Path(), Listener.Address());
  const auto start = Clock::now();
  Process = std::make_unique<TDrivenProcess>(setup);
  Driver = std::make_unique<TWizardDriver>(Process->Id());
  const HWND window = Driver->Window(kTitle);
  ASSERT_TRUE(Shows(window, kNext));
  const auto shown = Clock::now();
  WalkToConfirmation(window);
  const auto install = Clock::now();
  TWizardDriver::Click(window, kInstall);
  const HWND message = Driver->Window(kInformation, 60000);
  const auto finished = Clock::now();
  ASSERT_NE(message, nullptr);
  ASSERT_EQ(Listener.Requests().size(), 1u);

  const int files = SampleLibraryFiles();
  const double pacing = files * 0.030;
  std::printf(
      "installation: %.2f s from start to the final message (%.2f s without the copy's pacing); "
      "start to welcome page %.2f s, pages walked %.2f s, Install to final message %.2f s; "
      "copy pacing %d files x 30 ms = %.2f s\n",
      Seconds(finished - start), Seconds(finished - start) - pacing, Seconds(shown - start),
      Seconds(install - shown), Seconds(finished - install), files, pacing);
  Driver->Answer(kInformation, kOk);
}

}  // namespace
