// Styles changed on live X11 windows: click-through through the input
// shape, no-activate through WM_HINTS, auxiliary through the window type and
// the skip-taskbar state (asked of a window manager while one manages the
// window).
#include <algorithm>

#include "tests/platform/backend/X11TestSupport.h"

// After GoogleTest, which has names that Xlib defines as macros (Bool).
#include "tests/platform/backend/FakeWindowManager.h"

// After the backend's X headers, which tidy up Xlib's macros.
#include <X11/extensions/XTest.h>

namespace backend {
namespace {

using testing::FakeWindowManager;
using testing::Property;
using testing::X11Composited;
using testing::X11Plain;

constexpr gfx::Color kRed = gfx::RGB(255, 0, 0);
constexpr gfx::Color kBlue = gfx::RGB(0, 0, 255);

// The rectangles of a window's input shape.
int InputRects(Display* d, Window w, int* right = nullptr) {
  int count = 0, ordering = 0;
  XRectangle* rects = XShapeGetRectangles(d, w, ShapeInput, &count, &ordering);
  if (right) {
    *right = 0;
    for (int i = 0; i < count; ++i) *right = std::max(*right, rects[i].x + rects[i].width);
  }
  if (rects) XFree(rects);
  return count;
}

class X11StylesPlain : public X11Plain {
 protected:
  // The surface that receives a click injected at `at`.
  SurfaceId ClickedAt(gfx::Point at) {
    Display* p = probe_.get();
    XTestFakeMotionEvent(p, 0, at.X, at.Y, CurrentTime);
    XTestFakeButtonEvent(p, 1, True, CurrentTime);
    XTestFakeButtonEvent(p, 1, False, CurrentTime);
    XSync(p, False);
    const auto down = WaitFor([](const Event& e) { return e.Type == EventType::MouseDown; });
    return down ? down->Surface : kNoSurface;
  }

