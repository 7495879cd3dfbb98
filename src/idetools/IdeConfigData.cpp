#include "IdeConfigData.h"

#include "IdeErrors.h"
#include "core/Format.h"

TIdeConfigData::TIdeConfigData(platform::RegRoot root, const String& key) : FRoot(root), FKey(key) {
  if (!platform::RegistryKey::Exists(FRoot, FKey)) platform::RegistryKey::Create(FRoot, FKey);
}

String TIdeConfigData::SectionPath(const String& section) const {
  if (section.empty()) return FKey;
  return (FKey.empty() || FKey.back() == L'\\' ? FKey : FKey + L"\\") + section;
}

String TIdeConfigData::ReadString(const String& section, const String& ident,
                                  const String& defaultValue) const {
  const auto key = platform::RegistryKey::Open(FRoot, SectionPath(section));
  if (!key) return defaultValue;
  const auto value = key->ReadValue(ident);
  if (!value || (value->type != platform::RegValueType::String &&
                 value->type != platform::RegValueType::ExpandString))
    return defaultValue;
  return platform::RegBytesToString(value->data);
}

void TIdeConfigData::WriteString(const String& section, const String& ident, const String& value) {
  const String path = SectionPath(section);
  auto key = platform::RegistryKey::Create(FRoot, path);
  if (!key || !key->WriteString(ident, value)) {
    const String shown = !path.empty() && path[0] == L'\\' ? path.substr(1) : path;
    throw EIdeRegistryError(Format(L"Unable to write value \"%s\" of key \"%s\\%s\"",
                                   {ident, RegRootName(FRoot), shown}));
  }
}

bool TIdeConfigData::DeleteValue(const String& section, const String& ident) {
  auto key = platform::RegistryKey::Open(FRoot, SectionPath(section));
  return key && key->DeleteValue(ident);
}

bool TIdeConfigData::SectionExists(const String& section) const {
  return platform::RegistryKey::Exists(FRoot, SectionPath(section));
}

std::vector<String> TIdeConfigData::ReadSection(const String& section) const {
  const auto key = platform::RegistryKey::Open(FRoot, SectionPath(section));
  return key ? key->ValueNames() : std::vector<String>();
}

String RegRootName(platform::RegRoot root) {
  switch (root) {
    case platform::RegRoot::ClassesRoot:
      return L"HKEY_CLASSES_ROOT";
    case platform::RegRoot::CurrentUser:
      return L"HKEY_CURRENT_USER";
    case platform::RegRoot::LocalMachine:
      return L"HKEY_LOCAL_MACHINE";
    case platform::RegRoot::Users:
      return L"HKEY_USERS";
    case platform::RegRoot::CurrentConfig:
      return L"HKEY_CURRENT_CONFIG";
  }
  return String();
}
