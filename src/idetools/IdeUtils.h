// The IDE installation catalogue. TIdeBorRADToolInstallations reads the registry once and keeps
// every valid Delphi, C++Builder and BDS / RAD Studio installation in discovery order; each
// installation answers its identity (kind, version numbers and tag, root folder, edition,
// personalities, command-line tools), its environment variables, its library, browsing and
// debug-DCU paths per target platform, its output folders and capability flags.
//
// Ownership: the collection owns its installations; an installation owns its registry settings
// view, its Globals and its environment list (built on first use and kept).
//
// Errors: a path question for a platform the installation cannot build raises
// EIdeBorRADException "This installation cannot generate binaries for an unknown platform"; a
// registry key that exists but cannot be listed raises EIdeRegistryError; reading EnvOptions.proj
// (BDS 5 and later) passes on the evaluator's errors (EIdeMsBuildError, EXmlError, EInOutError).
// Lookups of absent settings give empty text.
#pragma once

#include <memory>
#include <vector>

#include "IdeConfigData.h"
#include "IdeErrors.h"
#include "IdeTypes.h"
#include "core/StringList.h"

class TIdeBorRADToolInstallation {
 public:
  virtual ~TIdeBorRADToolInstallation();
  TIdeBorRADToolInstallation(const TIdeBorRADToolInstallation&) = delete;
  TIdeBorRADToolInstallation& operator=(const TIdeBorRADToolInstallation&) = delete;

  // --- virtual operations, in slot order ---
  virtual String GetDCPOutputPath(TIdeBDSPlatform APlatform);
  virtual String GetBPLOutputPath(TIdeBDSPlatform APlatform);
  virtual TStringList& GetEnvironmentVariables();
  virtual String GetName() const;
  virtual void SetOutputCallback(const TTextHandler& Value);
  virtual String GetDebugDCUPath(TIdeBDSPlatform APlatform);
  virtual String GetRawDebugDCUPath(TIdeBDSPlatform APlatform);
  virtual String GetLibrarySearchPath(TIdeBDSPlatform APlatform);
  virtual String GetRawLibrarySearchPath(TIdeBDSPlatform APlatform);
  virtual String GetLibraryBrowsingPath(TIdeBDSPlatform APlatform);
  virtual String GetRawLibraryBrowsingPath(TIdeBDSPlatform APlatform);
  virtual String GetLibFolderName(TIdeBDSPlatform APlatform) const;
  virtual String GetObjFolderName(TIdeBDSPlatform APlatform) const;
  virtual String GetLibDebugFolderName(TIdeBDSPlatform APlatform) const;
  virtual bool GetValid() const;
  // (The virtual constructor is each class's Create factory below.)
  virtual String PackageSourceFileExtension() const = 0;
  virtual String ProjectSourceFileExtension() const = 0;
  virtual TIdeBorRADToolKind RadToolKind() const = 0;
  virtual String RadToolName() const = 0;
  virtual String GetDefaultProjectsDir() const;
  virtual String GetCommonProjectsDir() const;

  // --- properties ---
  TIdeConfigData& ConfigData() { return *FConfigData; }
  const String& ConfigDataLocation() const { return FConfigDataLocation; }
  platform::RegRoot RootKey() const { return FRootKey; }
  const TStringList& Globals() const { return FGlobals; }
  const String& RootDir() const { return FRootDir; }
  const String& BinFolderName() const { return FBinFolderName; }
  TIdeBorRADToolEdition Edition() const { return FEdition; }
  const String& EditionStr() const { return FEditionStr; }
  int InstalledUpdatePack() const { return FInstalledUpdatePack; }
  TCommandLineTools CommandLineTools() const { return FCommandLineTools; }
  TIdeBorPersonalities Personalities() const { return FPersonalities; }
  float DCCVersion() const { return FDCCVersion; }
  int IDEVersionNumber() const { return FIDEVersionNumber; }
  const String& IDEVersionNumberStr() const { return FIDEVersionNumberStr; }
  int VersionNumber() const { return FIDEVersionNumber; }
  const String& VersionNumberStr() const { return FIDEVersionNumberStr; }
  int IDEPackageVersionNumber() const { return FIDEPackageVersionNumber; }
  int PackageVersionNumber() const { return FPackageVersionNumber; }
  String IDEPackageVersionNumberStr() const;
  String PackageVersionNumberStr() const;
  String IdeExeFileName() const { return FGlobals.Values(L"App"); }
  String Name() const { return GetName(); }
  bool Valid() const { return GetValid(); }
  const TTextHandler& OutputCallback() const { return FOutputCallback; }
  TStringList& EnvironmentVariables() { return GetEnvironmentVariables(); }

