#include "platform/Registry.h"

#include <windows.h>

#include "platform/Faults.h"

namespace platform {
namespace {

HKEY RootHandle(RegRoot root) {
  switch (root) {
    case RegRoot::ClassesRoot:
      return HKEY_CLASSES_ROOT;
    case RegRoot::CurrentUser:
      return HKEY_CURRENT_USER;
    case RegRoot::LocalMachine:
      return HKEY_LOCAL_MACHINE;
    case RegRoot::Users:
      return HKEY_USERS;
    case RegRoot::CurrentConfig:
      return HKEY_CURRENT_CONFIG;
  }
  return HKEY_CURRENT_USER;
}

String Relative(const String& path) {
  size_t start = 0;
  while (start < path.size() && path[start] == L'\\') ++start;
  return path.substr(start);
}

RegValueType TypeOf(DWORD type) {
  switch (type) {
    case REG_SZ:
      return RegValueType::String;
    case REG_EXPAND_SZ:
      return RegValueType::ExpandString;
    case REG_DWORD:
      return RegValueType::DWord;
    case REG_BINARY:
      return RegValueType::Binary;
    case REG_MULTI_SZ:
      return RegValueType::MultiString;
    case REG_QWORD:
      return RegValueType::QWord;
    default:
      return RegValueType::Other;
  }
}

DWORD NativeType(RegValueType type) {
  switch (type) {
    case RegValueType::String:
      return REG_SZ;
    case RegValueType::ExpandString:
      return REG_EXPAND_SZ;
    case RegValueType::DWord:
      return REG_DWORD;
    case RegValueType::MultiString:
      return REG_MULTI_SZ;
    case RegValueType::QWord:
      return REG_QWORD;
    case RegValueType::Binary:
    case RegValueType::Other:
      return REG_BINARY;
  }
  return REG_BINARY;
}

HKEY Key(void* handle) {
  return static_cast<HKEY>(handle);
}

}  // namespace

// Full access where it is granted, else reading only; a key that is not there is not asked for
// twice (the catalogue probes several that rarely exist, each a round trip to the Wine server).
std::optional<RegistryKey> RegistryKey::Open(RegRoot root, const String& path) {
  HKEY key = nullptr;
  const String relative = Relative(path);
  LSTATUS status = ::RegOpenKeyExW(RootHandle(root), relative.c_str(), 0, KEY_ALL_ACCESS, &key);
  if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND)
    status = ::RegOpenKeyExW(RootHandle(root), relative.c_str(), 0, KEY_READ, &key);
  if (status != ERROR_SUCCESS) return std::nullopt;
  return RegistryKey(key);
}

std::optional<RegistryKey> RegistryKey::Create(RegRoot root, const String& path) {
  HKEY key = nullptr;
  if (::RegCreateKeyExW(RootHandle(root), Relative(path).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                        nullptr, &key, nullptr) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return RegistryKey(key);
}

bool RegistryKey::Exists(RegRoot root, const String& path) {
  HKEY key = nullptr;
  if (::RegOpenKeyExW(RootHandle(root), Relative(path).c_str(), 0, KEY_QUERY_VALUE, &key) !=
      ERROR_SUCCESS) {
    return false;
  }
  ::RegCloseKey(key);
  return true;
}

bool RegistryKey::DeleteTree(RegRoot root, const String& path) {
  const String relative = Relative(path);
  if (relative.empty()) return false;
  return ::RegDeleteTreeW(RootHandle(root), relative.c_str()) == ERROR_SUCCESS &&
         !Exists(root, relative);
}

RegistryKey::RegistryKey(RegistryKey&& other) noexcept : FHandle(other.FHandle) {
  other.FHandle = nullptr;
}

RegistryKey& RegistryKey::operator=(RegistryKey&& other) noexcept {
  if (this != &other) {
    if (FHandle != nullptr) ::RegCloseKey(Key(FHandle));
    FHandle = other.FHandle;
    other.FHandle = nullptr;
  }
  return *this;
}

RegistryKey::~RegistryKey() {
  if (FHandle != nullptr) ::RegCloseKey(Key(FHandle));
}

std::vector<String> RegistryKey::SubKeyNames() const {
  std::vector<String> names;
  wchar_t name[256];
  for (DWORD i = 0;; ++i) {
    DWORD length = 256;
    const LONG rc =
        ::RegEnumKeyExW(Key(FHandle), i, name, &length, nullptr, nullptr, nullptr, nullptr);
    if (rc != ERROR_SUCCESS) break;
    names.emplace_back(name, length);
  }
  return names;
}

std::vector<String> RegistryKey::ValueNames() const {
  std::vector<String> names;
  DWORD maxLength = 0;
  if (::RegQueryInfoKeyW(Key(FHandle), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                         nullptr, &maxLength, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
    return names;
  }
  std::vector<wchar_t> name(maxLength + 1);
  for (DWORD i = 0;; ++i) {
    DWORD length = maxLength + 1;
    const LONG rc =
        ::RegEnumValueW(Key(FHandle), i, name.data(), &length, nullptr, nullptr, nullptr, nullptr);
    if (rc != ERROR_SUCCESS) break;
    names.emplace_back(name.data(), length);
  }
  return names;
}

bool RegistryKey::ValueExists(const String& name) const {
  return ::RegQueryValueExW(Key(FHandle), name.c_str(), nullptr, nullptr, nullptr, nullptr) ==
         ERROR_SUCCESS;
}

std::optional<RegValue> RegistryKey::ReadValue(const String& name) const {
  for (;;) {
    DWORD type = 0, size = 0;
    if (::RegQueryValueExW(Key(FHandle), name.c_str(), nullptr, &type, nullptr, &size) !=
        ERROR_SUCCESS) {
      return std::nullopt;
    }
    RegValue value{TypeOf(type), std::vector<uint8_t>(size)};
    const LONG rc =
        ::RegQueryValueExW(Key(FHandle), name.c_str(), nullptr, &type, value.data.data(), &size);
    if (rc == ERROR_MORE_DATA) continue;  // the value grew in between
    if (rc != ERROR_SUCCESS) return std::nullopt;
    value.type = TypeOf(type);
    value.data.resize(size);
    return value;
  }
}

bool RegistryKey::WriteValue(const String& name, const RegValue& value) {
  if (ShouldFail(FaultKind::RegistryWrite)) return false;
  return ::RegSetValueExW(Key(FHandle), name.c_str(), 0, NativeType(value.type), value.data.data(),
                          static_cast<DWORD>(value.data.size())) == ERROR_SUCCESS;
}

bool RegistryKey::DeleteValue(const String& name) {
  return ::RegDeleteValueW(Key(FHandle), name.c_str()) == ERROR_SUCCESS;
}

}  // namespace platform
