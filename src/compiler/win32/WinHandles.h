// Move-only owners of the kernel handles the process runner uses. Each closes its handle when
// destroyed or closed, keeping the thread's last error as it was, so that clean-up never hides
// the error code of the step that failed. The tag keeps a pipe end from being taken for a
// thread handle. INVALID_HANDLE_VALUE and null both mean "no handle".
#pragma once

#include <windows.h>

#include <utility>

inline void CloseHandleKeepingLastError(HANDLE handle) noexcept {
  const DWORD lastError = GetLastError();
  CloseHandle(handle);
  SetLastError(lastError);
}

template <class Tag>
class TUniqueHandle {
 public:
  TUniqueHandle() = default;
  explicit TUniqueHandle(HANDLE handle) noexcept
      : FHandle(handle == INVALID_HANDLE_VALUE ? nullptr : handle) {}
  TUniqueHandle(TUniqueHandle&& other) noexcept : FHandle(std::exchange(other.FHandle, nullptr)) {}
  TUniqueHandle& operator=(TUniqueHandle&& other) noexcept {
    if (this != &other) {
      Close();
      FHandle = std::exchange(other.FHandle, nullptr);
    }
    return *this;
  }
  TUniqueHandle(const TUniqueHandle&) = delete;
  TUniqueHandle& operator=(const TUniqueHandle&) = delete;
  ~TUniqueHandle() { Close(); }

  HANDLE Get() const { return FHandle; }
  explicit operator bool() const { return FHandle != nullptr; }
  void Close() noexcept {
    if (FHandle != nullptr) CloseHandleKeepingLastError(std::exchange(FHandle, nullptr));
  }

 private:
  HANDLE FHandle = nullptr;
};

using TPipeHandle = TUniqueHandle<struct TPipeHandleTag>;
using TThreadHandle = TUniqueHandle<struct TThreadHandleTag>;
