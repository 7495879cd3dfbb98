#include "platform/Locale.h"

#include <windows.h>

String UpperText(const String& s) {
  String out = s;
  if (!out.empty()) ::CharUpperBuffW(out.data(), static_cast<DWORD>(out.size()));
  return out;
}

int CompareTextLocale(const String& a, const String& b) {
  return ::CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(),
                          static_cast<int>(a.size()), b.data(), static_cast<int>(b.size())) -
         CSTR_EQUAL;
}
