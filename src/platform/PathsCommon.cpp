#include "platform/Locale.h"
#include "core/LibFunctions.h"
#include "platform/Files.h"
#include "platform/Paths.h"

String WithTrailingBackslash(const String& path) {
  if (!path.empty() && path.back() == L'\\') return path;
  return path + L"\\";
}

String ExtractFileDrive(const String& path) {
  if (path.size() >= 2 && path[1] == L':') return path.substr(0, 2);
  if (path.size() >= 2 && path[0] == L'\\' && path[1] == L'\\') {
    // "\\server\share": up to the backslash after the share name.
    const size_t server = path.find(L'\\', 2);
    if (server == String::npos) return path;
    const size_t share = path.find(L'\\', server + 1);
    return share == String::npos ? path : path.substr(0, share);
  }
  return String();
}

String ExpandPathName(const String& path, bool longNames) {
  String full = path;
  if (IsBlank(ExtractFileDrive(full))) full = CurrentFolder() + full;
  if (!platform::FileAttributes(full)) return String();

  const String drive = ExtractFileDrive(full);
  String result = UpperText(drive) + L"\\";
  String probe = result;
  String rest = full.substr(drive.size());
  if (!rest.empty() && rest[0] == L'\\') rest.erase(0, 1);

  const int n = TokenCount(rest, L'\\');
  for (int i = 1; i <= n; ++i) {
    probe += TokenAt(rest, L'\\', i);
    const auto found = platform::FindFiles(probe);
    if (!found.empty()) {
      const auto& entry = found.front();
      result += !longNames && !entry.shortName.empty() ? entry.shortName : entry.name;
    }
    if (!IsBlank(result) && i < n) result += L"\\";
    probe += L"\\";
  }
  return result;
}

String LongPathName(const String& path) {
  return ExpandPathName(path, true);
}

String ProgramFileName() {
  return LongPathName(ModuleFileName());
}
