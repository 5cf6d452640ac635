// Reader of Windows BMP files (file header + DIB header + palette + pixels).
//
// Accepted: the 12-byte core header, the 40-byte info header and its 52/56-byte
// extensions, the V4 (108) and V5 (124) headers; 1, 4, 8, 16, 24 and 32 bits
// per pixel; uncompressed (BI_RGB) data, BI_BITFIELDS/BI_ALPHABITFIELDS masks
// for 16 and 32 bits, and RLE8/RLE4 run-length data (bottom-up only; runs past
// the edge are clipped, skipped pixels are index 0); bottom-up (positive
// height) and top-down (negative height) rows. JPEG- and PNG-compressed BMPs
// are rejected with an ImageError naming the compression.
//
// Result formats:
// - 1/4/8 bits: Indexed1/4/8 with the file's palette as stored. A palette may
//   have fewer than 2^bpp entries; indexes past its end read as black.
// - 16 bits: Bgr24 (5-5-5 by default, or the bitfield masks), Bgra32 when the
//   masks include an alpha channel.
// - 24 bits: Bgr24.
// - 32 bits: Bgra32. Plain BI_RGB keeps the file's fourth byte as alpha;
//   bitfields take alpha from the alpha mask, 255 when there is none.
// Channels of any mask width are scaled to 8 bits with rounding
// (v * 255 / max). The bitmap keeps the file's row order (BottomUp for a
// positive height).
//
// Every size, offset and count is checked against the data; sides over
// kMaxImageSide or pixel data over kMaxImageBytes are refused.
#pragma once

#include <cstdint>
#include <span>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/ImageError.h"

namespace gfx {

// Throws ImageError for anything that is not a well-formed supported BMP.
Bitmap ReadBmp(std::span<const std::uint8_t> data);

}  // namespace gfx
