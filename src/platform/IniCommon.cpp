#include "platform/IniFile.h"
#include "platform/IniRules.h"

namespace platform {

int32_t TIniFile::ReadInteger(const String& section, const String& ident,
                              int32_t defaultValue) const {
  return ParseInteger(ReadString(section, ident, String())).value_or(defaultValue);
}

bool TIniFile::ReadBool(const String& section, const String& ident, bool defaultValue) const {
  return ReadInteger(section, ident, defaultValue ? 1 : 0) != 0;
}

}  // namespace platform
