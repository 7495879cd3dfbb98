// Move-only owners of Win32 handles used by the platform layer; each closes itself.
#pragma once

#include <windows.h>

#include <utility>

namespace platform {

class TFindHandle {
 public:
  explicit TFindHandle(HANDLE handle) : FHandle(handle) {}
  TFindHandle(const TFindHandle&) = delete;
  TFindHandle& operator=(const TFindHandle&) = delete;
  ~TFindHandle() {
    if (Valid()) ::FindClose(FHandle);
  }
  bool Valid() const { return FHandle != INVALID_HANDLE_VALUE; }
  HANDLE Get() const { return FHandle; }

 private:
  HANDLE FHandle;
};

}  // namespace platform
