#include "skin/render/MaskCompose.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../paint/PaintTestUtil.h"
#include "RenderFixture.h"
#include "skin/render/MaskFrame.h"

namespace skin {
namespace {

using gfx::PixelFormat;
using gfx::RGB;

constexpr PixelFormat kFormats[] = {PixelFormat::Bgr24, PixelFormat::Bgra32};
constexpr gfx::Color M = gfx::clFuchsia;
constexpr gfx::Color N = RGB(254, 0, 255);  // one off the key: an ordinary colour

gfx::Color Grey(int v) { return RGB(v, v, v); }
gfx::Color Rgb(const gfx::Bitmap& b, int x, int y) { return b.PixelAt(x, y) & 0xFFFFFF; }

std::string Where(PixelFormat f, gfx::RowOrder o) {
  return std::string(f == PixelFormat::Bgr24 ? "24-bit" : "32-bit") + ", " + test::OrderName(o);
}

gfx::Bitmap Patterned(int w, int h) {
  gfx::Bitmap b = gfx::NewBitmap24(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.SetPixelAt(x, y, RGB(x, y, 200));
  return b;
}

// The hot frame of a speed button: region (51,40)-(84,62) of an 84 x 62
// master, three 11 x 11 cells over their transparency pictures, borders
// 3/7/3/3, drawn only when not in state 0.
struct SpeedButtonFrame {
  test::ModelBuilder Mb;
  TsMaskData Mask;
  explicit SpeedButtonFrame(gfx::RowOrder o, int picture = 200)
      : Mb(84, 62, Grey(33), o), Mask(test::MakeMask({51, 40, 84, 62}, {3, 1, 2, 3, 7, 3, 3})) {
    Mb.Paint({51, 40, 84, 51}, Grey(picture));
    Mb.Paint({51, 51, 84, 59}, Grey(128));  // mask of picture rows 40..47
    Mb.Paint({51, 59, 84, 62}, Grey(0));    // mask of the bottom border rows 48..50
  }
};

TEST(ComposeMaskedTest, SpeedButtonFrameOverGrey) {
  for (PixelFormat f : kFormats)
    for (gfx::RowOrder o : test::kRowOrders) {
      SpeedButtonFrame sb(o);
      gfx::Bitmap dst = test::Filled(f, 200, 200, Grey(100), o);
      RenderMaskFrame(sb.Mb.Model(), dst, {0, 0, 200, 200}, false, false, 0, sb.Mask, NoBackdrop);
      EXPECT_EQ(Rgb(dst, 0, 0), Grey(100)) << "not drawn in state 0, " << Where(f, o);

      RenderMaskFrame(sb.Mb.Model(), dst, {0, 0, 200, 200}, false, false, 1, sb.Mask, NoBackdrop);
      // s 200 over d 100 through m 128: (200 * 128 + 100 * 128) >> 8 = 150.
      // The tile height is 1: rows 7..196 of the sides are 190 one-row tiles.
      for (int y = 0; y < 197; ++y) {
        ASSERT_EQ(Rgb(dst, 0, y), Grey(150)) << y << ", " << Where(f, o);
        ASSERT_EQ(Rgb(dst, 199, y), Grey(150)) << y << ", " << Where(f, o);
      }
      // The bottom pieces read the last three mask rows 59..61 (m 0), not
      // one row higher.
      for (int y = 197; y < 200; ++y)
        for (int x : {0, 2, 3, 100, 196, 199})
          ASSERT_EQ(Rgb(dst, x, y), Grey(200)) << x << "," << y << ", " << Where(f, o);
      for (int x = 0; x < 200; ++x) ASSERT_EQ(Rgb(dst, x, 6), Grey(150)) << x;
      EXPECT_EQ(Rgb(dst, 100, 100), Grey(100)) << "centre untouched";
      EXPECT_EQ(Rgb(dst, 3, 7), Grey(100)) << "just inside the borders";
      if (f == PixelFormat::Bgra32) {
        EXPECT_EQ(dst.PixelAt(0, 0) >> 24, 0u) << "no backdrop: alpha kept";
      }
    }
}

TEST(ComposeMaskedTest, ChannelArithmetic) {
  struct C {
    int S, D, Mk, Want;
  };
  const C cases[] = {{200, 100, 128, 150}, {0, 255, 255, 254}, {255, 0, 0, 255}, {10, 20, 255, 19}};
  for (const C& c : cases)
    for (PixelFormat f : kFormats)
      for (gfx::RowOrder o : test::kRowOrders) {
        // 1 x 2 source: the picture pixel over its mask pixel.
        gfx::Bitmap src = test::MakeBitmap(PixelFormat::Bgr24, 1, 2, {Grey(c.S), Grey(c.Mk)}, o);
        const TsMaskData mask = test::MakeMask({0, 0, 1, 2}, {1, 1, 0, 0, 0, 0, 0});
        gfx::Bitmap dst = test::Filled(f, 1, 1, Grey(c.D), o);
        ComposeMasked(dst, {0, 0, 1, 1}, {0, 0, 1, 1}, mask, false, NoBackdrop, src);
        EXPECT_EQ(Rgb(dst, 0, 0), Grey(c.Want)) << c.S << " " << c.D << " " << c.Mk << ", " << Where(f, o);
      }
}

TEST(ComposeMaskedTest, KeyPixelTable) {
  // Source row: key, s 200, s 0; mask row below: 0, 128, 255. Destination 100,
  // alpha 0x10 on 32-bit. Backdrop grey 50, fill colour (1, 2, 3).
  gfx::Bitmap back = test::Filled(PixelFormat::Bgr24, 8, 8, Grey(50));
  BackdropRef ready = MakeBackdropRef(&back, 0, 0);
  BackdropRef notReady{nullptr, 0, 0, RGB(1, 2, 3), false};
  struct C {
    const char* Name;
    bool Use;
    BackdropRef Back;
    gfx::Color Key;
    bool Opaque;
  };
  const C cases[] = {
      {"useBackdrop, ready: the backdrop", true, ready, Grey(50), true},
      {"useBackdrop, not ready: the fill colour", true, notReady, RGB(1, 2, 3), false},
      {"no useBackdrop, ready: composed like others", false, ready, M, false},
      {"no useBackdrop, not ready: unchanged", false, notReady, Grey(100), false},
  };
  for (const C& c : cases)
    for (PixelFormat f : kFormats)
      for (gfx::RowOrder o : test::kRowOrders) {
        gfx::Bitmap src =
            test::MakeBitmap(PixelFormat::Bgr24, 3, 2, {M, Grey(200), Grey(0), 0, Grey(128), Grey(255)}, o);
        const TsMaskData mask = test::MakeMask({0, 0, 3, 2}, {1, 1, 0, 0, 0, 0, 0});
        gfx::Bitmap dst = test::Filled(f, 3, 1, 0x10000000u | Grey(100), o);
        ComposeMasked(dst, {0, 0, 3, 1}, {0, 0, 3, 1}, mask, c.Use, c.Back, src);
        EXPECT_EQ(Rgb(dst, 0, 0), c.Key) << c.Name << ", " << Where(f, o);
        EXPECT_EQ(Rgb(dst, 1, 0), Grey(150)) << c.Name << ", " << Where(f, o);
        EXPECT_EQ(Rgb(dst, 2, 0), Grey(99)) << c.Name << ", " << Where(f, o);
        if (f == PixelFormat::Bgra32) {
          EXPECT_EQ(dst.PixelAt(1, 0) >> 24, c.Opaque ? 255u : 0x10u) << c.Name;
        }
      }
}

TEST(ComposeMaskedTest, BackdropRowStopsAtItsEdge) {
  // A 2 x 1 backdrop behind a 3 x 2 key-only piece: only the pixels with a
  // backdrop pixel behind them change.
  gfx::Bitmap back = test::MakeBitmap(PixelFormat::Bgr24, 2, 1, {Grey(1), Grey(2)});
  gfx::Bitmap src = test::MakeBitmap(PixelFormat::Bgr24, 3, 4, {M, M, M, M, M, M});
  const TsMaskData mask = test::MakeMask({0, 0, 3, 4}, {1, 1, 0, 0, 0, 0, 0});
  gfx::Bitmap dst = test::Filled(PixelFormat::Bgr24, 3, 2, Grey(9));
  ComposeMasked(dst, {0, 0, 3, 2}, {0, 0, 3, 2}, mask, true, MakeBackdropRef(&back, 0, 0), src);
  EXPECT_EQ(test::Pixels(dst),
            (std::vector<gfx::Color>{Grey(1), Grey(2), Grey(9), Grey(9), Grey(9), Grey(9)}));
}

TEST(ComposeMaskedTest, AllKeyCornerShowsTheBackdropExactly) {
  for (PixelFormat f : kFormats)
    for (gfx::RowOrder o : test::kRowOrders) {
      SpeedButtonFrame sb(o);
      sb.Mb.Paint({62, 40, 65, 47}, M);  // top-left corner of cell 1
      gfx::Bitmap back = Patterned(64, 64);
      gfx::Bitmap dst = test::Filled(f, 40, 40, Grey(100), o);
      // The frame at (5, 4); the backdrop is given relative to it.
      RenderMaskFrame(sb.Mb.Model(), dst, {5, 4, 35, 34}, false, true, 1, sb.Mask,
                      MakeBackdropRef(&back, 20, 10));
      for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 3; ++x) {
          ASSERT_EQ(Rgb(dst, 5 + x, 4 + y), RGB(20 + x, 10 + y, 200)) << x << "," << y << ", " << Where(f, o);
          if (f == PixelFormat::Bgra32) {
            ASSERT_EQ(dst.PixelAt(5 + x, 4 + y) >> 24, 255u);
          }
        }
      EXPECT_EQ(Rgb(dst, 8, 4), Grey(150)) << "the top side next to it is composed";
    }
}

TEST(CopyKeyedTest, Table) {
  gfx::Bitmap back = Patterned(8, 8);
  struct C {
    const char* Name;
    bool Use;
    BackdropRef Back;
    gfx::Color Key;  // what the key pixel at destination (1, 1) becomes
  };
  const gfx::Color D = Grey(9);
  const C cases[] = {
      {"backdrop image", true, MakeBackdropRef(&back, 2, 3), RGB(3, 4, 200)},
      {"backdrop image outside", true, MakeBackdropRef(&back, 7, 7), D},
      {"ready but not used", false, MakeBackdropRef(&back, 2, 3), D},
      {"NoBackdrop: black", true, NoBackdrop, 0},
      {"not ready: fill colour", false, BackdropRef{nullptr, 0, 0, RGB(5, 6, 7), false}, RGB(5, 6, 7)},
  };
  for (const C& c : cases)
    for (PixelFormat f : kFormats)
      for (gfx::RowOrder o : test::kRowOrders) {
        // Source 4 x 1 (A, key, near-key, A); the inclusive rect takes 1..2.
        gfx::Bitmap src = test::MakeBitmap(PixelFormat::Bgr24, 4, 1, {Grey(1), M, N, Grey(1)}, o);
        gfx::Bitmap dst = test::Filled(f, 3, 2, D, o);
        CopyKeyed(dst, src, 1, 1, c.Use, c.Back, {1, 0, 2, 0});
        EXPECT_EQ(test::Pixels(dst).size(), 6u);
        EXPECT_EQ(Rgb(dst, 1, 1), c.Key) << c.Name << ", " << Where(f, o);
        EXPECT_EQ(Rgb(dst, 2, 1), N) << c.Name << ", " << Where(f, o);
        EXPECT_EQ(Rgb(dst, 0, 1), D) << c.Name;
        EXPECT_EQ(Rgb(dst, 1, 0), D) << c.Name;
        if (f == PixelFormat::Bgra32) {
          EXPECT_EQ(dst.PixelAt(2, 1) >> 24, 255u);
        }
      }
}

TEST(CopyKeyedTest, SourceRectIsInclusiveAndClipped) {
  gfx::Bitmap src = test::MakeBitmap(PixelFormat::Bgr24, 2, 2, {Grey(1), Grey(2), Grey(3), Grey(4)});
  gfx::Bitmap dst = test::Filled(PixelFormat::Bgr24, 3, 3, Grey(9));
  // (-1,-1)..(5,5) clipped to the source: the source stays aligned, so its
  // (0, 0) lands one further right and down.
  CopyKeyed(dst, src, 0, 0, false, NoBackdrop, {-1, -1, 5, 5});
  EXPECT_EQ(test::Pixels(dst), (std::vector<gfx::Color>{Grey(9), Grey(9), Grey(9), Grey(9), Grey(1), Grey(2),
                                                        Grey(9), Grey(3), Grey(4)}));
}

}  // namespace
}  // namespace skin
