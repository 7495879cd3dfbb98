// The IDE's package lists of one installation, as sections of its registry settings view:
// "Known Packages" and "Known IDE Packages" (library path = description), "Disabled Packages"
// (path, possibly with $(NAME) references = description) and "Experts" (description = library
// path). The view reads the four sections when created and again after every change it makes.
//
// File names are compared through their long forms, ignoring case, the stored ones after the
// installation's SubstitutePath. Writing a value that the registry refuses raises
// EIdeRegistryError; an index outside a list raises EListError. The view belongs to its
// installation and holds a reference to it.
#pragma once

#include <vector>

#include "core/String.h"

class TIdeBorRADToolInstallation;

// The base of the objects an installation owns and that act on its behalf.
class TIdeBorRADToolInstallationObject {
 public:
  explicit TIdeBorRADToolInstallationObject(TIdeBorRADToolInstallation& AInstallation)
      : FInstallation(AInstallation) {}
  TIdeBorRADToolInstallationObject(const TIdeBorRADToolInstallationObject&) = delete;
  TIdeBorRADToolInstallationObject& operator=(const TIdeBorRADToolInstallationObject&) = delete;
  TIdeBorRADToolInstallation& Installation() const { return FInstallation; }

 protected:
  TIdeBorRADToolInstallation& FInstallation;
};

// One value of a package list section; Disabled marks a known package also listed as disabled.
struct TIdePackageEntry {
  String Name;
  String Value;
  bool Disabled = false;
};

class TIdeBorRADToolIdePackages : public TIdeBorRADToolInstallationObject {
 public:
  explicit TIdeBorRADToolIdePackages(TIdeBorRADToolInstallation& AInstallation);

  // Each clears the disabled entry naming the same library, then stores the value; true.
  bool AddPackage(const String& FileName, const String& Description);
  bool AddIDEPackage(const String& FileName, const String& Description);
  bool AddExpert(const String& FileName, const String& Description);
  // Each deletes the value naming FileName (and its disabled entry); false when none does.
  bool RemovePackage(const String& FileName);
  bool RemoveIDEPackage(const String& FileName);
  bool RemoveExpert(const String& FileName);

  int Count() const { return static_cast<int>(FKnownPackages.size()); }
  int IDECount() const { return static_cast<int>(FKnownIDEPackages.size()); }
  int ExpertCount() const { return static_cast<int>(FExperts.size()); }
  int DisabledCount() const { return static_cast<int>(FDisabledPackages.size()); }
  // Library paths with SubstitutePath applied; descriptions as stored.
  String PackageFileNames(int Index) const;
  String PackageDescriptions(int Index) const;
  bool PackageDisabled(int Index) const;
  String IDEPackageFileNames(int Index) const;
  String IDEPackageDescriptions(int Index) const;
  String ExpertFileNames(int Index) const;
  String ExpertDescriptions(int Index) const;
  // Disabled entries as stored (path, possibly with references).
  String DisabledFileNames(int Index) const;

 private:
  using TPackageList = std::vector<TIdePackageEntry>;
  void ReadPackages();
  void ReadSection(const wchar_t* Section, TPackageList& List) const;
  // Deletes the first disabled entry naming the same library as FileName.
  void ClearDisabledEntry(const String& FileName);
  bool NamesFile(const String& Stored, const String& FileName) const;
  bool RemoveEntry(const wchar_t* Section, const TPackageList& List, bool PathIsValue,
                   const String& FileName);
  static const TIdePackageEntry& EntryAt(const TPackageList& List, int Index);

  TPackageList FDisabledPackages;
  TPackageList FKnownPackages;
  TPackageList FKnownIDEPackages;
  TPackageList FExperts;
};
