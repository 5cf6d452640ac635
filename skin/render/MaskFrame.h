// Nine-slice painting of a border mask into a rectangle of any size: corners
// at their own size, sides and centre tiled or stretched.
#pragma once

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Geometry.h"
#include "skin/data/SkinModel.h"
#include "skin/data/sMaskData.h"
#include "skin/paint/Backdrop.h"

namespace skin {

// StretchMode bits of a border mask.
inline constexpr int kStretchSides = 1;  // stretch sides and centre (MaskType 0 only)
inline constexpr int kSkipInNormal = 2;  // not drawn in state 0
inline constexpr int kDrawCentre = 4;    // the centre is drawn when the caller asks for it

// Draws the picture of `state` (clamped to the cell count) of the border mask
// into `destRect` of the 24- or 32-bit `bitmap`. `backdrop` describes what lies
// behind destRect with offsets relative to destRect's top-left corner; corner
// key pixels take it when `cornersUseBackdrop` is set. The centre is drawn only
// with `withCentre` and StretchMode bit 4. Nothing is drawn in state 0 with
// StretchMode bit 2, for a destination smaller than 2 x 2, a mask without
// owner or without cells. Never reads or writes outside either image.
void RenderMaskFrame(const TsSkinModel& model, gfx::Bitmap& bitmap, const gfx::Rect& destRect,
                     bool withCentre, bool cornersUseBackdrop, int state, const TsMaskData& mask,
                     const BackdropRef& backdrop);

// The same for the mask at `maskIndex` of the model; nothing for an index out
// of range.
void RenderMaskFrame(const TsSkinModel& model, gfx::Bitmap& bitmap, const gfx::Rect& destRect,
                     bool withCentre, bool cornersUseBackdrop, int state, int maskIndex,
                     const BackdropRef& backdrop);

}  // namespace skin
