#include "compiler/CompilerPaths.h"

#include <vector>

#include "core/StringList.h"
#include "idetools/IdeFileNames.h"
#include "platform/Files.h"
#include "platform/Locale.h"
#include "platform/Paths.h"

namespace {

size_t LastSeparator(const String& path) {
  return path.find_last_of(L"\\:");
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

String BackupFileName(const String& path) {
  const String ext = ExtractFileExt(path);
  if (ext.empty()) return path + L".~";
  return path.substr(0, path.size() - ext.size()) + L".~" + ext.substr(1);
}

String RelativePathFrom(const String& folder, const String& path) {
  if (!SameTextAscii(ExtractFileDrive(folder), ExtractFileDrive(path))) return path;
  const size_t driveLength = ExtractFileDrive(folder).size();
  std::vector<String> from = SplitAt(WithoutTrailingBackslash(folder.substr(driveLength)), L'\\');
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
    return UpperText(WithoutTrailingBackslash(longForm.empty() ? folder : longForm));
  };
  return comparable(a) == comparable(b);
}

String MapPathList(const String& list, const std::function<String(const String&)>& change) {
  const std::vector<String> elements = SplitAt(list, L';');
  String result;
  for (size_t i = 0; i < elements.size(); ++i) {
    if (i > 0) result += L';';
    result += change(elements[i]);
  }
  return result;
}

String ShortPathOrSelf(const String& path) {
  const String shortForm = path.empty() ? path : platform::ShortPathName(path);
  return shortForm.empty() ? path : shortForm;
}

bool MoveFileReplacing(const String& from, const String& to) {
  if (platform::RenameFile(from, to)) return true;
  return platform::CopyFile(from, to) && platform::DeleteFile(from);
}

TCurrentFolderChange::TCurrentFolderChange(const String& folder) : FSaved(CurrentFolder()) {
  SetCurrentFolder(folder);
}

TCurrentFolderChange::~TCurrentFolderChange() {
  SetCurrentFolder(FSaved);
}
