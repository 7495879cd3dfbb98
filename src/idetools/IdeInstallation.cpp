// The base installation: construction from the registry (Globals, version numbers and tag,
// package numbers, folders, edition, update pack, tools), validity, names, flags and folders.
#include "IdeFileNames.h"
#include "IdeUtils.h"
#include "core/Format.h"
#include "platform/Environment.h"
#include "platform/Files.h"
#include "platform/Paths.h"

namespace {

// The version of a key name such as "20.0": its integer value, 0 when it has a fraction.
int VersionFromKeyName(const String& text) {
  const size_t dot = text.find(L'.');
  const String whole = text.substr(0, dot);
  if (whole.empty() || whole.size() > 9) return 0;
  int value = 0;
  for (wchar_t c : whole) {
    if (c < L'0' || c > L'9') return 0;
    value = value * 10 + (c - L'0');
  }
  if (dot != String::npos) {
    for (wchar_t c : text.substr(dot + 1)) {
      if (c != L'0') return 0;
    }
  }
  return value;
}

bool StartsWithIgnoringCase(const String& text, const String& prefix) {
  return text.size() >= prefix.size() && SameTextAscii(text.substr(0, prefix.size()), prefix);
}

}  // namespace

TIdeBorRADToolInstallation::TIdeBorRADToolInstallation(TIdeBorRADToolKind AKind,
                                                       const String& AConfigDataLocation,
                                                       platform::RegRoot ARootKey)
    : FConfigData(std::make_unique<TIdeConfigData>(ARootKey, AConfigDataLocation)),
      FConfigDataLocation(AConfigDataLocation),
      FRootKey(ARootKey) {
  LoadInstallationInfo(AKind);
  DetectCommandLineTools();
}

TIdeBorRADToolInstallation::~TIdeBorRADToolInstallation() = default;

void TIdeBorRADToolInstallation::AppendGlobals(platform::RegRoot Root, const String& Key) {
  const auto key = platform::RegistryKey::Open(Root, Key);
  if (!key) return;
  for (const String& name : key->ValueNames()) {
    const auto value = key->ReadValue(name);
    if (!value) continue;
    const bool textual = value->type == platform::RegValueType::String ||
                         value->type == platform::RegValueType::ExpandString ||
                         value->type == platform::RegValueType::Binary;
    const String data = textual ? platform::RegBytesToString(value->data) : String();
    if (!data.empty()) FGlobals.Add(name + L"=" + data);
  }
}

void TIdeBorRADToolInstallation::LoadInstallationInfo(TIdeBorRADToolKind AKind) {
  const String& key = FConfigDataLocation;
  const String globals = WithTrailingBackslash(key) + L"Globals";
  AppendGlobals(platform::RegRoot::CurrentUser, globals);
  AppendGlobals(platform::RegRoot::CurrentUser, key);
  AppendGlobals(platform::RegRoot::LocalMachine, globals);
  AppendGlobals(platform::RegRoot::LocalMachine, key);

  const int n =
      VersionFromKeyName(key.substr(key.rfind(L'\\') == String::npos ? 0 : key.rfind(L'\\') + 1));
  FIDEVersionNumber = n;
  switch (AKind) {
    case brDelphi:
      FIDEVersionNumberStr = Format(L"d%d", {n});
      break;
    case brCppBuilder:
      FIDEVersionNumberStr = Format(L"c%d", {n});
      break;
    case brBorlandDevStudio:
      // RAD Studio 13 (BDS 37) left the old numbering: its Delphi version is its key number.
      FIDEVersionNumberStr = n == 1              ? String(L"cs1")
                             : n >= 7 && n <= 12 ? Format(L"d%d", {n + 7})
                             : n == 37           ? String(L"d37")
                                                 : Format(L"d%d", {n + 6});
      break;
  }
  if (AKind == brBorlandDevStudio) {
    if (const TIdeBDSVersionInfo* info = BDSVersionInfo(n)) {
      FPackageVersionNumber = info->PackageVersion;
      FIDEPackageVersionNumber = info->IDEPackageVersion;
      FDCCVersion = static_cast<float>(info->DCCVersion);
    }
  } else {
    FPackageVersionNumber = n;
    FIDEPackageVersionNumber = n;
    FDCCVersion = static_cast<float>(n + 8);
  }

  FRootDir = WithoutTrailingBackslash(FGlobals.Values(L"RootDir"));
  FBinFolderName = WithTrailingBackslash(FRootDir) + L"bin\\";

  FEditionStr = FGlobals.Values(L"Edition");
  if (FEditionStr.empty()) FEditionStr = FGlobals.Values(L"Version");
  static const wchar_t* const kEditionAbbreviations[] = {L"STD", L"PRO", L"CSS", L"ARC"};
  for (int edition = deSTD; edition <= deARC; ++edition) {
    if (StartsWithIgnoringCase(FEditionStr, kEditionAbbreviations[edition]))
      FEdition = static_cast<TIdeBorRADToolEdition>(edition);
  }

  if (AKind == brBorlandDevStudio) {
    const String pack = FGlobals.Values(L"UpdatePackInstalled");
    const bool numeric =
        !pack.empty() && pack.size() <= 9 && pack.find_first_not_of(L"0123456789") == String::npos;
    FInstalledUpdatePack = numeric ? static_cast<int>(std::stol(pack)) : 0;
  } else {
    for (int i = 0; i < FGlobals.Count(); ++i) {
      const String name = FGlobals.Names(i);
      if (name.size() > 8 && name.compare(0, 8, L"Update #") == 0 && name[8] >= L'0' &&
          name[8] <= L'9')
        FInstalledUpdatePack = std::max(FInstalledUpdatePack, name[8] - L'0');
    }
  }
}

