#include "skin/render/MaskKeyCopy.h"

#include <gtest/gtest.h>

#include <vector>

#include "../paint/PaintTestUtil.h"
#include "RenderFixture.h"

namespace skin {
namespace {

using gfx::PixelFormat;
using gfx::RGB;

constexpr gfx::Color M = gfx::clFuchsia;

// The mask: one 6 x 6 cell at (0, 0) of the master, borders 2. The single key
// pixel of each corner sits at its own place: top-left (0,0), top-right (5,0),
// bottom-left (0,5), bottom-right (5,5) of the cell.
TEST(MaskCopyWhereKeyTest, KindPicksTheCorner) {
  struct C {
    int Kind;
    int KeyX, KeyY;  // the corner's key pixel relative to the corner's origin
  };
  // Corner origins: 13 (0,0), 14 (4,0), 16 (0,4), 17 (4,4); other kinds (0,0).
  const C cases[] = {{13, 0, 0}, {14, 1, 0}, {16, 0, 1}, {17, 1, 1}, {99, 0, 0}};
  for (const C& c : cases)
    for (gfx::RowOrder o : test::kRowOrders) {
      test::ModelBuilder mb(6, 6, RGB(1, 1, 1), o);
      for (auto [x, y] : {std::pair{0, 0}, {5, 0}, {0, 5}, {5, 5}}) mb.Master().SetPixelAt(x, y, M);
      const int idx = mb.AddMask(test::MakeMask({0, 0, 6, 6}, {1, 0, 0, 2, 2, 2, 2}));
      gfx::Bitmap src = test::Filled(PixelFormat::Bgra32, 2, 2, 0x80112233u, o);
      gfx::Bitmap dst = test::Filled(PixelFormat::Bgra32, 3, 3, 0xFF000000u, o);
      CopyWhereKey(dst, src, {1, 1, 3, 3}, c.Kind, mb.Model(), idx, {0, 0});
      for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x) {
          const bool copied = x == 1 + c.KeyX && y == 1 + c.KeyY;
          EXPECT_EQ(dst.PixelAt(x, y), copied ? 0x80112233u : 0xFF000000u)
              << "kind " << c.Kind << " at " << x << "," << y << ", " << test::OrderName(o);
        }
    }
}

TEST(MaskCopyWhereKeyTest, IndexMinusOneTestsTheDestinationAndBadIndexesNothing) {
  test::ModelBuilder mb(2, 2, M);
  gfx::Bitmap src = test::Filled(PixelFormat::Bgra32, 2, 1, 0x80112233u);
  gfx::Bitmap dst = test::MakeBitmap(PixelFormat::Bgra32, 2, 1, {0xFF000000u | M, 0xFF000001u});
  CopyWhereKey(dst, src, {0, 0, 2, 1}, 13, mb.Model(), 5, {0, 0});
  EXPECT_EQ(test::Pixels(dst), (std::vector<gfx::Color>{0xFF000000u | M, 0xFF000001u}));
  CopyWhereKey(dst, src, {0, 0, 2, 1}, 13, mb.Model(), -1, {0, 0});
  EXPECT_EQ(test::Pixels(dst), (std::vector<gfx::Color>{0x80112233u, 0xFF000001u}));
}

}  // namespace
}  // namespace skin
