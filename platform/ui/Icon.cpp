#include "platform/ui/Icon.h"

namespace ui {

Icon::Icon(const std::vector<gfx::Bitmap>& pictures) {
  for (const gfx::Bitmap& p : pictures) Add(p);
}

void Icon::Add(const gfx::Bitmap& picture) {
  if (picture.Empty()) return;
  pictures_.push_back(
      picture.Format() == gfx::PixelFormat::Bgra32 ? picture : picture.ConvertTo(gfx::PixelFormat::Bgra32));
}

const gfx::Bitmap* Icon::PictureFor(gfx::Size size) const {
  const gfx::Bitmap* larger = nullptr;
  const gfx::Bitmap* largest = nullptr;
  for (const gfx::Bitmap& p : pictures_) {
    if (p.Width() == size.Width && p.Height() == size.Height) return &p;
    bool covers = p.Width() >= size.Width && p.Height() >= size.Height;
    if (covers && (!larger || p.Width() * p.Height() < larger->Width() * larger->Height())) larger = &p;
    if (!largest || p.Width() * p.Height() > largest->Width() * largest->Height()) largest = &p;
  }
  return larger ? larger : largest;
}

void Icon::Draw(gfx::Canvas& canvas, const gfx::Rect& r) const {
  const gfx::Bitmap* p = PictureFor(r.GetSize());
  if (p && !r.IsEmpty()) canvas.AlphaBlendBitmap(r, *p, p->Bounds(), 255);
}

}  // namespace ui
