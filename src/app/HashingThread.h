// SHA-256 on a second thread, so that hashing the payload overlaps reading and writing it: the
// calling thread fills the buffers of a small ring and hands each one over; the hashing thread
// feeds them, in order, to the caller's TSha256 and gives them back. Memory is kRingBuffers
// buffers of the block size, whatever the amount hashed. The calling thread waits only while
// every buffer is still being hashed.
//
// Nothing here fails after construction (which raises EInOutError when no thread can be
// started). The destructor hashes what was handed over and ends the thread, so a copy that
// fails midway neither hangs nor leaves the thread behind; the caller keeps the TSha256 alive
// until then.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "core/Sha256.h"
#include "platform/Threads.h"

class THashingThread {
 public:
  static constexpr size_t kRingBuffers = 4;

  THashingThread(TSha256& hash, size_t blockSize);
  THashingThread(const THashingThread&) = delete;
  THashingThread& operator=(const THashingThread&) = delete;
  ~THashingThread();

  size_t BlockSize() const { return FBlockSize; }
  // The next buffer to fill, of BlockSize() bytes; waits while all are being hashed. The buffer
  // belongs to the caller until Hash().
  uint8_t* NextBuffer();
  // Hands the buffer from NextBuffer(), holding its first size bytes, to the hashing thread.
  void Hash(size_t size);
  // Waits until everything handed over is hashed; then the TSha256 holds it all.
  void Finish();

 private:
  // A handed-over size that tells the hashing thread to end.
  static constexpr size_t kEnd = SIZE_MAX;

  void HashHandedOverBuffers() noexcept;
  void HandOver(size_t size);

  TSha256& FHash;
  size_t FBlockSize;
  std::unique_ptr<uint8_t[]> FMemory;
  std::array<size_t, kRingBuffers> FSizes{};
  // Guarded by FMonitor: how many buffers are handed over and not yet hashed, and where the
  // two threads are in the ring.
  platform::TMonitor FMonitor;
  size_t FQueued = 0;
  size_t FNextToFill = 0;
  size_t FNextToHash = 0;
  bool FFinished = false;
  platform::TThread FThread;
};
