// The IDE installation catalogue. TIdeBorRADToolInstallations reads the registry once and keeps
// every valid Delphi, C++Builder and BDS / RAD Studio installation in discovery order; each
// installation answers its identity (kind, version numbers and tag, root folder, edition,
// personalities, command-line tools), its environment variables, its library, browsing and
// debug-DCU paths per target platform, its output folders and capability flags.
//
// Each installation also compiles and installs packages, experts and projects (the compile
// operations run the installation's compiler drivers, the install operations then register the
// result in the IDE's package lists, IdePackages.h), and maintains its library, browsing and
// debug-DCU path lists (registry and, from BDS 5 on, EnvOptions.proj). Progress lines, each
// compiler command line and each compiler output line reach OutputCallback in order.
//
// Ownership: the collection owns its installations; an installation owns its registry settings
// view, its Globals, its environment list, its package lists and its compiler drivers (each built
// on first use and kept, so events and callbacks set on a driver stay set).
//
// Errors: a path question for a platform the installation cannot build raises
// EIdeBorRADException "This installation cannot generate binaries for an unknown platform"; a
// registry key that exists but cannot be listed raises EIdeRegistryError; reading EnvOptions.proj
// (BDS 5 and later) passes on the evaluator's errors (EIdeMsBuildError, EXmlError, EInOutError).
// Lookups of absent settings give empty text. A registry value that cannot be written raises
// EIdeRegistryError. Rewriting EnvOptions.proj keeps a ".bak" copy while it saves: a failed save
// puts the original back before its error is raised again, and a backup that cannot be made
// raises EInOutError before the file is touched.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "IdeConfigData.h"
#include "IdePackages.h"
#include "IdeErrors.h"
#include "IdeTypes.h"
#include "compiler/IdeCompilerUtils.h"
#include "core/StringList.h"

class TIdeBorRADToolInstallation {
 public:
  virtual ~TIdeBorRADToolInstallation();
  TIdeBorRADToolInstallation(const TIdeBorRADToolInstallation&) = delete;
  TIdeBorRADToolInstallation& operator=(const TIdeBorRADToolInstallation&) = delete;

  // --- virtual operations, in slot order ---
  // Compile and install operations. Install... compile and register a source, Uninstall...
  // unregister it and delete the files the compile made; each reports its progress lines.
  virtual bool BuildDelphiPackage(const String& PackageName, const String& BPLPath,
                                  const String& DCPPath);
  virtual bool BuildDelphiPackage(const String& PackageName, const String& BPLPath,
                                  const String& DCPPath, const String& ExtraOptions);
  virtual bool BuildDelphiProject(const String& ProjectName, const String& OutputDir,
                                  const String& DcpSearchPath);
  virtual bool BuildCppPackage(const String& PackageName, const String& BPLPath,
                               const String& DCPPath);
  virtual bool BuildCppProject(const String& ProjectName, const String& OutputDir,
                               const String& DcpSearchPath);
  virtual bool InstallDelphiSource(const String& PackageName, const String& BPLPath,
                                   const String& DCPPath);
  virtual bool UninstallDelphiSource(const String& PackageName, const String& BPLPath,
                                     const String& DCPPath);
  virtual bool InstallCppSource(const String& PackageName, const String& BPLPath,
                                const String& DCPPath);
  virtual bool UninstallCppSource(const String& PackageName, const String& BPLPath,
                                  const String& DCPPath);
  virtual bool InstallDelphiIdeSource(const String& PackageName, const String& BPLPath,
                                      const String& DCPPath);
  virtual bool UninstallDelphiIdeSource(const String& PackageName, const String& BPLPath,
                                        const String& DCPPath);
  virtual bool InstallCppIdeSource(const String& PackageName, const String& BPLPath,
                                   const String& DCPPath);
  virtual bool UninstallCppIdeSource(const String& PackageName, const String& BPLPath,
                                     const String& DCPPath);
  virtual bool InstallDelphiExpertSource(const String& ProjectName, const String& OutputDir,
                                         const String& DcpSearchPath);
  virtual bool UninstallDelphiExpertSource(const String& ProjectName, const String& OutputDir);
  virtual bool InstallCppExpertSource(const String& ProjectName, const String& OutputDir,
                                      const String& DcpSearchPath);
  virtual bool UninstallCppExpertSource(const String& ProjectName, const String& OutputDir);

