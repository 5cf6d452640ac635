#include "skin/render/TextGlow.h"

#include <algorithm>
#include <cstdint>

#include "platform/gfx/Canvas.h"
#include "skin/paint/Blur.h"
#include "skin/paint/PixelAccess.h"

namespace skin {
namespace {

constexpr gfx::Point kSideShift[4] = {{-1, 0}, {0, -1}, {1, 0}, {0, 1}};  // left, top, right, bottom

// Black text on white, once per side bit shifted one pixel, once in place.
void MakeGlowMask(gfx::Bitmap& mask, int w, int h, int m, const gfx::Font& font, std::string_view text,
                  int textW, int textH, int size, unsigned sides, unsigned flags) {
  mask = gfx::Bitmap(w, h, gfx::PixelFormat::Gray8);
  mask.FillBytes(255);
  gfx::Canvas canvas(mask);
  gfx::Font black = font;
  black.Color = gfx::clBlack;
  canvas.SetFont(black);
  canvas.SetTextColor(gfx::clBlack);
  canvas.SetBrushStyle(gfx::BrushStyle::Clear);
  canvas.SetBackgroundMode(gfx::BackgroundMode::Transparent);
  const gfx::Rect textRect{m, m, m + textW, m + textH};
  for (unsigned side = 0; side < 4; ++side) {
    if ((sides & (1u << side)) == 0) continue;
    gfx::Rect r = textRect.Offset(kSideShift[side].X, kSideShift[side].Y);
    canvas.DrawText(text, r, flags);
  }
  gfx::Rect r = textRect;
  canvas.DrawText(text, r, flags);
  GaussBlur8(mask, size);
}

}  // namespace

void DrawTextGlow(gfx::Bitmap& target, const gfx::Font& font, std::string_view text, const gfx::Rect& rect,
                  gfx::Bitmap& mask, gfx::Color colour, int size, unsigned sides, unsigned flags) {
  const int bpp = ColorBytes(target);
  if (bpp == 0) return;
  size = std::clamp(size, 0, 255);
  const int m = size + 4;
  const std::int64_t textW = std::max<std::int64_t>(0, std::int64_t{rect.Right} - rect.Left);
  const std::int64_t textH = std::max<std::int64_t>(0, std::int64_t{rect.Bottom} - rect.Top);
  const std::int64_t w = textW + 2 * m, h = textH + 2 * m;
  // A mask larger than any bitmap we agree to hold is no glow, not a failure.
  if (w > gfx::Bitmap::kMaxSide || h > gfx::Bitmap::kMaxSide ||
      static_cast<std::uint64_t>(w * h) > gfx::Bitmap::kMaxBytes)
    return;
  const int mw = static_cast<int>(w), mh = static_cast<int>(h);
  if (mask.Width() != mw || mask.Height() != mh || mask.Format() != gfx::PixelFormat::Gray8)
    MakeGlowMask(mask, mw, mh, m, font, text, static_cast<int>(textW), static_cast<int>(textH), size, sides,
                 flags);

  const gfx::Color rgb = gfx::ColorToRGB(colour);
  const int c[3] = {gfx::GetB(rgb), gfx::GetG(rgb), gfx::GetR(rgb)};
  // Mask row/column (0, 0) lies on target (ox, oy); only the overlap is read.
  const std::int64_t ox = std::int64_t{rect.Left} - m, oy = std::int64_t{rect.Top} - m;
  const std::int64_t x0 = std::max<std::int64_t>(0, ox), x1 = std::min<std::int64_t>(target.Width(), ox + mw);
  const std::int64_t y0 = std::max<std::int64_t>(0, oy),
                     y1 = std::min<std::int64_t>(target.Height(), oy + mh);
  for (std::int64_t y = y0; y < y1; ++y) {
    const std::uint8_t* v = mask.Scanline(static_cast<int>(y - oy)) + (x0 - ox);
    std::uint8_t* t = target.Scanline(static_cast<int>(y)) + x0 * bpp;
    for (std::int64_t x = x0; x < x1; ++x, ++v, t += bpp) {
      if (*v == 255) continue;
      for (int ch = 0; ch < 3; ++ch) t[ch] = static_cast<std::uint8_t>((t[ch] - c[ch]) * *v / 255 + c[ch]);
      if (bpp == 4) t[3] = static_cast<std::uint8_t>(std::max(0, t[3] + *v - 255));
    }
  }
}

}  // namespace skin
