#include "skin/render/MaskImage.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "../paint/PaintTestUtil.h"
#include "RenderFixture.h"

namespace skin {
namespace {

using gfx::PixelFormat;
using gfx::RGB;

constexpr PixelFormat kFormats[] = {PixelFormat::Bgr24, PixelFormat::Bgra32};
constexpr gfx::Color M = gfx::clFuchsia;

gfx::Color Grey(int v) { return RGB(v, v, v); }
gfx::Color Rgb(const gfx::Bitmap& b, int x, int y) { return b.PixelAt(x, y) & 0xFFFFFF; }

std::string Where(PixelFormat f, gfx::RowOrder o) {
  return std::string(f == PixelFormat::Bgr24 ? "24-bit" : "32-bit") + ", " + test::OrderName(o);
}

enum class From { Own, Master };

// Every path: a 2 x 1 picture (s, key) over its mask row (m, m) when
// MaskType is 1, drawn onto (d, d).
TEST(RenderMaskImageTest, PathTable) {
  struct C {
    const char* Name;
    From Src;
    int MaskType;
    int Mode;
    int S, D, Mk;
    gfx::Color Want;     // the picture pixel
    gfx::Color WantKey;  // the key pixel
  };
  const gfx::Color back = Grey(77);
  const C cases[] = {
      {"own, unmasked, normal: copy", From::Own, 0, 1, 10, 200, 0, Grey(10), Grey(200)},
      {"own, unmasked, faded mode: still a copy", From::Own, 0, 0, 10, 200, 0, Grey(10), Grey(200)},
      {"own, masked, normal", From::Own, 1, 1, 0, 255, 0, Grey(0), Grey(255)},
      {"own, masked, faded: 0 over 255", From::Own, 1, 0, 0, 255, 0, Grey(99), Grey(255)},
      {"own, masked, faded: 255 over 0", From::Own, 1, 0, 255, 0, 0, Grey(155), Grey(0)},
      {"master, masked, normal", From::Master, 1, 1, 200, 100, 128, Grey(150), Grey(100)},
      {"master, masked, faded", From::Master, 1, 7, 0, 255, 0, Grey(99), Grey(255)},
      {"master, unmasked, normal: keyed copy with backdrop", From::Master, 0, 1, 10, 200, 0, Grey(10), back},
      {"master, unmasked, faded: keep 0.5 rounds 1.5 up", From::Master, 0, 0, 1, 2, 0, Grey(2), Grey(2)},
      {"master, unmasked, faded: keep 0.5 rounds 0.5 down", From::Master, 0, 0, 0, 1, 0, Grey(0), Grey(1)},
  };
  gfx::Bitmap backImage = test::Filled(PixelFormat::Bgr24, 10, 10, back);
  for (const C& c : cases)
    for (PixelFormat f : kFormats)
      for (gfx::RowOrder o : test::kRowOrders) {
        const int h = c.MaskType + 1;
        test::ModelBuilder mb(8, 6, Grey(33), o);
        std::shared_ptr<gfx::Bitmap> own;
        gfx::Rect region{3, 2, 5, 2 + h};
        if (c.Src == From::Own) {
          own = std::make_shared<gfx::Bitmap>(2, h, PixelFormat::Bgr24, o);
          test::FillArea(*own, {0, 0, 2, h}, Grey(c.Mk));
          region = {0, 0, 2, h};
        }
        gfx::Bitmap& img = own ? *own : mb.Master();
        img.SetPixelAt(region.Left, region.Top, Grey(c.S));
        img.SetPixelAt(region.Left + 1, region.Top, M);
        if (c.MaskType == 1)
          test::FillArea(img, {region.Left, region.Top + 1, region.Right, region.Bottom}, Grey(c.Mk));
        const TsMaskData mask = test::MakeMask(region, {1, c.MaskType, 0, 0, 0, 0, 0}, own);

        gfx::Bitmap dst = test::Filled(f, 4, 3, Grey(c.D), o);
        RenderMaskImage(mb.Model(), dst, {1, 1}, 0, MakeBackdropRef(&backImage, 0, 0), mask, c.Mode);
        EXPECT_EQ(Rgb(dst, 1, 1), c.Want) << c.Name << ", " << Where(f, o);
        EXPECT_EQ(Rgb(dst, 2, 1), c.WantKey) << c.Name << ", " << Where(f, o);
        EXPECT_EQ(Rgb(dst, 0, 1), Grey(c.D)) << c.Name;
        EXPECT_EQ(Rgb(dst, 3, 1), Grey(c.D)) << c.Name;
        EXPECT_EQ(Rgb(dst, 1, 0), Grey(c.D)) << c.Name;
        EXPECT_EQ(Rgb(dst, 1, 2), Grey(c.D)) << c.Name;
        if (f == PixelFormat::Bgra32 && c.MaskType == 1) {
          EXPECT_EQ(dst.PixelAt(1, 1) >> 24, 255u) << c.Name;
        }
      }
}

// Three paths that place a picture: own unmasked, own masked (m 0 copies the
// picture exactly), master keyed copy.
struct Placer {
  const char* Name;
  From Src;
  int MaskType;
};
const Placer kPlacers[] = {{"own, unmasked", From::Own, 0},
                           {"own, masked", From::Own, 1},
                           {"master, masked", From::Master, 1},
                           {"master, keyed", From::Master, 0}};

// A model with a 4 x 3 picture whose pixels name their position (x, y) and,
// for masked pictures, a mask part of 0 below it.
struct Positional {
  test::ModelBuilder Mb;
  TsMaskData Mask;
  Positional(const Placer& p, gfx::RowOrder o) : Mb(10, 8, Grey(0), o) {
    const int h = 3 * (p.MaskType + 1);
    std::shared_ptr<gfx::Bitmap> own;
    gfx::Rect region{5, 1, 9, 1 + h};
    if (p.Src == From::Own) {
      own = std::make_shared<gfx::Bitmap>(4, h, PixelFormat::Bgr24, o);
      region = {0, 0, 4, h};
    }
    gfx::Bitmap& img = own ? *own : Mb.Master();
    test::FillArea(img, region, Grey(0));
    for (int y = 0; y < 3; ++y)
      for (int x = 0; x < 4; ++x) img.SetPixelAt(region.Left + x, region.Top + y, RGB(x + 1, y + 1, 50));
    Mask = test::MakeMask(region, {1, p.MaskType, 0, 0, 0, 0, 0}, own);
  }
};

TEST(RenderMaskImageTest, NegativePointClipsWithTheSourceAligned) {
  for (const Placer& p : kPlacers)
    for (PixelFormat f : kFormats)
      for (gfx::RowOrder o : test::kRowOrders) {
        Positional pic(p, o);
        gfx::Bitmap dst = test::Filled(f, 4, 3, Grey(9), o);
        RenderMaskImage(pic.Mb.Model(), dst, {-2, -1}, 0, NoBackdrop, pic.Mask, kMaskImageNormal);
        for (int y = 0; y < 3; ++y)
          for (int x = 0; x < 4; ++x) {
            const gfx::Color want = x < 2 && y < 2 ? RGB(x + 3, y + 2, 50) : Grey(9);
            ASSERT_EQ(Rgb(dst, x, y), want) << p.Name << " at " << x << "," << y << ", " << Where(f, o);
          }
      }
}

TEST(RenderMaskImageTest, PictureInTheBottomRightCornerIsDrawnWhole) {
  for (const Placer& p : kPlacers)
    for (PixelFormat f : kFormats)
      for (gfx::RowOrder o : test::kRowOrders) {
        Positional pic(p, o);
        gfx::Bitmap dst = test::Filled(f, 7, 5, Grey(9), o);
        RenderMaskImage(pic.Mb.Model(), dst, {3, 2}, 0, NoBackdrop, pic.Mask, kMaskImageNormal);
        for (int y = 0; y < 3; ++y)
          for (int x = 0; x < 4; ++x)
            ASSERT_EQ(Rgb(dst, 3 + x, 2 + y), RGB(x + 1, y + 1, 50))
                << p.Name << " at " << x << "," << y << ", " << Where(f, o);
        // Past the bitmap's edge nothing is drawn (or read).
        gfx::Bitmap small = test::Filled(f, 5, 4, Grey(9), o);
        RenderMaskImage(pic.Mb.Model(), small, {3, 2}, 0, NoBackdrop, pic.Mask, kMaskImageNormal);
        EXPECT_EQ(Rgb(small, 4, 3), RGB(2, 2, 50)) << p.Name;
      }
}

TEST(RenderMaskImageTest, StateSelectsTheCellAndOwnImageMustHoldTheRegion) {
  // Master: three 2 x 1 cells of grey 10, 20, 30 at (0, 0).
  test::ModelBuilder mb(6, 1, Grey(0));
  for (int i = 0; i < 3; ++i) mb.Paint({2 * i, 0, 2 * i + 2, 1}, Grey(10 * (i + 1)));
  TsMaskData mask = test::MakeMask({0, 0, 6, 1}, {3, 0, 0, 0, 0, 0, 0});
  struct C {
    int State;
    gfx::Color Want;
  };
  for (const C& c : {C{0, Grey(10)}, C{1, Grey(20)}, C{2, Grey(30)}, C{9, Grey(30)}, C{-1, Grey(10)}}) {
    gfx::Bitmap dst = test::Filled(PixelFormat::Bgr24, 2, 1, Grey(9));
    RenderMaskImage(mb.Model(), dst, {0, 0}, c.State, NoBackdrop, mask, kMaskImageNormal);
    EXPECT_EQ(Rgb(dst, 1, 0), c.Want) << c.State;
  }
  // An own image narrower than Right is not used: the master is.
  mask.Image = std::make_shared<gfx::Bitmap>(test::Filled(PixelFormat::Bgr24, 5, 1, Grey(99)));
  gfx::Bitmap dst = test::Filled(PixelFormat::Bgr24, 2, 1, Grey(9));
  RenderMaskImage(mb.Model(), dst, {0, 0}, 1, NoBackdrop, mask, kMaskImageNormal);
  EXPECT_EQ(Rgb(dst, 0, 0), Grey(20));
  // ... one that holds it is.
  mask.Image = std::make_shared<gfx::Bitmap>(test::Filled(PixelFormat::Bgr24, 6, 1, Grey(99)));
  RenderMaskImage(mb.Model(), dst, {0, 0}, 1, NoBackdrop, mask, kMaskImageNormal);
  EXPECT_EQ(Rgb(dst, 0, 0), Grey(99));
  // Without owner or cells the master is not used; an index out of range draws nothing.
  mask.Image.reset();
  mask.Owner = nullptr;
  dst = test::Filled(PixelFormat::Bgr24, 2, 1, Grey(9));
  RenderMaskImage(mb.Model(), dst, {0, 0}, 1, NoBackdrop, mask, kMaskImageNormal);
  RenderMaskImage(mb.Model(), dst, {0, 0}, 1, NoBackdrop, 0, kMaskImageNormal);
  EXPECT_EQ(Rgb(dst, 0, 0), Grey(9));
}

TEST(RenderMaskImageTest, MaskRowsBelowTheImageAreNotRead) {
  // A masked picture whose region claims more rows than the image has: only
  // the rows whose mask row exists are drawn.
  test::ModelBuilder mb(2, 3, Grey(0));
  mb.Paint({0, 0, 2, 2}, Grey(200));  // rows 0..1 picture, row 2 the mask of row 0
  const TsMaskData mask = test::MakeMask({0, 0, 2, 4}, {1, 1, 0, 0, 0, 0, 0});  // ch 2
  gfx::Bitmap dst = test::Filled(PixelFormat::Bgr24, 2, 2, Grey(9));
  RenderMaskImage(mb.Model(), dst, {0, 0}, 0, NoBackdrop, mask, kMaskImageNormal);
  EXPECT_EQ(Rgb(dst, 0, 0), Grey(200));
  EXPECT_EQ(Rgb(dst, 0, 1), Grey(9));
}

}  // namespace
}  // namespace skin
