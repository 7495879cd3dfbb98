#include "platform/Registry.h"

namespace platform {

std::vector<uint8_t> RegStringBytes(const String& text) {
  std::vector<uint8_t> bytes;
  bytes.reserve((text.size() + 1) * 2);
  for (wchar_t c : text) {
    bytes.push_back(static_cast<uint8_t>(c & 0xFF));
    bytes.push_back(static_cast<uint8_t>((c >> 8) & 0xFF));
  }
  bytes.push_back(0);
  bytes.push_back(0);
  return bytes;
}

String RegBytesToString(const std::vector<uint8_t>& bytes) {
  String text;
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const auto c = static_cast<wchar_t>(bytes[i] | (bytes[i + 1] << 8));
    if (c == 0) break;
    text += c;
  }
  return text;
}

std::optional<String> RegistryKey::ReadString(const String& name) const {
  const auto value = ReadValue(name);
  if (!value || value->type != RegValueType::String) return std::nullopt;
  return RegBytesToString(value->data);
}

std::optional<uint32_t> RegistryKey::ReadDWord(const String& name) const {
  const auto value = ReadValue(name);
  if (!value || value->type != RegValueType::DWord || value->data.size() != 4) return std::nullopt;
  const auto& d = value->data;
  return static_cast<uint32_t>(d[0] | (d[1] << 8) | (d[2] << 16) |
                               (static_cast<uint32_t>(d[3]) << 24));
}

bool RegistryKey::WriteString(const String& name, const String& value) {
  return WriteValue(name, {RegValueType::String, RegStringBytes(value)});
}

bool RegistryKey::WriteExpandString(const String& name, const String& value) {
  return WriteValue(name, {RegValueType::ExpandString, RegStringBytes(value)});
}

bool RegistryKey::WriteDWord(const String& name, uint32_t value) {
  return WriteValue(name, {RegValueType::DWord,
                           {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8),
                            static_cast<uint8_t>(value >> 16), static_cast<uint8_t>(value >> 24)}});
}

bool RegistryKey::WriteBinary(const String& name, const std::vector<uint8_t>& bytes) {
  return WriteValue(name, {RegValueType::Binary, bytes});
}

}  // namespace platform
