#include "platform/Environment.h"

#include <shlobj.h>
#include <windows.h>
// The platform layer's functions share these names with Windows' A/W macros.
#undef GetEnvironmentVariable
#undef SetEnvironmentVariable
#undef ExpandEnvironmentStrings

namespace platform {

std::vector<String> EnvironmentBlock() {
  std::vector<String> lines;
  wchar_t* block = ::GetEnvironmentStringsW();
  if (block == nullptr) return lines;
  for (const wchar_t* p = block; *p != 0; p += wcslen(p) + 1) lines.emplace_back(p);
  ::FreeEnvironmentStringsW(block);
  return lines;
}

std::optional<String> GetEnvironmentVariable(const String& name) {
  const DWORD needed = ::GetEnvironmentVariableW(name.c_str(), nullptr, 0);
  if (needed == 0) {
    if (::GetLastError() == ERROR_ENVVAR_NOT_FOUND) return std::nullopt;
    return String();
  }
  String value(needed, L'\0');
  const DWORD length = ::GetEnvironmentVariableW(name.c_str(), value.data(), needed);
  value.resize(length < needed ? length : 0);
  return value;
}

bool SetEnvironmentVariable(const String& name, const String& value) {
  return ::SetEnvironmentVariableW(name.c_str(), value.c_str()) != 0;
}

String ExpandEnvironmentStrings(const String& text) {
  const DWORD needed = ::ExpandEnvironmentStringsW(text.c_str(), nullptr, 0);
  if (needed == 0) return text;
  String out(needed, L'\0');
  const DWORD length = ::ExpandEnvironmentStringsW(text.c_str(), out.data(), needed);
  if (length == 0 || length > needed) return text;
  out.resize(length - 1);
  return out;
}

String SpecialFolderPath(SpecialFolder folder) {
  const KNOWNFOLDERID& id = folder == SpecialFolder::RoamingAppData    ? FOLDERID_RoamingAppData
                            : folder == SpecialFolder::Documents       ? FOLDERID_Documents
                            : folder == SpecialFolder::CommonDocuments ? FOLDERID_PublicDocuments
                                                                       : FOLDERID_ProgramFiles;
  wchar_t* path = nullptr;
  String result;
  if (SUCCEEDED(::SHGetKnownFolderPath(id, 0, nullptr, &path))) result = path;
  ::CoTaskMemFree(path);
  return result;
}

}  // namespace platform
