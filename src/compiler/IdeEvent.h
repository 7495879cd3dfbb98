// Waitable objects of the process runner. TIdeDispatcherObject owns one waitable handle (a
// HANDLE on Windows, a file descriptor natively) and closes it when destroyed; it is move-only.
// TIdeEvent creates an event: manual-reset or auto-reset, signalled or not at the start. An
// event may be signalled and reset from any thread. Creation failure raises EOSError with the
// message "Failed to create event".
#pragma once

#include <cstdint>

class TIdeDispatcherObject {
 public:
  using THandle = intptr_t;
#ifdef _WIN32
  static constexpr THandle kNoHandle = 0;
#else
  static constexpr THandle kNoHandle = -1;
#endif

  TIdeDispatcherObject() = default;
  // Attaches an existing handle, which this object then owns and closes.
  explicit TIdeDispatcherObject(THandle handle) noexcept : FHandle(handle) {}
  TIdeDispatcherObject(TIdeDispatcherObject&& other) noexcept;
  TIdeDispatcherObject& operator=(TIdeDispatcherObject&& other) noexcept;
  TIdeDispatcherObject(const TIdeDispatcherObject&) = delete;
  TIdeDispatcherObject& operator=(const TIdeDispatcherObject&) = delete;
  virtual ~TIdeDispatcherObject();

  THandle Handle() const {
    return FHandle;
  }

 private:
  void Close() noexcept;
  THandle FHandle = kNoHandle;
};

class TIdeEvent : public TIdeDispatcherObject {
 public:
  TIdeEvent(bool manualReset, bool initialState);

  bool ManualReset() const { return FManualReset; }
  void SetEvent();
  void ResetEvent();
  // Waits up to milliseconds (negative: without limit) for the event; true when it was
  // signalled (an auto-reset event is then reset again).
  bool WaitFor(int milliseconds);

 private:
  bool FManualReset;
};
