// A test card of the raster primitives and text: fills, frames, lines,
// polygons, gradients, area-averaged stretching, alpha blending, clipping
// by region, and text in several fonts, alignments and languages.
#pragma once

#include "platform/gfx/Bitmap.h"

namespace testcard {

inline constexpr int kWidth = 640;
inline constexpr int kHeight = 480;

// Paints the card into a new 24-bit bitmap of kWidth x kHeight.
gfx::Bitmap RenderTestCard();

}  // namespace testcard
