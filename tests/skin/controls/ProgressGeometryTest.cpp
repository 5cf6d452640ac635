// The skinned progress bar's geometry without windows: the game's bar at
// every position, odd sizes, ranges that do not start at 0, vertical and
// smooth bars, the marquee's running blocks and the extended-precision ties.
#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "skin/controls/acProgressGeometry.h"

namespace skin {
namespace {

ProgressState GameBar(int position) {
  ProgressState s;
  s.Width = 198;
  s.Height = 17;
  s.Min = 0;
  s.Max = 20;
  s.Position = position;
  return s;
}

TEST(ProgressGeometry, GameBarLightsRoundedShareOfNineteenPlaces) {
  const SegmentLayout l = SegmentLayoutOf(GameBar(0));
  EXPECT_EQ(l.Length, 194);
  EXPECT_EQ(l.Block, 8);
  EXPECT_EQ(l.Places, 19);
  EXPECT_EQ(l.Gap, 2);
  EXPECT_EQ(BlockSizeOf(GameBar(0)), (gfx::Size{8, 15}));
  const int lit[21] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19};
  for (int p = 0; p <= 20; ++p) {
    SCOPED_TRACE(p);
    EXPECT_EQ(LitBlockCount(GameBar(p)), lit[p]);
    EXPECT_EQ(LitBlockCount(l, GameBar(p)), lit[p]) << "with the layout worked out once";
    const std::vector<gfx::Rect> blocks = ProgressBlocks(GameBar(p));
    ASSERT_EQ(blocks.size(), static_cast<size_t>(lit[p] + (p == 20 ? 1 : 0)));
    for (int k = 0; k < lit[p]; ++k) EXPECT_EQ(blocks[k], gfx::Rect::FromXYWH(10 * k + 1, 1, 8, 15));
    // The full bar ends with a 6-wide block up to the inner right edge.
    if (p == 20) {
      EXPECT_EQ(blocks.back(), (gfx::Rect{191, 1, 197, 16}));
    }
  }
}

TEST(ProgressGeometry, ProgressRectangle) {
  EXPECT_EQ(InnerRectOf(GameBar(0)), (gfx::Rect{1, 1, 197, 16}));
  EXPECT_EQ(ProgressRectOf(GameBar(0)), (gfx::Rect{1, 1, 1, 16}));
  // 1 + rnd(196 / 20 * 7) = 1 + rnd(68.6)
  EXPECT_EQ(ProgressRectOf(GameBar(7)), (gfx::Rect{1, 1, 70, 16}));
  EXPECT_EQ(ProgressRectOf(GameBar(20)), (gfx::Rect{1, 1, 197, 16}));
  ProgressState bw = GameBar(10);
  bw.BorderWidth = 2;
  // P = 3: 3 + rnd(192 / 20 * 10)
  EXPECT_EQ(ProgressRectOf(bw), (gfx::Rect{3, 3, 99, 14}));
  ProgressState v = GameBar(5);
  v.Width = 17;
  v.Height = 198;
  v.Vertical = true;
  EXPECT_EQ(ProgressRectOf(v), (gfx::Rect{1, 197 - 49, 16, 197}));
}

TEST(ProgressGeometry, FrameOnlyCases) {
  struct Case {
    const char* What;
    int W, H, Min, Max, Pos;
  } cases[] = {
      {"position 0", 198, 17, 0, 20, 0},
      {"empty range", 198, 17, 5, 5, 5},
      {"max 0", 198, 17, 0, 0, 0},
      {"one place only (c' = 16)", 20, 17, 0, 20, 20},
      {"too thin for a block", 198, 4, 0, 20, 20},
      {"degenerate size", 0, 0, 0, 20, 10},
      {"negative size", -5, -5, 0, 20, 10},
  };
  for (const Case& c : cases) {
    ProgressState s;
    s.Width = c.W;
    s.Height = c.H;
    s.Min = c.Min;
    s.Max = c.Max;
    s.Position = c.Pos;
    EXPECT_TRUE(ProgressBlocks(s).empty()) << c.What;
    EXPECT_EQ(LitBlockCount(s), 0) << c.What;
  }
}

TEST(ProgressGeometry, RangesThatDoNotStartAtZero) {
  ProgressState s = GameBar(0);
  s.Min = -10;
  s.Max = 10;
  s.Position = 0;  // halfway: rnd(19 / 20 * 10)
  EXPECT_EQ(LitBlockCount(s), 10);
  EXPECT_EQ(ProgressBlocks(s).size(), 10u);
  s.Position = -10;
  EXPECT_EQ(LitBlockCount(s), 0);
  s.Min = 10;
  s.Max = 110;
  s.Position = 110;  // full: every place and the end block
  EXPECT_EQ(LitBlockCount(s), 19);
  ASSERT_EQ(ProgressBlocks(s).size(), 20u);
  EXPECT_EQ(ProgressBlocks(s).back(), (gfx::Rect{191, 1, 197, 16}));
}

TEST(ProgressGeometry, FullBarRemainderStaysInsideTheBar) {
  // 94 x 22 at its maximum: gap 4, so the remainder as written (4 wide at
  // x = 91) would end past the bar; it stops at the progress rectangle.
  ProgressState s;
  s.Width = 94;
  s.Height = 22;
  s.Max = 10;
  s.Position = 10;
  const SegmentLayout l = SegmentLayoutOf(s);
  ASSERT_EQ(l.Block, 11);
  ASSERT_EQ(l.Places, 6);
  ASSERT_EQ(l.Gap, 4);
  const std::vector<gfx::Rect> blocks = ProgressBlocks(s);
  ASSERT_EQ(blocks.size(), 7u);
  EXPECT_EQ(blocks.back(), (gfx::Rect{91, 1, 93, 21}));
}

TEST(ProgressGeometry, VerticalMirrorsTheHorizontalBar) {
  for (int p : {1, 10, 20}) {
    ProgressState v = GameBar(p);
    v.Width = 17;
    v.Height = 198;
    v.Vertical = true;
    const std::vector<gfx::Rect> h = ProgressBlocks(GameBar(p));
    const std::vector<gfx::Rect> blocks = ProgressBlocks(v);
    ASSERT_EQ(blocks.size(), h.size()) << p;
    for (int k = 0; k < LitBlockCount(v); ++k)
      EXPECT_EQ(blocks[k], gfx::Rect::FromXYWH(1, 197 - 10 * k - 8, 15, 8)) << p << " " << k;
    if (p == 20) {
      EXPECT_EQ(blocks.back(), (gfx::Rect{1, 1, 16, 197 - 190})) << "end block from the top";
    }
  }
}

TEST(ProgressGeometry, SmoothBarIsOneBlockOverTheProgress) {
  ProgressState s = GameBar(7);
  s.Smooth = true;
  const std::vector<gfx::Rect> blocks = ProgressBlocks(s);
  ASSERT_EQ(blocks.size(), 1u);
  EXPECT_EQ(blocks[0], (gfx::Rect{1, 1, 70, 16}));
}

TEST(ProgressGeometry, MarqueeBlocksWrapPastTheEnd) {
  ProgressState s = GameBar(0);
  s.Marquee = true;
  s.MarqueePos = 184;
  EXPECT_EQ(BlockSizeOf(s), (gfx::Size{9, 15}));
  const std::vector<gfx::Rect> blocks = ProgressBlocks(s);
  const int xs[5] = {185, 195, 7, 17, 27};
  ASSERT_EQ(blocks.size(), 5u);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(blocks[i], gfx::Rect::FromXYWH(xs[i], 1, 9, 15)) << i;
  // x = W stays where it is (outside the bar).
  s.MarqueePos = 187;
  EXPECT_EQ(ProgressBlocks(s)[1].Left, 198);

  ProgressState v = s;
  v.Width = 17;
  v.Height = 198;
  v.Vertical = true;
  v.MarqueePos = 170;
  const std::vector<gfx::Rect> vb = ProgressBlocks(v);
  ASSERT_EQ(vb.size(), 5u);
  EXPECT_EQ(vb[0], gfx::Rect::FromXYWH(1, 28 - 9, 15, 9));
  EXPECT_EQ(vb[2], gfx::Rect::FromXYWH(1, 28 - 20 - 9 + 198, 15, 9));
}

TEST(ProgressGeometry, ExtendedPrecisionTies) {
  EXPECT_EQ(RndExtended(14.5L), 14);
  EXPECT_EQ(RndExtended(15.5L), 16);
  EXPECT_EQ(RndExtended(-0.5L), 0);
  EXPECT_EQ(RndExtended(1e30L), INT_MAX);
  // 29 places, range 14, position 7: 29/14*7 is 14.5 in extended precision
  // (through double it would give 15).
  ProgressState s;
  s.Width = 294;
  s.Height = 17;
  s.Max = 14;
  s.Position = 7;
  ASSERT_EQ(SegmentLayoutOf(s).Places, 29);
  EXPECT_EQ(LitBlockCount(s), 14);
}

}  // namespace
}  // namespace skin
