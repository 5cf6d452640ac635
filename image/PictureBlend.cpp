#include "image/PictureBlend.h"

#include <algorithm>

namespace image {

namespace {

struct Tint {
  bool On = false;
  int C[3] = {0, 0, 0};  // B, G, R of the grey colour
};

// Blends one row of `count` pixels with the weight `weightOf(alpha)`.
template <typename Weight>
void BlendRow(std::uint8_t* d, int dstBytes, const std::uint8_t* s, int count, const Tint& tint,
              Weight weightOf) {
  for (int i = 0; i < count; ++i, d += dstBytes, s += 4) {
    if (s[0] == 255 && s[1] == 0 && s[2] == 255 && s[3] == 0) continue;  // a hole
    const int a = weightOf(s[3]);
    if (a <= 0) continue;
    int src[3] = {s[0], s[1], s[2]};
    if (tint.On) {
      const int g = (s[0] + s[1] + s[2]) / 3;
      // Round to nearest: g * c / 255 never lies halfway, 255 being odd.
      for (int k = 0; k < 3; ++k) src[k] = std::min(255, (g * tint.C[k] + 127) / 255);
    }
    for (int k = 0; k < 3; ++k) d[k] = static_cast<std::uint8_t>((d[k] * 256 + (src[k] - d[k]) * a) >> 8);
  }
}

}  // namespace

void AlphaBlendPicture(gfx::Bitmap& dst, const gfx::Rect& dstRect, const gfx::Bitmap& src,
                       const gfx::Rect& srcRect, bool reflected, int blendPercent, gfx::Color grayColor) {
  const int dstBytes =
      dst.Format() == gfx::PixelFormat::Bgr24 ? 3 : (dst.Format() == gfx::PixelFormat::Bgra32 ? 4 : 0);
  if (dstBytes == 0 || src.Empty() || dst.Empty()) return;
  gfx::Bitmap converted;
  const gfx::Bitmap* s32 = &src;
  if (src.Format() != gfx::PixelFormat::Bgra32) {
    converted = src.ConvertTo(gfx::PixelFormat::Bgra32);
    s32 = &converted;
  }

  int dx = dstRect.Left, dy = dstRect.Top, sx = srcRect.Left, sy = srcRect.Top;
  int w = std::min(dstRect.Width(), srcRect.Width());
  int h = std::min(dstRect.Height(), srcRect.Height());
  if (dx < 0) {
    w += dx;
    sx -= dx;
    dx = 0;
  }
  if (dy < 0) {
    h += dy;
    sy -= dy;
    dy = 0;
  }
  if (sx < 0) {
    w += sx;
    dx -= sx;
    sx = 0;
  }
  if (sy < 0) {
    h += sy;
    dy -= sy;
    sy = 0;
  }
  w = std::min({w, dst.Width() - dx, s32->Width() - sx});
  h = std::min({h, dst.Height() - dy, s32->Height() - sy});
  if (w <= 0 || h <= 0) return;

  Tint tint;
  if (grayColor != gfx::clNone) {
    const gfx::Color c = gfx::ColorToRGB(grayColor);
    tint.On = true;
    tint.C[0] = gfx::GetB(c);
    tint.C[1] = gfx::GetG(c);
    tint.C[2] = gfx::GetR(c);
  }
  const int b = std::clamp(blendPercent, 0, 100);
  for (int row = 0; row < h; ++row)
    BlendRow(dst.Scanline(dy + row) + dx * dstBytes, dstBytes, s32->Scanline(sy + row) + sx * 4, w, tint,
             [b](int alpha) { return (100 - b) * alpha / 100; });

  if (!reflected) return;
  const int half = h / 2;
  const int dstBottom = dy + h, srcBottom = sy + h;
  const int n = std::min(half, dst.Height() - dstBottom - 1);
  if (n <= 0) return;
  const int step = 255 / half;
  int r = 255;
  for (int k = 1; k <= n; ++k, r -= step) {
    const int fade = r;
    auto weight = [b, fade](int alpha) {
      return b > 0 ? std::max(0, ((100 - b) * alpha / 300) * fade / 255)
                   : std::max(0, fade * (alpha / 3) / 255);
    };
    BlendRow(dst.Scanline(dstBottom + k) + dx * dstBytes, dstBytes, s32->Scanline(srcBottom - k - 1) + sx * 4,
             w, tint, weight);
  }
}

}  // namespace image
