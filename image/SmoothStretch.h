// Area-averaging resampling of 32-bit bitmaps: every target pixel is the
// exact mean of the source area it covers (partly covered source pixels count
// by their covered share), rounded to nearest, for each of the four channels
// on its own (so colour and alpha are scaled separately).
#pragma once

#include "platform/gfx/Bitmap.h"

namespace image {

// `src` is taken as 32-bit (other formats are converted, alpha 255). The
// result is a 32-bit bitmap of width x height; empty when either is <= 0.
gfx::Bitmap SmoothStretch32(const gfx::Bitmap& src, int width, int height);

}  // namespace image
