// The process environment and the user's special folders. Nothing raises.
#pragma once

#include <optional>
#include <vector>

#include "core/String.h"

namespace platform {

// The environment block as NAME=value lines, in the platform's order.
std::vector<String> EnvironmentBlock();
std::optional<String> GetEnvironmentVariable(const String& name);
bool SetEnvironmentVariable(const String& name, const String& value);
// Replaces each %NAME% of a defined variable by its value; undefined references stay as written.
String ExpandEnvironmentStrings(const String& text);

enum class SpecialFolder {
  RoamingAppData,   // the current user's roaming application data
  Documents,        // the current user's documents
  CommonDocuments,  // the documents shared by all users
  ProgramFiles,
};
// The folder without a trailing backslash; empty when the platform has none. Natively the
// folders come from QRV_APPDATA, QRV_DOCUMENTS, QRV_COMMON_DOCUMENTS and QRV_PROGRAM_FILES
// (paths as the native file layer takes them), so tests can point them anywhere.
String SpecialFolderPath(SpecialFolder folder);

}  // namespace platform
