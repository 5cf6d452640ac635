#include "game/standin/Picture.h"

namespace game::standin {

Picture::Picture(ui::Component* owner) : ui::Control(owner) {}

void Picture::SetBitmap(gfx::Bitmap bitmap) {
  bitmap_ = std::move(bitmap);
  Invalidate();
}

void Picture::Paint(gfx::Canvas& canvas) {
  if (bitmap_.Empty()) return;
  gfx::Rect dst = gfx::Rect::FromXYWH(0, 0, bitmap_.Width(), bitmap_.Height());
  if (bitmap_.Format() == gfx::PixelFormat::Bgra32)
    canvas.AlphaBlendBitmap(dst, bitmap_, bitmap_.Bounds(), 255);
  else
    canvas.DrawBitmap(0, 0, bitmap_);
}

}  // namespace game::standin
