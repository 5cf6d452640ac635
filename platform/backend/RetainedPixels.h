// The backend's copy of what a surface shows: 32-bit pixels with straight
// alpha, the surface's size. Presents copy into it (opaque); layered updates
// replace it with a picture that brings its own alpha.
#pragma once

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Geometry.h"

namespace backend {

class RetainedPixels {
 public:
  explicit RetainedPixels(gfx::Size size = {1, 1});

  const gfx::Bitmap& Pixels() const { return pixels_; }
  gfx::Size GetSize() const { return pixels_.GetSize(); }

  // Keeps the overlapping pixels; new ones are opaque black.
  void Resize(gfx::Size size);
  // Copies `rect` of `buffer` (any format) to the same place, opaque.
  // Returns the part actually copied (clipped to both), possibly empty.
  gfx::Rect Present(const gfx::Bitmap& buffer, const gfx::Rect& rect);
  // Resizes to `size` and copies `picture` to the top-left corner, keeping
  // its alpha (formats without alpha are opaque); the rest is transparent.
  void Replace(const gfx::Bitmap& picture, gfx::Size size);

 private:
  gfx::Bitmap pixels_;
};

// The largest side of a surface; beyond it no display draws anything useful.
constexpr int kMaxSurfaceSide = 8192;

// Sizes are clamped to 1..kMaxSurfaceSide: a window system has no empty
// windows, and a runaway size must not become a runaway allocation.
gfx::Size SanitizeSize(gfx::Size size);

}  // namespace backend
