// Cell geometry of a mask: one state picture of the region, and the image the
// region lies in. Skin values are untrusted, so every size here is clamped:
// an impossible cell is 0 wide or high and is not drawn.
#pragma once

#include <cstdint>

#include "platform/gfx/Bitmap.h"
#include "skin/data/SkinModel.h"
#include "skin/data/sMaskData.h"

namespace skin {

// W(R) div ImageCount; 0 when ImageCount < 1 or the region has no width.
int MaskCellWidth(const TsMaskData& mask);
// H(R) div (MaskType + 1); 0 when MaskType < 0 or the region has no height.
int MaskCellHeight(const TsMaskData& mask);

// The image the mask's region lies in: its own image, else the model's master
// bitmap. Null when that image is missing or empty.
const gfx::Bitmap* MaskSourceImage(const TsSkinModel& model, const TsMaskData& mask);

// Left edge of the picture for `state` (clamped to 0 .. ImageCount - 1), in
// 64 bits: Left + cell width * state may not fit in an int.
std::int64_t MaskCellLeft(const TsMaskData& mask, int state);

// The mask at `maskIndex` of the model's table, or null when out of range.
const TsMaskData* MaskAt(const TsSkinModel& model, int maskIndex);

}  // namespace skin
