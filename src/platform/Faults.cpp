#include "platform/Faults.h"

#include <array>
#include <cstddef>
#include <utility>
#include <vector>

#include "core/StringList.h"

namespace platform {
namespace {

std::array<int, 5> gCountdown{};  // 0: no failure armed

// The forced entries (paths unique, ignoring ASCII case); tests force a handful, so a list does.
std::vector<std::pair<String, uint32_t>>& ForcedAttributes() {
  static std::vector<std::pair<String, uint32_t>> forced;
  return forced;
}

std::pair<String, uint32_t>* FindForced(const String& path) {
  for (auto& entry : ForcedAttributes()) {
    if (SameTextAscii(entry.first, path)) return &entry;
  }
  return nullptr;
}

int& Countdown(FaultKind kind) {
  return gCountdown[static_cast<size_t>(kind)];
}

}  // namespace

void FailNth(FaultKind kind, int n) {
  Countdown(kind) = n;
}

void ClearFaults() {
  gCountdown.fill(0);
  ForcedAttributes().clear();
}

bool ShouldFail(FaultKind kind) {
  int& left = Countdown(kind);
  if (left <= 0) return false;
  return --left == 0;
}

void ForceFoundAttributes(const String& path, uint32_t attributes) {
  if (auto* entry = FindForced(path))
    entry->second = attributes;
  else
    ForcedAttributes().emplace_back(path, attributes);
}

uint32_t ForcedFoundAttributes(const String& path) {
  const auto* entry = FindForced(path);
  return entry == nullptr ? 0 : entry->second;
}

}  // namespace platform
