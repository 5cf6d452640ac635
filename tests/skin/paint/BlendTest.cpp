#include "skin/paint/Blend.h"

#include <gtest/gtest.h>

#include "PaintTestUtil.h"

namespace skin {
namespace {

using gfx::PixelFormat;
using gfx::Point;
using gfx::Rect;
using gfx::RGB;
using test::MakeBitmap;
using test::Pixels;

// Destination and source are 3 x 3. Destination pixel bytes are all 200,
// source pixels are distinct grey levels 0, 10, ... 80 (row by row), so the
// expected value of every blended byte can be worked out directly.
constexpr gfx::Color D = RGB(200, 200, 200);
constexpr gfx::Color Grey(int v) { return RGB(v, v, v); }

gfx::Bitmap Source(gfx::RowOrder order) {
  return MakeBitmap(PixelFormat::Bgr24, 3, 3,
                    {Grey(0), Grey(10), Grey(20), Grey(30), Grey(40), Grey(50), Grey(60), Grey(70), Grey(80)},
                    order);
}

// (200 * a + s * (255 - a) + 127) >> 8 for one byte
constexpr int Blend(int d, int s, int a) { return (d * a + s * (255 - a) + 127) >> 8; }
constexpr gfx::Color B(int s, int a) { return Grey(Blend(200, s, a)); }

struct BlendCase {
  const char* Name;
  int A;
  Point P;
  Rect S;
  std::vector<gfx::Color> Expected;
};

TEST(BlendBitmapsTest, ClippingTable) {
  const BlendCase cases[] = {
      {"whole",
       0,
       {0, 0},
       {0, 0, 3, 3},
       {B(0, 0), B(10, 0), B(20, 0), B(30, 0), B(40, 0), B(50, 0), B(60, 0), B(70, 0), B(80, 0)}},
      {"source starts at row 1", 100, {0, 0}, {1, 1, 3, 2}, {B(40, 100), B(50, 100), D, D, D, D, D, D, D}},
      {"point inside", 0, {1, 2}, {0, 0, 3, 3}, {D, D, D, D, D, D, D, B(0, 0), B(10, 0)}},
      {"negative point moves the source start",
       0,
       {-1, -2},
       {0, 0, 3, 3},
       {B(70, 0), B(80, 0), D, D, D, D, D, D, D}},
      {"negative source start moves the point",
       0,
       {0, 0},
       {-2, -1, 2, 2},
       {D, D, D, D, D, B(0, 0), D, D, B(30, 0)}},
      {"source cut to the source size", 0, {0, 0}, {2, 0, 9, 1}, {B(20, 0), D, D, D, D, D, D, D, D}},
      {"empty source rect", 0, {0, 0}, {1, 1, 1, 3}, {D, D, D, D, D, D, D, D, D}},
      {"point outside", 0, {3, 0}, {0, 0, 3, 3}, {D, D, D, D, D, D, D, D, D}},
      {"source starts outside", 0, {0, 0}, {3, 0, 5, 3}, {D, D, D, D, D, D, D, D, D}},
      {"alpha clamped", 300, {0, 0}, {0, 0, 1, 1}, {Grey(199), D, D, D, D, D, D, D, D}},
  };
  for (const auto& c : cases) {
    for (gfx::RowOrder od : test::kRowOrders) {
      for (gfx::RowOrder os : test::kRowOrders) {
        gfx::Bitmap dst = test::Filled(PixelFormat::Bgr24, 3, 3, D, od);
        BlendBitmaps(dst, Source(os), c.A, c.P, c.S);
        EXPECT_EQ(Pixels(dst), c.Expected)
            << c.Name << ", dst " << test::OrderName(od) << ", src " << test::OrderName(os);
      }
    }
  }
}

TEST(BlendBitmapsTest, EveryByteValueAtFullAndZeroAlpha) {
  // a = 255 on equal bytes gives x - 1 for x >= 128 and x below; a = 0 gives
  // the source byte minus the same rounding.
  gfx::Bitmap dst(256, 1, PixelFormat::Bgr24);
  gfx::Bitmap src(256, 1, PixelFormat::Bgr24);
  for (int x = 0; x < 256; ++x) {
    dst.SetPixelAt(x, 0, Grey(x));
    src.SetPixelAt(x, 0, Grey(x));
  }
  gfx::Bitmap dst0 = dst;
  BlendBitmaps(dst, src, 255, {0, 0}, src.Bounds());
  for (int x = 0; x < 256; ++x) ASSERT_EQ(dst.PixelAt(x, 0), Grey(x >= 128 ? x - 1 : x)) << x;

  gfx::Bitmap black(256, 1, PixelFormat::Bgr24);
  BlendBitmaps(black, src, 0, {0, 0}, src.Bounds());
  for (int x = 0; x < 256; ++x) ASSERT_EQ(black.PixelAt(x, 0), Grey((x * 255 + 127) >> 8)) << x;
}

TEST(BlendBitmapsTest, ThirtyTwoBitBlendsAlphaToo) {
  gfx::Bitmap dst =
      MakeBitmap(PixelFormat::Bgra32, 2, 1, {0xC8C8C8C8u, 0x00000000u}, gfx::RowOrder::BottomUp);
  gfx::Bitmap src = MakeBitmap(PixelFormat::Bgra32, 2, 1, {0x00000000u, 0xFF0A141Eu});
  BlendBitmaps(dst, src, 128, {0, 0}, src.Bounds());
  // 200 * 128 + 127 >> 8 = 100; 255 * 127 + 127 >> 8 = 127; 30*127+127>>8 = 15 ...
  const auto b = [](int d, int s) { return static_cast<gfx::Color>(Blend(d, s, 128)); };
  EXPECT_EQ(dst.PixelAt(0, 0), b(200, 0) * 0x01010101u);
  EXPECT_EQ(dst.PixelAt(1, 0), (b(0, 255) << 24) | (b(0, 0x0A) << 16) | (b(0, 0x14) << 8) | b(0, 0x1E));
}

TEST(BlendBitmapsTest, MixedFormatsChangeNothing) {
  gfx::Bitmap d32 = test::Filled(PixelFormat::Bgra32, 2, 2, 0x80C8C8C8u);
  const gfx::Bitmap s24 = test::Filled(PixelFormat::Bgr24, 2, 2, RGB(0, 0, 0));
  BlendBitmaps(d32, s24, 0, {0, 0}, s24.Bounds());
  EXPECT_EQ(Pixels(d32), std::vector<gfx::Color>(4, 0x80C8C8C8u));

  gfx::Bitmap d24 = test::Filled(PixelFormat::Bgr24, 2, 2, D);
  const gfx::Bitmap s32 = test::Filled(PixelFormat::Bgra32, 2, 2, 0xFF000000u);
  BlendBitmaps(d24, s32, 0, {0, 0}, s32.Bounds());
  EXPECT_EQ(Pixels(d24), std::vector<gfx::Color>(4, D));
}

TEST(FadeBitmapsTest, EqualSized24BitOnly) {
  gfx::Bitmap dst = test::Filled(PixelFormat::Bgr24, 2, 2, D);
  FadeBitmaps(dst, test::Filled(PixelFormat::Bgr24, 2, 2, Grey(100)), 64);
  EXPECT_EQ(Pixels(dst), std::vector<gfx::Color>(4, Grey(Blend(200, 100, 64))));

  gfx::Bitmap other = test::Filled(PixelFormat::Bgr24, 2, 2, D);
  FadeBitmaps(other, test::Filled(PixelFormat::Bgr24, 2, 3, Grey(100)), 64);
  EXPECT_EQ(Pixels(other), std::vector<gfx::Color>(4, D));

  gfx::Bitmap d32 = test::Filled(PixelFormat::Bgra32, 2, 2, 0xFFC8C8C8u);
  FadeBitmaps(d32, test::Filled(PixelFormat::Bgra32, 2, 2, 0xFF646464u), 64);
  EXPECT_EQ(Pixels(d32), std::vector<gfx::Color>(4, 0xFFC8C8C8u));
}


// A 5 x 3 picture (rows with a padding byte) of distinct bytes.
gfx::Bitmap Ramp(gfx::RowOrder order, int seed) {
  gfx::Bitmap b(5, 3, PixelFormat::Bgr24, order);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x)
      b.SetPixelAt(x, y, RGB((x * 50 + seed) & 0xFF, (y * 90 + seed) & 0xFF, (x * y * 30 + 2 * seed) & 0xFF));
  return b;
}

TEST(FadeBitmapsIntoTest, EqualsACopyFadedInEveryRowOrder) {
  for (const auto fo : test::kRowOrders)
    for (const auto to : test::kRowOrders)
      for (const auto dor : test::kRowOrders)
        for (const int a : {255, 243, 127, 12, 0}) {
          const gfx::Bitmap from = Ramp(fo, 3), over = Ramp(to, 141);
          gfx::Bitmap want = from;
          FadeBitmaps(want, over, a);
          gfx::Bitmap got(5, 3, PixelFormat::Bgr24, dor);
          ASSERT_TRUE(FadeBitmapsInto(got, from, over, a));
          ASSERT_EQ(Pixels(got), Pixels(want)) << test::OrderName(fo) << test::OrderName(to)
                                               << test::OrderName(dor) << " a " << a;
        }
}

TEST(FadeBitmapsIntoTest, TheResultMayBeEitherInput) {
  const gfx::Bitmap from = Ramp(gfx::RowOrder::TopDown, 3), over = Ramp(gfx::RowOrder::BottomUp, 141);
  gfx::Bitmap want = from;
  FadeBitmaps(want, over, 200);
  gfx::Bitmap a = from;
  ASSERT_TRUE(FadeBitmapsInto(a, a, over, 200));
  EXPECT_EQ(Pixels(a), Pixels(want));
  gfx::Bitmap b = over;
  ASSERT_TRUE(FadeBitmapsInto(b, from, b, 200));
  EXPECT_EQ(Pixels(b), Pixels(want));
}

TEST(FadeBitmapsIntoTest, OtherSizesAndFormatsAreRefused) {
  const gfx::Bitmap f = test::Filled(PixelFormat::Bgr24, 2, 2, D);
  gfx::Bitmap d = test::Filled(PixelFormat::Bgr24, 2, 2, Grey(9));
  EXPECT_FALSE(FadeBitmapsInto(d, f, test::Filled(PixelFormat::Bgr24, 2, 3, D), 64));
  gfx::Bitmap small = test::Filled(PixelFormat::Bgr24, 1, 2, Grey(9));
  EXPECT_FALSE(FadeBitmapsInto(small, f, f, 64));
  EXPECT_FALSE(FadeBitmapsInto(d, test::Filled(PixelFormat::Bgra32, 2, 2, D), f, 64));
  gfx::Bitmap d32 = test::Filled(PixelFormat::Bgra32, 2, 2, 0xFF000000u);
  EXPECT_FALSE(FadeBitmapsInto(d32, f, f, 64));
  EXPECT_EQ(Pixels(d), std::vector<gfx::Color>(4, Grey(9)));
  EXPECT_EQ(Pixels(small), std::vector<gfx::Color>(2, Grey(9)));
}

}  // namespace
}  // namespace skin
