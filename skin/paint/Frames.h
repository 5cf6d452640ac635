// Frames drawn on a drawing surface: filled frame strips, bevels, and copies
// of the frame strips of a rectangle.
#pragma once

#include "platform/gfx/Canvas.h"
#include "platform/gfx/Color.h"
#include "platform/gfx/Geometry.h"

namespace skin {

// Fills only a frame inside `rect` with the colour (system colours
// resolved): the top strip (full width, height wt), the left strip below it
// (width wl), the bottom strip from Left + wl to Right (height wb) and the
// right strip from Top + wt to Bottom - wb (width wr). The centre is left
// alone; strips of no size are skipped.
void FillFrameRect(gfx::Canvas& surface, const gfx::Rect& rect, gfx::Color color, int wl, int wt, int wr,
                   int wb);

// Draws `width` nested one-pixel frames, the outermost on rect's edge. Per
// frame, with Right and Bottom taken one less (inclusive): a line from
// (Left, Bottom) up to (Left, Top) and on to (Right, Top) in `topLeft`, then
// from (Right, Top) down to (Right, Bottom) and on to (Left - 1, Bottom) in
// `bottomRight` (lines leave out their last point); then the rectangle
// shrinks by one on every side. No fill. Stops early when the rectangle
// becomes empty. The surface's pen is left as it was.
void BevelFrame(gfx::Canvas& surface, const gfx::Rect& rect, gfx::Color topLeft, int width,
                gfx::Color bottomRight);

// Copies the frame of width b of the w x h rectangle at (x, y) from the same
// place of the source rectangle at (sx, sy): left strip (b x h), top strip
// (w - b x b, right of it), right strip (b x h - b, below it), bottom strip
// (w - 2b x b, between them). The centre is not touched.
void CopyFrameStrips(gfx::Canvas& dst, int x, int y, int w, int h, const gfx::Canvas& src, int sx, int sy,
                     int b);

}  // namespace skin
