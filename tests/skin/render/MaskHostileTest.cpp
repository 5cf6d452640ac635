// Skins are untrusted: impossible mask geometry and unusual image formats
// must neither crash nor touch pixels outside the target area.
#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <string>
#include <vector>

#include "../paint/PaintTestUtil.h"
#include "RenderFixture.h"
#include "skin/render/CornerHoles.h"
#include "skin/render/MaskCompose.h"
#include "skin/render/MaskFrame.h"
#include "skin/render/MaskImage.h"
#include "skin/render/MaskKeyCopy.h"

namespace skin {
namespace {

using gfx::PixelFormat;
using gfx::RGB;

constexpr gfx::Color kSentinel = RGB(1, 2, 3);
constexpr gfx::Color M = gfx::clFuchsia;

gfx::Color Rgb(const gfx::Bitmap& b, int x, int y) { return b.PixelAt(x, y) & 0xFFFFFF; }

TsMaskData Hostile(int l, int t, int r, int b, int count, int type, int stretch, int w) {
  TsMaskData m = test::MakeMask({l, t, r, b}, {count, type, stretch, w, w, w, w});
  return m;
}

TEST(HostileMaskTest, PaintersStayInsideTheirArea) {
  struct C {
    const char* Name;
    TsMaskData Mask;
  };
  const C cases[] = {
      {"region far right", Hostile(1000000000, 0, 1000000012, 8, 1, 0, 4, 2)},
      {"region at the int limits", Hostile(INT_MIN, INT_MIN, INT_MAX, INT_MAX, 1, 0, 5, 2)},
      {"region at the int limits, masked", Hostile(INT_MIN, INT_MIN, INT_MAX, INT_MAX, 3, 1, 4, 2)},
      {"negative region", Hostile(-50, -40, -10, -2, 1, 0, 4, 2)},
      {"partly outside", Hostile(-3, -2, 20, 30, 1, 1, 4, 2)},
      {"inverted region", Hostile(8, 8, 0, 0, 1, 0, 4, 2)},
      {"negative borders", Hostile(0, 0, 8, 8, 1, 0, 4, -5)},
      {"huge borders", Hostile(0, 0, 8, 8, 1, 0, 4, 32767)},
      {"huge borders, masked", Hostile(0, 0, 8, 16, 1, 1, 4, 32767)},
      {"huge counts", Hostile(0, 0, 8, 8, 32767, 32767, 4, 1)},
      {"negative counts", Hostile(0, 0, 8, 8, -1, -5, 4, 1)},
      {"MaskType 2", Hostile(0, 0, 8, 12, 2, 2, 7, 1)},
      {"tiles of size 0", Hostile(0, 0, 4, 4, 1, 0, 4, 2)},
      {"tiles of size 0, stretched", Hostile(0, 0, 4, 4, 1, 0, 5, 2)},
      {"tiles of size 0, masked", Hostile(0, 0, 4, 8, 1, 1, 4, 2)},
  };
  for (const C& c : cases)
    for (PixelFormat f : {PixelFormat::Bgr24, PixelFormat::Bgra32})
      for (gfx::RowOrder o : test::kRowOrders) {
        test::ModelBuilder mb(8, 16, RGB(50, 60, 70), o);
        mb.Paint({0, 0, 3, 3}, M);
        gfx::Bitmap back = test::Filled(PixelFormat::Bgr24, 5, 5, RGB(9, 9, 9));
        const gfx::Rect area{2, 3, 10, 9};
        gfx::Bitmap dst = test::Filled(f, 12, 12, kSentinel, o);
        for (int state : {0, 1, 2, 7})
          for (bool centre : {false, true}) {
            RenderMaskFrame(mb.Model(), dst, area, centre, true, state, c.Mask,
                            MakeBackdropRef(&back, -1, -1));
            RenderMaskFrame(mb.Model(), dst, area, centre, false, state, c.Mask, NoBackdrop);
          }
        // Pictures draw a whole cell at their point: only reads and writes
        // inside the images are checked for them (by the sanitizers).
        gfx::Bitmap pictures = test::Filled(f, 5, 4, kSentinel, o);
        for (gfx::Point p :
             {gfx::Point{1, 1}, gfx::Point{-3, -2}, gfx::Point{4, 3}, gfx::Point{INT_MIN, INT_MAX}})
          for (int mode : {0, 1})
            RenderMaskImage(mb.Model(), pictures, p, 1, MakeBackdropRef(&back, 0, 0), c.Mask, mode);
        ComposeMasked(dst, area, {c.Mask.Left, c.Mask.Top, c.Mask.Right, c.Mask.Bottom}, c.Mask, true,
                      MakeBackdropRef(&back, 0, 0), mb.Master());
        for (int y = 0; y < 12; ++y)
          for (int x = 0; x < 12; ++x)
            if (!area.Contains({x, y})) {
              ASSERT_EQ(dst.PixelAt(x, y), test::Filled(f, 1, 1, kSentinel).PixelAt(0, 0))
                  << c.Name << " wrote " << x << "," << y;
            }
        TAOR holes;
        AddCornerHoles(mb.Model(), holes, 100, c.Mask, false, 0);
        AddCornerHoles(mb.Model(), holes, 100, c.Mask, true, 0);
        const int idx = mb.AddMask(c.Mask);
        gfx::Bitmap d32 = test::Filled(PixelFormat::Bgra32, 6, 6, 0xFF000000u | M);
        gfx::Bitmap s32 = test::Filled(PixelFormat::Bgra32, 6, 6, 0x80808080u);
        for (int kind : {13, 14, 16, 17, 0})
          CopyWhereKey(d32, s32, {0, 0, 6, 6}, kind, mb.Model(), idx, {0, 0});
      }
}

TEST(HostileMaskTest, NegativeBordersCountAsZero) {
  // Every border below 0: the whole destination is the centre, the whole
  // 4 x 4 cell tiled.
  test::ModelBuilder mb(4, 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) mb.Master().SetPixelAt(x, y, RGB(x, y, 77));
  const TsMaskData mask = Hostile(0, 0, 4, 4, 1, 0, 4, -2);
  gfx::Bitmap dst = test::Filled(PixelFormat::Bgr24, 10, 7, kSentinel);
  RenderMaskFrame(mb.Model(), dst, dst.Bounds(), true, false, 0, mask, NoBackdrop);
  for (int y = 0; y < 7; ++y)
    for (int x = 0; x < 10; ++x) ASSERT_EQ(Rgb(dst, x, y), RGB(x % 4, y % 4, 77)) << x << "," << y;
}

TEST(HostileMaskTest, StretchedSidesAsWideAsTheIntRangeAreNotScaled) {
  // A destination from near INT_MIN to the bitmap: the stretched left side
  // spans more rows than an int holds and is left out; nothing overflows.
  test::ModelBuilder mb(6, 6);
  const TsMaskData mask = test::MakeMask({0, 0, 6, 6}, {1, 0, kStretchSides | kDrawCentre, 2, 2, 2, 2});
  gfx::Bitmap dst = test::Filled(PixelFormat::Bgr24, 10, 7, kSentinel);
  RenderMaskFrame(mb.Model(), dst, {INT_MIN + 1, INT_MIN + 1, 10, 7}, true, false, 0, mask, NoBackdrop);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 8; ++x) ASSERT_EQ(Rgb(dst, x, y), kSentinel) << x << "," << y;
}

TEST(HostileMaskTest, ZeroTileIsOneBlockFromTheTileStart) {
  // Cell 4 wide with WL = WR = 2: the top side has no tile; its span (6
  // pixels here) is one block from the tile start, cut to the image.
  test::ModelBuilder mb(6, 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 6; ++x) mb.Master().SetPixelAt(x, y, RGB(x, y, 77));
  const TsMaskData mask = test::MakeMask({0, 0, 4, 4}, {1, 0, 0, 2, 2, 2, 2});
  gfx::Bitmap dst = test::Filled(PixelFormat::Bgr24, 10, 4, kSentinel);
  RenderMaskFrame(mb.Model(), dst, dst.Bounds(), false, false, 0, mask, NoBackdrop);
  // Columns 2..7 would read source columns 2..7; the image ends at 5.
  for (int x = 2; x < 6; ++x) EXPECT_EQ(Rgb(dst, x, 0), RGB(x, 0, 77)) << x;
  for (int x = 6; x < 8; ++x) EXPECT_EQ(Rgb(dst, x, 0), kSentinel) << x;
  EXPECT_EQ(Rgb(dst, 8, 0), RGB(2, 0, 77));  // top-right corner
}

TEST(MaskImageFormatsTest, PaletteImagesAreReadAsTheirColours) {
  // A palette own image: index 0 a colour, index 1 the key.
  auto image = std::make_shared<gfx::Bitmap>(2, 1, PixelFormat::Indexed8);
  image->Palette() = {RGB(10, 20, 30), M};
  image->SetPixelAt(0, 0, 0);
  image->SetPixelAt(1, 0, 1);
  test::ModelBuilder mb(2, 2);
  const TsMaskData glyph = test::MakeMask({0, 0, 2, 1}, {1, 0, 0, 0, 0, 0, 0}, image);
  gfx::Bitmap dst = test::Filled(PixelFormat::Bgr24, 2, 1, kSentinel);
  RenderMaskImage(mb.Model(), dst, {0, 0}, 0, NoBackdrop, glyph, kMaskImageNormal);
  EXPECT_EQ(test::Pixels(dst), (std::vector<gfx::Color>{RGB(10, 20, 30), kSentinel}));

  // As a 2 x 2 frame (the second row the same): corners copied, the key
  // corner black for want of a backdrop.
  auto tall = std::make_shared<gfx::Bitmap>(2, 2, PixelFormat::Indexed8);
  tall->Palette() = image->Palette();
  tall->SetPixelAt(1, 0, 1);
  tall->SetPixelAt(1, 1, 1);
  dst = test::Filled(PixelFormat::Bgr24, 2, 2, kSentinel);
  const TsMaskData frame = test::MakeMask({0, 0, 2, 2}, {1, 0, 4, 1, 1, 1, 1}, tall);
  RenderMaskFrame(mb.Model(), dst, {0, 0, 2, 2}, true, false, 0, frame, NoBackdrop);
  EXPECT_EQ(test::Pixels(dst), (std::vector<gfx::Color>{RGB(10, 20, 30), 0, RGB(10, 20, 30), 0}));

  TAOR holes;
  const TsMaskData corners = test::MakeMask({0, 0, 2, 1}, {1, 0, 0, 1, 1, 1, 1}, image);
  AddCornerHoles(mb.Model(), holes, 10, corners, false, 0);
  EXPECT_EQ(holes, (TAOR{{9, 0, 10, 1}}));
}

TEST(MaskImageFormatsTest, AlphaImagesKeepTheirAlpha) {
  // A 32-bit own image, both rows: a translucent pixel, a hole, an opaque pixel.
  auto image = std::make_shared<gfx::Bitmap>(3, 2, PixelFormat::Bgra32);
  for (int y = 0; y < 2; ++y) {
    image->SetPixelAt(0, y, 0x80000000u | RGB(200, 200, 200));
    image->SetPixelAt(1, y, 0x00FF00FFu);
    image->SetPixelAt(2, y, 0xFF000000u | RGB(10, 20, 30));
  }
  test::ModelBuilder mb(2, 2);
  const TsMaskData glyph = test::MakeMask({0, 0, 3, 2}, {1, 0, 0, 0, 0, 0, 0}, image);
  const TsMaskData frame = test::MakeMask({0, 0, 3, 2}, {1, 0, 4, 1, 1, 1, 1}, image);

  for (gfx::RowOrder o : test::kRowOrders) {
    // Onto 32 bits all four bytes are copied; the hole is left alone. The
    // picture covers rows 0..1, the frame rows 2..3.
    gfx::Bitmap d32 = test::Filled(PixelFormat::Bgra32, 3, 4, 0, o);
    RenderMaskImage(mb.Model(), d32, {0, 0}, 0, NoBackdrop, glyph, kMaskImageNormal);
    RenderMaskFrame(mb.Model(), d32, {0, 2, 3, 4}, true, false, 0, frame, NoBackdrop);
    for (int y = 0; y < 4; ++y) {
      EXPECT_EQ(d32.PixelAt(0, y), 0x80000000u | RGB(200, 200, 200)) << y;
      EXPECT_EQ(d32.PixelAt(1, y), 0u) << y;
      EXPECT_EQ(d32.PixelAt(2, y), 0xFF000000u | RGB(10, 20, 30)) << y;
    }
    // Onto 24 bits they are blended by alpha as AlphaCopy does,
    // (d * 256 + (s - d) * A) >> 8: 200 at alpha 128 over 0 is 100, and even
    // an opaque 10 over 0 gives 9.
    gfx::Bitmap d24 = test::Filled(PixelFormat::Bgr24, 3, 4, 0, o);
    RenderMaskImage(mb.Model(), d24, {0, 0}, 0, NoBackdrop, glyph, kMaskImageNormal);
    RenderMaskFrame(mb.Model(), d24, {0, 2, 3, 4}, true, false, 0, frame, NoBackdrop);
    for (int y = 0; y < 4; ++y) {
      EXPECT_EQ(d24.PixelAt(0, y), RGB(100, 100, 100)) << y;
      EXPECT_EQ(d24.PixelAt(1, y), 0u) << y;
      EXPECT_EQ(d24.PixelAt(2, y), RGB(9, 19, 29)) << y;
    }
  }
}

}  // namespace
}  // namespace skin
