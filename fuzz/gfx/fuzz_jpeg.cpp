// libFuzzer target for the JPEG reader.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "platform/gfx/JpegReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    const gfx::Bitmap bmp = gfx::ReadJpeg(std::span<const std::uint8_t>(data, size));
    if (bmp.Format() != gfx::PixelFormat::Bgr24 || bmp.Empty()) std::abort();
    // Touch the last pixel so that a short buffer shows up under ASan.
    volatile gfx::Color c = bmp.PixelAt(bmp.Width() - 1, bmp.Height() - 1);
    (void)c;
  } catch (const gfx::ImageError&) {
  }
  return 0;
}
