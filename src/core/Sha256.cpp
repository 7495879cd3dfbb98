#include "core/Sha256.h"

#include <algorithm>
#include <cstring>

#include "core/Sha256Constants.h"

namespace {

constexpr std::array<uint32_t, 8> kInitialState = {0x6a09e667, 0xbb67ae85, 0x3c6ef372, 0xa54ff53a,
                                                   0x510e527f, 0x9b05688c, 0x1f83d9ab, 0x5be0cd19};

constexpr uint32_t RotateRight(uint32_t x, int n) {
  return (x >> n) | (x << (32 - n));
}

}  // namespace

void Sha256PortableBlocks(uint32_t* state, const uint8_t* blocks, size_t count) {
  for (; count > 0; --count, blocks += 64) {
    std::array<uint32_t, 64> w{};
    for (int i = 0; i < 16; ++i) {
      w[i] = (static_cast<uint32_t>(blocks[4 * i]) << 24) |
             (static_cast<uint32_t>(blocks[4 * i + 1]) << 16) |
             (static_cast<uint32_t>(blocks[4 * i + 2]) << 8) | blocks[4 * i + 3];
    }
    for (int i = 16; i < 64; ++i) {
      const uint32_t s0 = RotateRight(w[i - 15], 7) ^ RotateRight(w[i - 15], 18) ^ (w[i - 15] >> 3);
      const uint32_t s1 = RotateRight(w[i - 2], 17) ^ RotateRight(w[i - 2], 19) ^ (w[i - 2] >> 10);
      w[i] = w[i - 16] + s0 + w[i - 7] + s1;
    }
    uint32_t a = state[0], b = state[1], c = state[2], d = state[3];
    uint32_t e = state[4], f = state[5], g = state[6], h = state[7];
    for (int i = 0; i < 64; ++i) {
      const uint32_t s1 = RotateRight(e, 6) ^ RotateRight(e, 11) ^ RotateRight(e, 25);
      const uint32_t choose = (e & f) ^ (~e & g);
      const uint32_t t1 = h + s1 + choose + kSha256RoundConstants[i] + w[i];
      const uint32_t s0 = RotateRight(a, 2) ^ RotateRight(a, 13) ^ RotateRight(a, 22);
      const uint32_t majority = (a & b) ^ (a & c) ^ (b & c);
      const uint32_t t2 = s0 + majority;
      h = g;
      g = f;
      f = e;
      e = d + t1;
      d = c;
      c = b;
      b = a;
      a = t1 + t2;
    }
    const uint32_t result[8] = {a, b, c, d, e, f, g, h};
    for (int i = 0; i < 8; ++i) state[i] += result[i];
  }
}

TSha256::TSha256(TSha256Blocks blocks) : FBlocks(blocks) {
  if (FBlocks == nullptr) {
    static const TSha256Blocks fastest =
        Sha256HardwareBlocks() != nullptr ? Sha256HardwareBlocks() : &Sha256PortableBlocks;
    FBlocks = fastest;
  }
  Reset();
}

void TSha256::Reset() {
  FState = kInitialState;
  FBlockUsed = 0;
  FTotalBytes = 0;
}

void TSha256::Update(const void* data, size_t size) {
  if (size == 0) return;  // data may then be null, which memcpy must not be given
  const auto* bytes = static_cast<const uint8_t*>(data);
  FTotalBytes += size;
  if (FBlockUsed > 0) {
    const size_t take = std::min(size, FBlock.size() - FBlockUsed);
    std::memcpy(FBlock.data() + FBlockUsed, bytes, take);
    FBlockUsed += take;
    bytes += take;
    size -= take;
    if (FBlockUsed < FBlock.size()) return;
    FBlocks(FState.data(), FBlock.data(), 1);
    FBlockUsed = 0;
  }
  // Whole blocks straight from the caller's bytes, the rest kept for the next call.
  const size_t wholeBlocks = size / FBlock.size();
  if (wholeBlocks > 0) FBlocks(FState.data(), bytes, wholeBlocks);
  bytes += wholeBlocks * FBlock.size();
  size -= wholeBlocks * FBlock.size();
  std::memcpy(FBlock.data(), bytes, size);
  FBlockUsed = size;
}

TSha256::TDigest TSha256::Final() {
  const uint64_t bitLength = FTotalBytes * 8;
  const uint8_t marker = 0x80;
  Update(&marker, 1);
  const uint8_t zero = 0;
  while (FBlockUsed != 56) Update(&zero, 1);
  uint8_t length[8];
  for (int i = 0; i < 8; ++i) length[i] = static_cast<uint8_t>(bitLength >> (56 - 8 * i));
  Update(length, sizeof length);
  TDigest digest{};
  for (int i = 0; i < 8; ++i) {
    for (int j = 0; j < 4; ++j) digest[4 * i + j] = static_cast<uint8_t>(FState[i] >> (24 - 8 * j));
  }
  Reset();
  return digest;
}

String TSha256::Hex(const TDigest& digest) {
  static const wchar_t kDigits[] = L"0123456789abcdef";
  String hex;
  for (const uint8_t byte : digest) {
    hex += kDigits[byte >> 4];
    hex += kDigits[byte & 0x0F];
  }
  return hex;
}
