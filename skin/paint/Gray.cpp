#include "skin/paint/Gray.h"

#include <cstdint>

#include "skin/paint/PixelAccess.h"

namespace skin {
namespace {

void GrayRows(gfx::Bitmap& bitmap, int bpp, bool useKey, gfx::Color key) {
  for (int y = 0; y < bitmap.Height(); ++y) {
    std::uint8_t* p = bitmap.Scanline(y);
    for (int x = 0; x < bitmap.Width(); ++x, p += bpp) {
      if (useKey && SameRgb(p, key)) continue;
      const auto g = static_cast<std::uint8_t>((p[0] + p[1] + p[2]) / 3);
      p[0] = p[1] = p[2] = g;
    }
  }
}

}  // namespace

void MakeGray(gfx::Bitmap& bitmap) {
  const int bpp = ColorBytes(bitmap);
  if (bpp != 0) GrayRows(bitmap, bpp, false, 0);
}

void MakeGrayExceptKey(gfx::Bitmap& bitmap, gfx::Color key) {
  if (Is24(bitmap)) GrayRows(bitmap, 3, HasKey(key), key);
}

}  // namespace skin
