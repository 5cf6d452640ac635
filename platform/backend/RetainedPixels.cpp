#include "platform/backend/RetainedPixels.h"

#include <algorithm>
#include <cstring>

namespace backend {

gfx::Size SanitizeSize(gfx::Size size) {
  return {std::clamp(size.Width, 1, kMaxSurfaceSide), std::clamp(size.Height, 1, kMaxSurfaceSide)};
}

namespace {

gfx::Bitmap OpaqueBlack(gfx::Size size) {
  gfx::Bitmap b(size.Width, size.Height, gfx::PixelFormat::Bgra32);
  for (int y = 0; y < size.Height; ++y) {
    std::uint8_t* row = b.Scanline(y);
    for (int x = 0; x < size.Width; ++x) row[x * 4 + 3] = 255;
  }
  return b;
}

// Copies `r` of `src` to the same place in the 32-bit `dst`. With
// `keepAlpha` false every copied pixel becomes opaque.
void CopyRect(const gfx::Bitmap& src, gfx::Bitmap& dst, const gfx::Rect& r, bool keepAlpha) {
  const int w = r.Width();
  for (int y = r.Top; y < r.Bottom; ++y) {
    std::uint8_t* out = dst.Scanline(y) + r.Left * 4;
    const std::uint8_t* in = src.Scanline(y);
    switch (src.Format()) {
      case gfx::PixelFormat::Bgra32:
        std::memcpy(out, in + r.Left * 4, static_cast<std::size_t>(w) * 4);
        if (!keepAlpha)
          for (int x = 0; x < w; ++x) out[x * 4 + 3] = 255;
        break;
      case gfx::PixelFormat::Bgr24:
        in += r.Left * 3;
        for (int x = 0; x < w; ++x) {
          out[x * 4 + 0] = in[x * 3 + 0];
          out[x * 4 + 1] = in[x * 3 + 1];
          out[x * 4 + 2] = in[x * 3 + 2];
          out[x * 4 + 3] = 255;
        }
        break;
      default:
        for (int x = 0; x < w; ++x) {
          const gfx::Color c = src.PixelAt(r.Left + x, y);
          out[x * 4 + 0] = static_cast<std::uint8_t>(gfx::GetB(c));
          out[x * 4 + 1] = static_cast<std::uint8_t>(gfx::GetG(c));
          out[x * 4 + 2] = static_cast<std::uint8_t>(gfx::GetR(c));
          out[x * 4 + 3] = 255;
        }
        break;
    }
  }
}

}  // namespace

RetainedPixels::RetainedPixels(gfx::Size size) : pixels_(OpaqueBlack(SanitizeSize(size))) {}

void RetainedPixels::Resize(gfx::Size size) {
  size = SanitizeSize(size);
  if (size == pixels_.GetSize()) return;
  gfx::Bitmap next = OpaqueBlack(size);
  const gfx::Rect keep = gfx::Intersect(pixels_.Bounds(), next.Bounds());
  if (!keep.IsEmpty()) CopyRect(pixels_, next, keep, true);
  pixels_ = std::move(next);
}

gfx::Rect RetainedPixels::Present(const gfx::Bitmap& buffer, const gfx::Rect& rect) {
  const gfx::Rect r = gfx::Intersect(gfx::Intersect(rect, buffer.Bounds()), pixels_.Bounds());
  if (!r.IsEmpty()) CopyRect(buffer, pixels_, r, false);
  return r;
}

void RetainedPixels::Replace(const gfx::Bitmap& picture, gfx::Size size) {
  size = SanitizeSize(size);
  gfx::Bitmap next(size.Width, size.Height, gfx::PixelFormat::Bgra32);  // zeroed: transparent
  const gfx::Rect r = gfx::Intersect(picture.Bounds(), next.Bounds());
  if (!r.IsEmpty()) CopyRect(picture, next, r, picture.Format() == gfx::PixelFormat::Bgra32);
  pixels_ = std::move(next);
}

}  // namespace backend
