#include "platform/backend/RetainedPixels.h"

#include <algorithm>
#include <cstring>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define ZT_PRESENT_AVX2 1
#include <immintrin.h>
#endif

namespace backend {

gfx::Size SanitizeSize(gfx::Size size) {
  return {std::clamp(size.Width, 1, kMaxSurfaceSide), std::clamp(size.Height, 1, kMaxSurfaceSide)};
}

namespace {

gfx::Bitmap OpaqueBlack(gfx::Size size) {
  gfx::Bitmap b(size.Width, size.Height, gfx::PixelFormat::Bgra32);
  for (int y = 0; y < size.Height; ++y) {
    std::uint8_t* row = b.Scanline(y);
    for (int x = 0; x < size.Width; ++x) row[x * 4 + 3] = 255;
  }
  return b;
}

// n pixels of 24-bit `in` to opaque 32-bit `out`, one at a time.
void OpaqueRowScalar(std::uint8_t* out, const std::uint8_t* in, int n) {
  for (int x = 0; x < n; ++x) {
    out[x * 4 + 0] = in[x * 3 + 0];
    out[x * 4 + 1] = in[x * 3 + 1];
    out[x * 4 + 2] = in[x * 3 + 2];
    out[x * 4 + 3] = 255;
  }
}

#ifdef ZT_PRESENT_AVX2
// The same, eight pixels a step: the 24 source bytes are read as two
// overlapping halves (bytes 0..15 and 8..23), so nothing outside the row is
// read; each half spreads four pixels over 16 bytes.
__attribute__((target("avx2"))) void OpaqueRowAvx2(std::uint8_t* out, const std::uint8_t* in, int n) {
  const __m256i spread = _mm256_setr_epi8(0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1,  //
                                          4, 5, 6, -1, 7, 8, 9, -1, 10, 11, 12, -1, 13, 14, 15, -1);
  const __m256i opaque = _mm256_set1_epi32(static_cast<int>(0xFF000000u));
  int x = 0;
  for (; x + 8 <= n; x += 8) {
    const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + 3 * x));
    const __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + 3 * x + 8));
    const __m256i both = _mm256_inserti128_si256(_mm256_castsi128_si256(low), high, 1);
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + 4 * x),
                        _mm256_or_si256(_mm256_shuffle_epi8(both, spread), opaque));
  }
  OpaqueRowScalar(out + 4 * x, in + 3 * x, n - x);
}
#endif

void OpaqueRow(std::uint8_t* out, const std::uint8_t* in, int n) {
#ifdef ZT_PRESENT_AVX2
  if (__builtin_cpu_supports("avx2")) {
    OpaqueRowAvx2(out, in, n);
    return;
  }
#endif
  OpaqueRowScalar(out, in, n);
}

// Copies `r` of `src` to the same place in the 32-bit `dst`. With
// `keepAlpha` false every copied pixel becomes opaque.
void CopyRect(const gfx::Bitmap& src, gfx::Bitmap& dst, const gfx::Rect& r, bool keepAlpha) {
  const int w = r.Width();
  for (int y = r.Top; y < r.Bottom; ++y) {
    std::uint8_t* out = dst.Scanline(y) + r.Left * 4;
    const std::uint8_t* in = src.Scanline(y);
    switch (src.Format()) {
      case gfx::PixelFormat::Bgra32:
        std::memcpy(out, in + r.Left * 4, static_cast<std::size_t>(w) * 4);
        if (!keepAlpha)
          for (int x = 0; x < w; ++x) out[x * 4 + 3] = 255;
        break;
      case gfx::PixelFormat::Bgr24: OpaqueRow(out, in + r.Left * 3, w); break;
      default:
        for (int x = 0; x < w; ++x) {
          const gfx::Color c = src.PixelAt(r.Left + x, y);
          out[x * 4 + 0] = static_cast<std::uint8_t>(gfx::GetB(c));
          out[x * 4 + 1] = static_cast<std::uint8_t>(gfx::GetG(c));
          out[x * 4 + 2] = static_cast<std::uint8_t>(gfx::GetR(c));
          out[x * 4 + 3] = 255;
        }
        break;
    }
  }
}

}  // namespace

RetainedPixels::RetainedPixels(gfx::Size size) : pixels_(OpaqueBlack(SanitizeSize(size))) {}

void RetainedPixels::Resize(gfx::Size size) {
  size = SanitizeSize(size);
  if (size == pixels_.GetSize()) return;
  gfx::Bitmap next = OpaqueBlack(size);
  const gfx::Rect keep = gfx::Intersect(pixels_.Bounds(), next.Bounds());
  if (!keep.IsEmpty()) CopyRect(pixels_, next, keep, true);
  pixels_ = std::move(next);
}

gfx::Rect RetainedPixels::Present(const gfx::Bitmap& buffer, const gfx::Rect& rect) {
  const gfx::Rect r = gfx::Intersect(gfx::Intersect(rect, buffer.Bounds()), pixels_.Bounds());
  if (!r.IsEmpty()) CopyRect(buffer, pixels_, r, false);
  return r;
}

void RetainedPixels::Replace(const gfx::Bitmap& picture, gfx::Size size) {
  size = SanitizeSize(size);
  gfx::Bitmap next(size.Width, size.Height, gfx::PixelFormat::Bgra32);  // zeroed: transparent
  const gfx::Rect r = gfx::Intersect(picture.Bounds(), next.Bounds());
  if (!r.IsEmpty()) CopyRect(picture, next, r, picture.Format() == gfx::PixelFormat::Bgra32);
  pixels_ = std::move(next);
}

}  // namespace backend
