// Textures with a mask part. The texture is a 2 x 2 tile at (0, 0) of the
// master with its mask rows below it (rows 2..3).
#include "skin/render/AlphaTexture.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "skin/render/Texture.h"
#include "tests/skin/paint/PaintTestUtil.h"
#include "tests/skin/render/RenderFixture.h"

namespace skin {
namespace {

using test::Filled;
using test::kRowOrders;
using test::MakeMask;
using test::ModelBuilder;

constexpr gfx::Color kSentinel = 0x3C5A78;
gfx::Color Grey(int v) { return gfx::RGB(v, v, v); }

// Picture grey 200 with mask 128 (half), except the key pixel at tile (1, 1).
ModelBuilder AlphaModel(gfx::RowOrder o) {
  ModelBuilder mb(6, 6, gfx::clBlack, o);
  mb.Paint({0, 0, 2, 2}, Grey(200)).Paint({1, 1, 2, 2}, gfx::clFuchsia).Paint({0, 2, 2, 4}, Grey(128));
  return mb;
}

// The pixel a tile puts over grey 100: composed, or (key) the backdrop / kept.
gfx::Color TilePixel(int tx, int ty, gfx::Color keyResult) {
  return tx == 1 && ty == 1 ? keyResult : Grey(150);  // (200 * 128 + 100 * 128) >> 8
}

TEST(PaintAlphaTexture, ModesZeroAndTen) {
  const gfx::Rect area{1, 2, 8, 9};  // 7 x 7: three whole columns and rows of 2 x 2 tiles
  struct Case {
    std::string Name;
    int Mode;
    bool Ready;
    gfx::Color Fill;
  };
  const Case cases[] = {
      {"mode 0 over a ready backdrop", 0, true, gfx::clFuchsia},
      {"mode 0 without backdrop", 0, false, gfx::clFuchsia},
      {"mode 10 over a ready backdrop", 10, true, gfx::clFuchsia},
      {"mode 10 over a fill colour", 10, false, Grey(33)},
      {"mode 10 without any backdrop colour", 10, false, gfx::clFuchsia},
  };
  gfx::Bitmap backdropImage(20, 20, gfx::PixelFormat::Bgr24);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x) backdropImage.SetPixelAt(x, y, gfx::RGB(x * 10, y * 10, 1));
  const int bx = 3, by = 4;  // the backdrop's offsets, relative to the area
  for (const Case& c : cases)
    for (gfx::PixelFormat f : {gfx::PixelFormat::Bgr24, gfx::PixelFormat::Bgra32})
      for (gfx::RowOrder o : kRowOrders) {
        ModelBuilder mb = AlphaModel(o);
        const TsMaskData mask = MakeMask({0, 0, 2, 4}, {1, 1, c.Mode});
        const BackdropRef backdrop{c.Ready ? &backdropImage : nullptr, bx, by, c.Fill, c.Ready};
        gfx::Bitmap b = Filled(f, 10, 11, kSentinel, o);
        test::FillArea(b, area, Grey(100));
        gfx::Rect left = area;
        PaintAlphaTexture(mb.Model(), b, left, backdrop, c.Mode, mask);
        EXPECT_EQ(left, kNoArea) << c.Name;
        for (int y = 0; y < 11; ++y)
          for (int x = 0; x < 10; ++x) {
            gfx::Color want = kSentinel;
            const gfx::Color behind =
                c.Ready ? backdropImage.PixelAt(bx + x - area.Left, by + y - area.Top) : Grey(100);
            if (area.Contains({x, y})) {
              const bool wholeRows = y < area.Top + 6, wholeCols = x < area.Left + 6;
              const int tx = (x - area.Left) % 2, ty = (y - area.Top) % 2;
              if (wholeRows && (wholeCols || c.Mode == 0))
                want = TilePixel(tx, ty, behind);
              else if (c.Mode == 0)
                want = Grey(100);  // below the whole rows: untouched
              else
                want = c.Ready ? behind : c.Fill != gfx::clFuchsia ? c.Fill : Grey(100);
            }
            ASSERT_EQ(b.PixelAt(x, y) & 0xFFFFFF, want)
                << c.Name << " at " << x << "," << y << " " << test::OrderName(o);
          }
      }
}

TEST(PaintAlphaTexture, NarrowAreaStripsStayInsideTheArea) {
  // An area narrower and lower than a tile, away from the bitmap's top: the
  // strips cover exactly the area, never the rows above it.
  ModelBuilder mb(6, 6);
  mb.Paint({0, 0, 4, 4}, Grey(200)).Paint({0, 4, 4, 8}, Grey(0));
  const TsMaskData mask = MakeMask({0, 0, 4, 8}, {1, 1, 10});
  gfx::Bitmap b = Filled(gfx::PixelFormat::Bgr24, 8, 8, kSentinel);
  const gfx::Rect area0{2, 3, 5, 6};
  gfx::Rect area = area0;
  PaintAlphaTexture(mb.Model(), b, area, {nullptr, 0, 0, Grey(33), false}, 10, mask);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x)
      ASSERT_EQ(b.PixelAt(x, y), area0.Contains({x, y}) ? Grey(33) : kSentinel) << x << "," << y;
}

