#include "skin/render/BackdropBlend.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

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

// True when every pixel of rect has its backdrop pixel in an image of the
// bitmap's own format that is not the bitmap itself.
bool BackdropCovers(const gfx::Bitmap& bitmap, const gfx::Rect& rect, const BackdropRef& behind) {
  if (!behind.HasImage() || behind.Bitmap == &bitmap || behind.Bitmap->Format() != bitmap.Format()) return false;
  const std::int64_t x = behind.X, y = behind.Y;
  return x >= 0 && y >= 0 && x + rect.Width() <= behind.Bitmap->Width() &&
         y + rect.Height() <= behind.Bitmap->Height();
}

}  // namespace

void BlendOverBackdrop(gfx::Bitmap& bitmap, const gfx::Rect& rect, const BackdropRef& behind,
                       const gfx::Bitmap& content, int a) {
  const int bpp = ColorBytes(bitmap);
  const bool inside = gfx::Intersect(rect, bitmap.Bounds()) == rect && !rect.IsEmpty();
  if (bpp == 0 || !inside || content.Format() != bitmap.Format() || content.GetSize() != rect.GetSize() ||
      !BackdropCovers(bitmap, rect, behind)) {
    // The general case: backdrop (or its colour) first, then the blend.
    if (behind.Ready)
      CopyBackdropBlock(bitmap, rect, behind);
    else
      FillColorRect(bitmap, rect, behind.FillColor);
    BlendBitmaps(bitmap, content, a, rect.TopLeft(), content.Bounds());
    return;
  }
  const auto ka = static_cast<std::uint16_t>(std::clamp(a, 0, 255));
  const auto kb = static_cast<std::uint16_t>(255 - ka);
  const std::size_t n = static_cast<std::size_t>(rect.Width()) * static_cast<std::size_t>(bpp);
  for (int row = 0; row < rect.Height(); ++row) {
    std::uint8_t* d = bitmap.Scanline(rect.Top + row) + static_cast<std::ptrdiff_t>(rect.Left) * bpp;
    const std::uint8_t* back = behind.Bitmap->Scanline(behind.Y + row) + static_cast<std::ptrdiff_t>(behind.X) * bpp;
    BlendRowOver(d, back, content.Scanline(row), n, ka, kb);
  }
}

}  // namespace skin
