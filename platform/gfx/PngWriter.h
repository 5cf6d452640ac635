// PNG encoding of bitmaps: 24-bit as RGB, 32-bit as RGBA (straight alpha),
// Gray8 as greyscale, indexed formats expanded to RGB. 8 bits per channel,
// no interlacing, per-row adaptive filtering, zlib deflate.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/gfx/Bitmap.h"

namespace gfx {

// Returns the complete PNG file. An empty bitmap has no valid PNG form and
// throws std::invalid_argument.
std::vector<std::uint8_t> EncodePng(const Bitmap& bitmap);

// Writes EncodePng(bitmap) to `path`; throws std::runtime_error naming the
// path when the file cannot be written completely.
void SavePng(const Bitmap& bitmap, const std::string& path);

}  // namespace gfx
