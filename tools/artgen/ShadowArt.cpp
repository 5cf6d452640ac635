#include "tools/artgen/ShadowArt.h"

#include <algorithm>
#include <cmath>

namespace artgen {

gfx::Bitmap DrawShadow(int index) {
  // The window's box inside the picture; the light comes from above, so the
  // shadow is narrower at the top.
  constexpr double left = 11, top = 7, right = kShadowSize - 11, bottom = kShadowSize - 11;
  constexpr double radius = 11;
  const double strength = index == 0 ? 0.42 : 0.26;
  gfx::Bitmap b = gfx::NewBitmap32(kShadowSize, kShadowSize);
  for (int y = 0; y < kShadowSize; ++y) {
    std::uint8_t* row = b.Scanline(y);
    for (int x = 0; x < kShadowSize; ++x) {
      const double px = x + 0.5, py = y + 0.5;
      // Distance from the window's box, with the box moved down two pixels
      // so the shadow falls below the window.
      const double dx = std::max({left - px, 0.0, px - right});
      const double dy = std::max({top + 2 - py, 0.0, py - (bottom + 2)});
      const double d = std::hypot(dx, dy);
      const bool inside = px >= left && px <= right && py >= top && py <= bottom;
      double a =
          inside ? 0.0 : strength * std::exp(-3.0 * d / radius) * std::clamp(1.0 - d / radius, 0.0, 1.0);
      const auto alpha = static_cast<std::uint8_t>(std::lround(std::clamp(a, 0.0, 1.0) * 255));
      std::uint8_t* p = row + 4 * x;
      p[0] = p[1] = p[2] = 0;
      p[3] = alpha;
    }
  }
  return b;
}

}  // namespace artgen