  virtual String GetDCPOutputPath(TIdeBDSPlatform APlatform);
  virtual String GetBPLOutputPath(TIdeBDSPlatform APlatform);
  virtual TStringList& GetEnvironmentVariables();
  virtual String GetName() const;
  virtual void SetOutputCallback(const TTextHandler& Value);
  virtual String GetDebugDCUPath(TIdeBDSPlatform APlatform);
  virtual String GetRawDebugDCUPath(TIdeBDSPlatform APlatform);
  virtual void SetRawDebugDCUPath(TIdeBDSPlatform APlatform, const String& Value);
  virtual String GetLibrarySearchPath(TIdeBDSPlatform APlatform);
  virtual String GetRawLibrarySearchPath(TIdeBDSPlatform APlatform);
  virtual void SetRawLibrarySearchPath(TIdeBDSPlatform APlatform, const String& Value);
  virtual String GetLibraryBrowsingPath(TIdeBDSPlatform APlatform);
  virtual String GetRawLibraryBrowsingPath(TIdeBDSPlatform APlatform);
  virtual void SetRawLibraryBrowsingPath(TIdeBDSPlatform APlatform, const String& Value);
  virtual String GetLibFolderName(TIdeBDSPlatform APlatform) const;
  virtual String GetObjFolderName(TIdeBDSPlatform APlatform) const;
  virtual String GetLibDebugFolderName(TIdeBDSPlatform APlatform) const;
  virtual bool GetValid() const;
  // (The virtual constructor is each class's Create factory below.)
  virtual String PackageSourceFileExtension() const = 0;
  virtual String ProjectSourceFileExtension() const = 0;
  virtual TIdeBorRADToolKind RadToolKind() const = 0;
  virtual String RadToolName() const = 0;
  // By extension (ignoring case): ".bpk" / ".dpk" packages, ".bpr" / ".dpr" projects and
  // experts; another extension raises EIdeBorRADException "%s not a known ... extension".
  virtual bool CompilePackage(const String& PackageName, const String& BPLPath,
                              const String& DCPPath);
  virtual bool InstallPackage(const String& PackageName, const String& BPLPath,
                              const String& DCPPath);
  virtual bool UninstallPackage(const String& PackageName, const String& BPLPath,
                                const String& DCPPath);
  virtual bool InstallIDEPackage(const String& PackageName, const String& BPLPath,
                                 const String& DCPPath);
  virtual bool UninstallIDEPackage(const String& PackageName, const String& BPLPath,
                                   const String& DCPPath);
  virtual bool CompileProject(const String& ProjectName, const String& OutputDir,
                              const String& DcpSearchPath);
  virtual bool InstallExpert(const String& ProjectName, const String& OutputDir,
                             const String& DcpSearchPath);
  virtual bool UninstallExpert(const String& ProjectName, const String& OutputDir);
  // Registration in the IDE's package lists, by library path or by source and output folder.
  virtual bool RegisterPackage(const String& BinaryFileName, const String& Description);
  virtual bool RegisterPackage(const String& PackageName, const String& BPLPath,
                               const String& Description);
  virtual bool UnregisterPackage(const String& BinaryFileName);
  virtual bool UnregisterPackage(const String& PackageName, const String& BPLPath);
  virtual bool RegisterIDEPackage(const String& BinaryFileName, const String& Description);
  virtual bool RegisterIDEPackage(const String& PackageName, const String& BPLPath,
                                  const String& Description);
  virtual bool UnregisterIDEPackage(const String& BinaryFileName);
  virtual bool UnregisterIDEPackage(const String& PackageName, const String& BPLPath);
  virtual bool RegisterExpert(const String& BinaryFileName, const String& Description);
  virtual bool RegisterExpert(const String& ProjectName, const String& OutputDir,
                              const String& Description);
  virtual bool UnregisterExpert(const String& BinaryFileName);
  virtual bool UnregisterExpert(const String& ProjectName, const String& OutputDir);
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
  // The package lists, read on first use.
  TIdeBorRADToolIdePackages& IdePackages();

  // --- compiler drivers, created on first use with the installation's values ---
  // Raises EIdeBorRADException "dcc32.exe not found" when the bin folder has no dcc32.exe.
  TIdeDCC32& DCC32();
  // The replacement driver when one was set, else DCC32; the Delphi compile operations use it.
  TIdeDCC32& DCC() { return FDCC ? *FDCC : DCC32(); }
  // A driver owned by the caller (nullptr: none), used by the compile operations instead.
  void SetDCC(TIdeDCC32* Value) { FDCC = Value; }
  TIdeBCC32& BCC32();
  TIdeBorlandMake& Make();
  TIdeBpr2Mak& Bpr2Mak();

