#include "platform/ui/controls/Image.h"

#include "platform/gfx/Canvas.h"

namespace ui {

void Picture::SetGraphic(std::unique_ptr<gfx::Graphic> g) {
  graphic_ = std::move(g);
  OnChange(nullptr);
}

void Picture::LoadFromBytes(std::string_view extension, std::span<const std::uint8_t> data) {
  std::unique_ptr<gfx::Graphic> g = gfx::PictureFormats::Create(extension);
  if (!g) throw gfx::EInvalidGraphic("Unknown picture file extension (." + std::string(extension) + ")");
  g->LoadFromBytes(data);
  SetGraphic(std::move(g));
}

Image::Image(Component* owner) : Control(owner) {
  SetControlStyle(ControlStyle() & ~(csClickEvents | csDoubleClicks));
  SetBounds(0, 0, 105, 105);
  SetParentColor(true);
  picture_.OnChange = NotifyEvent(this, &Image::PictureChanged);
  UpdateOpaque();
}

Image::~Image() { BeginDestruction(); }

void Image::PictureChanged(Component*) {
  UpdateOpaque();
  Invalidate();
}

void Image::UpdateOpaque() {
  const gfx::Graphic* g = picture_.Graphic();
  bool opaque = !transparent_ ||
                (g && !g->Transparent() && (stretch_ || (g->Width() >= Width() && g->Height() >= Height())));
  SetControlStyle(opaque ? ControlStyle() | csOpaque : ControlStyle() & ~csOpaque);
}

void Image::SetTransparent(bool on) {
  if (on == transparent_) return;
  transparent_ = on;
  UpdateOpaque();
  Invalidate();
}

void Image::SetStretch(bool on) {
  if (on == stretch_) return;
  stretch_ = on;
  UpdateOpaque();
  Invalidate();
}

void Image::SetCenter(bool on) {
  if (on == center_) return;
  center_ = on;
  Invalidate();
}

gfx::Rect Image::DestRect() const {
  int w = picture_.Width(), h = picture_.Height();
  if (stretch_) return {0, 0, Width(), Height()};
  if (center_) return gfx::Rect::FromXYWH((Width() - w) / 2, (Height() - h) / 2, w, h);
  return {0, 0, w, h};
}

void Image::WndProc(Message& msg) {
  if (msg.msg == WM_SIZE) UpdateOpaque();
  Control::WndProc(msg);
}

void Image::Paint(gfx::Canvas& canvas) {
  if (!transparent_) canvas.FillRect({0, 0, Width(), Height()}, gfx::ColorToRGB(Color()));
  const gfx::Graphic* g = picture_.Graphic();
  if (!g || g->Empty()) return;
  g->Draw(canvas, DestRect());
}

}  // namespace ui
