#include <windows.h>

#include <objbase.h>
#include <shlobj.h>

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
  String path = nativePath;
  for (wchar_t& c : path) {
    if (c == L'/') c = L'\\';
  }
  if (path.size() >= 2 && (path[1] == L':' || path.substr(0, 2) == L"\\\\")) {
    return path;
  }
  // A path rooted without a drive ("\dir", or "/dir" as a shell under Wine passes it) is on the
  // current folder's drive.
  if (!path.empty() && path[0] == L'\\') {
    return ExtractFileDrive(CurrentFolder()) + path;
  }
  return CurrentFolder() + path;
}

namespace {

// The shell's name of an item list in one of its forms; empty when it has none in that form.
String ShellItemName(PCIDLIST_ABSOLUTE item, SIGDN form) {
  PWSTR name = nullptr;
  if (FAILED(::SHGetNameFromIDList(item, form, &name))) return String();
  String result(name);
  ::CoTaskMemFree(name);
  return result;
}

}  // namespace

String ShellNamespacePath(const String& text) {
  const HRESULT com = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  PIDLIST_ABSOLUTE item = nullptr;
  String result;
  if (SUCCEEDED(::SHParseDisplayName(text.c_str(), nullptr, &item, 0, nullptr))) {
    result = ShellItemName(item, SIGDN_FILESYSPATH);
    if (result.empty()) result = ShellItemName(item, SIGDN_DESKTOPABSOLUTEPARSING);
    ::CoTaskMemFree(item);
  }
  if (SUCCEEDED(com)) ::CoUninitialize();
  return result;
}
