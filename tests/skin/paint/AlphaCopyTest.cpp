#include "skin/paint/AlphaCopy.h"

#include <gtest/gtest.h>

#include "PaintTestUtil.h"

namespace skin {
namespace {

using gfx::PixelFormat;
using gfx::Rect;
using gfx::RGB;
using test::MakeBitmap;
using test::Pixels;

constexpr gfx::Color D = RGB(200, 200, 200);
constexpr gfx::Color Grey(int v) { return RGB(v, v, v); }
constexpr gfx::Color Opaque(gfx::Color c) { return 0xFF000000u | c; }
constexpr gfx::Color kHole = 0x00FF00FFu;

TEST(AlphaCopyTest, PixelRules) {
  struct C {
    const char* Name;
    gfx::Color Src;  // 0xAABBGGRR
    int Blend;
    gfx::Color Gray;
    gfx::Color Expected;
  };
  // Every case draws one pixel over (200, 200, 200); d := (d * 256 + (s - d) * a) >> 8.
  const C cases[] = {
      {"opaque", 0xFF320064u, 0, gfx::clNone, RGB(100, 0, 50)},
      {"half alpha", 0x80320064u, 0, gfx::clNone, RGB(150, 100, 125)},
      {"half alpha, blend 50: a = 64", 0x80320064u, 50, gfx::clNone, RGB(175, 150, 162)},
      {"alpha 0", 0x00320064u, 0, gfx::clNone, D},
      {"hole", kHole, 0, gfx::clNone, D},
      {"opaque magenta is not a hole", 0xFFFF00FFu, 0, gfx::clNone, RGB(254, 0, 254)},
      {"translucent magenta is not a hole", 0x80FF00FFu, 0, gfx::clNone, RGB(227, 100, 227)},
      {"blend 100", 0xFF320064u, 100, gfx::clNone, D},
      {"negative blend counts as 0", 0x80320064u, -20, gfx::clNone, RGB(150, 100, 125)},
      // g = (30 + 60 + 90) div 3 = 60; s = (60, rnd(60 * 128 / 255) = 30, 0)
      {"grey colour", 0x805A3C1Eu, 0, RGB(255, 128, 0), RGB(130, 115, 100)},
      {"grey system colour", 0xFF5A3C1Eu, 0, gfx::clWindow, RGB(60, 60, 60)},
  };
  gfx::ResetSystemColors();
  for (const auto& c : cases) {
    gfx::Bitmap dst = test::Filled(PixelFormat::Bgr24, 1, 1, D);
    const gfx::Bitmap src = MakeBitmap(PixelFormat::Bgra32, 1, 1, {c.Src});
    AlphaCopy({0, 0, 1, 1}, {0, 0, 1, 1}, dst, false, c.Blend, c.Gray, false, NoBackdrop, src);
    EXPECT_EQ(dst.PixelAt(0, 0), c.Expected) << c.Name;
  }
}

TEST(AlphaCopyTest, WideRowsFollowThePixelRule) {
  // Rows long enough for the vectorised paths, every alpha value, and holes.
  constexpr int W = 71, H = 4, kBlend = 30;
  for (gfx::RowOrder order : test::kRowOrders) {
    gfx::Bitmap dst(W, H, PixelFormat::Bgr24, order);
    gfx::Bitmap src(W, H, PixelFormat::Bgra32, test::kRowOrders[1 - static_cast<int>(order)]);
    for (int y = 0; y < H; ++y)
      for (int x = 0; x < W; ++x) {
        const int i = y * W + x;
        dst.SetPixelAt(x, y, RGB(i * 3 % 256, i * 5 % 256, 255 - i % 256));
        src.SetPixelAt(x, y, i % 11 == 0 ? kHole : ((i * 37 % 256) << 24) | RGB(i * 7 % 256, 200, i % 256));
      }
    const gfx::Bitmap before = dst;
    AlphaCopy(dst.Bounds(), src.Bounds(), dst, false, kBlend, gfx::clNone, false, NoBackdrop, src);
    for (int y = 0; y < H; ++y)
      for (int x = 0; x < W; ++x) {
        const gfx::Color s = src.PixelAt(x, y), d = before.PixelAt(x, y);
        gfx::Color expected = d;
        if (s != kHole) {
          const int a = (100 - kBlend) * static_cast<int>(s >> 24) / 100;
          expected = 0;
          for (int shift : {0, 8, 16}) {
            const int dc = static_cast<int>((d >> shift) & 0xFF), sc = static_cast<int>((s >> shift) & 0xFF);
            expected |= static_cast<gfx::Color>((dc * 256 + (sc - dc) * a) >> 8) << shift;
          }
        }
        ASSERT_EQ(dst.PixelAt(x, y), expected) << x << "," << y << " " << test::OrderName(order);
      }
  }
}

TEST(AlphaCopyTest, Non32BitSourceCountsAsOpaque) {
  gfx::Bitmap dst = test::Filled(PixelFormat::Bgr24, 2, 1, D);
  const gfx::Bitmap src = MakeBitmap(PixelFormat::Bgr24, 2, 1, {RGB(100, 0, 50), gfx::clFuchsia});
  AlphaCopy({0, 0, 2, 1}, {0, 0, 2, 1}, dst, false, 0, gfx::clNone, false, NoBackdrop, src);
  EXPECT_EQ(Pixels(dst), (std::vector<gfx::Color>{RGB(100, 0, 50), RGB(254, 0, 254)}));

  gfx::Bitmap d32 = test::Filled(PixelFormat::Bgra32, 1, 1, 0xFF000000u);
  AlphaCopy({0, 0, 1, 1}, {0, 0, 1, 1}, d32, false, 0, gfx::clNone, false, NoBackdrop, src);
  EXPECT_EQ(d32.PixelAt(0, 0), 0xFF000000u) << "only 24-bit destinations";
}

TEST(AlphaCopyTest, ClippingTable) {
  struct C {
    const char* Name;
    Rect DstR, SrcR;
    std::vector<gfx::Color> Expected;  // 3 x 3
  };
  // Opaque greys at or below 200 come out exactly over 200.
  const C cases[] = {
      {"whole",
       {0, 0, 3, 3},
       {0, 0, 3, 3},
       {Grey(0), Grey(10), Grey(20), Grey(30), Grey(40), Grey(50), Grey(60), Grey(70), Grey(80)}},
      {"smaller destination",
       {1, 1, 3, 3},
       {0, 0, 3, 3},
       {D, D, D, D, Grey(0), Grey(10), D, Grey(30), Grey(40)}},
      {"smaller source from row 1", {0, 0, 3, 3}, {1, 1, 2, 3}, {Grey(40), D, D, Grey(70), D, D, D, D, D}},
      {"negative destination start",
       {-1, -1, 2, 2},
       {0, 0, 3, 3},
       {Grey(40), Grey(50), D, Grey(70), Grey(80), D, D, D, D}},
      {"negative source start", {0, 0, 3, 3}, {-1, 0, 2, 1}, {D, Grey(0), Grey(10), D, D, D, D, D, D}},
      {"cut to the destination", {2, 2, 5, 5}, {0, 0, 3, 3}, {D, D, D, D, D, D, D, D, Grey(0)}},
      {"cut to the source", {0, 0, 3, 3}, {2, 0, 5, 3}, {Grey(20), D, D, Grey(50), D, D, Grey(80), D, D}},
  };
  for (const auto& c : cases) {
    for (gfx::RowOrder od : test::kRowOrders) {
      for (gfx::RowOrder os : test::kRowOrders) {
        gfx::Bitmap dst = test::Filled(PixelFormat::Bgr24, 3, 3, D, od);
        const gfx::Bitmap src = MakeBitmap(
            PixelFormat::Bgra32, 3, 3,
            {Opaque(Grey(0)), Opaque(Grey(10)), Opaque(Grey(20)), Opaque(Grey(30)), Opaque(Grey(40)),
             Opaque(Grey(50)), Opaque(Grey(60)), Opaque(Grey(70)), Opaque(Grey(80))},
            os);
        AlphaCopy(c.DstR, c.SrcR, dst, false, 0, gfx::clNone, false, NoBackdrop, src);
        EXPECT_EQ(Pixels(dst), c.Expected)
            << c.Name << ", dst " << test::OrderName(od) << ", src " << test::OrderName(os);
      }
    }
  }
}

TEST(AlphaCopyTest, HolesTakeTheBackdrop) {
  struct C {
    const char* Name;
    Rect DstR, SrcR;
    bool ForKeys;
    bool Ready;
    int X, Y;
    std::vector<gfx::Color> Expected;  // 3 x 1
  };
  const gfx::Color B0 = Grey(1), B1 = Grey(2), B2 = Grey(3);
  // Source: hole, hole, opaque grey 50. Backdrop image: B0, B1, B2.
  const C cases[] = {
      {"backdrop at an offset", {0, 0, 3, 1}, {0, 0, 3, 1}, true, true, 1, 0, {B1, B2, Grey(50)}},
      {"keys not asked for", {0, 0, 3, 1}, {0, 0, 3, 1}, false, true, 0, 0, {D, D, Grey(50)}},
      {"backdrop not ready", {0, 0, 3, 1}, {0, 0, 3, 1}, true, false, 0, 0, {D, D, Grey(50)}},
      {"outside the backdrop left", {0, 0, 3, 1}, {0, 0, 3, 1}, true, true, -1, 0, {D, B0, Grey(50)}},
      {"outside the backdrop below", {0, 0, 3, 1}, {0, 0, 3, 1}, true, true, 0, 1, {D, D, Grey(50)}},
      {"destination coordinates", {1, 0, 3, 1}, {0, 0, 2, 1}, true, true, 0, 0, {D, B1, B2}},
  };
  for (const auto& c : cases) {
    for (gfx::RowOrder order : test::kRowOrders) {
      const gfx::Bitmap back =
          MakeBitmap(PixelFormat::Bgra32, 3, 1, {Opaque(B0), Opaque(B1), Opaque(B2)}, order);
      BackdropRef ref = MakeBackdropRef(&back, c.X, c.Y);
      ref.Ready = c.Ready;
      gfx::Bitmap dst = test::Filled(PixelFormat::Bgr24, 3, 1, D, order);
      const gfx::Bitmap src = MakeBitmap(PixelFormat::Bgra32, 3, 1, {kHole, kHole, Opaque(Grey(50))}, order);
      AlphaCopy(c.DstR, c.SrcR, dst, false, 0, gfx::clNone, c.ForKeys, ref, src);
      EXPECT_EQ(Pixels(dst), c.Expected) << c.Name << ", " << test::OrderName(order);
    }
  }
}

TEST(AlphaCopyTest, ReflectionRows) {
  struct C {
    const char* Name;
    int DstHeight;
    Rect DstR, SrcR;
    int Blend;
    bool HoleInRow2;
    std::vector<int> Expected;  // grey level per destination row
  };
  // Source column (1 x 4, opaque): grey 10, white, black, grey 40.
  // Reflection: n = min(4 div 2, dst height - Bottom - 1); drop 127 per row.
  // b = 0: weight 255 * 85 / 255 = 85 then 128 * 85 / 255 = 42.
  // b = 40: picture alpha 153; weights 51, then 51 * 128 / 255 = 25.
  const C cases[] = {
      {"two rows", 8, {0, 0, 1, 4}, {0, 0, 1, 4}, 0, false, {10, 254, 0, 40, 200, 133, 209, 200}},
      {"with blend", 8, {0, 0, 1, 4}, {0, 0, 1, 4}, 40, false, {86, 232, 80, 104, 200, 160, 205, 200}},
      {"limited by the destination", 6, {0, 0, 1, 4}, {0, 0, 1, 4}, 0, false, {10, 254, 0, 40, 200, 133}},
      {"no room", 5, {0, 0, 1, 4}, {0, 0, 1, 4}, 0, false, {10, 254, 0, 40, 200}},
      {"holes skipped", 8, {0, 0, 1, 4}, {0, 0, 1, 4}, 0, true, {10, 254, 200, 40, 200, 200, 209, 200}},
      // rows from srcRect.Bottom: white (weight 85) then grey 10 (weight 42)
      {"shorter source rect", 8, {0, 0, 1, 3}, {0, 0, 1, 3}, 0, false, {10, 254, 0, 200, 218, 168, 200, 200}},
  };
  for (const auto& c : cases) {
    for (gfx::RowOrder order : test::kRowOrders) {
      gfx::Bitmap dst = test::Filled(PixelFormat::Bgr24, 1, c.DstHeight, D, order);
      const gfx::Bitmap src = MakeBitmap(
          PixelFormat::Bgra32, 1, 4,
          {Opaque(Grey(10)), Opaque(Grey(255)), c.HoleInRow2 ? kHole : Opaque(Grey(0)), Opaque(Grey(40))},
          order);
      AlphaCopy(c.DstR, c.SrcR, dst, true, c.Blend, gfx::clNone, false, NoBackdrop, src);
      std::vector<gfx::Color> expected;
      for (int v : c.Expected) expected.push_back(Grey(v));
      EXPECT_EQ(Pixels(dst), expected) << c.Name << ", " << test::OrderName(order);
    }
  }
}

}  // namespace
}  // namespace skin
