// Styles changed on live surfaces: click-through, no-activate and the
// auxiliary kind take effect at once.
#include <gtest/gtest.h>

#include "tests/platform/backend/HeadlessTestSupport.h"

namespace backend {
namespace {

using testing::Drain;
using testing::ScreenOf;
using testing::SolidSurface;

class HeadlessStyles : public ::testing::Test {
 protected:
  HeadlessBackend b{ScreenOf({100, 100})};
  // Two overlapping surfaces: `lower` at (0,0)-(50,50), `upper` on top at (40,40)-(90,90).
  SurfaceId lower = SolidSurface(b, {0, 0, 50, 50}, gfx::RGB(255, 0, 0));
  SurfaceId upper = SolidSurface(b, {40, 40, 90, 90}, gfx::RGB(0, 0, 255));

  // The surface that receives a press at `at`.
  SurfaceId PressedAt(gfx::Point at) {
    b.InjectClick(at);
    SurfaceId pressed = kNoSurface;
    for (const Event& e : Drain(b))
      if (e.Type == EventType::MouseDown) pressed = e.Surface;
    return pressed;
  }
};

TEST_F(HeadlessStyles, ClickThroughPassesMouseInputBelowUntilCleared) {
  b.SetNoActivate(lower, true);  // presses must not raise it
  b.SetClickThrough(upper, true);
  EXPECT_EQ(b.SurfaceAt({45, 45}), lower);
  EXPECT_EQ(PressedAt({45, 45}), lower);
  EXPECT_EQ(PressedAt({80, 80}), kNoSurface);               // nothing below but the desktop
  EXPECT_EQ(b.ScreenPixel({45, 45}), gfx::RGB(0, 0, 255));  // still drawn on top

  b.SetClickThrough(upper, false);
  EXPECT_EQ(b.SurfaceAt({45, 45}), upper);
  EXPECT_EQ(PressedAt({45, 45}), upper);
}

TEST_F(HeadlessStyles, NoActivateRefusesNewFocusButKeepsTheCurrentOne) {
  b.Activate(upper);
  b.SetNoActivate(upper, true);
  EXPECT_EQ(b.FocusedSurface(), upper);  // kept

  b.SetNoActivate(lower, true);
  b.Activate(lower);
  EXPECT_EQ(b.FocusedSurface(), upper);
  EXPECT_EQ(PressedAt({10, 10}), lower);       // the press arrives ...
  EXPECT_EQ(b.FocusedSurface(), upper);        // ... but neither focuses ...
  EXPECT_EQ(b.StackingOrder().back(), upper);  // ... nor raises

  b.SetNoActivate(lower, false);
  b.Activate(lower);
  EXPECT_EQ(b.FocusedSurface(), lower);
}

TEST_F(HeadlessStyles, OnlyNormalAndAuxiliarySwitchKinds) {
  b.SetAuxiliary(upper, true);
  EXPECT_EQ(b.OptionsOf(upper).Kind, SurfaceKind::Auxiliary);
  b.SetAuxiliary(upper, false);
  EXPECT_EQ(b.OptionsOf(upper).Kind, SurfaceKind::Normal);

  for (const SurfaceKind kind : {SurfaceKind::Popup, SurfaceKind::Dialog}) {
    SurfaceOptions o;
    o.Kind = kind;
    o.Bounds = {0, 0, 10, 10};
    const SurfaceId id = b.CreateSurface(o);
    b.SetAuxiliary(id, true);
    EXPECT_EQ(b.OptionsOf(id).Kind, kind);
  }
}

TEST_F(HeadlessStyles, UnknownSurfacesThrow) {
  EXPECT_THROW(b.SetNoActivate(99, true), std::invalid_argument);
  EXPECT_THROW(b.SetClickThrough(99, true), std::invalid_argument);
  EXPECT_THROW(b.SetAuxiliary(99, true), std::invalid_argument);
}

}  // namespace
}  // namespace backend
