// JPEG decoding through libjpeg into 24-bit bitmaps.
//
// Colour and greyscale JPEGs (greyscale is expanded to B = G = R) and
// Adobe-style CMYK/YCCK JPEGs (converted naively to RGB) are accepted.
// Sides over kMaxImageSide, decoded pixels over kMaxImageBytes, data that ends
// before the end-of-image marker, scans shorter than the frame and progressive
// files with absurd numbers of scans are refused with an ImageError carrying
// libjpeg's or our message. Other recoverable corruption that libjpeg only
// warns about (stray bytes, damaged restart markers) is tolerated.
#pragma once

#include <cstdint>
#include <span>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/ImageError.h"

namespace gfx {

// Returns a top-down Bgr24 bitmap; throws ImageError for bad data.
Bitmap ReadJpeg(std::span<const std::uint8_t> data);

}  // namespace gfx
