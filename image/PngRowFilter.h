// Undoing the PNG row filters (types 0 to 4, Paeth included).
#pragma once

#include <cstddef>
#include <cstdint>

namespace image {

// Restores `row` (n bytes, without the filter-type byte) in place, given the
// already restored row above (`prior`, all zero for the first row of a pass)
// and the byte distance of one whole pixel (at least 1). Unknown filter types
// leave the bytes as they are.
void UnfilterRow(int filterType, std::uint8_t* row, const std::uint8_t* prior, std::size_t n,
                 std::size_t bpp);

}  // namespace image
