// The window icon: four small tiles, one of them lit, on a dark rounded square.
#pragma once

#include "platform/gfx/Bitmap.h"

namespace artgen {

// `size` is 16 or 32 (any size works; the design is drawn at 32 units).
gfx::Bitmap DrawIcon(int size);

}  // namespace artgen
