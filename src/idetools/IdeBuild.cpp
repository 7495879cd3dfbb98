// The compile operations (Delphi packages and projects through the installation's Delphi
// compiler driver, C++Builder packages and projects through a makefile) and the operations that
// choose among the compile, install and uninstall operations by the source's extension.
#include "IdeFileNames.h"
#include "IdePackageSource.h"
#include "IdeUtils.h"
#include "compiler/CompilerPaths.h"
#include "core/Format.h"
#include "platform/Files.h"

namespace {

// True for the C++Builder extension, false for the Delphi one; another extension raises
// EIdeBorRADException with message (a format taking the extension).
bool IsCppSource(const String& fileName, const wchar_t* cppExtension,
                 const wchar_t* delphiExtension, const wchar_t* message) {
  const String extension = ExtractFileExt(fileName);
  if (SameTextAscii(extension, cppExtension)) return true;
  if (SameTextAscii(extension, delphiExtension)) return false;
  RaiseBorRADError(message, {extension});
}

const wchar_t* const kPackageExtensionMessage = L"%s not a known package extension";
const wchar_t* const kIdePackageExtensionMessage = L"%s not a known IDE package extension";
const wchar_t* const kProjectExtensionMessage = L"%s not a known project extension";

String WithoutQuotes(const String& text) {
  String result;
  for (wchar_t c : text) {
    if (c != L'"') result += c;
  }
  return result;
}

String JoinedBySpaces(const TStringList& options) {
  String joined;
  for (const String& option : options.Items()) joined += (joined.empty() ? L"" : L" ") + option;
  return joined;
}

}  // namespace

bool TIdeBorRADToolInstallation::BuildDelphiPackage(const String& PackageName,
                                                    const String& BPLPath, const String& DCPPath) {
  return BuildDelphiPackage(PackageName, BPLPath, DCPPath, String());
}

bool TIdeBorRADToolInstallation::BuildDelphiPackage(const String& PackageName,
                                                    const String& BPLPath, const String& DCPPath,
                                                    const String& ExtraOptions) {
  EmitLine(Format(L"Compiling package %s", {PackageName}));
  if (!SameTextAscii(ExtractFileExt(PackageName), L".dpk"))
    RaiseBorRADError(L"%s not a Delphi package source file", {PackageName});
  const String options = FMapCreate ? ExtraOptions + L" -GD" : ExtraOptions;
  bool ok = DCC().MakePackage(PackageName, BPLPath, DCPPath, options, false);
  if (ok) ok = ProcessDebugInfo(ProjectBinaryPath(BPLPath, PackageName));
  EmitLine(ok ? L"Compilation success" : L"Compilation failure");
  return ok;
}

bool TIdeBorRADToolInstallation::BuildDelphiProject(const String& ProjectName,
                                                    const String& OutputDir,
                                                    const String& DcpSearchPath) {
  EmitLine(Format(L"Compiling project %s", {ProjectName}));
  if (!SameTextAscii(ExtractFileExt(ProjectName), L".dpr"))
    RaiseBorRADError(L"%s not a Delphi project source file", {ProjectName});
  const String options = FMapCreate ? String(L" -GD") : String();
  bool ok = DCC().MakeProject(ProjectName, OutputDir, DcpSearchPath, options, false);
  if (ok) ok = ProcessDebugInfo(ProjectBinaryPath(OutputDir, ProjectName));
  EmitLine(ok ? L"Compilation success" : L"Compilation failure");
  return ok;
}

bool TIdeBorRADToolInstallation::BuildCppSource(const String& SourceName, const wchar_t* Extension,
                                                const wchar_t* KindMessage,
                                                const wchar_t* FirstLine) {
  EmitLine(Format(FirstLine, {SourceName}));
  if (!SameTextAscii(ExtractFileExt(SourceName), Extension))
    RaiseBorRADError(KindMessage, {SourceName});
  const TCurrentFolderChange folder(ExtractFilePath(SourceName) + L".");
  const String makefile = WithoutQuotes(ChangeFileExt(SourceName, L".mak"));
  bool ok = true;
  if (FCommandLineTools.Contains(clProj2Mak)) {
    TIdeBpr2Mak& converter = Bpr2Mak();
    ok =
        converter.Execute(JoinedBySpaces(converter.Options()) + L" " + ExtractFileName(SourceName));
  } else if (!platform::FileExists(makefile)) {
    RaiseBorRADError(L"%s not found", {makefile});
  }
  if (ok) {
    TIdeBorlandMake& make = Make();
    if (FMapCreate && make.Options().IndexOf(L"-DMAPFLAGS=-s") < 0)
      make.Options().Add(L"-DMAPFLAGS=-s");
    ok = make.Execute(Format(
        L"%s -f%s", {JoinedBySpaces(make.Options()), L"\"" + ExtractFileName(makefile) + L"\""}));
  }
  if (ok) ok = ProcessDebugInfo(ProjectBinaryPath(ExtractFilePath(SourceName), SourceName));
  EmitLine(ok ? L"Compilation success" : L"Compilation failure");
  return ok;
}

