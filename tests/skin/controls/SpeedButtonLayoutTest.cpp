// Where the skinned speed button puts picture and caption (W 100, H 40,
// picture 16 x 16, caption 30 x 13, spacing 4), worked out by hand.
#include <gtest/gtest.h>

#include "skin/controls/sSpeedButtonLayout.h"

namespace skin {
namespace {

using ui::Alignment;
using ui::ButtonLayout;

struct LayoutCase {
  int Margin, ArrowWidth;
  ButtonLayout Layout;
  Alignment Align;
  gfx::Rect Picture, Caption;
};

SpeedButtonMetrics Metrics(const LayoutCase& c) {
  SpeedButtonMetrics m;
  m.W = 100;
  m.H = 40;
  m.ArrowWidth = c.ArrowWidth;
  m.Margin = c.Margin;
  m.Spacing = 4;
  m.PW = m.PH = 16;
  m.TW = 30;
  m.TH = 13;
  m.HasCaption = true;
  m.Layout = c.Layout;
  m.Alignment = c.Align;
  return m;
}

TEST(SpeedButtonLayout, PictureAndCaptionBoxes) {
  using enum ButtonLayout;
  using enum Alignment;
  const LayoutCase cases[] = {
      {-1, 0, blGlyphLeft, taLeftJustify, {0, 12, 16, 28}, {18, 13, 52, 27}},
      {-1, 0, blGlyphLeft, taRightJustify, {50, 12, 66, 28}, {69, 13, 102, 27}},
      {-1, 0, blGlyphLeft, taCenter, {25, 12, 41, 28}, {44, 13, 77, 27}},
      {-1, 0, blGlyphRight, taLeftJustify, {30, 12, 46, 28}, {-1, 13, 32, 27}},
      {-1, 0, blGlyphRight, taCenter, {59, 12, 75, 28}, {24, 13, 57, 27}},
      {-1, 0, blGlyphTop, taCenter, {43, 3, 59, 19}, {34, 23, 67, 37}},
      {-1, 0, blGlyphBottom, taCenter, {43, 21, 59, 37}, {34, 3, 67, 17}},
      {2, 0, blGlyphLeft, taLeftJustify, {5, 12, 21, 28}, {21, 13, 57, 27}},
      {2, 0, blGlyphRight, taRightJustify, {79, 12, 95, 28}, {44, 13, 77, 27}},
      {-1, 16, blGlyphLeft, taCenter, {17, 12, 33, 28}, {36, 13, 69, 27}},
      {-1, 16, blGlyphRight, taRightJustify, {68, 12, 84, 28}, {33, 13, 66, 27}},
  };
  for (const LayoutCase& c : cases) {
    SCOPED_TRACE(::testing::Message() << "margin " << c.Margin << " arrow " << c.ArrowWidth << " layout "
                                      << static_cast<int>(c.Layout) << " align " << static_cast<int>(c.Align));
    SpeedButtonMetrics m = Metrics(c);
    EXPECT_EQ(SpeedPictureBox(m), c.Picture);
    EXPECT_EQ(SpeedCaptionBox(m), c.Caption);
    m.Pressed = true;
    EXPECT_EQ(SpeedPictureBox(m), c.Picture.Offset(1, 1));
    EXPECT_EQ(SpeedCaptionBox(m), c.Caption.Offset(1, 1));
  }
}

TEST(SpeedButtonLayout, TileAndEdgeCases) {
  SpeedButtonMetrics tile;
  tile.W = tile.H = tile.PW = tile.PH = 200;
  EXPECT_EQ(SpeedPictureBox(tile), (gfx::Rect{0, 0, 200, 200}));
  // Without a caption the caption box comes out inverted: it is empty.
  EXPECT_TRUE(SpeedCaptionBox(tile).IsEmpty());
  EXPECT_EQ(CaptionRoom(tile), 0);
  tile.Pressed = true;
  EXPECT_EQ(SpeedPictureBox(tile), (gfx::Rect{1, 1, 201, 201}));
  tile.Pressed = false;
  tile.Reflected = true;
  EXPECT_EQ(SpeedPictureBox(tile).Top, -33);
  // Room for the caption: the margin counts as it is, also when negative.
  SpeedButtonMetrics m = Metrics({-1, 16, ButtonLayout::blGlyphLeft, Alignment::taCenter, {}, {}});
  EXPECT_EQ(CaptionRoom(m), 100 + 2 - 16 - 20);
  m.Layout = ButtonLayout::blGlyphTop;
  EXPECT_EQ(CaptionRoom(m), 100 + 2 - 16);
  EXPECT_EQ(MarginOffset(-1), 0);
  EXPECT_EQ(MarginOffset(2), 5);
  // TextOffset moves the caption only.
  m.TextOffset = 5;
  const gfx::Rect moved = SpeedCaptionBox(m);
  m.TextOffset = 0;
  EXPECT_EQ(moved, SpeedCaptionBox(m).Offset(5, 0));
}

}  // namespace
}  // namespace skin
