#include "platform/gfx/Bitmap.h"

#include <cstring>
#include <stdexcept>

namespace gfx {

int BitsPerPixel(PixelFormat f) {
  switch (f) {
    case PixelFormat::Indexed1: return 1;
    case PixelFormat::Indexed4: return 4;
    case PixelFormat::Indexed8: return 8;
    case PixelFormat::Gray8: return 8;
    case PixelFormat::Bgr24: return 24;
    case PixelFormat::Bgra32: return 32;
  }
  return 0;
}

Bitmap::Bitmap(int width, int height, PixelFormat format, RowOrder order) : format_(format) {
  if (width < 0 || height < 0 || width > kMaxSide || height > kMaxSide)
    throw std::length_error("bitmap size out of range");
  const std::size_t strideBytes =
      ((static_cast<std::size_t>(width) * static_cast<std::size_t>(BitsPerPixel(format)) + 31) / 32) * 4;
  const std::size_t total = strideBytes * static_cast<std::size_t>(height);
  if (total > kMaxBytes) throw std::length_error("bitmap too large");
  width_ = width;
  height_ = height;
  data_.assign(total, 0);
  if (order == RowOrder::TopDown || height == 0) {
    stride_ = static_cast<std::ptrdiff_t>(strideBytes);
    row0_ = 0;
  } else {
    stride_ = -static_cast<std::ptrdiff_t>(strideBytes);
    row0_ = strideBytes * static_cast<std::size_t>(height - 1);
  }
}

std::size_t Bitmap::RowBytes() const {
  return (static_cast<std::size_t>(width_) * static_cast<std::size_t>(BitsPerPixel(format_)) + 7) / 8;
}

namespace {

int IndexAt(const std::uint8_t* row, int x, PixelFormat f) {
  switch (f) {
    case PixelFormat::Indexed1: return (row[x >> 3] >> (7 - (x & 7))) & 1;
    case PixelFormat::Indexed4: return (row[x >> 1] >> ((x & 1) ? 0 : 4)) & 0x0F;
    default: return row[x];
  }
}

Color PaletteColor(const std::vector<Color>& pal, int index) {
  return index < static_cast<int>(pal.size()) ? (pal[static_cast<std::size_t>(index)] & 0xFFFFFF) : clBlack;
}

}  // namespace

Color Bitmap::PixelAt(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
  const std::uint8_t* row = Scanline(y);
  switch (format_) {
    case PixelFormat::Bgr24: {
      const std::uint8_t* p = row + x * 3;
      return RGB(p[2], p[1], p[0]);
    }
    case PixelFormat::Bgra32: {
      const std::uint8_t* p = row + x * 4;
      return RGB(p[2], p[1], p[0]) | (static_cast<Color>(p[3]) << 24);
    }
    case PixelFormat::Gray8: return RGB(row[x], row[x], row[x]);
    default: return PaletteColor(palette_, IndexAt(row, x, format_));
  }
}

void Bitmap::SetPixelAt(int x, int y, Color value) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  std::uint8_t* row = Scanline(y);
  switch (format_) {
    case PixelFormat::Bgr24: {
      std::uint8_t* p = row + x * 3;
      p[0] = static_cast<std::uint8_t>(GetB(value));
      p[1] = static_cast<std::uint8_t>(GetG(value));
      p[2] = static_cast<std::uint8_t>(GetR(value));
      break;
    }
    case PixelFormat::Bgra32: {
      std::uint8_t* p = row + x * 4;
      p[0] = static_cast<std::uint8_t>(GetB(value));
      p[1] = static_cast<std::uint8_t>(GetG(value));
      p[2] = static_cast<std::uint8_t>(GetR(value));
      p[3] = static_cast<std::uint8_t>(value >> 24);
      break;
    }
    case PixelFormat::Gray8:
    case PixelFormat::Indexed8: row[x] = static_cast<std::uint8_t>(value & 0xFF); break;
    case PixelFormat::Indexed4: {
      const int shift = (x & 1) ? 0 : 4;
      std::uint8_t& b = row[x >> 1];
      b = static_cast<std::uint8_t>((b & ~(0x0F << shift)) | ((value & 0x0F) << shift));
      break;
    }
    case PixelFormat::Indexed1: {
      const int shift = 7 - (x & 7);
      std::uint8_t& b = row[x >> 3];
      b = static_cast<std::uint8_t>((b & ~(1 << shift)) | ((value & 1) << shift));
      break;
    }
  }
}

void Bitmap::FillBytes(std::uint8_t byte) {
  const std::size_t n = RowBytes();
  if (n == 0) return;  // a zero-width bitmap has no pixel memory to hand to memset
  for (int y = 0; y < height_; ++y) std::memset(Scanline(y), byte, n);
}

Bitmap Bitmap::ConvertTo(PixelFormat target) const {
  if (target == format_) return *this;
  if (target != PixelFormat::Bgr24 && target != PixelFormat::Bgra32)
    throw std::invalid_argument("unsupported bitmap format conversion");
  Bitmap out(width_, height_, target, stride_ < 0 ? RowOrder::BottomUp : RowOrder::TopDown);
  out.transparent_ = transparent_;
  out.transparentColor_ = transparentColor_;
  const int outBpp = target == PixelFormat::Bgr24 ? 3 : 4;

  // Palette formats go through a lookup table of ready pixels.
  std::uint8_t lut[256][4] = {};
  for (int i = 0; i < 256; ++i) {
    const Color c = format_ == PixelFormat::Gray8 ? RGB(i, i, i) : PaletteColor(palette_, i);
    lut[i][0] = static_cast<std::uint8_t>(GetB(c));
    lut[i][1] = static_cast<std::uint8_t>(GetG(c));
    lut[i][2] = static_cast<std::uint8_t>(GetR(c));
    lut[i][3] = 255;
  }

  for (int y = 0; y < height_; ++y) {
    const std::uint8_t* s = Scanline(y);
    std::uint8_t* d = out.Scanline(y);
    for (int x = 0; x < width_; ++x, d += outBpp) {
      switch (format_) {
        case PixelFormat::Bgr24:
          d[0] = s[x * 3];
          d[1] = s[x * 3 + 1];
          d[2] = s[x * 3 + 2];
          if (outBpp == 4) d[3] = 255;
          break;
        case PixelFormat::Bgra32:
          d[0] = s[x * 4];
          d[1] = s[x * 4 + 1];
          d[2] = s[x * 4 + 2];
          if (outBpp == 4) d[3] = s[x * 4 + 3];
          break;
        default: {
          const std::uint8_t* p = lut[IndexAt(s, x, format_)];
          std::memcpy(d, p, static_cast<std::size_t>(outBpp));
          break;
        }
      }
    }
  }
  return out;
}

Bitmap NewBitmap24(int width, int height) { return Bitmap(width, height, PixelFormat::Bgr24); }
Bitmap NewBitmap32(int width, int height) { return Bitmap(width, height, PixelFormat::Bgra32); }

}  // namespace gfx
