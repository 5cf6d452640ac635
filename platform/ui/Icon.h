// A window icon: one image at several sizes (typically 16x16 and 32x32), each
// a 32-bit picture with straight alpha. Forms draw it in the caption and hand
// it to the window system for task bars and switchers.
#pragma once

#include <vector>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"

namespace ui {

class Icon {
 public:
  Icon() = default;
  // Empty pictures are skipped; the others are kept as 32 bits.
  explicit Icon(const std::vector<gfx::Bitmap>& pictures);

  void Add(const gfx::Bitmap& picture);
  void Clear() { pictures_.clear(); }
  bool Empty() const { return pictures_.empty(); }
  const std::vector<gfx::Bitmap>& Pictures() const { return pictures_; }

  // The picture to show at `size`: one of that size, else the smallest
  // larger one, else the largest; null when the icon is empty.
  const gfx::Bitmap* PictureFor(gfx::Size size) const;
  // Draws the icon scaled into `r`, blended over the canvas by its alpha.
  void Draw(gfx::Canvas& canvas, const gfx::Rect& r) const;

 private:
  std::vector<gfx::Bitmap> pictures_;
};

}  // namespace ui
