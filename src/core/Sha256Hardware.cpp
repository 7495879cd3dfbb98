// SHA-256 blocks through the x86 SHA extensions (SHA256RNDS2, SHA256MSG1, SHA256MSG2), used
// when CPUID reports them with SSSE3 and SSE4.1. Only this file's functions are compiled for
// those instructions, so the program still runs on processors without them.
#include "core/Sha256.h"

#if defined(__i386__) || defined(__x86_64__)

#include <cpuid.h>
#include <immintrin.h>

#include "core/Sha256Constants.h"

#define QRV_SHA_TARGET __attribute__((target("sha,sse4.1,ssse3")))

namespace {

bool ProcessorHasShaExtensions() {
  unsigned eax = 0, ebx = 0, ecx = 0, edx = 0;
  if (__get_cpuid(1, &eax, &ebx, &ecx, &edx) == 0) return false;
  const bool ssse3 = (ecx & bit_SSSE3) != 0;
  const bool sse41 = (ecx & bit_SSE4_1) != 0;
  if (__get_cpuid_count(7, 0, &eax, &ebx, &ecx, &edx) == 0) return false;
  return ssse3 && sse41 && (ebx & bit_SHA) != 0;
}

// Four rounds on the message words msg (already in host order), then, while rounds remain to be
// fed, the schedule's next four words into `next` from the four groups that follow it.
QRV_SHA_TARGET inline __attribute__((always_inline)) void FourRounds(__m128i& abef, __m128i& cdgh,
                                                                     __m128i msg, int group) {
  __m128i words = _mm_add_epi32(
      msg, _mm_load_si128(reinterpret_cast<const __m128i*>(&kSha256RoundConstants[4 * group])));
  cdgh = _mm_sha256rnds2_epu32(cdgh, abef, words);
  words = _mm_shuffle_epi32(words, 0x0E);
  abef = _mm_sha256rnds2_epu32(abef, cdgh, words);
}

// W[t+16..t+19] from W[t..t+3] (w0), W[t+4..] (w1), W[t+8..] (w2) and W[t+12..] (w3).
QRV_SHA_TARGET inline __attribute__((always_inline)) __m128i NextWords(__m128i w0, __m128i w1,
                                                                       __m128i w2, __m128i w3) {
  const __m128i partial = _mm_add_epi32(_mm_sha256msg1_epu32(w0, w1), _mm_alignr_epi8(w3, w2, 4));
  return _mm_sha256msg2_epu32(partial, w3);
}

QRV_SHA_TARGET void HardwareBlocks(uint32_t* state, const uint8_t* blocks, size_t count) {
  // Big-endian words of the block into host order.
  const __m128i byteSwap = _mm_set_epi64x(0x0c0d0e0f08090a0bLL, 0x0405060700010203LL);
  // The instructions keep the state as ABEF and CDGH.
  const __m128i dcba = _mm_loadu_si128(reinterpret_cast<const __m128i*>(state));
  const __m128i hgfe = _mm_loadu_si128(reinterpret_cast<const __m128i*>(state + 4));
  const __m128i cdab = _mm_shuffle_epi32(dcba, 0xB1);
  const __m128i efgh = _mm_shuffle_epi32(hgfe, 0x1B);
  __m128i abef = _mm_alignr_epi8(cdab, efgh, 8);
  __m128i cdgh = _mm_blend_epi16(efgh, cdab, 0xF0);

  for (; count > 0; --count, blocks += 64) {
    const __m128i savedAbef = abef;
    const __m128i savedCdgh = cdgh;
    const auto* input = reinterpret_cast<const __m128i*>(blocks);
    __m128i w0 = _mm_shuffle_epi8(_mm_loadu_si128(input), byteSwap);
    __m128i w1 = _mm_shuffle_epi8(_mm_loadu_si128(input + 1), byteSwap);
    __m128i w2 = _mm_shuffle_epi8(_mm_loadu_si128(input + 2), byteSwap);
    __m128i w3 = _mm_shuffle_epi8(_mm_loadu_si128(input + 3), byteSwap);
    // Sixteen groups of four rounds; groups 4 to 15 take words scheduled four groups ahead.
    for (int group = 0; group < 16; group += 4) {
      FourRounds(abef, cdgh, w0, group);
      if (group < 12) w0 = NextWords(w0, w1, w2, w3);
      FourRounds(abef, cdgh, w1, group + 1);
      if (group < 12) w1 = NextWords(w1, w2, w3, w0);
      FourRounds(abef, cdgh, w2, group + 2);
      if (group < 12) w2 = NextWords(w2, w3, w0, w1);
      FourRounds(abef, cdgh, w3, group + 3);
      if (group < 12) w3 = NextWords(w3, w0, w1, w2);
    }
    abef = _mm_add_epi32(abef, savedAbef);
    cdgh = _mm_add_epi32(cdgh, savedCdgh);
  }

  // Back to ABCD and EFGH.
  const __m128i feba = _mm_shuffle_epi32(abef, 0x1B);
  const __m128i dchg = _mm_shuffle_epi32(cdgh, 0xB1);
  _mm_storeu_si128(reinterpret_cast<__m128i*>(state), _mm_blend_epi16(feba, dchg, 0xF0));
  _mm_storeu_si128(reinterpret_cast<__m128i*>(state + 4), _mm_alignr_epi8(dchg, feba, 8));
}

}  // namespace

TSha256Blocks Sha256HardwareBlocks() {
  static const bool available = ProcessorHasShaExtensions();
  return available ? &HardwareBlocks : nullptr;
}

#else

TSha256Blocks Sha256HardwareBlocks() {
  return nullptr;
}

#endif
