#include "core/ClassName.h"

#include <cstring>
#include <string_view>

namespace {

// Reads one <source-name> (a decimal length, then that many characters) at text and advances
// text past it; empty when text does not start with one.
std::string_view ReadSourceName(const char*& text) {
  size_t length = 0;
  const char* digit = text;
  for (; *digit >= '0' && *digit <= '9'; ++digit) {
    length = length * 10 + static_cast<size_t>(*digit - '0');
    if (length > 4096) return {};
  }
  if (digit == text || length == 0 || std::strlen(digit) < length) return {};
  text = digit + length;
  return std::string_view(digit, length);
}

}  // namespace

String ClassNameFromMangled(const char* mangled) {
  // GCC marks the names of types with internal linkage with a leading '*'.
  const char* text = *mangled == '*' ? mangled + 1 : mangled;
  const bool nested = *text == 'N';
  if (nested) ++text;
  std::string_view name;
  do {
    name = ReadSourceName(text);
    if (name.empty()) return FromUtf8(mangled);
  } while (nested && *text != 'E' && *text != '\0');
  const bool whole = nested ? std::strcmp(text, "E") == 0 : *text == '\0';
  return FromUtf8(whole ? name : std::string_view(mangled));
}

String ClassNameOf(const std::type_info& type) {
  return ClassNameFromMangled(type.name());
}
