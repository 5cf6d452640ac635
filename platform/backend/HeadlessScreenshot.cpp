// Reading the virtual screen back: composition, areas, single pixels,
// surface images and PNG files.
#include <cstring>

#include "platform/backend/Compose.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/backend/ScreenCopy.h"
#include "platform/gfx/PngWriter.h"

namespace backend {

gfx::Bitmap HeadlessBackend::Compose(const gfx::Rect& area) const {
  gfx::Bitmap out(area.Width(), area.Height(), gfx::PixelFormat::Bgr24);
  for (int y = 0; y < out.Height(); ++y) {
    std::uint8_t* row = out.Scanline(y);
    for (int x = 0; x < out.Width(); ++x) {
      row[x * 3 + 0] = static_cast<std::uint8_t>(gfx::GetB(options_.Desktop));
      row[x * 3 + 1] = static_cast<std::uint8_t>(gfx::GetG(options_.Desktop));
      row[x * 3 + 2] = static_cast<std::uint8_t>(gfx::GetR(options_.Desktop));
    }
  }
  for (SurfaceId id : order_.BottomFirst()) {
    const Surface& s = Get(id);
    if (!s.Shown()) continue;
    BlendOnto(out, s.Pixels.Pixels(), {s.Bounds.Left - area.Left, s.Bounds.Top - area.Top}, s.Shape,
              options_.LayeredAvailable ? s.ConstantAlpha : 255, !options_.LayeredAvailable);
  }
  return out;
}

gfx::Bitmap HeadlessBackend::Screenshot() const {
  return Compose({0, 0, options_.ScreenSize.Width, options_.ScreenSize.Height});
}

gfx::Color HeadlessBackend::ScreenPixel(gfx::Point at) const {
  const gfx::Size size = options_.ScreenSize;
  if (at.X < 0 || at.Y < 0 || at.X >= size.Width || at.Y >= size.Height) return gfx::clBlack;
  return Compose({at.X, at.Y, at.X + 1, at.Y + 1}).PixelAt(0, 0);
}

gfx::Bitmap HeadlessBackend::CopyScreen(const gfx::Rect& rect) const {
  const gfx::Rect part = ScreenCopyPart(rect, options_.ScreenSize);
  if (rect.IsEmpty()) return {};
  gfx::Bitmap out = gfx::NewBitmap24(rect.Width(), rect.Height());  // black
  if (!part.IsEmpty()) {
    const gfx::Bitmap shown = Compose(part);
    const std::size_t bytes = static_cast<std::size_t>(part.Width()) * 3;
    for (int y = 0; y < shown.Height(); ++y)
      std::memcpy(out.Scanline(part.Top - rect.Top + y) + (part.Left - rect.Left) * 3, shown.Scanline(y),
                  bytes);
  }
  return out.ConvertTo(gfx::PixelFormat::Bgra32);
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
