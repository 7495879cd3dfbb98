// Registration of libraries in the IDE's package lists, with the progress lines, and the
// cleaning of the BDS package cache that comes first.
#include "IdeFileNames.h"
#include "IdePackageSource.h"
#include "IdeUtils.h"
#include "core/Format.h"
#include "platform/Paths.h"
#include "platform/Registry.h"

namespace {

// The description stored for a library: the one given, else the file name without extension.
String DescriptionOrName(const String& BinaryFileName, const String& Description) {
  return Description.empty() ? ChangeFileExt(ExtractFileName(BinaryFileName), String())
                             : Description;
}

}  // namespace

bool TIdeBorRADToolInstallation::RegisterPackage(const String& BinaryFileName,
                                                 const String& Description) {
  EmitLine(Format(L"Registering package %s", {BinaryFileName}));
  IdePackages().AddPackage(BinaryFileName, DescriptionOrName(BinaryFileName, Description));
  EmitLine(L"Registration ok");
  return true;
}

bool TIdeBorRADToolInstallation::RegisterPackage(const String& PackageName, const String& BPLPath,
                                                 const String& Description) {
  return RegisterPackage(ProjectBinaryPath(BPLPath, PackageName), Description);
}

bool TIdeBorRADToolInstallation::UnregisterPackage(const String& BinaryFileName) {
  EmitLine(Format(L"Removing from registry package %s", {BinaryFileName}));
  const bool removed = IdePackages().RemovePackage(BinaryFileName);
  EmitLine(removed ? L"Unregistration ok" : L"Unregistration failed");
  return removed;
}

bool TIdeBorRADToolInstallation::UnregisterPackage(const String& PackageName,
                                                   const String& BPLPath) {
  return UnregisterPackage(ProjectBinaryPath(BPLPath, PackageName));
}

bool TIdeBorRADToolInstallation::RegisterIDEPackage(const String& BinaryFileName,
                                                    const String& Description) {
  EmitLine(Format(L"Registering ide package %s", {BinaryFileName}));
  IdePackages().AddIDEPackage(BinaryFileName, DescriptionOrName(BinaryFileName, Description));
  EmitLine(L"Registration ok");
  return true;
}

bool TIdeBorRADToolInstallation::RegisterIDEPackage(const String& PackageName,
                                                    const String& BPLPath,
                                                    const String& Description) {
  return RegisterIDEPackage(ProjectBinaryPath(BPLPath, PackageName), Description);
}

bool TIdeBorRADToolInstallation::UnregisterIDEPackage(const String& BinaryFileName) {
  EmitLine(Format(L"Removing from registry ide package %s", {BinaryFileName}));
  const bool removed = IdePackages().RemoveIDEPackage(BinaryFileName);
  EmitLine(removed ? L"Unregistration ok" : L"Unregistration failed");
  return removed;
}

bool TIdeBorRADToolInstallation::UnregisterIDEPackage(const String& PackageName,
                                                      const String& BPLPath) {
  return UnregisterIDEPackage(ProjectBinaryPath(BPLPath, PackageName));
}

bool TIdeBorRADToolInstallation::RegisterExpert(const String& BinaryFileName,
                                                const String& Description) {
  EmitLine(Format(L"Registering expert %s", {BinaryFileName}));
  IdePackages().AddExpert(BinaryFileName, DescriptionOrName(BinaryFileName, Description));
  EmitLine(L"Registration ok");
  return true;
}

bool TIdeBorRADToolInstallation::RegisterExpert(const String& ProjectName, const String& OutputDir,
                                                const String& Description) {
  return RegisterExpert(ProjectBinaryPath(OutputDir, ProjectName), Description);
}

bool TIdeBorRADToolInstallation::UnregisterExpert(const String& BinaryFileName) {
  EmitLine(Format(L"Removing from registry expert %s", {BinaryFileName}));
  const bool removed = IdePackages().RemoveExpert(BinaryFileName);
  EmitLine(removed ? L"Unregistration ok" : L"Unregistration failed");
  return removed;
}

bool TIdeBorRADToolInstallation::UnregisterExpert(const String& ProjectName,
                                                  const String& OutputDir) {
  return UnregisterExpert(ProjectBinaryPath(OutputDir, ProjectName));
}

TIdeBorRADToolIdePackages& TIdeBorRADToolInstallation::IdePackages() {
  if (!FIdePackages) FIdePackages = std::make_unique<TIdeBorRADToolIdePackages>(*this);
  return *FIdePackages;
}

bool TIdeBDSInstallation::RegisterPackage(const String& BinaryFileName, const String& Description) {
  if (IDEVersionNumber() > 2) CleanPackageCache(BinaryFileName);
  return TIdeBorRADToolInstallation::RegisterPackage(BinaryFileName, Description);
}

bool TIdeBDSInstallation::UnregisterPackage(const String& BinaryFileName) {
  if (IDEVersionNumber() > 2) CleanPackageCache(BinaryFileName);
  return TIdeBorRADToolInstallation::UnregisterPackage(BinaryFileName);
}

bool TIdeBDSInstallation::CleanPackageCache(const String& BinaryFileName) {
  if (IDEVersionNumber() <= 2) return true;
  bool result = true;
  try {
    const String name = ExtractFileName(BinaryFileName);
    EmitLine(Format(L"Cleaning package cache for %s", {name}));
    const String key = WithTrailingBackslash(ConfigDataLocation()) + L"Package Cache\\" + name;
    if (platform::RegistryKey::Exists(RootKey(), key))
      result = platform::RegistryKey::DeleteTree(RootKey(), key);
    EmitLine(result ? L"Cleaning ok" : L"Cleaning failed");
  } catch (const Exception&) {
    // The cache is only an optimisation of the IDE: registration goes on without a line.
  }
  return result;
}
