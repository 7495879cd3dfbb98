#include "IdePackages.h"

#include <algorithm>

#include "IdePathLists.h"
#include "IdeUtils.h"
#include "core/Format.h"
#include "platform/Locale.h"

namespace {

const wchar_t* const kKnownPackages = L"Known Packages";
const wchar_t* const kKnownIDEPackages = L"Known IDE Packages";
const wchar_t* const kDisabledPackages = L"Disabled Packages";
const wchar_t* const kExperts = L"Experts";

// The sort key of a name=value line: upper case by the locale's rules.
String LineKey(const TIdePackageEntry& entry) {
  return UpperText(entry.Name + L"=" + entry.Value);
}

}  // namespace

TIdeBorRADToolIdePackages::TIdeBorRADToolIdePackages(TIdeBorRADToolInstallation& AInstallation)
    : TIdeBorRADToolInstallationObject(AInstallation) {
  ReadPackages();
}

void TIdeBorRADToolIdePackages::ReadSection(const wchar_t* Section, TPackageList& List) const {
  // A sorted list that ignores duplicate lines: each line goes in at its place, once. The lists
  // hold tens to a few hundred lines.
  List.clear();
  std::vector<String> keys;  // the sort key of each line of List
  const TIdeConfigData& config = FInstallation.ConfigData();
  for (const String& name : config.ReadSection(Section)) {
    TIdePackageEntry entry{name, config.ReadString(Section, name, String())};
    String key = LineKey(entry);
    size_t at = 0;
    while (at < keys.size() && keys[at] < key) ++at;
    if (at < keys.size() && keys[at] == key) continue;
    keys.insert(keys.begin() + at, std::move(key));
    List.insert(List.begin() + at, std::move(entry));
  }
}

void TIdeBorRADToolIdePackages::ReadPackages() {
  if (FInstallation.RadToolKind() == brBorlandDevStudio)
    ReadSection(kKnownIDEPackages, FKnownIDEPackages);
  else
    FKnownIDEPackages.clear();
  ReadSection(kKnownPackages, FKnownPackages);
  ReadSection(kDisabledPackages, FDisabledPackages);
  ReadSection(kExperts, FExperts);
  for (TIdePackageEntry& package : FKnownPackages) {
    package.Disabled = std::any_of(FDisabledPackages.begin(), FDisabledPackages.end(),
                                   [&](const TIdePackageEntry& disabled) {
                                     return SameTextAscii(disabled.Name, package.Name);
                                   });
  }
}

bool TIdeBorRADToolIdePackages::NamesFile(const String& Stored, const String& FileName) const {
  return SamePathText(FInstallation.SubstitutePath(Stored), FileName);
}

void TIdeBorRADToolIdePackages::ClearDisabledEntry(const String& FileName) {
  for (const TIdePackageEntry& disabled : FDisabledPackages) {
    if (!NamesFile(disabled.Name, FileName)) continue;
    FInstallation.ConfigData().DeleteValue(kDisabledPackages, disabled.Name);
    ReadPackages();
    return;
  }
}

bool TIdeBorRADToolIdePackages::AddPackage(const String& FileName, const String& Description) {
  ClearDisabledEntry(FileName);
  FInstallation.ConfigData().WriteString(kKnownPackages, FileName, Description);
  ReadPackages();
  return true;
}

bool TIdeBorRADToolIdePackages::AddIDEPackage(const String& FileName, const String& Description) {
  ClearDisabledEntry(FileName);
  FInstallation.ConfigData().WriteString(kKnownIDEPackages, FileName, Description);
  ReadPackages();
  return true;
}

bool TIdeBorRADToolIdePackages::AddExpert(const String& FileName, const String& Description) {
  ClearDisabledEntry(FileName);
  FInstallation.ConfigData().WriteString(kExperts, Description, FileName);
  ReadPackages();
  return true;
}

bool TIdeBorRADToolIdePackages::RemoveEntry(const wchar_t* Section, const TPackageList& List,
                                            bool PathIsValue, const String& FileName) {
  for (const TIdePackageEntry& entry : List) {
    if (!NamesFile(PathIsValue ? entry.Value : entry.Name, FileName)) continue;
    const String valueName = entry.Name;  // the lists are read again below
    ClearDisabledEntry(FileName);
    FInstallation.ConfigData().DeleteValue(Section, valueName);
    ReadPackages();
    return true;
  }
  return false;
}

bool TIdeBorRADToolIdePackages::RemovePackage(const String& FileName) {
  return RemoveEntry(kKnownPackages, FKnownPackages, false, FileName);
}

bool TIdeBorRADToolIdePackages::RemoveIDEPackage(const String& FileName) {
  return RemoveEntry(kKnownIDEPackages, FKnownIDEPackages, false, FileName);
}

bool TIdeBorRADToolIdePackages::RemoveExpert(const String& FileName) {
  return RemoveEntry(kExperts, FExperts, true, FileName);
}

const TIdePackageEntry& TIdeBorRADToolIdePackages::EntryAt(const TPackageList& List, int Index) {
  if (Index < 0 || Index >= static_cast<int>(List.size()))
    throw EListError(Format(L"List index out of bounds (%d)", {Index}));
  return List[static_cast<size_t>(Index)];
}

String TIdeBorRADToolIdePackages::PackageFileNames(int Index) const {
  return FInstallation.SubstitutePath(EntryAt(FKnownPackages, Index).Name);
}

String TIdeBorRADToolIdePackages::PackageDescriptions(int Index) const {
  return EntryAt(FKnownPackages, Index).Value;
}

bool TIdeBorRADToolIdePackages::PackageDisabled(int Index) const {
  return EntryAt(FKnownPackages, Index).Disabled;
}

String TIdeBorRADToolIdePackages::IDEPackageFileNames(int Index) const {
  return FInstallation.SubstitutePath(EntryAt(FKnownIDEPackages, Index).Name);
}

String TIdeBorRADToolIdePackages::IDEPackageDescriptions(int Index) const {
  return EntryAt(FKnownIDEPackages, Index).Value;
}

String TIdeBorRADToolIdePackages::ExpertFileNames(int Index) const {
  return FInstallation.SubstitutePath(EntryAt(FExperts, Index).Value);
}

String TIdeBorRADToolIdePackages::ExpertDescriptions(int Index) const {
  return EntryAt(FExperts, Index).Name;
}

String TIdeBorRADToolIdePackages::DisabledFileNames(int Index) const {
  return EntryAt(FDisabledPackages, Index).Name;
}
