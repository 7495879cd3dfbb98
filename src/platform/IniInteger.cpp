// The profile reader's integer rule, apart from its text rules: the Windows build reads INI text
// through the platform and needs only this one.
#include "platform/IniRules.h"

namespace platform {

std::optional<int32_t> ParseInteger(const String& text) {
  size_t i = 0;
  while (i < text.size() && text[i] == L' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == L'-' || text[i] == L'+')) negative = text[i++] == L'-';
  bool hex = false;
  if (i < text.size() && text[i] == L'$') {
    hex = true;
    ++i;
  } else if (i + 1 < text.size() && text[i] == L'0' &&
             (text[i + 1] == L'x' || text[i + 1] == L'X')) {
    hex = true;
    i += 2;
  } else if (i < text.size() && (text[i] == L'x' || text[i] == L'X')) {
    hex = true;
    ++i;
  }
  if (i >= text.size()) return std::nullopt;
  uint64_t value = 0;
  for (; i < text.size(); ++i) {
    const wchar_t c = text[i];
    const wchar_t upper = c >= L'a' && c <= L'z' ? c - 32 : c;
    int digit;
    if (c >= L'0' && c <= L'9') {
      digit = c - L'0';
    } else if (hex && upper >= L'A' && upper <= L'F') {
      digit = upper - L'A' + 10;
    } else {
      return std::nullopt;
    }
    value = value * (hex ? 16 : 10) + digit;
    if (value > (hex ? 0xFFFFFFFFull : 0x80000000ull)) return std::nullopt;
  }
  if (hex) {
    const auto bits = static_cast<int32_t>(static_cast<uint32_t>(value));
    return negative ? static_cast<int32_t>(0u - static_cast<uint32_t>(bits)) : bits;
  }
  if (!negative && value > 0x7FFFFFFF) return std::nullopt;
  return negative ? static_cast<int32_t>(0 - value) : static_cast<int32_t>(value);
}

}  // namespace platform
