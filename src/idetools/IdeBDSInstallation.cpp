// BDS / RAD Studio: personalities from the IDE's settings, names from the generation table,
// validity with EnvOptions.proj and rsvars.bat, and the paths kept in EnvOptions.proj from BDS 5
// on (evaluated with the MSBuild evaluator).
#include "IdeFileNames.h"
#include "IdeMsBuild.h"
#include "IdeResourceTexts.h"
#include "IdeUtils.h"
#include "core/Format.h"
#include "platform/Environment.h"
#include "platform/Files.h"
#include "platform/Paths.h"

TIdeBDSInstallation::TIdeBDSInstallation(const String& AConfigDataLocation,
                                         platform::RegRoot ARootKey)
    : TIdeBorRADToolInstallation(brBorlandDevStudio, AConfigDataLocation, ARootKey) {
  auto personality = [&](const wchar_t* name) {
    return !ConfigData().ReadString(L"Personalities", name, String()).empty();
  };
  if (personality(L"C#Builder")) FPersonalities.Include(bpCSBuilder32);
  if (personality(L"BCB")) FPersonalities.Include(bpBCBuilder32);
  if (personality(L"Delphi.Win32")) FPersonalities.Include(bpDelphi32);
  if (personality(L"Delphi.NET") || personality(L"Delphi8")) {
    FPersonalities.Include(bpDelphiNet32);
    if (IDEVersionNumber() > 4) FPersonalities.Include(bpDelphiNet64);
  }
  const TCommandLineTools tools = CommandLineTools();
  if (tools.Contains(clDcc32)) FPersonalities.Include(bpDelphi32);
  if (tools.Contains(clDcc64)) FPersonalities.Include(bpDelphi64);
  if (tools.Contains(clDccOSX32)) FPersonalities.Include(bpDelphiOSX32);
  if (tools.Contains(clBcc64)) FPersonalities.Include(bpBCBuilder64);
}

std::unique_ptr<TIdeBorRADToolInstallation> TIdeBDSInstallation::Create(
    const String& AConfigDataLocation, platform::RegRoot ARootKey) {
  return std::unique_ptr<TIdeBorRADToolInstallation>(
      new TIdeBDSInstallation(AConfigDataLocation, ARootKey));
}

String TIdeBDSInstallation::RadToolName() const {
  if (IDEVersionNumber() == 5) {
    if (FPersonalities == TIdeBorPersonalities{bpDelphi32}) return L"Delphi";
    if (FPersonalities == TIdeBorPersonalities{bpBCBuilder32}) return L"C++Builder";
  }
  return BDSProductName(IDEVersionNumber());
}

String TIdeBDSInstallation::GetName() const {
  if (const TIdeBDSVersionInfo* info = BDSVersionInfo(IDEVersionNumber()))
    return Format(L"%s %s", {RadToolName(), info->VersionText});
  return RadToolName() + Format(L" ***%d***", {IDEVersionNumber()});
}

String TIdeBDSInstallation::EnvOptionsFileName() const {
  const int n = IDEVersionNumber();
  const wchar_t* vendor = n >= 8   ? L"Embarcadero"
                          : n >= 6 ? L"CodeGear"
                          : n == 5 ? L"Borland"
                                   : nullptr;
  if (!vendor) return String();
  return WithTrailingBackslash(ApplicationDataFolder()) +
         Format(L"%s\\BDS\\%d.0\\EnvOptions.proj", {vendor, n});
}

String TIdeBDSInstallation::EnvironmentProjFileName() const {
  const String options = EnvOptionsFileName();
  return options.empty() ? String() : ExtractFileDir(options) + L"\\environment.proj";
}

bool TIdeBDSInstallation::GetValid() const {
  if (!TIdeBorRADToolInstallation::GetValid()) return false;
  return IDEVersionNumber() <= 4 ||
         (platform::FileExists(EnvOptionsFileName()) &&
          platform::FileExists(GetRADStudioVarsFileName(RootDir(), IDEVersionNumber())));
}

