// Hue and saturation shifts of single colour values (used to re-tint skins).
#pragma once

#include "platform/gfx/Color.h"

namespace skin {

// Rotates the hue of `c` by `delta` degrees in the HSV model. System colours
// are resolved first; a colour without saturation (any grey) comes back
// unchanged. Negative deltas rotate backwards.
gfx::Color ShiftHue(int delta, gfx::Color c);

// Moves every channel of `c` towards the channels' mean by `amount` percent
// (100 = fully grey); negative amounts move away from it. Amount 0 returns
// `c` unchanged; otherwise system colours are resolved first.
gfx::Color ShiftSaturation(gfx::Color c, int amount);

}  // namespace skin
