#include "platform/gfx/BmpWriter.h"

#include <cstring>
#include <stdexcept>

namespace gfx {

namespace {

void Put16(std::uint8_t* p, std::uint32_t v) {
  p[0] = static_cast<std::uint8_t>(v);
  p[1] = static_cast<std::uint8_t>(v >> 8);
}
void Put32(std::uint8_t* p, std::uint32_t v) {
  Put16(p, v);
  Put16(p + 2, v >> 16);
}

std::vector<Color> FilePalette(const Bitmap& bmp) {
  if (bmp.Format() == PixelFormat::Gray8) {
    std::vector<Color> grey(256);
    for (int i = 0; i < 256; ++i) grey[static_cast<std::size_t>(i)] = RGB(i, i, i);
    return grey;
  }
  const int bpp = BitsPerPixel(bmp.Format());
  if (bpp > 8) return {};
  const std::size_t full = std::size_t{1} << bpp;
  std::vector<Color> pal = bmp.Palette();
  // Zero palette entries in the header means "all 2^bpp", so an empty
  // palette is written out in full (black, as the pixels read without one).
  if (pal.empty()) pal.assign(full, clBlack);
  if (pal.size() > full) pal.resize(full);
  return pal;
}

}  // namespace

std::vector<std::uint8_t> WriteBmp(const Bitmap& bmp) {
  if (bmp.Empty()) throw std::invalid_argument("BMP: cannot write an empty bitmap");
  const int bpp = BitsPerPixel(bmp.Format());
  const std::vector<Color> palette = FilePalette(bmp);
  const std::size_t rowBytes = bmp.RowBytes();
  const std::size_t fileStride =
      (static_cast<std::size_t>(bmp.Width()) * static_cast<std::size_t>(bpp) + 31) / 32 * 4;
  const std::size_t pixelOffset = 14 + 40 + palette.size() * 4;
  const std::size_t imageSize = fileStride * static_cast<std::size_t>(bmp.Height());
  const std::size_t fileSize = pixelOffset + imageSize;
  if (fileSize > 0xFFFFFFFFu) throw std::length_error("BMP: bitmap too large for a BMP file");

  std::vector<std::uint8_t> out(fileSize, 0);
  std::uint8_t* p = out.data();
  p[0] = 'B';
  p[1] = 'M';
  Put32(p + 2, static_cast<std::uint32_t>(fileSize));
  Put32(p + 10, static_cast<std::uint32_t>(pixelOffset));
  Put32(p + 14, 40);
  Put32(p + 18, static_cast<std::uint32_t>(bmp.Width()));
  Put32(p + 22, static_cast<std::uint32_t>(bmp.Height()));  // positive: bottom-up
  Put16(p + 26, 1);                                         // planes
  Put16(p + 28, static_cast<std::uint32_t>(bpp));
  Put32(p + 30, 0);  // BI_RGB
  Put32(p + 34, static_cast<std::uint32_t>(imageSize));
  Put32(p + 38, 2835);  // 72 dpi
  Put32(p + 42, 2835);
  Put32(p + 46, static_cast<std::uint32_t>(palette.size()));
  Put32(p + 50, 0);
  for (std::size_t i = 0; i < palette.size(); ++i) {
    std::uint8_t* e = p + 54 + i * 4;
    e[0] = static_cast<std::uint8_t>(GetB(palette[i]));
    e[1] = static_cast<std::uint8_t>(GetG(palette[i]));
    e[2] = static_cast<std::uint8_t>(GetR(palette[i]));
  }
  for (int y = 0; y < bmp.Height(); ++y) {
    std::uint8_t* row = p + pixelOffset + static_cast<std::size_t>(bmp.Height() - 1 - y) * fileStride;
    std::memcpy(row, bmp.Scanline(y), rowBytes);
    // Bits past the width in the last byte of 1/4-bit rows are left as they
    // are in memory; clear them so that equal pictures give equal files.
    if (const std::size_t usedBits =
            static_cast<std::size_t>(bmp.Width()) * static_cast<std::size_t>(bpp) % 8)
      row[rowBytes - 1] = static_cast<std::uint8_t>(row[rowBytes - 1] & (0xFF00u >> usedBits));
  }
  return out;
}

}  // namespace gfx
