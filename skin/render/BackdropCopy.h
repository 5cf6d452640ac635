// Putting the background behind an area into a bitmap.
#pragma once

#include <cstdint>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Geometry.h"
#include "skin/paint/Backdrop.h"

namespace skin {

// The backdrop seen from an area (dx, dy) further in. Offsets that leave the
// int range saturate: the backdrop then lies wholly outside its image and
// nothing is read from it (every reader adds positions in 64 bits).
BackdropRef ShiftedBackdrop(const BackdropRef& backdrop, std::int64_t dx, std::int64_t dy);

// Copies the backdrop's image under `rect` into `rect` of `bitmap`: pixel
// (x, y) takes the backdrop pixel at (X + x - rect.Left, Y + y - rect.Top).
// Formats convert (32 -> 24 drops alpha, 24 -> 32 writes alpha 255). Pixels
// whose backdrop position lies outside the backdrop image, and every pixel
// when the backdrop has no image or its image is `bitmap` itself, are left
// alone.
void CopyBackdropBlock(gfx::Bitmap& bitmap, const gfx::Rect& rect, const BackdropRef& backdrop);

}  // namespace skin
