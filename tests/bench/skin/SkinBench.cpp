// The cost of the skin on a push button, timed next to the same button without the skin in the
// same run: the mouse entering and leaving (a repaint of that button alone with the skin, none
// without it) and a full paint (WM_PAINT after invalidation: the platform's painting alone, or
// the platform's and the skin's into a memory bitmap copied once). Prints the figures; fails
// only when a skinned hover costs more than 2 ms, which a user would feel as lag.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>

#include "WindowDriver.h"
#include "components/skin/QoSkinPlus.h"
#include "ui/StdCtrls.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kRounds = 500;

double HoverMicroseconds(TButton& button) {
  HWND window = button.Handle();
  const auto start = Clock::now();
  for (int i = 0; i < kRounds; ++i) {
    ::SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(4, 4));
    ::SendMessageW(window, WM_MOUSELEAVE, 0, 0);
  }
  return std::chrono::duration<double, std::micro>(Clock::now() - start).count() / kRounds;
}

double PaintMicroseconds(TButton& button) {
  HWND window = button.Handle();
  const auto start = Clock::now();
  for (int i = 0; i < kRounds; ++i) {
    ::InvalidateRect(window, nullptr, TRUE);
    ::UpdateWindow(window);
  }
  return std::chrono::duration<double, std::micro>(Clock::now() - start).count() / kRounds;
}

TEST(SkinBench, ButtonHoverAndPaint) {
  TForm form(nullptr);
  form.SetBounds(0, 0, 300, 120);
  auto* plain = new TButton(&form);
  plain->SetParent(&form);
  plain->SetBounds(10, 10, 85, 23);
  plain->SetCaption(L"Plain");
  auto* skinned = new TButton(&form);
  skinned->SetParent(&form);
  skinned->SetBounds(10, 50, 85, 23);
  skinned->SetCaption(L"Skinned");
  skinned->SetTag(1);
  form.Show();
  auto* skin = new TQoSkinPlus(&form);
  plain->SetTag(99);
  skin->SetSkipTag(99);  // the plain button keeps the platform's look
  skin->Loaded();
  PumpMessages(50);

  const double plainHover = HoverMicroseconds(*plain);
  const double skinHover = HoverMicroseconds(*skinned);
  const double plainPaint = PaintMicroseconds(*plain);
  const double skinPaint = PaintMicroseconds(*skinned);
  std::printf(
      "skin: hover (enter + leave) %.1f us skinned, %.1f us plain; paint %.1f us skinned, "
      "%.1f us plain\n",
      skinHover, plainHover, skinPaint, plainPaint);
  EXPECT_LT(skinHover, 2000.0);
}

}  // namespace
