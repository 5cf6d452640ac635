// Plain fills of rectangles of 24- and 32-bit bitmaps.
#pragma once

#include <cstdint>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Color.h"
#include "platform/gfx/Geometry.h"

namespace skin {

// Fills `rect` (cut to the bitmap) with the colour, system colours resolved.
// A 32-bit bitmap gets alpha 255. Other formats are left alone.
void FillColorRect(gfx::Bitmap& bitmap, const gfx::Rect& rect, gfx::Color color);

// Sets the alpha byte of every pixel of `rect` (cut to the bitmap) of a 32-bit
// bitmap; other formats are left alone.
void SetAlphaRect(gfx::Bitmap& bitmap, const gfx::Rect& rect, std::uint8_t alpha);

}  // namespace skin
