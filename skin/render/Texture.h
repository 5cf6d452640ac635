// Textures of skin sections: a tile of the master bitmap (or an own image, or
// a pattern picture) repeated, stretched or set along one edge of an area.
#pragma once

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Geometry.h"
#include "skin/data/SkinModel.h"
#include "skin/data/sMaskData.h"

namespace skin {

// What a texture painter leaves in its area when nothing is left for the
// plain colour.
inline constexpr gfx::Rect kNoArea{-1, -1, -1, -1};

// Texture draw modes (a texture entry's StretchMode).
enum TextureMode : int {
  tmTile = 0,
  tmStretch = 1,
  tmTopRow = 2,
  tmLeftColumn = 3,
  tmStretchTop = 4,
  tmStretchLeft = 5,
  tmBottomRow = 6,
  tmRightColumn = 7,
  tmWholeTiles = 10,
};

// Tiles the whole `image` over `rect` of the 24- or 32-bit `target` from
// rect's top-left corner: the pixel (x, y) shows the image's pixel
// ((x - Left) mod w, (y - Top) mod h). Writes are cut to the target; palette
// images are read converted; an image 0 wide or high paints nothing.
void TileImage(gfx::Bitmap& target, const gfx::Rect& rect, const gfx::Bitmap& image);

// Paints an opaque texture into `area` and leaves in `area` the part that is
// left for the plain colour (kNoArea when none). With an `image` (the mask's
// own image or a pattern picture) that is not empty, the image is tiled over
// the whole area. Otherwise the tile is `mask`'s region of the master bitmap
// (cut to it), w x h, and by `mode`:
//   0 tiles over the whole area;  1 stretched over the whole area;
//   2 / 6 one row of tiles along the top / bottom (bottom-aligned);
//   3 / 7 one column of tiles down the left / right (right-aligned);
//   4 / 5 stretched to the area's width at height h / to its height at width w;
//   10 whole rows of tiles only: a bottom strip lower than one tile (one tile
//      high when the height is a multiple of h) is left untouched;
//   other modes paint nothing and leave the area for the colour.
// Nothing is painted outside the area, even when the tile is larger than it.
// A missing mask or an empty tile paints nothing and leaves the area.
void PaintTexture(const TsSkinModel& model, gfx::Bitmap& target, gfx::Rect& area, const gfx::Bitmap* image,
                  int mode, const TsMaskData* mask);

}  // namespace skin
