#include "skin/paint/AlphaCopy.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "skin/paint/AlphaRow.h"
#include "skin/paint/PixelAccess.h"
#include "skin/paint/Round.h"

namespace skin {
namespace {

constexpr std::uint32_t kHole = 0x00FF00FFu;

inline bool IsHole(const std::uint8_t* s) { return Pixel32Value(s) == kHole; }

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

// d := (d * 256 + (s - d) * w) >> 8, computed as (d * (256 - w) + s * w) >> 8,
// which is the same value with no negative intermediate and fits in 16 bits
// (at most 255 * 256), so the loop vectorises with 16-bit lanes. A weight of 0
// leaves d as it is.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
__attribute__((target_clones("arch=x86-64-v4", "avx2", "default")))
#endif
void MixBytes(std::uint8_t* d, const std::uint8_t* s, const std::uint8_t* w, std::size_t n) {
  for (std::size_t i = 0; i < n; ++i) {
    const std::uint16_t v = static_cast<std::uint16_t>(d[i] * (256 - w[i]) + s[i] * w[i]);
    d[i] = static_cast<std::uint8_t>(v >> 8);
  }
}

// Draws one row with a weight function and the optional tint: first the source colours (tinted if asked) and
// the weights are laid out byte for byte like the destination row, then every byte is mixed in one pass.
// Holes get weight 0.
class RowMixer {
 public:
  RowMixer(int width, const GrayTint& tint)
      : tint_(tint),
        src_(static_cast<std::size_t>(width) * 3),
        weight_(static_cast<std::size_t>(width) * 3) {}

  template <typename WeightOf>
  void Draw(std::uint8_t* d, const std::uint8_t* s, int count, WeightOf weightOf) {
    std::uint8_t* t = src_.data();
    std::uint8_t* w = weight_.data();
    for (int col = 0; col < count; ++col, s += 4, t += 3, w += 3) {
      const std::uint8_t wt = IsHole(s) ? 0 : static_cast<std::uint8_t>(weightOf(s[3]));
      w[0] = w[1] = w[2] = wt;
      if (tint_.On) {
        const auto g = static_cast<std::size_t>((s[0] + s[1] + s[2]) / 3);
        t[0] = tint_.Lut[0][g];
        t[1] = tint_.Lut[1][g];
        t[2] = tint_.Lut[2][g];
      } else {
        t[0] = s[0];
        t[1] = s[1];
        t[2] = s[2];
      }
    }
    MixBytes(d, src_.data(), weight_.data(), static_cast<std::size_t>(count) * 3);
  }

 private:
  const GrayTint& tint_;
  std::vector<std::uint8_t> src_;
  std::vector<std::uint8_t> weight_;
};

// Replaces the destination pixels of holes in one row by the backdrop's.
void FillHolesFromBackdrop(std::uint8_t* d, const std::uint8_t* s, int count, int dx, int dy,
                           const BackdropRef& backdrop) {
  const gfx::Bitmap& b = *backdrop.Bitmap;
  const int bbpp = ColorBytes(b);
  const int by = backdrop.Y + dy;
  if (bbpp == 0 || by < 0 || by >= b.Height()) return;
  const std::uint8_t* brow = b.Scanline(by);
  for (int col = 0; col < count; ++col, s += 4, d += 3) {
    if (!IsHole(s)) continue;
    const int bx = backdrop.X + dx + col;
    if (bx < 0 || bx >= b.Width()) continue;
    const std::uint8_t* bp = brow + static_cast<std::ptrdiff_t>(bx) * bbpp;
    d[0] = bp[0];
    d[1] = bp[1];
    d[2] = bp[2];
  }
}

}  // namespace

void AlphaCopy(const gfx::Rect& dstRect, const gfx::Rect& srcRect, gfx::Bitmap& dst, bool reflected,
               int blend, gfx::Color grayColor, bool backdropForKeys, const BackdropRef& backdrop,
               const gfx::Bitmap& src) {
  if (!Is24(dst) || src.Empty()) return;
  std::optional<gfx::Bitmap> converted;
  if (!Is32(src)) converted = src.ConvertTo(gfx::PixelFormat::Bgra32);
  const gfx::Bitmap& s32 = converted ? *converted : src;

  blend = std::clamp(blend, 0, 100);
  const int keepPercent = 100 - blend;

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
  if (w <= 0) return;

  const GrayTint tint(grayColor);
  RowMixer mixer(w, tint);
  std::array<std::uint8_t, 256> weight;
  for (int a = 0; a < 256; ++a)
    weight[static_cast<std::size_t>(a)] = static_cast<std::uint8_t>(keepPercent * a / 100);
  const bool fillHoles = backdropForKeys && backdrop.HasImage();
  for (int row = 0; row < h; ++row) {
    const std::uint8_t* s = s32.Scanline(sy + row) + static_cast<std::ptrdiff_t>(sx) * 4;
    std::uint8_t* d = dst.Scanline(dy + row) + static_cast<std::ptrdiff_t>(dx) * 3;
    if (tint.On)
      mixer.Draw(d, s, w, [&](int a) { return weight[static_cast<std::size_t>(a)]; });
    else
      MixAlphaRow(d, s, w, keepPercent);  // holes have alpha 0: weight 0
    if (fillHoles) FillHolesFromBackdrop(d, s, w, dx, dy + row, backdrop);
  }

  if (!reflected) return;
  const int half = s32.Height() / 2;
  const int n = std::min(half, dst.Height() - dstRect.Bottom - 1);
  if (n <= 0) return;
  const int drop = 255 / half;
  int fade = 255;
  for (int k = 1; k <= n; ++k, fade -= drop) {
    const int drow = dstRect.Bottom + k;
    const int srow = srcRect.Bottom - k - 1;
    if (drow < 0 || srow < 0 || srow >= s32.Height()) continue;
    const std::uint8_t* s = s32.Scanline(srow) + static_cast<std::ptrdiff_t>(sx) * 4;
    std::uint8_t* d = dst.Scanline(drow) + static_cast<std::ptrdiff_t>(dx) * 3;
    mixer.Draw(d, s, w, [&](int a) {
      return blend > 0 ? std::max(0, (keepPercent * a / 300) * fade / 255)
                       : std::max(0, fade * (a / 3) / 255);
    });
  }
}

}  // namespace skin
