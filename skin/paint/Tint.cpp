#include "skin/paint/Tint.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

#include "skin/paint/PixelAccess.h"
#include "skin/paint/Round.h"

namespace skin {
namespace {

// The weights of a mix in ten-thousandths: every factor the engine passes is
// a percentage (T / 100), and a percentage taken through a double (1 - 0.7 is
// 0.30000000000000004) would round 76.5 up instead of to even.
constexpr long long kWeightScale = 10000;

long long WeightOf(double p) {
  if (std::isnan(p)) return 0;
  return std::llround(std::clamp(p, -1e6, 1e6) * kWeightScale);
}

// rnd((w * a + (scale - w) * b) / scale), clamped to a byte.
int Mix(long long w, long long scale, int a, int b) {
  return ClampByte(static_cast<int>(std::clamp<long long>(RndDiv(w * a + (scale - w) * b, scale), -1, 256)));
}

}  // namespace

gfx::Color LerpColor(gfx::Color c1, gfx::Color c2, double p) {
  const long long w = WeightOf(p);
  const int r = Mix(w, kWeightScale, gfx::GetR(c1), gfx::GetR(c2));
  const int g = Mix(w, kWeightScale, gfx::GetG(c1), gfx::GetG(c2));
  const int b = Mix(w, kWeightScale, gfx::GetB(c1), gfx::GetB(c2));
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
  const int target[3] = {gfx::GetB(rgb), gfx::GetG(rgb), gfx::GetR(rgb)};
  std::array<std::array<std::uint8_t, 256>, 4> lut;
  for (int v = 0; v < 256; ++v) {
    for (int c = 0; c < 3; ++c)
      lut[static_cast<std::size_t>(c)][static_cast<std::size_t>(v)] =
          static_cast<std::uint8_t>(Mix(percent, 100, v, target[c]));
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
