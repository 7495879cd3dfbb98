// The install operations (compile a source, then register the library it made) and their
// uninstall counterparts (unregister the library, then delete the files the compile made).
#include "IdeFileNames.h"
#include "IdePackageSource.h"
#include "IdeUtils.h"
#include "core/Format.h"
#include "platform/Files.h"
#include "platform/Paths.h"

namespace {

String BaseName(const String& fileName) {
  return ChangeFileExt(ExtractFileName(fileName), String());
}

}  // namespace

bool TIdeBorRADToolInstallation::RunInstall(const wchar_t* FirstLine, const String& Source,
                                            const String& OutputDir, const String& ThirdDir,
                                            bool CheckRunOnly, TBuildOperation Build,
                                            TRegisterOperation Register, const wchar_t* LastLine) {
  EmitLine(Format(FirstLine, {Source}));
  // A Delphi expert's directives are not read: its description is its name.
  TIdePackageSourceInfo info;
  if (SameTextAscii(ExtractFileExt(Source), L".dpr"))
    info.Description = BaseName(Source);
  else
    info = ReadPackageSourceInfo(Source);
  if (CheckRunOnly && info.RunOnly) RaiseBorRADError(L"A run-only package cannot be installed");
  bool result = (this->*Build)(Source, OutputDir, ThirdDir);
  if (result) result = (this->*Register)(ProjectBinaryPath(OutputDir, Source), info.Description);
  EmitLine(LastLine);
  return result;
}

bool TIdeBorRADToolInstallation::DeleteNamedFile(const String& FileName) {
  if (!platform::FileExists(FileName)) return true;
  EmitLine(Format(L"Deleting file %s", {FileName}));
  const bool deleted = platform::DeleteFile(FileName);
  EmitLine(deleted ? L"File deletion success" : L"File deletion failure");
  return deleted;
}

bool TIdeBorRADToolInstallation::RunUninstall(const wchar_t* FirstLine, const String& Source,
                                              const String& OutputDir, const String& DCPPath,
                                              TInterfaceFiles Interface,
                                              TUnregisterOperation Unregister,
                                              const wchar_t* LastLine) {
  const String binary = ProjectBinaryPath(OutputDir, Source);
  // The compiled package interface files in DCPPath: the ".dcp" of a Delphi package, the ".bpi"
  // and ".lib" of a C++Builder one (named like the library, without suffix).
  std::vector<String> interfaceFiles;
  if (Interface != TInterfaceFiles::None) {
    const bool cpp = Interface == TInterfaceFiles::Cpp;
    const String stem = WithTrailingBackslash(DCPPath) + BaseName(cpp ? binary : Source);
    interfaceFiles.push_back(stem + (cpp ? L".bpi" : L".dcp"));
    if (cpp) interfaceFiles.push_back(stem + L".lib");
  }
  EmitLine(Format(FirstLine, {Source}));
  bool result = (this->*Unregister)(binary);
  result = DeleteNamedFile(binary) && result;
  result = DeleteNamedFile(ChangeFileExt(binary, L".map")) && result;
  for (const String& file : interfaceFiles) result = DeleteNamedFile(file) && result;
  EmitLine(LastLine);
  return result;
}

bool TIdeBorRADToolInstallation::InstallDelphiSource(const String& PackageName,
                                                     const String& BPLPath, const String& DCPPath) {
  return RunInstall(L"Installing package %s", PackageName, BPLPath, DCPPath, true,
                    &TIdeBorRADToolInstallation::BuildDelphiPackage,
                    &TIdeBorRADToolInstallation::RegisterPackage,
                    L"Installation of package finished");
}

bool TIdeBorRADToolInstallation::InstallCppSource(const String& PackageName, const String& BPLPath,
                                                  const String& DCPPath) {
  return RunInstall(L"Installing package %s", PackageName, BPLPath, DCPPath, true,
                    &TIdeBorRADToolInstallation::BuildCppPackage,
                    &TIdeBorRADToolInstallation::RegisterPackage,
                    L"Installation of package finished");
}

