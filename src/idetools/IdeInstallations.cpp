// Discovery: the five registry roots under HKEY_LOCAL_MACHINE, in their fixed order.
#include "IdeUtils.h"
#include "core/Format.h"

namespace {

using TInstallationFactory = std::unique_ptr<TIdeBorRADToolInstallation> (*)(const String&,
                                                                             platform::RegRoot);

bool IsVersionKeyName(const String& name) {
  return !name.empty() && name.find_first_not_of(L"0123456789.") == String::npos;
}

String WithoutLeadingBackslash(const String& key) {
  return !key.empty() && key[0] == L'\\' ? key.substr(1) : key;
}

// The key opened for listing; none when it does not exist. A key that exists but cannot be opened
// raises EIdeRegistryError.
std::optional<platform::RegistryKey> OpenForRead(const String& key) {
  if (!platform::RegistryKey::Exists(platform::RegRoot::LocalMachine, key)) return std::nullopt;
  auto opened = platform::RegistryKey::Open(platform::RegRoot::LocalMachine, key);
  if (!opened)
    throw EIdeRegistryError(Format(L"Unable to open key \"%s\\%s\" for read",
                                   {L"HKEY_LOCAL_MACHINE", WithoutLeadingBackslash(key)}));
  return opened;
}

// The personalities one of which a BDS version key must list to count as an installation.
const wchar_t* const kBdsPersonalities[] = {L"Delphi.Win32", L"BCB", L"Delphi8", L"C#Builder"};

// A discovery root: its key, whether its versions must list a BDS personality, and the class of
// its installations.
struct TDiscoveryRoot {
  const wchar_t* Key;
  bool NeedsPersonality;
  TInstallationFactory Create;
};

const TDiscoveryRoot kDiscoveryRoots[] = {
    {L"\\SOFTWARE\\Borland\\Delphi", false, TIdeDelphiInstallation::Create},
    {L"\\SOFTWARE\\Borland\\C++Builder", false, TIdeBCBInstallation::Create},
    {L"\\SOFTWARE\\Borland\\BDS", true, TIdeBDSInstallation::Create},
    {L"\\SOFTWARE\\CodeGear\\BDS", true, TIdeBDSInstallation::Create},
    {L"\\SOFTWARE\\Embarcadero\\BDS", true, TIdeBDSInstallation::Create},
};

void ScanRegistryRoot(const TDiscoveryRoot& discovery,
                      std::vector<std::unique_ptr<TIdeBorRADToolInstallation>>& into) {
  const String root = discovery.Key;
  const auto rootKey = platform::RegistryKey::Open(platform::RegRoot::LocalMachine, root);
  if (!rootKey) return;
  for (const String& name : rootKey->SubKeyNames()) {
    if (!IsVersionKeyName(name)) continue;
    const String versionKey = root + L"\\" + name;
    if (!platform::RegistryKey::Exists(platform::RegRoot::LocalMachine, versionKey)) continue;
    if (discovery.NeedsPersonality) {
      const auto key = OpenForRead(versionKey + L"\\Personalities");
      const std::vector<String> present = key ? key->ValueNames() : std::vector<String>();
      bool found = false;
      for (const wchar_t* probe : kBdsPersonalities) {
        const String personality = probe;
        for (const String& value : present) found = found || SameTextAscii(value, personality);
      }
      if (!found) continue;
    }
    auto installation = discovery.Create(versionKey, platform::RegRoot::CurrentUser);
    if (installation->Valid()) into.push_back(std::move(installation));
  }
}

}  // namespace

TIdeBorRADToolInstallations::TIdeBorRADToolInstallations() {
  for (const TDiscoveryRoot& root : kDiscoveryRoots) ScanRegistryRoot(root, FList);
}

TIdeBorRADToolInstallation& TIdeBorRADToolInstallations::Installations(int Index) const {
  if (Index < 0 || Index >= Count())
    throw EListError(Format(L"List index out of bounds (%d)", {Index}));
  return *FList[static_cast<size_t>(Index)];
}
