// The text output flags for a control's text alignment.
#pragma once

namespace skin {

// The horizontal alignment of a control's text, in the toolkit's order.
enum class TextAlignment { taLeftJustify, taRightJustify, taCenter };

// Left, right or centred output, vertically centred, tabs expanded. A control
// that reads right to left gets the right-to-left reading flag, and its left
// and right alignments swap.
unsigned StringFlags(TextAlignment alignment, bool rightToLeftReading);

}  // namespace skin
