// The transparent corner pixels of a window frame mask, as rectangles in
// window coordinates (rounded window corners are cut with them).
#pragma once

#include <vector>

#include "platform/gfx/Geometry.h"
#include "skin/data/SkinModel.h"
#include "skin/data/sMaskData.h"

namespace skin {

using TAOR = std::vector<gfx::Rect>;

// Scans the corner areas of the mask's first state picture: the WT top rows
// (or with `bottom` the WB bottom rows of the cell), in each row the left
// corner columns 0 .. WL-1 and then the right corner columns cw-WR .. cw-1.
// Every run of key-coloured pixels is appended as (x0, y + r, x1, y + r + 1),
// x the column for the left corner and width - cw + column for the right one;
// a run also ends at the end of each corner's columns. Nothing is added when
// the rows do not lie inside the image.
void AddCornerHoles(const TsSkinModel& model, TAOR& holes, int width, const TsMaskData& mask, bool bottom,
                    int y);

}  // namespace skin
