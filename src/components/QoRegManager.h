// TQoRegManager: a non-visual component that reads and writes typed values under one registry
// key (RootKey + Key + the SubKey each call names). Each call opens the key (creating it and its
// parents when AutoCreate is on, reads included), does one thing and closes it again; nothing
// stays open between calls.
//   - A key that does not open makes reads return their default (ReadBinaryData -1, the
//     Boolean queries false) and writes do nothing; a value of another type reads as the default.
//   - ERegistryException is raised by a read whose stored binary value is larger than the
//     caller's buffer (or not exactly 8 bytes for the double-based values), and by a write that
//     the platform refuses once the key is open.
// Stored encodings: strings REG_SZ; integers, Booleans (1/0) and colours REG_DWORD; doubles and
// date-times 8 binary bytes (IEEE 754); points 8 and rectangles 16 binary bytes of little-endian
// signed 32-bit integers; fonts the 68-byte record TQoRecDataFont.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "components/QoRootKeys.h"
#include "core/Exception.h"
#include "core/LibFunctions.h"
#include "core/String.h"
#include "core/StringList.h"
#include "platform/Registry.h"
#include "ui/Colors.h"
#include "ui/Component.h"
#include "ui/FontData.h"
#include "ui/Geometry.h"

class ERegistryException : public Exception {
 public:
  using Exception::Exception;
};

// The 68-byte little-endian font record: Charset (offset 0), Color (4, signed 32-bit), name
// length (8, at most 50), Name in ANSI bytes (9, 50 bytes), Pitch (59), Size in points (60,
// signed 32-bit), Style bits (64: bold 1, italic 2, underline 4, strike-out 8). Filler is zero.
struct TQoRecDataFont {
  static constexpr size_t kSize = 68;
  static constexpr size_t kMaxNameLength = 50;
  using TBytes = std::array<uint8_t, kSize>;

  static TBytes Pack(const TFontData& font);
  static TFontData Unpack(const TBytes& bytes);
};

class TQoRegManager : public TComponent {
 public:
  static constexpr const wchar_t* kDefaultKey = L"\\SOFTWARE\\Company\\Product";

  explicit TQoRegManager(TComponent* owner);

  bool AutoCreate() const { return FAutoCreate; }
  void SetAutoCreate(bool value) { FAutoCreate = value; }
  TQoRootKeys RootKey() const { return FRootKey; }
  void SetRootKey(TQoRootKeys value) { FRootKey = value; }
  const String& Key() const { return FKey; }
  // The empty string restores the default key.
  void SetKey(const String& value);

  // Key alone for an empty subKey; otherwise Key + subKey, with a backslash between them unless
  // Key is empty or already ends with one.
  String FullKey(const String& subKey) const;

  String ReadString(const String& subKey, const String& name, const String& defaultValue) const;
  int32_t ReadInteger(const String& subKey, const String& name, int32_t defaultValue) const;
  bool ReadBool(const String& subKey, const String& name, bool defaultValue) const;
  TColor ReadColor(const String& subKey, const String& name, TColor defaultValue) const;
  double ReadFloat(const String& subKey, const String& name, double defaultValue) const;
  TDateTime ReadDateTime(const String& subKey, const String& name, TDateTime defaultValue) const;
  TDateTime ReadDate(const String& subKey, const String& name, TDateTime defaultValue) const;
  TDateTime ReadTime(const String& subKey, const String& name, TDateTime defaultValue) const;
  // Copies the stored bytes into buffer and returns their count; -1 when the key does not open
  // or the value is not binary.
  int ReadBinaryData(const String& subKey, const String& name, void* buffer, int bufSize) const;
  // A stored value shorter than the structure leaves the rest zero.
  TPoint ReadPoint(const String& subKey, const String& name, const TPoint& defaultValue) const;
  TRect ReadRect(const String& subKey, const String& name, const TRect& defaultValue) const;
  TFontData ReadFont(const String& subKey, const String& name,
                     const TFontData& defaultValue = TFontData()) const;

  void WriteString(const String& subKey, const String& name, const String& value);
  void WriteInteger(const String& subKey, const String& name, int32_t value);
  void WriteBool(const String& subKey, const String& name, bool value);
  void WriteColor(const String& subKey, const String& name, TColor value);
  void WriteFloat(const String& subKey, const String& name, double value);
  void WriteDateTime(const String& subKey, const String& name, TDateTime value);
  void WriteDate(const String& subKey, const String& name, TDateTime value);
  void WriteTime(const String& subKey, const String& name, TDateTime value);
  void WritePoint(const String& subKey, const String& name, const TPoint& value);
  void WriteRect(const String& subKey, const String& name, const TRect& value);
  void WriteFont(const String& subKey, const String& name, const TFontData& value);
  void WriteBinaryData(const String& subKey, const String& name, const void* buffer, int bufSize);

  bool DeleteValue(const String& subKey, const String& name);
  bool ValueExists(const String& subKey, const String& name) const;
  // Deletes the full key with its subkeys, without opening it first.
  bool DeleteSubKey(const String& subKey);
  // Whether the full key exists; never creates it.
  bool SubKeyExists(const String& subKey) const;
  // The value names (or subkey names) of Key, in the platform's order; false when Key does not
  // open. The list is cleared first.
  bool GetValueNames(TStringList& names) const;
  bool GetKeyNames(TStringList& keys) const;

 private:
  std::optional<platform::RegistryKey> OpenKey(const String& subKey) const;
  std::optional<platform::RegValue> ReadValue(const String& subKey, const String& name) const;
  std::optional<uint32_t> ReadNumber(const String& subKey, const String& name) const;
  std::optional<double> ReadDouble(const String& subKey, const String& name) const;
  void WriteValue(const String& subKey, const String& name, const platform::RegValue& value);
  void WriteNumber(const String& subKey, const String& name, uint32_t value);
  void WriteDouble(const String& subKey, const String& name, double value);

  bool FAutoCreate = true;
  TQoRootKeys FRootKey = TQoRootKeys::HKeyCurrentUser;
  String FKey = kDefaultKey;
};
