#include "platform/Faults.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <map>

namespace platform {
namespace {

std::array<int, 5> gCountdown{};  // 0: no failure armed

struct TAsciiCaseLess {
  bool operator()(const String& a, const String& b) const {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](wchar_t x, wchar_t y) { return Upper(x) < Upper(y); });
  }
  static wchar_t Upper(wchar_t c) {
    return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - L'a' + L'A') : c;
  }
};

std::map<String, uint32_t, TAsciiCaseLess>& ForcedAttributes() {
  static std::map<String, uint32_t, TAsciiCaseLess> forced;
  return forced;
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
  ForcedAttributes()[path] = attributes;
}

uint32_t ForcedFoundAttributes(const String& path) {
  const auto& forced = ForcedAttributes();
  if (forced.empty()) return 0;
  const auto found = forced.find(path);
  return found == forced.end() ? 0 : found->second;
}

}  // namespace platform
