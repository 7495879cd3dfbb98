#include "platform/IniFile.h"

#include <string>

#include "core/Exception.h"
#include "platform/Files.h"
#include "platform/IniRules.h"

namespace platform {

String TIniFile::ReadString(const String& section, const String& ident,
                            const String& defaultValue) const {
  std::string bytes;
  try {
    const auto data = ReadFileBytes(FFileName);
    bytes.assign(data.begin(), data.end());
  } catch (const EInOutError&) {
    return ProfileString(String(), section, ident, defaultValue);
  }
  return ProfileString(DecodeProfileText(bytes), section, ident, defaultValue);
}

}  // namespace platform
