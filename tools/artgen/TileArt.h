// The twelve 200 x 200 tile pictures: six tiles, each dark (idle) and lit.
#pragma once

#include "platform/gfx/Bitmap.h"

namespace artgen {

constexpr int kTileSize = 200;
// Every pixel closer than this to the picture's edge stays fully transparent,
// so that a frame drawn under the picture remains visible.
constexpr int kTileMargin = 8;

// `tile` is 1..6: red heart, orange disc, yellow star, green triangle, blue
// diamond, purple crescent.
gfx::Bitmap DrawTile(int tile, bool lit);

}  // namespace artgen
