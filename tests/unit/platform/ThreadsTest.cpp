// The second thread and the monitor: a thread's work is seen once it is joined, the owner's
// destructor waits for it, and two threads hand values back and forth through a monitor
// without losing a notification.
#include <gtest/gtest.h>

#include <vector>

#include "platform/Threads.h"

namespace {

using platform::TMonitor;
using platform::TMonitorLock;
using platform::TThread;

TEST(Thread, WorkDoneByTheThreadIsSeenAfterJoin) {
  std::vector<int> squares;
  TThread thread([&] {
    for (int i = 0; i < 1000; ++i) squares.push_back(i * i);
  });
  thread.Join();
  ASSERT_EQ(squares.size(), 1000u);
  EXPECT_EQ(squares[999], 999 * 999);
}

TEST(Thread, JoinTwiceReturnsAtOnce) {
  int runs = 0;
  TThread thread([&] { ++runs; });
  thread.Join();
  thread.Join();
  EXPECT_EQ(runs, 1);
}

TEST(Thread, DestructorWaitsForAThreadThatIsStillWaiting) {
  TMonitor monitor;
  bool released = false;
  bool finished = false;
  {
    TThread thread([&] {
      TMonitorLock lock(monitor);
      while (!released) monitor.Wait();
      finished = true;
    });
    TMonitorLock lock(monitor);
    released = true;
    monitor.NotifyAll();
  }
  EXPECT_TRUE(finished);
}

TEST(Monitor, TwoThreadsTakeTurnsWithoutLosingANotification) {
  constexpr int kTurns = 2000;
  TMonitor monitor;
  int value = 0;  // the thread makes it odd, the test makes it even again
  TThread thread([&] {
    for (int turn = 0; turn < kTurns; ++turn) {
      TMonitorLock lock(monitor);
      while (value % 2 != 0) monitor.Wait();
      ++value;
      monitor.NotifyAll();
    }
  });
  for (int turn = 0; turn < kTurns; ++turn) {
    TMonitorLock lock(monitor);
    while (value % 2 == 0) monitor.Wait();
    ++value;
    monitor.NotifyAll();
  }
  thread.Join();
  EXPECT_EQ(value, 2 * kTurns);
}

}  // namespace
