// Alpha blending of a surface's retained pixels onto a screen image.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Region.h"

namespace backend {

// round(a * b / 255) for a, b in 0..255.
constexpr int MulDiv255(int a, int b) { return (a * b + 127) / 255; }

// round((src * a + dst * (255 - a)) / 255).
constexpr int Blend(int src, int dst, int a) { return (src * a + dst * (255 - a) + 127) / 255; }

// Blends `pixels` (32 bits, straight alpha) with its top-left corner at
// `origin` onto the 24-bit `screen`, only inside `shape` (surface
// coordinates) when one is given. Each pixel's alpha is first multiplied by
// `constantAlpha`. With `opaque` every pixel is copied as if fully opaque
// (a display that cannot blend).
void BlendOnto(gfx::Bitmap& screen, const gfx::Bitmap& pixels, gfx::Point origin,
               const std::optional<gfx::Region>& shape, std::uint8_t constantAlpha, bool opaque = false);

}  // namespace backend
