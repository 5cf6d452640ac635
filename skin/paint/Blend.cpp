#include "skin/paint/Blend.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "skin/paint/PixelAccess.h"

namespace skin {
namespace {

// One row of bytes. Every intermediate fits in 16 bits (255 * 255 + 127), so
// the compiler can vectorise the loop with 16-bit lanes; on x86-64 an AVX2
// copy is chosen at load time where the processor has it.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
__attribute__((target_clones("arch=x86-64-v4", "avx2", "default")))
#endif
void BlendRow(std::uint8_t* d, const std::uint8_t* s, std::size_t n, std::uint16_t a, std::uint16_t b) {
  for (std::size_t i = 0; i < n; ++i) {
    const std::uint16_t v = static_cast<std::uint16_t>(d[i] * a + s[i] * b + 127);
    d[i] = static_cast<std::uint8_t>(v >> 8);
  }
}

// The same sum with the result in a third row.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
__attribute__((target_clones("arch=x86-64-v4", "avx2", "default")))
#endif
void BlendRowInto(std::uint8_t* __restrict d, const std::uint8_t* __restrict x, const std::uint8_t* __restrict y,
                  std::size_t n, std::uint16_t a, std::uint16_t b) {
  for (std::size_t i = 0; i < n; ++i) {
    const std::uint16_t v = static_cast<std::uint16_t>(x[i] * a + y[i] * b + 127);
    d[i] = static_cast<std::uint8_t>(v >> 8);
  }
}

}  // namespace

void BlendBitmaps(gfx::Bitmap& dst, const gfx::Bitmap& src, int a, gfx::Point dstPoint, gfx::Rect srcRect) {
  const int bpp = ColorBytes(dst);
  if (bpp == 0 || dst.Format() != src.Format()) return;

  int px = dstPoint.X;
  int py = dstPoint.Y;
  gfx::Rect s = srcRect;
  if (px < 0) {
    s.Left -= px;
    px = 0;
  }
  if (py < 0) {
    s.Top -= py;
    py = 0;
  }
  if (s.Left < 0) {
    px -= s.Left;
    s.Left = 0;
  }
  if (s.Top < 0) {
    py -= s.Top;
    s.Top = 0;
  }
  if (s.IsEmpty()) return;
  if (px >= dst.Width() || py >= dst.Height()) return;
  if (s.Left >= src.Width() || s.Top >= src.Height()) return;
  s.Right = std::min({s.Right, src.Width(), s.Left + (dst.Width() - px)});
  s.Bottom = std::min({s.Bottom, src.Height(), s.Top + (dst.Height() - py)});
  if (s.IsEmpty()) return;

  const auto ka = static_cast<std::uint16_t>(std::clamp(a, 0, 255));
  const auto kb = static_cast<std::uint16_t>(255 - ka);
  const std::size_t n = static_cast<std::size_t>(s.Width()) * static_cast<std::size_t>(bpp);
  // Whole rows of two bitmaps laid out alike lie back to back: blend them as
  // one run (the row padding in between is blended too; no pixel lives there).
  if (px == 0 && s.Left == 0 && s.Width() == dst.Width() && s.Width() == src.Width() &&
      dst.Stride() == src.Stride()) {
    const int low = dst.Stride() > 0 ? 0 : s.Height() - 1;
    const std::size_t total =
        static_cast<std::size_t>(std::abs(dst.Stride())) * static_cast<std::size_t>(s.Height() - 1) + n;
    BlendRow(dst.Scanline(py + low), src.Scanline(s.Top + low), total, ka, kb);
    return;
  }
  for (int row = 0; row < s.Height(); ++row) {
    std::uint8_t* d = dst.Scanline(py + row) + static_cast<std::ptrdiff_t>(px) * bpp;
    const std::uint8_t* sp = src.Scanline(s.Top + row) + static_cast<std::ptrdiff_t>(s.Left) * bpp;
    BlendRow(d, sp, n, ka, kb);
  }
}

void FadeBitmaps(gfx::Bitmap& dst, const gfx::Bitmap& src, int a) {
  if (!Is24(dst) || !Is24(src) || dst.GetSize() != src.GetSize()) return;
  BlendBitmaps(dst, src, a, {0, 0}, src.Bounds());
}

bool FadeBitmapsInto(gfx::Bitmap& dst, const gfx::Bitmap& from, const gfx::Bitmap& to, int a) {
  if (!Is24(dst) || !Is24(from) || !Is24(to)) return false;
  if (dst.GetSize() != from.GetSize() || to.GetSize() != from.GetSize()) return false;
  if (dst.Empty()) return true;
  if (&dst == &from) {
    FadeBitmaps(dst, to, a);
    return true;
  }
  if (&dst == &to) {
    // to := from * a + to * (255 - a): the same sum with the roles swapped.
    FadeBitmaps(dst, from, 255 - std::clamp(a, 0, 255));
    return true;
  }
  const auto ka = static_cast<std::uint16_t>(std::clamp(a, 0, 255));
  const auto kb = static_cast<std::uint16_t>(255 - ka);
  const std::size_t n = dst.RowBytes();
  // Three bitmaps laid out alike: their rows, padding included, are one run.
  if (dst.Stride() == from.Stride() && dst.Stride() == to.Stride()) {
    const int low = dst.Stride() > 0 ? 0 : dst.Height() - 1;
    const std::size_t total =
        static_cast<std::size_t>(std::abs(dst.Stride())) * static_cast<std::size_t>(dst.Height() - 1) + n;
    BlendRowInto(dst.Scanline(low), from.Scanline(low), to.Scanline(low), total, ka, kb);
    return true;
  }
  for (int row = 0; row < dst.Height(); ++row)
    BlendRowInto(dst.Scanline(row), from.Scanline(row), to.Scanline(row), n, ka, kb);
  return true;
}

}  // namespace skin
