#include "platform/ui/controls/NotifyBitmap.h"

namespace ui {

void NotifyBitmap::Assign(const gfx::Bitmap& bitmap) {
  bitmap_ = bitmap;
  Changed();
}

void NotifyBitmap::Assign(gfx::Bitmap&& bitmap) {
  bitmap_ = std::move(bitmap);
  Changed();
}

void NotifyBitmap::Clear() {
  if (bitmap_.Empty()) return;
  bitmap_ = gfx::Bitmap();
  Changed();
}

}  // namespace ui
