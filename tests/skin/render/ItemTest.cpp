// Whole items: background, corner images and border mask, in their order and
// places, and the state-0 pass of a transparent hot texture.
#include "skin/render/SkinItem.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "tests/skin/paint/PaintTestUtil.h"
#include "tests/skin/render/RenderFixture.h"

namespace skin {
namespace {

using test::Filled;
using test::kRowOrders;
using test::MakeMask;
using test::ModelBuilder;

constexpr gfx::Color kSentinel = 0x3C5A78;
constexpr gfx::Color kBack = 0x102030;   // the item's colour
constexpr gfx::Color kFrame = 0x00C000;  // the border mask's colour
constexpr gfx::Color kTL = 0x0000F1, kTR = 0x0000F2, kBL = 0x0000F3, kBR = 0x0000F4;
constexpr gfx::Rect kItem{2, 1, 9, 7};

// Corner images of 2 x 2 (one state, no mask part) in the master's first row,
// and a one-pixel uniform border mask (StretchMode 0: no centre).
struct ItemModel {
  ModelBuilder Builder;
  int Section = -1;
  explicit ItemModel(gfx::RowOrder o) : Builder(16, 8, gfx::clFuchsia, o) {
    Builder.Paint({0, 0, 2, 2}, kTL)
        .Paint({2, 0, 4, 2}, kTR)
        .Paint({4, 0, 6, 2}, kBL)
        .Paint({6, 0, 8, 2}, kBR);
    Builder.Paint({8, 0, 11, 3}, kFrame);
    TsGeneralData g;
    g.SectionName = "ITEM";
    g.Color = kBack;
    g.ImgTopLeftIndex = Builder.AddMask(MakeMask({0, 0, 2, 2}, {}));
    g.ImgTopRightIndex = Builder.AddMask(MakeMask({2, 0, 4, 2}, {}));
    g.ImgBtmLeftIndex = Builder.AddMask(MakeMask({4, 0, 6, 2}, {}));
    g.ImgBtmRightIndex = Builder.AddMask(MakeMask({6, 0, 8, 2}, {}));
    g.BordersMaskIndex = Builder.AddMask(MakeMask({8, 0, 11, 3}, {1, 0, 0, 1, 1, 1, 1}));
    Section = Builder.AddSection(g);
  }
};

// Which look a pixel of the item has: corner images, frame or background.
gfx::Color Expected(int x, int y, bool cornersOnTop) {
  if (!kItem.Contains({x, y})) return kSentinel;
  const bool left = x < kItem.Left + 2, right = x >= kItem.Right - 2;
  const bool top = y < kItem.Top + 2, bottom = y >= kItem.Bottom - 2;
  const bool edge = x == kItem.Left || x == kItem.Right - 1 || y == kItem.Top || y == kItem.Bottom - 1;
  gfx::Color corner = 0;
  if (left && top) corner = kTL;
  if (right && top) corner = kTR;
  if (left && bottom) corner = kBL;
  if (right && bottom) corner = kBR;
  if (corner != 0 && (cornersOnTop || !edge)) return corner;
  if (edge) return kFrame;
  return kBack;
}

TEST(RenderSkinItem, BackgroundThenCornersThenBorder) {
  for (gfx::PixelFormat f : {gfx::PixelFormat::Bgr24, gfx::PixelFormat::Bgra32})
    for (gfx::RowOrder o : kRowOrders) {
      ItemModel m(o);
      gfx::Bitmap b = Filled(f, 12, 9, kSentinel, o);
      RenderSkinItem(m.Builder.Model(), m.Section, "ITEM", NoBackdrop, -1, -1, b, {}, kItem, 0, true);
      for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 12; ++x)
          ASSERT_EQ(b.PixelAt(x, y) & 0xFFFFFF, Expected(x, y, false))
              << x << "," << y << " " << test::OrderName(o);
    }
}

TEST(RenderSkinItemOnTop, BorderThenCornersWithTheBottomLeftImageInTheItem) {
  for (gfx::PixelFormat f : {gfx::PixelFormat::Bgr24, gfx::PixelFormat::Bgra32})
    for (gfx::RowOrder o : kRowOrders) {
      ItemModel m(o);
      const TsSkinModel& model = m.Builder.Model();
      gfx::Bitmap b = Filled(f, 12, 9, kSentinel, o);
      RenderSkinItemOnTop(model, m.Section, "ITEM", NoBackdrop, -1, -1, gfx::clFuchsia,
                          model.GeneralTable[0].BordersMaskIndex, b, {}, kItem, 0, true, true);
      for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 12; ++x)
          ASSERT_EQ(b.PixelAt(x, y) & 0xFFFFFF, Expected(x, y, true))
              << x << "," << y << " " << test::OrderName(o);

      // A custom colour makes the background flat; the border mask is the one passed.
      gfx::Bitmap c = Filled(f, 12, 9, kSentinel, o);
      RenderSkinItemOnTop(model, m.Section, "ITEM", NoBackdrop, -1, -1, 0x445566, -1, c, {}, kItem, 0, true,
                          true);
      EXPECT_EQ(c.PixelAt(5, 1) & 0xFFFFFF, 0x445566u);
      EXPECT_EQ(c.PixelAt(2, 1) & 0xFFFFFF, kTL);
    }
}

