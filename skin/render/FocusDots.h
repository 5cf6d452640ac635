// The dotted focus mark of a skinned push button.
#pragma once

#include "platform/gfx/Canvas.h"
#include "platform/gfx/Geometry.h"

namespace skin {

// Every third pixel along the four edges of `rect` is set black, with a white
// pixel one up and one left of it: along the top and bottom rows x = Left + 3i
// for i = 0 .. Width div 3, along the left and right columns y = Top + 3i for
// i = 0 .. Height div 3. Right and Bottom are the rows and columns drawn on
// (used as given); pixels outside the canvas's clip are skipped.
void DrawFocusDots(gfx::Canvas& canvas, const gfx::Rect& rect);

}  // namespace skin
