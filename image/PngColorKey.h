// The tRNS colour key of grey and RGB images. The key marks the pixels whose
// samples in the file equal it, so it is matched on the file's own samples,
// before they are reduced to 8 bits or gamma-corrected. In the decoded bitmap
// those pixels get the key colour (the bitmap's transparent colour); any other
// pixel that came out as that colour is moved one step away from it, so that
// it stays opaque.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "platform/gfx/Color.h"

namespace image {

struct PngColorKey {
  std::array<unsigned, 3> Samples{};  // red, green, blue (grey: the first), at the file's depth
  std::array<std::uint8_t, 3> Bgr{};  // the key colour as the bitmap stores it
};

// An RGB row of 8- or 16-bit samples converted into a 24-bit row at pixels
// x0, x0 + step, ...
void ApplyKeyToRgbRow(const PngColorKey& key, const std::uint8_t* raw, int depth, int count,
                      std::uint8_t* target, int x0, int step);
// A grey row of 8- or 16-bit samples converted into an 8-bit grey-ramp index
// row; the key's index is its 8-bit grey level.
void ApplyKeyToGreyRow(const PngColorKey& key, const std::uint8_t* raw, int depth, int count,
                       std::uint8_t* target, int x0, int step);
// Grey images of 1, 2 or 4 bits keep their samples as palette indexes: the
// key's entry gets the key colour and no other entry keeps it.
void ApplyKeyToPalette(std::vector<gfx::Color>& palette, std::size_t keyIndex, gfx::Color key);

}  // namespace image
