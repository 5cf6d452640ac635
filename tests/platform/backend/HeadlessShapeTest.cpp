// Window shapes on the virtual screen: pixels, hits and surface images.
#include <gtest/gtest.h>

#include "tests/platform/backend/HeadlessTestSupport.h"

namespace backend {
namespace {

using testing::Drain;
using testing::SolidSurface;

constexpr gfx::Color kRed = gfx::RGB(255, 0, 0);
constexpr gfx::Color kBlue = gfx::RGB(0, 0, 255);

HeadlessOptions Small() { return testing::ScreenOf({64, 48}, gfx::RGB(255, 255, 255)); }

TEST(HeadlessShape, RegionLimitsPixelsAndHits) {
  HeadlessBackend b(Small());
  const SurfaceId below = SolidSurface(b, {0, 0, 40, 40}, kBlue);
  const SurfaceId top = SolidSurface(b, {10, 10, 30, 30}, kRed);
  // The top surface keeps its rectangle minus a 4x4 hole at local (8,8).
  b.SetShape(top, gfx::Region(gfx::Rect{0, 0, 20, 20}) - gfx::Region(gfx::Rect{8, 8, 12, 12}));
  EXPECT_EQ(b.ScreenPixel({12, 12}), kRed);
  EXPECT_EQ(b.ScreenPixel({19, 19}), kBlue);  // in the hole
  EXPECT_EQ(b.SurfaceAt({12, 12}), top);
  EXPECT_EQ(b.SurfaceAt({19, 19}), below);

  b.SetShape(top, gfx::Region());  // empty: nothing shows
  EXPECT_EQ(b.ScreenPixel({12, 12}), kBlue);
  EXPECT_EQ(b.SurfaceAt({12, 12}), below);

  b.ClearShape(top);
  EXPECT_EQ(b.ScreenPixel({19, 19}), kRed);
  EXPECT_FALSE(b.HasShape(top));
}

TEST(HeadlessShape, SurfaceImageCutsTheShape) {
  HeadlessBackend b(Small());
  const SurfaceId s = SolidSurface(b, {0, 0, 4, 4}, kRed);
  b.SetShape(s, gfx::Region(gfx::Rect{0, 0, 2, 4}));
  b.SetConstantAlpha(s, 128);
  const gfx::Bitmap image = b.SurfaceImage(s);
  EXPECT_EQ(image.PixelAt(1, 1), kRed | 0x80000000u);
  EXPECT_EQ(image.PixelAt(2, 1) >> 24, 0u);
}

TEST(HeadlessShape, PressesInAHoleGoToTheSurfaceBelow) {
  HeadlessBackend b(Small());
  const SurfaceId below = SolidSurface(b, {0, 0, 50, 40}, kBlue);
  const SurfaceId top = SolidSurface(b, {20, 20, 60, 40}, kRed);
  b.SetShape(top, gfx::Region(gfx::Rect{10, 10, 40, 20}));
  b.InjectMouseDown({25, 25});
  auto events = Drain(b);
  ASSERT_FALSE(events.empty());
  EXPECT_EQ(events.back().Type, EventType::MouseDown);
  EXPECT_EQ(events.back().Surface, below);
  b.InjectMouseUp({25, 25});
  b.InjectMouseDown({55, 35});  // inside the shape, beside the (now raised) surface below
  events = Drain(b);
  ASSERT_FALSE(events.empty());
  EXPECT_EQ(events.back().Surface, top);
}

}  // namespace
}  // namespace backend
