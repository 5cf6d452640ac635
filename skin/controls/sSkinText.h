// Skinned text of a control: the caption in the font colours of the
// control's section (or of a parent whose section gives its font to
// transparent children), with contours, glow and the disabled colour.
#pragma once

#include <string_view>

#include "platform/gfx/Canvas.h"
#include "platform/gfx/Geometry.h"

namespace skin {

class TsCommonData;

// Draws `text` with the DT_* `flags` into `rect` of `canvas`, clipped to
// rect. The glow, when the section has one, goes into the binding's cache,
// so `rect` is in the cache's coordinates when the canvas draws on it.
// Nothing without a skin manager or for an empty text.
void WriteSkinText(gfx::Canvas& canvas, std::string_view text, bool enabled, bool hot, TsCommonData& binding,
                   unsigned flags, const gfx::Rect& rect);

// The section whose text colours the control uses (see WriteSkinText): its
// own, or that of the first parent that is not more than half transparent
// when that parent's section gives its font. -1 when none is valid.
int TextSectionOf(const TsCommonData& binding, bool hot);

}  // namespace skin
