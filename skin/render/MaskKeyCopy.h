// Restoring key-coloured corner pixels from a saved copy, testing the key in
// a corner of a mask's first picture.
#pragma once

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Geometry.h"
#include "skin/data/SkinModel.h"

namespace skin {

// Corner kinds: where in the mask's first picture the key test starts.
inline constexpr int kCornerTopLeft = 13;
inline constexpr int kCornerTopRight = 14;
inline constexpr int kCornerBottomLeft = 16;
inline constexpr int kCornerBottomRight = 17;

// Copies pixels of the 32-bit `src` (from `point`) into the 32-bit `dst`
// (from rect's top-left corner), for min(W(rect), src width - point.X)
// columns and rows likewise, where the test pixel is clFuchsia. With mask
// index -1 the test pixel is the destination pixel. Otherwise it is read (as
// 24-bit) from the mask's image at the corner named by `kind`: 13 (Left, Top),
// 14 (Left + cw - WR, Top), 16 (Left, Top + ch - WB), 17 both, anything else
// (Left, Top). Nothing for a mask index out of range; test positions outside
// the image copy nothing.
void CopyWhereKey(gfx::Bitmap& dst, const gfx::Bitmap& src, const gfx::Rect& rect, int kind,
                  const TsSkinModel& model, int maskIndex, gfx::Point point);

}  // namespace skin
