// Mixing a bitmap with another bitmap or with a plain colour by a real "keep"
// factor, leaving out pixels of a key colour. Results are rounded to nearest,
// ties to even.
#pragma once

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Color.h"
#include "platform/gfx/Geometry.h"

namespace skin {

// Mixes the source pixels of srcRect into `dst` starting at (x, y): each
// colour channel becomes rnd(s - keep * (s - d)), s the source and d the old
// destination channel, clamped to 0..255. srcRect is inclusive (Right and
// Bottom are the last column and row) and is cut to the source; a negative
// Left or Top moves the destination start by the same amount. Destination
// positions outside `dst` are skipped, and so are source pixels of the key
// colour; `key` = clNone (or any value above 0xFEFFFFFF) skips nothing.
// Formats: a 24-bit source onto a 24- or 32-bit destination (key compared on
// the three colour bytes), or a 32-bit source onto a 24-bit destination (key
// compared on the whole pixel value 0xAABBGGRR). A 32-bit destination keeps
// its alpha. Other pairings do nothing.
void BlendWithBitmap(gfx::Bitmap& dst, int x, int y, gfx::Color key, double keep, const gfx::Rect& srcRect,
                     const gfx::Bitmap& src);

// Mixes every pixel that is not the key colour (three colour bytes; clNone
// skips nothing) with `color` (system colours resolved): channel :=
// rnd(keep * (pixel - c) + c), clamped to 0..255. 24- or 32-bit (alpha kept).
void BlendWithColor(gfx::Bitmap& bitmap, gfx::Color color, gfx::Color key, double keep);

}  // namespace skin
