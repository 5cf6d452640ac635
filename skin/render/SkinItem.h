// A whole skin item: background, corner images and border mask.
#pragma once

#include <string_view>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Color.h"
#include "platform/gfx/Geometry.h"
#include "skin/data/SkinModel.h"
#include "skin/paint/Backdrop.h"

namespace skin {

// Paints section `skinIndex` in `state` into `rect` of `bitmap`: the
// background (RenderItemBackground, no custom colour), then the section's
// corner images in their corners of rect (mode 1, their key pixels showing
// what the bitmap already holds), then its border mask over rect (corners
// showing the backdrop moved by `offset`; the centre with `withCentre`).
// Nothing is painted when rect is empty or not inside the bitmap, or the
// section index is invalid.
void RenderSkinItem(const TsSkinModel& model, int skinIndex, std::string_view sectionName,
                    const BackdropRef& backdrop, int textureIndex, int hotTextureIndex, gfx::Bitmap& bitmap,
                    gfx::Point offset, const gfx::Rect& rect, int state, bool withCentre);

// The same for a control with its own indexes and custom colour: background
// with `customColor`, then the border mask `borderMaskIndex` (with
// `cornersUseBackdrop`), then the corner images on top.
void RenderSkinItemOnTop(const TsSkinModel& model, int skinIndex, std::string_view sectionName,
                         const BackdropRef& backdrop, int textureIndex, int hotTextureIndex,
                         gfx::Color customColor, int borderMaskIndex, gfx::Bitmap& bitmap, gfx::Point offset,
                         const gfx::Rect& rect, int state, bool withCentre, bool cornersUseBackdrop);

}  // namespace skin
