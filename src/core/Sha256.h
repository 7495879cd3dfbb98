// SHA-256 (FIPS 180-4) of a byte stream fed in pieces of any size. Used to check that a setup's
// payload arrived whole. Nothing here fails.
//
// The 64-byte blocks go through the processor's SHA instructions when it has them (x86 and
// x86-64, chosen at run time), else through portable code; both give the same digests.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "core/String.h"

// Compresses count consecutive 64-byte blocks into the eight state words.
using TSha256Blocks = void (*)(uint32_t* state, const uint8_t* blocks, size_t count);

// The portable block function.
void Sha256PortableBlocks(uint32_t* state, const uint8_t* blocks, size_t count);
// The block function over the processor's SHA instructions; null when the processor (or the
// build's target) has none.
TSha256Blocks Sha256HardwareBlocks();

class TSha256 {
 public:
  using TDigest = std::array<uint8_t, 32>;

  // blocks: the block function; null takes the fastest this processor offers.
  explicit TSha256(TSha256Blocks blocks = nullptr);
  void Update(const void* data, size_t size);
  // The digest of everything fed so far; the object then starts over.
  TDigest Final();

  // The digest as 64 lower-case hexadecimal digits.
  static String Hex(const TDigest& digest);

 private:
  void Reset();

  TSha256Blocks FBlocks;
  std::array<uint32_t, 8> FState{};
  std::array<uint8_t, 64> FBlock{};
  size_t FBlockUsed = 0;
  uint64_t FTotalBytes = 0;
};
