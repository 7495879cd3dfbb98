#include <windows.h>

#include "platform/Paths.h"

String SystemTempFolder() {
  wchar_t buffer[MAX_PATH + 1];
  const DWORD length = ::GetTempPathW(MAX_PATH + 1, buffer);
  if (length == 0 || length > MAX_PATH) return String();
  return String(buffer, length);
}

String CurrentFolder() {
  wchar_t buffer[MAX_PATH + 1];
  const DWORD length = ::GetCurrentDirectoryW(MAX_PATH + 1, buffer);
  if (length == 0 || length > MAX_PATH) return String();
  return WithTrailingBackslash(String(buffer, length));
}

bool SetCurrentFolder(const String& path) {
  return ::SetCurrentDirectoryW(path.c_str()) != 0;
}

String ModuleFileName() {
  String path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return String();
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

String FromNativePath(const String& nativePath) {
  if (nativePath.size() >= 2 && (nativePath[1] == L':' || nativePath.substr(0, 2) == L"\\\\")) {
    return nativePath;
  }
  return CurrentFolder() + nativePath;
}
