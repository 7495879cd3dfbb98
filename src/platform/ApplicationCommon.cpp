#include "platform/Application.h"
#include "platform/ApplicationWait.h"
#include "platform/Clock.h"

namespace {

TApplicationCore* gApplication = nullptr;

}  // namespace

TApplicationCore::TApplicationCore() {
  gApplication = this;
}

TApplicationCore::~TApplicationCore() {
  if (gApplication == this) gApplication = nullptr;
}

void TApplicationCore::Terminate() {
  FTerminated = true;
}

TApplicationCore& Application() {
  if (gApplication == nullptr) {
    static TApplicationCore fallback;
    gApplication = &fallback;
  }
  return *gApplication;
}

void WaitProcessing(int milliseconds) {
  const uint64_t start = platform::MonotonicMilliseconds();
  for (;;) {
    const uint64_t elapsed = platform::MonotonicMilliseconds() - start;
    if (static_cast<int64_t>(elapsed) > milliseconds) return;
    TApplicationCore& app = Application();
    if (app.Terminated()) return;
    app.ProcessMessages();
    if (app.Terminated()) return;
    // Sleep until a message arrives or a short slice is up, instead of spinning; the slice keeps
    // a termination requested outside the message queue noticed at once.
    const int64_t left = static_cast<int64_t>(milliseconds) - static_cast<int64_t>(elapsed) + 1;
    platform::WaitForMessages(static_cast<uint32_t>(left < 10 ? left : 10));
  }
}
