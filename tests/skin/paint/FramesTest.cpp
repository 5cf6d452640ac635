#include "skin/paint/Frames.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "PaintTestUtil.h"

namespace skin {
namespace {

using gfx::PixelFormat;
using gfx::RGB;

// The bitmap as rows of letters, one per known colour ('?' for others).
std::vector<std::string> Grid(const gfx::Bitmap& b, const std::map<gfx::Color, char>& names) {
  std::vector<std::string> rows;
  for (int y = 0; y < b.Height(); ++y) {
    std::string row;
    for (int x = 0; x < b.Width(); ++x) {
      const auto it = names.find(b.PixelAt(x, y) & 0xFFFFFF);
      row += it == names.end() ? '?' : it->second;
    }
    rows.push_back(row);
  }
  return rows;
}

constexpr gfx::Color kBack = RGB(1, 1, 1);
constexpr gfx::Color kWhite = RGB(255, 255, 255);
constexpr gfx::Color kShadow = RGB(128, 128, 128);  // button shadow
const std::map<gfx::Color, char> kNames = {{kBack, '.'}, {kWhite, 'T'}, {kShadow, 'B'}, {RGB(9, 8, 7), 'C'}};

TEST(FillFrameRectTest, Strips) {
  struct C {
    const char* Name;
    gfx::Rect R;
    int WL, WT, WR, WB;
    std::vector<std::string> Expected;
  };
  const C cases[] = {
      {"different widths", {0, 0, 6, 5}, 1, 2, 3, 1, {"CCCCCC", "CCCCCC", "C..CCC", "C..CCC", "CCCCCC"}},
      {"inner rect", {1, 1, 5, 4}, 1, 1, 1, 1, {"......", ".CCCC.", ".C..C.", ".CCCC.", "......"}},
      {"zero widths draw nothing",
       {0, 0, 6, 5},
       0,
       0,
       0,
       0,
       {"......", "......", "......", "......", "......"}},
      {"only the top", {0, 0, 6, 5}, 0, 1, 0, 0, {"CCCCCC", "......", "......", "......", "......"}},
  };
  for (const auto& c : cases) {
    for (gfx::RowOrder order : test::kRowOrders) {
      gfx::Bitmap b = test::Filled(PixelFormat::Bgr24, 6, 5, kBack, order);
      gfx::Canvas canvas(b);
      FillFrameRect(canvas, c.R, RGB(9, 8, 7), c.WL, c.WT, c.WR, c.WB);
      EXPECT_EQ(Grid(b, kNames), c.Expected) << c.Name << ", " << test::OrderName(order);
    }
  }
}

TEST(FillFrameRectTest, SurfaceOriginAndSystemColour) {
  gfx::ResetSystemColors();
  gfx::Bitmap b = test::Filled(PixelFormat::Bgr24, 4, 4, kBack);
  gfx::Canvas canvas(b);
  canvas.SetOrigin({1, 1});
  FillFrameRect(canvas, {0, 0, 3, 3}, gfx::clBtnHighlight, 1, 1, 1, 1);
  EXPECT_EQ(Grid(b, kNames), (std::vector<std::string>{"....", ".TTT", ".T.T", ".TTT"}));
}

TEST(BevelFrameTest, NestedFrames) {
  struct C {
    int Width;
    std::vector<std::string> Expected;
  };
  // Top-left colour T on the left column and top row; bottom-right colour B
  // on the right column and the bottom row, corners included.
  const C cases[] = {
      {0, {".....", ".....", ".....", "....."}},
      {1, {"TTTTB", "T...B", "T...B", "BBBBB"}},
      {2, {"TTTTB", "TTTBB", "TBBBB", "BBBBB"}},
      {9, {"TTTTB", "TTTBB", "TBBBB", "BBBBB"}},
  };
  gfx::ResetSystemColors();
  for (const auto& c : cases) {
    gfx::Bitmap b = test::Filled(PixelFormat::Bgr24, 5, 4, kBack);
    gfx::Canvas canvas(b);
    canvas.SetPenColor(kBack);
    BevelFrame(canvas, {0, 0, 5, 4}, gfx::clBtnHighlight, c.Width, gfx::clBtnShadow);
    EXPECT_EQ(Grid(b, kNames), c.Expected) << "width " << c.Width;
    EXPECT_EQ(canvas.PenColor(), kBack) << "pen restored";
  }
}

TEST(BevelFrameTest, OffsetRect) {
  gfx::Bitmap b = test::Filled(PixelFormat::Bgr24, 5, 5, kBack);
  gfx::Canvas canvas(b);
  BevelFrame(canvas, {1, 1, 4, 5}, kWhite, 1, kShadow);
  EXPECT_EQ(Grid(b, kNames), (std::vector<std::string>{".....", ".TTB.", ".T.B.", ".T.B.", ".BBB."}));
}

TEST(CopyFrameStripsTest, CopiesTheFrameOnly) {
  struct C {
    int X, Y, W, H, SX, SY, B;
  };
  const C cases[] = {
      {0, 0, 6, 5, 0, 0, 1},
      {0, 0, 6, 5, 2, 1, 1},
      {1, 1, 5, 4, 0, 0, 2},
      {0, 0, 6, 5, 1, 1, 0},  // no border: nothing
  };
  for (const auto& c : cases) {
    for (gfx::RowOrder order : test::kRowOrders) {
      // Source pixels carry their own coordinates.
      gfx::Bitmap src(8, 6, PixelFormat::Bgr24, order);
      for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 8; ++x) src.SetPixelAt(x, y, RGB(x + 10, y + 10, 0));
      gfx::Bitmap dst(6, 5, PixelFormat::Bgr24);
      gfx::Canvas dc(dst);
      const gfx::Canvas sc(src);
      CopyFrameStrips(dc, c.X, c.Y, c.W, c.H, sc, c.SX, c.SY, c.B);
      for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 6; ++x) {
          const int col = x - c.X, row = y - c.Y;
          const bool inRect = col >= 0 && col < c.W && row >= 0 && row < c.H;
          const bool inFrame = inRect && (col < c.B || col >= c.W - c.B || row < c.B || row >= c.H - c.B);
          const gfx::Color expected = inFrame ? RGB(c.SX + col + 10, c.SY + row + 10, 0) : gfx::clBlack;
          ASSERT_EQ(dst.PixelAt(x, y), expected) << x << "," << y << " case b=" << c.B << " sx=" << c.SX;
        }
    }
  }
}

}  // namespace
}  // namespace skin
