// The inner loop of masked pieces painted without the backdrop: destination
// rows mixed with weights and shares laid out in advance, once per source
// row. Internal to skin/render.
#pragma once

#include <cstddef>
#include <cstdint>

namespace skin::piece {

// Bytes mixed at a time; the lengths handed to MixRows are multiples of it.
inline constexpr std::size_t kMixChunk = 16;

// For `count` rows, the first at `first` and each `stride` bytes after the
// one before, over n bytes (a multiple of kMixChunk):
// d[i] := (share[i] + d[i] * weight[i]) >> 8. A weight of 256 with a share of
// 0 leaves the byte as it is. share[i] + 255 * weight[i] must fit in 16 bits.
void MixRows(std::uint8_t* first, std::ptrdiff_t stride, std::size_t count, const std::uint16_t* share,
             const std::uint16_t* weight, std::size_t n);

}  // namespace skin::piece
