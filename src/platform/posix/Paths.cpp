#include <unistd.h>

#include <climits>
#include <cstdlib>

#include "platform/Paths.h"
#include "platform/posix/NativePath.h"

String SystemTempFolder() {
  const char* tmp = std::getenv("TMPDIR");
  String folder = platform::FromNativePathBytes(tmp != nullptr && *tmp == '/' ? tmp : "/tmp");
  folder = WithTrailingBackslash(folder);
  return folder.size() > 260 ? String() : folder;
}

String CurrentFolder() {
  char buffer[PATH_MAX];
  if (::getcwd(buffer, sizeof buffer) == nullptr) return String();
  return WithTrailingBackslash(platform::FromNativePathBytes(buffer));
}

bool SetCurrentFolder(const String& path) {
  const std::string native = platform::ToNativePath(path);
  return !native.empty() && ::chdir(native.c_str()) == 0;
}

String ModuleFileName() {
  char buffer[PATH_MAX];
  const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (n <= 0) return String();
  return platform::FromNativePathBytes(std::string(buffer, static_cast<size_t>(n)));
}

String FromNativePath(const String& nativePath) {
  if (!nativePath.empty() && nativePath[0] == L'/') {
    return platform::FromNativePathBytes(ToUtf8(nativePath));
  }
  // A relative path is taken from the current folder.
  if (nativePath.size() < 2 || nativePath[1] != L':') {
    return CurrentFolder() + platform::FromNativePathBytes(ToUtf8(nativePath));
  }
  return nativePath;
}

String ShellNamespacePath(const String&) {
  return String();
}