  // Debug-information options of the compile operations (all false at construction). Creating
  // or inserting debug information from map files is not supported: with DbgInfoCreate set a
  // successful compile raises EIdeBorRADException.
  bool MapCreate() const { return FMapCreate; }
  void SetMapCreate(bool Value) { FMapCreate = Value; }
  bool DbgInfoCreate() const { return FDbgInfoCreate; }
  void SetDbgInfoCreate(bool Value) { FDbgInfoCreate = Value; }
  bool DbgInfoInsert() const { return FDbgInfoInsert; }
  void SetDbgInfoInsert(bool Value) { FDbgInfoInsert = Value; }
  bool MapDelete() const { return FMapDelete; }
  void SetMapDelete(bool Value) { FMapDelete = Value; }

  // --- path list maintenance ---
  // Each appends the items of Path (a ";"-list) that the list does not hold yet and writes the
  // list back, also when nothing was added; false only for an empty Path (nothing written).
  bool AddToLibrarySearchPath(const String& Path, TIdeBDSPlatform APlatform);
  bool AddToLibraryBrowsingPath(const String& Path, TIdeBDSPlatform APlatform);
  bool AddToDebugDCUPath(const String& Path, TIdeBDSPlatform APlatform);
  // Each removes the first entry matching each item of Path (entries substituted, one trailing
  // backslash ignored), writes the list back without empty entries, and tells whether any went.
  bool RemoveFromLibrarySearchPath(const String& Path, TIdeBDSPlatform APlatform);
  bool RemoveFromLibraryBrowsingPath(const String& Path, TIdeBDSPlatform APlatform);
  bool RemoveFromDebugDCUPath(const String& Path, TIdeBDSPlatform APlatform);
  // Path split at ";" into List (cleared first), empty items included.
  static void ExtractPaths(const String& Path, TStringList& List);
  // Index of the first entry of List naming Folder, or -1.
  int FindFolderInPath(const String& Folder, const TStringList& List);

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
  // Calls the output callback with Text when one is set.
  void EmitLine(const String& Text) const;
  // Debug information for a compiled library: true at once without DbgInfoCreate.
  bool ProcessDebugInfo(const String& BinaryFileName);

  TIdeBorPersonalities FPersonalities;

 private:
  void LoadInstallationInfo(TIdeBorRADToolKind AKind);
  void AppendGlobals(platform::RegRoot Root, const String& Key);
  void DetectCommandLineTools();
  // A compile operation (source, output folder, third folder), a registration by library path
  // and description, an unregistration by library path.
  using TBuildOperation = bool (TIdeBorRADToolInstallation::*)(const String&, const String&,
                                                               const String&);
  using TRegisterOperation = bool (TIdeBorRADToolInstallation::*)(const String&, const String&);
  using TUnregisterOperation = bool (TIdeBorRADToolInstallation::*)(const String&);
  // One install operation: first line, directives, Build(Source, OutputDir, ThirdDir), Register
  // of the library made in OutputDir, last line.
  bool RunInstall(const wchar_t* FirstLine, const String& Source, const String& OutputDir,
                  const String& ThirdDir, bool CheckRunOnly, TBuildOperation Build,
                  TRegisterOperation Register, const wchar_t* LastLine);
  // The compiled package interface files an uninstall deletes besides the library.
  enum class TInterfaceFiles { None, Delphi, Cpp };
  // One uninstall operation: first line, Unregister of the library of Source in OutputDir,
  // deletion of the library, its map file and its interface files in DCPPath, last line.
  bool RunUninstall(const wchar_t* FirstLine, const String& Source, const String& OutputDir,
                    const String& DCPPath, TInterfaceFiles Interface,
                    TUnregisterOperation Unregister, const wchar_t* LastLine);
  // Deletes a file that exists, with its progress lines; true when it is gone.
  bool DeleteNamedFile(const String& FileName);
  bool BuildCppSource(const String& SourceName, const wchar_t* Extension,
                      const wchar_t* KindMessage, const wchar_t* FirstLine);
  using TPathGetter = String (TIdeBorRADToolInstallation::*)(TIdeBDSPlatform);
  using TPathSetter = void (TIdeBorRADToolInstallation::*)(TIdeBDSPlatform, const String&);
  bool AddToPathList(TPathGetter Getter, TPathSetter Setter, const String& Path,
                     TIdeBDSPlatform APlatform);
  bool RemoveFromPathList(TPathGetter Getter, TPathSetter Setter, const String& Path,
                          TIdeBDSPlatform APlatform);

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
  std::unique_ptr<TIdeBorRADToolIdePackages> FIdePackages;
  std::unique_ptr<TIdeDCC32> FDCC32;
  TIdeDCC32* FDCC = nullptr;
  std::unique_ptr<TIdeBCC32> FBCC32;
  std::unique_ptr<TIdeBorlandMake> FMake;
  std::unique_ptr<TIdeBpr2Mak> FBpr2Mak;
  bool FMapCreate = false;
  bool FDbgInfoCreate = false;
  bool FDbgInfoInsert = false;
  bool FMapDelete = false;
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
  // Every source is installed as a Delphi package, whatever its extension.
  bool InstallPackage(const String& PackageName, const String& BPLPath,
                      const String& DCPPath) override;
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

