// Reads one picture of an icon file (.ico): the entry of the wanted size, or
// else the largest, as a 32-bit bitmap with straight alpha. Entries may hold
// a PNG file or a device-independent bitmap with its AND mask.
#pragma once

#include <cstdint>
#include <span>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Geometry.h"

namespace image {

// Throws EInvalidGraphic (or gfx::ImageError from the bitmap reader) for data
// that is not a well-formed icon file.
gfx::Bitmap ReadIcon(std::span<const std::uint8_t> data, gfx::Size wanted);

}  // namespace image
