#include "skin/paint/AlphaRow.h"

#include <cstring>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define ZT_ALPHA_ROW_AVX2 1
#include <immintrin.h>
#endif

namespace skin {

void MixAlphaRowScalar(std::uint8_t* d, const std::uint8_t* s, int count, int keepPercent) {
  for (int i = 0; i < count; ++i, d += 3, s += 4) {
    const int w = keepPercent * s[3] / 100;
    for (int c = 0; c < 3; ++c) d[c] = static_cast<std::uint8_t>((d[c] * (256 - w) + s[c] * w) >> 8);
  }
}

#ifdef ZT_ALPHA_ROW_AVX2
namespace {

// Eight pixels: 24 bytes of `d`, 32 bytes of `s`. The destination bytes are
// read as two overlapping halves, bytes 0..15 (pixels 0-3 at 0..11) and bytes
// 8..23 (pixels 4-7 at 4..15), so that no byte outside the eight pixels is
// touched. Each channel and its weight sit in a 16-bit lane; no intermediate
// exceeds 255 * 256.
__attribute__((target("avx2"), always_inline)) inline void MixBlock8(std::uint8_t* d, const std::uint8_t* s,
                                                                     int keepPercent) {
  const __m256i zero = _mm256_setzero_si256();
  // Destination halves to B, G, R, 0 per pixel (per 128-bit lane).
  const __m256i expand = _mm256_setr_epi8(0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1,  //
                                          4, 5, 6, -1, 7, 8, 9, -1, 10, 11, 12, -1, 13, 14, 15, -1);
  // And back: pixels 0-3 to bytes 0..11 of the low half, 4-7 to 4..15 of the high half.
  const __m256i compact = _mm256_setr_epi8(0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, -1, -1, -1, -1,  //
                                           -1, -1, -1, -1, 0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14);
  const __m128i dLow = _mm_loadu_si128(reinterpret_cast<const __m128i*>(d));
  const __m128i dHigh = _mm_loadu_si128(reinterpret_cast<const __m128i*>(d + 8));
  const __m256i dv = _mm256_shuffle_epi8(_mm256_inserti128_si256(_mm256_castsi128_si256(dLow), dHigh, 1), expand);
  const __m256i sv = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s));

  const __m256i sLo = _mm256_unpacklo_epi8(sv, zero), sHi = _mm256_unpackhi_epi8(sv, zero);
  const __m256i dLo = _mm256_unpacklo_epi8(dv, zero), dHi = _mm256_unpackhi_epi8(dv, zero);
  // Each pixel's alpha in all four of its lanes.
  __m256i wLo = _mm256_shufflehi_epi16(_mm256_shufflelo_epi16(sLo, 0xFF), 0xFF);
  __m256i wHi = _mm256_shufflehi_epi16(_mm256_shufflelo_epi16(sHi, 0xFF), 0xFF);
  if (keepPercent != 100) {
    // keep * A div 100 for keep * A <= 25500: (x * 41944) >> 22 is exact there.
    const __m256i keep = _mm256_set1_epi16(static_cast<short>(keepPercent));
    const __m256i magic = _mm256_set1_epi16(static_cast<short>(41944));
    wLo = _mm256_srli_epi16(_mm256_mulhi_epu16(_mm256_mullo_epi16(wLo, keep), magic), 6);
    wHi = _mm256_srli_epi16(_mm256_mulhi_epu16(_mm256_mullo_epi16(wHi, keep), magic), 6);
  }
  const __m256i full = _mm256_set1_epi16(256);
  const __m256i rLo = _mm256_srli_epi16(
      _mm256_add_epi16(_mm256_mullo_epi16(dLo, _mm256_sub_epi16(full, wLo)), _mm256_mullo_epi16(sLo, wLo)), 8);
  const __m256i rHi = _mm256_srli_epi16(
      _mm256_add_epi16(_mm256_mullo_epi16(dHi, _mm256_sub_epi16(full, wHi)), _mm256_mullo_epi16(sHi, wHi)), 8);
  const __m256i r = _mm256_shuffle_epi8(_mm256_packus_epi16(rLo, rHi), compact);

