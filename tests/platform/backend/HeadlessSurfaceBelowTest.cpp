// Finding the surface that takes the mouse below a given one.
#include <gtest/gtest.h>

#include <stdexcept>

#include "tests/platform/backend/HeadlessTestSupport.h"

namespace backend {
namespace {

using testing::SolidSurface;

constexpr gfx::Color kRed = gfx::RGB(255, 0, 0);
constexpr gfx::Color kGreen = gfx::RGB(0, 255, 0);
constexpr gfx::Color kBlue = gfx::RGB(0, 0, 255);
constexpr gfx::Point kAt{15, 15};

// Bottom to top: `low` and `top` cover the whole test area, `middle` only
// (10,10)-(20,20), which holds kAt.
struct ThreeSurfaces {
  ThreeSurfaces()
      : b_(testing::ScreenOf({64, 48})),
        low_(SolidSurface(b_, {0, 0, 30, 30}, kRed)),
        middle_(SolidSurface(b_, {10, 10, 20, 20}, kGreen)),
        top_(SolidSurface(b_, {0, 0, 30, 30}, kBlue)) {}

  // Gives `middle_` a 10x10 picture whose pixel under kAt has `alpha`.
  void LayerMiddle(std::uint8_t alpha) {
    gfx::Bitmap picture = gfx::NewBitmap32(10, 10);
    for (int y = 0; y < 10; ++y)
      for (int x = 0; x < 10; ++x) picture.SetPixelAt(x, y, kGreen | 0xFF000000u);
    picture.SetPixelAt(5, 5, kGreen | (static_cast<gfx::Color>(alpha) << 24));
    b_.UpdateLayered(middle_, picture, {10, 10}, {10, 10}, 255);
  }

  HeadlessBackend b_;
  SurfaceId low_, middle_, top_;
};

class HeadlessSurfaceBelow : public ::testing::Test, protected ThreeSurfaces {};

TEST_F(HeadlessSurfaceBelow, SkipsWhatTakesNoMouseAtThePoint) {
  struct Case {
    const char* name;
    void (*change)(ThreeSurfaces&);
    bool middleTakes;
  };
  const Case cases[] = {
      {"plain", [](ThreeSurfaces&) {}, true},
      {"hole in the shape",
       [](ThreeSurfaces& t) {
         t.b_.SetShape(t.middle_, gfx::Region(gfx::Rect{0, 0, 10, 10}) - gfx::Region(gfx::Rect{4, 4, 6, 6}));
       },
       false},
      {"shape elsewhere keeps the point",
       [](ThreeSurfaces& t) {
         t.b_.SetShape(t.middle_, gfx::Region(gfx::Rect{4, 4, 6, 6}));
       },
       true},
      {"click-through", [](ThreeSurfaces& t) { t.b_.SetClickThrough(t.middle_, true); }, false},
      {"fully transparent pixel", [](ThreeSurfaces& t) { t.LayerMiddle(0); }, false},
      {"nearly transparent pixel", [](ThreeSurfaces& t) { t.LayerMiddle(2); }, true},
      {"constant alpha 0", [](ThreeSurfaces& t) { t.b_.SetConstantAlpha(t.middle_, 0); }, false},
      {"minimised", [](ThreeSurfaces& t) { t.b_.Minimize(t.middle_); }, false},
      {"hidden", [](ThreeSurfaces& t) { t.b_.Hide(t.middle_); }, false},
      {"moved away",
       [](ThreeSurfaces& t) {
         t.b_.SetBounds(t.middle_, {40, 40, 50, 50});
       },
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ThreeSurfaces t;
    c.change(t);
    const SurfaceId expected = c.middleTakes ? t.middle_ : t.low_;
    EXPECT_EQ(t.b_.SurfaceBelow(kAt, t.top_), expected);
    // The top surface itself is never the answer, even where it takes the mouse.
    EXPECT_EQ(t.b_.SurfaceAt(kAt), t.top_);
  }
}

TEST_F(HeadlessSurfaceBelow, WalksDownTheStackingOrder) {
  EXPECT_EQ(b_.SurfaceBelow(kAt, top_), middle_);
  EXPECT_EQ(b_.SurfaceBelow(kAt, middle_), low_);
  EXPECT_EQ(b_.SurfaceBelow(kAt, low_), kNoSurface);
  EXPECT_EQ(b_.SurfaceBelow({25, 25}, top_), low_);  // beside the middle surface
  EXPECT_EQ(b_.SurfaceBelow({50, 40}, top_), kNoSurface);
  // Without a surface to start below: the same as SurfaceAt.
  EXPECT_EQ(b_.SurfaceBelow(kAt, kNoSurface), top_);
  b_.Raise(low_);
  EXPECT_EQ(b_.SurfaceBelow(kAt, low_), top_);
  EXPECT_EQ(b_.SurfaceBelow(kAt, top_), middle_);
}

TEST_F(HeadlessSurfaceBelow, StartsBelowSurfacesThatAreNotAtThePoint) {
  // A topmost surface elsewhere, and a hidden one: both still have a place
  // in the stacking order to start from.
  const SurfaceId away = SolidSurface(b_, {40, 0, 50, 10}, kRed);
  b_.SetTopmost(away, true);
  EXPECT_EQ(b_.SurfaceBelow(kAt, away), top_);
  b_.Hide(top_);
  EXPECT_EQ(b_.SurfaceBelow(kAt, top_), middle_);
  EXPECT_EQ(b_.SurfaceAt(kAt), middle_);
}

TEST_F(HeadlessSurfaceBelow, UnknownSurfaceThrows) {
  EXPECT_THROW(b_.SurfaceBelow(kAt, 999), std::invalid_argument);
  b_.DestroySurface(middle_);
  EXPECT_THROW(b_.SurfaceBelow(kAt, middle_), std::invalid_argument);
  EXPECT_EQ(b_.SurfaceBelow(kAt, top_), low_);
}

}  // namespace
}  // namespace backend