void TIdeBDSInstallation::EnsureMsBuildSupported() const {
  if (IDEVersionNumber() < 5) {
    RaiseBorRADError(L"Query of RsVars for %s %d reported the following error \"%s\"",
                     {BDSProductName(IDEVersionNumber()), IDEVersionNumber(),
                      L"MSBuild is not supported by this IDE"});
  }
}

String TIdeBDSInstallation::ReadEnvOption(const String& Name, TIdeBDSPlatform APlatform, bool Raw) {
  EnsureMsBuildSupported();
  const String fileName = EnvOptionsFileName();
  const String environmentProj = EnvironmentProjFileName();
  std::unique_ptr<TIdeMsBuildParser> parser =
      platform::FileExists(environmentProj)
          ? std::make_unique<TIdeMsBuildParser>(fileName, std::vector<String>{environmentProj})
          : std::make_unique<TIdeMsBuildParser>(fileName);
  parser->Init();
  parser->Properties().MergeEnvironmentProperties(GetEnvironmentVariables());
  if (SupportsPlatform())
    parser->Properties().GlobalProperties().SetValue(L"Platform", PlatformName(APlatform));
  parser->Parse();
  return Raw ? parser->GetRawValue(Name) : parser->Properties().Values(Name);
}

String TIdeBDSInstallation::EnvOptionName(const wchar_t* Bds5To7, const wchar_t* Bds8On) const {
  return IDEVersionNumber() >= 8 ? Bds8On : Bds5To7;
}

String TIdeBDSInstallation::GetLibrarySearchPath(TIdeBDSPlatform APlatform) {
  if (IDEVersionNumber() <= 4) return TIdeBorRADToolInstallation::GetLibrarySearchPath(APlatform);
  EnsurePlatformSupported(APlatform);
  return ReadEnvOption(EnvOptionName(L"Win32LibraryPath", L"DelphiLibraryPath"), APlatform, false);
}

String TIdeBDSInstallation::GetRawLibrarySearchPath(TIdeBDSPlatform APlatform) {
  if (IDEVersionNumber() <= 4)
    return TIdeBorRADToolInstallation::GetRawLibrarySearchPath(APlatform);
  EnsurePlatformSupported(APlatform);
  return ReadEnvOption(EnvOptionName(L"Win32LibraryPath", L"DelphiLibraryPath"), APlatform, true);
}

String TIdeBDSInstallation::GetLibraryBrowsingPath(TIdeBDSPlatform APlatform) {
  if (IDEVersionNumber() <= 4) return TIdeBorRADToolInstallation::GetLibraryBrowsingPath(APlatform);
  EnsurePlatformSupported(APlatform);
  return ReadEnvOption(EnvOptionName(L"Win32BrowsingPath", L"DelphiBrowsingPath"), APlatform,
                       false);
}

String TIdeBDSInstallation::GetRawLibraryBrowsingPath(TIdeBDSPlatform APlatform) {
  if (IDEVersionNumber() <= 4)
    return TIdeBorRADToolInstallation::GetRawLibraryBrowsingPath(APlatform);
  EnsurePlatformSupported(APlatform);
  return ReadEnvOption(EnvOptionName(L"Win32BrowsingPath", L"DelphiBrowsingPath"), APlatform, true);
}

String TIdeBDSInstallation::GetDebugDCUPath(TIdeBDSPlatform APlatform) {
  EnsurePlatformSupported(APlatform);
  if (IDEVersionNumber() <= 4) return ReadLibrarySetting(L"Debug DCU Path");
  return ReadEnvOption(EnvOptionName(L"Win32DebugDCUPath", L"DelphiDebugDCUPath"), APlatform,
                       false);
}

String TIdeBDSInstallation::GetRawDebugDCUPath(TIdeBDSPlatform APlatform) {
  EnsurePlatformSupported(APlatform);
  if (IDEVersionNumber() <= 4) return ReadLibrarySetting(L"Debug DCU Path");
  return ReadEnvOption(EnvOptionName(L"Win32DebugDCUPath", L"DelphiDebugDCUPath"), APlatform, true);
}

