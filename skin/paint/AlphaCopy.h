// Drawing a 32-bit picture with straight alpha onto a 24-bit bitmap, with an
// optional grey tint and a fading reflection below it.
#pragma once

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Color.h"
#include "platform/gfx/Geometry.h"
#include "skin/paint/Backdrop.h"

namespace skin {

// Draws srcRect of `src` into dstRect of the 24-bit `dst`; the copied size is
// the smaller of the two rectangles, cut to both bitmaps (a negative start
// moves the other rectangle). A source that is not 32-bit is taken as 32-bit
// with alpha 255.
//
// Per source pixel:
// - the value 0x00FF00FF (magenta with alpha 0) is a hole: skipped, or, with
//   `backdropForKeys` and a ready backdrop image, replaced by the backdrop
//   pixel at (backdrop.X + x, backdrop.Y + y) for destination (x, y), when
//   that lies inside the backdrop image;
// - otherwise, with a = (100 - blend) * A div 100, each channel becomes
//   (d * 256 + (s - d) * a) >> 8. With a `grayColor` other than clNone
//   (system colours resolved), s is first min(255, rnd(g * c / 255)), g the
//   source pixel's (R + G + B) div 3 and c the grey colour's channel.
//
// With `reflected`, a mirror image fading out is drawn below dstRect: n =
// min(src height div 2, dst height - dstRect.Bottom - 1) rows; row k (1..n)
// goes to dstRect.Bottom + k and takes source row srcRect.Bottom - k - 1; the
// fade r starts at 255 and drops by 255 div (src height div 2) after each row;
// the weight is max(0, ((100 - blend) * A div 300) * r div 255) when blend > 0,
// else max(0, r * (A div 3) div 255). Holes are skipped there.
//
// `blend` (percent of transparency) is clamped to 0..100. Other destination
// formats than 24-bit are left alone.
void AlphaCopy(const gfx::Rect& dstRect, const gfx::Rect& srcRect, gfx::Bitmap& dst, bool reflected,
               int blend, gfx::Color grayColor, bool backdropForKeys, const BackdropRef& backdrop,
               const gfx::Bitmap& src);

}  // namespace skin
