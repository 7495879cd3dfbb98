// The registry manager's typed values: numbers, flags, colours, floating-point dates, binary
// data, points, rectangles and fonts, each stored as the component's format prescribes.
#include "components/QoRegManager.h"

#include <algorithm>
#include <cstring>

#include "core/Format.h"
#include "platform/CodePages.h"

using platform::RegValue;
using platform::RegValueType;

namespace {

void Put32(uint8_t* bytes, uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[i] = static_cast<uint8_t>(value >> (8 * i));
}

uint32_t Get32(const uint8_t* bytes) {
  return static_cast<uint32_t>(bytes[0]) | (static_cast<uint32_t>(bytes[1]) << 8) |
         (static_cast<uint32_t>(bytes[2]) << 16) | (static_cast<uint32_t>(bytes[3]) << 24);
}

RegValue Binary(const void* bytes, size_t count) {
  const auto* first = static_cast<const uint8_t*>(bytes);
  return RegValue{RegValueType::Binary, std::vector<uint8_t>(first, first + count)};
}

String InvalidDataType(const String& name) {
  return Format(L"Invalid data type for '%s'", {name});
}

enum : uint8_t { kBold = 1, kItalic = 2, kUnderline = 4, kStrikeOut = 8 };

}  // namespace

TQoRecDataFont::TBytes TQoRecDataFont::Pack(const TFontData& font) {
  TBytes bytes{};
  bytes[0] = font.Charset;
  Put32(&bytes[4], font.Color);
  const std::string name = platform::StringToAnsi(font.Name).substr(0, kMaxNameLength);
  bytes[8] = static_cast<uint8_t>(name.size());
  std::memcpy(&bytes[9], name.data(), name.size());
  bytes[59] = static_cast<uint8_t>(font.Pitch);
  Put32(&bytes[60], static_cast<uint32_t>(font.Size));
  bytes[64] =
      static_cast<uint8_t>((font.Bold ? kBold : 0) | (font.Italic ? kItalic : 0) |
                           (font.Underline ? kUnderline : 0) | (font.StrikeOut ? kStrikeOut : 0));
  return bytes;
}

TFontData TQoRecDataFont::Unpack(const TBytes& bytes) {
  TFontData font;
  font.Charset = bytes[0];
  font.Color = Get32(&bytes[4]);
  const size_t length = std::min<size_t>(bytes[8], kMaxNameLength);
  font.Name =
      platform::AnsiToString(std::string_view(reinterpret_cast<const char*>(&bytes[9]), length));
  font.Pitch = bytes[59] <= static_cast<uint8_t>(TFontPitch::fpFixed)
                   ? static_cast<TFontPitch>(bytes[59])
                   : TFontPitch::fpDefault;
  font.Size = static_cast<int32_t>(Get32(&bytes[60]));
  font.Bold = (bytes[64] & kBold) != 0;
  font.Italic = (bytes[64] & kItalic) != 0;
  font.Underline = (bytes[64] & kUnderline) != 0;
  font.StrikeOut = (bytes[64] & kStrikeOut) != 0;
  return font;
}

std::optional<uint32_t> TQoRegManager::ReadNumber(const String& subKey, const String& name) const {
  const auto value = ReadValue(subKey, name);
  if (!value || value->type != RegValueType::DWord || value->data.size() != 4) return std::nullopt;
  return Get32(value->data.data());
}

std::optional<double> TQoRegManager::ReadDouble(const String& subKey, const String& name) const {
  const auto value = ReadValue(subKey, name);
  if (!value || value->type != RegValueType::Binary) return std::nullopt;
  double result;
  if (value->data.size() != sizeof result) throw ERegistryException(InvalidDataType(name));
  std::memcpy(&result, value->data.data(), sizeof result);
  return result;
}

int32_t TQoRegManager::ReadInteger(const String& subKey, const String& name,
                                   int32_t defaultValue) const {
  const auto number = ReadNumber(subKey, name);
  return number ? static_cast<int32_t>(*number) : defaultValue;
}

bool TQoRegManager::ReadBool(const String& subKey, const String& name, bool defaultValue) const {
  const auto number = ReadNumber(subKey, name);
  return number ? *number != 0 : defaultValue;
}

TColor TQoRegManager::ReadColor(const String& subKey, const String& name,
                                TColor defaultValue) const {
  return ReadNumber(subKey, name).value_or(defaultValue);
}

double TQoRegManager::ReadFloat(const String& subKey, const String& name,
                                double defaultValue) const {
  return ReadDouble(subKey, name).value_or(defaultValue);
}

TDateTime TQoRegManager::ReadDateTime(const String& subKey, const String& name,
                                      TDateTime defaultValue) const {
  return ReadDouble(subKey, name).value_or(defaultValue);
}

TDateTime TQoRegManager::ReadDate(const String& subKey, const String& name,
                                  TDateTime defaultValue) const {
  return ReadDouble(subKey, name).value_or(defaultValue);
}

