// Owners and window-manager actions of headless surfaces: owners change at
// run time but never in a circle; a window-manager resize keeps the size of
// a surface that may not be resized.
#include <gtest/gtest.h>

#include <stdexcept>

#include "tests/platform/backend/HeadlessTestSupport.h"

namespace backend {
namespace {

using testing::Drain;
using testing::ScreenOf;
using testing::SolidSurface;

TEST(HeadlessOwner, OwnersChangeButNeverInACircle) {
  HeadlessBackend b{ScreenOf({200, 200})};
  const SurfaceId a = SolidSurface(b, {0, 0, 50, 50}, gfx::RGB(255, 0, 0));
  const SurfaceId c = SolidSurface(b, {0, 0, 50, 50}, gfx::RGB(0, 255, 0));
  const SurfaceId d = SolidSurface(b, {0, 0, 50, 50}, gfx::RGB(0, 0, 255));
  b.SetOwner(c, a);
  b.SetOwner(d, c);
  EXPECT_EQ(b.OptionsOf(d).Owner, c);
  EXPECT_THROW(b.SetOwner(a, d), std::invalid_argument);  // a -> d -> c -> a
  EXPECT_THROW(b.SetOwner(a, a), std::invalid_argument);
  EXPECT_THROW(b.SetOwner(a, 999), std::invalid_argument);
  EXPECT_EQ(b.OptionsOf(a).Owner, kNoSurface);
  b.SetOwner(d, kNoSurface);
  EXPECT_EQ(b.OptionsOf(d).Owner, kNoSurface);
  b.SetOwner(a, d);  // no circle any more
  EXPECT_EQ(b.OptionsOf(a).Owner, d);
}

TEST(HeadlessOwner, AWindowManagerResizeKeepsAFixedSize) {
  HeadlessBackend b{ScreenOf({300, 300})};
  const SurfaceId fixed = SolidSurface(b, {10, 10, 60, 60}, gfx::RGB(255, 0, 0));
  const SurfaceId sizeable = SolidSurface(b, {100, 10, 150, 60}, gfx::RGB(0, 255, 0));
  WindowActions can;
  can.Resize = false;
  b.SetActions(fixed, can);
  EXPECT_EQ(b.OptionsOf(fixed).Actions, can);
  Drain(b);

  b.InjectBounds(fixed, {20, 30, 300, 300});
  b.InjectBounds(sizeable, {100, 10, 300, 300});
  b.InjectBounds(fixed, {20, 30, 200, 200});  // a second size: still no change
  const std::vector<Event> events = Drain(b);
  ASSERT_EQ(events.size(), 2u) << "the fixed window moved once, the sizeable one was sized";
  EXPECT_EQ(events[0].Surface, fixed);
  EXPECT_EQ(events[0].Rect, (gfx::Rect{20, 30, 70, 80}));
  EXPECT_EQ(events[1].Surface, sizeable);
  EXPECT_EQ(events[1].Rect, (gfx::Rect{100, 10, 300, 300}));
  EXPECT_EQ(b.Bounds(fixed), (gfx::Rect{20, 30, 70, 80}));
}

}  // namespace
}  // namespace backend
