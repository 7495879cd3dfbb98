// A second thread and the monitor through which threads hand work to each other, over the
// system's own primitives (Win32 threads, slim locks and condition variables; POSIX threads),
// so that nothing depends on the C++ runtime's thread support. Creating a thread or a monitor
// raises EInOutError with the platform's message when the system refuses.
#pragma once

#include <functional>
#include <memory>

namespace platform {

// A thread that runs one function. The function must not throw (an escaping exception ends the
// process). The owner joins it: Join() or the destructor waits for the function to return.
class TThread {
 public:
  explicit TThread(std::function<void()> body);
  TThread(const TThread&) = delete;
  TThread& operator=(const TThread&) = delete;
  ~TThread();

  // Waits for the function to return; later calls return at once.
  void Join() noexcept;

 private:
  struct TState;
  std::unique_ptr<TState> FState;
};

// A lock with one condition: the state it guards is read and changed only while it is held,
// and a thread that finds the state not yet as it needs waits for a notification.
class TMonitor {
 public:
  TMonitor();
  TMonitor(const TMonitor&) = delete;
  TMonitor& operator=(const TMonitor&) = delete;
  ~TMonitor();

  void Lock() noexcept;
  void Unlock() noexcept;
  // Called with the lock held: releases it, sleeps until notified and takes it again. May also
  // return without a notification, so callers wait in a loop that tests their condition.
  void Wait() noexcept;
  // Wakes every waiting thread.
  void NotifyAll() noexcept;

 private:
  struct TState;
  std::unique_ptr<TState> FState;
};

// Holds a monitor's lock for its lifetime.
class TMonitorLock {
 public:
  explicit TMonitorLock(TMonitor& monitor) : FMonitor(monitor) { FMonitor.Lock(); }
  TMonitorLock(const TMonitorLock&) = delete;
  TMonitorLock& operator=(const TMonitorLock&) = delete;
  ~TMonitorLock() { FMonitor.Unlock(); }

 private:
  TMonitor& FMonitor;
};

}  // namespace platform
