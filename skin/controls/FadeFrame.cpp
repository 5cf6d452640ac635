#include "skin/controls/FadeFrame.h"

#include <algorithm>
#include <exception>

#include "skin/paint/Blend.h"

namespace skin {

int FadeAlpha(std::int32_t stepIndex, std::int32_t stepCount) {
  if (stepCount <= 0) return 255;
  const std::int64_t a = 255 - (static_cast<std::int64_t>(stepIndex) * 256) / stepCount;
  return static_cast<int>(std::clamp<std::int64_t>(a, 0, 255));
}

namespace {

// Gives the frame the size and layout of `like` (24-bit), keeping its
// storage when it has them already. Its pixels are overwritten next.
void ShapeFrame(gfx::Bitmap& frame, const gfx::Bitmap& like) {
  if (frame.Format() != gfx::PixelFormat::Bgr24 || frame.GetSize() != like.GetSize() ||
      frame.Stride() != like.Stride())
    frame = gfx::Bitmap(like.Width(), like.Height(), gfx::PixelFormat::Bgr24,
                        like.Stride() < 0 ? gfx::RowOrder::BottomUp : gfx::RowOrder::TopDown);
  frame.SetTransparent(like.Transparent());
  frame.SetTransparentColor(like.TransparentColor());
}

}  // namespace

void ComposeFadeFrame(gfx::Bitmap& frame, const gfx::Bitmap& from, const gfx::Bitmap& cache, int a) {
  const bool blend = from.GetSize() == cache.GetSize() && from.Width() >= 2 && from.Height() >= 2 &&
                     cache.Format() == gfx::PixelFormat::Bgr24;
  try {
    if (blend && from.Format() == gfx::PixelFormat::Bgr24 && a > 0) {
      // One pass from the two images into the frame, no copy first.
      ShapeFrame(frame, from);
      FadeBitmapsInto(frame, from, cache, a);
      return;
    }
    // The last step shows the new image itself: the blend formula would give
    // new - 1 for bytes of 128 and above.
    const gfx::Bitmap& source = blend && a <= 0 ? cache : from;
    if (source.Format() == gfx::PixelFormat::Bgr24)
      frame = source;
    else
      frame = source.ConvertTo(gfx::PixelFormat::Bgr24);
  } catch (const std::exception&) {
    frame = gfx::Bitmap();
    return;
  }
  if (blend && a > 0) FadeBitmaps(frame, cache, a);
}

}  // namespace skin
