// Reading the X screen back: XGetImage of the root window, which shows what
// the user sees (with a compositing manager, its output).
#include <cstring>

#include "platform/backend/ScreenCopy.h"
#include "platform/backend/X11Backend.h"

namespace backend {

namespace {

// Reads the bits of `mask` from a pixel value as an 8-bit channel.
struct ChannelReader {
  explicit ChannelReader(unsigned long mask) {
    if (mask == 0) return;
    while (((mask >> shift) & 1) == 0) ++shift;
    max = mask >> shift;
    bits = mask;
  }
  std::uint8_t operator()(unsigned long pixel) const {
    if (max == 0) return 0;
    return static_cast<std::uint8_t>((((pixel & bits) >> shift) * 255 + max / 2) / max);
  }
  unsigned long bits = 0;
  unsigned long max = 0;
  int shift = 0;
};

// Copies `image` into the 24-bit `out` with its top-left corner at `at`.
// Masks missing from the image are taken from `visual`.
void CopyImage(XImage& image, const Visual& visual, gfx::Bitmap& out, gfx::Point at) {
  const unsigned long red = image.red_mask ? image.red_mask : visual.red_mask;
  const unsigned long green = image.green_mask ? image.green_mask : visual.green_mask;
  const unsigned long blue = image.blue_mask ? image.blue_mask : visual.blue_mask;
  // Depth 24 and 32 (ARGB) images of the usual layout: B, G, R, x bytes.
  const bool fast = image.bits_per_pixel == 32 && image.byte_order == LSBFirst && red == 0xFF0000 &&
                    green == 0xFF00 && blue == 0xFF;
  const ChannelReader r(red), g(green), b(blue);
  for (int y = 0; y < image.height; ++y) {
    std::uint8_t* row = out.Scanline(at.Y + y) + at.X * 3;
    if (fast) {
      const auto* in = reinterpret_cast<const std::uint8_t*>(image.data + y * image.bytes_per_line);
      for (int x = 0; x < image.width; ++x, in += 4, row += 3) std::memcpy(row, in, 3);
      continue;
    }
    for (int x = 0; x < image.width; ++x, row += 3) {
      const unsigned long p = XGetPixel(&image, x, y);
      row[0] = b(p);
      row[1] = g(p);
      row[2] = r(p);
    }
  }
}

}  // namespace

gfx::Bitmap X11Backend::CopyScreen(const gfx::Rect& rect) const {
  const gfx::Rect part = ScreenCopyPart(rect, ScreenSize());
  if (rect.IsEmpty()) return {};
  gfx::Bitmap out = gfx::NewBitmap24(rect.Width(), rect.Height());  // black
  if (!part.IsEmpty()) {
    Display* d = x_.Get();
    // The root may have changed size since we asked: a rectangle that leaves
    // it is a BadMatch, which then just leaves the copy black.
    X11ErrorTrap trap(d);
    XImage* image = XGetImage(d, x_.Root(), part.Left, part.Top, static_cast<unsigned>(part.Width()),
                              static_cast<unsigned>(part.Height()), AllPlanes, ZPixmap);
    const bool failed = trap.Failed();
    if (image && !failed && image->width == part.Width() && image->height == part.Height())
      CopyImage(*image, *DefaultVisual(d, x_.Screen()), out, {part.Left - rect.Left, part.Top - rect.Top});
    if (image) XDestroyImage(image);
  }
  return out.ConvertTo(gfx::PixelFormat::Bgra32);
}

}  // namespace backend
