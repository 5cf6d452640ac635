#include "skin/paint/Fill.h"

#include <gtest/gtest.h>

#include "PaintTestUtil.h"

namespace skin {
namespace {

using gfx::PixelFormat;
using gfx::Rect;
using gfx::RGB;
using test::MakeBitmap;
using test::Pixels;

constexpr gfx::Color O = RGB(1, 2, 3);  // the old content
constexpr gfx::Color C = RGB(10, 20, 30);

struct FillCase {
  const char* Name;
  PixelFormat Format;
  Rect R;
  gfx::Color Color;
  std::vector<gfx::Color> Expected;  // 3 x 2
};

TEST(FillColorRectTest, Table) {
  const gfx::Color A = C | 0xFF000000u;  // 32-bit: alpha 255 written
  const gfx::Color O32 = O | 0x40000000u;
  const FillCase cases[] = {
      {"inner", PixelFormat::Bgr24, {1, 0, 3, 1}, C, {O, C, C, O, O, O}},
      {"cut to bitmap", PixelFormat::Bgr24, {-5, -5, 2, 9}, C, {C, C, O, C, C, O}},
      {"empty", PixelFormat::Bgr24, {2, 0, 2, 2}, C, {O, O, O, O, O, O}},
      {"outside", PixelFormat::Bgr24, {3, 0, 9, 2}, C, {O, O, O, O, O, O}},
      {"system colour resolved",
       PixelFormat::Bgr24,
       {0, 1, 1, 2},
       gfx::clBtnFace,
       {O, O, O, RGB(212, 208, 200), O, O}},
      {"32-bit alpha 255", PixelFormat::Bgra32, {0, 0, 2, 1}, C, {A, A, O32, O32, O32, O32}},
      {"32-bit system colour",
       PixelFormat::Bgra32,
       {2, 1, 3, 2},
       gfx::clWindow,
       {O32, O32, O32, O32, O32, 0xFFFFFFFFu}},
  };
  gfx::ResetSystemColors();
  for (const auto& c : cases) {
    for (gfx::RowOrder order : test::kRowOrders) {
      const gfx::Color old = c.Format == PixelFormat::Bgra32 ? O32 : O;
      gfx::Bitmap b = MakeBitmap(c.Format, 3, 2, {old, old, old, old, old, old}, order);
      FillColorRect(b, c.R, c.Color);
      EXPECT_EQ(Pixels(b), c.Expected) << c.Name << ", " << test::OrderName(order);
    }
  }
}

TEST(FillColorRectTest, OtherFormatsUntouched) {
  gfx::Bitmap g = MakeBitmap(PixelFormat::Gray8, 2, 1, {RGB(7, 7, 7), RGB(7, 7, 7)});
  FillColorRect(g, g.Bounds(), gfx::clWhite);
  EXPECT_EQ(Pixels(g), (std::vector<gfx::Color>{RGB(7, 7, 7), RGB(7, 7, 7)}));
}

TEST(FillColorRectTest, WideRowsAreFilledCompletely) {
  // Long rows with padding: every pixel of the rectangle, nothing after it.
  gfx::Bitmap b(37, 5, PixelFormat::Bgr24, gfx::RowOrder::BottomUp);
  FillColorRect(b, {1, 1, 36, 4}, C);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 37; ++x) {
      const bool in = x >= 1 && x < 36 && y >= 1 && y < 4;
      ASSERT_EQ(b.PixelAt(x, y), in ? C : gfx::clBlack) << x << "," << y;
    }
}

TEST(SetAlphaRectTest, SetsOnlyAlphaInsideTheCutRect) {
  for (gfx::RowOrder order : test::kRowOrders) {
    gfx::Bitmap b =
        MakeBitmap(PixelFormat::Bgra32, 3, 2,
                   {0x11010203, 0x22010203, 0x33010203, 0x44010203, 0x55010203, 0x66010203}, order);
    SetAlphaRect(b, {1, -3, 9, 1}, 0x80);
    EXPECT_EQ(Pixels(b), (std::vector<gfx::Color>{0x11010203, 0x80010203, 0x80010203, 0x44010203, 0x55010203,
                                                  0x66010203}))
        << test::OrderName(order);
  }
  gfx::Bitmap b24 = MakeBitmap(PixelFormat::Bgr24, 1, 1, {RGB(9, 9, 9)});
  SetAlphaRect(b24, b24.Bounds(), 0);
  EXPECT_EQ(b24.PixelAt(0, 0), RGB(9, 9, 9));
}

}  // namespace
}  // namespace skin
