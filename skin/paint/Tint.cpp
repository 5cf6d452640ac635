#include "skin/paint/Tint.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "skin/paint/PixelAccess.h"
#include "skin/paint/Round.h"

namespace skin {
namespace {

int Mix(double p, int a, int b) { return ClampByte(Rnd(p * a + (1.0 - p) * b)); }

}  // namespace

gfx::Color LerpColor(gfx::Color c1, gfx::Color c2, double p) {
  const int r = Mix(p, gfx::GetR(c1), gfx::GetR(c2));
  const int g = Mix(p, gfx::GetG(c1), gfx::GetG(c2));
  const int b = Mix(p, gfx::GetB(c1), gfx::GetB(c2));
  return gfx::RGB(r, g, b) | (c1 & 0xFF000000u);
}

void TintRect(gfx::Bitmap& bitmap, const gfx::Rect& rect, int percent, gfx::Color color) {
  const int bpp = ColorBytes(bitmap);
  if (bpp == 0) return;
  const int left = std::max(rect.Left, 0);
  const int top = std::max(rect.Top, 0);
  const int right = std::min(rect.Right, bitmap.Width() - 1);
  const int bottom = std::min(rect.Bottom, bitmap.Height() - 1);
  if (right < left || bottom < top) return;

  // The result of a channel depends only on its old value: one table per
  // byte position of a pixel (B, G, R; alpha maps to itself).
  const gfx::Color rgb = gfx::ColorToRGB(color);
  const double f = percent / 100.0;
  const int target[3] = {gfx::GetB(rgb), gfx::GetG(rgb), gfx::GetR(rgb)};
  std::array<std::array<std::uint8_t, 256>, 4> lut;
  for (int v = 0; v < 256; ++v) {
    for (int c = 0; c < 3; ++c)
      lut[static_cast<std::size_t>(c)][static_cast<std::size_t>(v)] =
          static_cast<std::uint8_t>(Mix(f, v, target[c]));
    lut[3][static_cast<std::size_t>(v)] = static_cast<std::uint8_t>(v);
  }

  const int n = (right - left + 1) * bpp;
  for (int y = top; y <= bottom; ++y) {
    std::uint8_t* p = bitmap.Scanline(y) + static_cast<std::ptrdiff_t>(left) * bpp;
    for (int i = 0; i < n; i += bpp) {
      for (int c = 0; c < bpp; ++c) p[i + c] = lut[static_cast<std::size_t>(c)][p[i + c]];
    }
  }
}

}  // namespace skin
