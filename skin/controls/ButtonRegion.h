// The window region of a skinned push button: its rectangle without the
// transparent (magenta) pixels of its border mask's corners for a state.
#pragma once

#include <optional>

#include "platform/gfx/Geometry.h"
#include "platform/gfx/Region.h"

namespace skin {

class TsSkinModel;

// (0, 0, size) less the runs of key-coloured pixels in the four corners of
// the mask's cell for `state`, with the corners sized as the mask painter
// sizes them (widths too large for the button give up half their excess,
// the far side one more for an odd size). The full rectangle for a bitmap
// under 2 x 2, an invalid mask, or a mask not drawn in that state.
gfx::Region ButtonWindowRegion(const TsSkinModel& model, int maskIndex, int state, gfx::Size size);

}  // namespace skin
