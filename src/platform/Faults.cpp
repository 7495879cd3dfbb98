#include "platform/Faults.h"

#include <array>
#include <cstddef>

namespace platform {
namespace {

std::array<int, 4> gCountdown{};  // 0: no failure armed

int& Countdown(FaultKind kind) {
  return gCountdown[static_cast<size_t>(kind)];
}

}  // namespace

void FailNth(FaultKind kind, int n) {
  Countdown(kind) = n;
}

void ClearFaults() {
  gCountdown.fill(0);
}

bool ShouldFail(FaultKind kind) {
  int& left = Countdown(kind);
  if (left <= 0) return false;
  return --left == 0;
}

}  // namespace platform
