#include "tools/artgen/Sheet.h"

#include <algorithm>

namespace artgen {

void Sheet::Add(const gfx::Bitmap& picture, int zoom) {
  items_.push_back({picture, zoom, x_ + kGap, y_ + kGap});
  x_ += picture.Width() * zoom + kGap;
  rowHeight_ = std::max(rowHeight_, picture.Height() * zoom + kGap);
}

void Sheet::NewRow() {
  x_ = 0;
  y_ += rowHeight_;
  rowHeight_ = 0;
}

gfx::Bitmap Sheet::Compose() const {
  int w = 1, h = 1;
  for (const Item& it : items_) {
    w = std::max(w, it.x + it.picture.Width() * it.zoom + kGap);
    h = std::max(h, it.y + it.picture.Height() * it.zoom + kGap);
  }
  gfx::Bitmap out = gfx::NewBitmap24(w, h);
  // Left half a light panel grey, right half a dark one, to judge both.
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x)
      out.SetPixelAt(x, y, y < h / 2 ? gfx::RGB(212, 208, 200) : gfx::RGB(60, 64, 72));
  }
  for (const Item& it : items_) {
    for (int y = 0; y < it.picture.Height() * it.zoom; ++y) {
      for (int x = 0; x < it.picture.Width() * it.zoom; ++x) {
        const gfx::Color s = it.picture.PixelAt(x / it.zoom, y / it.zoom);
        const gfx::Color d = out.PixelAt(it.x + x, it.y + y);
        const int a = static_cast<int>(s >> 24);
        const auto mix = [a](int src, int dst) { return (src * a + dst * (255 - a) + 127) / 255; };
        out.SetPixelAt(it.x + x, it.y + y,
                       gfx::RGB(mix(gfx::GetR(s), gfx::GetR(d)), mix(gfx::GetG(s), gfx::GetG(d)),
                                mix(gfx::GetB(s), gfx::GetB(d))));
      }
    }
  }
  return out;
}

}  // namespace artgen
