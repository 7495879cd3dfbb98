#include "platform/Threads.h"

#include <pthread.h>

#include "core/Exception.h"
#include "platform/Files.h"

namespace platform {

struct TThread::TState {
  std::function<void()> Body;
  pthread_t Thread{};
  bool Joinable = false;
};

namespace {

void* RunBody(void* state) noexcept {
  static_cast<std::function<void()>*>(state)->operator()();
  return nullptr;
}

}  // namespace

TThread::TThread(std::function<void()> body) : FState(std::make_unique<TState>()) {
  FState->Body = std::move(body);
  const int error = ::pthread_create(&FState->Thread, nullptr, &RunBody, &FState->Body);
  if (error != 0) {
    throw EInOutError(L"Cannot start a thread: " +
                      SystemErrorMessage(static_cast<uint32_t>(error)));
  }
  FState->Joinable = true;
}

TThread::~TThread() {
  Join();
}

void TThread::Join() noexcept {
  if (!FState->Joinable) return;
  ::pthread_join(FState->Thread, nullptr);
  FState->Joinable = false;
}

struct TMonitor::TState {
  pthread_mutex_t Lock = PTHREAD_MUTEX_INITIALIZER;
  pthread_cond_t Condition = PTHREAD_COND_INITIALIZER;
};

TMonitor::TMonitor() : FState(std::make_unique<TState>()) {}

TMonitor::~TMonitor() {
  ::pthread_cond_destroy(&FState->Condition);
  ::pthread_mutex_destroy(&FState->Lock);
}

void TMonitor::Lock() noexcept {
  ::pthread_mutex_lock(&FState->Lock);
}

void TMonitor::Unlock() noexcept {
  ::pthread_mutex_unlock(&FState->Lock);
}

void TMonitor::Wait() noexcept {
  ::pthread_cond_wait(&FState->Condition, &FState->Lock);
}

void TMonitor::NotifyAll() noexcept {
  ::pthread_cond_broadcast(&FState->Condition);
}

}  // namespace platform
