// Reads INI files with the rules of the platform's profile functions (GetPrivateProfileStringW /
// GetPrivateProfileIntW). On Windows the platform does the reading; the native build has its own
// reader with the same rules (written down in docs/ini-rules.md). A missing file, section or key
// gives the default; values are cut to 2047 characters. Nothing raises.
#pragma once

#include <cstdint>

#include "core/String.h"

namespace platform {

class TIniFile {
 public:
  explicit TIniFile(String fileName) : FFileName(std::move(fileName)) {}
  const String& FileName() const { return FFileName; }

  String ReadString(const String& section, const String& ident, const String& defaultValue) const;
  // Decimal, or hexadecimal with a leading "$" or "0x"; a value that does not parse gives the
  // default.
  int32_t ReadInteger(const String& section, const String& ident, int32_t defaultValue) const;
  bool ReadBool(const String& section, const String& ident, bool defaultValue) const;

 private:
  String FFileName;
};

// Longest value the profile functions return, in characters.
constexpr size_t kIniValueLimit = 2047;

}  // namespace platform