bool TIdeBorRADToolInstallation::InstallDelphiIdeSource(const String& PackageName,
                                                        const String& BPLPath,
                                                        const String& DCPPath) {
  return RunInstall(L"Installing ide package %s", PackageName, BPLPath, DCPPath, true,
                    &TIdeBorRADToolInstallation::BuildDelphiPackage,
                    &TIdeBorRADToolInstallation::RegisterIDEPackage,
                    L"Installation of ide package finished");
}

bool TIdeBorRADToolInstallation::InstallCppIdeSource(const String& PackageName,
                                                     const String& BPLPath, const String& DCPPath) {
  return RunInstall(L"Installing ide package %s", PackageName, BPLPath, DCPPath, true,
                    &TIdeBorRADToolInstallation::BuildCppPackage,
                    &TIdeBorRADToolInstallation::RegisterIDEPackage,
                    L"Installation of ide package finished");
}

bool TIdeBorRADToolInstallation::InstallDelphiExpertSource(const String& ProjectName,
                                                           const String& OutputDir,
                                                           const String& DcpSearchPath) {
  return RunInstall(L"Installing expert %s", ProjectName, OutputDir, DcpSearchPath, false,
                    &TIdeBorRADToolInstallation::BuildDelphiProject,
                    &TIdeBorRADToolInstallation::RegisterExpert,
                    L"Installation of expert finished");
}

bool TIdeBorRADToolInstallation::InstallCppExpertSource(const String& ProjectName,
                                                        const String& OutputDir,
                                                        const String& DcpSearchPath) {
  return RunInstall(L"Installing expert %s", ProjectName, OutputDir, DcpSearchPath, false,
                    &TIdeBorRADToolInstallation::BuildCppProject,
                    &TIdeBorRADToolInstallation::RegisterExpert,
                    L"Installation of expert finished");
}

bool TIdeBorRADToolInstallation::UninstallDelphiSource(const String& PackageName,
                                                       const String& BPLPath,
                                                       const String& DCPPath) {
  return RunUninstall(L"Uninstalling package %s", PackageName, BPLPath, DCPPath,
                      TInterfaceFiles::Delphi, &TIdeBorRADToolInstallation::UnregisterPackage,
                      L"Uninstallation of package finished");
}

bool TIdeBorRADToolInstallation::UninstallCppSource(const String& PackageName,
                                                    const String& BPLPath, const String& DCPPath) {
  return RunUninstall(L"Uninstalling package %s", PackageName, BPLPath, DCPPath,
                      TInterfaceFiles::Cpp, &TIdeBorRADToolInstallation::UnregisterPackage,
                      L"Uninstallation of package finished");
}

bool TIdeBorRADToolInstallation::UninstallDelphiIdeSource(const String& PackageName,
                                                          const String& BPLPath,
                                                          const String& DCPPath) {
  return RunUninstall(L"Uninstalling ide package %s", PackageName, BPLPath, DCPPath,
                      TInterfaceFiles::Delphi, &TIdeBorRADToolInstallation::UnregisterIDEPackage,
                      L"Uninstallation of ide package finished");
}

bool TIdeBorRADToolInstallation::UninstallCppIdeSource(const String& PackageName,
                                                       const String& BPLPath,
                                                       const String& DCPPath) {
  return RunUninstall(L"Uninstalling ide package %s", PackageName, BPLPath, DCPPath,
                      TInterfaceFiles::Cpp, &TIdeBorRADToolInstallation::UnregisterIDEPackage,
                      L"Uninstallation of ide package finished");
}

bool TIdeBorRADToolInstallation::UninstallDelphiExpertSource(const String& ProjectName,
                                                             const String& OutputDir) {
  return RunUninstall(L"Uninstalling expert %s", ProjectName, OutputDir, String(),
                      TInterfaceFiles::None, &TIdeBorRADToolInstallation::UnregisterExpert,
                      L"Uninstallation of expert finished");
}

bool TIdeBorRADToolInstallation::UninstallCppExpertSource(const String& ProjectName,
                                                          const String& OutputDir) {
  return RunUninstall(L"Uninstalling expert %s", ProjectName, OutputDir, String(),
                      TInterfaceFiles::None, &TIdeBorRADToolInstallation::UnregisterExpert,
                      L"Uninstallation of expert finished");
}