TDateTime TQoRegManager::ReadTime(const String& subKey, const String& name,
                                  TDateTime defaultValue) const {
  return ReadDouble(subKey, name).value_or(defaultValue);
}

int TQoRegManager::ReadBinaryData(const String& subKey, const String& name, void* buffer,
                                  int bufSize) const {
  const auto value = ReadValue(subKey, name);
  if (!value || value->type != RegValueType::Binary) return -1;
  if (value->data.size() > static_cast<size_t>(std::max(bufSize, 0)))
    throw ERegistryException(InvalidDataType(name));
  std::memcpy(buffer, value->data.data(), value->data.size());
  return static_cast<int>(value->data.size());
}

TPoint TQoRegManager::ReadPoint(const String& subKey, const String& name,
                                const TPoint& defaultValue) const {
  uint8_t bytes[8] = {};
  if (ReadBinaryData(subKey, name, bytes, sizeof bytes) < 0) return defaultValue;
  return TPoint{static_cast<int32_t>(Get32(bytes)), static_cast<int32_t>(Get32(bytes + 4))};
}

TRect TQoRegManager::ReadRect(const String& subKey, const String& name,
                              const TRect& defaultValue) const {
  uint8_t bytes[16] = {};
  if (ReadBinaryData(subKey, name, bytes, sizeof bytes) < 0) return defaultValue;
  return TRect{static_cast<int32_t>(Get32(bytes)), static_cast<int32_t>(Get32(bytes + 4)),
               static_cast<int32_t>(Get32(bytes + 8)), static_cast<int32_t>(Get32(bytes + 12))};
}

TFontData TQoRegManager::ReadFont(const String& subKey, const String& name,
                                  const TFontData& defaultValue) const {
  TQoRecDataFont::TBytes bytes{};
  if (ReadBinaryData(subKey, name, bytes.data(), static_cast<int>(bytes.size())) < 0)
    return defaultValue;
  return TQoRecDataFont::Unpack(bytes);
}

void TQoRegManager::WriteNumber(const String& subKey, const String& name, uint32_t value) {
  uint8_t bytes[4];
  Put32(bytes, value);
  WriteValue(subKey, name, RegValue{RegValueType::DWord, {bytes, bytes + 4}});
}

void TQoRegManager::WriteDouble(const String& subKey, const String& name, double value) {
  WriteValue(subKey, name, Binary(&value, sizeof value));
}

void TQoRegManager::WriteInteger(const String& subKey, const String& name, int32_t value) {
  WriteNumber(subKey, name, static_cast<uint32_t>(value));
}

void TQoRegManager::WriteBool(const String& subKey, const String& name, bool value) {
  WriteNumber(subKey, name, value ? 1 : 0);
}

void TQoRegManager::WriteColor(const String& subKey, const String& name, TColor value) {
  WriteNumber(subKey, name, value);
}

void TQoRegManager::WriteFloat(const String& subKey, const String& name, double value) {
  WriteDouble(subKey, name, value);
}

void TQoRegManager::WriteDateTime(const String& subKey, const String& name, TDateTime value) {
  WriteDouble(subKey, name, value);
}

void TQoRegManager::WriteDate(const String& subKey, const String& name, TDateTime value) {
  WriteDouble(subKey, name, value);
}

void TQoRegManager::WriteTime(const String& subKey, const String& name, TDateTime value) {
  WriteDouble(subKey, name, value);
}

void TQoRegManager::WritePoint(const String& subKey, const String& name, const TPoint& value) {
  uint8_t bytes[8];
  Put32(bytes, static_cast<uint32_t>(value.X));
  Put32(bytes + 4, static_cast<uint32_t>(value.Y));
  WriteValue(subKey, name, Binary(bytes, sizeof bytes));
}

void TQoRegManager::WriteRect(const String& subKey, const String& name, const TRect& value) {
  uint8_t bytes[16];
  Put32(bytes, static_cast<uint32_t>(value.Left));
  Put32(bytes + 4, static_cast<uint32_t>(value.Top));
  Put32(bytes + 8, static_cast<uint32_t>(value.Right));
  Put32(bytes + 12, static_cast<uint32_t>(value.Bottom));
  WriteValue(subKey, name, Binary(bytes, sizeof bytes));
}

void TQoRegManager::WriteFont(const String& subKey, const String& name, const TFontData& value) {
  const TQoRecDataFont::TBytes bytes = TQoRecDataFont::Pack(value);
  WriteValue(subKey, name, Binary(bytes.data(), bytes.size()));
}

void TQoRegManager::WriteBinaryData(const String& subKey, const String& name, const void* buffer,
                                    int bufSize) {
  WriteValue(subKey, name, Binary(buffer, static_cast<size_t>(std::max(bufSize, 0))));
}
