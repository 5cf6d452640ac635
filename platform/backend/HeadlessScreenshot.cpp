// Reading the virtual screen back: composition, single pixels, surface
// images and PNG files.
#include "platform/backend/Compose.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/gfx/PngWriter.h"

namespace backend {

gfx::Bitmap HeadlessBackend::Screenshot() const {
  const gfx::Size size = options_.ScreenSize;
  gfx::Bitmap screen(size.Width, size.Height, gfx::PixelFormat::Bgr24);
  for (int y = 0; y < size.Height; ++y) {
    std::uint8_t* row = screen.Scanline(y);
    for (int x = 0; x < size.Width; ++x) {
      row[x * 3 + 0] = static_cast<std::uint8_t>(gfx::GetB(options_.Desktop));
      row[x * 3 + 1] = static_cast<std::uint8_t>(gfx::GetG(options_.Desktop));
      row[x * 3 + 2] = static_cast<std::uint8_t>(gfx::GetR(options_.Desktop));
    }
  }
  for (SurfaceId id : order_.BottomFirst()) {
    const Surface& s = Get(id);
    if (!s.Shown()) continue;
    BlendOnto(screen, s.Pixels.Pixels(), s.Bounds.TopLeft(), s.Shape,
              options_.LayeredAvailable ? s.ConstantAlpha : 255, !options_.LayeredAvailable);
  }
  return screen;
}

gfx::Color HeadlessBackend::ScreenPixel(gfx::Point at) const {
  const gfx::Size size = options_.ScreenSize;
  if (at.X < 0 || at.Y < 0 || at.X >= size.Width || at.Y >= size.Height) return gfx::clBlack;
  gfx::Bitmap pixel(1, 1, gfx::PixelFormat::Bgr24);
  pixel.SetPixelAt(0, 0, options_.Desktop);
  for (SurfaceId id : order_.BottomFirst()) {
    const Surface& s = Get(id);
    if (!s.Shown() || !s.Bounds.Contains(at)) continue;
    BlendOnto(pixel, s.Pixels.Pixels(), {s.Bounds.Left - at.X, s.Bounds.Top - at.Y}, s.Shape,
              options_.LayeredAvailable ? s.ConstantAlpha : 255, !options_.LayeredAvailable);
  }
  return pixel.PixelAt(0, 0);
}

gfx::Bitmap HeadlessBackend::SurfaceImage(SurfaceId id) const {
  const Surface& s = Get(id);
  gfx::Bitmap image = s.Pixels.Pixels();
  const bool layered = options_.LayeredAvailable;
  for (int y = 0; y < image.Height(); ++y) {
    std::uint8_t* row = image.Scanline(y);
    for (int x = 0; x < image.Width(); ++x) {
      std::uint8_t& a = row[x * 4 + 3];
      if (!s.InShape({x, y}))
        a = 0;
      else
        a = layered ? static_cast<std::uint8_t>(MulDiv255(a, s.ConstantAlpha)) : 255;
    }
  }
  return image;
}

void HeadlessBackend::SaveScreenshot(const std::string& path) const { gfx::SavePng(Screenshot(), path); }

void HeadlessBackend::SaveSurfaceScreenshot(SurfaceId id, const std::string& path) const {
  gfx::SavePng(SurfaceImage(id), path);
}

}  // namespace backend