TEST(RenderSkinItem, NothingWhenTheRectLeavesTheBitmapOrTheSectionIsInvalid) {
  ItemModel m(gfx::RowOrder::TopDown);
  const gfx::Bitmap blank = Filled(gfx::PixelFormat::Bgr24, 12, 9, kSentinel);
  struct Case {
    int Section;
    gfx::Rect Rect;
  };
  for (const Case& c :
       {Case{m.Section, {5, 1, 13, 7}}, Case{m.Section, {2, 3, 9, 10}}, Case{m.Section, {-1, 1, 9, 7}},
        Case{m.Section, {4, 4, 4, 6}}, Case{-1, kItem}, Case{9, kItem}}) {
    gfx::Bitmap b = blank;
    RenderSkinItem(m.Builder.Model(), c.Section, "ITEM", NoBackdrop, -1, -1, b, {}, c.Rect, 1, true);
    EXPECT_EQ(test::Pixels(b), test::Pixels(blank)) << c.Rect.Left << "," << c.Rect.Top;
    RenderSkinItemOnTop(m.Builder.Model(), c.Section, "ITEM", NoBackdrop, -1, -1, gfx::clFuchsia, -1, b, {},
                        c.Rect, 1, true, true);
    EXPECT_EQ(test::Pixels(b), test::Pixels(blank)) << c.Rect.Left << "," << c.Rect.Top;
  }
}

TEST(RenderSkinItem, HotPatternTransparentTextureIsPaintedLastInStateZero) {
  // A section with only a HOTPATTERN: a 2 x 2 mode-10 texture with a mask
  // part, whose key pixel shows the backdrop.
  for (gfx::RowOrder o : kRowOrders) {
    ModelBuilder mb(4, 4, gfx::clBlack, o);
    mb.Paint({0, 0, 2, 2}, 0x0000C8).Paint({1, 1, 2, 2}, gfx::clFuchsia);  // mask rows 2..3 stay 0: opaque
    const int hot = mb.AddMask(MakeMask({0, 0, 2, 4}, {1, 1, 10}), "ITEM", "HOTPATTERN");
    TsGeneralData g;
    g.SectionName = "ITEM";
    g.Color = kBack;
    g.HotColor = kBack;
    const int section = mb.AddSection(g);
    gfx::Bitmap parent(12, 12, gfx::PixelFormat::Bgr24);
    for (int y = 0; y < 12; ++y)
      for (int x = 0; x < 12; ++x) parent.SetPixelAt(x, y, gfx::RGB(x * 10, y * 10, 5));
    const BackdropRef backdrop = MakeBackdropRef(&parent, 3, 2);
    const gfx::Rect item{0, 0, 5, 5};
    for (int state : {0, 1}) {
      gfx::Bitmap b = Filled(gfx::PixelFormat::Bgr24, 5, 5, kSentinel, o);
      RenderSkinItem(mb.Model(), section, "ITEM", backdrop, -1, hot, b, {1, 1}, item, state, true);
      for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 5; ++x) {
          const gfx::Color behind = parent.PixelAt(3 + 1 + x, 2 + 1 + y);
          gfx::Color want = kBack;
          if (state == 0) {
            // Whole tiles cover 4 x 4; the right column and bottom row show the backdrop.
            if (x < 4 && y < 4)
              want = (x % 2 == 1 && y % 2 == 1) ? behind : 0x0000C8u;
            else
              want = behind;
          }
          ASSERT_EQ(b.PixelAt(x, y), want) << "state " << state << " at " << x << "," << y;
        }
    }
  }
}

}  // namespace
}  // namespace skin

namespace skin {
namespace {

TEST(RenderSkinItem, ExtremeBackdropOffsetsReadNothingAndDoNotOverflow) {
  // Offsets at the ends of the int range put the backdrop wholly outside its
  // image: the transparent item keeps its own pixels, and no sum overflows.
  ItemModel m(gfx::RowOrder::TopDown);
  m.Builder.Model().GeneralTable[0].Transparency = 100;
  const gfx::Bitmap parent = Filled(gfx::PixelFormat::Bgr24, 8, 8, 0x00FF00);
  for (const gfx::Point off : {gfx::Point{INT_MIN, INT_MIN}, gfx::Point{INT_MAX, -8}}) {
    const BackdropRef backdrop = MakeBackdropRef(&parent, -8, INT_MIN);
    gfx::Bitmap b = Filled(gfx::PixelFormat::Bgr24, 12, 9, kSentinel);
    RenderSkinItem(m.Builder.Model(), m.Section, "ITEM", backdrop, -1, -1, b, off, kItem, 0, true);
    EXPECT_EQ(b.PixelAt(5, 3), kSentinel);  // the centre: backdrop unreadable, nothing copied
  }
}

}  // namespace
}  // namespace skin
