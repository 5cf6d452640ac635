// libFuzzer target: the icon reader on arbitrary bytes must return a bitmap
// or throw; never fault.
#include <cstddef>
#include <cstdint>
#include <exception>
#include <span>

#include "image/IconReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    const gfx::Bitmap b = image::ReadIcon(std::span<const std::uint8_t>(data, size), {16, 16});
    (void)b.PixelAt(0, 0);
  } catch (const std::exception&) {
  }
  return 0;
}
