#include "skin/render/MaskFrame.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../paint/PaintTestUtil.h"
#include "RenderFixture.h"
#include "platform/gfx/Canvas.h"

namespace skin {
namespace {

using gfx::PixelFormat;
using gfx::RGB;

constexpr PixelFormat kFormats[] = {PixelFormat::Bgr24, PixelFormat::Bgra32};
constexpr gfx::Color kPre = RGB(7, 7, 7);  // pre-fill of every destination
constexpr gfx::Color M = gfx::clFuchsia;

std::string Where(PixelFormat f, gfx::RowOrder o) {
  return std::string(f == PixelFormat::Bgr24 ? "24-bit" : "32-bit") + ", " + test::OrderName(o);
}

// Reads a destination pixel as a colour without alpha.
gfx::Color Rgb(const gfx::Bitmap& b, int x, int y) { return b.PixelAt(x, y) & 0xFFFFFF; }

// A master bitmap whose every pixel names its own position: RGB(x, y, 77).
test::ModelBuilder Positional(int w, int h, gfx::RowOrder order) {
  test::ModelBuilder mb(w, h, 0, order);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) mb.Master().SetPixelAt(x, y, RGB(x, y, 77));
  return mb;
}

gfx::Color At(int x, int y) { return RGB(x, y, 77); }

// Cell 6 x 6, borders 2: every piece is 2 x 2, the source pixel names itself.
TEST(RenderMaskFrameTest, TiledNineSliceOnElevenByNine) {
  // Source column of destination column x (and likewise rows): corners at
  // their own size, sides and centre repeat the 2-pixel tile from its start.
  auto sx = [](int x) { return x < 2 ? x : x >= 9 ? 4 + (x - 9) : 2 + (x - 2) % 2; };
  auto sy = [](int y) { return y < 2 ? y : y >= 7 ? 4 + (y - 7) : 2 + (y - 2) % 2; };
  struct C {
    const char* Name;
    int StretchMode;
    bool WithCentre;
    bool CentreDrawn;
  };
  const C cases[] = {
      {"centre bit and withCentre", 4, true, true},
      {"no centre bit", 0, true, false},
      {"withCentre off", 4, false, false},
  };
  for (const C& c : cases)
    for (PixelFormat f : kFormats)
      for (gfx::RowOrder o : test::kRowOrders) {
        test::ModelBuilder mb = Positional(6, 6, o);
        const TsMaskData mask = test::MakeMask({0, 0, 6, 6}, {1, 0, c.StretchMode, 2, 2, 2, 2});
        gfx::Bitmap dst = test::Filled(f, 11, 9, kPre, o);
        RenderMaskFrame(mb.Model(), dst, {0, 0, 11, 9}, c.WithCentre, false, 0, mask, NoBackdrop);
        for (int y = 0; y < 9; ++y)
          for (int x = 0; x < 11; ++x) {
            const bool centre = x >= 2 && x < 9 && y >= 2 && y < 7;
            const gfx::Color want = centre && !c.CentreDrawn ? kPre : At(sx(x), sy(y));
            ASSERT_EQ(Rgb(dst, x, y), want) << c.Name << " at " << x << "," << y << ", " << Where(f, o);
            if (f == PixelFormat::Bgra32 && want != kPre) {
              ASSERT_EQ(dst.PixelAt(x, y) >> 24, 255u);
            }
          }
      }
}

TEST(RenderMaskFrameTest, MaskedPiecesTileLikeCopies) {
  // The same cell over a transparency picture of 0 (the picture wins
  // everywhere): tiles of the masked pieces repeat exactly like copies, and
  // the stretch bit is ignored for them.
  auto sx = [](int x) { return x < 2 ? x : x >= 17 ? 4 + (x - 17) : 2 + (x - 2) % 2; };
  auto sy = [](int y) { return y < 2 ? y : y >= 7 ? 4 + (y - 7) : 2 + (y - 2) % 2; };
  for (int stretchMode : {4, 5})
    for (PixelFormat f : kFormats)
      for (gfx::RowOrder o : test::kRowOrders) {
        test::ModelBuilder mb = Positional(6, 12, o);
        mb.Paint({0, 6, 6, 12}, 0);
        const TsMaskData mask = test::MakeMask({0, 0, 6, 12}, {1, 1, stretchMode, 2, 2, 2, 2});
        gfx::Bitmap dst = test::Filled(f, 19, 9, kPre, o);
        RenderMaskFrame(mb.Model(), dst, {0, 0, 19, 9}, true, false, 0, mask, NoBackdrop);
        for (int y = 0; y < 9; ++y)
          for (int x = 0; x < 19; ++x)
            ASSERT_EQ(Rgb(dst, x, y), At(sx(x), sy(y))) << x << "," << y << ", " << Where(f, o);
      }
}

TEST(RenderMaskFrameTest, StretchBitScalesEachTileOntoItsSpan) {
  // Uniform pieces: a stretched side or centre is its piece's colour.
  for (PixelFormat f : kFormats)
    for (gfx::RowOrder o : test::kRowOrders) {
      test::ModelBuilder mb(6, 6, 0, o);
      for (int py = 0; py < 3; ++py)
        for (int px = 0; px < 3; ++px)
          mb.Paint({px * 2, py * 2, px * 2 + 2, py * 2 + 2}, RGB(px * 40, py * 40, 9));
      const TsMaskData mask = test::MakeMask({0, 0, 6, 6}, {1, 0, 5, 2, 2, 2, 2});
      gfx::Bitmap dst = test::Filled(f, 13, 10, kPre, o);
      RenderMaskFrame(mb.Model(), dst, {0, 0, 13, 10}, true, false, 0, mask, NoBackdrop);
      auto piece = [](int x, int w) { return x < 2 ? 0 : x >= w - 2 ? 2 : 1; };
      for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 13; ++x)
          ASSERT_EQ(Rgb(dst, x, y), RGB(piece(x, 13) * 40, piece(y, 10) * 40, 9))
              << x << "," << y << ", " << Where(f, o);
    }
}

