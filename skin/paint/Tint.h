// Mixing towards a colour by a real factor: single colour values and
// rectangles of bitmaps. Results are rounded to nearest, ties to even.
#pragma once

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Color.h"
#include "platform/gfx/Geometry.h"

namespace skin {

// Per channel rnd(p * c1 + (1 - p) * c2), clamped to 0..255; the result keeps
// c1's high byte. The values are used as given (no system-colour resolution).
// p is taken to four decimals and the mix is exact from there, so that
// T / 100 mixes exactly (0.3 * 255 is 76.5, which rounds to 76).
gfx::Color LerpColor(gfx::Color c1, gfx::Color c2, double p);

// Mixes the pixels of `rect` with the colour (system colours resolved): per
// channel rnd(f * pixel + (1 - f) * colour), f = percent / 100, in exact
// integer arithmetic, clamped to 0..255. Here Right and Bottom are inclusive; the rectangle is cut to the
// bitmap. 24- or 32-bit (alpha untouched); other formats are left alone.
void TintRect(gfx::Bitmap& bitmap, const gfx::Rect& rect, int percent, gfx::Color color);

}  // namespace skin
