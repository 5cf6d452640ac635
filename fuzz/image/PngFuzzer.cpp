// libFuzzer target: TPNGGraphic on arbitrary bytes must either decode or
// throw EInvalidGraphic; drawing the result must not fault either.
#include <cstddef>
#include <cstdint>
#include <span>

#include "image/acPNG.h"
#include "platform/gfx/Canvas.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Keep single runs small: pictures over 4 megapixels are legal but only
  // slow the search down.
  if (size >= 24) {
    const std::uint64_t w = (std::uint64_t{data[16]} << 24) | (data[17] << 16) | (data[18] << 8) | data[19];
    const std::uint64_t h = (std::uint64_t{data[20]} << 24) | (data[21] << 16) | (data[22] << 8) | data[23];
    if (w * h > (std::uint64_t{1} << 22)) return 0;
  }
  image::TPNGGraphic g;
  try {
    g.LoadFromBytes(std::span<const std::uint8_t>(data, size));
  } catch (const image::EInvalidGraphic&) {
    return 0;
  }
  if (g.Width() <= 64 && g.Height() <= 64) {
    gfx::Bitmap target = gfx::NewBitmap24(48, 48);
    gfx::Canvas canvas(target);
    g.SetReflected((size & 1) != 0);
    g.Draw(canvas, gfx::Rect{-3, -5, g.Width() - 3, g.Height() - 5});
    g.Draw(canvas, gfx::Rect{10, 10, 40, 30});
  }
  return 0;
}
