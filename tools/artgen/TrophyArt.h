// The 128 x 128 result picture: a golden trophy with a star.
#pragma once

#include "platform/gfx/Bitmap.h"

namespace artgen {

constexpr int kTrophySize = 128;

gfx::Bitmap DrawTrophy();

}  // namespace artgen
