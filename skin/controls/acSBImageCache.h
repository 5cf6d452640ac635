// A skinned bar's image kept between paints. The bars are repainted after
// every timer message of their window (50 times a second while the pointer
// rests on one), mostly with nothing changed: the image is painted again
// only when something it is painted from differs from the last time. A bar
// over a background image is always painted again (the image's pixels may
// have changed); the skin's changes clear the cache.
#pragma once

#include "platform/gfx/Bitmap.h"
#include "platform/ui/Messages.h"
#include "skin/controls/acSBPaint.h"

namespace skin {

class BarImageCache {
 public:
  // The bar's image for `look`, painted only when needed.
  const gfx::Bitmap& Paint(const BarLook& look);
  void Clear() { valid_ = false; }

 private:
  bool Holds(const BarLook& look) const;

  gfx::Bitmap image_;
  BarScratch scratch_;
  BarLook look_;
  ui::ScrollInfo info_;
  int minThumb_ = 0;
  int barKind_ = 0;
  bool valid_ = false;
};

}  // namespace skin
