#include "skin/render/FocusDots.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "tests/skin/paint/PaintTestUtil.h"

namespace skin {
namespace {

using test::Filled;
using test::kRowOrders;

constexpr gfx::Color kGrey = 0x808080;

// Expected dots for a rectangle: black on the edges, white one up-left.
struct Dots {
  std::set<std::pair<int, int>> Black, White;
};

Dots Expected(const gfx::Rect& r) {
  Dots d;
  for (int i = 0; i <= r.Width() / 3; ++i) {
    const int x = r.Left + 3 * i;
    d.Black.insert({x, r.Top});
    d.Black.insert({x, r.Bottom});
    d.White.insert({x - 1, r.Top - 1});
    d.White.insert({x - 1, r.Bottom - 1});
  }
  for (int i = 0; i <= r.Height() / 3; ++i) {
    const int y = r.Top + 3 * i;
    d.Black.insert({r.Left, y});
    d.Black.insert({r.Right, y});
    d.White.insert({r.Left - 1, y - 1});
    d.White.insert({r.Right - 1, y - 1});
  }
  return d;
}

TEST(DrawFocusDots, DotsOnTheEdgesAndWhiteUpLeft) {
  for (gfx::PixelFormat f : {gfx::PixelFormat::Bgr24, gfx::PixelFormat::Bgra32})
    for (gfx::RowOrder o : kRowOrders) {
      gfx::Bitmap b = Filled(f, 14, 11, kGrey, o);
      gfx::Canvas canvas(b);
      DrawFocusDots(canvas, {2, 2, 11, 8});
      // The hand-worked example: x = 2, 5, 8, 11 on rows 2 and 8; y = 2, 5, 8
      // on columns 2 and 11.
      for (int x : {2, 5, 8, 11})
        for (int y : {2, 8}) EXPECT_EQ(b.PixelAt(x, y) & 0xFFFFFF, gfx::clBlack) << x << "," << y;
      for (int y : {2, 5, 8})
        for (int x : {2, 11}) EXPECT_EQ(b.PixelAt(x, y) & 0xFFFFFF, gfx::clBlack) << x << "," << y;
      for (int x : {1, 4, 7, 10})
        for (int y : {1, 7}) EXPECT_EQ(b.PixelAt(x, y) & 0xFFFFFF, gfx::clWhite) << x << "," << y;
      const Dots d = Expected({2, 2, 11, 8});
      for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x) {
          const gfx::Color want = d.White.contains({x, y})   ? gfx::clWhite
                                  : d.Black.contains({x, y}) ? gfx::clBlack
                                                             : kGrey;
          EXPECT_EQ(b.PixelAt(x, y) & 0xFFFFFF, want) << x << "," << y << " " << test::OrderName(o);
        }
    }
}

TEST(DrawFocusDots, ClippedAtTheEdgesAndCheapForHugeRectangles) {
  gfx::Bitmap b = Filled(gfx::PixelFormat::Bgr24, 6, 6, kGrey);
  gfx::Canvas canvas(b);
  DrawFocusDots(canvas, {0, 0, 5, 5});  // white dots at -1 are skipped
  EXPECT_EQ(b.PixelAt(0, 0), gfx::clBlack);
  EXPECT_EQ(b.PixelAt(3, 0), gfx::clBlack);
  EXPECT_EQ(b.PixelAt(2, 4), gfx::clWhite);

  gfx::Bitmap big = Filled(gfx::PixelFormat::Bgr24, 9, 9, kGrey);
  gfx::Canvas c2(big);
  DrawFocusDots(c2, {-2000000000, 3, 2000000000, 2000000000});
  // The top edge runs through the bitmap: dots at x = -2e9 + 3i, i.e. x mod 3 == 1.
  for (int x = 0; x < 9; ++x) EXPECT_EQ(big.PixelAt(x, 3), x % 3 == 1 ? gfx::clBlack : kGrey) << x;
  for (int x = 0; x < 9; ++x) EXPECT_EQ(big.PixelAt(x, 2), x % 3 == 0 ? gfx::clWhite : kGrey) << x;
}

}  // namespace
}  // namespace skin
