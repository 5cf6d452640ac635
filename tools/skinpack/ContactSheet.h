// A contact sheet of a skin for its author: every section painted in each
// of its states at a few sizes, with its name, over a checkerboard so that
// transparency shows; then the glyphs (radio, caption buttons, scroll-bar
// arrows, grip) in their states and the skin's own images.
#pragma once

#include "platform/gfx/Bitmap.h"
#include "skin/data/SkinModel.h"

namespace skin {

// 24-bit. Deterministic for a given skin and font set.
gfx::Bitmap RenderContactSheet(const TsSkinModel& model);

}  // namespace skin
