// A monotonic clock in milliseconds, unaffected by changes of the wall clock.
#pragma once

#include <cstdint>

namespace platform {

uint64_t MonotonicMilliseconds();
void SleepMilliseconds(uint32_t milliseconds);

}  // namespace platform
