// Helpers shared by the tests: where the source tree is, and a scratch folder that removes itself.
#pragma once

#include <cstdlib>
#include <random>
#include <stdexcept>
#include <string>

#include "core/String.h"
#include "platform/Files.h"
#include "platform/Paths.h"

namespace testing_support {

// A path below the source tree (given to the tests by CTest as QRV_SOURCE_DIR), in the
// Windows form the platform layer takes; under Wine the Linux root is drive Z:.
inline String SourcePath(const String& relative) {
  const char* root = std::getenv("QRV_SOURCE_DIR");
  if (root == nullptr) throw std::runtime_error("QRV_SOURCE_DIR is not set");
  String path = FromUtf8(root);
  for (wchar_t& c : path) {
    if (c == L'/') c = L'\\';
  }
  if (!path.empty() && path[0] == L'\\') path = L"Z:" + path;
  return WithTrailingBackslash(path) + relative;
}

// Deletes a folder with everything below it, read-only files included; false when something
// stayed. A trailing backslash is allowed.
inline bool RemoveTree(const String& folder) {
  for (const auto& entry : platform::FindFiles(WithTrailingBackslash(folder) + L"*")) {
    const String path = WithTrailingBackslash(folder) + entry.name;
    if ((entry.attributes & platform::faDirectory) != 0) {
      RemoveTree(path);
    } else {
      platform::SetFileAttributes(path, platform::faNormal);
      platform::DeleteFile(path);
    }
  }
  return platform::RemoveDirectory(folder);
}

// A fresh folder in the system temporary folder, removed with its contents at the end.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::random_device seed;
    FPath = SystemTempFolder() + L"qrvtest-" + std::to_wstring(seed()) + L"\\";
    platform::ForceDirectories(FPath);
  }
  ~ScratchFolder() { RemoveTree(FPath); }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  // The folder, with a trailing backslash.
  const String& Path() const { return FPath; }
  String operator/(const String& name) const { return FPath + name; }

 private:
  String FPath;
};

}  // namespace testing_support
