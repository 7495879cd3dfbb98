// The application object: processes the thread's pending window messages and knows when the
// program is terminating. The toolkit's TApplication extends it; exactly one exists per process
// and Application() returns it (created on first use when the toolkit has not made one).
#pragma once

#include <functional>

#include "core/String.h"

class TApplicationCore {
 public:
  TApplicationCore();
  virtual ~TApplicationCore();
  TApplicationCore(const TApplicationCore&) = delete;
  TApplicationCore& operator=(const TApplicationCore&) = delete;

  // Handles every pending message of the calling thread, then returns. A WM_QUIT sets
  // Terminated. Natively there are no windows; the stand-in runs OnIdleProcess instead, which
  // tests use to act "during" a wait.
  virtual void ProcessMessages();
  bool Terminated() const { return FTerminated; }
  void Terminate();

  std::function<void()> OnIdleProcess;

 protected:
  void SetTerminated() { FTerminated = true; }

 private:
  bool FTerminated = false;
};

TApplicationCore& Application();

// Returns after the given time has passed, processing messages meanwhile; returns early once the
// application is terminating.
void WaitProcessing(int milliseconds);

// True when a top-level window has the title name or, failing that, the window class name.
// Names are at most 39 characters. Natively there are no windows: always false.
bool WindowExists(const String& name);
