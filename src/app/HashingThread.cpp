#include "app/HashingThread.h"

THashingThread::THashingThread(TSha256& hash, size_t blockSize)
    : FHash(hash),
      FBlockSize(blockSize),
      FMemory(std::make_unique_for_overwrite<uint8_t[]>(kRingBuffers * blockSize)),
      FThread([this] { HashHandedOverBuffers(); }) {}

THashingThread::~THashingThread() {
  Finish();
}

uint8_t* THashingThread::NextBuffer() {
  platform::TMonitorLock lock(FMonitor);
  while (FQueued == kRingBuffers) FMonitor.Wait();
  return FMemory.get() + FNextToFill * FBlockSize;
}

void THashingThread::Hash(size_t size) {
  HandOver(size);
}

void THashingThread::Finish() {
  if (FFinished) return;
  NextBuffer();
  HandOver(kEnd);
  FThread.Join();
  FFinished = true;
}

void THashingThread::HandOver(size_t size) {
  platform::TMonitorLock lock(FMonitor);
  FSizes[FNextToFill] = size;
  FNextToFill = (FNextToFill + 1) % kRingBuffers;
  ++FQueued;
  FMonitor.NotifyAll();
}

void THashingThread::HashHandedOverBuffers() noexcept {
  for (;;) {
    size_t size;
    const uint8_t* buffer;
    {
      platform::TMonitorLock lock(FMonitor);
      while (FQueued == 0) FMonitor.Wait();
      size = FSizes[FNextToHash];
      buffer = FMemory.get() + FNextToHash * FBlockSize;
    }
    if (size == kEnd) return;
    FHash.Update(buffer, size);
    platform::TMonitorLock lock(FMonitor);
    FNextToHash = (FNextToHash + 1) % kRingBuffers;
    --FQueued;
    FMonitor.NotifyAll();
  }
}