TEST(RenderMaskFrameTest, StretchOfAPatternedTileEqualsTheCanvasStretch) {
  test::ModelBuilder mb = Positional(6, 6, gfx::RowOrder::TopDown);
  const TsMaskData mask = test::MakeMask({0, 0, 6, 6}, {1, 0, 1, 2, 2, 2, 2});
  gfx::Bitmap dst = test::Filled(PixelFormat::Bgr24, 13, 10, kPre);
  RenderMaskFrame(mb.Model(), dst, {0, 0, 13, 10}, false, false, 0, mask, NoBackdrop);
  gfx::Bitmap ref = test::Filled(PixelFormat::Bgr24, 13, 10, kPre);
  gfx::Canvas(ref).StretchDraw({2, 0, 11, 2}, mb.Master(), {2, 0, 4, 2});  // top side
  gfx::Canvas(ref).StretchDraw({0, 2, 2, 8}, mb.Master(), {0, 2, 2, 4});   // left side
  for (int x = 2; x < 11; ++x) EXPECT_EQ(Rgb(dst, x, 1), Rgb(ref, x, 1)) << x;
  for (int y = 2; y < 8; ++y) EXPECT_EQ(Rgb(dst, 1, y), Rgb(ref, 1, y)) << y;
  EXPECT_EQ(Rgb(dst, 5, 5), kPre);  // no centre bit
}

TEST(RenderMaskFrameTest, BordersWiderThanTheDestinationShrink) {
  struct C {
    int DestW;
    int FirstRightColumn;  // first source column of the top-right corner
    int Wl;
  };
  // Cell 20 wide, WL = WR = 8: 10 pixels give 5/5 (top-right from 15..19),
  // 9 pixels give 5/4 (16..19).
  const C cases[] = {{10, 15, 5}, {9, 16, 5}};
  for (const C& c : cases)
    for (PixelFormat f : kFormats)
      for (gfx::RowOrder o : test::kRowOrders) {
        test::ModelBuilder mb = Positional(20, 6, o);
        const TsMaskData mask = test::MakeMask({0, 0, 20, 6}, {1, 0, 0, 8, 2, 8, 2});
        gfx::Bitmap dst = test::Filled(f, c.DestW, 6, kPre, o);
        RenderMaskFrame(mb.Model(), dst, {0, 0, c.DestW, 6}, false, false, 0, mask, NoBackdrop);
        for (int x = 0; x < c.DestW; ++x) {
          const int want = x < c.Wl ? x : c.FirstRightColumn + (x - c.Wl);
          EXPECT_EQ(Rgb(dst, x, 0), At(want, 0)) << "W " << c.DestW << " x " << x << ", " << Where(f, o);
        }
      }
}

