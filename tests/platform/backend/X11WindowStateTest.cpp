// Minimising X11 windows, on a bare server (the backend unmaps the window
// itself) and under a window manager (iconified by it, and noticed when the
// manager iconifies or restores on its own).
#include "tests/platform/backend/X11TestSupport.h"

// After GoogleTest, which has names that Xlib defines as macros (Bool).
#include "tests/platform/backend/FakeWindowManager.h"

namespace backend {
namespace {

using testing::FakeWindowManager;
using testing::Property;
using testing::X11Plain;

constexpr gfx::Color kRed = gfx::RGB(255, 0, 0);

class X11WindowState : public X11Plain {
 protected:
  bool Viewable(SurfaceId id) {
    XWindowAttributes a;
    return XGetWindowAttributes(probe_.get(), backend_->WindowOf(id), &a) && a.map_state == IsViewable;
  }
  // ICCCM WM_STATE: 1 normal, 3 iconic; 0 when absent.
  long WmState(SurfaceId id) {
    const auto state = Property<long>(probe_.get(), backend_->WindowOf(id), "WM_STATE");
    return state.empty() ? 0 : state[0];
  }
  // "min" / "restore" for each state change of `id` seen so far (after
  // letting the backend handle what is pending).
  std::string StateChanges(SurfaceId id) {
    Settle();
    std::string out;
    for (const Event& e : seen_) {
      if (e.Type != EventType::WindowStateChanged || e.Surface != id) continue;
      if (!out.empty()) out += ' ';
      out += e.Minimized ? "min" : "restore";
    }
    seen_.clear();
    return out;
  }
};

TEST_F(X11WindowState, WithoutAWindowManagerMinimiseUnmaps) {
  const SurfaceId id = Solid({100, 100, 200, 200}, kRed);
  seen_.clear();
  backend_->Minimize(id);
  EXPECT_TRUE(backend_->IsMinimized(id));
  EXPECT_TRUE(backend_->IsVisible(id));
  EXPECT_EQ(StateChanges(id), "min");  // once, though the server confirms the unmap
  EXPECT_FALSE(Viewable(id));
  EXPECT_EQ(ScreenPixel(150, 150), 0u);
  EXPECT_EQ(backend_->SurfaceAt({150, 150}), kNoSurface);

  backend_->Show(id, false);
  EXPECT_FALSE(backend_->IsMinimized(id));
  EXPECT_EQ(StateChanges(id), "restore");
  EXPECT_TRUE(Viewable(id));
  EXPECT_EQ(ScreenPixel(150, 150), 0xFF0000u);

  // The server's news of the map that came first is no restore.
  backend_->Hide(id);
  StateChanges(id);
  backend_->Show(id, false);
  backend_->Minimize(id);
  EXPECT_EQ(StateChanges(id), "min");
  EXPECT_TRUE(backend_->IsMinimized(id));
  EXPECT_FALSE(Viewable(id));
}

TEST_F(X11WindowState, TheWindowManagerIconifiesOnRequest) {
  auto wm = FakeWindowManager::Start(server_->DisplayName());
  ASSERT_TRUE(wm);
  const SurfaceId id = Solid({100, 100, 200, 200}, kRed);
  ASSERT_TRUE(Eventually([&] { return WmState(id) == NormalState; }));
  seen_.clear();

  backend_->Minimize(id);
  EXPECT_TRUE(backend_->IsMinimized(id));
  ASSERT_TRUE(Eventually([&] { return WmState(id) == IconicState; }));
  EXPECT_FALSE(Viewable(id));
  EXPECT_EQ(StateChanges(id), "min");
  bool asked = false;
  for (const auto& m : wm->Messages())
    asked |= m.Target == backend_->WindowOf(id) &&
             m.Type == XInternAtom(probe_.get(), "WM_CHANGE_STATE", False) && m.Data[0] == IconicState;
  EXPECT_TRUE(asked);

  backend_->Show(id, false);
  EXPECT_FALSE(backend_->IsMinimized(id));
  ASSERT_TRUE(Eventually([&] { return WmState(id) == NormalState && Viewable(id); }));
  EXPECT_EQ(StateChanges(id), "restore");
}

TEST_F(X11WindowState, ChangesByTheWindowManagerAreReported) {
  auto wm = FakeWindowManager::Start(server_->DisplayName());
  ASSERT_TRUE(wm);
  const SurfaceId id = Solid({100, 100, 200, 200}, kRed);
  ASSERT_TRUE(Eventually([&] { return WmState(id) == NormalState; }));
  seen_.clear();

  wm->Iconify(backend_->WindowOf(id));  // the task bar's minimise
  ASSERT_TRUE(Eventually([&] { return backend_->IsMinimized(id); }));
  EXPECT_EQ(StateChanges(id), "min");
  wm->Restore(backend_->WindowOf(id));
  ASSERT_TRUE(Eventually([&] { return !backend_->IsMinimized(id); }));
  EXPECT_EQ(StateChanges(id), "restore");
  EXPECT_TRUE(backend_->IsVisible(id));
}

TEST_F(X11WindowState, AHiddenWindowIsMappedIconic) {
  auto wm = FakeWindowManager::Start(server_->DisplayName());
  ASSERT_TRUE(wm);
  SurfaceOptions o;
  o.Bounds = {100, 100, 200, 200};
  const SurfaceId id = backend_->CreateSurface(o);
  backend_->Minimize(id);
  EXPECT_TRUE(backend_->IsVisible(id));
  ASSERT_TRUE(Eventually([&] { return WmState(id) == IconicState; }));
  EXPECT_FALSE(Viewable(id));
  EXPECT_EQ(StateChanges(id), "min");

  backend_->Show(id, false);
  ASSERT_TRUE(Eventually([&] { return Viewable(id); }));
  EXPECT_EQ(StateChanges(id), "restore");
  // Hidden and shown again later, the window is not iconic any more.
  backend_->Hide(id);
  Settle();
  backend_->Show(id, false);
  ASSERT_TRUE(Eventually([&] { return Viewable(id); }));
  EXPECT_EQ(StateChanges(id), "");
}

}  // namespace
}  // namespace backend