  using TIdeBorRADToolInstallation::BuildDelphiPackage;
  // With DualPackageInstallation, also the options that make C++Builder files of the package.
  bool BuildDelphiPackage(const String& PackageName, const String& BPLPath, const String& DCPPath,
                          const String& ExtraOptions) override;
  String GetDCPOutputPath(TIdeBDSPlatform APlatform) override;
  String GetBPLOutputPath(TIdeBDSPlatform APlatform) override;
  TStringList& GetEnvironmentVariables() override;
  String GetName() const override;
  // Also to the 64-bit, OS X, C++ 64-bit and .NET drivers whose tools were found.
  void SetOutputCallback(const TTextHandler& Value) override;
  String GetDebugDCUPath(TIdeBDSPlatform APlatform) override;
  String GetRawDebugDCUPath(TIdeBDSPlatform APlatform) override;
  void SetRawDebugDCUPath(TIdeBDSPlatform APlatform, const String& Value) override;
  String GetLibrarySearchPath(TIdeBDSPlatform APlatform) override;
  String GetRawLibrarySearchPath(TIdeBDSPlatform APlatform) override;
  void SetRawLibrarySearchPath(TIdeBDSPlatform APlatform, const String& Value) override;
  String GetLibraryBrowsingPath(TIdeBDSPlatform APlatform) override;
  String GetRawLibraryBrowsingPath(TIdeBDSPlatform APlatform) override;
  void SetRawLibraryBrowsingPath(TIdeBDSPlatform APlatform, const String& Value) override;
  String GetLibFolderName(TIdeBDSPlatform APlatform) const override;
  String GetLibDebugFolderName(TIdeBDSPlatform APlatform) const override;
  bool GetValid() const override;
  String PackageSourceFileExtension() const override { return L".dpk"; }
  String ProjectSourceFileExtension() const override { return L".dpr"; }
  TIdeBorRADToolKind RadToolKind() const override { return brBorlandDevStudio; }
  String RadToolName() const override;
  using TIdeBorRADToolInstallation::RegisterPackage;
  using TIdeBorRADToolInstallation::UnregisterPackage;
  // Both clean the package cache of the library first (BDS 3 and later).
  bool RegisterPackage(const String& BinaryFileName, const String& Description) override;
  bool UnregisterPackage(const String& BinaryFileName) override;
  String GetDefaultProjectsDir() const override;
  String GetCommonProjectsDir() const override;

  bool DualPackageInstallation() const { return FDualPackageInstallation; }
  // Raises EIdeBorRADException "This installation of %s doesn't support dual packages" when
  // set on an installation without C++Builder.
  void SetDualPackageInstallation(bool Value);
  // Deletes the IDE's cache key of the library (BDS 3 and later), with its progress lines; false
  // when a deletion failed. Never raises.
  bool CleanPackageCache(const String& BinaryFileName);

  // The 64-bit, OS X and .NET drivers, created on first use ("%s not found" without the tool).
  TIdeDCC32& DCC64();
  TIdeDCC32& DCCOSX32();
  TIdeBCC32& BCC64();
  TIdeDCC32& DCCIL();

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
  // Raises the "MSBuild is not supported" error before BDS 5.
  void EnsureMsBuildSupported() const;
  // Sets the stored text of a property of EnvOptions.proj and saves the file (".bak" guarded).
  void WriteEnvOption(const String& Name, const String& Value, TIdeBDSPlatform APlatform);
  // The registry section of the path lists: "Library", or "Library\<platform>" from BDS 9 on.
  String LibrarySection(TIdeBDSPlatform APlatform) const;

  bool FDualPackageInstallation = false;
  std::unique_ptr<TIdeDCC32> FDCC64;
  std::unique_ptr<TIdeDCC32> FDCCOSX32;
  std::unique_ptr<TIdeBCC32> FBCC64;
  std::unique_ptr<TIdeDCC32> FDCCIL;
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
