// Drawing one state picture of a mask (glyphs, title-bar icons, corner
// images) at a point.
#pragma once

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Geometry.h"
#include "skin/data/SkinModel.h"
#include "skin/data/sMaskData.h"
#include "skin/paint/Backdrop.h"

namespace skin {

// Mode 1 is the normal look; any other mode the faded look of disabled glyphs.
inline constexpr int kMaskImageNormal = 1;

// Draws the picture of `state` of `mask` with its top-left corner at `point`
// of the 24- or 32-bit `bitmap`, clipped exactly to the bitmap (parts above or
// left of it are skipped with the source kept aligned).
// - An own image that holds the region: composed through the mask part
//   (MaskType != 0) or copied without its key pixels (MaskType 0).
// - Otherwise, from the master bitmap (owner and cells needed): composed for
//   MaskType > 0; for MaskType 0 in mode 1 a CopyKeyed with the backdrop
//   (backdrop offsets relative to the bitmap's origin); in other modes mixed
//   half and half with the bitmap, key pixels left out.
// Composition: d := clamp((m * (d - s) + s * 256) >> 8) with the mask row
// y + cell height, and m := min(m + 100, 255) outside mode 1; a 32-bit bitmap
// gets alpha 255 there; key pixels stay.
void RenderMaskImage(const TsSkinModel& model, gfx::Bitmap& bitmap, gfx::Point point, int state,
                     const BackdropRef& backdrop, const TsMaskData& mask, int mode);

// The same for the mask at `maskIndex`; nothing for an index out of range.
void RenderMaskImage(const TsSkinModel& model, gfx::Bitmap& bitmap, gfx::Point point, int state,
                     const BackdropRef& backdrop, int maskIndex, int mode);

}  // namespace skin
