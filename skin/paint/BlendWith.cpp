#include "skin/paint/BlendWith.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "skin/paint/PixelAccess.h"
#include "skin/paint/Round.h"

namespace skin {

void BlendWithBitmap(gfx::Bitmap& dst, int x, int y, gfx::Color key, double keep, const gfx::Rect& srcRect,
                     const gfx::Bitmap& src) {
  const bool src24 = Is24(src);
  if (!(src24 && ColorBytes(dst) != 0) && !(Is32(src) && Is24(dst))) return;
  const int dbpp = ColorBytes(dst);
  const int sbpp = ColorBytes(src);

  int left = srcRect.Left;
  int top = srcRect.Top;
  if (left < 0) {
    x -= left;
    left = 0;
  }
  if (top < 0) {
    y -= top;
    top = 0;
  }
  const int right = std::min(srcRect.Right, src.Width() - 1);
  const int bottom = std::min(srcRect.Bottom, src.Height() - 1);

  // Columns and rows of the source rectangle whose destination is inside dst.
  const int col0 = std::max(0, -x);
  const int col1 = std::min(right - left + 1, dst.Width() - x);
  const int row0 = std::max(0, -y);
  const int row1 = std::min(bottom - top + 1, dst.Height() - y);
  if (col1 <= col0 || row1 <= row0) return;

  const bool useKey = HasKey(key);
  for (int row = row0; row < row1; ++row) {
    const std::uint8_t* s = src.Scanline(top + row) + static_cast<std::ptrdiff_t>(left + col0) * sbpp;
    std::uint8_t* d = dst.Scanline(y + row) + static_cast<std::ptrdiff_t>(x + col0) * dbpp;
    for (int col = col0; col < col1; ++col, s += sbpp, d += dbpp) {
      if (useKey && (src24 ? SameRgb(s, key) : Pixel32Value(s) == key)) continue;
      for (int c = 0; c < 3; ++c)
        d[c] = static_cast<std::uint8_t>(ClampByte(Rnd(s[c] - keep * (s[c] - d[c]))));
    }
  }
}

void BlendWithColor(gfx::Bitmap& bitmap, gfx::Color color, gfx::Color key, double keep) {
  const int bpp = ColorBytes(bitmap);
  if (bpp == 0) return;
  const gfx::Color rgb = gfx::ColorToRGB(color);
  const int target[3] = {gfx::GetB(rgb), gfx::GetG(rgb), gfx::GetR(rgb)};
  // A channel's result depends only on its old value.
  std::array<std::array<std::uint8_t, 256>, 3> lut;
  for (int v = 0; v < 256; ++v)
    for (int c = 0; c < 3; ++c)
      lut[static_cast<std::size_t>(c)][static_cast<std::size_t>(v)] =
          static_cast<std::uint8_t>(ClampByte(Rnd(keep * (v - target[c]) + target[c])));

  const bool useKey = HasKey(key);
  for (int yy = 0; yy < bitmap.Height(); ++yy) {
    std::uint8_t* p = bitmap.Scanline(yy);
    for (int xx = 0; xx < bitmap.Width(); ++xx, p += bpp) {
      if (useKey && SameRgb(p, key)) continue;
      for (int c = 0; c < 3; ++c) p[c] = lut[static_cast<std::size_t>(c)][p[c]];
    }
  }
}

}  // namespace skin
