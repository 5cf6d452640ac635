// The content of a skin item: texture, gradient and colour mixed by their
// percentages, before transparency over the backdrop is applied.
#pragma once

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Geometry.h"
#include "skin/data/SkinModel.h"
#include "skin/paint/Backdrop.h"
#include "skin/render/ItemLook.h"

namespace skin {

// Paints the content of `look` into `rc` of the 24- or 32-bit `target`
// (nothing unless rc lies inside it).
// `backdrop` lies behind rc with offsets relative to rc's top-left corner
// (key pixels of textures with a mask part show it).
//  1. Image part (I > 0, a texture found): the texture over rc, the part it
//     leaves in the colour C.
//  2. Gradient part (G > 0): over a painted texture the gradient is blended
//     with a = I * 255 div 100 (the texture keeps about I %); otherwise it
//     is painted directly. An empty list counts as the colour C.
//  3. Colour part, s = G + I: s = 0 fills with C; 1..99 tints rc towards C
//     (the content keeps s %); from 100 on nothing more.
// Wherever a layer leaves pixels unpainted (texture strips, a gradient too
// small to have bands, a texture that was not found) they show C, never
// earlier contents.
void PaintItemContent(const TsSkinModel& model, gfx::Bitmap& target, const gfx::Rect& rc,
                      const ItemLook& look, const BackdropRef& backdrop);

}  // namespace skin
