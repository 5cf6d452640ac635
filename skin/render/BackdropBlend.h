// Content blended over the backdrop in one pass.
#pragma once

#include <cstdint>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Geometry.h"
#include "skin/paint/Backdrop.h"

namespace skin {

// Puts the backdrop under `rect` (offsets relative to rect's top-left corner)
// into `rect` of `bitmap` and blends `content` over it. `content` has the
// bitmap's format and rect's size, or is one pixel wide and rect's height: a
// column of row colours (a vertical gradient), each repeated along its row.
// Every byte becomes (backdrop * a + content * (255 - a) + 127) >> 8, as in
// BlendBitmaps. Byte for byte the same as
// CopyBackdropBlock followed by BlendBitmaps, in one pass. Nothing happens
// for a rect that is empty or not inside the bitmap, or content of another
// format or size.
void BlendOverBackdrop(gfx::Bitmap& bitmap, const gfx::Rect& rect, const BackdropRef& behind,
                       const gfx::Bitmap& content, int a);

// The same with the content given as its column of row colours: `colours`
// holds rect.Height() pixels of the bitmap's format one after the other
// (3 or 4 bytes each), pixel k repeated along row k of rect.
void BlendColumnOverBackdrop(gfx::Bitmap& bitmap, const gfx::Rect& rect, const BackdropRef& behind,
                             const std::uint8_t* colours, int a);

}  // namespace skin
