#include "platform/Locale.h"

#include <cwctype>

String UpperText(const String& s) {
  String out = s;
  for (wchar_t& c : out) c = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(c)));
  return out;
}

int CompareTextLocale(const String& a, const String& b) {
  return UpperText(a).compare(UpperText(b));
}
