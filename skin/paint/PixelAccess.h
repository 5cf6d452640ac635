// Small helpers shared by the pixel operations: pixel sizes of the colour
// formats and key-colour tests on raw pixel bytes.
#pragma once

#include <cstdint>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Color.h"

namespace skin {

// Bytes per pixel of the two colour formats the painters work on; 0 for any
// other format.
inline int ColorBytes(const gfx::Bitmap& b) {
  switch (b.Format()) {
    case gfx::PixelFormat::Bgr24: return 3;
    case gfx::PixelFormat::Bgra32: return 4;
    default: return 0;
  }
}

inline bool Is24(const gfx::Bitmap& b) { return b.Format() == gfx::PixelFormat::Bgr24; }
inline bool Is32(const gfx::Bitmap& b) { return b.Format() == gfx::PixelFormat::Bgra32; }

// A key colour argument takes part in comparisons unless it is clNone or any
// value above 0xFEFFFFFF (for instance -1), which mean "no key".
constexpr bool HasKey(gfx::Color key) { return key != gfx::clNone && key <= 0xFEFFFFFFu; }

// True when the pixel's colour bytes (B, G, R in memory) equal the colour
// value's red, green and blue bytes.
inline bool SameRgb(const std::uint8_t* p, gfx::Color c) {
  return p[0] == ((c >> 16) & 0xFF) && p[1] == ((c >> 8) & 0xFF) && p[2] == (c & 0xFF);
}

// The whole 32-bit pixel as a colour value 0xAABBGGRR.
inline gfx::Color Pixel32Value(const std::uint8_t* p) {
  return static_cast<gfx::Color>(p[2]) | (static_cast<gfx::Color>(p[1]) << 8) |
         (static_cast<gfx::Color>(p[0]) << 16) | (static_cast<gfx::Color>(p[3]) << 24);
}

// Writes the colour value's red, green and blue as B, G, R.
inline void PutRgb(std::uint8_t* p, gfx::Color c) {
  p[0] = static_cast<std::uint8_t>((c >> 16) & 0xFF);
  p[1] = static_cast<std::uint8_t>((c >> 8) & 0xFF);
  p[2] = static_cast<std::uint8_t>(c & 0xFF);
}

}  // namespace skin
