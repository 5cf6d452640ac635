// Writer of Windows BMP files with a 40-byte info header, rows bottom-up.
//
// Indexed1/4/8 are written with 1/4/8 bits per pixel and the bitmap's palette
// (at most 2^bpp entries; an empty palette is written as all black), Gray8 as
// 8 bits with a 256-step grey palette, Bgr24 as 24 bits and Bgra32 as 32-bit
// BI_RGB with the alpha in the fourth byte, which ReadBmp keeps.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/gfx/Bitmap.h"

namespace gfx {

// Returns the complete file. Throws std::invalid_argument for an empty bitmap.
std::vector<std::uint8_t> WriteBmp(const Bitmap& bitmap);

}  // namespace gfx