TEST(PaintAlphaTexture, NothingForOtherModesOrImpossibleMasks) {
  ModelBuilder mb = AlphaModel(gfx::RowOrder::TopDown);
  struct Case {
    std::string Name;
    TsMaskData Mask;
    int Mode;
  };
  TsMaskData noOwner = MakeMask({0, 0, 2, 4}, {1, 1, 0});
  noOwner.Owner = nullptr;
  const Case cases[] = {
      {"mode 3", MakeMask({0, 0, 2, 4}, {1, 1, 3}), 3},
      {"no owner", noOwner, 0},
      {"image count 0", MakeMask({0, 0, 2, 4}, {0, 1, 0}), 0},
      {"image count negative", MakeMask({0, 0, 2, 4}, {-3, 1, 0}), 0},
      {"one row high", MakeMask({0, 0, 2, 1}, {1, 1, 0}), 0},
      {"inverted region", MakeMask({2, 4, 0, 0}, {1, 1, 0}), 10},
  };
  for (const Case& c : cases) {
    gfx::Bitmap b = Filled(gfx::PixelFormat::Bgr24, 8, 8, kSentinel);
    gfx::Rect area{1, 1, 7, 7};
    PaintAlphaTexture(mb.Model(), b, area, NoBackdrop, c.Mode, c.Mask);
    EXPECT_EQ(area, (gfx::Rect{1, 1, 7, 7})) << c.Name;
    EXPECT_EQ(test::Pixels(b), test::Pixels(Filled(gfx::PixelFormat::Bgr24, 8, 8, kSentinel))) << c.Name;
  }
  // A region far outside the master reads nothing and writes nothing but the strips.
  gfx::Bitmap b = Filled(gfx::PixelFormat::Bgr24, 8, 8, kSentinel);
  gfx::Rect area{1, 1, 7, 7};
  PaintAlphaTexture(mb.Model(), b, area, NoBackdrop, 0,
                    MakeMask({1000, -2000000000, 1002, -1999999996}, {1, 1, 0}));
  EXPECT_EQ(test::Pixels(b), test::Pixels(Filled(gfx::PixelFormat::Bgr24, 8, 8, kSentinel)));
}

}  // namespace
}  // namespace skin

namespace skin {
namespace {

TEST(PaintAlphaTexture, AreaAtTheEndOfTheIntRangeDoesNotOverflow) {
  ModelBuilder mb = AlphaModel(gfx::RowOrder::TopDown);
  gfx::Bitmap b = Filled(gfx::PixelFormat::Bgr24, 8, 8, kSentinel);
  gfx::Bitmap parent = Filled(gfx::PixelFormat::Bgr24, 8, 8, 0);
  gfx::Rect area{INT_MIN, INT_MIN, INT_MIN + 7, INT_MIN + 7};
  PaintAlphaTexture(mb.Model(), b, area, MakeBackdropRef(&parent, 5, 5), 10,
                    MakeMask({0, 0, 2, 4}, {1, 1, 10}));
  EXPECT_EQ(area, kNoArea);
  EXPECT_EQ(test::Pixels(b), test::Pixels(Filled(gfx::PixelFormat::Bgr24, 8, 8, kSentinel)));
}

}  // namespace
}  // namespace skin
