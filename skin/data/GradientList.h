// Gradient lists: integers separated by ";", five per step.
#pragma once

#include <string_view>

#include "skin/data/sMaskData.h"

namespace skin {

// Groups of five values make one step each (from colour, to colour, percent,
// kind, an ignored fifth value); a trailing incomplete group is dropped.
// Colours below 0 become 0; the percent is clamped to 0..100.
// A value that is not an integer throws the conversion error; so does an empty
// value between two ";" (one ";" after the last value is allowed).
TsGradArray ParseGradientList(std::string_view text);

}  // namespace skin
