// Drawing and assignment of TPNGGraphic.
#include <algorithm>

#include "image/PictureBlend.h"
#include "image/SmoothStretch.h"
#include "image/acPNG.h"
#include "platform/gfx/Canvas.h"

namespace image {

void TPNGGraphic::Draw(gfx::Canvas& canvas, const gfx::Rect& rect) const {
  if (bitmap_.Empty() || rect.IsEmpty()) return;
  const int w = rect.Width(), h = rect.Height();
  const bool sameSize = w == bitmap_.Width() && h == bitmap_.Height();

  if (bitmap_.Format() != gfx::PixelFormat::Bgra32) {
    if (!sameSize)
      canvas.StretchDraw(rect, bitmap_, bitmap_.Bounds());
    else if (bitmap_.Transparent())
      canvas.DrawBitmapKeyed(rect.Left, rect.Top, bitmap_, bitmap_.Bounds(), bitmap_.TransparentColor());
    else
      canvas.DrawBitmap(rect.Left, rect.Top, bitmap_);
    return;
  }

  // Blend over a copy of what lies under the picture (and under its
  // reflection), then put the copy back.
  const int workHeight = h + (reflected_ ? h / 2 : 0);
  gfx::Bitmap work = gfx::NewBitmap24(w, workHeight);
  {
    gfx::Canvas workCanvas(work);
    workCanvas.CopyRect(0, 0, canvas, gfx::Rect::FromXYWH(rect.Left, rect.Top, w, workHeight));
  }
  if (sameSize) {
    AlphaBlendPicture(work, gfx::Rect::FromXYWH(0, 0, w, h), bitmap_, bitmap_.Bounds(), reflected_);
  } else {
    const gfx::Bitmap scaled = SmoothStretch32(bitmap_, w, h);
    AlphaBlendPicture(work, gfx::Rect::FromXYWH(0, 0, w, h), scaled, scaled.Bounds(), false);
  }
  canvas.DrawBitmap(rect.Left, rect.Top, work);
}

void TPNGGraphic::Assign(const gfx::Graphic& source) {
  if (&source == this) return;
  if (const auto* png = dynamic_cast<const TPNGGraphic*>(&source)) {
    *this = *png;
    return;
  }
  Reset();
  if (const gfx::Bitmap* b = source.AsBitmap()) {
    bitmap_ = *b;
  } else if (!source.Empty()) {
    bitmap_ = gfx::NewBitmap24(source.Width(), source.Height());
    bitmap_.FillBytes(0xFF);
    gfx::Canvas c(bitmap_);
    source.Draw(c, bitmap_.Bounds());
  }
  props_.Width = bitmap_.Width();
  props_.Height = bitmap_.Height();
}

}  // namespace image
