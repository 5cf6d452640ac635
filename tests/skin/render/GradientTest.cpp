#include "skin/render/Gradient.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../paint/PaintTestUtil.h"
#include "skin/paint/Round.h"

namespace skin {
namespace {

using gfx::PixelFormat;
using gfx::RGB;

constexpr PixelFormat kFormats[] = {PixelFormat::Bgr24, PixelFormat::Bgra32};
constexpr gfx::Color kPre = RGB(7, 7, 7);

std::string Where(PixelFormat f, gfx::RowOrder o) {
  return std::string(f == PixelFormat::Bgr24 ? "24-bit" : "32-bit") + ", " + test::OrderName(o);
}

TsGradStep Step(gfx::Color from, gfx::Color to, int percent, int kind = 0) {
  return {static_cast<std::int32_t>(from), static_cast<std::int32_t>(to), static_cast<std::uint8_t>(percent),
          kind};
}

// The colours of a band of `length` + 1 pixels as the painter computes them:
// a float per channel advanced by a double step, rounded ties to even.
std::vector<gfx::Color> Band(gfx::Color from, gfx::Color to, int length) {
  float v[3];
  double step[3];
  for (int k = 0; k < 3; ++k) {
    const int f = static_cast<int>((from >> (8 * k)) & 0xFF), t = static_cast<int>((to >> (8 * k)) & 0xFF);
    v[k] = static_cast<float>(f);
    step[k] = static_cast<double>(t - f) / length;
  }
  std::vector<gfx::Color> out;
  for (int i = 0; i <= length; ++i) {
    out.push_back(RGB(Rnd(v[0]), Rnd(v[1]), Rnd(v[2])));
    for (int k = 0; k < 3; ++k) v[k] = static_cast<float>(static_cast<double>(v[k]) + step[k]);
  }
  return out;
}

gfx::Color Rgb(const gfx::Bitmap& b, int x, int y) { return b.PixelAt(x, y) & 0xFFFFFF; }

// Column 0 of every row, after checking that each row is one colour.
std::vector<gfx::Color> RowColours(const gfx::Bitmap& b, const gfx::Rect& r) {
  std::vector<gfx::Color> v;
  for (int y = r.Top; y < r.Bottom; ++y) {
    for (int x = r.Left; x < r.Right; ++x) EXPECT_EQ(Rgb(b, x, y), Rgb(b, r.Left, y)) << x << "," << y;
    v.push_back(Rgb(b, r.Left, y));
  }
  return v;
}

TEST(PaintGradientTest, VerticalTable) {
  const gfx::Color white = 16777215, sample = 16114357;  // sample: R 0xB5, G 0xE2, B 0xF5
  auto concat = [](std::vector<gfx::Color> a, const std::vector<gfx::Color>& b, std::size_t fromB) {
    a.insert(a.end(), b.begin() + static_cast<std::ptrdiff_t>(fromB), b.end());
    return a;
  };
  struct C {
    const char* Name;
    TsGradArray Steps;
    int H;
    std::vector<gfx::Color> Rows;
  };
  std::vector<gfx::Color> tens;
  for (int k = 0; k < 20; ++k) tens.push_back(RGB(10 * k, 0, 0));
  // 30/30/30 on 100 rows: bands 0..30, 30..60, 60..99; each band's first row
  // paints over the last one's To row.
  const gfx::Color a = RGB(0, 0, 0), b = RGB(90, 30, 0), c = RGB(200, 100, 50), d = RGB(255, 0, 255),
                   e = RGB(13, 17, 19), g = RGB(250, 240, 230);
  std::vector<gfx::Color> thirds = Band(a, b, 30);
  thirds.pop_back();
  thirds = concat(thirds, Band(c, d, 30), 0);
  thirds.pop_back();
  thirds = concat(thirds, Band(e, g, 39), 0);
  const std::vector<gfx::Color> zeroThenAll = Band(e, g, 9);
  const C cases[] = {
      {"red 0 to 190 over 20 rows", {Step(0, RGB(190, 0, 0), 100)}, 20, tens},
      {"skin sample: 97 % then an empty last band",
       {Step(white, sample, 97), Step(sample, sample, 0)},
       20,
       Band(white, sample, 19)},
      {"30/30/30", {Step(a, b, 30), Step(c, d, 30), Step(e, g, 30)}, 100, thirds},
      {"0 % band paints nothing", {Step(a, b, 0), Step(e, g, 100)}, 10, zeroThenAll},
      {"single step with 0 % fills all", {Step(e, g, 0)}, 10, Band(e, g, 9)},
  };
  for (const C& cs : cases)
    for (PixelFormat f : kFormats)
      for (gfx::RowOrder o : test::kRowOrders) {
        gfx::Bitmap bmp = test::Filled(f, 5, cs.H + 2, kPre, o);
        const gfx::Rect r{1, 1, 4, cs.H + 1};
        PaintGradient(bmp, r, cs.Steps);
        EXPECT_EQ(RowColours(bmp, r), cs.Rows) << cs.Name << ", " << Where(f, o);
        EXPECT_EQ(Rgb(bmp, 0, 5), kPre) << cs.Name;
        EXPECT_EQ(Rgb(bmp, 4, 5), kPre) << cs.Name;
        EXPECT_EQ(Rgb(bmp, 2, 0), kPre) << cs.Name;
        EXPECT_EQ(Rgb(bmp, 2, cs.H + 1), kPre) << cs.Name;
        if (f == PixelFormat::Bgra32) {
          EXPECT_EQ(bmp.PixelAt(2, 3) >> 24, 255u) << cs.Name;
        }
      }
  // The sample's ends, written out.
  EXPECT_EQ(Band(white, sample, 19).front(), RGB(255, 255, 255));
  EXPECT_EQ(Band(white, sample, 19).back(), RGB(0xB5, 0xE2, 0xF5));
}

TEST(PaintGradientTest, RectIsCutToTheBitmap) {
  for (PixelFormat f : kFormats)
    for (gfx::RowOrder o : test::kRowOrders) {
      gfx::Bitmap bmp = test::Filled(f, 4, 8, kPre, o);
      PaintGradient(bmp, {-5, -3, 100, 100}, {Step(0, RGB(70, 0, 0), 50)});
      std::vector<gfx::Color> want;
      for (int k = 0; k < 8; ++k) want.push_back(RGB(10 * k, 0, 0));
      EXPECT_EQ(RowColours(bmp, bmp.Bounds()), want) << Where(f, o);
    }
}

TEST(PaintGradientTest, HorizontalBands) {
  // W 5, 50/50. From column 0 the bands are 0..2 (rnd(2.5) = 2) and 2..4;
  // band ends are rounded in bitmap columns, so from column 1 the first band
  // ends at rnd(3.5) = 4.
  struct C {
    int Left;
    std::vector<gfx::Color> Row;  // 7 columns
  };
  const C cases[] = {
      {0, {RGB(0, 0, 0), RGB(50, 0, 0), RGB(200, 0, 0), RGB(100, 0, 0), RGB(0, 0, 0), kPre, kPre}},
      {1, {kPre, RGB(0, 0, 0), RGB(33, 0, 0), RGB(67, 0, 0), RGB(200, 0, 0), RGB(0, 0, 0), kPre}},
  };
  for (const C& c : cases)
    for (PixelFormat f : kFormats)
      for (gfx::RowOrder o : test::kRowOrders) {
        gfx::Bitmap bmp = test::Filled(f, 7, 4, kPre, o);
        PaintGradient(bmp, {c.Left, 1, c.Left + 5, 3},
                      {Step(0, RGB(100, 0, 0), 50, 1), Step(RGB(200, 0, 0), 0, 50, 0)});
        for (int y = 0; y < 4; ++y) {
          std::vector<gfx::Color> row;
          for (int x = 0; x < 7; ++x) row.push_back(Rgb(bmp, x, y));
          EXPECT_EQ(row, y == 0 || y == 3 ? std::vector<gfx::Color>(7, kPre) : c.Row)
              << "left " << c.Left << " row " << y << ", " << Where(f, o);
        }
        if (f == PixelFormat::Bgra32) {
          EXPECT_EQ(bmp.PixelAt(c.Left, 1) >> 24, 255u);
        }
      }
}

TEST(PaintGradientTest, NothingPaintedForOtherKindsEmptyListsOrRects) {
  struct C {
    const char* Name;
    TsGradArray Steps;
    gfx::Rect R;
  };
  const C cases[] = {
      {"kind 3", {Step(0, 0xFFFFFF, 100, 3)}, {0, 0, 4, 4}},
      {"kind -1", {Step(0, 0xFFFFFF, 100, -1)}, {0, 0, 4, 4}},
      {"only the first kind counts", {Step(0, 0xFFFFFF, 50, 3), Step(0, 0xFFFFFF, 50, 0)}, {0, 0, 4, 4}},
      {"empty list", {}, {0, 0, 4, 4}},
      {"zero height", {Step(0, 0xFFFFFF, 100)}, {0, 2, 4, 2}},
      {"inverted", {Step(0, 0xFFFFFF, 100)}, {4, 4, 0, 0}},
      {"outside", {Step(0, 0xFFFFFF, 100)}, {10, 10, 20, 20}},
  };
  for (const C& c : cases) {
    gfx::Bitmap bmp = test::Filled(PixelFormat::Bgr24, 4, 4, kPre);
    PaintGradient(bmp, c.R, c.Steps);
    EXPECT_EQ(test::Pixels(bmp), test::Pixels(test::Filled(PixelFormat::Bgr24, 4, 4, kPre))) << c.Name;
  }
}

TEST(PaintGradientTest, ColoursAreRawBytes) {
  // A system-colour value is not resolved: its low bytes are taken.
  gfx::Bitmap bmp = test::Filled(PixelFormat::Bgr24, 2, 2, kPre);
  PaintGradient(bmp, bmp.Bounds(), {Step(0xFF00000Fu, 0xFF00000Fu, 100)});
  EXPECT_EQ(Rgb(bmp, 1, 1), RGB(15, 0, 0));
}

TEST(PaintGradientTest, DiamondStaysInsideTheRect) {
  for (PixelFormat f : kFormats)
    for (gfx::RowOrder o : test::kRowOrders) {
      gfx::Bitmap bmp = test::Filled(f, 9, 8, kPre, o);
      const gfx::Rect r{1, 1, 7, 6};
      PaintGradient(bmp, r, {Step(RGB(40, 80, 120), 0, 100, 2)});
      for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 9; ++x) {
          const bool inside = r.Contains({x, y});
          ASSERT_EQ(Rgb(bmp, x, y), inside ? RGB(40, 80, 120) : kPre) << x << "," << y << ", " << Where(f, o);
          if (f == PixelFormat::Bgra32 && inside) {
            ASSERT_EQ(bmp.PixelAt(x, y) >> 24, 255u);
          }
        }
    }
}

TEST(PaintGradientTest, DiamondVerticesInsideTheRectAreExact) {
  const gfx::Color c0 = RGB(255, 0, 0), c1 = RGB(0, 255, 0), c2 = RGB(0, 0, 255), c3 = RGB(9, 9, 9),
                   c4 = RGB(200, 200, 0);
  for (PixelFormat f : kFormats)
    for (gfx::RowOrder o : test::kRowOrders) {
      gfx::Bitmap bmp = test::Filled(f, 12, 10, kPre, o);
      const gfx::Rect r{1, 2, 11, 10};  // centre (6, 6)
      PaintGradient(
          bmp, r,
          {Step(c0, 0, 20, 2), Step(c1, 0, 20, 0), Step(c2, 0, 20), Step(c3, 0, 20), Step(c4, 0, 20)});
      EXPECT_EQ(Rgb(bmp, 1, 2), c0) << Where(f, o);
      EXPECT_EQ(Rgb(bmp, 6, 6), c1) << Where(f, o);
      EXPECT_EQ(Rgb(bmp, 11, 2), kPre) << "column Right untouched";
      EXPECT_EQ(Rgb(bmp, 0, 2), kPre);
      EXPECT_EQ(Rgb(bmp, 5, 1), kPre);
      // Two steps: vertices 2..4 repeat the second colour, so the right
      // half is a blend of the first two colours only.
      gfx::Bitmap two = test::Filled(f, 12, 10, kPre, o);
      PaintGradient(two, r, {Step(c0, 0, 50, 2), Step(c1, 0, 50, 2)});
      EXPECT_EQ(Rgb(two, 10, 9), c1) << Where(f, o);
      EXPECT_EQ(Rgb(two, 6, 6), c1) << Where(f, o);
    }
}

}  // namespace
}  // namespace skin
