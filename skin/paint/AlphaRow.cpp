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

}  // namespace
#endif

void MixAlphaRow(std::uint8_t* d, const std::uint8_t* s, int count, int keepPercent) {
#ifdef ZT_ALPHA_ROW_AVX2
  if (__builtin_cpu_supports("avx2")) {
    MixAlphaRowAvx2(d, s, count, keepPercent);
    return;
  }
#endif
  MixAlphaRowScalar(d, s, count, keepPercent);
}

}  // namespace skin
