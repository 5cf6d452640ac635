#include "skin/render/BackdropCopy.h"

#include <algorithm>
#include <cstdint>

#include "platform/gfx/Canvas.h"
#include "skin/paint/PixelAccess.h"

namespace skin {

BackdropRef ShiftedBackdrop(const BackdropRef& backdrop, std::int64_t dx, std::int64_t dy) {
  auto saturate = [](std::int64_t v) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX));
  };
  BackdropRef r = backdrop;
  r.X = saturate(backdrop.X + dx);
  r.Y = saturate(backdrop.Y + dy);
  return r;
}

void CopyBackdropBlock(gfx::Bitmap& bitmap, const gfx::Rect& rect, const BackdropRef& backdrop) {
  if (!backdrop.HasImage() || backdrop.Bitmap == &bitmap || ColorBytes(bitmap) == 0) return;
  const gfx::Rect dst = gfx::Intersect(rect, bitmap.Bounds());
  if (dst.IsEmpty()) return;
  // The source of the visible part, in 64 bits (backdrop offsets are free).
  const std::int64_t sx = std::int64_t{backdrop.X} + dst.Left - rect.Left;
  const std::int64_t sy = std::int64_t{backdrop.Y} + dst.Top - rect.Top;
  const gfx::Bitmap& src = *backdrop.Bitmap;
  const std::int64_t x0 = std::max<std::int64_t>(sx, 0), y0 = std::max<std::int64_t>(sy, 0);
  const std::int64_t x1 = std::min<std::int64_t>(sx + dst.Width(), src.Width());
  const std::int64_t y1 = std::min<std::int64_t>(sy + dst.Height(), src.Height());
  if (x1 <= x0 || y1 <= y0) return;
  gfx::Canvas canvas(bitmap);
  canvas.DrawBitmap(static_cast<int>(dst.Left + (x0 - sx)), static_cast<int>(dst.Top + (y0 - sy)), src,
                    {static_cast<int>(x0), static_cast<int>(y0), static_cast<int>(x1), static_cast<int>(y1)});
}

}  // namespace skin