String TIdeBDSInstallation::ReadBPLOutputOption(TIdeBDSPlatform APlatform) {
  const String cbuilder = ReadEnvOption(L"CBuilderBPLOutputPath", APlatform, false);
  if (!cbuilder.empty()) return cbuilder;
  return ReadEnvOption(EnvOptionName(L"Win32DLLOutputPath", L"DelphiDLLOutputPath"), APlatform,
                       false);
}

String TIdeBDSInstallation::GetBPLOutputPath(TIdeBDSPlatform APlatform) {
  const int n = IDEVersionNumber();
  if (n >= 3 && n <= 4) return TIdeBorRADToolInstallation::GetBPLOutputPath(APlatform);
  EnsurePlatformSupported(APlatform);
  if (n <= 2) return WithTrailingBackslash(GetDefaultProjectsDir()) + L"bpl";
  return ReadBPLOutputOption(APlatform);
}

String TIdeBDSInstallation::GetDCPOutputPath(TIdeBDSPlatform APlatform) {
  const int n = IDEVersionNumber();
  if (n >= 3 && n <= 4) return TIdeBorRADToolInstallation::GetDCPOutputPath(APlatform);
  EnsurePlatformSupported(APlatform);
  if (n <= 2) return WithTrailingBackslash(RootDir()) + L"lib";
  return ReadEnvOption(EnvOptionName(L"Win32DCPOutput", L"DelphiDCPOutput"), APlatform, false);
}

String TIdeBDSInstallation::GetLibFolderName(TIdeBDSPlatform APlatform) const {
  if (IDEVersionNumber() < 8) return TIdeBorRADToolInstallation::GetLibFolderName(APlatform);
  return WithTrailingBackslash(RootDir()) + L"lib\\" + PlatformName(APlatform) + L"\\release\\";
}

String TIdeBDSInstallation::GetLibDebugFolderName(TIdeBDSPlatform APlatform) const {
  if (IDEVersionNumber() < 8) return TIdeBorRADToolInstallation::GetLibDebugFolderName(APlatform);
  return WithTrailingBackslash(RootDir()) + L"lib\\" + PlatformName(APlatform) + L"\\debug\\";
}

String TIdeBDSInstallation::GetDefaultProjectsDir() const {
  return GetDefaultProjectsDirectory(RootDir(), IDEVersionNumber());
}

String TIdeBDSInstallation::GetCommonProjectsDir() const {
  return GetCommonProjectsDirectory(RootDir(), IDEVersionNumber());
}

String TIdeBDSInstallation::GetDefaultProjectsDirectory(const String& RootDir,
                                                        int IDEVersionNumber) {
  const TIdeResourceTexts texts(RootDir, IDEVersionNumber);
  const String documents =
      WithTrailingBackslash(platform::SpecialFolderPath(platform::SpecialFolder::Documents));
  if (IDEVersionNumber <= 4) return documents + texts.Text(L"Borland Studio Projects");
  return documents + texts.Text(L"RAD Studio") + L"\\" + texts.Text(L"Projects");
}

String TIdeBDSInstallation::GetCommonProjectsDirectory(const String& RootDir,
                                                       int IDEVersionNumber) {
  if (IDEVersionNumber < 5) return GetDefaultProjectsDirectory(RootDir, IDEVersionNumber);
  TStringList variables;
  GetRADStudioVars(RootDir, IDEVersionNumber, variables);
  const String common = variables.Values(L"BDSCOMMONDIR");
  if (!common.empty()) return common;
  const TIdeResourceTexts texts(RootDir, IDEVersionNumber);
  return Format(
      L"%s%s%d.0",
      {WithTrailingBackslash(platform::SpecialFolderPath(platform::SpecialFolder::CommonDocuments)),
       WithTrailingBackslash(texts.Text(L"RAD Studio")), IDEVersionNumber});
}
