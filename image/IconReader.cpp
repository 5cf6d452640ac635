#include "image/IconReader.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "image/GraphicErrors.h"
#include "image/acPNG.h"
#include "platform/gfx/BmpReader.h"

namespace image {

namespace {

[[noreturn]] void Fail() { throw EInvalidGraphic(FormatMessage(gesInvalidImage, "ICO")); }

std::uint32_t LE32(const std::uint8_t* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
unsigned LE16(const std::uint8_t* p) { return p[0] | (p[1] << 8); }
void PutLE32(std::uint8_t* p, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

struct Entry {
  int Width, Height, Bits;
  std::span<const std::uint8_t> Data;
};

// A DIB entry: the colour part through the BMP reader (as a file with the
// height halved), then the AND mask where the picture carries no alpha.
gfx::Bitmap ReadDib(std::span<const std::uint8_t> dib) {
  if (dib.size() < 40) Fail();
  const std::uint32_t headerSize = LE32(dib.data());
  if (headerSize < 40 || headerSize > dib.size()) Fail();
  const std::int32_t width = static_cast<std::int32_t>(LE32(dib.data() + 4));
  const std::int32_t doubled = static_cast<std::int32_t>(LE32(dib.data() + 8));
  const unsigned bits = LE16(dib.data() + 14);
  const std::uint32_t compression = LE32(dib.data() + 16);
  const std::uint32_t colorsUsed = LE32(dib.data() + 32);
  if (width <= 0 || doubled <= 1 || width > kPngMaxSide || doubled / 2 > kPngMaxSide || compression != 0)
    Fail();
  const int height = doubled / 2;
  const std::size_t paletteEntries =
      bits <= 8 ? (colorsUsed != 0 && colorsUsed <= (1u << bits) ? colorsUsed : 1u << bits) : 0;
  const std::size_t pixelOffset = headerSize + paletteEntries * 4;

  std::vector<std::uint8_t> file(14 + dib.size());
  file[0] = 'B';
  file[1] = 'M';
  PutLE32(&file[2], static_cast<std::uint32_t>(file.size()));
  PutLE32(&file[10], static_cast<std::uint32_t>(14 + pixelOffset));
  std::memcpy(&file[14], dib.data(), dib.size());
  PutLE32(&file[14 + 8], static_cast<std::uint32_t>(height));
  gfx::Bitmap colour = gfx::ReadBmp(file);
  gfx::Bitmap out = colour.ConvertTo(gfx::PixelFormat::Bgra32);

  bool hasAlpha = false;
  if (colour.Format() == gfx::PixelFormat::Bgra32)
    for (int y = 0; y < out.Height() && !hasAlpha; ++y)
      for (int x = 0; x < out.Width(); ++x)
        if (out.Scanline(y)[x * 4 + 3] != 0) {
          hasAlpha = true;
          break;
        }
  if (hasAlpha) return out;

  // The AND mask follows the colour rows, bottom-up, 1 bit per pixel: 1 = transparent.
  const std::size_t colourStride = (static_cast<std::size_t>(width) * bits + 31) / 32 * 4;
  const std::size_t maskStride = (static_cast<std::size_t>(width) + 31) / 32 * 4;
  const std::size_t maskOffset = pixelOffset + colourStride * static_cast<std::size_t>(height);
  const bool haveMask =
      maskOffset <= dib.size() && maskStride * static_cast<std::size_t>(height) <= dib.size() - maskOffset;
  for (int y = 0; y < out.Height(); ++y) {
    std::uint8_t* p = out.Scanline(y);
    const std::uint8_t* m =
        haveMask ? dib.data() + maskOffset + maskStride * static_cast<std::size_t>(out.Height() - 1 - y)
                 : nullptr;
    for (int x = 0; x < out.Width(); ++x) {
      const bool clear = m && ((m[x >> 3] >> (7 - (x & 7))) & 1);
      p[x * 4 + 3] = clear ? 0 : 255;
    }
  }
  return out;
}

}  // namespace

gfx::Bitmap ReadIcon(std::span<const std::uint8_t> data, gfx::Size wanted) {
  if (data.size() < 6 || LE16(data.data()) != 0 || (LE16(data.data() + 2) != 1 && LE16(data.data() + 2) != 2))
    Fail();
  const std::size_t count = LE16(data.data() + 4);
  if (count == 0 || 6 + count * 16 > data.size()) Fail();
  std::vector<Entry> entries;
  for (std::size_t i = 0; i < count; ++i) {
    const std::uint8_t* e = data.data() + 6 + i * 16;
    const std::uint32_t size = LE32(e + 8), offset = LE32(e + 12);
    if (offset > data.size() || size > data.size() - offset) Fail();
    entries.push_back({e[0] == 0 ? 256 : e[0], e[1] == 0 ? 256 : e[1], static_cast<int>(LE16(e + 6)),
                       data.subspan(offset, size)});
  }
  // The wanted size first, then the largest; among equals the deepest colour.
  auto better = [&wanted](const Entry& a, const Entry& b) {
    const bool aw = a.Width == wanted.Width && a.Height == wanted.Height;
    const bool bw = b.Width == wanted.Width && b.Height == wanted.Height;
    if (aw != bw) return aw;
    if (a.Width * a.Height != b.Width * b.Height) return a.Width * a.Height > b.Width * b.Height;
    return a.Bits > b.Bits;
  };
  const Entry& best = *std::min_element(entries.begin(), entries.end(), better);

  static constexpr std::uint8_t kPngSignature[4] = {0x89, 'P', 'N', 'G'};
  if (best.Data.size() >= 4 && std::memcmp(best.Data.data(), kPngSignature, 4) == 0) {
    TPNGGraphic png;
    png.LoadFromBytes(best.Data);
    const gfx::Bitmap& b = png.Bitmap();
    return b.Format() == gfx::PixelFormat::Bgra32 ? b : b.ConvertTo(gfx::PixelFormat::Bgra32);
  }
  return ReadDib(best.Data);
}

}  // namespace image
