// Gaussian blur of 8-bit grey coverage masks (text glow and shadow).
#pragma once

#include "platform/gfx/Bitmap.h"

namespace skin {

// Blurs an 8-bit grey bitmap in place with a Gaussian kernel of the given
// radius (the standard deviation in pixels): rows first, then columns; pixels
// beyond an edge repeat the edge pixel; every result is truncated to an
// integer. The kernel is cut where the dropped tails weigh 1/510 (half a grey
// level). Other formats, and a radius that is not positive, do nothing.
void GaussBlur8(gfx::Bitmap& bitmap, double radius);

}  // namespace skin