  std::vector<long> Atoms(Window w, const char* property) {
    return Property<long>(probe_.get(), w, property);
  }
  long AtomOf(const char* name) { return static_cast<long>(XInternAtom(probe_.get(), name, False)); }
  bool HasAtom(Window w, const char* property, const char* name) {
    const auto atoms = Atoms(w, property);
    return std::find(atoms.begin(), atoms.end(), AtomOf(name)) != atoms.end();
  }
};

TEST_F(X11StylesPlain, ClickThroughPassesClicksToTheWindowBelow) {
  const SurfaceId lower = Solid({100, 100, 200, 200}, kRed);
  const SurfaceId upper = Solid({150, 150, 250, 250}, kBlue);
  const Window w = backend_->WindowOf(upper);

  backend_->SetClickThrough(upper, true);
  Settle();
  EXPECT_EQ(InputRects(probe_.get(), w), 0);
  EXPECT_EQ(ClickedAt({175, 175}), lower);
  EXPECT_EQ(ScreenPixel(175, 175), 0x0000FFu);  // still shown on top

  backend_->SetClickThrough(upper, false);
  Settle();
  EXPECT_EQ(InputRects(probe_.get(), w), 1);  // the whole window again
  EXPECT_EQ(ClickedAt({175, 175}), upper);
}

TEST_F(X11StylesPlain, NoActivateRefusesTheFocus) {
  const SurfaceId id = Solid({100, 100, 200, 200}, kRed);
  const Window w = backend_->WindowOf(id);
  auto inputHint = [&] {
    XWMHints* hints = XGetWMHints(probe_.get(), w);
    const bool input = hints && (hints->flags & InputHint) && hints->input;
    if (hints) XFree(hints);
    return input;
  };
  EXPECT_TRUE(inputHint());

  backend_->SetNoActivate(id, true);
  Settle();
  EXPECT_FALSE(inputHint());
  backend_->Activate(id);
  EXPECT_FALSE(WaitFor([](const Event& e) { return e.Type == EventType::FocusIn; }, 300));
  EXPECT_EQ(backend_->FocusedSurface(), kNoSurface);

  backend_->SetNoActivate(id, false);
  Settle();
  EXPECT_TRUE(inputHint());
  backend_->Activate(id);
  EXPECT_TRUE(WaitFor([id](const Event& e) { return e.Type == EventType::FocusIn && e.Surface == id; }));
}

TEST_F(X11StylesPlain, AuxiliaryTypeAndSkipTaskbar) {
  struct Case {
    const char* name;
    bool shown;
    bool windowManager;
  };
  for (const Case c : {Case{"hidden", false, false}, Case{"shown, no window manager", true, false},
                       Case{"shown, window manager", true, true}}) {
    SCOPED_TRACE(c.name);
    auto wm = c.windowManager ? FakeWindowManager::Start(server_->DisplayName()) : nullptr;
    ASSERT_EQ(wm != nullptr, c.windowManager);
    const SurfaceId id = c.shown ? Solid({10, 10, 60, 60}, kRed) : backend_->CreateSurface({});
    const Window w = backend_->WindowOf(id);

    backend_->SetAuxiliary(id, true);
    Settle();
    EXPECT_EQ(Atoms(w, "_NET_WM_WINDOW_TYPE"), std::vector<long>{AtomOf("_NET_WM_WINDOW_TYPE_UTILITY")});
    EXPECT_TRUE(Eventually([&] { return HasAtom(w, "_NET_WM_STATE", "_NET_WM_STATE_SKIP_TASKBAR"); }));
    EXPECT_TRUE(HasAtom(w, "_NET_WM_STATE", "_NET_WM_STATE_SKIP_PAGER"));

    backend_->SetAuxiliary(id, false);
    Settle();
    EXPECT_EQ(Atoms(w, "_NET_WM_WINDOW_TYPE"), std::vector<long>{AtomOf("_NET_WM_WINDOW_TYPE_NORMAL")});
    EXPECT_TRUE(Eventually([&] { return Atoms(w, "_NET_WM_STATE").empty(); }));

    if (wm) {
      // A managed window asks the window manager, as EWMH wants.
      std::vector<std::pair<long, long>> asked;  // (add/remove, state)
      for (const auto& m : wm->Messages())
        if (m.Target == w && m.Type == static_cast<Atom>(AtomOf("_NET_WM_STATE")))
          asked.emplace_back(m.Data[0], m.Data[1]);
      EXPECT_EQ(asked, (std::vector<std::pair<long, long>>{{1, AtomOf("_NET_WM_STATE_SKIP_TASKBAR")},
                                                           {1, AtomOf("_NET_WM_STATE_SKIP_PAGER")},
                                                           {0, AtomOf("_NET_WM_STATE_SKIP_TASKBAR")},
                                                           {0, AtomOf("_NET_WM_STATE_SKIP_PAGER")}}));
    }
    backend_->DestroySurface(id);
  }
}

TEST_F(X11Composited, ClearingClickThroughBringsBackTheAlphaInputShape) {
  const SurfaceId id = Solid({100, 100, 200, 200}, kRed);
  gfx::Bitmap picture = gfx::NewBitmap32(100, 100);
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 50; ++x) picture.SetPixelAt(x, y, 0xFF00FF00u);  // left half opaque
  backend_->UpdateLayered(id, picture, {100, 100}, {100, 100}, 255);
  backend_->SetClickThrough(id, true);
  Settle();
  const Window w = backend_->WindowOf(id);
  EXPECT_EQ(InputRects(probe_.get(), w), 0);
  backend_->UpdateLayered(id, picture, {100, 100}, {100, 100}, 255);  // stays click-through
  Settle();
  EXPECT_EQ(InputRects(probe_.get(), w), 0);

  backend_->SetClickThrough(id, false);
  Settle();
  int right = 0;
  EXPECT_GT(InputRects(probe_.get(), w, &right), 0);
  EXPECT_EQ(right, 50);
}

}  // namespace
}  // namespace backend