  const __m128i outLow = _mm256_castsi256_si128(r);
  // Bytes 8..11 (pixel 2's red, pixel 3) are the low half's results.
  const __m128i outHigh = _mm_blend_epi32(_mm256_extracti128_si256(r, 1), _mm_srli_si128(outLow, 8), 0x1);
  _mm_storeu_si128(reinterpret_cast<__m128i*>(d), outLow);
  _mm_storeu_si128(reinterpret_cast<__m128i*>(d + 8), outHigh);
}

__attribute__((target("avx2"))) void MixAlphaRowAvx2(std::uint8_t* d, const std::uint8_t* s, int count,
                                                     int keepPercent) {
  int i = 0;
  for (; i + 8 <= count; i += 8) MixBlock8(d + 3 * i, s + 4 * i, keepPercent);
  const int rest = count - i;
  if (rest == 0) return;
  // The last pixels through a block of eight on the stack; the unused source
  // pixels have alpha 0.
  std::uint8_t dt[24] = {}, st[32] = {};
  std::memcpy(dt, d + 3 * i, static_cast<std::size_t>(rest) * 3);
  std::memcpy(st, s + 4 * i, static_cast<std::size_t>(rest) * 4);
  MixBlock8(dt, st, keepPercent);
  std::memcpy(d + 3 * i, dt, static_cast<std::size_t>(rest) * 3);
}

// Sixteen pixels with 512-bit vectors: the 48 destination bytes in `dv` are
// spread to 64 (and back) with byte permutes; returns the 48 new bytes.
__attribute__((target("avx512bw,avx512vbmi"), always_inline)) inline __m512i MixBlock16(__m512i dv, __m512i sv,
                                                                                       int keepPercent) {
  alignas(64) static constexpr std::uint8_t kSpread[64] = {
      0,  1,  2,  2,  3,  4,  5,  5,  6,  7,  8,  8,  9,  10, 11, 11, 12, 13, 14, 14, 15, 16,
      17, 17, 18, 19, 20, 20, 21, 22, 23, 23, 24, 25, 26, 26, 27, 28, 29, 29, 30, 31, 32, 32,
      33, 34, 35, 35, 36, 37, 38, 38, 39, 40, 41, 41, 42, 43, 44, 44, 45, 46, 47, 47};
  alignas(64) static constexpr std::uint8_t kPack[64] = {
      0,  1,  2,  4,  5,  6,  8,  9,  10, 12, 13, 14, 16, 17, 18, 20, 21, 22, 24, 25, 26, 28,
      29, 30, 32, 33, 34, 36, 37, 38, 40, 41, 42, 44, 45, 46, 48, 49, 50, 52, 53, 54, 56, 57,
      58, 60, 61, 62, 0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0};
  // Each pixel's alpha (bytes 3, 7, 11, 15 of a 128-bit lane) in the 16-bit
  // lanes of its channels, for the low and the high pixel pair of the lane.
  const __m512i alphaLo = _mm512_set4_epi32(0xFF07FF07, 0xFF07FF07, 0xFF03FF03, 0xFF03FF03);
  const __m512i alphaHi = _mm512_set4_epi32(0xFF0FFF0F, 0xFF0FFF0F, 0xFF0BFF0B, 0xFF0BFF0B);
  const __m512i zero = _mm512_setzero_si512();
  const __m512i full = _mm512_set1_epi16(256);
  __m512i wLo = _mm512_shuffle_epi8(sv, alphaLo), wHi = _mm512_shuffle_epi8(sv, alphaHi);
  if (keepPercent != 100) {
    const __m512i keep = _mm512_set1_epi16(static_cast<short>(keepPercent));
    const __m512i magic = _mm512_set1_epi16(static_cast<short>(41944));
    wLo = _mm512_srli_epi16(_mm512_mulhi_epu16(_mm512_mullo_epi16(wLo, keep), magic), 6);
    wHi = _mm512_srli_epi16(_mm512_mulhi_epu16(_mm512_mullo_epi16(wHi, keep), magic), 6);
  }
  dv = _mm512_maskz_permutexvar_epi8(~0ull, _mm512_load_si512(kSpread), dv);
  const __m512i sLo = _mm512_unpacklo_epi8(sv, zero), sHi = _mm512_unpackhi_epi8(sv, zero);
  const __m512i dLo = _mm512_unpacklo_epi8(dv, zero), dHi = _mm512_unpackhi_epi8(dv, zero);
  const __m512i rLo = _mm512_srli_epi16(
      _mm512_add_epi16(_mm512_mullo_epi16(dLo, _mm512_sub_epi16(full, wLo)), _mm512_mullo_epi16(sLo, wLo)), 8);
  const __m512i rHi = _mm512_srli_epi16(
      _mm512_add_epi16(_mm512_mullo_epi16(dHi, _mm512_sub_epi16(full, wHi)), _mm512_mullo_epi16(sHi, wHi)), 8);
  return _mm512_maskz_permutexvar_epi8(~0ull, _mm512_load_si512(kPack), _mm512_packus_epi16(rLo, rHi));
}

