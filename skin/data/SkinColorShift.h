// Re-tinting a freshly loaded skin: hue rotation and saturation change of the
// master bitmap, the mask images and the colours of the tables.
#pragma once

#include "skin/data/SkinModel.h"

namespace skin {

// Rotates the hue by `offset` degrees. Title-button glyphs named by
// BIKEEPHUE keep their pixels, and their glow images are left alone.
void ShiftSkinHue(TsSkinModel& skin, int offset);
// Changes the saturation by `amount` percent (positive: towards grey).
void ShiftSkinSaturation(TsSkinModel& skin, int amount);

}  // namespace skin
