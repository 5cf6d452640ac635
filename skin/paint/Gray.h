// Turning pixels grey by the plain mean of their colour channels.
#pragma once

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Color.h"

namespace skin {

// Each pixel's three colour channels := (B + G + R) div 3. 24- or 32-bit
// (alpha untouched); other formats are left alone.
void MakeGray(gfx::Bitmap& bitmap);

// As MakeGray on a 24-bit bitmap, but pixels of the key colour (three colour
// bytes) stay as they are.
void MakeGrayExceptKey(gfx::Bitmap& bitmap, gfx::Color key);

}  // namespace skin
