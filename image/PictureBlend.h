// Drawing a 32-bit picture with straight alpha onto a bitmap: per-pixel
// alpha, an optional blend percent and grey tint, and a fading reflection.
#pragma once

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Color.h"
#include "platform/gfx/Geometry.h"

namespace image {

// Blends `srcRect` of `src` (taken as 32-bit; other formats count as opaque)
// onto `dst` (24- or 32-bit; a 32-bit destination keeps its alpha) at
// `dstRect`. The copied size is the smaller of the two rectangles, cut to
// both bitmaps; a negative start moves the other rectangle along.
//
// A source pixel whose whole value is 0x00FF00FF (magenta, alpha 0) is a hole
// and is skipped. Otherwise, with a = (100 - blendPercent) * alpha / 100, each
// channel d becomes (d * 256 + (s - d) * a) >> 8. With a real `grayColor`
// (not clNone), s is first replaced per channel by min(255, round(g * c / 255)),
// g = (R + G + B) / 3 of the source pixel and c the grey colour's channel.
//
// With `reflected`, a mirror image of the lower half that fades out row by row
// is drawn below the destination rectangle, one row apart from it, as far as
// the destination has room.
void AlphaBlendPicture(gfx::Bitmap& dst, const gfx::Rect& dstRect, const gfx::Bitmap& src,
                       const gfx::Rect& srcRect, bool reflected = false, int blendPercent = 0,
                       gfx::Color grayColor = gfx::clNone);

}  // namespace image
