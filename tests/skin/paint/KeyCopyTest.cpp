#include "skin/paint/KeyCopy.h"

#include <gtest/gtest.h>

#include "PaintTestUtil.h"

namespace skin {
namespace {

using gfx::PixelFormat;
using gfx::RGB;
using test::MakeBitmap;
using test::Pixels;

constexpr gfx::Color M = gfx::clFuchsia;
constexpr gfx::Color N = RGB(254, 0, 255);  // one off the key: an ordinary colour
constexpr gfx::Color A = RGB(1, 2, 3);
constexpr gfx::Color B = RGB(4, 5, 6);
constexpr gfx::Color D = RGB(9, 9, 9);

TEST(CopyExceptKeyTest, Table) {
  struct C {
    const char* Name;
    int X, Y;
    gfx::Color Key;
    std::vector<gfx::Color> Expected;  // 3 x 2
  };
  // Source 3 x 1: magenta, near-magenta, A.
  const C cases[] = {
      {"exact magenta left out", 0, 0, M, {D, N, A, D, D, D}},
      {"negative x clips, source stays aligned", -1, 1, M, {D, D, D, N, A, D}},
      {"right edge clips", 2, 0, M, {D, D, D, D, D, D}},
      {"right edge clips a copied pixel", 1, 1, M, {D, D, D, D, D, N}},
      {"below the bottom", 0, 2, M, {D, D, D, D, D, D}},
      {"other key", 0, 0, A, {M, N, D, D, D, D}},
      {"clNone copies everything", 0, 0, gfx::clNone, {M, N, A, D, D, D}},
  };
  for (const auto& c : cases) {
    for (gfx::RowOrder order : test::kRowOrders) {
      gfx::Bitmap dst = test::Filled(PixelFormat::Bgr24, 3, 2, D, order);
      CopyExceptKey(dst, MakeBitmap(PixelFormat::Bgr24, 3, 1, {M, N, A}, order), c.X, c.Y, c.Key);
      EXPECT_EQ(Pixels(dst), c.Expected) << c.Name << ", " << test::OrderName(order);
    }
  }
}

TEST(CopyExceptKeyTest, ThirtyTwoBitDestinationGetsOpaqueCopies) {
  gfx::Bitmap dst = test::Filled(PixelFormat::Bgra32, 3, 1, 0x10000000u);
  CopyExceptKey(dst, MakeBitmap(PixelFormat::Bgr24, 3, 1, {M, N, A}), 0, 0, M);
  EXPECT_EQ(Pixels(dst), (std::vector<gfx::Color>{0x10000000u, 0xFF000000u | N, 0xFF000000u | A}));

  // Only 24-bit sources are taken.
  gfx::Bitmap d24 = test::Filled(PixelFormat::Bgr24, 1, 1, D);
  CopyExceptKey(d24, test::Filled(PixelFormat::Bgra32, 1, 1, 0xFF000000u | A), 0, 0, M);
  EXPECT_EQ(d24.PixelAt(0, 0), D);
}

TEST(CopyWhereKeyTest, Table) {
  struct C {
    const char* Name;
    gfx::Rect R;
    gfx::Point P;
    std::vector<gfx::Color> Expected;  // 3 x 2
  };
  // Destination: magenta pixels (alpha varies) where the corner was cut.
  const gfx::Color M0 = M, M8 = 0x80000000u | M, MF = 0xFF000000u | M, K = 0xFF000000u | D;
  // Source: distinct opaque and translucent pixels s0..s5.
  const gfx::Color S[6] = {0xFF000001u, 0xFF000002u, 0x40000003u, 0xFF000004u, 0xFF000005u, 0xFF000006u};
  const C cases[] = {
      {"whole", {0, 0, 3, 2}, {0, 0}, {S[0], S[1], K, S[3], K, S[5]}},
      {"source point offset", {0, 0, 3, 2}, {1, 0}, {S[1], S[2], K, S[4], K, MF}},
      {"width cut by the source", {0, 0, 3, 2}, {2, 1}, {S[5], M8, K, M0, K, MF}},
      {"rect offset", {1, 1, 3, 2}, {0, 0}, {M0, M8, K, M0, K, S[1]}},
      {"negative rect start clips", {-1, 0, 2, 1}, {0, 0}, {S[1], S[2], K, M0, K, MF}},
      {"negative point clips", {0, 0, 3, 2}, {-1, 0}, {M0, S[0], K, M0, K, S[4]}},
      {"empty rect", {0, 0, 0, 2}, {0, 0}, {M0, M8, K, M0, K, MF}},
  };
  for (const auto& c : cases) {
    for (gfx::RowOrder order : test::kRowOrders) {
      gfx::Bitmap dst = MakeBitmap(PixelFormat::Bgra32, 3, 2, {M0, M8, K, M0, K, MF}, order);
      const gfx::Bitmap src = MakeBitmap(PixelFormat::Bgra32, 3, 2, {S[0], S[1], S[2], S[3], S[4], S[5]});
      CopyWhereKey(dst, src, c.R, c.P);
      EXPECT_EQ(Pixels(dst), c.Expected) << c.Name << ", " << test::OrderName(order);
    }
  }
}

TEST(CopyWhereKeyTest, TestImageDecidesWhereToCopy) {
  gfx::Bitmap dst = test::Filled(PixelFormat::Bgra32, 2, 2, 0xFF000000u);
  const gfx::Bitmap src =
      MakeBitmap(PixelFormat::Bgra32, 2, 2, {0xFF0000A1u, 0xFF0000A2u, 0xFF0000A3u, 0xFF0000A4u});
  // 24-bit test image 3 x 3, read from (1, 1): key at (1,1) and (2,2) -> cols/rows (0,0), (1,1).
  const gfx::Bitmap test =
      MakeBitmap(PixelFormat::Bgr24, 3, 3, {D, D, D, D, M, D, D, D, M}, gfx::RowOrder::BottomUp);
  CopyWhereKeyIn(dst, src, {0, 0, 2, 2}, {0, 0}, test, {1, 1});
  EXPECT_EQ(Pixels(dst), (std::vector<gfx::Color>{0xFF0000A1u, 0xFF000000u, 0xFF000000u, 0xFF0000A4u}));

  // Test positions beyond the test image copy nothing.
  gfx::Bitmap dst2 = test::Filled(PixelFormat::Bgra32, 2, 2, 0xFF000000u);
  CopyWhereKeyIn(dst2, src, {0, 0, 2, 2}, {0, 0}, test, {2, 2});
  EXPECT_EQ(Pixels(dst2), (std::vector<gfx::Color>{0xFF0000A1u, 0xFF000000u, 0xFF000000u, 0xFF000000u}));

  // Both bitmaps must be 32-bit.
  gfx::Bitmap d24 = test::Filled(PixelFormat::Bgr24, 1, 1, M);
  CopyWhereKey(d24, test::Filled(PixelFormat::Bgr24, 1, 1, A), {0, 0, 1, 1}, {0, 0});
  EXPECT_EQ(d24.PixelAt(0, 0), M);
}

}  // namespace
}  // namespace skin