bool TIdeBorRADToolInstallation::BuildCppPackage(const String& PackageName, const String&,
                                                 const String&) {
  return BuildCppSource(PackageName, L".bpk", L"%s not a C++Builder package source file",
                        L"Compiling package %s");
}

bool TIdeBorRADToolInstallation::BuildCppProject(const String& ProjectName, const String&,
                                                 const String&) {
  return BuildCppSource(ProjectName, L".bpr", L"%s not a C++Builder project source file",
                        L"Compiling project %s");
}

bool TIdeBorRADToolInstallation::ProcessDebugInfo(const String& BinaryFileName) {
  if (!FDbgInfoCreate) return true;
  RaiseBorRADError(
      L"Cannot create debug information for %s: converting map files into debug "
      L"information is not supported",
      {BinaryFileName});
}

bool TIdeBorRADToolInstallation::CompilePackage(const String& PackageName, const String& BPLPath,
                                                const String& DCPPath) {
  return IsCppSource(PackageName, L".bpk", L".dpk", kPackageExtensionMessage)
             ? BuildCppPackage(PackageName, BPLPath, DCPPath)
             : BuildDelphiPackage(PackageName, BPLPath, DCPPath);
}

bool TIdeBorRADToolInstallation::InstallPackage(const String& PackageName, const String& BPLPath,
                                                const String& DCPPath) {
  return IsCppSource(PackageName, L".bpk", L".dpk", kPackageExtensionMessage)
             ? InstallCppSource(PackageName, BPLPath, DCPPath)
             : InstallDelphiSource(PackageName, BPLPath, DCPPath);
}

bool TIdeDelphiInstallation::InstallPackage(const String& PackageName, const String& BPLPath,
                                            const String& DCPPath) {
  return InstallDelphiSource(PackageName, BPLPath, DCPPath);
}

bool TIdeBorRADToolInstallation::UninstallPackage(const String& PackageName, const String& BPLPath,
                                                  const String& DCPPath) {
  return IsCppSource(PackageName, L".bpk", L".dpk", kPackageExtensionMessage)
             ? UninstallCppSource(PackageName, BPLPath, DCPPath)
             : UninstallDelphiSource(PackageName, BPLPath, DCPPath);
}

bool TIdeBorRADToolInstallation::InstallIDEPackage(const String& PackageName, const String& BPLPath,
                                                   const String& DCPPath) {
  return IsCppSource(PackageName, L".bpk", L".dpk", kIdePackageExtensionMessage)
             ? InstallCppIdeSource(PackageName, BPLPath, DCPPath)
             : InstallDelphiIdeSource(PackageName, BPLPath, DCPPath);
}

bool TIdeBorRADToolInstallation::UninstallIDEPackage(const String& PackageName,
                                                     const String& BPLPath, const String& DCPPath) {
  return IsCppSource(PackageName, L".bpk", L".dpk", kIdePackageExtensionMessage)
             ? UninstallCppIdeSource(PackageName, BPLPath, DCPPath)
             : UninstallDelphiIdeSource(PackageName, BPLPath, DCPPath);
}

bool TIdeBorRADToolInstallation::CompileProject(const String& ProjectName, const String& OutputDir,
                                                const String& DcpSearchPath) {
  return IsCppSource(ProjectName, L".bpr", L".dpr", kProjectExtensionMessage)
             ? BuildCppProject(ProjectName, OutputDir, DcpSearchPath)
             : BuildDelphiProject(ProjectName, OutputDir, DcpSearchPath);
}

bool TIdeBorRADToolInstallation::InstallExpert(const String& ProjectName, const String& OutputDir,
                                               const String& DcpSearchPath) {
  return IsCppSource(ProjectName, L".bpr", L".dpr", kProjectExtensionMessage)
             ? InstallCppExpertSource(ProjectName, OutputDir, DcpSearchPath)
             : InstallDelphiExpertSource(ProjectName, OutputDir, DcpSearchPath);
}

bool TIdeBorRADToolInstallation::UninstallExpert(const String& ProjectName,
                                                 const String& OutputDir) {
  return IsCppSource(ProjectName, L".bpr", L".dpr", kProjectExtensionMessage)
             ? UninstallCppExpertSource(ProjectName, OutputDir)
             : UninstallDelphiExpertSource(ProjectName, OutputDir);
}

bool TIdeBDSInstallation::BuildDelphiPackage(const String& PackageName, const String& BPLPath,
                                             const String& DCPPath, const String& ExtraOptions) {
  String options = ExtraOptions;
  if (FDualPackageInstallation) {
    const String dcp = WithoutTrailingBackslash(DCPPath);
    options = Format(L"%s -JL -NB\"%s\" -NO\"%s\"", {ExtraOptions, dcp, dcp});
  }
  return TIdeBorRADToolInstallation::BuildDelphiPackage(PackageName, BPLPath, DCPPath, options);
}

void TIdeBDSInstallation::SetDualPackageInstallation(bool Value) {
  if (Value && !Personalities().Contains(bpBCBuilder32))
    RaiseBorRADError(L"This installation of %s doesn't support dual packages", {GetName()});
  FDualPackageInstallation = Value;
}
