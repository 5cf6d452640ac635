// One skinned scroll bar painted into its image: where each part lands, the
// states' colours and glyph cells, the halves of a bar too short for a track,
// and the disabled look over a colour and over an image.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "skin/controls/acSBGeometry.h"
#include "skin/controls/acSBPaint.h"
#include "tests/skin/controls/ScrollBarTestSkin.h"

namespace skin::testing {
namespace {

enum Part { kBefore, kAfter, kThumb, kFirst, kSecond };

class ScrollBarPaint : public ::testing::Test {
 protected:
  void SetUp() override {
    fixture::FixtureSkin s;
    AddScrollSections(s);
    model = OwnedModel(s);
    bar.BarKind = ui::SB_VERT;
    bar.Info = {ui::SIF_ALL, 0, 19, 13, 3, 0};
  }

  // The about memo's bar: 16 x 221 with 16-pixel arrows.
  BarLook Look(int height = 221) {
    BarLook l;
    l.Model = model.get();
    l.Bar = &bar;
    l.Origin = {293, 2};
    l.Size = {16, height};
    const ThumbPlace t = ThumbGeometry(bar, 16, {0, 0, 16, height});
    l.ThumbOffset = t.Start;
    l.ThumbLength = t.Length;
    l.ArrowLength = 16;
    l.GlyphSquare = 16;
    l.WindowBackdrop = {nullptr, 0, 0, gfx::clWhite, true};
    return l;
  }

  gfx::Color Row(const gfx::Bitmap& b, int y) const { return b.PixelAt(0, y); }
  static gfx::Color Normal(Part p) { return kScrollParts[p].Normal; }
  static gfx::Color Hot(Part p) { return kScrollParts[p].Hot; }

  std::unique_ptr<TsSkinModel> model;
  TacScrollBar bar;
};

TEST_F(ScrollBarPaint, PartsOfTheAboutMemoBar) {
  gfx::Bitmap img;
  PaintBarImage(Look(), img);
  ASSERT_EQ(img.Width(), 16);
  ASSERT_EQ(img.Height(), 221);
  struct Span {
    int from, to;
    gfx::Color c;
  };
  for (const Span s : {Span{0, 15, Normal(kFirst)}, Span{16, 43, Normal(kBefore)}, Span{44, 166, Normal(kThumb)},
                       Span{167, 204, Normal(kAfter)}, Span{205, 220, Normal(kSecond)}})
    for (int y = s.from; y <= s.to; ++y)
      for (int x : {0, 15}) ASSERT_EQ(img.PixelAt(x, y), s.c) << x << "," << y;
  // Glyphs: 4 x 4 in cell 0, centred in the arrows' 16-pixel squares and in the thumb.
  for (int y0 : {6, 205 + 6, 44 + (123 - 4) / 2}) {
    EXPECT_EQ(img.PixelAt(6, y0), kGlyphCell[0]) << y0;
    EXPECT_EQ(img.PixelAt(9, y0 + 3), kGlyphCell[0]) << y0;
    EXPECT_NE(img.PixelAt(5, y0), kGlyphCell[0]) << y0;
    EXPECT_NE(img.PixelAt(10, y0), kGlyphCell[0]) << y0;
    EXPECT_NE(img.PixelAt(6, y0 - 1), kGlyphCell[0]) << y0;
    EXPECT_NE(img.PixelAt(6, y0 + 4), kGlyphCell[0]) << y0;
  }
}

TEST_F(ScrollBarPaint, StatesUseTheHotValuesAndGlyphCells) {
  BarLook l = Look();
  l.TrackBeforeState = 2;
  l.FirstArrowState = 1;
  l.ThumbState = 2;
  gfx::Bitmap img;
  PaintBarImage(l, img);
  EXPECT_EQ(Row(img, 20), Hot(kBefore));
  EXPECT_EQ(Row(img, 170), Normal(kAfter));
  EXPECT_EQ(Row(img, 0), Hot(kFirst));
  EXPECT_EQ(img.PixelAt(6, 6), kGlyphCell[1]);
  EXPECT_EQ(Row(img, 50), Hot(kThumb));
  EXPECT_EQ(img.PixelAt(6, 44 + 59), kGlyphCell[2]);
  EXPECT_EQ(Row(img, 210), Normal(kSecond));
}

TEST_F(ScrollBarPaint, ShortBarIsTwoArrowHalvesWithoutThumb) {
  gfx::Bitmap img;
  BarLook l = Look(30);
  PaintBarImage(l, img);
  for (int y = 0; y < 15; ++y) ASSERT_EQ(Row(img, y), Normal(kFirst)) << y;
  for (int y = 15; y < 30; ++y) ASSERT_EQ(Row(img, y), Normal(kSecond)) << y;
  EXPECT_EQ(img.PixelAt(6, 5), kGlyphCell[0]) << "glyph centred in the 15-pixel half";
  EXPECT_EQ(img.PixelAt(6, 15 + 5), kGlyphCell[0]);
}

TEST_F(ScrollBarPaint, NoThumbWhenTheTrackCannotHoldTheSmallestThumb) {
  // 40 pixels: an 8-pixel track is shorter than MinThumb.
  gfx::Bitmap img;
  bar.Info.Pos = 0;
  PaintBarImage(Look(40), img);
  for (int y = 16; y < 21; ++y) EXPECT_EQ(Row(img, y), Normal(kBefore)) << y;
  for (int y = 21; y < 24; ++y) EXPECT_EQ(Row(img, y), Normal(kAfter)) << y;
}

class ScrollBarDisabled : public ScrollBarPaint {
 protected:
  void SetUp() override {
    fixture::FixtureSkin s;
    AddScrollSections(s);
    s.Set("SCROLLBAR1V", "COLOR", gfx::RGB(200, 100, 0));
    model = OwnedModel(s);
    bar.BarKind = ui::SB_VERT;
    bar.Info = {ui::SIF_ALL, 0, 19, 13, 3, 0};
  }
};

TEST_F(ScrollBarDisabled, OverAColourKeepsAboutSixTenthsOfTheBar) {
  BarLook l = Look();
  l.Usable = false;
  gfx::Bitmap img;
  PaintBarImage(l, img);
  EXPECT_EQ(Row(img, 20), gfx::RGB(222, 162, 102));
  // No thumb: the tracks meet at the thumb's middle (row 105).
  EXPECT_EQ(Row(img, 104), gfx::RGB(222, 162, 102));
  EXPECT_NE(Row(img, 105), gfx::RGB(222, 162, 102));
}

TEST_F(ScrollBarDisabled, OverAnImageKeepsFourTenthsOfTheBar) {
  // The window's background image, the bar at (293, 2) in it.
  gfx::Bitmap back(320, 240, gfx::PixelFormat::Bgr24);
  for (int y = 0; y < 240; ++y)
    for (int x = 0; x < 320; ++x) back.SetPixelAt(x, y, gfx::RGB(100, 50 + y % 100, 255));
  BarLook l = Look();
  l.Usable = false;
  l.WindowBackdrop = MakeBackdropRef(&back, 0, 0);
  gfx::Bitmap img;
  PaintBarImage(l, img);
  // 0.6 background + 0.4 bar, rounded: bar (200, 100, 0) at row 20 over (100, 72, 255).
  EXPECT_EQ(Row(img, 20), gfx::RGB(140, 83, 153));
  EXPECT_EQ(Row(img, 21), gfx::RGB(140, 84, 153));  // 73 * 0.6 + 40 = 83.8
}

}  // namespace
}  // namespace skin::testing
