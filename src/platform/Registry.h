// Registry access in the process's default registry view. On Windows this is the Reg* API; the
// native build keeps an in-memory tree with the same semantics (subkeys enumerate in
// case-insensitive name order, values in creation order, names compare case-insensitively).
// Paths are relative to a root and may begin with a backslash, which means the same thing.
// Nothing here raises: failures come back as false, an empty optional or an empty list.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "core/String.h"

namespace platform {

enum class RegRoot { ClassesRoot, CurrentUser, LocalMachine, Users, CurrentConfig };

enum class RegValueType { String, ExpandString, DWord, Binary, MultiString, QWord, Other };

struct RegValue {
  RegValueType type = RegValueType::Binary;
  std::vector<uint8_t> data;  // as stored; strings are UTF-16LE with their terminating zero
};

// An open registry key; move-only, closes itself.
class RegistryKey {
 public:
  // Opens an existing key; empty when it does not exist or cannot be opened.
  static std::optional<RegistryKey> Open(RegRoot root, const String& path);
  // Opens a key, creating it and any missing parents.
  static std::optional<RegistryKey> Create(RegRoot root, const String& path);
  static bool Exists(RegRoot root, const String& path);
  // Deletes a key with all its subkeys and values.
  static bool DeleteTree(RegRoot root, const String& path);

  RegistryKey(RegistryKey&& other) noexcept;
  RegistryKey& operator=(RegistryKey&& other) noexcept;
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;
  ~RegistryKey();

  std::vector<String> SubKeyNames() const;  // in index order
  std::vector<String> ValueNames() const;   // in index order
  bool ValueExists(const String& name) const;
  std::optional<RegValue> ReadValue(const String& name) const;
  bool WriteValue(const String& name, const RegValue& value);
  bool DeleteValue(const String& name);

  // Typed conveniences over ReadValue/WriteValue.
  std::optional<String> ReadString(const String& name) const;  // REG_SZ only
  std::optional<uint32_t> ReadDWord(const String& name) const;
  bool WriteString(const String& name, const String& value);
  bool WriteExpandString(const String& name, const String& value);
  bool WriteDWord(const String& name, uint32_t value);
  bool WriteBinary(const String& name, const std::vector<uint8_t>& bytes);

 private:
  explicit RegistryKey(void* handle) : FHandle(handle) {}
  void* FHandle = nullptr;  // HKEY on Windows, a node of the stand-in tree natively
};

// String value bytes (UTF-16LE with a terminating zero) and back; the reader stops at the
// first zero character and accepts an odd trailing byte by dropping it.
std::vector<uint8_t> RegStringBytes(const String& text);
String RegBytesToString(const std::vector<uint8_t>& bytes);

}  // namespace platform
