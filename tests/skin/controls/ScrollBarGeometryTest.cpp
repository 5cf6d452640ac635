// Thumb geometry, hit zones, drag positions and bar placement of the skinned
// scroll bars, worked out by hand.
#include <gtest/gtest.h>

#include "platform/ui/Screen.h"
#include "skin/controls/acSBGeometry.h"

namespace skin {
namespace {

TacScrollBar VerticalBar(int min, int max, unsigned page, int pos) {
  TacScrollBar b;
  b.BarKind = ui::SB_VERT;
  b.Info.Min = min;
  b.Info.Max = max;
  b.Info.Page = page;
  b.Info.Pos = pos;
  return b;
}

TacScrollBar HorizontalOf(TacScrollBar b) {
  b.BarKind = ui::SB_HORZ;
  return b;
}

constexpr int kArrow = 17;

TEST(ScrollBarGeometry, ThumbLengthAndStart) {
  struct Case {
    int h, min, max;
    unsigned page;
    int pos, length, start;
    const char* what;
  };
  const Case cases[] = {
      {100, 0, 19, 14, 6, 46, 37, "the worked example"},
      {100, 0, 19, 14, 3, 46, 27, "MulDiv(3, 20, 6) = 10"},
      {100, 0, 19, 0, 10, 17, 43, "page 0: arrow-long thumb; MulDiv(10, 49, 19) = 26"},
      {100, 0, 999, 1, 999, 10, 73, "MinThumb, thumb ends at h - a"},
      {87, 0, 1, 1, 0, 27, 17, "26.5 rounds up, not to even"},
      {100, 5, 5, 1, 5, 66, 17, "zero divisor"},
      {100, 0, 0x7FFFFFFF, 10, 5, 0, 17, "huge range"},
      {100, 10, 5, 1, 5, 0, 17, "Max below Min is a huge unsigned range"},
      {30, 0, 19, 5, 10, 10, 17, "track shorter than the arrows"},
      {100, 100, 119, 14, 106, 46, 37, "Min not 0"},
      {100, -2147483647 - 1, 2147483647, 1, 0, 0, 17, "range overflowing 32 bits"},
  };
  for (const Case& c : cases) {
    const TacScrollBar v = VerticalBar(c.min, c.max, c.page, c.pos);
    const ThumbPlace t = ThumbGeometry(v, kArrow, {0, 0, 16, c.h});
    EXPECT_EQ(t.Length, c.length) << c.what;
    EXPECT_EQ(t.Start, c.start) << c.what;
    // The horizontal bar is the same along x, from Left.
    const ThumbPlace th = ThumbGeometry(HorizontalOf(v), kArrow, {5, 40, 5 + c.h, 56});
    EXPECT_EQ(th.Length, c.length) << c.what << " (horizontal)";
    EXPECT_EQ(th.Start, c.start + 5) << c.what << " (horizontal)";
  }
}

TEST(ScrollBarGeometry, HitZones) {
  struct Case {
    int h, pos, y, zone;
  };
  const Case cases[] = {
      // row 2 of the geometry table: thumb 27..72
      {100, 3, 0, 0},   {100, 3, 16, 0},  {100, 3, 17, 2},  {100, 3, 26, 2},   {100, 3, 27, 5},
      {100, 3, 72, 5},  {100, 3, 73, 3},  {100, 3, 82, 3},  {100, 3, 83, 1},   {100, 3, 99, 1},
      {100, 3, 100, -1}, {100, 3, -1, -1},
      // row 1: the thumb reaches the second arrow, no zone 3
      {100, 6, 83, 1},  {100, 6, 82, 5},  {100, 6, 36, 2},
      // bars no longer than two arrows: two halves, nothing between
      {33, 0, 0, 0},    {33, 0, 15, 0},   {33, 0, 16, -1},  {33, 0, 17, 1},    {33, 0, 32, 1},
      {34, 0, 0, 0},    {34, 0, 16, 0},   {34, 0, 17, 1},   {34, 0, 33, 1},
  };
  for (const Case& c : cases) {
    const TacScrollBar v = VerticalBar(0, 19, 14, c.pos);
    EXPECT_EQ(HitZone(v, kArrow, {0, 0, 16, c.h}, {8, c.y}), c.zone) << "h " << c.h << " y " << c.y;
    EXPECT_EQ(HitZone(HorizontalOf(v), kArrow, {0, 0, c.h, 16}, {c.y, 8}), c.zone)
        << "horizontal h " << c.h << " x " << c.y;
  }
  const TacScrollBar v = VerticalBar(0, 19, 14, 3);
  EXPECT_EQ(HitZone(v, kArrow, {0, 0, 16, 100}, {16, 50}), kZoneNone) << "x outside";
  EXPECT_EQ(HitZone(v, kArrow, {0, 0, 16, 100}, {-1, 50}), kZoneNone) << "x outside";
  // A thumb filling the whole track leaves no page or thumb zones.
  EXPECT_EQ(HitZone(VerticalBar(0, 19, 20, 0), kArrow, {0, 0, 16, 100}, {8, 50}), kZoneNone);
}

TEST(ScrollBarGeometry, DragPositions) {
  // Track of 66 pixels with a 46-pixel thumb; range 0..19, page 14.
  ui::ScrollInfo info{ui::SIF_ALL, 0, 19, 14, 0, 0};
  struct Case {
    int offset, pos;
  };
  for (const Case c : {Case{10, 3}, Case{11, 3}, Case{20, 6}, Case{0, 0}})
    EXPECT_EQ(DragPosition(info, c.offset, 66, 46), c.pos) << c.offset;
  // Min counts: the same pixels give positions from Min up.
  info.Min = 100;
  info.Max = 119;
  for (const Case c : {Case{10, 103}, Case{20, 106}, Case{0, 100}})
    EXPECT_EQ(DragPosition(info, c.offset, 66, 46), c.pos) << "Min 100, offset " << c.offset;
  // No range: the pixel offset itself; no room: Min.
  EXPECT_EQ(DragPosition({ui::SIF_ALL, 4, 4, 1, 4, 0}, 7, 66, 46), 11);
  EXPECT_EQ(DragPosition(info, 5, 46, 46), 100);
  // The about memo: MulDiv(y - 18, 7, 66).
  const ui::ScrollInfo about{ui::SIF_ALL, 0, 19, 13, 0, 0};
  EXPECT_EQ(DragPosition(about, 66, 189, 123), 7);
  EXPECT_EQ(DragPosition(about, 33, 189, 123), 4);
}

TEST(ScrollBarGeometry, AboutMemoThumbPositions) {
  // 221-pixel bar with 16-pixel arrows: track 189, thumb 123, offsets MulDiv(pos, 66, 7).
  const int want[] = {0, 9, 19, 28, 38, 47, 57, 66};
  for (int pos = 0; pos <= 7; ++pos) {
    const ThumbPlace t = ThumbGeometry(VerticalBar(0, 19, 13, pos), 16, {293, 2, 309, 223});
    EXPECT_EQ(t.Length, 123);
    EXPECT_EQ(t.Start, 2 + 16 + want[pos]) << pos;
  }
}

TEST(ScrollBarGeometry, PlacesBarsInsideTheEdges) {
  // 200 x 150 window with a 1-pixel border and both bars.
  BarRects b = PlaceBars({0, 0, 200, 150}, {1, 1, 1, 1}, 16, 16, false);
  EXPECT_EQ(b.Horz, (gfx::Rect{1, 133, 183, 149}));
  EXPECT_EQ(b.Vert, (gfx::Rect{183, 1, 199, 133}));
  EXPECT_EQ(b.Corner, (gfx::Rect{183, 133, 199, 149}));
  // Left scroll bar.
  b = PlaceBars({0, 0, 200, 150}, {1, 1, 1, 1}, 16, 16, true);
  EXPECT_EQ(b.Vert, (gfx::Rect{1, 1, 17, 133}));
  EXPECT_EQ(b.Horz, (gfx::Rect{17, 133, 199, 149}));
  EXPECT_EQ(b.Corner, (gfx::Rect{1, 133, 17, 149}));
  // The about memo: client edge of 2, vertical bar only, screen offsets kept.
  b = PlaceBars({10, 20, 321, 245}, {2, 2, 2, 2}, 0, 16, false);
  EXPECT_EQ(b.Vert, (gfx::Rect{303, 22, 319, 243}));
  EXPECT_TRUE(b.Horz.IsEmpty());
  EXPECT_TRUE(b.Corner.IsEmpty());
}

TEST(ScrollBarGeometry, SizesFollowTheSystemMetrics) {
  TacScrollBar v = VerticalBar(0, 1, 1, 0);
  ui::SetSystemMetricOverride(ui::SM_CXHSCROLL, 17);
  ui::SetSystemMetricOverride(ui::SM_CXVSCROLL, 19);
  EXPECT_EQ(ArrowLengthOf(v, nullptr, true), 17);
  EXPECT_EQ(ThicknessOf(v), 19);
  v.ArrowLength = -2;
  v.Thickness = 12;
  EXPECT_EQ(ArrowLengthOf(v, nullptr, false), 34);
  EXPECT_EQ(ThicknessOf(v), 12);
  ui::ResetSystemMetrics();
}

}  // namespace
}  // namespace skin
