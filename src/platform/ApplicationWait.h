// Blocks the calling thread until a window message is queued for it or the timeout passes.
#pragma once

#include <cstdint>

namespace platform {

void WaitForMessages(uint32_t timeoutMilliseconds);

}  // namespace platform
