#include "skin/paint/Tint.h"

#include <gtest/gtest.h>

#include "PaintTestUtil.h"

namespace skin {
namespace {

using gfx::PixelFormat;
using gfx::Rect;
using gfx::RGB;
using test::MakeBitmap;
using test::Pixels;

struct LerpCase {
  gfx::Color C1, C2;
  double P;
  gfx::Color Expected;
};

TEST(LerpColorTest, Table) {
  const LerpCase cases[] = {
      {RGB(255, 255, 255), RGB(0, 0, 0), 0.5, RGB(128, 128, 128)},  // 127.5 -> 128
      {RGB(253, 1, 3), RGB(0, 0, 0), 0.5, RGB(126, 0, 2)},          // 126.5 -> 126, 0.5 -> 0, 1.5 -> 2
      {RGB(10, 20, 30), RGB(110, 120, 130), 1.0, RGB(10, 20, 30)},
      {RGB(10, 20, 30), RGB(110, 120, 130), 0.0, RGB(110, 120, 130)},
      {RGB(0, 100, 200), RGB(100, 0, 0), 0.25, RGB(75, 25, 50)},
      // The high byte is c1's; c2's is dropped; the values are not resolved.
      {0x12000000u | RGB(0, 0, 0), 0x34000000u | RGB(200, 200, 200), 0.5, 0x12000000u | RGB(100, 100, 100)},
      {RGB(0, 0, 0), gfx::clBtnFace, 0.5, RGB(8, 0, 0)},  // clBtnFace's low byte is 15: 7.5 -> 8
      // Percentages mix exactly: 0.3 * 255 = 76.5 and 0.7 * 255 = 178.5 go to even,
      // also where 1 - p is not exact in floating point.
      {RGB(0, 0, 0), RGB(255, 255, 255), 0.7, RGB(76, 76, 76)},
      {RGB(255, 255, 255), RGB(0, 0, 0), 0.3, RGB(76, 76, 76)},
      {RGB(255, 255, 255), RGB(0, 0, 0), 0.7, RGB(178, 178, 178)},
      {RGB(0, 0, 0), RGB(255, 255, 255), 30 / 100.0, RGB(178, 178, 178)},
      {RGB(1, 3, 5), RGB(0, 0, 0), 0.5, RGB(0, 2, 2)},
      // Out-of-range factors are clamped to bytes.
      {RGB(255, 0, 0), RGB(0, 255, 0), 2.0, RGB(255, 0, 0)},
      {RGB(0, 0, 0), RGB(255, 255, 255), 3.0, RGB(0, 0, 0)},
  };
  for (const auto& c : cases)
    EXPECT_EQ(LerpColor(c.C1, c.C2, c.P), c.Expected) << std::hex << c.C1 << " " << c.C2 << " " << c.P;
}

struct TintCase {
  const char* Name;
  PixelFormat Format;
  Rect R;  // Right and Bottom inclusive
  int Percent;
  gfx::Color Color;
  std::vector<gfx::Color> Expected;  // 3 x 2
};

TEST(TintRectTest, Table) {
  constexpr gfx::Color P = RGB(100, 51, 255);  // every pixel before
  constexpr gfx::Color K = RGB(0, 0, 0);
  // 50 % towards black: 50, 25.5 -> 26, 127.5 -> 128
  constexpr gfx::Color H = RGB(50, 26, 128);
  constexpr gfx::Color P32 = P | 0x7F000000u;
  constexpr gfx::Color H32 = H | 0x7F000000u;
  const TintCase cases[] = {
      {"100 keeps", PixelFormat::Bgr24, {0, 0, 2, 1}, 100, K, {P, P, P, P, P, P}},
      {"0 paints the colour",
       PixelFormat::Bgr24,
       {0, 0, 2, 1},
       0,
       RGB(1, 2, 3),
       {RGB(1, 2, 3), RGB(1, 2, 3), RGB(1, 2, 3), RGB(1, 2, 3), RGB(1, 2, 3), RGB(1, 2, 3)}},
      {"50 rounds ties to even", PixelFormat::Bgr24, {1, 1, 1, 1}, 50, K, {P, P, P, P, H, P}},
      {"right and bottom inclusive", PixelFormat::Bgr24, {1, 0, 2, 0}, 50, K, {P, H, H, P, P, P}},
      {"clamped to the last column and row", PixelFormat::Bgr24, {-4, -4, 3, 2}, 50, K, {H, H, H, H, H, H}},
      {"exclusive-style bounds cover everything",
       PixelFormat::Bgr24,
       {0, 0, 3, 2},
       50,
       K,
       {H, H, H, H, H, H}},
      {"inverted is nothing", PixelFormat::Bgr24, {2, 0, 1, 1}, 50, K, {P, P, P, P, P, P}},
      {"system colour resolved",
       PixelFormat::Bgr24,
       {0, 0, 0, 0},
       0,
       gfx::clHighlight,
       {RGB(10, 36, 106), P, P, P, P, P}},
      {"32-bit keeps alpha", PixelFormat::Bgra32, {0, 1, 0, 1}, 50, K, {P32, P32, P32, H32, P32, P32}},
  };
  gfx::ResetSystemColors();
  for (const auto& c : cases) {
    for (gfx::RowOrder order : test::kRowOrders) {
      const gfx::Color p = c.Format == PixelFormat::Bgra32 ? P32 : P;
      gfx::Bitmap b = MakeBitmap(c.Format, 3, 2, {p, p, p, p, p, p}, order);
      TintRect(b, c.R, c.Percent, c.Color);
      EXPECT_EQ(Pixels(b), c.Expected) << c.Name << ", " << test::OrderName(order);
    }
  }
}

TEST(TintRectTest, PercentagesMixExactly) {
  // f = 0.7 towards white from black: 0.3 * 255 = 76.5 -> 76 (even), not 77.
  gfx::Bitmap b = MakeBitmap(PixelFormat::Bgr24, 1, 1, {RGB(0, 0, 0)});
  TintRect(b, b.Bounds(), 70, RGB(255, 255, 255));
  EXPECT_EQ(b.PixelAt(0, 0), RGB(76, 76, 76));
}

TEST(TintRectTest, ThirtyPercent) {
  // f = 0.3: 0.3 * 200 + 0.7 * 100 = 130; 0.7 * 250 = 175; 0.3 * 10 + 0.7 * 21 = 17.7 -> 18
  gfx::Bitmap b = MakeBitmap(PixelFormat::Bgr24, 1, 1, {RGB(200, 0, 10)});
  TintRect(b, b.Bounds(), 30, RGB(100, 250, 21));
  EXPECT_EQ(b.PixelAt(0, 0), RGB(130, 175, 18));
}

}  // namespace
}  // namespace skin
