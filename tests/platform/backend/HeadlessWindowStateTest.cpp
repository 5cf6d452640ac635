// Minimised surfaces: hidden from the screen and from input until shown
// again, with every change reported as WindowStateChanged.
#include <gtest/gtest.h>

#include "tests/platform/backend/HeadlessTestSupport.h"

namespace backend {
namespace {

using testing::Drain;
using testing::ScreenOf;
using testing::SolidSurface;

constexpr gfx::Color kRed = gfx::RGB(255, 0, 0);
constexpr gfx::Color kBlue = gfx::RGB(0, 0, 255);

class HeadlessWindowState : public ::testing::Test {
 protected:
  HeadlessBackend b{ScreenOf({100, 100})};
  SurfaceId lower = SolidSurface(b, {0, 0, 50, 50}, kRed);
  SurfaceId upper = SolidSurface(b, {20, 20, 70, 70}, kBlue);

  // "min@id" / "restore@id" for each state change, other events left out.
  std::string StateChanges() {
    std::string out;
    for (const Event& e : Drain(b)) {
      if (e.Type != EventType::WindowStateChanged) continue;
      if (!out.empty()) out += ' ';
      out += (e.Minimized ? "min@" : "restore@") + std::to_string(e.Surface);
    }
    return out;
  }
};

TEST_F(HeadlessWindowState, MinimisedSurfaceLeavesScreenInputAndFocus) {
  b.Activate(upper);
  Drain(b);
  b.Minimize(upper);
  EXPECT_TRUE(b.IsMinimized(upper));
  EXPECT_TRUE(b.IsVisible(upper));
  EXPECT_EQ(b.FocusedSurface(), kNoSurface);
  EXPECT_EQ(StateChanges(), "min@2");
  EXPECT_EQ(b.ScreenPixel({30, 30}), kRed);
  EXPECT_EQ(b.SurfaceAt({30, 30}), lower);
  b.Activate(upper);
  EXPECT_EQ(b.FocusedSurface(), kNoSurface);
  b.Minimize(upper);  // already minimised: no news
  EXPECT_EQ(StateChanges(), "");

  b.Show(upper, true);
  EXPECT_FALSE(b.IsMinimized(upper));
  EXPECT_EQ(StateChanges(), "restore@2");
  EXPECT_EQ(b.ScreenPixel({30, 30}), kBlue);
  EXPECT_EQ(b.FocusedSurface(), upper);
}

TEST_F(HeadlessWindowState, AMinimisedSurfaceTakesNoMouseInput) {
  b.InjectMouseMove({60, 60});
  Drain(b);
  b.Minimize(upper);
  const auto events = Drain(b);
  ASSERT_FALSE(events.empty());
  EXPECT_EQ(events.front().Type, EventType::MouseLeave);  // the pointer was over it
  b.InjectClick({60, 60});
  for (const Event& e : Drain(b)) EXPECT_NE(e.Surface, upper);
}

TEST_F(HeadlessWindowState, HiddenSurfacesAndTheMinimisedState) {
  // Minimising a hidden surface shows it minimised.
  b.Hide(upper);
  b.Minimize(upper);
  EXPECT_TRUE(b.IsVisible(upper));
  EXPECT_TRUE(b.IsMinimized(upper));
  // Hiding keeps the state; showing restores.
  b.Hide(upper);
  EXPECT_TRUE(b.IsMinimized(upper));
  EXPECT_EQ(StateChanges(), "min@2");
  b.Show(upper, false);
  EXPECT_FALSE(b.IsMinimized(upper));
  EXPECT_EQ(StateChanges(), "restore@2");
  b.Show(upper, false);
  EXPECT_EQ(StateChanges(), "");
}

TEST_F(HeadlessWindowState, WindowManagerMinimisesAndRestores) {
  b.InjectWindowState(lower, true);
  EXPECT_TRUE(b.IsMinimized(lower));
  b.InjectWindowState(lower, true);
  b.InjectWindowState(lower, false);
  EXPECT_FALSE(b.IsMinimized(lower));
  EXPECT_EQ(StateChanges(), "min@1 restore@1");
  // Only shown surfaces have a state a window manager could change.
  b.Hide(lower);
  b.InjectWindowState(lower, true);
  EXPECT_FALSE(b.IsMinimized(lower));
  EXPECT_EQ(StateChanges(), "");
  EXPECT_THROW(b.Minimize(99), std::invalid_argument);
  EXPECT_THROW(b.IsMinimized(99), std::invalid_argument);
}

}  // namespace
}  // namespace backend