  // --- settings and paths ---
  // Every "$(" + name + ")" of Path replaced by the environment list's values (ignoring case),
  // then doubled backslashes collapsed.
  String SubstitutePath(const String& Path);
  bool SupportsNoConfig() const;
  bool SupportsLibSuffix() const;
  bool SupportsPlatform() const;
  bool LongPathBug() const;
  TIdeCompilerSettingsFormat CompilerSettingsFormat() const;

 protected:
  TIdeBorRADToolInstallation(TIdeBorRADToolKind AKind, const String& AConfigDataLocation,
                             platform::RegRoot ARootKey);

  // Raises EIdeBorRADException unless the personalities can build for the platform.
  void EnsurePlatformSupported(TIdeBDSPlatform APlatform) const;
  // The environment list of the base rules, built on the first call (later calls return it).
  TStringList& BaseEnvironmentVariables();
  bool HasEnvironmentVariables() const { return FEnvironmentVariables != nullptr; }
  // Drops the list so that the next request builds it again (after a failed build).
  void DiscardEnvironmentVariables() { FEnvironmentVariables.reset(); }
  // The application-data folder of the installation's root key (without trailing backslash).
  String ApplicationDataFolder() const;
  String ReadLibrarySetting(const String& Ident) const;

  TIdeBorPersonalities FPersonalities;

 private:
  void LoadInstallationInfo(TIdeBorRADToolKind AKind);
  void AppendGlobals(platform::RegRoot Root, const String& Key);
  void DetectCommandLineTools();

  std::unique_ptr<TIdeConfigData> FConfigData;
  String FConfigDataLocation;
  platform::RegRoot FRootKey;
  TStringList FGlobals;
  String FRootDir;
  String FBinFolderName;
  String FEditionStr;
  TIdeBorRADToolEdition FEdition = deSTD;
  std::unique_ptr<TStringList> FEnvironmentVariables;
  int FInstalledUpdatePack = 0;
  int FIDEVersionNumber = 0;
  String FIDEVersionNumberStr;
  int FIDEPackageVersionNumber = 0;
  int FPackageVersionNumber = 0;
  float FDCCVersion = 0;
  TCommandLineTools FCommandLineTools;
  TTextHandler FOutputCallback;
};

class TIdeDelphiInstallation : public TIdeBorRADToolInstallation {
 public:
  static std::unique_ptr<TIdeBorRADToolInstallation> Create(
      const String& AConfigDataLocation,
      platform::RegRoot ARootKey = platform::RegRoot::CurrentUser);
  TStringList& GetEnvironmentVariables() override;
  String PackageSourceFileExtension() const override { return L".dpk"; }
  String ProjectSourceFileExtension() const override { return L".dpr"; }
  TIdeBorRADToolKind RadToolKind() const override { return brDelphi; }
  String RadToolName() const override { return L"Delphi"; }

 protected:
  TIdeDelphiInstallation(const String& AConfigDataLocation, platform::RegRoot ARootKey);
};

class TIdeBCBInstallation : public TIdeBorRADToolInstallation {
 public:
  static std::unique_ptr<TIdeBorRADToolInstallation> Create(
      const String& AConfigDataLocation,
      platform::RegRoot ARootKey = platform::RegRoot::CurrentUser);
  TStringList& GetEnvironmentVariables() override;
  String PackageSourceFileExtension() const override { return L".bpk"; }
  String ProjectSourceFileExtension() const override { return L".bpr"; }
  TIdeBorRADToolKind RadToolKind() const override { return brCppBuilder; }
  String RadToolName() const override { return L"C++Builder"; }

 protected:
  TIdeBCBInstallation(const String& AConfigDataLocation, platform::RegRoot ARootKey);
};

class TIdeBDSInstallation : public TIdeBorRADToolInstallation {
 public:
  static std::unique_ptr<TIdeBorRADToolInstallation> Create(
      const String& AConfigDataLocation,
      platform::RegRoot ARootKey = platform::RegRoot::CurrentUser);

