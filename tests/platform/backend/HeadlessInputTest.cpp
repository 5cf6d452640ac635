// Injected input: routing to the surface under the point, grabs, capture,
// leave reports, focus and keys.
#include <gtest/gtest.h>

#include "tests/platform/backend/HeadlessTestSupport.h"

namespace backend {
namespace {

using testing::Drain;
using testing::ScreenOf;
using testing::SolidSurface;

// Compact "type@surface" trace of an event list, for readable expectations.
std::string Trace(const std::vector<Event>& events) {
  std::string out;
  for (const Event& e : events) {
    static const char* const names[] = {"move",    "down",      "up",      "wheel",    "leave",
                                        "keydown", "keyup",     "focusin", "focusout", "close",
                                        "expose",  "configure", "state"};
    if (!out.empty()) out += ' ';
    out += names[static_cast<int>(e.Type)];
    out += '@' + std::to_string(e.Surface);
  }
  return out;
}

class HeadlessInput : public ::testing::Test {
 protected:
  HeadlessBackend b{ScreenOf({100, 100})};
  // Two overlapping surfaces: A at (0,0)-(50,50), B on top at (40,40)-(90,90).
  SurfaceId a = SolidSurface(b, {0, 0, 50, 50}, gfx::RGB(255, 0, 0));
  SurfaceId bb = SolidSurface(b, {40, 40, 90, 90}, gfx::RGB(0, 0, 255));
};

TEST_F(HeadlessInput, ClickGoesToTheTopSurfaceUnderThePoint) {
  b.InjectClick({45, 45});
  const auto events = Drain(b);
  EXPECT_EQ(Trace(events), "move@2 focusin@2 down@2 up@2");
  EXPECT_EQ(events[2].Screen, (gfx::Point{45, 45}));
  EXPECT_EQ(events[2].Button, MouseButton::Left);
  EXPECT_EQ(events[2].Modifiers, kModLeftButton);
  EXPECT_EQ(events[3].Modifiers, 0u);
  EXPECT_EQ(b.FocusedSurface(), bb);
}

TEST_F(HeadlessInput, ClickRaisesAndFocusesALowerSurface) {
  b.InjectClick({10, 10});
  EXPECT_EQ(Trace(Drain(b)), "move@1 focusin@1 down@1 up@1");
  EXPECT_EQ(b.StackingOrder().back(), a);
  b.InjectClick({45, 45});  // now A is on top there
  EXPECT_EQ(Trace(Drain(b)), "move@1 down@1 up@1");
}

TEST_F(HeadlessInput, PressOnTheDesktopTakesTheFocusAway) {
  b.Activate(a);
  Drain(b);
  b.InjectClick({95, 5});
  EXPECT_EQ(Trace(Drain(b)), "focusout@1");
  EXPECT_EQ(b.FocusedSurface(), kNoSurface);
}

TEST_F(HeadlessInput, InputPassesThroughClickThroughHiddenAndTransparentPixels) {
  struct Case {
    const char* name;
    void (*setup)(HeadlessBackend&, SurfaceId top);
  };
  const Case cases[] = {
      {"click-through",
       [](HeadlessBackend& b, SurfaceId top) {
         b.DestroySurface(top);
         SurfaceOptions o;
         o.Bounds = {40, 40, 90, 90};
         o.ClickThrough = true;
         b.Show(b.CreateSurface(o), false);
       }},
      {"transparent layered pixel",
       [](HeadlessBackend& b, SurfaceId top) {
         b.UpdateLayered(top, gfx::NewBitmap32(50, 50), {40, 40}, {50, 50}, 255);
       }},
      {"hidden", [](HeadlessBackend& b, SurfaceId top) { b.Hide(top); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    HeadlessBackend hb(ScreenOf({100, 100}));
    const SurfaceId below = SolidSurface(hb, {0, 0, 50, 50}, 0);
    const SurfaceId top = SolidSurface(hb, {40, 40, 90, 90}, 0);
    c.setup(hb, top);
    hb.InjectMouseDown({45, 45});
    const auto events = Drain(hb);
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.back().Type, EventType::MouseDown);
    EXPECT_EQ(events.back().Surface, below);
  }
}

TEST_F(HeadlessInput, ImplicitGrabKeepsEventsOnThePressedSurface) {
  b.InjectMouseDown({10, 10});
  b.InjectMouseMove({60, 60});  // over B, but A holds the grab
  b.InjectMouseUp({70, 70});
  b.InjectMouseMove({71, 71});
  const auto events = Drain(b);
  EXPECT_EQ(Trace(events), "move@1 focusin@1 down@1 move@1 move@1 up@1 leave@1 move@2");
  EXPECT_EQ(events[3].Screen, (gfx::Point{60, 60}));
  EXPECT_EQ(events[3].Modifiers, kModLeftButton);
}

TEST_F(HeadlessInput, GrabLastsUntilEveryButtonIsUp) {
  b.InjectMouseDown({10, 10}, MouseButton::Left);
  b.InjectMouseDown({60, 60}, MouseButton::Right);
  b.InjectMouseUp({60, 60}, MouseButton::Left);
  b.InjectMouseUp({60, 60}, MouseButton::Right);
  const auto events = Drain(b);
  EXPECT_EQ(Trace(events), "move@1 focusin@1 down@1 move@1 down@1 up@1 up@1 leave@1");
  EXPECT_EQ(events[4].Modifiers, kModLeftButton | kModRightButton);
  EXPECT_EQ(events[5].Modifiers, kModRightButton);
}

TEST_F(HeadlessInput, CaptureTakesEveryMouseEventUntilReleased) {
  b.InjectMouseMove({10, 10});
  b.SetCapture(bb);
  b.InjectMouseMove({5, 5});
  b.InjectClick({95, 95});  // over the desktop: still the capture's
  b.InjectMouseWheel({6, 6}, -kWheelDelta);
  EXPECT_EQ(b.Capture(), bb);
  b.ReleaseCapture();
  b.InjectMouseMove({7, 7});
  const auto events = Drain(b);
  EXPECT_EQ(Trace(events), "move@1 leave@1 move@2 move@2 down@2 up@2 move@2 wheel@2 leave@2 move@1");
  EXPECT_EQ(events[7].WheelDelta, -kWheelDelta);
  EXPECT_EQ(b.FocusedSurface(), kNoSurface);  // presses under a capture do not move the focus
}

TEST_F(HeadlessInput, MovingBetweenSurfacesReportsLeave) {
  b.InjectMouseMove({10, 10});
  b.InjectMouseMove({60, 60});
  b.InjectMouseMove({95, 5});
  b.InjectMouseMove({96, 5});
  EXPECT_EQ(Trace(Drain(b)), "move@1 leave@1 move@2 leave@2");
  EXPECT_EQ(b.PointerPosition(), (gfx::Point{96, 5}));
}

TEST_F(HeadlessInput, PopupsAndNoActivateSurfacesDoNotTakeFocus) {
  b.Activate(a);
  Drain(b);
  SurfaceOptions o;
  o.Kind = SurfaceKind::Popup;
  o.Bounds = {0, 60, 20, 80};
  const SurfaceId menu = b.CreateSurface(o);
  b.Show(menu, true);
  o.Kind = SurfaceKind::Auxiliary;
  o.NoActivate = true;
  o.Bounds = {60, 0, 80, 20};
  const SurfaceId overlay = b.CreateSurface(o);
  b.Show(overlay, false);
  b.InjectClick({5, 65});
  b.InjectClick({65, 5});
  b.Activate(overlay);
  EXPECT_EQ(Trace(Drain(b)), "move@3 down@3 up@3 leave@3 move@4 down@4 up@4");
  EXPECT_EQ(b.FocusedSurface(), a);
}

TEST_F(HeadlessInput, KeysGoToTheFocusedSurfaceWithModifiersAndText) {
  b.InjectKey(VK_A);  // no focus yet: dropped
  EXPECT_TRUE(Drain(b).empty());
  b.Activate(a);
  Drain(b);
  b.InjectKeyDown(VK_SHIFT);
  b.InjectKey(VK_A);
  b.InjectKeyUp(VK_SHIFT);
  b.InjectKeyDown(VK_CONTROL);
  b.InjectKey('N');
  b.InjectKeyUp(VK_CONTROL);
  b.InjectKeyDown(VK_RETURN, std::nullopt, true);
  b.InjectKeyDown(VK_F10, "x");
  const auto e = Drain(b);
  ASSERT_EQ(e.size(), 10u);
  EXPECT_EQ(e[0].Key, VK_SHIFT);
  EXPECT_EQ(e[0].Modifiers, kModShift);
  EXPECT_EQ(e[1].Text, "A");
  EXPECT_EQ(e[1].Modifiers, kModShift);
  EXPECT_EQ(e[3].Type, EventType::KeyUp);
  EXPECT_EQ(e[3].Modifiers, 0u);
  EXPECT_EQ(e[5].Key, 'N');
  EXPECT_EQ(e[5].Text, "\x0e");
  EXPECT_EQ(e[5].Modifiers, kModControl);
  EXPECT_EQ(e[8].Text, "\r");
  EXPECT_TRUE(e[8].Repeat);
  EXPECT_EQ(e[9].Text, "x");
  for (const Event& ev : e) EXPECT_EQ(ev.Surface, a);
}

TEST(HeadlessKeyText, WhatAKeyTypes) {
  struct Case {
    int key;
    std::uint32_t mods;
    const char* text;
  };
  const Case cases[] = {
      {VK_A, 0, "a"},
      {VK_Z, kModShift, "Z"},
      {'5', 0, "5"},
      {VK_SPACE, 0, " "},
      {VK_TAB, 0, "\t"},
      {VK_BACK, 0, "\b"},
      {VK_ESCAPE, 0, "\x1b"},
      {VK_NUMPAD0 + 7, 0, "7"},
      {VK_OEM_MINUS, kModShift, "_"},
      {VK_A, kModControl, "\x01"},
      {'5', kModControl, ""},
      {VK_F4, kModAlt, ""},
      {VK_A, kModAlt, "a"},
      {VK_A, kModAlt | kModShift, "A"},
      {VK_LEFT, 0, ""},
      {VK_SHIFT, kModShift, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    HeadlessBackend hb(ScreenOf({100, 100}));
    const SurfaceId s = SolidSurface(hb, {0, 0, 10, 10}, 0);
    hb.Activate(s);
    Drain(hb);
    if (c.mods & kModShift) hb.InjectKeyDown(VK_SHIFT);
    if (c.mods & kModControl) hb.InjectKeyDown(VK_CONTROL);
    if (c.mods & kModAlt) hb.InjectKeyDown(VK_MENU);
    Drain(hb);
    hb.InjectKeyDown(c.key);
    const auto e = Drain(hb);
    ASSERT_EQ(e.size(), 1u);
    EXPECT_EQ(e[0].Text, c.text);
  }
}

TEST_F(HeadlessInput, HidingOrDestroyingTheFocusedSurfaceReturnsFocusToItsOwner) {
  SurfaceOptions o;
  o.Kind = SurfaceKind::Dialog;
  o.Owner = a;
  o.Modal = true;
  o.Bounds = {20, 20, 30, 30};
  const SurfaceId dialog = b.CreateSurface(o);
  b.Show(dialog, true);
  b.InjectMouseMove({25, 25});
  b.InjectMouseDown({25, 25});
  b.DestroySurface(dialog);
  b.InjectMouseUp({25, 25});  // the grab died with the surface: A is under the pointer now
  const auto events = Drain(b);
  // Everything addressed to the destroyed dialog is gone from the queue.
  EXPECT_EQ(Trace(events), "focusin@1 up@1");
  EXPECT_EQ(b.FocusedSurface(), a);
  EXPECT_EQ(b.Capture(), kNoSurface);
  EXPECT_FALSE(b.Exists(dialog));
}

TEST_F(HeadlessInput, CloseRequestAndEventTimes) {
  b.AdvanceClock(250);
  b.InjectCloseRequest(a);
  b.InjectMouseMove({1, 1});
  const auto e = Drain(b);
  ASSERT_EQ(e.size(), 2u);
  EXPECT_EQ(e[0].Type, EventType::CloseRequest);
  EXPECT_EQ(e[0].Surface, a);
  EXPECT_EQ(e[0].Time, 250);
  EXPECT_EQ(e[1].Time, 250);
  EXPECT_THROW(b.InjectCloseRequest(99), std::invalid_argument);
}

}  // namespace
}  // namespace backend
