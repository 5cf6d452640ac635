// Multi-step colour gradients of skin sections.
#pragma once

#include <cstdint>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Geometry.h"
#include "skin/data/sMaskData.h"

namespace skin {

// Paints the step list into `rect` of the 24- or 32-bit `bitmap`. The first
// step's Kind picks the mode for the whole list: 0 vertical bands, 1
// horizontal bands, 2 a four-corner diamond of triangles (centre and corners
// from the first five FromColors). Any other Kind, an empty list or an empty
// rect paints nothing. The rect is cut to the bitmap. Colours are taken as raw
// bytes (no system-colour resolution); a 32-bit bitmap gets alpha 255.
// `extra` is added to the start row and to the height that the vertical band
// sizes are taken from (callers pass 0).
void PaintGradient(gfx::Bitmap& bitmap, const gfx::Rect& rect, const TsGradArray& steps, int extra = 0);

// The row colours that PaintGradient gives a rect `height` rows high (at
// least 2) with a vertical list (first Kind 0), one colour repeated along
// each row: `bpp` (3 or 4) bytes per row into `out` (height * bpp bytes), B,
// G, R, and alpha 255 with 4. Returns false, writing nothing, for another
// kind, a height under 2 or a list that leaves rows unpainted.
bool VerticalGradientColumn(const TsGradArray& steps, int height, int bpp, std::uint8_t* out);

}  // namespace skin
