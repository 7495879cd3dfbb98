#include <gtest/gtest.h>

#include "platform/Application.h"
#include "platform/Clock.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

TEST(WaitProcessing, ReturnsOnlyAfterTheTimeHasPassed) {
  TApplicationCore app;
  const uint64_t start = platform::MonotonicMilliseconds();
  WaitProcessing(100);
  EXPECT_GE(platform::MonotonicMilliseconds() - start, 100u);
}

TEST(WaitProcessing, ProcessesMessagesWhileWaiting) {
  TApplicationCore app;
  int rounds = 0;
  app.OnIdleProcess = [&] { ++rounds; };
  WaitProcessing(50);
  EXPECT_GT(rounds, 1);
}

TEST(WaitProcessing, EndsAsSoonAsTheApplicationTerminates) {
  TApplicationCore app;
  const uint64_t start = platform::MonotonicMilliseconds();
  app.OnIdleProcess = [&] {
    if (platform::MonotonicMilliseconds() - start >= 20) app.Terminate();
  };
  WaitProcessing(5000);
  EXPECT_TRUE(app.Terminated());
  EXPECT_LT(platform::MonotonicMilliseconds() - start, 2000u);
}

TEST(WaitProcessing, ApplicationReturnsTheNewestObject) {
  TApplicationCore app;
  EXPECT_EQ(&Application(), &app);
}

#ifdef _WIN32
TEST(WaitProcessing, AQuitMessageTerminatesTheApplication) {
  TApplicationCore app;
  ::PostQuitMessage(0);
  const uint64_t start = platform::MonotonicMilliseconds();
  WaitProcessing(5000);
  EXPECT_TRUE(app.Terminated());
  EXPECT_LT(platform::MonotonicMilliseconds() - start, 2000u);
}

TEST(WindowExists, FindsAWindowByTitleOrClass) {
  HWND window = ::CreateWindowW(L"STATIC", L"Janela de teste QRV", 0, 0, 0, 10, 10, nullptr,
                                nullptr, nullptr, nullptr);
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(WindowExists(L"Janela de teste QRV"));
  EXPECT_TRUE(WindowExists(L"Static"));
  EXPECT_FALSE(WindowExists(L"Nenhuma janela com este nome"));
  ::DestroyWindow(window);
}
#else
TEST(WindowExists, IsAlwaysFalseWithoutWindows) {
  EXPECT_FALSE(WindowExists(L"anything"));
}
#endif

}  // namespace
