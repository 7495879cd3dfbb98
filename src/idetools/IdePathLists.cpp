// Path list rules and the Add/Remove operations of the library, browsing and debug-DCU paths.
#include "IdePathLists.h"

#include "IdeFileNames.h"
#include "IdeUtils.h"
#include "platform/Locale.h"
#include "platform/Paths.h"

namespace {

String LongForm(const String& text) {
  const String resolved =
      text.find(L"::") != String::npos ? ShellNamespacePath(text) : LongPathName(text);
  return resolved.empty() ? text : resolved;
}

String JoinPaths(const TStringList& list, bool withEmpty) {
  String joined;
  bool first = true;
  for (const String& entry : list.Items()) {
    if (entry.empty() && !withEmpty) continue;
    if (!first) joined += L';';
    joined += entry;
    first = false;
  }
  return joined;
}

}  // namespace

bool SamePathText(const String& A, const String& B) {
  return UpperText(LongForm(A)) == UpperText(LongForm(B));
}

String MergePathList(const String& Current, const String& Items) {
  TStringList list;
  TStringList items;
  TIdeBorRADToolInstallation::ExtractPaths(Current, list);
  TIdeBorRADToolInstallation::ExtractPaths(Items, items);
  for (const String& item : items.Items()) {
    bool present = false;
    for (const String& entry : list.Items()) {
      if (SamePathText(entry, item)) {
        present = true;
        break;
      }
    }
    if (!present) list.Add(item);
  }
  return JoinPaths(list, true);
}

void TIdeBorRADToolInstallation::ExtractPaths(const String& Path, TStringList& List) {
  List.Clear();
  size_t start = 0;
  for (;;) {
    const size_t separator = Path.find(L';', start);
    List.Add(Path.substr(start, separator - start));
    if (separator == String::npos) break;
    start = separator + 1;
  }
}

int TIdeBorRADToolInstallation::FindFolderInPath(const String& Folder, const TStringList& List) {
  const String folder = WithoutTrailingBackslash(Folder);
  for (int i = 0; i < List.Count(); ++i) {
    if (SamePathText(WithoutTrailingBackslash(SubstitutePath(List[i])), folder)) return i;
  }
  return -1;
}

bool TIdeBorRADToolInstallation::AddToPathList(TPathGetter Getter, TPathSetter Setter,
                                               const String& Path, TIdeBDSPlatform APlatform) {
  EnsurePlatformSupported(APlatform);
  if (Path.empty()) return false;
  const String current = (this->*Getter)(APlatform);
  (this->*Setter)(APlatform, MergePathList(current, Path));
  return true;
}

bool TIdeBorRADToolInstallation::RemoveFromPathList(TPathGetter Getter, TPathSetter Setter,
                                                    const String& Path, TIdeBDSPlatform APlatform) {
  EnsurePlatformSupported(APlatform);
  TStringList list;
  TStringList items;
  ExtractPaths((this->*Getter)(APlatform), list);
  ExtractPaths(Path, items);
  bool removed = false;
  for (const String& item : items.Items()) {
    // An empty item names no folder (it would only match an empty entry).
    if (item.empty()) continue;
    const int index = FindFolderInPath(item, list);
    if (index < 0) continue;
    list.Delete(index);
    removed = true;
  }
  (this->*Setter)(APlatform, JoinPaths(list, false));
  return removed;
}

bool TIdeBorRADToolInstallation::AddToLibrarySearchPath(const String& Path,
                                                        TIdeBDSPlatform APlatform) {
  return AddToPathList(&TIdeBorRADToolInstallation::GetRawLibrarySearchPath,
                       &TIdeBorRADToolInstallation::SetRawLibrarySearchPath, Path, APlatform);
}

bool TIdeBorRADToolInstallation::AddToLibraryBrowsingPath(const String& Path,
                                                          TIdeBDSPlatform APlatform) {
  return AddToPathList(&TIdeBorRADToolInstallation::GetRawLibraryBrowsingPath,
                       &TIdeBorRADToolInstallation::SetRawLibraryBrowsingPath, Path, APlatform);
}

bool TIdeBorRADToolInstallation::AddToDebugDCUPath(const String& Path, TIdeBDSPlatform APlatform) {
  return AddToPathList(&TIdeBorRADToolInstallation::GetRawDebugDCUPath,
                       &TIdeBorRADToolInstallation::SetRawDebugDCUPath, Path, APlatform);
}

bool TIdeBorRADToolInstallation::RemoveFromLibrarySearchPath(const String& Path,
                                                             TIdeBDSPlatform APlatform) {
  return RemoveFromPathList(&TIdeBorRADToolInstallation::GetRawLibrarySearchPath,
                            &TIdeBorRADToolInstallation::SetRawLibrarySearchPath, Path, APlatform);
}

bool TIdeBorRADToolInstallation::RemoveFromLibraryBrowsingPath(const String& Path,
                                                               TIdeBDSPlatform APlatform) {
  return RemoveFromPathList(&TIdeBorRADToolInstallation::GetRawLibraryBrowsingPath,
                            &TIdeBorRADToolInstallation::SetRawLibraryBrowsingPath, Path,
                            APlatform);
}

bool TIdeBorRADToolInstallation::RemoveFromDebugDCUPath(const String& Path,
                                                        TIdeBDSPlatform APlatform) {
  return RemoveFromPathList(&TIdeBorRADToolInstallation::GetRawDebugDCUPath,
                            &TIdeBorRADToolInstallation::SetRawDebugDCUPath, Path, APlatform);
}
