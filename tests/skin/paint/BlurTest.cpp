#include "skin/paint/Blur.h"

#include <gtest/gtest.h>

#include <vector>

#include "PaintTestUtil.h"

namespace skin {
namespace {

using gfx::PixelFormat;

gfx::Bitmap GrayRow(const std::vector<int>& v, gfx::RowOrder order = gfx::RowOrder::TopDown) {
  gfx::Bitmap b(static_cast<int>(v.size()), 1, PixelFormat::Gray8, order);
  for (int x = 0; x < b.Width(); ++x)
    b.Scanline(0)[x] = static_cast<std::uint8_t>(v[static_cast<std::size_t>(x)]);
  return b;
}

std::vector<int> Levels(const gfx::Bitmap& b) {
  std::vector<int> v;
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x) v.push_back(b.Scanline(y)[x]);
  return v;
}

TEST(GaussBlur8Test, UniformImagesStayUniform) {
  // The weights sum to 1 only up to rounding; a flat image must still come back exactly.
  for (int level : {0, 1, 100, 254, 255}) {
    for (double radius : {0.3, 1.0, 2.5, 7.0, 30.0}) {
      for (gfx::RowOrder order : test::kRowOrders) {
        gfx::Bitmap b(13, 9, PixelFormat::Gray8, order);
        b.FillBytes(static_cast<std::uint8_t>(level));
        GaussBlur8(b, radius);
        ASSERT_EQ(Levels(b), std::vector<int>(13 * 9, level)) << level << " r " << radius;
      }
    }
  }
}

TEST(GaussBlur8Test, KernelValues) {
  // Radius 1: the cut leaves weights for offsets -2..2, normalised again:
  // 0.40262, 0.24420, 0.05449; results truncated.
  struct C {
    const char* Name;
    double Radius;
    std::vector<int> In, Expected;
  };
  const C cases[] = {
      {"impulse", 1.0, {0, 0, 0, 255, 0, 0, 0}, {0, 13, 62, 102, 62, 13, 0}},
      {"edge repeats", 1.0, {255, 0, 0, 0, 0, 0, 0}, {178, 76, 13, 0, 0, 0, 0}},
      {"wider kernel",
       2.0,
       {0, 0, 0, 0, 0, 0, 0, 0, 0, 255, 0, 0, 0, 0, 0, 0, 0, 0, 0},
       {0, 0, 0, 0, 2, 6, 16, 31, 45, 51, 45, 31, 16, 6, 2, 0, 0, 0, 0}},
      {"single pixel", 3.0, {77}, {77}},
  };
  for (const auto& c : cases) {
    gfx::Bitmap b = GrayRow(c.In);
    GaussBlur8(b, c.Radius);
    EXPECT_EQ(Levels(b), c.Expected) << c.Name;
  }
}

TEST(GaussBlur8Test, RowsThenColumnsEachTruncated) {
  for (gfx::RowOrder order : test::kRowOrders) {
    gfx::Bitmap b(5, 5, PixelFormat::Gray8, order);
    b.Scanline(2)[2] = 255;
    GaussBlur8(b, 1.0);
    EXPECT_EQ(Levels(b), (std::vector<int>{0,  3, 5, 3,  0,  3,  15, 24, 15, 3, 5, 24, 41,
                                           24, 5, 3, 15, 24, 15, 3,  0,  3,  5, 3, 0}))
        << test::OrderName(order);
  }
}

TEST(GaussBlur8Test, OnlyGreyBitmapsAndPositiveRadii) {
  gfx::Bitmap g = GrayRow({0, 255, 0});
  GaussBlur8(g, 0.0);
  EXPECT_EQ(Levels(g), (std::vector<int>{0, 255, 0}));
  GaussBlur8(g, -1.0);
  EXPECT_EQ(Levels(g), (std::vector<int>{0, 255, 0}));

  gfx::Bitmap c(3, 1, PixelFormat::Bgr24);
  c.SetPixelAt(1, 0, gfx::clWhite);
  GaussBlur8(c, 1.0);
  EXPECT_EQ(c.PixelAt(0, 0), gfx::clBlack);
  EXPECT_EQ(c.PixelAt(1, 0), gfx::clWhite);
}

}  // namespace
}  // namespace skin
