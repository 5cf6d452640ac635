#include "skin/paint/Fill.h"

#include <cstring>

#include "skin/paint/PixelAccess.h"

namespace skin {

void FillColorRect(gfx::Bitmap& bitmap, const gfx::Rect& rect, gfx::Color color) {
  const int bpp = ColorBytes(bitmap);
  if (bpp == 0) return;
  const gfx::Rect r = gfx::Intersect(rect, bitmap.Bounds());
  if (r.IsEmpty()) return;

  std::uint8_t pixel[4];
  PutRgb(pixel, gfx::ColorToRGB(color));
  pixel[3] = 255;

  // Build the first row pixel by pixel, then copy it to the others.
  const std::size_t rowBytes = static_cast<std::size_t>(r.Width()) * static_cast<std::size_t>(bpp);
  std::uint8_t* first = bitmap.Scanline(r.Top) + static_cast<std::ptrdiff_t>(r.Left) * bpp;
  for (std::size_t i = 0; i < rowBytes; i += static_cast<std::size_t>(bpp))
    std::memcpy(first + i, pixel, static_cast<std::size_t>(bpp));
  for (int y = r.Top + 1; y < r.Bottom; ++y)
    std::memcpy(bitmap.Scanline(y) + static_cast<std::ptrdiff_t>(r.Left) * bpp, first, rowBytes);
}

void SetAlphaRect(gfx::Bitmap& bitmap, const gfx::Rect& rect, std::uint8_t alpha) {
  if (!Is32(bitmap)) return;
  const gfx::Rect r = gfx::Intersect(rect, bitmap.Bounds());
  for (int y = r.Top; y < r.Bottom; ++y) {
    std::uint8_t* p = bitmap.Scanline(y) + static_cast<std::ptrdiff_t>(r.Left) * 4;
    for (int x = r.Left; x < r.Right; ++x, p += 4) p[3] = alpha;
  }
}

}  // namespace skin