TEST(RenderMaskFrameTest, StateSelectsTheCell) {
  struct C {
    int ImageCount;
    int State;
    int Cell;  // -1: nothing drawn
    int StretchMode;
  };
  const C cases[] = {
      {3, 0, 0, 4}, {3, 1, 1, 4},  {3, 2, 2, 4},  {3, 5, 2, 4},
      {1, 2, 0, 4}, {3, -4, 0, 4}, {3, 0, -1, 6},  // not drawn in state 0
      {3, 1, 1, 7},                                // stretched in state 1
  };
  const gfx::Color cell[3] = {RGB(10, 0, 0), RGB(20, 0, 0), RGB(30, 0, 0)};
  for (const C& c : cases)
    for (PixelFormat f : kFormats)
      for (gfx::RowOrder o : test::kRowOrders) {
        test::ModelBuilder mb(12, 4, 0, o);
        for (int i = 0; i < 3; ++i) mb.Paint({i * 4, 0, i * 4 + 4, 4}, cell[i]);
        const TsMaskData mask =
            test::MakeMask({0, 0, 4 * c.ImageCount, 4}, {c.ImageCount, 0, c.StretchMode, 1, 1, 1, 1});
        gfx::Bitmap dst = test::Filled(f, 6, 5, kPre, o);
        RenderMaskFrame(mb.Model(), dst, {0, 0, 6, 5}, true, false, c.State, mask, NoBackdrop);
        const gfx::Color want = c.Cell < 0 ? kPre : cell[c.Cell];
        for (int y = 0; y < 5; ++y)
          for (int x = 0; x < 6; ++x)
            ASSERT_EQ(Rgb(dst, x, y), want)
                << c.ImageCount << "/" << c.State << " at " << x << "," << y << ", " << Where(f, o);
      }
}

TEST(RenderMaskFrameTest, NothingDrawnWithoutCellsOwnerOrRoom) {
  test::ModelBuilder mb(8, 8, RGB(1, 2, 3));
  const TsMaskData good = test::MakeMask({0, 0, 8, 8}, {1, 0, 4, 2, 2, 2, 2});
  struct C {
    const char* Name;
    TsMaskData Mask;
    gfx::Rect Dest;
  };
  TsMaskData noCells = good;
  noCells.ImageCount = 0;
  TsMaskData negativeCells = good;
  negativeCells.ImageCount = -2;
  TsMaskData noOwner = good;
  noOwner.Owner = nullptr;
  TsMaskData noHeight = good;
  noHeight.MaskType = -1;
  const C cases[] = {
      {"ImageCount 0", noCells, {0, 0, 6, 6}}, {"ImageCount negative", negativeCells, {0, 0, 6, 6}},
      {"no owner", noOwner, {0, 0, 6, 6}},     {"MaskType -1", noHeight, {0, 0, 6, 6}},
      {"width 1", good, {0, 0, 1, 6}},         {"height 1", good, {0, 0, 6, 1}},
      {"inverted", good, {6, 6, 0, 0}},
  };
  for (const C& c : cases) {
    gfx::Bitmap dst = test::Filled(PixelFormat::Bgr24, 6, 6, kPre);
    RenderMaskFrame(mb.Model(), dst, c.Dest, true, false, 1, c.Mask, NoBackdrop);
    EXPECT_EQ(test::Pixels(dst), test::Pixels(test::Filled(PixelFormat::Bgr24, 6, 6, kPre))) << c.Name;
  }
  // The index form: an index out of range draws nothing, a valid one draws.
  const int i = mb.AddMask(good);
  gfx::Bitmap dst = test::Filled(PixelFormat::Bgr24, 6, 6, kPre);
  RenderMaskFrame(mb.Model(), dst, {0, 0, 6, 6}, true, false, 0, i + 1, NoBackdrop);
  EXPECT_EQ(Rgb(dst, 3, 3), kPre);
  RenderMaskFrame(mb.Model(), dst, {0, 0, 6, 6}, true, false, 0, i, NoBackdrop);
  EXPECT_EQ(Rgb(dst, 3, 3), RGB(1, 2, 3));
}

