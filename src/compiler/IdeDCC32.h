// The Delphi command-line compiler drivers: dcc32.exe and its 64-bit, OS X and .NET relatives.
// MakePackage and MakeProject compile one source: they make the source's folder current, set
// an existing ".cfg" beside the source aside, assemble the option list (defaults, the options
// of a ".dproj", ".bdsproj" or ".dof" beside the source, the output folders, the extra options),
// and run the compiler with that list appended to its command line. OnBeforeExecute fires after
// the list is assembled and before it becomes command-line text, so a handler may replace it.
//
// The compile operations return true only when the compiler started and ended with exit code 0.
// Whatever happens, including an exception from a handler, a callback or a malformed project
// option file (EXmlError, EIdeMsBuildError, EIdeConversionError), the current folder and the
// ".cfg" are put back before the operation returns or the exception leaves it.
#pragma once

#include <functional>

#include "compiler/IdeCommandLineTool.h"

// The installation's environment variables as NAME=value lines.
using TIdeStringsGetterFunction = std::function<TStringList()>;

// The options read from a project option file.
struct TProjectOptions {
  bool UsePackages = false;
  String UnitOutputDir;
  String SearchPath;
  String DynamicPackages;
  String SearchDcpPath;
  String Conditionals;
  String Namespace;
};

class TIdeDCC32 : public TIdeBorlandCommandLineTool {
 public:
  TIdeDCC32(const String& ABinDirectory, bool ALongPathBug, float ADCCVersion,
            TIdeCompilerSettingsFormat ACompilerSettingsFormat, bool ASupportsNoConfig,
            bool ASupportsPlatform, const String& ADCPSearchPath, const String& ALibrarySearchPath,
            const String& ALibraryDebugSearchPath, const String& ACppSearchPath);

  const String& DCPSearchPath() const { return FDCPSearchPath; }
  const String& LibrarySearchPath() const { return FLibrarySearchPath; }
  const String& LibraryDebugSearchPath() const { return FLibraryDebugSearchPath; }
  const String& CppSearchPath() const { return FCppSearchPath; }
  const TIdeStringsGetterFunction& OnEnvironmentVariables() const {
    return FOnEnvironmentVariables;
  }
  void SetOnEnvironmentVariables(TIdeStringsGetterFunction value) {
    FOnEnvironmentVariables = std::move(value);
  }
  bool SupportsNoConfig() const { return FSupportsNoConfig; }
  bool SupportsPlatform() const { return FSupportsPlatform; }
  float DCCVersion() const { return FDCCVersion; }

  String GetExeName() const override { return L"dcc32.exe"; }
  // Runs the compiler with CommandLine followed by the option list, path options re-quoted.
  bool Execute(const String& CommandLine) override;
  virtual String GetPlatform() const { return L"Win32"; }
  // Replaces the option list by the defaults: "--no-config" when supported, the library folders.
  virtual void SetDefaultOptions(bool ADebug);

  // BPLPath receives the package library, DCPPath the compiled package interface file.
  bool MakePackage(const String& PackageName, const String& BPLPath, const String& DCPPath,
                   const String& ExtraOptions, bool ADebug);
  virtual bool MakeProject(const String& ProjectName, const String& OutputDir,
                           const String& DcpSearchPath, const String& ExtraOptions, bool ADebug);

  // Each reads the option file of its kind beside ProjectFileName into ProjectOptions; false
  // when there is no such file (or, for ".dproj", the IDE does not write that format).
  bool AddDProjOptions(const String& ProjectFileName, TProjectOptions& ProjectOptions);
  bool AddBDSProjOptions(const String& ProjectFileName, TProjectOptions& ProjectOptions);
  bool AddDOFOptions(const String& ProjectFileName, TProjectOptions& ProjectOptions);

 protected:
  // Adds the options of the first project option file found beside ProjectFileName.
  void ApplyProjectOptions(const String& ProjectFileName, const String& DCPPath);
  // Runs Execute with the source name in double quotes.
  bool CompileFile(const String& ProjectFileName);
  // Number of characters of the prefix when Option is a path option (-U..., -LE..., -NS...),
  // else 0.
  size_t PathOptionPrefixLength(const String& Option) const;

 private:
  String FDCPSearchPath;
  String FLibrarySearchPath;
  String FLibraryDebugSearchPath;
  String FCppSearchPath;
  TIdeStringsGetterFunction FOnEnvironmentVariables;
  bool FSupportsNoConfig;
  bool FSupportsPlatform;
  float FDCCVersion;
};

class TIdeDCC64 : public TIdeDCC32 {
 public:
  using TIdeDCC32::TIdeDCC32;
  String GetExeName() const override { return L"dcc64.exe"; }
  String GetPlatform() const override { return L"Win64"; }
};

class TIdeDCCOSX32 : public TIdeDCC32 {
 public:
  using TIdeDCC32::TIdeDCC32;
  String GetExeName() const override { return L"dccosx.exe"; }
  String GetPlatform() const override { return L"OSX32"; }
};

// The .NET compiler: no "--no-config" and no C++ folder in its defaults; its MakeProject passes
// no DCP search path and leaves a ".cfg" where it is.
class TIdeDCCIL : public TIdeDCC32 {
 public:
  TIdeDCCIL(const String& ABinDirectory, bool ALongPathBug, float ADCCVersion,
            TIdeCompilerSettingsFormat ACompilerSettingsFormat, bool ASupportsNoConfig,
            bool ASupportsPlatform, const String& ADCPSearchPath, const String& ALibrarySearchPath,
            const String& ALibraryDebugSearchPath, const String& ACppSearchPath);
  String GetExeName() const override { return L"dccil.exe"; }
  void SetDefaultOptions(bool ADebug) override;
  bool MakeProject(const String& ProjectName, const String& OutputDir, const String& DcpSearchPath,
                   const String& ExtraOptions, bool ADebug) override;
};
