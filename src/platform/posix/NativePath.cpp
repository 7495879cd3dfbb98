#include "platform/posix/NativePath.h"

namespace platform {

std::string ToNativePath(const String& path) {
  String p = path;
  if (p.size() >= 2 && p[1] == L':') {
    if (p[0] != L'Z' && p[0] != L'z') return std::string();
    p = p.substr(2);
    if (p.empty() || (p[0] != L'\\' && p[0] != L'/')) p.insert(0, 1, L'/');
  }
  for (wchar_t& c : p) {
    if (c == L'\\') c = L'/';
  }
  return ToUtf8(p);
}

String FromNativePathBytes(const std::string& nativePath) {
  String p = FromUtf8(nativePath);
  for (wchar_t& c : p) {
    if (c == L'/') c = L'\\';
  }
  if (!p.empty() && p[0] == L'\\') p.insert(0, L"Z:");
  return p;
}

}  // namespace platform
