// Colouring a bitmap through a mask bitmap.
#pragma once

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Color.h"

namespace skin {

// Mixes `dst` with `color` (system colours resolved) under the control of
// `mask`, channel by channel; a mask channel m of 0 gives the colour and 255
// keeps (almost all of) the pixel:
//   red   := cR - ((mR * (cR - R) + 255) >> 8)
//   green := (cG * 256 + (G - cG) * mG) >> 8
//   blue  := (cB * 256 + (B - cB) * mB) >> 8
// Both bitmaps must have the same size and be 24- or 32-bit (alpha kept);
// otherwise nothing happens.
void ColorizeByMask(gfx::Bitmap& dst, const gfx::Bitmap& mask, gfx::Color color);

}  // namespace skin
