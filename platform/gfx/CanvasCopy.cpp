// Block copies, keyed copies, stretching and alpha blending onto a canvas.
#include "platform/gfx/Blit.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/PixelOps.h"

namespace gfx {

void Canvas::CopyRect(const Rect& dst, const Canvas& src, const Rect& srcRect) {
  const Rect s = srcRect.Offset(src.st_.Origin.X, src.st_.Origin.Y);
  Damage(blit::Stretch(*target_, st_.Clip, ToDevice(dst), *src.target_, s));
}

void Canvas::CopyRect(int x, int y, const Canvas& src, const Rect& srcRect) {
  const Rect s = srcRect.Offset(src.st_.Origin.X, src.st_.Origin.Y);
  Damage(blit::Copy(*target_, st_.Clip, {x + st_.Origin.X, y + st_.Origin.Y}, *src.target_, s));
}

void Canvas::DrawBitmap(int x, int y, const Bitmap& src, const Rect& srcRect) {
  Damage(blit::Copy(*target_, st_.Clip, {x + st_.Origin.X, y + st_.Origin.Y}, src, srcRect));
}

void Canvas::DrawBitmapKeyed(int x, int y, const Bitmap& src, const Rect& srcRect, gfx::Color key) {
  blit::Options opt;
  opt.How = blit::Mode::Keyed;
  opt.Key = ColorToRGB(key) & 0xFFFFFF;
  Damage(blit::Copy(*target_, st_.Clip, {x + st_.Origin.X, y + st_.Origin.Y}, src, srcRect, opt));
}

void Canvas::StretchDraw(const Rect& dst, const Bitmap& src, const Rect& srcRect) {
  Damage(blit::Stretch(*target_, st_.Clip, ToDevice(dst), src, srcRect));
}

void Canvas::StretchCopy(const Rect& dst, const Canvas& src, const Rect& srcRect) {
  CopyRect(dst, src, srcRect);
}

void Canvas::AlphaBlendBitmap(const Rect& dst, const Bitmap& src, const Rect& srcRect,
                              std::uint8_t constantAlpha) {
  blit::Options opt;
  opt.How = blit::Mode::Blend;
  opt.ConstantAlpha = constantAlpha;
  Damage(blit::Stretch(*target_, st_.Clip, ToDevice(dst), src, srcRect, opt));
}

}  // namespace gfx