  String GetDCPOutputPath(TIdeBDSPlatform APlatform) override;
  String GetBPLOutputPath(TIdeBDSPlatform APlatform) override;
  TStringList& GetEnvironmentVariables() override;
  String GetName() const override;
  String GetDebugDCUPath(TIdeBDSPlatform APlatform) override;
  String GetRawDebugDCUPath(TIdeBDSPlatform APlatform) override;
  String GetLibrarySearchPath(TIdeBDSPlatform APlatform) override;
  String GetRawLibrarySearchPath(TIdeBDSPlatform APlatform) override;
  String GetLibraryBrowsingPath(TIdeBDSPlatform APlatform) override;
  String GetRawLibraryBrowsingPath(TIdeBDSPlatform APlatform) override;
  String GetLibFolderName(TIdeBDSPlatform APlatform) const override;
  String GetLibDebugFolderName(TIdeBDSPlatform APlatform) const override;
  bool GetValid() const override;
  String PackageSourceFileExtension() const override { return L".dpk"; }
  String ProjectSourceFileExtension() const override { return L".dpr"; }
  TIdeBorRADToolKind RadToolKind() const override { return brBorlandDevStudio; }
  String RadToolName() const override;
  String GetDefaultProjectsDir() const override;
  String GetCommonProjectsDir() const override;

  bool DualPackageInstallation() const { return FDualPackageInstallation; }
  void SetDualPackageInstallation(bool Value) { FDualPackageInstallation = Value; }

  // EnvOptions.proj of this installation in the application-data folder; empty before BDS 5.
  String EnvOptionsFileName() const;
  // environment.proj beside EnvOptions.proj.
  String EnvironmentProjFileName() const;

  // Class-level helpers.
  // RootDir + "\bin\rsvars.bat".
  static String GetRADStudioVarsFileName(const String& RootDir, int IDEVersionNumber);
  // The process environment and the variables rsvars.bat sets (nothing before BDS 5); raises
  // EInOutError when rsvars.bat cannot be read.
  static void GetRADStudioVars(const String& RootDir, int IDEVersionNumber, TStringList& Variables);
  static String GetDefaultProjectsDirectory(const String& RootDir, int IDEVersionNumber);
  static String GetCommonProjectsDirectory(const String& RootDir, int IDEVersionNumber);

 protected:
  TIdeBDSInstallation(const String& AConfigDataLocation, platform::RegRoot ARootKey);

 private:
  // The evaluated (or, with Raw, the stored) value of a property of EnvOptions.proj.
  String ReadEnvOption(const String& Name, TIdeBDSPlatform APlatform, bool Raw);
  // The BDS 5-7 or BDS 8+ property name for a setting.
  String EnvOptionName(const wchar_t* Bds5To7, const wchar_t* Bds8On) const;
  String ReadBPLOutputOption(TIdeBDSPlatform APlatform);

  bool FDualPackageInstallation = false;
};

class TIdeBorRADToolInstallations {
 public:
  // Reads the registry's five discovery roots; raises EIdeRegistryError for a key that exists but
  // cannot be listed.
  TIdeBorRADToolInstallations();
  TIdeBorRADToolInstallations(const TIdeBorRADToolInstallations&) = delete;
  TIdeBorRADToolInstallations& operator=(const TIdeBorRADToolInstallations&) = delete;

  int Count() const { return static_cast<int>(FList.size()); }
  // Raises EListError for an index outside 0..Count-1.
  TIdeBorRADToolInstallation& Installations(int Index) const;

 private:
  std::vector<std::unique_ptr<TIdeBorRADToolInstallation>> FList;
};

// Line parsing and expansion rules of the environment list (exposed for their tests).
// Replaces $(NAME) references from the last one backwards; false (value partly expanded) when a
// name has no non-empty value in list.
bool ExpandVariableReferences(String& Value, const TStringList& List);
// Applies one line of rsvars.bat ("@SET NAME=value with %VAR%") to Variables.
void ParseRsVarsLine(const String& Line, TStringList& Variables);
// The process environment as NAME=value lines, each line %NAME%-expanded.
void ReadProcessEnvironment(TStringList& Variables);