// Whole blocks with plain loads and stores (48 bytes as 32 + 16; masked
// stores are slow on some processors), the last pixels masked, so that
// nothing beyond the row is touched.
__attribute__((target("avx512bw,avx512vbmi"))) void MixAlphaRowAvx512(std::uint8_t* d, const std::uint8_t* s,
                                                                     int count, int keepPercent) {
  int i = 0;
  for (; i + 16 <= count; i += 16) {
    std::uint8_t* dp = d + 3 * i;
    const __m512i dv =
        _mm512_inserti32x4(_mm512_castsi256_si512(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(dp))),
                           _mm_loadu_si128(reinterpret_cast<const __m128i*>(dp + 32)), 2);
    const __m512i r = MixBlock16(dv, _mm512_loadu_si512(s + 4 * i), keepPercent);
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(dp), _mm512_maskz_extracti64x4_epi64(0xF, r, 0));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(dp + 32), _mm512_maskz_extracti32x4_epi32(0xF, r, 2));
  }
  if (i == count) return;
  const int n = count - i;
  const __mmask64 dMask = (1ull << (3 * n)) - 1, sMask = (1ull << (4 * n)) - 1;
  std::uint8_t* dp = d + 3 * i;
  _mm512_mask_storeu_epi8(
      dp, dMask, MixBlock16(_mm512_maskz_loadu_epi8(dMask, dp), _mm512_maskz_loadu_epi8(sMask, s + 4 * i), keepPercent));
}

}  // namespace
#endif

bool AlphaRowKernelAvailable(AlphaRowKernel k) {
  switch (k) {
    case AlphaRowKernel::Scalar: return true;
#ifdef ZT_ALPHA_ROW_AVX2
    case AlphaRowKernel::Avx2: return __builtin_cpu_supports("avx2");
    case AlphaRowKernel::Avx512: return __builtin_cpu_supports("avx512bw") && __builtin_cpu_supports("avx512vbmi");
#else
    default: return false;
#endif
  }
  return false;
}

void MixAlphaRowWith(AlphaRowKernel k, std::uint8_t* d, const std::uint8_t* s, int count, int keepPercent) {
  switch (k) {
#ifdef ZT_ALPHA_ROW_AVX2
    case AlphaRowKernel::Avx512: MixAlphaRowAvx512(d, s, count, keepPercent); return;
    case AlphaRowKernel::Avx2: MixAlphaRowAvx2(d, s, count, keepPercent); return;
#endif
    default: MixAlphaRowScalar(d, s, count, keepPercent); return;
  }
}

void MixAlphaRow(std::uint8_t* d, const std::uint8_t* s, int count, int keepPercent) {
  static const AlphaRowKernel best = AlphaRowKernelAvailable(AlphaRowKernel::Avx512) ? AlphaRowKernel::Avx512
                                     : AlphaRowKernelAvailable(AlphaRowKernel::Avx2) ? AlphaRowKernel::Avx2
                                                                                     : AlphaRowKernel::Scalar;
  MixAlphaRowWith(best, d, s, count, keepPercent);
}

}  // namespace skin
