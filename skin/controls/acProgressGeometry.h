// The geometry of the skinned progress bar in its own coordinates: the inner
// and progress rectangles, the block size and where the blocks go for the
// marquee, smooth and segmented looks. Pure functions, so the tables can be
// checked without windows.
#pragma once

#include <vector>

#include "platform/gfx/Geometry.h"

namespace skin {

// Rounds to the nearest integer, ties to even, in extended precision (the
// bar's quotients are taken in long double; rounding through double would
// move some ties). Values beyond the int range saturate, NaN gives 0.
int RndExtended(long double x);

struct ProgressState {
  int Width = 0;
  int Height = 0;
  int BorderWidth = 0;
  int Min = 0;
  int Max = 100;
  int Position = 0;
  bool Vertical = false;
  bool Smooth = false;
  bool Marquee = false;
  int MarqueePos = 0;
  int MarqueeLength = 40;
  bool operator==(const ProgressState&) const = default;
};

// (1, 1, W - 1, H - 1).
gfx::Rect InnerRectOf(const ProgressState& s);
// The inner rectangle shrunk by the border width, then cut to the progress
// (normal style) or to the marquee's running window.
gfx::Rect ProgressRectOf(const ProgressState& s);
// Width and height of one block (for a smooth bar the length along the bar
// is provisional).
gfx::Size BlockSizeOf(const ProgressState& s);

// The segmented layout along the bar: block length d, places n, gap g.
struct SegmentLayout {
  int Length = 0;  // c' = inner length along the bar - 2
  int Block = 0;   // d
  int Places = 0;  // n (0 when no block fits)
  int Gap = 0;     // g
};
SegmentLayout SegmentLayoutOf(const ProgressState& s);
// The number of lit blocks of a segmented bar: 0 with fewer than two places
// or at the minimum.
int LitBlockCount(const ProgressState& s);
// The same with the bar's layout (SegmentLayoutOf(s)) already worked out.
int LitBlockCount(const SegmentLayout& layout, const ProgressState& s);

// The rectangles of every block to draw, in drawing order (empty for a bar
// that shows its frame only). Blocks may reach past the bar (the marquee's
// last ones, a border width on segments); the painter clips them.
std::vector<gfx::Rect> ProgressBlocks(const ProgressState& s);

}  // namespace skin
