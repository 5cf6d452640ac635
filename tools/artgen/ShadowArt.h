// The two built-in shadow images of extended window borders: a soft black
// shadow around a window-sized hole, drawn as a nine-slice picture whose
// margins are 11, 7, 11, 11 (left, top, right, bottom). The first is the
// shadow of the active window, the second the lighter one of inactive ones.
#pragma once

#include "platform/gfx/Bitmap.h"

namespace artgen {

inline constexpr int kShadowSize = 48;

// `index` 0 or 1.
gfx::Bitmap DrawShadow(int index);

}  // namespace artgen
