// Skinned text by section: the text in a section's font colour with its
// one-pixel contours, or in the disabled colour.
#pragma once

#include <string_view>

#include "platform/gfx/Canvas.h"
#include "platform/gfx/Color.h"
#include "platform/gfx/Geometry.h"
#include "skin/data/SkinModel.h"

namespace skin {

// The contour colour that means "no contour on this side".
inline constexpr gfx::Color kNoContour = 0xFFFFFFFF;

// Where each contour is drawn relative to the text: left, top, right, bottom.
inline constexpr gfx::Point kContourOffsets[4] = {{-1, 0}, {0, -1}, {1, 0}, {0, 1}};

// The colour of disabled text: 40 % text colour, 60 % `background`, both
// resolved to RGB first.
gfx::Color DisabledTextColor(gfx::Color fontColor, gfx::Color background);

// Draws `text` with the DT_* `flags` into `rect` of the canvas in the colours
// of section `sectionIndex` (the hot set when `hot`). Enabled: each contour
// colour of the set that is not kNoContour, in the order left, top, right,
// bottom, with the text moved one pixel towards that side, then the text in
// the set's text colour. Disabled: once, in DisabledTextColor of the
// section's FONTCOLOR and COLOR. The background is left alone. Nothing for an
// invalid section or an empty text. The canvas state is kept.
void WriteSectionText(gfx::Canvas& canvas, std::string_view text, bool enabled, const TsSkinModel& model,
                      bool hot, int sectionIndex, unsigned flags, const gfx::Rect& rect);

}  // namespace skin
