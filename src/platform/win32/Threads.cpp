#include "platform/Threads.h"

#include <windows.h>
#include <process.h>

#include "core/Exception.h"
#include "platform/Files.h"

namespace platform {

struct TThread::TState {
  std::function<void()> Body;
  HANDLE Handle = nullptr;
};

namespace {

unsigned __stdcall RunBody(void* state) noexcept {
  static_cast<std::function<void()>*>(state)->operator()();
  return 0;
}

}  // namespace

TThread::TThread(std::function<void()> body) : FState(std::make_unique<TState>()) {
  FState->Body = std::move(body);
  // _beginthreadex rather than CreateThread: the C runtime sets up its per-thread data.
  const uintptr_t handle = ::_beginthreadex(nullptr, 0, &RunBody, &FState->Body, 0, nullptr);
  if (handle == 0) {
    throw EInOutError(L"Cannot start a thread: " + SystemErrorMessage(LastErrorCode()));
  }
  FState->Handle = reinterpret_cast<HANDLE>(handle);
}

TThread::~TThread() {
  Join();
}

void TThread::Join() noexcept {
  if (FState->Handle == nullptr) return;
  ::WaitForSingleObject(FState->Handle, INFINITE);
  ::CloseHandle(FState->Handle);
  FState->Handle = nullptr;
}

// Slim reader/writer locks and condition variables wait inside the process; under Wine too,
// where waits on kernel objects such as semaphores cost a round trip to the server.
struct TMonitor::TState {
  SRWLOCK Lock = SRWLOCK_INIT;
  CONDITION_VARIABLE Condition = CONDITION_VARIABLE_INIT;
};

TMonitor::TMonitor() : FState(std::make_unique<TState>()) {}

TMonitor::~TMonitor() = default;

void TMonitor::Lock() noexcept {
  ::AcquireSRWLockExclusive(&FState->Lock);
}

void TMonitor::Unlock() noexcept {
  ::ReleaseSRWLockExclusive(&FState->Lock);
}

void TMonitor::Wait() noexcept {
  ::SleepConditionVariableSRW(&FState->Condition, &FState->Lock, INFINITE, 0);
}

void TMonitor::NotifyAll() noexcept {
  ::WakeAllConditionVariable(&FState->Condition);
}

}  // namespace platform
