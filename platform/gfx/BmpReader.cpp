#include "platform/gfx/BmpReader.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace gfx {

namespace {

constexpr std::size_t kFileHeaderSize = 14;

enum Compression : std::uint32_t {
  kBiRgb = 0,
  kBiRle8 = 1,
  kBiRle4 = 2,
  kBiBitfields = 3,
  kBiJpeg = 4,
  kBiPng = 5,
  kBiAlphaBitfields = 6,
};

[[noreturn]] void Fail(const std::string& what) { throw ImageError("BMP: " + what); }

std::uint16_t U16(std::span<const std::uint8_t> d, std::size_t at) {
  return static_cast<std::uint16_t>(d[at] | (d[at + 1] << 8));
}
std::uint32_t U32(std::span<const std::uint8_t> d, std::size_t at) {
  return static_cast<std::uint32_t>(d[at]) | (static_cast<std::uint32_t>(d[at + 1]) << 8) |
         (static_cast<std::uint32_t>(d[at + 2]) << 16) | (static_cast<std::uint32_t>(d[at + 3]) << 24);
}

// One colour channel of a bitfield mask: where it sits and how to widen it.
struct Channel {
  std::uint32_t mask = 0;
  int shift = 0;
  std::uint32_t max = 0;  // largest value of the field; 0 for an absent channel

  static Channel From(std::uint32_t mask, int bitsPerPixel, const char* name) {
    Channel c;
    if (mask == 0) return c;
    if (bitsPerPixel < 32 && (mask >> bitsPerPixel) != 0)
      Fail(std::string(name) + " mask has bits beyond the " + std::to_string(bitsPerPixel) + "-bit pixel");
    c.mask = mask;
    c.shift = std::countr_zero(mask);
    const std::uint32_t field = mask >> c.shift;
    if ((field & (field + 1)) != 0) Fail(std::string(name) + " mask is not contiguous");
    c.max = field;
    return c;
  }

  // The field of pixel `p` scaled to 0..255 with rounding; `absent` when
  // there is no such channel.
  std::uint8_t Get(std::uint32_t p, std::uint8_t absent) const {
    if (max == 0) return absent;
    const std::uint64_t v = (p & mask) >> shift;
    return static_cast<std::uint8_t>((v * 255 + max / 2) / max);
  }
};

struct Header {
  std::uint32_t headerSize = 0;
  std::int64_t width = 0;
  std::int64_t height = 0;  // negative: top-down
  int bitCount = 0;
  std::uint32_t compression = kBiRgb;
  std::uint32_t colorsUsed = 0;
  std::uint32_t masks[4] = {0, 0, 0, 0};  // red, green, blue, alpha
  std::size_t headersEnd = 0;             // first byte after headers and separate masks
  std::size_t paletteEntrySize = 4;
};

const char* CompressionName(std::uint32_t c) {
  switch (c) {
    case kBiJpeg: return "JPEG";
    case kBiPng: return "PNG";
    default: return nullptr;
  }
}

Header ParseHeader(std::span<const std::uint8_t> d) {
  if (d.size() < kFileHeaderSize + 4)
    Fail("file too short for a bitmap header (" + std::to_string(d.size()) + " bytes)");
  if (d[0] != 'B' || d[1] != 'M') Fail("not a bitmap file (no \"BM\" signature)");
  Header h;
  h.headerSize = U32(d, 14);
  const std::size_t at = kFileHeaderSize;
  switch (h.headerSize) {
    case 12:
    case 40:
    case 52:
    case 56:
    case 108:
    case 124: break;
    default: Fail("unsupported bitmap header size " + std::to_string(h.headerSize));
  }
  if (d.size() < at + h.headerSize)
    Fail("file ends inside the " + std::to_string(h.headerSize) + "-byte bitmap header");

  if (h.headerSize == 12) {
    h.width = U16(d, at + 4);
    h.height = U16(d, at + 6);
    h.bitCount = U16(d, at + 10);
    h.paletteEntrySize = 3;
    if (h.bitCount != 1 && h.bitCount != 4 && h.bitCount != 8 && h.bitCount != 24)
      Fail("unsupported bit count " + std::to_string(h.bitCount) + " in a core header");
    h.headersEnd = at + h.headerSize;
    return h;
  }

  h.width = static_cast<std::int32_t>(U32(d, at + 4));
  h.height = static_cast<std::int32_t>(U32(d, at + 8));
  h.bitCount = U16(d, at + 14);
  h.compression = U32(d, at + 16);
  h.colorsUsed = U32(d, at + 32);
  h.headersEnd = at + h.headerSize;

  if (const char* name = CompressionName(h.compression))
    Fail(std::string(name) + " compression is not supported");
  if (h.compression > kBiAlphaBitfields) Fail("unknown compression " + std::to_string(h.compression));
  switch (h.bitCount) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32: break;
    default: Fail("unsupported bit count " + std::to_string(h.bitCount));
  }

