#include "compiler/IdeEvent.h"

#include <utility>

#include "compiler/OSError.h"
#include "compiler/win32/WinHandles.h"

namespace {

HANDLE AsHandle(TIdeDispatcherObject::THandle handle) {
  return reinterpret_cast<HANDLE>(handle);
}

}  // namespace

TIdeDispatcherObject::TIdeDispatcherObject(TIdeDispatcherObject&& other) noexcept
    : FHandle(std::exchange(other.FHandle, kNoHandle)) {}

TIdeDispatcherObject& TIdeDispatcherObject::operator=(TIdeDispatcherObject&& other) noexcept {
  if (this != &other) {
    Close();
    FHandle = std::exchange(other.FHandle, kNoHandle);
  }
  return *this;
}

TIdeDispatcherObject::~TIdeDispatcherObject() {
  Close();
}

void TIdeDispatcherObject::Close() noexcept {
  if (FHandle != kNoHandle)
    CloseHandleKeepingLastError(AsHandle(std::exchange(FHandle, kNoHandle)));
}

namespace {

TIdeDispatcherObject::THandle NewEvent(bool manualReset, bool initialState) {
  const HANDLE event = CreateEventW(nullptr, manualReset, initialState, nullptr);
  if (event == nullptr) throw EOSError(GetLastError(), L"Failed to create event");
  return reinterpret_cast<TIdeDispatcherObject::THandle>(event);
}

}  // namespace

TIdeEvent::TIdeEvent(bool manualReset, bool initialState)
    : TIdeDispatcherObject(NewEvent(manualReset, initialState)), FManualReset(manualReset) {}

void TIdeEvent::SetEvent() {
  ::SetEvent(AsHandle(Handle()));
}

void TIdeEvent::ResetEvent() {
  ::ResetEvent(AsHandle(Handle()));
}

bool TIdeEvent::WaitFor(int milliseconds) {
  const DWORD timeout = milliseconds < 0 ? INFINITE : static_cast<DWORD>(milliseconds);
  return WaitForSingleObject(AsHandle(Handle()), timeout) == WAIT_OBJECT_0;
}
