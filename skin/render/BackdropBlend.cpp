#include "skin/render/BackdropBlend.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "skin/paint/Blend.h"
#include "skin/paint/Fill.h"
#include "skin/paint/PixelAccess.h"
#include "skin/render/BackdropCopy.h"

namespace skin {
namespace {

// One row; every intermediate fits in 16 bits, so the loop vectorises.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
__attribute__((target_clones("arch=x86-64-v4", "avx2", "default")))
#endif
void BlendRowOver(std::uint8_t* d, const std::uint8_t* back, const std::uint8_t* s, std::size_t n, std::uint16_t a,
                  std::uint16_t b) {
  for (std::size_t i = 0; i < n; ++i) {
    const auto v = static_cast<std::uint16_t>(back[i] * a + s[i] * b + 127);
    d[i] = static_cast<std::uint8_t>(v >> 8);
  }
}

// One row over the single colour at `colour` (Bpp bytes): the colour's share
// of every byte (c * b + 127) is worked out once for a pattern of 16 pixels,
// whose length is fixed at compile time so that both loops vectorise.
template <std::size_t Bpp>
inline __attribute__((always_inline)) void BlendRowOverColour(std::uint8_t* d, const std::uint8_t* back,
                                                              const std::uint8_t* colour, std::size_t n,
                                                              std::uint16_t a, std::uint16_t b) {
  constexpr std::size_t kPeriod = 16 * Bpp;
  std::uint16_t one[Bpp];
  for (std::size_t k = 0; k < Bpp; ++k) one[k] = static_cast<std::uint16_t>(colour[k] * b + 127);
  std::uint16_t share[kPeriod];
  for (std::size_t p = 0; p < kPeriod; p += Bpp)
    for (std::size_t k = 0; k < Bpp; ++k) share[p + k] = one[k];
  std::size_t i = 0;
  for (; i + kPeriod <= n; i += kPeriod)
    for (std::size_t j = 0; j < kPeriod; ++j)
      d[i + j] = static_cast<std::uint8_t>(static_cast<std::uint16_t>(back[i + j] * a + share[j]) >> 8);
  for (std::size_t j = 0; i + j < n; ++j)
    d[i + j] = static_cast<std::uint8_t>(static_cast<std::uint16_t>(back[i + j] * a + share[j]) >> 8);
}

// The two formats, each compiled for the wider vector units where the
// processor has them (chosen at load time).
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
__attribute__((target_clones("arch=x86-64-v4", "avx2", "default")))
#endif
void BlendRowOverColour24(std::uint8_t* d, const std::uint8_t* back, const std::uint8_t* colour, std::size_t n,
                          std::uint16_t a, std::uint16_t b) {
  BlendRowOverColour<3>(d, back, colour, n, a, b);
}

#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
__attribute__((target_clones("arch=x86-64-v4", "avx2", "default")))
#endif
void BlendRowOverColour32(std::uint8_t* d, const std::uint8_t* back, const std::uint8_t* colour, std::size_t n,
                          std::uint16_t a, std::uint16_t b) {
  BlendRowOverColour<4>(d, back, colour, n, a, b);
}

// True when every pixel of rect has its backdrop pixel in an image of the
// bitmap's own format that is not the bitmap itself.
bool BackdropCovers(const gfx::Bitmap& bitmap, const gfx::Rect& rect, const BackdropRef& behind) {
  if (!behind.HasImage() || behind.Bitmap == &bitmap || behind.Bitmap->Format() != bitmap.Format())
    return false;
  const std::int64_t x = behind.X, y = behind.Y;
  return x >= 0 && y >= 0 && x + rect.Width() <= behind.Bitmap->Width() &&
         y + rect.Height() <= behind.Bitmap->Height();
}

// Repeats the pixel at the start of `row` over n bytes of it.
void RepeatPixel(std::uint8_t* row, std::size_t n, std::size_t bpp) {
  for (std::size_t done = bpp; done < n;) {
    const std::size_t k = std::min(done, n - done);
    std::memcpy(row + done, row, k);
    done += k;
  }
}

// A column of row colours widened to w columns.
gfx::Bitmap Widen(const gfx::Bitmap& column, int w) {
  gfx::Bitmap wide(w, column.Height(), column.Format());
  const std::size_t bpp = static_cast<std::size_t>(ColorBytes(column));
  for (int y = 0; y < column.Height(); ++y) {
    std::memcpy(wide.Scanline(y), column.Scanline(y), bpp);
    RepeatPixel(wide.Scanline(y), wide.RowBytes(), bpp);
  }
  return wide;
}

}  // namespace

void BlendOverBackdrop(gfx::Bitmap& bitmap, const gfx::Rect& rect, const BackdropRef& behind,
                       const gfx::Bitmap& content, int a) {
  const int bpp = ColorBytes(bitmap);
  const bool inside = gfx::Intersect(rect, bitmap.Bounds()) == rect && !rect.IsEmpty();
  if (bpp == 0 || !inside || content.Format() != bitmap.Format() || content.Height() != rect.Height()) return;
  const bool column = content.Width() == 1 && rect.Width() != 1;
  if (!column && content.Width() != rect.Width()) return;
  if (!BackdropCovers(bitmap, rect, behind)) {
    // The general case: backdrop (or its colour) first, then the blend.
    if (behind.Ready)
      CopyBackdropBlock(bitmap, rect, behind);
    else
      FillColorRect(bitmap, rect, behind.FillColor);
    if (column)
      BlendBitmaps(bitmap, Widen(content, rect.Width()), a, rect.TopLeft(),
                   {0, 0, rect.Width(), rect.Height()});
    else
      BlendBitmaps(bitmap, content, a, rect.TopLeft(), content.Bounds());
    return;
  }
  const auto ka = static_cast<std::uint16_t>(std::clamp(a, 0, 255));
  const auto kb = static_cast<std::uint16_t>(255 - ka);
  const std::size_t n = static_cast<std::size_t>(rect.Width()) * static_cast<std::size_t>(bpp);
  for (int row = 0; row < rect.Height(); ++row) {
    std::uint8_t* d = bitmap.Scanline(rect.Top + row) + static_cast<std::ptrdiff_t>(rect.Left) * bpp;
    const std::uint8_t* back =
        behind.Bitmap->Scanline(behind.Y + row) + static_cast<std::ptrdiff_t>(behind.X) * bpp;
    const std::uint8_t* src = content.Scanline(row);
    if (!column) {
      BlendRowOver(d, back, src, n, ka, kb);
      continue;
    }
    if (bpp == 3)
      BlendRowOverColour24(d, back, src, n, ka, kb);
    else
      BlendRowOverColour32(d, back, src, n, ka, kb);
  }
}

}  // namespace skin
