#include "skin/paint/DisabledLook.h"

#include <gtest/gtest.h>

#include "PaintTestUtil.h"

namespace skin {
namespace {

using gfx::PixelFormat;
using gfx::RGB;
using test::MakeBitmap;
using test::Pixels;

constexpr gfx::Color Ctl = RGB(100, 51, 0);  // the control's pixels
constexpr gfx::Color P = RGB(200, 0, 50);    // the parent's image

TEST(PaintDisabledLookTest, Table) {
  const gfx::Bitmap parent = MakeBitmap(PixelFormat::Bgr24, 3, 2, {0, 0, 0, 0, P, RGB(10, 20, 30)});
  struct C {
    const char* Name;
    TsDisabledKinds Kinds;
    BackdropRef Backdrop;
    gfx::Point Offset;
    std::vector<gfx::Color> Expected;  // 2 x 1
  };
  // Blended over the image: rnd(p - 0.4 * (p - c)): (160, 20.4, 30) and
  // (46, 32.4, 18); the control's third column has no parent pixel.
  // Tinted 50 % towards white: (177.5, 153, 127.5) -> (178, 153, 128).
  const C cases[] = {
      {"nothing", {}, MakeBackdropRef(&parent, 0, 0), {0, 0}, {Ctl, Ctl}},
      {"grey", {dkGrayed}, NoBackdrop, {0, 0}, {RGB(50, 50, 50), RGB(50, 50, 50)}},
      {"blended over the parent image",
       {dkBlended},
       MakeBackdropRef(&parent, 0, 1),
       {1, 0},
       {RGB(160, 20, 30), RGB(46, 32, 18)}},
      {"image cut at its edge", {dkBlended}, MakeBackdropRef(&parent, 1, 1), {1, 0}, {RGB(46, 32, 18), Ctl}},
      {"no image: fill colour",
       {dkBlended},
       BackdropRef{nullptr, 0, 0, gfx::clWhite, false},
       {0, 0},
       {RGB(178, 153, 128), RGB(178, 153, 128)}},
      // NoBackdrop's fill colour is 0, black: (50, 25.5, 0) -> (50, 26, 0)
      {"nothing known: black", {dkBlended}, NoBackdrop, {0, 0}, {RGB(50, 26, 0), RGB(50, 26, 0)}},
      // towards the parent colour (0, 101, 255): (50, 76, 127.5) -> (50, 76, 128)
      {"no colour: the parent colour",
       {dkBlended},
       BackdropRef{nullptr, 0, 0, gfx::clFuchsia, false},
       {0, 0},
       {RGB(50, 76, 128), RGB(50, 76, 128)}},
      // grey first (50, 50, 50), then 50 % towards white: 152.5 -> 152
      {"grey and blended",
       {dkGrayed, dkBlended},
       BackdropRef{nullptr, 0, 0, gfx::clWhite, false},
       {0, 0},
       {RGB(152, 152, 152), RGB(152, 152, 152)}},
  };
  for (const auto& c : cases) {
    for (gfx::RowOrder order : test::kRowOrders) {
      gfx::Bitmap b = test::Filled(PixelFormat::Bgr24, 2, 1, Ctl, order);
      PaintDisabledLook(b, c.Kinds, RGB(0, 101, 255), c.Offset, c.Backdrop);
      EXPECT_EQ(Pixels(b), c.Expected) << c.Name << ", " << test::OrderName(order);
    }
  }
}

TEST(PaintDisabledLookTest, KindsSet) {
  TsDisabledKinds k{dkBlended};
  EXPECT_TRUE(k.Contains(dkBlended));
  EXPECT_FALSE(k.Contains(dkGrayed));
  k.Include(dkGrayed).Exclude(dkBlended);
  EXPECT_EQ(k, TsDisabledKinds{dkGrayed});
  EXPECT_TRUE(TsDisabledKinds{}.Empty());
}

}  // namespace
}  // namespace skin
