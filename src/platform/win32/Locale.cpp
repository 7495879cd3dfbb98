#include "platform/Locale.h"

#include <windows.h>

String UpperText(const String& s) {
  String out = s;
  if (!out.empty()) ::CharUpperBuffW(out.data(), static_cast<DWORD>(out.size()));
  return out;
}
