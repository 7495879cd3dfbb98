// The install operations (compile a source, then register the library it made) and their
// uninstall counterparts (unregister the library, then delete the files the compile made).
#include "IdeFileNames.h"
#include "IdePackageSource.h"
#include "IdeUtils.h"
#include "core/Format.h"
#include "platform/Files.h"
#include "platform/Paths.h"

namespace {

// The compiled package interface files of a package in DCPPath: the ".dcp" of a Delphi
// package, the ".bpi" and ".lib" of a C++Builder one (named like the library, without suffix).
std::vector<String> InterfaceFiles(const String& DCPPath, const String& baseName, bool cpp) {
  const String folder = WithTrailingBackslash(DCPPath);
  if (!cpp) return {folder + baseName + L".dcp"};
  return {folder + baseName + L".bpi", folder + baseName + L".lib"};
}

String BaseName(const String& fileName) {
  return ChangeFileExt(ExtractFileName(fileName), String());
}

}  // namespace

bool TIdeBorRADToolInstallation::RunInstall(
    const wchar_t* FirstLine, const String& Source, bool CheckRunOnly,
    const std::function<bool()>& Compile,
    const std::function<bool(const String& Description)>& Register, const wchar_t* LastLine) {
  EmitLine(Format(FirstLine, {Source}));
  // A Delphi expert's directives are not read: its description is its name.
  TIdePackageSourceInfo info;
  if (SameTextAscii(ExtractFileExt(Source), L".dpr"))
    info.Description = BaseName(Source);
  else
    info = ReadPackageSourceInfo(Source);
  if (CheckRunOnly && info.RunOnly)
    throw EIdeBorRADException(L"A run-only package cannot be installed");
  bool result = Compile();
  if (result) result = Register(info.Description);
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
                                              const String& BinaryFileName,
                                              const std::vector<String>& OtherFiles,
                                              const std::function<bool()>& Unregister,
                                              const wchar_t* LastLine) {
  EmitLine(Format(FirstLine, {Source}));
  bool result = Unregister();
  result = DeleteNamedFile(BinaryFileName) && result;
  result = DeleteNamedFile(ChangeFileExt(BinaryFileName, L".map")) && result;
  for (const String& file : OtherFiles) result = DeleteNamedFile(file) && result;
  EmitLine(LastLine);
  return result;
}

bool TIdeBorRADToolInstallation::InstallDelphiSource(const String& PackageName,
                                                     const String& BPLPath, const String& DCPPath) {
  return RunInstall(
      L"Installing package %s", PackageName, true,
      [&] { return BuildDelphiPackage(PackageName, BPLPath, DCPPath); },
      [&](const String& description) {
        return RegisterPackage(ProjectBinaryPath(BPLPath, PackageName), description);
      },
      L"Installation of package finished");
}

bool TIdeBorRADToolInstallation::InstallCppSource(const String& PackageName, const String& BPLPath,
                                                  const String& DCPPath) {
  return RunInstall(
      L"Installing package %s", PackageName, true,
      [&] { return BuildCppPackage(PackageName, BPLPath, DCPPath); },
      [&](const String& description) {
        return RegisterPackage(ProjectBinaryPath(BPLPath, PackageName), description);
      },
      L"Installation of package finished");
}

bool TIdeBorRADToolInstallation::InstallDelphiIdeSource(const String& PackageName,
                                                        const String& BPLPath,
                                                        const String& DCPPath) {
  return RunInstall(
      L"Installing ide package %s", PackageName, true,
      [&] { return BuildDelphiPackage(PackageName, BPLPath, DCPPath); },
      [&](const String& description) {
        return RegisterIDEPackage(ProjectBinaryPath(BPLPath, PackageName), description);
      },
      L"Installation of ide package finished");
}

bool TIdeBorRADToolInstallation::InstallCppIdeSource(const String& PackageName,
                                                     const String& BPLPath, const String& DCPPath) {
  return RunInstall(
      L"Installing ide package %s", PackageName, true,
      [&] { return BuildCppPackage(PackageName, BPLPath, DCPPath); },
      [&](const String& description) {
        return RegisterIDEPackage(ProjectBinaryPath(BPLPath, PackageName), description);
      },
      L"Installation of ide package finished");
}

