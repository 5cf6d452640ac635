// Content blended over the backdrop in one pass.
#pragma once

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Geometry.h"
#include "skin/paint/Backdrop.h"

namespace skin {

// Puts the backdrop under `rect` (offsets relative to rect's top-left corner)
// into `rect` of `bitmap` and blends `content` (rect's size, bitmap's format)
// over it with BlendBitmaps' arithmetic: every byte becomes
// (backdrop * a + content * (255 - a) + 127) >> 8. Byte for byte the same as
// CopyBackdropBlock followed by BlendBitmaps, in one pass.
void BlendOverBackdrop(gfx::Bitmap& bitmap, const gfx::Rect& rect, const BackdropRef& behind,
                       const gfx::Bitmap& content, int a);

}  // namespace skin
