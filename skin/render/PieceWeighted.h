// Masked pieces composed without the backdrop, source row by source row: the
// fast path of the frame sides and centres. Internal to skin/render.
#pragma once

#include <vector>

#include "platform/gfx/Bitmap.h"
#include "skin/render/PieceCopy.h"
#include "skin/render/PieceRuns.h"

namespace skin::piece {

// Paints a span of Op::Compose without UseBackdrop from the 24-bit `src` into
// the 24- or 32-bit `dst` (runs as ColumnRuns gives them), byte for byte as
// the row-by-row composition does: d := (s * (256 - m) + d * m) >> 8 on the
// colour bytes; a key pixel is kept when the backdrop is not Ready; alpha is
// left alone. Each source row's weights are laid out once over a window of
// whole mix chunks around the piece (the weights outside it leave the
// destination as it is), and all destination rows that show that source row
// are then mixed in one go.
//
// Returns false, painting nothing, when the span does not suit: runs with
// gaps, a destination row narrower than the window, or a source that is the
// destination itself.
bool ComposeWeighted(gfx::Bitmap& dst, const gfx::Bitmap& src, const Span& span, const Style& style,
                     const std::vector<Run>& runs);

}  // namespace skin::piece