bool TIdeBorRADToolInstallation::InstallDelphiExpertSource(const String& ProjectName,
                                                           const String& OutputDir,
                                                           const String& DcpSearchPath) {
  return RunInstall(
      L"Installing expert %s", ProjectName, false,
      [&] { return BuildDelphiProject(ProjectName, OutputDir, DcpSearchPath); },
      [&](const String& description) {
        return RegisterExpert(ProjectBinaryPath(OutputDir, ProjectName), description);
      },
      L"Installation of expert finished");
}

bool TIdeBorRADToolInstallation::InstallCppExpertSource(const String& ProjectName,
                                                        const String& OutputDir,
                                                        const String& DcpSearchPath) {
  return RunInstall(
      L"Installing expert %s", ProjectName, false,
      [&] { return BuildCppProject(ProjectName, OutputDir, DcpSearchPath); },
      [&](const String& description) {
        return RegisterExpert(ProjectBinaryPath(OutputDir, ProjectName), description);
      },
      L"Installation of expert finished");
}

bool TIdeBorRADToolInstallation::UninstallDelphiSource(const String& PackageName,
                                                       const String& BPLPath,
                                                       const String& DCPPath) {
  const String binary = ProjectBinaryPath(BPLPath, PackageName);
  return RunUninstall(
      L"Uninstalling package %s", PackageName, binary,
      InterfaceFiles(DCPPath, BaseName(PackageName), false),
      [&] { return UnregisterPackage(binary); }, L"Uninstallation of package finished");
}

bool TIdeBorRADToolInstallation::UninstallCppSource(const String& PackageName,
                                                    const String& BPLPath, const String& DCPPath) {
  const String binary = ProjectBinaryPath(BPLPath, PackageName);
  return RunUninstall(
      L"Uninstalling package %s", PackageName, binary,
      InterfaceFiles(DCPPath, BaseName(binary), true), [&] { return UnregisterPackage(binary); },
      L"Uninstallation of package finished");
}

bool TIdeBorRADToolInstallation::UninstallDelphiIdeSource(const String& PackageName,
                                                          const String& BPLPath,
                                                          const String& DCPPath) {
  const String binary = ProjectBinaryPath(BPLPath, PackageName);
  return RunUninstall(
      L"Uninstalling ide package %s", PackageName, binary,
      InterfaceFiles(DCPPath, BaseName(PackageName), false),
      [&] { return UnregisterIDEPackage(binary); }, L"Uninstallation of ide package finished");
}

bool TIdeBorRADToolInstallation::UninstallCppIdeSource(const String& PackageName,
                                                       const String& BPLPath,
                                                       const String& DCPPath) {
  const String binary = ProjectBinaryPath(BPLPath, PackageName);
  return RunUninstall(
      L"Uninstalling ide package %s", PackageName, binary,
      InterfaceFiles(DCPPath, BaseName(binary), true), [&] { return UnregisterIDEPackage(binary); },
      L"Uninstallation of ide package finished");
}

bool TIdeBorRADToolInstallation::UninstallDelphiExpertSource(const String& ProjectName,
                                                             const String& OutputDir) {
  const String binary = ProjectBinaryPath(OutputDir, ProjectName);
  return RunUninstall(
      L"Uninstalling expert %s", ProjectName, binary, {}, [&] { return UnregisterExpert(binary); },
      L"Uninstallation of expert finished");
}

bool TIdeBorRADToolInstallation::UninstallCppExpertSource(const String& ProjectName,
                                                          const String& OutputDir) {
  const String binary = ProjectBinaryPath(OutputDir, ProjectName);
  return RunUninstall(
      L"Uninstalling expert %s", ProjectName, binary, {}, [&] { return UnregisterExpert(binary); },
      L"Uninstallation of expert finished");
}
