// The pure geometry of a skinned scroll bar: thumb length and start, the
// zone under a point, the thumb position for a drag, and where the bars of a
// window lie. All arithmetic is the window system's rounding multiply-divide
// in wide enough integers, whatever the scroll information holds.
#pragma once

#include "platform/gfx/Geometry.h"
#include "skin/controls/acSBBar.h"

namespace skin {

struct ThumbPlace {
  int Length = 0;  // 0: no thumb (a range too large to show)
  int Start = 0;   // along the bar, in R's coordinates
};

// Max - Min is treated as unsigned; above this the range is "huge".
inline constexpr std::int64_t kHugeRange = 0x7FFFFFFE;
// Max - Min as the unsigned 32-bit value the platform uses.
std::int64_t BarRange(const ui::ScrollInfo& info);

// Thumb of `bar` in rectangle `r` with arrows of `arrow` pixels.
ThumbPlace ThumbGeometry(const TacScrollBar& bar, int arrow, const gfx::Rect& r);

// The zone of `bar` (in `r`) under `p`, or kZoneNone.
int HitZone(const TacScrollBar& bar, int arrow, const gfx::Rect& r, gfx::Point p);

// The scroll position for a thumb whose start lies `offset` pixels into a
// track of `trackLength` pixels, with a thumb of `thumbLength`; from Min up to
// Max - Page + 1.
int DragPosition(const ui::ScrollInfo& info, int offset, int trackLength, int thumbLength);

// The window's own border widths, found by the non-client size calculation.
struct BarEdges {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
};

struct BarRects {
  gfx::Rect Horz;    // empty when not shown
  gfx::Rect Vert;    // empty when not shown
  gfx::Rect Corner;  // the square between two shown bars, else empty
};

// The bars' rectangles inside `window` (any coordinates; the results are in
// the same ones).
BarRects PlaceBars(const gfx::Rect& window, const BarEdges& edges, int horzThickness, int vertThickness,
                   bool leftScrollBar);

}  // namespace skin
