#include "compiler/CompilerPaths.h"

#include <vector>

#include "core/StringList.h"
#include "platform/Files.h"
#include "platform/Locale.h"
#include "platform/Paths.h"

namespace {

size_t LastSeparator(const String& path) {
  return path.find_last_of(L"\\:");
}

// The position of the extension's dot, or npos when the last name has none.
size_t ExtensionDot(const String& path) {
  const size_t dot = path.rfind(L'.');
  const size_t separator = LastSeparator(path);
  if (dot == String::npos || (separator != String::npos && dot < separator)) return String::npos;
  return dot;
}

std::vector<String> SplitAt(const String& text, wchar_t separator) {
  std::vector<String> parts;
  size_t start = 0;
  for (size_t end; (end = text.find(separator, start)) != String::npos; start = end + 1) {
    parts.push_back(text.substr(start, end - start));
  }
  parts.push_back(text.substr(start));
  return parts;
}

}  // namespace

String ExtractFilePath(const String& path) {
  const size_t separator = LastSeparator(path);
  return separator == String::npos ? String() : path.substr(0, separator + 1);
}

String ReplaceFileExt(const String& path, const String& ext) {
  const size_t dot = ExtensionDot(path);
  return (dot == String::npos ? path : path.substr(0, dot)) + ext;
}

String BackupFileName(const String& path) {
  const size_t dot = ExtensionDot(path);
  if (dot == String::npos) return path + L".~";
  return path.substr(0, dot) + L".~" + path.substr(dot + 1);
}

String ExcludeTrailingBackslash(const String& path) {
  return !path.empty() && path.back() == L'\\' ? path.substr(0, path.size() - 1) : path;
}

String ExpandFileNameFrom(const String& path, const String& folder) {
  if (path.empty()) return path;
  String full;
  if (!ExtractFileDrive(path).empty()) {
    full = path;
  } else if (path[0] == L'\\') {
    full = ExtractFileDrive(folder) + path;
  } else {
    full = WithTrailingBackslash(folder) + path;
  }
  const String drive = ExtractFileDrive(full);
  std::vector<String> kept;
  for (const String& name : SplitAt(full.substr(drive.size()), L'\\')) {
    if (name == L"..") {
      if (!kept.empty()) kept.pop_back();
    } else if (name != L"." && !name.empty()) {
      kept.push_back(name);
    }
  }
  String result = drive;
  for (const String& name : kept) result += L"\\" + name;
  if (full.back() == L'\\' || kept.empty()) result += L"\\";
  return result;
}

String RelativePathFrom(const String& folder, const String& path) {
  if (!SameTextAscii(ExtractFileDrive(folder), ExtractFileDrive(path))) return path;
  const size_t driveLength = ExtractFileDrive(folder).size();
  std::vector<String> from = SplitAt(ExcludeTrailingBackslash(folder.substr(driveLength)), L'\\');
  std::vector<String> to = SplitAt(path.substr(driveLength), L'\\');
  size_t common = 0;
  while (common < from.size() && common < to.size() &&
         UpperText(from[common]) == UpperText(to[common])) {
    ++common;
  }
  String relative;
  for (size_t i = common; i < from.size(); ++i) relative += L"..\\";
  for (size_t i = common; i < to.size(); ++i) {
    relative += to[i];
    if (i + 1 < to.size()) relative += L"\\";
  }
  return relative.empty() ? String(L".") : relative;
}

bool SameFolder(const String& a, const String& b) {
  auto comparable = [](const String& folder) {
    const String longForm = LongPathName(folder);
    return UpperText(ExcludeTrailingBackslash(longForm.empty() ? folder : longForm));
  };
  return comparable(a) == comparable(b);
}

bool MoveFileReplacing(const String& from, const String& to) {
  if (platform::RenameFile(from, to)) return true;
  return platform::CopyFile(from, to) && platform::DeleteFile(from);
}
