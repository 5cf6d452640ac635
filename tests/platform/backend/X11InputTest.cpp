// The X11 backend under Xvfb: mouse and keys injected through XTEST, capture,
// focus, and waiting for events, deadlines and wake-ups.
#include <cstdlib>
#include <thread>

#include "tests/platform/backend/X11TestSupport.h"

// After the backend's X headers, which tidy up Xlib's macros.
#include <X11/extensions/XTest.h>

namespace backend {
namespace {

using testing::X11Plain;

constexpr gfx::Color kRed = gfx::RGB(255, 0, 0);
constexpr gfx::Color kGreen = gfx::RGB(0, 255, 0);
constexpr gfx::Color kBlue = gfx::RGB(0, 0, 255);

bool IsMouse(const Event& e, EventType type, SurfaceId id) { return e.Type == type && e.Surface == id; }

TEST_F(X11Plain, XTestClickReachesTheSurfaceUnderThePointer) {
  const SurfaceId a = Solid({100, 100, 200, 200}, kRed);
  const SurfaceId b = Solid({300, 100, 400, 200}, kBlue);
  Display* p = probe_.get();
  XTestFakeMotionEvent(p, 0, 150, 160, CurrentTime);
  XTestFakeButtonEvent(p, 1, True, CurrentTime);
  XTestFakeButtonEvent(p, 1, False, CurrentTime);
  XSync(p, False);
  const auto down = WaitFor([a](const Event& e) { return IsMouse(e, EventType::MouseDown, a); });
  ASSERT_TRUE(down);
  EXPECT_EQ(down->Screen, (gfx::Point{150, 160}));
  EXPECT_EQ(down->Button, MouseButton::Left);
  EXPECT_EQ(down->Modifiers & kModLeftButton, kModLeftButton);
  const auto up = WaitFor([a](const Event& e) { return IsMouse(e, EventType::MouseUp, a); });
  ASSERT_TRUE(up);
  EXPECT_EQ(up->Modifiers & kModLeftButton, 0u);
  EXPECT_EQ(backend_->PointerPosition(), (gfx::Point{150, 160}));
  EXPECT_EQ(backend_->SurfaceAt({350, 150}), b);

  // Moving over to the other surface reports leaving the first one.
  XTestFakeMotionEvent(p, 0, 350, 150, CurrentTime);
  XSync(p, False);
  EXPECT_TRUE(WaitFor([a](const Event& e) { return IsMouse(e, EventType::MouseLeave, a); }));
  EXPECT_TRUE(WaitFor([b](const Event& e) { return IsMouse(e, EventType::MouseMove, b); }));

  XTestFakeButtonEvent(p, 4, True, CurrentTime);
  XTestFakeButtonEvent(p, 4, False, CurrentTime);
  XSync(p, False);
  const auto wheel = WaitFor([b](const Event& e) { return IsMouse(e, EventType::MouseWheel, b); });
  ASSERT_TRUE(wheel);
  EXPECT_EQ(wheel->WheelDelta, kWheelDelta);
}

TEST_F(X11Plain, CaptureTakesClicksElsewhere) {
  const SurfaceId a = Solid({100, 100, 200, 200}, kRed);
  Solid({300, 100, 400, 200}, kBlue);
  backend_->SetCapture(a);
  Settle();
  Display* p = probe_.get();
  XTestFakeMotionEvent(p, 0, 350, 150, CurrentTime);
  XTestFakeButtonEvent(p, 1, True, CurrentTime);
  XTestFakeButtonEvent(p, 1, False, CurrentTime);
  XSync(p, False);
  const auto down = WaitFor([](const Event& e) { return e.Type == EventType::MouseDown; });
  ASSERT_TRUE(down);
  EXPECT_EQ(down->Surface, a);
  EXPECT_EQ(down->Screen, (gfx::Point{350, 150}));
  backend_->ReleaseCapture();
  EXPECT_TRUE(WaitFor([a](const Event& e) { return IsMouse(e, EventType::MouseLeave, a); }));
}

TEST_F(X11Plain, KeysArriveWithVirtualKeyTextAndModifiers) {
  const SurfaceId a = Solid({100, 100, 200, 200}, kRed);
  backend_->Activate(a);
  ASSERT_TRUE(WaitFor([a](const Event& e) { return e.Type == EventType::FocusIn && e.Surface == a; }));
  EXPECT_EQ(backend_->FocusedSurface(), a);
  Display* p = probe_.get();
  const KeyCode keyA = XKeysymToKeycode(p, XK_a);
  const KeyCode shift = XKeysymToKeycode(p, XK_Shift_L);
  const KeyCode control = XKeysymToKeycode(p, XK_Control_L);
  const KeyCode f5 = XKeysymToKeycode(p, XK_F5);
  auto press = [p](KeyCode k, bool down) { XTestFakeKeyEvent(p, k, down ? True : False, CurrentTime); };
  press(keyA, true);
  press(keyA, false);
  press(shift, true);
  press(keyA, true);
  press(keyA, false);
  press(shift, false);
  press(control, true);
  press(keyA, true);
  press(keyA, false);
  press(control, false);
  press(f5, true);
  press(f5, false);
  const KeyCode alt = XKeysymToKeycode(p, XK_Alt_L);
  press(alt, true);
  press(keyA, true);
  press(keyA, false);
  press(alt, false);
  XSync(p, False);
  std::vector<Event> downs;
  while (downs.size() < 8) {
    const auto e = WaitFor([](const Event& ev) { return ev.Type == EventType::KeyDown; });
    ASSERT_TRUE(e) << "only " << downs.size() << " key presses arrived";
    downs.push_back(*e);
  }
  EXPECT_EQ(downs[0].Key, 'A');
  EXPECT_EQ(downs[0].Text, "a");
  EXPECT_EQ(downs[1].Key, VK_SHIFT);
  EXPECT_EQ(downs[1].Modifiers, kModShift);
  EXPECT_EQ(downs[2].Text, "A");
  EXPECT_EQ(downs[2].Modifiers, kModShift);
  EXPECT_EQ(downs[3].Key, VK_CONTROL);
  EXPECT_EQ(downs[4].Key, 'A');
  EXPECT_EQ(downs[4].Text, "\x01");
  EXPECT_EQ(downs[4].Modifiers, kModControl);
  EXPECT_EQ(downs[5].Key, VK_F5);
  EXPECT_EQ(downs[5].Text, "");
  // Alt keeps the typed text, for accelerators.
  EXPECT_EQ(downs[6].Key, VK_MENU);
  EXPECT_EQ(downs[7].Text, "a");
  EXPECT_EQ(downs[7].Modifiers, kModAlt);
  for (const Event& e : downs) {
    EXPECT_EQ(e.Surface, a);
    EXPECT_FALSE(e.Repeat);
  }
}

TEST_F(X11Plain, HidingAFocusedDialogGivesTheFocusBack) {
  const SurfaceId main = Solid({100, 100, 300, 300}, kRed);
  backend_->Activate(main);
  ASSERT_TRUE(WaitFor([main](const Event& e) { return e.Type == EventType::FocusIn && e.Surface == main; }));
  SurfaceOptions o;
  o.Kind = SurfaceKind::Dialog;
  o.Owner = main;
  o.Modal = true;
  o.Bounds = {150, 150, 250, 250};
  const SurfaceId dialog = backend_->CreateSurface(o);
  backend_->Show(dialog, true);
  ASSERT_TRUE(
      WaitFor([dialog](const Event& e) { return e.Type == EventType::FocusIn && e.Surface == dialog; }));
  backend_->Hide(dialog);
  ASSERT_TRUE(WaitFor([main](const Event& e) { return e.Type == EventType::FocusIn && e.Surface == main; }));
  EXPECT_EQ(backend_->FocusedSurface(), main);
}

TEST_F(X11Plain, WaitEndsAtTheDeadlineOrOnWake) {
  const std::int64_t start = backend_->NowMs();
  EXPECT_EQ(backend_->WaitEvent(start + 60), WaitResult::Deadline);
  EXPECT_GE(backend_->NowMs(), start + 60);
  EXPECT_EQ(backend_->WaitEvent(start), WaitResult::Deadline);  // already past

  std::thread worker([this] {
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    backend_->Wake();
  });
  EXPECT_EQ(backend_->WaitEvent(std::nullopt), WaitResult::Woken);
  worker.join();
  backend_->Wake();
  backend_->Wake();
  EXPECT_EQ(backend_->WaitEvent(std::nullopt), WaitResult::Woken);  // merged into one
  EXPECT_EQ(backend_->WaitEvent(backend_->NowMs() + 10), WaitResult::Deadline);
}

}  // namespace
}  // namespace backend
