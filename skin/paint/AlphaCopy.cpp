#include "skin/paint/AlphaCopy.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>

#include "skin/paint/PixelAccess.h"
#include "skin/paint/Round.h"

namespace skin {
namespace {

constexpr std::uint32_t kHole = 0x00FF00FFu;

// Source channel values after the optional grey tint, indexed by the pixel's
// grey level (B, G, R order).
struct GrayTint {
  bool On = false;
  std::array<std::array<std::uint8_t, 256>, 3> Lut{};

  explicit GrayTint(gfx::Color grayColor) {
    if (grayColor == gfx::clNone) return;
    On = true;
    const gfx::Color rgb = gfx::ColorToRGB(grayColor);
    const int c[3] = {gfx::GetB(rgb), gfx::GetG(rgb), gfx::GetR(rgb)};
    for (int g = 0; g < 256; ++g)
      for (int i = 0; i < 3; ++i)
        Lut[static_cast<std::size_t>(i)][static_cast<std::size_t>(g)] =
            static_cast<std::uint8_t>(std::min(255, Rnd(g * c[i] / 255.0)));
  }
};

// d := (d * 256 + (s - d) * a) >> 8 for the three colour bytes; the shift
// floors negative sums.
inline void Mix(std::uint8_t* d, const std::uint8_t* s, int a) {
  for (int c = 0; c < 3; ++c) d[c] = static_cast<std::uint8_t>((d[c] * 256 + (s[c] - d[c]) * a) >> 8);
}

// Mixes one source pixel into d with weight a, applying the grey tint.
inline void MixPixel(std::uint8_t* d, const std::uint8_t* s, int a, const GrayTint& tint) {
  if (!tint.On) {
    Mix(d, s, a);
    return;
  }
  const int g = (s[0] + s[1] + s[2]) / 3;
  const std::uint8_t t[3] = {tint.Lut[0][static_cast<std::size_t>(g)],
                             tint.Lut[1][static_cast<std::size_t>(g)],
                             tint.Lut[2][static_cast<std::size_t>(g)]};
  Mix(d, t, a);
}

inline std::uint32_t Value(const std::uint8_t* s) { return Pixel32Value(s); }

}  // namespace

void AlphaCopy(const gfx::Rect& dstRect, const gfx::Rect& srcRect, gfx::Bitmap& dst, bool reflected,
               int blend, gfx::Color grayColor, bool backdropForKeys, const BackdropRef& backdrop,
               const gfx::Bitmap& src) {
  if (!Is24(dst) || src.Empty()) return;
  std::optional<gfx::Bitmap> converted;
  if (!Is32(src)) converted = src.ConvertTo(gfx::PixelFormat::Bgra32);
  const gfx::Bitmap& s32 = converted ? *converted : src;

  const int keepPercent = 100 - std::clamp(blend, 0, 100);
  const GrayTint tint(grayColor);

  // Copied area: dx, dy in dst; sx, sy in src; w x h.
  int dx = dstRect.Left, dy = dstRect.Top, sx = srcRect.Left, sy = srcRect.Top;
  int w = std::min(dstRect.Width(), srcRect.Width());
  int h = std::min(dstRect.Height(), srcRect.Height());
  if (dx < 0) {
    sx -= dx;
    w += dx;
    dx = 0;
  }
  if (dy < 0) {
    sy -= dy;
    h += dy;
    dy = 0;
  }
  if (sx < 0) {
    dx -= sx;
    w += sx;
    sx = 0;
  }
  if (sy < 0) {
    dy -= sy;
    h += sy;
    sy = 0;
  }
  w = std::min({w, dst.Width() - dx, s32.Width() - sx});
  h = std::min({h, dst.Height() - dy, s32.Height() - sy});

  if (w > 0 && h > 0) {
    std::array<int, 256> weight;
    for (int a = 0; a < 256; ++a) weight[static_cast<std::size_t>(a)] = keepPercent * a / 100;
    const bool fillHoles = backdropForKeys && backdrop.HasImage();
    const int bbpp = fillHoles ? ColorBytes(*backdrop.Bitmap) : 0;

    for (int row = 0; row < h; ++row) {
      const std::uint8_t* s = s32.Scanline(sy + row) + static_cast<std::ptrdiff_t>(sx) * 4;
      std::uint8_t* d = dst.Scanline(dy + row) + static_cast<std::ptrdiff_t>(dx) * 3;
      for (int col = 0; col < w; ++col, s += 4, d += 3) {
        if (Value(s) == kHole) {
          if (bbpp == 0) continue;
          const int bx = backdrop.X + dx + col;
          const int by = backdrop.Y + dy + row;
          const gfx::Bitmap& b = *backdrop.Bitmap;
          if (bx < 0 || by < 0 || bx >= b.Width() || by >= b.Height()) continue;
          const std::uint8_t* bp = b.Scanline(by) + static_cast<std::ptrdiff_t>(bx) * bbpp;
          d[0] = bp[0];
          d[1] = bp[1];
          d[2] = bp[2];
          continue;
        }
        MixPixel(d, s, weight[s[3]], tint);
      }
    }
  }

  if (!reflected) return;
  const int half = s32.Height() / 2;
  const int n = std::min(half, dst.Height() - dstRect.Bottom - 1);
  if (n <= 0 || w <= 0) return;
  const int drop = 255 / half;
  int fade = 255;
  for (int k = 1; k <= n; ++k, fade -= drop) {
    const int drow = dstRect.Bottom + k;
    const int srow = srcRect.Bottom - k - 1;
    if (drow < 0 || srow < 0 || srow >= s32.Height()) continue;
    const std::uint8_t* s = s32.Scanline(srow) + static_cast<std::ptrdiff_t>(sx) * 4;
    std::uint8_t* d = dst.Scanline(drow) + static_cast<std::ptrdiff_t>(dx) * 3;
    for (int col = 0; col < w; ++col, s += 4, d += 3) {
      if (Value(s) == kHole) continue;
      const int a = s[3];
      const int wt =
          blend > 0 ? std::max(0, (keepPercent * a / 300) * fade / 255) : std::max(0, fade * (a / 3) / 255);
      MixPixel(d, s, wt, tint);
    }
  }
}

}  // namespace skin
