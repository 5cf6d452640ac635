// The skinned radio button's layout arithmetic: own-glyph frames, the glyph
// box on either side, the caption and focus rectangles and the auto size,
// with the worked example of a 65 x 22 button (glyph 12 x 12, caption 41 x 16).
#include <gtest/gtest.h>

#include "skin/controls/sRadioButtonLayout.h"

namespace skin {
namespace {

TEST(RadioOwnGlyph, FramesOfStripsAndOddShapes) {
  const struct {
    int w, h;
    RadioGlyphCell cell;
  } cases[] = {
      {48, 16, {16, 16, 3}},  // three square frames
      {16, 16, {16, 16, 1}},
      {50, 16, {50, 16, 1}},  // not a multiple: one frame of the whole width
      {16, 32, {16, 32, 1}},  // narrower than high: one frame, not none
      {0, 16, {0, 0, 0}},     // empty
      {16, 0, {0, 0, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.w) + "x" + std::to_string(c.h));
    const RadioGlyphCell got = OwnGlyphCell(c.w, c.h);
    EXPECT_EQ(got.Width, c.cell.Width);
    EXPECT_EQ(got.Height, c.cell.Height);
    EXPECT_EQ(got.Frames, c.cell.Frames);
    // Whatever the state, the frame read lies inside the bitmap.
    for (int state = 0; state <= 3; ++state) {
      const int frame = OwnGlyphFrame(got, state);
      EXPECT_GE(frame, 0);
      EXPECT_LE((frame + 1) * got.Width, c.w);
    }
  }
  EXPECT_EQ(OwnGlyphFrame({16, 16, 3}, 1), 1);
  EXPECT_EQ(OwnGlyphFrame({16, 16, 3}, 2), 2);
  EXPECT_EQ(OwnGlyphFrame({16, 16, 2}, 2), 1);
}

TEST(RadioLayout, WorkedExampleGlyphLeftAndRight) {
  const int w = 65, h = 22, gw = 12, gh = 12, margin = 2, tw = 41, th = 16;
  const int room = RadioCaptionRoom(w, gw, 0, margin);
  EXPECT_EQ(room, 47);
  EXPECT_EQ(RadioGlyphBox(w, h, gw, gh, true, margin), (gfx::Rect{2, 5, 14, 17}));
  EXPECT_EQ(RadioGlyphBox(w, h, gw, gh, false, margin), (gfx::Rect{51, 5, 63, 17}));
  const gfx::Rect caption = RadioCaptionRect(w, h, room, th, true, margin, false);
  EXPECT_EQ(caption, (gfx::Rect{18, 2, 63, 18}));
  EXPECT_EQ(RadioFocusRect(caption, tw, false), (gfx::Rect{17, 2, 60, 18}));
  EXPECT_EQ(RadioCaptionRect(w, h, room, th, false, margin, false), (gfx::Rect{2, 2, 49, 18}));
  // Word wrap moves one more pixel left and keeps the bottom.
  const gfx::Rect wrapped = RadioCaptionRect(w, h, room, th, true, margin, true);
  EXPECT_EQ(wrapped, (gfx::Rect{17, 2, 62, 18}));
  EXPECT_EQ(RadioFocusRect(wrapped, tw, true), (gfx::Rect{16, 2, 59, 19}));
  EXPECT_EQ(RadioAutoSize(gw, gh, true, tw, th, margin, 0), (gfx::Size{65, 22}));
}

TEST(RadioLayout, MarginsIndentTallTextAndNoCaption) {
  // The caption never starts above the margin.
  EXPECT_EQ(RadioCaptionRect(60, 10, 30, 16, false, 3, false).Top, 2);
  EXPECT_EQ(RadioCaptionRoom(65, 12, 5, 4), 65 - 12 - 5 - 8 - 2);
  EXPECT_LT(RadioCaptionRoom(10, 12, 0, 2), 0);
  EXPECT_EQ(RadioAutoSize(12, 12, true, 41, 16, 4, 6), (gfx::Size{12 + 8 + 41 + 6 + 8, 16 + 8 + 2}));
  EXPECT_EQ(RadioAutoSize(12, 12, false, 0, 0, 2, 6), (gfx::Size{16, 14}));
  EXPECT_EQ(RadioAutoSize(16, 30, true, 20, 13, 2, 0), (gfx::Size{48, 32}));
}

}  // namespace
}  // namespace skin
