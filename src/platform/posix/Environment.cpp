#include "platform/Environment.h"

#include <cstdlib>

#include "platform/posix/NativePath.h"

extern char** environ;

namespace platform {
namespace {

wchar_t Fold(wchar_t c) {
  return c >= L'a' && c <= L'z' ? c - 32 : c;
}

bool SameName(const String& a, const String& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (Fold(a[i]) != Fold(b[i])) return false;
  }
  return true;
}

}  // namespace

std::vector<String> EnvironmentBlock() {
  std::vector<String> lines;
  for (char** p = environ; p != nullptr && *p != nullptr; ++p) lines.push_back(FromUtf8(*p));
  return lines;
}

// Names compare without regard to ASCII case, as on Windows.
std::optional<String> GetEnvironmentVariable(const String& name) {
  if (const char* exact = std::getenv(ToUtf8(name).c_str())) return FromUtf8(exact);
  for (const String& line : EnvironmentBlock()) {
    const size_t eq = line.find(L'=');
    if (eq != String::npos && SameName(line.substr(0, eq), name)) return line.substr(eq + 1);
  }
  return std::nullopt;
}

bool SetEnvironmentVariable(const String& name, const String& value) {
  return ::setenv(ToUtf8(name).c_str(), ToUtf8(value).c_str(), 1) == 0;
}

String ExpandEnvironmentStrings(const String& text) {
  String out;
  size_t i = 0;
  while (i < text.size()) {
    const size_t open = text.find(L'%', i);
    if (open == String::npos) break;
    const size_t close = text.find(L'%', open + 1);
    if (close == String::npos) break;
    out.append(text, i, open - i);
    const auto value = GetEnvironmentVariable(text.substr(open + 1, close - open - 1));
    if (value && close > open + 1) {
      out += *value;
      i = close + 1;
    } else {
      // An unknown reference stays as written, both of its "%" included.
      out.append(text, open, close - open + 1);
      i = close + 1;
    }
  }
  out.append(text, i, String::npos);
  return out;
}

String SpecialFolderPath(SpecialFolder folder) {
  const char* variable = folder == SpecialFolder::RoamingAppData    ? "QRV_APPDATA"
                         : folder == SpecialFolder::Documents       ? "QRV_DOCUMENTS"
                         : folder == SpecialFolder::CommonDocuments ? "QRV_COMMON_DOCUMENTS"
                                                                    : "QRV_PROGRAM_FILES";
  const char* value = std::getenv(variable);
  if (value == nullptr || *value == 0) return String();
  String path = FromUtf8(value);
  if (!path.empty() && path[0] == L'/') path = FromNativePathBytes(value);
  while (path.size() > 3 && path.back() == L'\\') path.pop_back();
  return path;
}

}  // namespace platform
