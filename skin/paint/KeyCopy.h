// Copies that honour the transparent key colour: leaving key pixels of the
// source out, or filling in the key pixels of a test image.
#pragma once

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Color.h"
#include "platform/gfx/Geometry.h"

namespace skin {

// Copies every pixel (col, row) of the 24-bit `src` that is not the key colour
// (exact on the three colour bytes; clNone copies everything) to
// (x + col, y + row) of the 24- or 32-bit `dst`; a 32-bit destination gets
// alpha 255 on copied pixels. Positions outside `dst` are skipped: a negative
// x or y clips the copy while the source stays aligned.
void CopyExceptKey(gfx::Bitmap& dst, const gfx::Bitmap& src, int x, int y, gfx::Color key);

// Copies the pixels of the 32-bit `src` starting at `point` into the 32-bit
// `dst` starting at rect's top-left corner, for W = min(W(rect),
// src width - point.X) columns and H likewise, wherever the destination
// pixel's colour bytes are clFuchsia (alpha included in the copy). Used to
// restore rounded corners of a window from a saved copy. Parts outside either
// bitmap are skipped.
void CopyWhereKey(gfx::Bitmap& dst, const gfx::Bitmap& src, const gfx::Rect& rect, gfx::Point point);

// The same copy, but the key test reads `test` (24- or 32-bit, three colour
// bytes) at testOrigin + (col, row) instead of the destination pixel; test
// positions outside `test` do not copy. This is the common core for callers
// that test against a mask image; CopyWhereKey above tests the destination.
void CopyWhereKeyIn(gfx::Bitmap& dst, const gfx::Bitmap& src, const gfx::Rect& rect, gfx::Point point,
                    const gfx::Bitmap& test, gfx::Point testOrigin);

}  // namespace skin
