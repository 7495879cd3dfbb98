// Natively an event is an eventfd: signalled while its counter is not zero, which poll reports
// as readable.
#include "compiler/IdeEvent.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <utility>

#include "compiler/OSError.h"

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
  if (FHandle == kNoHandle) return;
  const int savedErrno = errno;
  ::close(static_cast<int>(std::exchange(FHandle, kNoHandle)));
  errno = savedErrno;
}

namespace {

TIdeDispatcherObject::THandle NewEvent(bool initialState) {
  const int fd = ::eventfd(initialState ? 1 : 0, EFD_CLOEXEC | EFD_NONBLOCK);
  if (fd < 0) throw EOSError(static_cast<uint32_t>(errno), L"Failed to create event");
  return fd;
}

}  // namespace

TIdeEvent::TIdeEvent(bool manualReset, bool initialState)
    : TIdeDispatcherObject(NewEvent(initialState)), FManualReset(manualReset) {}

void TIdeEvent::SetEvent() {
  const uint64_t one = 1;
  (void)!::write(static_cast<int>(Handle()), &one, sizeof(one));
}

void TIdeEvent::ResetEvent() {
  uint64_t count = 0;
  (void)!::read(static_cast<int>(Handle()), &count, sizeof(count));
}

bool TIdeEvent::WaitFor(int milliseconds) {
  pollfd entry{static_cast<int>(Handle()), POLLIN, 0};
  int ready = 0;
  do {
    ready = ::poll(&entry, 1, milliseconds < 0 ? -1 : milliseconds);
  } while (ready < 0 && errno == EINTR);
  if (ready <= 0) return false;
  if (!FManualReset) ResetEvent();
  return true;
}
