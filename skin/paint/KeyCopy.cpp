#include "skin/paint/KeyCopy.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "skin/paint/PixelAccess.h"

namespace skin {

void CopyExceptKey(gfx::Bitmap& dst, const gfx::Bitmap& src, int x, int y, gfx::Color key) {
  const int dbpp = ColorBytes(dst);
  if (dbpp == 0 || !Is24(src)) return;
  const int col0 = std::max(0, -x);
  const int col1 = std::min(src.Width(), dst.Width() - x);
  const int row0 = std::max(0, -y);
  const int row1 = std::min(src.Height(), dst.Height() - y);
  if (col1 <= col0 || row1 <= row0) return;

  const bool useKey = HasKey(key);
  for (int row = row0; row < row1; ++row) {
    const std::uint8_t* s = src.Scanline(row) + static_cast<std::ptrdiff_t>(col0) * 3;
    std::uint8_t* d = dst.Scanline(y + row) + static_cast<std::ptrdiff_t>(x + col0) * dbpp;
    for (int col = col0; col < col1; ++col, s += 3, d += dbpp) {
      if (useKey && SameRgb(s, key)) continue;
      d[0] = s[0];
      d[1] = s[1];
      d[2] = s[2];
      if (dbpp == 4) d[3] = 255;
    }
  }
}

void CopyWhereKeyIn(gfx::Bitmap& dst, const gfx::Bitmap& src, const gfx::Rect& rect, gfx::Point point,
                    const gfx::Bitmap& test, gfx::Point testOrigin) {
  const int tbpp = ColorBytes(test);
  if (!Is32(dst) || !Is32(src) || tbpp == 0) return;
  const int w = std::min(rect.Width(), src.Width() - point.X);
  const int h = std::min(rect.Height(), src.Height() - point.Y);

  // Offsets (col, row) that stay inside the destination, the source and the
  // test image.
  const int col0 = std::max({0, -rect.Left, -point.X, -testOrigin.X});
  const int col1 = std::min({w, dst.Width() - rect.Left, test.Width() - testOrigin.X});
  const int row0 = std::max({0, -rect.Top, -point.Y, -testOrigin.Y});
  const int row1 = std::min({h, dst.Height() - rect.Top, test.Height() - testOrigin.Y});
  if (col1 <= col0 || row1 <= row0) return;

  for (int row = row0; row < row1; ++row) {
    const std::uint8_t* s = src.Scanline(point.Y + row) + static_cast<std::ptrdiff_t>(point.X + col0) * 4;
    std::uint8_t* d = dst.Scanline(rect.Top + row) + static_cast<std::ptrdiff_t>(rect.Left + col0) * 4;
    const std::uint8_t* t =
        test.Scanline(testOrigin.Y + row) + static_cast<std::ptrdiff_t>(testOrigin.X + col0) * tbpp;
    for (int col = col0; col < col1; ++col, s += 4, d += 4, t += tbpp) {
      if (SameRgb(t, gfx::clFuchsia)) std::memcpy(d, s, 4);
    }
  }
}

void CopyWhereKey(gfx::Bitmap& dst, const gfx::Bitmap& src, const gfx::Rect& rect, gfx::Point point) {
  CopyWhereKeyIn(dst, src, rect, point, dst, rect.TopLeft());
}

}  // namespace skin
