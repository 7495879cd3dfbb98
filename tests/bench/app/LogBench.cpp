// A long build's log: 100 000 compiler lines through CompilerOutputLine into MemRegistro, timed
// next to 100 runs of 1 000 lines on an emptied log, in the same run. Equal cost per line in
// both means that an append does not grow with the log. Each figure includes showing the lines
// in the window. Prints the figures; fails only when a line of the long log costs more than ten
// times a line of the short ones.
#include <chrono>
#include <cstdio>

#include "WizardFixture.h"

namespace {

using Clock = std::chrono::steady_clock;

String CompilerLine(int i) {
  return L"QrvNumEdit.pas(" + std::to_wstring(i) +
         L") Hint: H2164 Variable 'Value' is declared but never used in 'TQrvNumEdit.Change'";
}

double FeedMicroseconds(TFrmMain& form, int lines) {
  const auto start = Clock::now();
  for (int i = 0; i < lines; ++i) form.CompilerOutputLine(CompilerLine(i));
  UiApplication().ProcessMessages();
  return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
}

TEST_F(WizardWindow, LogOfALongBuild) {
  OpenAt(0);
  double shortRuns = 0;
  for (int run = 0; run < 100; ++run) {
    Form().MemRegistro->Lines().Clear();
    shortRuns += FeedMicroseconds(Form(), 1000);
  }
  Form().MemRegistro->Lines().Clear();
  const double longRun = FeedMicroseconds(Form(), 100000);
  ASSERT_EQ(Form().MemRegistro->Lines().Count(), 100000);
  std::printf(
      "log: 100 runs of 1 000 lines %.0f ms (%.2f us/line); 100 000 lines %.0f ms "
      "(%.2f us/line)\n",
      shortRuns / 1000, shortRuns / 100000, longRun / 1000, longRun / 100000);
  EXPECT_LT(longRun, 10 * shortRuns);
}

}  // namespace
