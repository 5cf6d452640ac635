// An in-memory raster. Rows are `Stride()` bytes apart; the stride may be
// negative (bottom-up storage), so every row access goes through Scanline().
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/gfx/Color.h"
#include "platform/gfx/Geometry.h"

namespace gfx {

enum class PixelFormat : std::uint8_t {
  Indexed1,  // 1 bit per pixel, palette, most significant bit first
  Indexed4,  // 4 bits per pixel, palette, high nibble first
  Indexed8,  // 8 bits per pixel, palette
  Gray8,     // 8 bits per pixel, 0 = black, 255 = white (coverage masks)
  Bgr24,     // blue, green, red
  Bgra32,    // blue, green, red, alpha; 255 = opaque; straight alpha
};

int BitsPerPixel(PixelFormat f);

enum class RowOrder : std::uint8_t { TopDown, BottomUp };

class Bitmap {
 public:
  // The largest bitmap we agree to allocate, in pixels per side and in bytes.
  // Anything bigger is a bug or hostile input, not a picture.
  static constexpr int kMaxSide = 32768;
  static constexpr std::size_t kMaxBytes = std::size_t{1} << 30;

  Bitmap() = default;
  // Rows are padded to a multiple of four bytes. Contents start zeroed.
  // Throws std::length_error for negative sizes or sizes over the limits.
  Bitmap(int width, int height, PixelFormat format, RowOrder order = RowOrder::TopDown);

  int Width() const { return width_; }
  int Height() const { return height_; }
  Size GetSize() const { return {width_, height_}; }
  Rect Bounds() const { return {0, 0, width_, height_}; }
  bool Empty() const { return width_ <= 0 || height_ <= 0; }
  PixelFormat Format() const { return format_; }
  std::ptrdiff_t Stride() const { return stride_; }
  // Bytes of pixel data per row, without padding.
  std::size_t RowBytes() const;

  std::uint8_t* Scanline(int y) { return data_.data() + row0_ + y * stride_; }
  const std::uint8_t* Scanline(int y) const { return data_.data() + row0_ + y * stride_; }

  // Palette of the indexed formats, as colour values 0x00BBGGRR.
  std::vector<Color>& Palette() { return palette_; }
  const std::vector<Color>& Palette() const { return palette_; }

  bool Transparent() const { return transparent_; }
  void SetTransparent(bool on) { transparent_ = on; }
  Color TransparentColor() const { return transparentColor_; }
  void SetTransparentColor(Color c) { transparentColor_ = c; }

  // Slow single-pixel access for tests and non-hot paths. Returns the colour
  // value 0x00BBGGRR; 32-bit pixels carry alpha in the high byte; indexed
  // pixels are looked up in the palette (missing entries read as black).
  // Out-of-range positions read as 0 and are not written.
  Color PixelAt(int x, int y) const;
  // Writes a colour value; for 32-bit the high byte is the alpha; for Gray8 the
  // red byte; for indexed formats the value is taken as a palette index.
  void SetPixelAt(int x, int y, Color value);

  // Fills every pixel byte (not the row padding) with `byte`.
  void FillBytes(std::uint8_t byte);

  // Returns a copy in another format. Supported: any format to Bgr24/Bgra32
  // (alpha 255 where the source has none), Bgra32 to Bgr24 (alpha dropped),
  // and same-format copies. Anything else throws std::invalid_argument.
  Bitmap ConvertTo(PixelFormat target) const;

 private:
  int width_ = 0;
  int height_ = 0;
  PixelFormat format_ = PixelFormat::Bgr24;
  std::ptrdiff_t stride_ = 0;
  std::size_t row0_ = 0;
  std::vector<std::uint8_t> data_;
  std::vector<Color> palette_;
  bool transparent_ = false;
  Color transparentColor_ = clFuchsia;
};

// A memory bitmap of 24 or 32 bits per pixel.
Bitmap NewBitmap24(int width, int height);
Bitmap NewBitmap32(int width, int height);

}  // namespace gfx