  if (h.compression == kBiRle8 && h.bitCount != 8)
    Fail("RLE8 compression needs 8 bits per pixel, not " + std::to_string(h.bitCount));
  if (h.compression == kBiRle4 && h.bitCount != 4)
    Fail("RLE4 compression needs 4 bits per pixel, not " + std::to_string(h.bitCount));
  if ((h.compression == kBiRle8 || h.compression == kBiRle4) && h.height < 0)
    Fail("run-length compressed bitmaps cannot be stored top-down");

  if (h.compression == kBiBitfields || h.compression == kBiAlphaBitfields) {
    if (h.bitCount != 16 && h.bitCount != 32)
      Fail("bitfields need 16 or 32 bits per pixel, not " + std::to_string(h.bitCount));
    const int count = h.compression == kBiAlphaBitfields ? 4 : 3;
    // A 40-byte header is followed by the masks; larger headers hold them.
    std::size_t maskAt = at + 40;
    if (h.headerSize == 40) {
      if (d.size() < maskAt + 4 * static_cast<std::size_t>(count)) Fail("file ends inside the colour masks");
      h.headersEnd = maskAt + 4 * static_cast<std::size_t>(count);
    }
    const int inHeader = h.headerSize == 40 ? count : (h.headerSize >= 56 ? 4 : 3);
    for (int i = 0; i < inHeader; ++i) h.masks[i] = U32(d, maskAt + 4 * static_cast<std::size_t>(i));
  }
  return h;
}

void CheckSize(const Header& h) {
  const std::int64_t absHeight = h.height < 0 ? -h.height : h.height;
  if (h.width <= 0 || absHeight == 0)
    Fail("invalid size " + std::to_string(h.width) + " x " + std::to_string(h.height));
  if (h.width > kMaxImageSide || absHeight > kMaxImageSide)
    Fail("size " + std::to_string(h.width) + " x " + std::to_string(absHeight) + " exceeds the limit of " +
         std::to_string(kMaxImageSide) + " pixels per side");
}

std::vector<Color> ReadPalette(std::span<const std::uint8_t> d, const Header& h, std::size_t pixelOffset) {
  std::vector<Color> palette;
  if (h.bitCount > 8) return palette;
  const std::size_t full = std::size_t{1} << h.bitCount;
  std::size_t count = h.colorsUsed == 0 ? full : h.colorsUsed;
  if (count > full)
    Fail("palette of " + std::to_string(h.colorsUsed) + " colours is too big for " +
         std::to_string(h.bitCount) + " bits per pixel");
  const std::size_t room = (pixelOffset - h.headersEnd) / h.paletteEntrySize;
  if (count > room) {
    // An implied full palette may be shortened by the writer; an explicit count must fit.
    if (h.colorsUsed != 0 || room == 0)
      Fail("palette of " + std::to_string(count) + " colours overlaps the pixel data");
    count = room;
  }
  palette.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t p = h.headersEnd + i * h.paletteEntrySize;
    palette.push_back(RGB(d[p + 2], d[p + 1], d[p]));
  }
  return palette;
}

