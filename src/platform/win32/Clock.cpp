#include "platform/Clock.h"

#include <windows.h>

namespace platform {

uint64_t MonotonicMilliseconds() {
  return ::GetTickCount64();
}

void SleepMilliseconds(uint32_t milliseconds) {
  ::Sleep(milliseconds);
}

}  // namespace platform
