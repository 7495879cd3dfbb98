#include "components/QoRegManager.h"

#include "core/Format.h"

using platform::RegValue;
using platform::RegValueType;

TQoRegManager::TQoRegManager(TComponent* owner) : TComponent(owner) {}

void TQoRegManager::SetKey(const String& value) {
  FKey = value.empty() ? kDefaultKey : value;
}

String TQoRegManager::FullKey(const String& subKey) const {
  if (subKey.empty()) return FKey;
  if (FKey.empty() || FKey.back() == L'\\') return FKey + subKey;
  return FKey + L"\\" + subKey;
}

std::optional<platform::RegistryKey> TQoRegManager::OpenKey(const String& subKey) const {
  const auto root = PlatformRootKey(FRootKey);
  if (!root) return std::nullopt;
  return FAutoCreate ? platform::RegistryKey::Create(*root, FullKey(subKey))
                     : platform::RegistryKey::Open(*root, FullKey(subKey));
}

std::optional<RegValue> TQoRegManager::ReadValue(const String& subKey, const String& name) const {
  const auto key = OpenKey(subKey);
  return key ? key->ReadValue(name) : std::nullopt;
}

String TQoRegManager::ReadString(const String& subKey, const String& name,
                                 const String& defaultValue) const {
  const auto key = OpenKey(subKey);
  return key ? key->ReadString(name).value_or(defaultValue) : defaultValue;
}

void TQoRegManager::WriteValue(const String& subKey, const String& name, const RegValue& value) {
  auto key = OpenKey(subKey);
  if (key && !key->WriteValue(name, value))
    throw ERegistryException(Format(L"Failed to set data for '%s'", {name}));
}

void TQoRegManager::WriteString(const String& subKey, const String& name, const String& value) {
  WriteValue(subKey, name, RegValue{RegValueType::String, platform::RegStringBytes(value)});
}

bool TQoRegManager::DeleteValue(const String& subKey, const String& name) {
  auto key = OpenKey(subKey);
  return key && key->DeleteValue(name);
}

bool TQoRegManager::ValueExists(const String& subKey, const String& name) const {
  const auto key = OpenKey(subKey);
  return key && key->ValueExists(name);
}

bool TQoRegManager::DeleteSubKey(const String& subKey) {
  const auto root = PlatformRootKey(FRootKey);
  return root && platform::RegistryKey::DeleteTree(*root, FullKey(subKey));
}

bool TQoRegManager::SubKeyExists(const String& subKey) const {
  const auto root = PlatformRootKey(FRootKey);
  return root && platform::RegistryKey::Exists(*root, FullKey(subKey));
}

bool TQoRegManager::GetValueNames(TStringList& names) const {
  const auto key = OpenKey(String());
  if (!key) return false;
  names.Clear();
  for (const String& name : key->ValueNames()) names.Add(name);
  return true;
}

bool TQoRegManager::GetKeyNames(TStringList& keys) const {
  const auto key = OpenKey(String());
  if (!key) return false;
  keys.Clear();
  for (const String& name : key->SubKeyNames()) keys.Add(name);
  return true;
}
