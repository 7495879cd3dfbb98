// The error the process runner raises when the platform refuses an operation it cannot do
// without (a pipe read, a wait, an event): it carries the platform's error code (GetLastError on
// Windows, errno natively) and a message naming the code and the platform's text for it.
#pragma once

#include <cstdint>

#include "core/Exception.h"

class EOSError : public Exception {
 public:
  explicit EOSError(uint32_t errorCode);
  EOSError(uint32_t errorCode, const String& message);
  uint32_t ErrorCode() const { return FErrorCode; }

 private:
  uint32_t FErrorCode;
};

// Raises EOSError for the given code.
[[noreturn]] void RaiseOSError(uint32_t errorCode);
