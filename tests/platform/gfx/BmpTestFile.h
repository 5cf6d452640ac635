// Hand assembly of BMP files for the reader tests: every header field can be
// set, including to values that lie.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/gfx/Color.h"

namespace gfx::testing {

inline void Put16(std::vector<std::uint8_t>& v, std::uint32_t x) {
  v.push_back(static_cast<std::uint8_t>(x));
  v.push_back(static_cast<std::uint8_t>(x >> 8));
}
inline void Put32(std::vector<std::uint8_t>& v, std::uint32_t x) {
  Put16(v, x);
  Put16(v, x >> 16);
}

struct BmpFile {
  std::uint32_t headerSize = 40;  // 12, 40, 52, 56, 108, 124
  std::int32_t width = 1;
  std::int32_t height = 1;
  std::uint16_t bitCount = 24;
  std::uint32_t compression = 0;
  std::uint32_t colorsUsed = 0;
  // Bitfield masks: inside headers of 52 bytes and more, after a 40-byte one.
  std::vector<std::uint32_t> masks;
  std::vector<Color> palette;  // written as 3-byte entries for the core header
  std::vector<std::uint8_t> pixels;
  std::optional<std::uint32_t> pixelOffset;  // default: right after the palette

  std::vector<std::uint8_t> Build() const {
    std::vector<std::uint8_t> b = {'B', 'M'};
    Put32(b, 0);  // file size, patched below
    Put32(b, 0);
    Put32(b, 0);  // pixel offset, patched below
    Put32(b, headerSize);
    if (headerSize == 12) {
      Put16(b, static_cast<std::uint32_t>(width));
      Put16(b, static_cast<std::uint32_t>(height));
      Put16(b, 1);
      Put16(b, bitCount);
    } else {
      Put32(b, static_cast<std::uint32_t>(width));
      Put32(b, static_cast<std::uint32_t>(height));
      Put16(b, 1);
      Put16(b, bitCount);
      Put32(b, compression);
      Put32(b, static_cast<std::uint32_t>(pixels.size()));
      Put32(b, 2835);
      Put32(b, 2835);
      Put32(b, colorsUsed);
      Put32(b, 0);
      for (std::size_t i = 0; 40 + i * 4 < headerSize; ++i) Put32(b, i < masks.size() ? masks[i] : 0);
      if (headerSize == 40)
        for (std::uint32_t m : masks) Put32(b, m);
    }
    for (Color c : palette) {
      b.push_back(static_cast<std::uint8_t>(GetB(c)));
      b.push_back(static_cast<std::uint8_t>(GetG(c)));
      b.push_back(static_cast<std::uint8_t>(GetR(c)));
      if (headerSize != 12) b.push_back(0);
    }
    const std::uint32_t offset = pixelOffset.value_or(static_cast<std::uint32_t>(b.size()));
    b.insert(b.end(), pixels.begin(), pixels.end());
    b[2] = static_cast<std::uint8_t>(b.size());
    b[3] = static_cast<std::uint8_t>(b.size() >> 8);
    b[4] = static_cast<std::uint8_t>(b.size() >> 16);
    b[10] = static_cast<std::uint8_t>(offset);
    b[11] = static_cast<std::uint8_t>(offset >> 8);
    b[12] = static_cast<std::uint8_t>(offset >> 16);
    b[13] = static_cast<std::uint8_t>(offset >> 24);
    return b;
  }
};

// Concatenates rows, each padded with zeros to a multiple of four bytes.
inline std::vector<std::uint8_t> PaddedRows(const std::vector<std::vector<std::uint8_t>>& rows) {
  std::vector<std::uint8_t> out;
  for (const auto& r : rows) {
    out.insert(out.end(), r.begin(), r.end());
    out.resize((out.size() + 3) / 4 * 4, 0);
  }
  return out;
}

}  // namespace gfx::testing
