#include "compiler/OSError.h"

#include "core/Format.h"
#include "platform/Files.h"

EOSError::EOSError(uint32_t errorCode)
    : EOSError(errorCode, Format(L"System Error. Code: %u. %s",
                                 {errorCode, platform::SystemErrorMessage(errorCode)})) {}

EOSError::EOSError(uint32_t errorCode, const String& message)
    : Exception(message), FErrorCode(errorCode) {}

void RaiseOSError(uint32_t errorCode) {
  throw EOSError(errorCode);
}
