// How long one step of the copy gauge takes: each Progress change draws the inner area at once
// through the off-screen bitmap. Prints the figures; fails only when a step exceeds 20 ms, far
// above what keeps the copy loop (one step per file, 30 ms pause) smooth.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>

#include "WindowDriver.h"
#include "components/QoGauge.h"
#include "ui/Forms.h"

TEST(GaugeBench, ProgressStepOfTheWizardGauge) {
  TForm form(nullptr);
  form.SetClientSize(630, 100);
  auto* gauge = new TQoGauge(&form);
  gauge->SetParent(&form);
  gauge->SetGaugeStyle(TQoGaugeStyle::gsBar);
  gauge->SetBorderStyle(TBorderStyle::bsSingle);
  gauge->SetBevelStyle(TQoGaugeBevel::bvNone);
  gauge->SetShowPercent(true);
  gauge->SetBounds(30, 30, 570, 19);
  form.Show();
  PumpMessages(50);
  constexpr int steps = 2000;
  gauge->SetMaxValue(steps);
  const auto start = std::chrono::steady_clock::now();
  for (int i = 1; i <= steps; ++i) gauge->SetProgress(i);
  const auto elapsed = std::chrono::steady_clock::now() - start;
  const double perStep =
      std::chrono::duration<double, std::micro>(elapsed).count() / static_cast<double>(steps);
  std::printf("gauge: %d progress steps, %.1f us per step\n", steps, perStep);
  EXPECT_LT(perStep, 20000.0);
}
