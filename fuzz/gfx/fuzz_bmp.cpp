// libFuzzer target for the BMP reader. Whatever decodes must also survive
// conversion and a write/read round trip with the same pixels. Run-length
// files can describe large pictures in a few bytes; for those only the
// corners are checked, so that the fuzzer's time goes to the reader.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "platform/gfx/BmpReader.h"
#include "platform/gfx/BmpWriter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  gfx::Bitmap bmp;
  try {
    bmp = gfx::ReadBmp(std::span<const std::uint8_t>(data, size));
  } catch (const gfx::ImageError&) {
    return 0;
  }
  const int w = bmp.Width(), h = bmp.Height();
  if (static_cast<long>(w) * h > (1L << 20)) {
    volatile gfx::Color corners = bmp.PixelAt(0, 0) ^ bmp.PixelAt(w - 1, h - 1);
    (void)corners;
    return 0;
  }
  const gfx::Bitmap rgb = bmp.ConvertTo(gfx::PixelFormat::Bgra32);
  const gfx::Bitmap again = gfx::ReadBmp(gfx::WriteBmp(bmp));
  if (again.Width() != bmp.Width() || again.Height() != bmp.Height()) std::abort();
  for (int y = 0; y < bmp.Height(); y += 1 + bmp.Height() / 16)
    for (int x = 0; x < bmp.Width(); x += 1 + bmp.Width() / 16)
      if (again.PixelAt(x, y) != bmp.PixelAt(x, y) ||
          (rgb.PixelAt(x, y) & 0xFFFFFF) != (bmp.PixelAt(x, y) & 0xFFFFFF))
        std::abort();
  return 0;
}
