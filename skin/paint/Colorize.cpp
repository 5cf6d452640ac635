#include "skin/paint/Colorize.h"

#include <cstdint>

#include "skin/paint/PixelAccess.h"
#include "skin/paint/Round.h"

namespace skin {

void ColorizeByMask(gfx::Bitmap& dst, const gfx::Bitmap& mask, gfx::Color color) {
  const int dbpp = ColorBytes(dst);
  const int mbpp = ColorBytes(mask);
  if (dbpp == 0 || mbpp == 0 || dst.GetSize() != mask.GetSize()) return;
  const gfx::Color rgb = gfx::ColorToRGB(color);
  const int cr = gfx::GetR(rgb);
  const int cg = gfx::GetG(rgb);
  const int cb = gfx::GetB(rgb);
  for (int y = 0; y < dst.Height(); ++y) {
    std::uint8_t* d = dst.Scanline(y);
    const std::uint8_t* m = mask.Scanline(y);
    for (int x = 0; x < dst.Width(); ++x, d += dbpp, m += mbpp) {
      // The shifts floor negative values (arithmetic shift).
      const int b = (cb * 256 + (d[0] - cb) * m[0]) >> 8;
      const int g = (cg * 256 + (d[1] - cg) * m[1]) >> 8;
      const int r = cr - ((m[2] * (cr - d[2]) + 255) >> 8);
      d[0] = static_cast<std::uint8_t>(ClampByte(b));
      d[1] = static_cast<std::uint8_t>(ClampByte(g));
      d[2] = static_cast<std::uint8_t>(ClampByte(r));
    }
  }
}

}  // namespace skin
