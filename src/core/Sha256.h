// SHA-256 (FIPS 180-4) of a byte stream fed in pieces of any size. Used to check that a setup's
// payload arrived whole. Nothing here fails.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "core/String.h"

class TSha256 {
 public:
  using TDigest = std::array<uint8_t, 32>;

  TSha256();
  void Update(const void* data, size_t size);
  // The digest of everything fed so far; the object then starts over.
  TDigest Final();

  // The digest as 64 lower-case hexadecimal digits.
  static String Hex(const TDigest& digest);

 private:
  void Reset();
  void Compress(const uint8_t* block);

  std::array<uint32_t, 8> FState{};
  std::array<uint8_t, 64> FBlock{};
  size_t FBlockUsed = 0;
  uint64_t FTotalBytes = 0;
};