void PutIndex(Bitmap& bmp, int x, int y, int index) {
  if (x < bmp.Width() && y < bmp.Height()) bmp.SetPixelAt(x, bmp.Height() - 1 - y, static_cast<Color>(index));
}

// Decodes RLE8 or RLE4 data into a bottom-up indexed bitmap. Runs and
// deltas that reach past the picture are clipped; pixels that the data skips
// stay at index 0. Every step consumes input and only pixels inside the
// picture are visited, so time is bounded by the data plus the picture size.
void DecodeRle(std::span<const std::uint8_t> src, bool four, Bitmap& bmp) {
  const int width = bmp.Width(), height = bmp.Height();
  std::size_t at = 0;
  int x = 0, y = 0;  // y counts rows from the bottom
  auto need = [&](std::size_t n) {
    if (src.size() - at < n) Fail("run-length data ends before the end-of-bitmap marker");
  };
  while (y < height) {
    need(2);
    const int count = src[at], value = src[at + 1];
    at += 2;
    if (count > 0) {
      for (int i = 0; i < std::min(count, width - x); ++i)
        PutIndex(bmp, x + i, y, four ? ((i & 1) ? value & 0x0F : value >> 4) : value);
      x = std::min(x + count, width);
      continue;
    }
    switch (value) {
      case 0:  // end of line
        x = 0;
        ++y;
        break;
      case 1:  // end of bitmap
        return;
      case 2: {  // delta
        need(2);
        x += src[at];
        y += src[at + 1];
        at += 2;
        break;
      }
      default: {  // absolute run of `value` pixels, padded to a 16-bit boundary
        const std::size_t bytes =
            four ? (static_cast<std::size_t>(value) + 1) / 2 : static_cast<std::size_t>(value);
        need(bytes);
        for (int i = 0; i < std::min(value, width - x); ++i) {
          const int b = src[at + static_cast<std::size_t>(four ? i / 2 : i)];
          PutIndex(bmp, x + i, y, four ? ((i & 1) ? b & 0x0F : b >> 4) : b);
        }
        x += value;
        at += bytes + (bytes & 1);
        if (at > src.size()) at = src.size();
        break;
      }
    }
    x = std::min(x, width);  // nothing lands past the edge; keeps x from growing
  }
}

PixelFormat OutputFormat(const Header& h, bool hasAlpha) {
  switch (h.bitCount) {
    case 1: return PixelFormat::Indexed1;
    case 4: return PixelFormat::Indexed4;
    case 8: return PixelFormat::Indexed8;
    case 16: return hasAlpha ? PixelFormat::Bgra32 : PixelFormat::Bgr24;
    case 24: return PixelFormat::Bgr24;
    default: return PixelFormat::Bgra32;
  }
}

}  // namespace

