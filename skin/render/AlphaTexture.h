// Textures with a transparency part: the picture above, its mask below.
#pragma once

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Geometry.h"
#include "skin/data/SkinModel.h"
#include "skin/data/sMaskData.h"
#include "skin/paint/Backdrop.h"

namespace skin {

// Paints the texture `mask` (a tile of W(region) div ImageCount x H(region)
// div 2, composed through the mask rows under it) into `area` of the 24- or
// 32-bit `bitmap`, then sets `area` to kNoArea. `backdrop` is what lies behind
// the area, its offsets relative to the area's top-left corner.
//
// Whole tiles are placed from the top-left corner in the rows that start above
// Bottom - h and the columns that start left of Right - w; key pixels of the
// texture show the backdrop (when Ready) or keep the bitmap's pixel.
// - Mode 0 also fills the last, narrower column of those rows.
// - Mode 10 instead shows the backdrop in the strips that whole tiles left:
//   below the rows and right of the columns (copied from the backdrop image
//   when Ready; else its FillColor; nothing where it has neither).
// Other modes, a mask without owner or with an empty tile paint nothing and
// leave the area for the plain colour.
void PaintAlphaTexture(const TsSkinModel& model, gfx::Bitmap& bitmap, gfx::Rect& area,
                       const BackdropRef& backdrop, int mode, const TsMaskData& mask);

}  // namespace skin
