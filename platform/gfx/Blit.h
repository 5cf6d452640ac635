// Clipped 1:1 and scaled pixel transfer between bitmaps, with format
// conversion. Internal to gfx: the Canvas copy operations are built on it.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Region.h"

namespace gfx::blit {

// How a copied pixel is written.
enum class Mode : std::uint8_t {
  Copy,   // replace (24 -> 32 writes alpha 255, 32 -> 32 copies alpha)
  Keyed,  // as Copy, but source pixels whose colour bytes equal the key are skipped
  Blend,  // source alpha (255 for non-32-bit sources) times a constant blends over
};

struct Options {
  Mode How = Mode::Copy;
  std::uint32_t Key = 0;             // 0x00BBGGRR, for Keyed
  std::uint8_t ConstantAlpha = 255;  // for Blend
};

// Copies `srcRect` of `src` to device position `at` of `dst`, inside `clip`.
// The source rectangle is cut to the source bitmap (the destination moves
// with a cut left or top edge). Palette sources are converted first. Returns
// the device rectangle written (bounding box), or an empty one.
Rect Copy(Bitmap& dst, const Region& clip, Point at, const Bitmap& src, const Rect& srcRect,
          const Options& opt = {});

// Scales `srcRect` of `src` onto the device rectangle `dstRect` with an exact
// box filter (area averaging), inside `clip`. Returns the rectangle written.
Rect Stretch(Bitmap& dst, const Region& clip, const Rect& dstRect, const Bitmap& src, const Rect& srcRect,
             const Options& opt = {});

}  // namespace gfx::blit
