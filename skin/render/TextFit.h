// Measuring a line of text and shortening it with an ellipsis to fit a width.
#pragma once

#include <string>
#include <string_view>

#include "platform/gfx/Canvas.h"
#include "platform/gfx/Font.h"
#include "platform/gfx/Geometry.h"

namespace skin {

// Width of one line of text in the canvas's font.
int TextWidthOf(const gfx::Canvas& canvas, std::string_view text);

// Width and line height of one line of text in `font`; 0 x 0 when the font
// cannot be resolved.
gfx::Size TextSizeOf(const gfx::Font& font, std::string_view text);

// The text unchanged when it fits into maxWidth; otherwise the longest start
// of it (whole UTF-8 characters) followed by "..." that fits, or "" when not
// even "..." alone fits. maxWidth <= 0 gives "".
std::string CutTextToWidth(const gfx::Canvas& canvas, std::string_view text, int maxWidth);

}  // namespace skin