void TIdeBorRADToolInstallation::DetectCommandLineTools() {
  static const std::pair<const wchar_t*, TCommandLineTool> kTools[] = {
      {L"tasm32.exe", clAsm},  {L"bcc32.exe", clBcc32}, {L"bcc64.exe", clBcc64},
      {L"dcc32.exe", clDcc32}, {L"dcc64.exe", clDcc64}, {L"dccosx.exe", clDccOSX32},
      {L"dccil.exe", clDccIL}, {L"make.exe", clMake},   {L"bpr2mak.exe", clProj2Mak}};
  for (const auto& [file, tool] : kTools) {
    if (platform::FileExists(FBinFolderName + file)) FCommandLineTools.Include(tool);
  }
}

String TIdeBorRADToolInstallation::IDEPackageVersionNumberStr() const {
  return FIDEPackageVersionNumber < 1 ? String() : Format(L"%d0", {FIDEPackageVersionNumber});
}

String TIdeBorRADToolInstallation::PackageVersionNumberStr() const {
  return FPackageVersionNumber < 1 ? String() : Format(L"%d0", {FPackageVersionNumber});
}

bool TIdeBorRADToolInstallation::GetValid() const {
  return !FConfigDataLocation.empty() && !FRootDir.empty() &&
         platform::FileExists(IdeExeFileName());
}

String TIdeBorRADToolInstallation::GetName() const {
  return Format(L"%s %d", {RadToolName(), FIDEVersionNumber});
}

void TIdeBorRADToolInstallation::EnsurePlatformSupported(TIdeBDSPlatform APlatform) const {
  const bool supported =
      (APlatform == bpWin32 &&
       (FPersonalities.Contains(bpDelphi32) || FPersonalities.Contains(bpBCBuilder32))) ||
      (APlatform == bpWin64 &&
       (FPersonalities.Contains(bpDelphi64) || FPersonalities.Contains(bpBCBuilder64))) ||
      (APlatform == bpOSX32 && FPersonalities.Contains(bpDelphiOSX32));
  if (!supported)
    RaiseBorRADError(L"This installation cannot generate binaries for an unknown platform");
}

bool TIdeBorRADToolInstallation::SupportsNoConfig() const {
  return RadToolKind() == brBorlandDevStudio && FIDEVersionNumber >= 4;
}

bool TIdeBorRADToolInstallation::SupportsLibSuffix() const {
  return RadToolKind() == brBorlandDevStudio || FIDEVersionNumber >= 6;
}

bool TIdeBorRADToolInstallation::SupportsPlatform() const {
  return RadToolKind() == brBorlandDevStudio && FIDEVersionNumber >= 9;
}

bool TIdeBorRADToolInstallation::LongPathBug() const {
  return RadToolKind() != brBorlandDevStudio || FIDEVersionNumber < 3;
}

TIdeCompilerSettingsFormat TIdeBorRADToolInstallation::CompilerSettingsFormat() const {
  if (RadToolKind() != brBorlandDevStudio) return csfDOF;
  return FIDEVersionNumber > 4 ? csfMsBuild : csfBDSProj;
}

String TIdeBorRADToolInstallation::GetLibFolderName(TIdeBDSPlatform) const {
  return WithTrailingBackslash(FRootDir) + L"lib\\";
}

String TIdeBorRADToolInstallation::GetLibDebugFolderName(TIdeBDSPlatform APlatform) const {
  return GetLibFolderName(APlatform) + L"debug\\";
}

String TIdeBorRADToolInstallation::GetObjFolderName(TIdeBDSPlatform APlatform) const {
  const String folder = GetLibFolderName(APlatform) + L"obj\\";
  return platform::DirectoryExists(folder) ? folder : String();
}

String TIdeBorRADToolInstallation::GetDefaultProjectsDir() const {
  const String folder = FGlobals.Values(L"DefaultProjectsDirectory");
  return folder.empty() ? WithTrailingBackslash(FRootDir) + L"Projects" : folder;
}

String TIdeBorRADToolInstallation::GetCommonProjectsDir() const {
  return GetDefaultProjectsDir();
}

String TIdeBorRADToolInstallation::ApplicationDataFolder() const {
  if (FRootKey == platform::RegRoot::CurrentUser)
    return platform::SpecialFolderPath(platform::SpecialFolder::RoamingAppData);
  const auto key = platform::RegistryKey::Open(
      FRootKey, L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders");
  return key ? WithoutTrailingBackslash(key->ReadString(L"AppData").value_or(String())) : String();
}
