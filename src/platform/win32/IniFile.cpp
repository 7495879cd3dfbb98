#include "platform/IniFile.h"

#include <windows.h>

namespace platform {

String TIniFile::ReadString(const String& section, const String& ident,
                            const String& defaultValue) const {
  wchar_t buffer[kIniValueLimit + 1];
  const DWORD length =
      ::GetPrivateProfileStringW(section.c_str(), ident.c_str(), defaultValue.c_str(), buffer,
                                 kIniValueLimit + 1, FFileName.c_str());
  return String(buffer, length);
}

}  // namespace platform
