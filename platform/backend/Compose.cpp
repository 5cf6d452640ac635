#include "platform/backend/Compose.h"

namespace backend {

namespace {

// Blends the surface-coordinate rectangle `r` (already clipped to the
// surface and, shifted by origin, to the screen).
void BlendRect(gfx::Bitmap& screen, const gfx::Bitmap& pixels, gfx::Point origin, const gfx::Rect& r,
               int constantAlpha, bool opaque) {
  for (int y = r.Top; y < r.Bottom; ++y) {
    const std::uint8_t* in = pixels.Scanline(y) + r.Left * 4;
    std::uint8_t* out = screen.Scanline(y + origin.Y) + (r.Left + origin.X) * 3;
    for (int x = 0; x < r.Width(); ++x, in += 4, out += 3) {
      const int a = opaque ? 255 : MulDiv255(in[3], constantAlpha);
      if (a == 255) {
        out[0] = in[0];
        out[1] = in[1];
        out[2] = in[2];
      } else if (a != 0) {
        for (int c = 0; c < 3; ++c) out[c] = static_cast<std::uint8_t>(Blend(in[c], out[c], a));
      }
    }
  }
}

}  // namespace

void BlendOnto(gfx::Bitmap& screen, const gfx::Bitmap& pixels, gfx::Point origin,
               const std::optional<gfx::Region>& shape, std::uint8_t constantAlpha, bool opaque) {
  if (constantAlpha == 0 && !opaque) return;
  // The part of the surface that lies on the screen, in surface coordinates.
  const gfx::Rect visible = gfx::Intersect(pixels.Bounds(), screen.Bounds().Offset(-origin.X, -origin.Y));
  if (visible.IsEmpty()) return;
  if (!shape) {
    BlendRect(screen, pixels, origin, visible, constantAlpha, opaque);
    return;
  }
  for (const gfx::Rect& part : shape->Rects()) {
    const gfx::Rect r = gfx::Intersect(part, visible);
    if (!r.IsEmpty()) BlendRect(screen, pixels, origin, r, constantAlpha, opaque);
  }
}

}  // namespace backend
