// Natively there are no windows: processing messages runs the idle hook, and a wait for
// messages just sleeps.
#include "platform/Application.h"
#include "platform/ApplicationWait.h"
#include "platform/Clock.h"

void TApplicationCore::ProcessMessages() {
  if (OnIdleProcess) OnIdleProcess();
}

bool WindowExists(const String&) {
  return false;
}

namespace platform {

void WaitForMessages(uint32_t timeoutMilliseconds) {
  SleepMilliseconds(timeoutMilliseconds);
}

}  // namespace platform
