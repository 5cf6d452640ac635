// The background of a skin item: colour, gradient and texture mixed by the
// section's percentages and made partly transparent over the backdrop.
#pragma once

#include <string_view>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Color.h"
#include "platform/gfx/Geometry.h"
#include "skin/data/SkinModel.h"
#include "skin/paint/Backdrop.h"

namespace skin {

// Paints the background of section `skinIndex` (textures looked up under
// `sectionName`) in `state` into `rect` of the 24- or 32-bit `bitmap`.
// `offset` is rect's top-left corner inside the backdrop: pixel (x, y) of
// rect lies over the backdrop pixel (X + offset.x + x - rect.Left, ...).
// `textureIndex` and `hotTextureIndex` are texture masks found beforehand
// (-1: looked up now). A `customColor` other than clFuchsia paints a flat
// item of that colour. With transparency T:
//  - no backdrop at all (not Ready, FillColor clFuchsia) or T = 0: the
//    content (ItemContent.h) straight into rect;
//  - T = 100: the backdrop (its image, else its FillColor);
//  - otherwise the content blended over the backdrop, which keeps about T %
//    (a = T * 255 div 100); without a backdrop image and with a plain colour
//    content, one fill with the mix of FillColor and C.
// In state 0 a texture with a mask part in mode 10 (`textureIndex`, or, when
// that is -1, `hotTextureIndex`) is painted last over everything, unless a
// custom colour is given.
// Nothing is painted for an invalid section, a rect that is empty or not
// inside the bitmap, or a bitmap of another format.
void RenderItemBackground(const TsSkinModel& model, int skinIndex, std::string_view sectionName,
                          const BackdropRef& backdrop, int state, const gfx::Rect& rect, gfx::Point offset,
                          gfx::Bitmap& bitmap, int textureIndex, int hotTextureIndex, gfx::Color customColor);

}  // namespace skin
