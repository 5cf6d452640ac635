#include "skin/paint/BlendWith.h"

#include <gtest/gtest.h>

#include "PaintTestUtil.h"

namespace skin {
namespace {

using gfx::PixelFormat;
using gfx::Rect;
using gfx::RGB;
using test::MakeBitmap;
using test::Pixels;

constexpr gfx::Color Grey(int v) { return RGB(v, v, v); }
constexpr gfx::Color D = Grey(51);  // destination before

// Source greys 100, 110, ... 150 (3 x 2). With keep 0.4 over 51:
// rnd(s - 0.4 * (s - 51)) = 80, 86, 92, 98, 104, 110.
const gfx::Color kSrc[6] = {Grey(100), Grey(110), Grey(120), Grey(130), Grey(140), Grey(150)};
constexpr gfx::Color E0 = Grey(80), E1 = Grey(86), E2 = Grey(92), E3 = Grey(98), E4 = Grey(104),
                     E5 = Grey(110);

struct Case {
  const char* Name;
  int X, Y;
  Rect S;                            // inclusive
  std::vector<gfx::Color> Expected;  // 3 x 2
};

TEST(BlendWithBitmapTest, ClippingTable) {
  const Case cases[] = {
      {"whole, inclusive rect", 0, 0, {0, 0, 2, 1}, {E0, E1, E2, E3, E4, E5}},
      {"right and bottom are inclusive", 0, 0, {0, 0, 0, 0}, {E0, D, D, D, D, D}},
      {"cut to the last column and row", 1, 1, {1, 1, 9, 9}, {D, D, D, D, E4, E5}},
      {"exclusive-style rect is cut", 0, 0, {0, 0, 3, 2}, {E0, E1, E2, E3, E4, E5}},
      {"negative left moves the destination", 0, 0, {-1, 0, 1, 0}, {D, E0, E1, D, D, D}},
      {"negative top moves the destination", 0, 0, {0, -1, 0, 0}, {D, D, D, E0, D, D}},
      {"destination outside is skipped", -1, 1, {0, 0, 2, 1}, {D, D, D, E1, E2, D}},
      {"source starting at row 1", 0, 0, {0, 1, 2, 1}, {E3, E4, E5, D, D, D}},
      {"empty", 0, 0, {2, 0, 1, 1}, {D, D, D, D, D, D}},
  };
  for (const auto& c : cases) {
    for (gfx::RowOrder order : test::kRowOrders) {
      gfx::Bitmap dst = test::Filled(PixelFormat::Bgr24, 3, 2, D, order);
      const gfx::Bitmap src =
          MakeBitmap(PixelFormat::Bgr24, 3, 2, {kSrc[0], kSrc[1], kSrc[2], kSrc[3], kSrc[4], kSrc[5]}, order);
      BlendWithBitmap(dst, c.X, c.Y, gfx::clNone, 0.4, c.S, src);
      EXPECT_EQ(Pixels(dst), c.Expected) << c.Name << ", " << test::OrderName(order);
    }
  }
}

TEST(BlendWithBitmapTest, KeysAndFormats) {
  const gfx::Color W = RGB(255, 255, 255);
  const gfx::Color M = gfx::clFuchsia;
  // keep 0.5 over black: 255 -> 127.5 -> 128 (tie to even), 101 -> 50.5 -> 50
  const gfx::Color H = Grey(128);
  {
    gfx::Bitmap dst(3, 1, PixelFormat::Bgr24);
    BlendWithBitmap(dst, 0, 0, gfx::clFuchsia, 0.5, {0, 0, 2, 0},
                    MakeBitmap(PixelFormat::Bgr24, 3, 1, {M, W, RGB(255, 0, 254)}));
    EXPECT_EQ(Pixels(dst), (std::vector<gfx::Color>{0, H, RGB(128, 0, 127)})) << "key skipped, near-key not";
  }
  {
    gfx::Bitmap dst(2, 1, PixelFormat::Bgr24);
    BlendWithBitmap(dst, 0, 0, gfx::clNone, 0.5, {0, 0, 1, 0}, MakeBitmap(PixelFormat::Bgr24, 2, 1, {M, W}));
    EXPECT_EQ(Pixels(dst), (std::vector<gfx::Color>{RGB(128, 0, 128), H})) << "clNone skips nothing";
  }
  {
    gfx::Bitmap dst(2, 1, PixelFormat::Bgr24);
    BlendWithBitmap(dst, 0, 0, 0xFFFFFFFFu, 0.5, {0, 0, 1, 0},
                    MakeBitmap(PixelFormat::Bgr24, 2, 1, {W, Grey(101)}));
    EXPECT_EQ(Pixels(dst), (std::vector<gfx::Color>{H, Grey(50)})) << "-1 skips nothing";
  }
  {
    // 24-bit source onto 32-bit destination: alpha stays.
    gfx::Bitmap dst = MakeBitmap(PixelFormat::Bgra32, 2, 1, {0x40000000u, 0x80000000u});
    BlendWithBitmap(dst, 0, 0, gfx::clFuchsia, 0.5, {0, 0, 1, 0},
                    MakeBitmap(PixelFormat::Bgr24, 2, 1, {W, M}));
    EXPECT_EQ(Pixels(dst), (std::vector<gfx::Color>{0x40000000u | H, 0x80000000u}));
  }
  {
    // 32-bit source onto 24-bit: the key is compared on the whole value, so
    // only magenta with alpha 0 is left out.
    gfx::Bitmap dst(3, 1, PixelFormat::Bgr24);
    BlendWithBitmap(dst, 0, 0, gfx::clFuchsia, 0.5, {0, 0, 2, 0},
                    MakeBitmap(PixelFormat::Bgra32, 3, 1, {0x00FF00FFu, 0xFFFF00FFu, 0x00FFFFFFu}));
    EXPECT_EQ(Pixels(dst), (std::vector<gfx::Color>{0, RGB(128, 0, 128), H}));
  }
  {
    // 32-bit onto 32-bit is not a supported pairing.
    gfx::Bitmap dst = test::Filled(PixelFormat::Bgra32, 1, 1, 0xFF000000u);
    BlendWithBitmap(dst, 0, 0, gfx::clNone, 0.0, {0, 0, 0, 0},
                    test::Filled(PixelFormat::Bgra32, 1, 1, 0xFFFFFFFFu));
    EXPECT_EQ(dst.PixelAt(0, 0), 0xFF000000u);
  }
}

TEST(BlendWithColorTest, Table) {
  struct C {
    const char* Name;
    gfx::Color Color, Key;
    double Keep;
    std::vector<gfx::Color> Expected;
  };
  // pixels: magenta, (101, 0, 255), (10, 20, 30)
  const C cases[] = {
      // keep 0.5 towards black: 50.5 -> 50, 127.5 -> 128; 5, 10, 15
      {"key left alone",
       RGB(0, 0, 0),
       gfx::clFuchsia,
       0.5,
       {gfx::clFuchsia, RGB(50, 0, 128), RGB(5, 10, 15)}},
      {"clNone mixes all",
       RGB(0, 0, 0),
       gfx::clNone,
       0.5,
       {RGB(128, 0, 128), RGB(50, 0, 128), RGB(5, 10, 15)}},
      // keep 0.25 towards (200, 100, 0): 0.25 * (10 - 200) + 200 = 152.5 -> 152; 70; 7.5 -> 8
      {"towards a colour",
       RGB(200, 100, 0),
       gfx::clFuchsia,
       0.25,
       {gfx::clFuchsia, RGB(175, 75, 64), RGB(152, 80, 8)}},
      // window is white: keep 0: the colour itself
      {"system colour resolved",
       gfx::clWindow,
       gfx::clFuchsia,
       0.0,
       {gfx::clFuchsia, RGB(255, 255, 255), RGB(255, 255, 255)}},
  };
  gfx::ResetSystemColors();
  for (const auto& c : cases) {
    for (gfx::RowOrder order : test::kRowOrders) {
      gfx::Bitmap b =
          MakeBitmap(PixelFormat::Bgr24, 3, 1, {gfx::clFuchsia, RGB(101, 0, 255), RGB(10, 20, 30)}, order);
      BlendWithColor(b, c.Color, c.Key, c.Keep);
      EXPECT_EQ(Pixels(b), c.Expected) << c.Name << ", " << test::OrderName(order);
    }
  }
  gfx::Bitmap b32 = MakeBitmap(PixelFormat::Bgra32, 1, 1, {0x33102030u});
  BlendWithColor(b32, RGB(0, 0, 0), gfx::clFuchsia, 0.5);
  EXPECT_EQ(b32.PixelAt(0, 0), 0x33081018u) << "32-bit keeps alpha";
}

}  // namespace
}  // namespace skin
