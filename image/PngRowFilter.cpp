#include "image/PngRowFilter.h"

#include <cstdlib>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace image {

namespace {

void UnfilterSub(std::uint8_t* row, std::size_t n, std::size_t bpp) {
  for (std::size_t i = bpp; i < n; ++i) row[i] = static_cast<std::uint8_t>(row[i] + row[i - bpp]);
}

void UnfilterUp(std::uint8_t* row, const std::uint8_t* prior, std::size_t n) {
  for (std::size_t i = 0; i < n; ++i) row[i] = static_cast<std::uint8_t>(row[i] + prior[i]);
}

void UnfilterAverage(std::uint8_t* row, const std::uint8_t* prior, std::size_t n, std::size_t bpp) {
  const std::size_t head = bpp < n ? bpp : n;
  for (std::size_t i = 0; i < head; ++i) row[i] = static_cast<std::uint8_t>(row[i] + (prior[i] >> 1));
  for (std::size_t i = bpp; i < n; ++i)
    row[i] = static_cast<std::uint8_t>(row[i] + ((row[i - bpp] + prior[i]) >> 1));
}

// Paeth with a = left, b = above, c = upper left: the predictor nearest to
// a + b - c, ties in the order a, b, c.
inline int PaethPredict(int a, int b, int c) {
  const int p = b - c, q = a - c;
  const int pa = std::abs(p), pb = std::abs(q), pc = std::abs(p + q);
  return (pa <= pb && pa <= pc) ? a : (pb <= pc ? b : c);
}

void UnfilterPaethScalar(std::uint8_t* row, const std::uint8_t* prior, std::size_t n, std::size_t bpp) {
  const std::size_t head = bpp < n ? bpp : n;
  for (std::size_t i = 0; i < head; ++i) row[i] = static_cast<std::uint8_t>(row[i] + prior[i]);
  for (std::size_t i = bpp; i < n; ++i)
    row[i] = static_cast<std::uint8_t>(row[i] + PaethPredict(row[i - bpp], prior[i], prior[i - bpp]));
}

#if defined(__SSE2__)

// Whole pixels of 3 or 4 bytes at a time: each byte of a pixel in a 16-bit
// lane. Pixels depend on their left neighbour, so the loop stays serial over
// pixels; the work inside a pixel is parallel.
// Loads the pixel at p; `room` tells whether four bytes may be read (a
// 3-byte pixel then carries one byte of its neighbour in the unused lane).
template <std::size_t Bpp>
inline __m128i LoadPixel(const std::uint8_t* p, bool room) {
  std::uint32_t v = 0;
  if (Bpp == 4 || room)
    std::memcpy(&v, p, 4);
  else
    v = static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
        (static_cast<std::uint32_t>(p[2]) << 16);
  return _mm_unpacklo_epi8(_mm_cvtsi32_si128(static_cast<int>(v)), _mm_setzero_si128());
}

template <std::size_t Bpp>
inline void StorePixel(std::uint8_t* p, __m128i v) {
  const std::uint32_t out = static_cast<std::uint32_t>(_mm_cvtsi128_si32(_mm_packus_epi16(v, v)));
  std::memcpy(p, &out, Bpp);
}

inline __m128i Abs16(__m128i x) { return _mm_max_epi16(x, _mm_sub_epi16(_mm_setzero_si128(), x)); }

inline __m128i Select(__m128i mask, __m128i yes, __m128i no) {
  return _mm_or_si128(_mm_and_si128(mask, yes), _mm_andnot_si128(mask, no));
}

template <std::size_t Bpp>
void UnfilterPaethSimd(std::uint8_t* row, const std::uint8_t* prior, std::size_t n) {
  const __m128i byteMask = _mm_set1_epi16(0xFF);
  __m128i a = _mm_setzero_si128(), c = _mm_setzero_si128();
  std::size_t i = 0;
  for (; i + Bpp <= n; i += Bpp) {
    const bool room = i + 4 <= n;
    const __m128i b = LoadPixel<Bpp>(prior + i, room);
    const __m128i x = LoadPixel<Bpp>(row + i, room);
    const __m128i p = _mm_sub_epi16(b, c), q = _mm_sub_epi16(a, c);
    const __m128i pa = Abs16(p), pb = Abs16(q), pc = Abs16(_mm_add_epi16(p, q));
    const __m128i smallest = _mm_min_epi16(pc, _mm_min_epi16(pa, pb));
    __m128i pred = Select(_mm_cmpeq_epi16(smallest, pb), b, c);
    pred = Select(_mm_cmpeq_epi16(smallest, pa), a, pred);
    a = _mm_and_si128(_mm_add_epi16(x, pred), byteMask);
    StorePixel<Bpp>(row + i, a);
    c = b;
  }
  // n is a whole number of pixels for these depths; nothing is left over.
}

template <std::size_t Bpp>
void UnfilterAverageSimd(std::uint8_t* row, const std::uint8_t* prior, std::size_t n) {
  __m128i a = _mm_setzero_si128();
  for (std::size_t i = 0; i + Bpp <= n; i += Bpp) {
    const bool room = i + 4 <= n;
    const __m128i avg = _mm_srli_epi16(_mm_add_epi16(a, LoadPixel<Bpp>(prior + i, room)), 1);
    a = _mm_and_si128(_mm_add_epi16(LoadPixel<Bpp>(row + i, room), avg), _mm_set1_epi16(0xFF));
    StorePixel<Bpp>(row + i, a);
  }
}

#endif

void UnfilterPaeth(std::uint8_t* row, const std::uint8_t* prior, std::size_t n, std::size_t bpp) {
#if defined(__SSE2__)
  if (bpp == 4) return UnfilterPaethSimd<4>(row, prior, n);
  if (bpp == 3) return UnfilterPaethSimd<3>(row, prior, n);
#endif
  UnfilterPaethScalar(row, prior, n, bpp);
}

}  // namespace

void UnfilterRow(int filterType, std::uint8_t* row, const std::uint8_t* prior, std::size_t n,
                 std::size_t bpp) {
  if (bpp == 0) bpp = 1;
  switch (filterType) {
    case 1: UnfilterSub(row, n, bpp); break;
    case 2: UnfilterUp(row, prior, n); break;
    case 3:
#if defined(__SSE2__)
      if (bpp == 4) return UnfilterAverageSimd<4>(row, prior, n);
      if (bpp == 3) return UnfilterAverageSimd<3>(row, prior, n);
#endif
      UnfilterAverage(row, prior, n, bpp);
      break;
    case 4: UnfilterPaeth(row, prior, n, bpp); break;
    default: break;  // 0 and unknown types: the bytes stay as they are
  }
}

}  // namespace image
