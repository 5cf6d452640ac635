#include <gtest/gtest.h>

#include "PaintTestUtil.h"
#include "skin/paint/Colorize.h"
#include "skin/paint/Gray.h"

namespace skin {
namespace {

using gfx::PixelFormat;
using gfx::RGB;
using test::MakeBitmap;
using test::Pixels;

TEST(ColorizeByMaskTest, Table) {
  struct C {
    const char* Name;
    gfx::Color Mask;
    gfx::Color Color;
    gfx::Color Expected;
  };
  // Every pixel is (200, 100, 0) before.
  const C cases[] = {
      {"mask 0 gives the colour", RGB(0, 0, 0), RGB(10, 20, 30), RGB(10, 20, 30)},
      // red: 10 - ((255 * -190 + 255) >> 8) = 10 + 189; green: (5120 + 80 * 255) >> 8 = 99;
      // blue: (7680 - 30 * 255) >> 8 = 0
      {"mask 255 keeps almost all", RGB(255, 255, 255), RGB(10, 20, 30), RGB(199, 99, 0)},
      // red: 10 - ((128 * -190 + 255) >> 8) = 10 + 95; green: (5120 + 80 * 128) >> 8 = 60;
      // blue: (7680 - 30 * 128) >> 8 = 15
      {"mask 128", RGB(128, 128, 128), RGB(10, 20, 30), RGB(105, 60, 15)},
      {"channels use their own mask byte", RGB(255, 0, 128), RGB(10, 20, 30), RGB(199, 20, 15)},
      {"system colour resolved", RGB(0, 0, 0), gfx::clHighlight, RGB(10, 36, 106)},
  };
  gfx::ResetSystemColors();
  for (const auto& c : cases) {
    for (gfx::RowOrder order : test::kRowOrders) {
      gfx::Bitmap dst = test::Filled(PixelFormat::Bgr24, 2, 2, RGB(200, 100, 0), order);
      ColorizeByMask(dst, test::Filled(PixelFormat::Bgr24, 2, 2, c.Mask), c.Color);
      EXPECT_EQ(Pixels(dst), std::vector<gfx::Color>(4, c.Expected))
          << c.Name << ", " << test::OrderName(order);
    }
  }
}

TEST(ColorizeByMaskTest, SizesMustMatchAndAlphaStays) {
  gfx::Bitmap dst = test::Filled(PixelFormat::Bgr24, 2, 2, RGB(200, 100, 0));
  ColorizeByMask(dst, test::Filled(PixelFormat::Bgr24, 2, 1, 0), RGB(10, 20, 30));
  EXPECT_EQ(Pixels(dst), std::vector<gfx::Color>(4, RGB(200, 100, 0)));

  gfx::Bitmap d32 = test::Filled(PixelFormat::Bgra32, 1, 1, 0x7F0064C8u);
  ColorizeByMask(d32, test::Filled(PixelFormat::Bgr24, 1, 1, 0), RGB(10, 20, 30));
  EXPECT_EQ(d32.PixelAt(0, 0), 0x7F1E140Au);
}

TEST(MakeGrayTest, MeanOfChannels) {
  for (gfx::RowOrder order : test::kRowOrders) {
    // (10 + 20 + 31) div 3 = 20; (255 + 0 + 255) div 3 = 170
    gfx::Bitmap b = MakeBitmap(PixelFormat::Bgr24, 2, 1, {RGB(10, 20, 31), gfx::clFuchsia}, order);
    MakeGray(b);
    EXPECT_EQ(Pixels(b), (std::vector<gfx::Color>{RGB(20, 20, 20), RGB(170, 170, 170)}));
  }
  gfx::Bitmap b32 = MakeBitmap(PixelFormat::Bgra32, 1, 1, {0x801F140Au});
  MakeGray(b32);
  EXPECT_EQ(b32.PixelAt(0, 0), 0x80141414u) << "alpha untouched";
}

TEST(MakeGrayTest, ExceptKeyLeavesExactKeyPixels) {
  for (gfx::RowOrder order : test::kRowOrders) {
    gfx::Bitmap b =
        MakeBitmap(PixelFormat::Bgr24, 3, 1, {gfx::clFuchsia, RGB(254, 0, 255), RGB(3, 3, 4)}, order);
    MakeGrayExceptKey(b, gfx::clFuchsia);
    EXPECT_EQ(Pixels(b), (std::vector<gfx::Color>{gfx::clFuchsia, RGB(169, 169, 169), RGB(3, 3, 3)}));
  }
}

}  // namespace
}  // namespace skin