TEST(RenderMaskFrameTest, KeyPixelsOfSidesAreCopiedOfCornersResolved) {
  // Everything magenta: corners take the fill colour of a backdrop that is
  // not ready (black for NoBackdrop) or the backdrop image; sides and centre
  // copy the key colour as it is.
  test::ModelBuilder mb(6, 6, M);
  const TsMaskData mask = test::MakeMask({0, 0, 6, 6}, {1, 0, 4, 2, 2, 2, 2});
  gfx::Bitmap back = test::Filled(PixelFormat::Bgr24, 40, 40, 0);
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 40; ++x) back.SetPixelAt(x, y, RGB(x, y, 200));
  for (gfx::RowOrder o : test::kRowOrders) {
    gfx::Bitmap dst = test::Filled(PixelFormat::Bgr24, 10, 10, kPre, o);
    RenderMaskFrame(mb.Model(), dst, {0, 0, 6, 6}, true, true, 0, mask, NoBackdrop);
    EXPECT_EQ(Rgb(dst, 0, 0), 0u);
    EXPECT_EQ(Rgb(dst, 5, 5), 0u);
    EXPECT_EQ(Rgb(dst, 2, 0), M);
    EXPECT_EQ(Rgb(dst, 3, 3), M);

    // The backdrop comes relative to the destination rectangle, here at
    // (3, 4): its (10, 20) lies behind the rectangle's corner.
    RenderMaskFrame(mb.Model(), dst, {3, 4, 9, 10}, true, true, 0, mask, MakeBackdropRef(&back, 10, 20));
    for (int y = 0; y < 2; ++y)
      for (int x = 0; x < 2; ++x) {
        EXPECT_EQ(Rgb(dst, 3 + x, 4 + y), RGB(10 + x, 20 + y, 200)) << x << "," << y;
        EXPECT_EQ(Rgb(dst, 7 + x, 8 + y), RGB(14 + x, 24 + y, 200)) << x << "," << y;
      }
    // Without cornersUseBackdrop a ready backdrop leaves corner keys alone.
    gfx::Bitmap keep = test::Filled(PixelFormat::Bgr24, 6, 6, kPre, o);
    RenderMaskFrame(mb.Model(), keep, {0, 0, 6, 6}, true, false, 0, mask, MakeBackdropRef(&back, 0, 0));
    EXPECT_EQ(Rgb(keep, 0, 0), kPre);
    EXPECT_EQ(Rgb(keep, 2, 0), M);
  }
}

TEST(RenderMaskFrameTest, DestinationPartlyOutsideTheBitmapKeepsTheTilePhase) {
  auto sx = [](int x) { return x < 2 ? x : x >= 9 ? 4 + (x - 9) : 2 + (x - 2) % 2; };
  auto sy = [](int y) { return y < 2 ? y : y >= 7 ? 4 + (y - 7) : 2 + (y - 2) % 2; };
  for (PixelFormat f : kFormats)
    for (gfx::RowOrder o : test::kRowOrders) {
      test::ModelBuilder mb = Positional(6, 6, o);
      const TsMaskData mask = test::MakeMask({0, 0, 6, 6}, {1, 0, 4, 2, 2, 2, 2});
      // The 11 x 9 frame starts at (-3, -4) of a 6 x 4 bitmap.
      gfx::Bitmap dst = test::Filled(f, 6, 4, kPre, o);
      RenderMaskFrame(mb.Model(), dst, {-3, -4, 8, 5}, true, false, 0, mask, NoBackdrop);
      for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x)
          ASSERT_EQ(Rgb(dst, x, y), At(sx(x + 3), sy(y + 4))) << x << "," << y << ", " << Where(f, o);
    }
}

}  // namespace
}  // namespace skin