Bitmap ReadBmp(std::span<const std::uint8_t> d) {
  const Header h = ParseHeader(d);
  CheckSize(h);

  const std::size_t pixelOffset = U32(d, 10);
  if (pixelOffset < h.headersEnd)
    Fail("pixel data offset " + std::to_string(pixelOffset) + " lies inside the headers");
  if (pixelOffset > d.size())
    Fail("pixel data offset " + std::to_string(pixelOffset) + " is beyond the end of the file (" +
         std::to_string(d.size()) + " bytes)");

  std::vector<Color> palette = ReadPalette(d, h, pixelOffset);

  const int width = static_cast<int>(h.width);
  const bool topDown = h.height < 0;
  const int height = static_cast<int>(topDown ? -h.height : h.height);
  const std::size_t bpp = static_cast<std::size_t>(h.bitCount);
  const std::size_t rowBits = static_cast<std::size_t>(width) * bpp;
  const std::size_t fileStride = (rowBits + 31) / 32 * 4;
  const std::size_t rowBytes = (rowBits + 7) / 8;
  // Masks: explicit bitfields, or the fixed layouts of plain data.
  const bool bitfields = h.compression == kBiBitfields || h.compression == kBiAlphaBitfields;
  std::uint32_t masks[4] = {h.masks[0], h.masks[1], h.masks[2], h.masks[3]};
  if (!bitfields && h.bitCount == 16) {
    masks[0] = 0x7C00;
    masks[1] = 0x03E0;
    masks[2] = 0x001F;
    masks[3] = 0;
  }
  Channel ch[4];
  if (h.bitCount == 16 || (bitfields && h.bitCount == 32)) {
    static const char* const kNames[4] = {"red", "green", "blue", "alpha"};
    for (int i = 0; i < 4; ++i) ch[i] = Channel::From(masks[i], h.bitCount, kNames[i]);
  }
  const bool hasAlpha = ch[3].max != 0 || h.bitCount == 32;

  const PixelFormat format = OutputFormat(h, hasAlpha);
  const std::uint64_t outBytes =
      (static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(BitsPerPixel(format)) + 31) / 32 * 4 *
      static_cast<std::uint64_t>(height);
  if (outBytes > kMaxImageBytes)
    Fail("image of " + std::to_string(width) + " x " + std::to_string(height) + " pixels needs " +
         std::to_string(outBytes) + " bytes, over the limit of " + std::to_string(kMaxImageBytes));

  const bool rle = h.compression == kBiRle8 || h.compression == kBiRle4;
  // The last row's padding may be missing; everything else must be there.
  const std::size_t needed = fileStride * static_cast<std::size_t>(height - 1) + rowBytes;
  if (!rle && d.size() - pixelOffset < needed)
    Fail("pixel data truncated: " + std::to_string(needed) + " bytes needed at offset " +
         std::to_string(pixelOffset) + ", file has " + std::to_string(d.size()) + " bytes");

  Bitmap bmp(width, height, format, topDown ? RowOrder::TopDown : RowOrder::BottomUp);
  bmp.Palette() = std::move(palette);

  if (rle) {
    DecodeRle(d.subspan(pixelOffset), h.compression == kBiRle4, bmp);
    return bmp;
  }

  const std::uint8_t* base = d.data() + pixelOffset;
  for (int fileRow = 0; fileRow < height; ++fileRow) {
    const std::uint8_t* s = base + static_cast<std::size_t>(fileRow) * fileStride;
    std::uint8_t* out = bmp.Scanline(topDown ? fileRow : height - 1 - fileRow);
    if (h.bitCount <= 8 || h.bitCount == 24 || (h.bitCount == 32 && !bitfields)) {
      std::memcpy(out, s, rowBytes);
    } else if (h.bitCount == 16) {
      const int outBpp = hasAlpha ? 4 : 3;
      for (int x = 0; x < width; ++x, s += 2, out += outBpp) {
        const std::uint32_t p = static_cast<std::uint32_t>(s[0] | (s[1] << 8));
        out[0] = ch[2].Get(p, 0);
        out[1] = ch[1].Get(p, 0);
        out[2] = ch[0].Get(p, 0);
        if (hasAlpha) out[3] = ch[3].Get(p, 255);
      }
    } else {
      for (int x = 0; x < width; ++x, s += 4, out += 4) {
        const std::uint32_t p = static_cast<std::uint32_t>(s[0]) | (static_cast<std::uint32_t>(s[1]) << 8) |
                                (static_cast<std::uint32_t>(s[2]) << 16) |
                                (static_cast<std::uint32_t>(s[3]) << 24);
        out[0] = ch[2].Get(p, 0);
        out[1] = ch[1].Get(p, 0);
        out[2] = ch[0].Get(p, 0);
        out[3] = ch[3].Get(p, 255);
      }
    }
  }
  return bmp;
}

}  // namespace gfx
