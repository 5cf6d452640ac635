// The X11 backend under Xvfb: pixels read back from the server, input
// injected through XTEST, window-manager hints, waiting and wake-ups.
#include <cstdlib>
#include <thread>

#include "platform/backend/CreateBackend.h"
#include "tests/platform/backend/X11TestSupport.h"

// After the backend's X headers, which tidy up Xlib's macros.
#include <X11/extensions/XTest.h>

namespace backend {
namespace {

using testing::X11Composited;
using testing::X11Plain;

constexpr gfx::Color kRed = gfx::RGB(255, 0, 0);
constexpr gfx::Color kGreen = gfx::RGB(0, 255, 0);
constexpr gfx::Color kBlue = gfx::RGB(0, 0, 255);

bool IsMouse(const Event& e, EventType type, SurfaceId id) { return e.Type == type && e.Surface == id; }

TEST_F(X11Plain, NoCompositorMeansNoLayeredWindows) {
  EXPECT_FALSE(backend_->LayeredAvailable());
  EXPECT_EQ(backend_->Name(), "x11");
  EXPECT_EQ(backend_->ScreenSize(), (gfx::Size{800, 600}));
  EXPECT_EQ(backend_->ScreenDepth(), 24);
}

TEST_F(X11Plain, PresentedPixelsReachTheServerWithAndWithoutShm) {
  for (bool shm : {true, false}) {
    SCOPED_TRACE(shm ? "MIT-SHM" : "XPutImage");
    backend_ = std::make_unique<X11Backend>(server_->DisplayName(), shm);
    EXPECT_EQ(backend_->UsesShm(), shm);  // Xvfb is local: shared memory works
    const SurfaceId id = Solid({10, 20, 50, 50}, kRed);
    const Window w = backend_->WindowOf(id);
    gfx::Bitmap buffer = gfx::NewBitmap32(40, 30);
    for (int y = 0; y < 30; ++y)
      for (int x = 0; x < 40; ++x) buffer.SetPixelAt(x, y, (x < 20 ? kGreen : kBlue) | 0xFF000000u);
    // Only the dirty rectangle is copied.
    backend_->Present(id, buffer, {10, 0, 30, 10});
    Settle();
    EXPECT_EQ(PixelOf(w, 5, 5), 0xFF0000u);   // untouched: still red
    EXPECT_EQ(PixelOf(w, 12, 5), 0x00FF00u);  // green half of the rectangle
    EXPECT_EQ(PixelOf(w, 25, 5), 0x0000FFu);  // blue half
    EXPECT_EQ(PixelOf(w, 25, 15), 0xFF0000u);
    // Without a window manager the window sits where it was asked to.
    EXPECT_EQ(ScreenPixel(10 + 25, 20 + 5), 0x0000FFu);
    EXPECT_EQ(ScreenPixel(10 + 5, 20 + 5), 0xFF0000u);
  }
}

TEST_F(X11Plain, ExposedAreasAreRepairedFromRetainedPixels) {
  const SurfaceId id = Solid({100, 100, 160, 140}, kGreen);
  // A window covering ours and going away exposes it again.
  const Window cover =
      XCreateSimpleWindow(probe_.get(), DefaultRootWindow(probe_.get()), 90, 90, 100, 100, 0, 0, 0);
  XSetWindowAttributes a{};
  a.override_redirect = True;
  XChangeWindowAttributes(probe_.get(), cover, CWOverrideRedirect, &a);
  XMapRaised(probe_.get(), cover);
  XSync(probe_.get(), False);
  EXPECT_EQ(ScreenPixel(120, 120), 0u);
  XDestroyWindow(probe_.get(), cover);
  XSync(probe_.get(), False);
  const auto expose =
      WaitFor([id](const Event& e) { return e.Type == EventType::Expose && e.Surface == id; });
  ASSERT_TRUE(expose);
  Settle();
  EXPECT_EQ(ScreenPixel(120, 120), 0x00FF00u);
}

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
  XSync(p, False);
  std::vector<Event> downs;
  while (downs.size() < 6) {
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
  for (const Event& e : downs) {
    EXPECT_EQ(e.Surface, a);
    EXPECT_FALSE(e.Repeat);
  }
}

TEST_F(X11Plain, ShapesReachTheServer) {
  const SurfaceId id = Solid({100, 100, 140, 140}, kRed);
  const Window w = backend_->WindowOf(id);
  backend_->SetShape(id, gfx::Region::FromRects(std::vector<gfx::Rect>{{0, 0, 40, 10}, {0, 10, 10, 40}}));
  Settle();
  int count = 0, ordering = 0;
  XRectangle* rects = XShapeGetRectangles(probe_.get(), w, ShapeBounding, &count, &ordering);
  ASSERT_EQ(count, 2);
  EXPECT_EQ(rects[0].width, 40);
  EXPECT_EQ(rects[1].y, 10);
  EXPECT_EQ(rects[1].width, 10);
  XFree(rects);
  EXPECT_EQ(ScreenPixel(105, 125), 0xFF0000u);
  EXPECT_EQ(ScreenPixel(125, 125), 0u);  // the root shows through the cut-out
  EXPECT_EQ(backend_->SurfaceAt({125, 125}), kNoSurface);

  backend_->ClearShape(id);
  Settle();
  rects = XShapeGetRectangles(probe_.get(), w, ShapeBounding, &count, &ordering);
  ASSERT_EQ(count, 1);
  EXPECT_EQ(rects[0].width, 40);
  EXPECT_EQ(rects[0].height, 40);
  XFree(rects);
}

TEST_F(X11Plain, StackingFollowsTheModel) {
  const SurfaceId a = Solid({100, 100, 200, 200}, kRed);
  const SurfaceId b = Solid({150, 150, 250, 250}, kBlue);
  EXPECT_EQ(ScreenPixel(175, 175), 0x0000FFu);
  backend_->Raise(a);
  Settle();
  EXPECT_EQ(ScreenPixel(175, 175), 0xFF0000u);
  backend_->PlaceBelow(a, b);
  Settle();
  EXPECT_EQ(ScreenPixel(175, 175), 0x0000FFu);
  backend_->SetTopmost(a, true);
  backend_->Raise(b);  // a topmost surface stays above
  Settle();
  EXPECT_EQ(ScreenPixel(175, 175), 0xFF0000u);
  EXPECT_EQ(backend_->StackingOrder(), (std::vector<SurfaceId>{b, a}));
  backend_->PlaceAbove(b, a);
  Settle();
  EXPECT_EQ(ScreenPixel(175, 175), 0x0000FFu);
  EXPECT_TRUE(backend_->IsTopmost(b));
  backend_->Hide(b);
  Settle();
  EXPECT_EQ(ScreenPixel(175, 175), 0xFF0000u);
}

TEST_F(X11Plain, MoveAndResizeKeepPixels) {
  const SurfaceId id = Solid({100, 100, 140, 140}, kGreen);
  backend_->SetBounds(id, {300, 200, 360, 220});
  Settle();
  EXPECT_EQ(backend_->Bounds(id), (gfx::Rect{300, 200, 360, 220}));
  EXPECT_EQ(ScreenPixel(310, 210), 0x00FF00u);
  EXPECT_EQ(ScreenPixel(350, 210), 0u);  // new area: black
  EXPECT_EQ(ScreenPixel(110, 110), 0u);  // the old place is empty
  // The server's confirmation of our own request is no news to the toolkit.
  WaitFor([](const Event&) { return false; }, 200);
  for (const Event& ev : seen_) EXPECT_NE(ev.Type, EventType::Configure);
}

TEST_F(X11Plain, MovesByOthersAreReported) {
  const SurfaceId id = Solid({100, 100, 140, 140}, kGreen);
  // Someone else (a window manager) moves and sizes the window.
  XMoveResizeWindow(probe_.get(), backend_->WindowOf(id), 200, 150, 60, 30);
  XSync(probe_.get(), False);
  const auto configure =
      WaitFor([id](const Event& e) { return e.Type == EventType::Configure && e.Surface == id; });
  ASSERT_TRUE(configure);
  EXPECT_EQ(configure->Rect, (gfx::Rect{200, 150, 260, 180}));
  EXPECT_EQ(backend_->Bounds(id), (gfx::Rect{200, 150, 260, 180}));
  Settle();
  EXPECT_EQ(ScreenPixel(210, 160), 0x00FF00u);  // kept pixels
  EXPECT_EQ(ScreenPixel(250, 160), 0u);         // new area: black
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

// Reads a property as a list of longs (format 32) or bytes (format 8).
template <typename T>
std::vector<T> Property(Display* d, Window w, const char* name) {
  Atom type;
  int format;
  unsigned long count, after;
  unsigned char* data = nullptr;
  std::vector<T> out;
  if (XGetWindowProperty(d, w, XInternAtom(d, name, False), 0, 4096, False, AnyPropertyType, &type, &format,
                         &count, &after, &data) == Success &&
      data) {
    const T* values = reinterpret_cast<const T*>(data);
    out.assign(values, values + count);
  }
  if (data) XFree(data);
  return out;
}

TEST_F(X11Plain, WindowManagerHintsPerKind) {
  Display* p = probe_.get();
  auto atom = [p](const char* name) { return static_cast<long>(XInternAtom(p, name, False)); };
  SurfaceOptions mainOptions;
  mainOptions.Bounds = {0, 0, 100, 100};
  mainOptions.Title = "Zintor 2 \xE2\x80\x94 \xC3\xBC";  // "Zintor 2 — ü"
  const SurfaceId main = backend_->CreateSurface(mainOptions);
  const Window mainWindow = backend_->WindowOf(main);

  struct Case {
    const char* name;
    SurfaceKind kind;
    bool modal;
    const char* type;
    std::vector<const char*> states;
    bool transient;
    bool overrideRedirect;
  };
  const Case cases[] = {
      {"normal", SurfaceKind::Normal, false, "_NET_WM_WINDOW_TYPE_NORMAL", {}, false, false},
      {"modal dialog",
       SurfaceKind::Dialog,
       true,
       "_NET_WM_WINDOW_TYPE_DIALOG",
       {"_NET_WM_STATE_MODAL"},
       true,
       false},
      {"modeless dialog", SurfaceKind::Dialog, false, "_NET_WM_WINDOW_TYPE_DIALOG", {}, true, false},
      {"auxiliary",
       SurfaceKind::Auxiliary,
       false,
       "_NET_WM_WINDOW_TYPE_UTILITY",
       {"_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER"},
       false,
       false},
      {"popup", SurfaceKind::Popup, false, "_NET_WM_WINDOW_TYPE_POPUP_MENU", {}, true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SurfaceOptions o;
    o.Kind = c.kind;
    o.Modal = c.modal;
    o.Owner = main;
    o.Bounds = {10, 10, 50, 50};
    const Window w = backend_->WindowOf(backend_->CreateSurface(o));
    Settle();
    EXPECT_EQ(Property<long>(p, w, "_NET_WM_WINDOW_TYPE"), std::vector<long>{atom(c.type)});
    std::vector<long> states;
    for (const char* s : c.states) states.push_back(atom(s));
    EXPECT_EQ(Property<long>(p, w, "_NET_WM_STATE"), states);
    Window owner = 0;
    EXPECT_EQ(XGetTransientForHint(p, w, &owner) != 0, c.transient);
    if (c.transient) {
      EXPECT_EQ(owner, mainWindow);
    }
    XWindowAttributes attributes;
    XGetWindowAttributes(p, w, &attributes);
    EXPECT_EQ(attributes.override_redirect != 0, c.overrideRedirect);
    XClassHint hint{};
    ASSERT_TRUE(XGetClassHint(p, w, &hint));
    EXPECT_STREQ(hint.res_name, "zintor2");
    EXPECT_STREQ(hint.res_class, "Zintor 2");
    XFree(hint.res_name);
    XFree(hint.res_class);
    EXPECT_EQ(Property<long>(p, w, "_NET_WM_PID"), std::vector<long>{static_cast<long>(getpid())});
    const auto motif = Property<long>(p, w, "_MOTIF_WM_HINTS");
    ASSERT_EQ(motif.size(), 5u);
    EXPECT_EQ(motif[0], 2);  // decorations given ...
    EXPECT_EQ(motif[2], 0);  // ... and there are none
    Atom* protocols = nullptr;
    int count = 0;
    ASSERT_TRUE(XGetWMProtocols(p, w, &protocols, &count));
    EXPECT_TRUE(std::find(protocols, protocols + count, static_cast<Atom>(atom("WM_DELETE_WINDOW"))) !=
                protocols + count);
    XFree(protocols);
  }
  const auto name = Property<char>(p, mainWindow, "_NET_WM_NAME");
  EXPECT_EQ(std::string(name.begin(), name.end()), mainOptions.Title);
  backend_->SetTitle(main, "Result");
  Settle();
  const auto renamed = Property<char>(p, mainWindow, "_NET_WM_NAME");
  EXPECT_EQ(std::string(renamed.begin(), renamed.end()), "Result");
  char* oldName = nullptr;
  ASSERT_TRUE(XFetchName(p, mainWindow, &oldName));
  EXPECT_STREQ(oldName, "Result");
  XFree(oldName);

  gfx::Bitmap icon = gfx::NewBitmap32(2, 1);
  icon.SetPixelAt(0, 0, 0x80FF0000u);  // alpha 0x80, blue
  const gfx::Bitmap icons[] = {icon};
  backend_->SetIcon(main, icons);
  Settle();
  // Format-32 data comes back as longs; only the low 32 bits are the value.
  std::vector<std::uint32_t> iconData;
  for (long v : Property<long>(p, mainWindow, "_NET_WM_ICON"))
    iconData.push_back(static_cast<std::uint32_t>(v));
  EXPECT_EQ(iconData, (std::vector<std::uint32_t>{2, 1, 0x800000FF, 0}));
  backend_->SetIcon(main, {});
  Settle();
  EXPECT_TRUE(Property<long>(p, mainWindow, "_NET_WM_ICON").empty());
}

TEST_F(X11Plain, WindowManagerCloseRequest) {
  const SurfaceId id = Solid({10, 10, 50, 50}, kRed);
  Display* p = probe_.get();
  XEvent ev{};
  ev.xclient.type = ClientMessage;
  ev.xclient.window = backend_->WindowOf(id);
  ev.xclient.message_type = XInternAtom(p, "WM_PROTOCOLS", False);
  ev.xclient.format = 32;
  ev.xclient.data.l[0] = static_cast<long>(XInternAtom(p, "WM_DELETE_WINDOW", False));
  ev.xclient.data.l[1] = CurrentTime;
  XSendEvent(p, ev.xclient.window, False, NoEventMask, &ev);
  XSync(p, False);
  EXPECT_TRUE(WaitFor([id](const Event& e) { return e.Type == EventType::CloseRequest && e.Surface == id; }));
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

TEST_F(X11Plain, WorkAreaComesFromTheRootWindow) {
  EXPECT_EQ(backend_->WorkArea(), (gfx::Rect{0, 0, 800, 600}));
  Display* p = probe_.get();
  const Atom workarea = XInternAtom(p, "_NET_WORKAREA", False);
  const long area[] = {0, 24, 800, 546};
  XChangeProperty(p, DefaultRootWindow(p), workarea, XA_CARDINAL, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(area), 4);
  XSync(p, False);
  EXPECT_EQ(backend_->WorkArea(), (gfx::Rect{0, 24, 800, 570}));
  ASSERT_EQ(backend_->Monitors().size(), 1u);
  EXPECT_EQ(backend_->Monitors()[0].WorkArea, (gfx::Rect{0, 24, 800, 570}));
  // Nonsense is ignored.
  const long bad[] = {0, 0, -5, 100};
  XChangeProperty(p, DefaultRootWindow(p), workarea, XA_CARDINAL, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(bad), 4);
  XSync(p, False);
  EXPECT_EQ(backend_->WorkArea(), (gfx::Rect{0, 0, 800, 600}));
  XDeleteProperty(p, DefaultRootWindow(p), workarea);
  XSync(p, False);
}

// Restores an environment variable at scope exit.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value)
      setenv(name, value, 1);
    else
      unsetenv(name);
  }
  ~ScopedEnv() {
    if (old_)
      setenv(name_, old_->c_str(), 1);
    else
      unsetenv(name_);
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST_F(X11Plain, FactoryPicksX11OrExplainsHowToRunWithout) {
  {
    ScopedEnv display("DISPLAY", server_->DisplayName().c_str());
    EXPECT_EQ(CreateBackend(BackendChoice::Auto)->Name(), "x11");
  }
  EXPECT_EQ(CreateBackend(BackendChoice::Headless)->Name(), "headless");
  struct Case {
    const char* display;
    const char* mentions;
  };
  for (const Case& c : {Case{nullptr, "DISPLAY is not set"}, Case{"", "DISPLAY is not set"},
                        Case{":4093", "\":4093\" does not answer"}}) {
    SCOPED_TRACE(c.display ? c.display : "(unset)");
    ScopedEnv display("DISPLAY", c.display);
    try {
      CreateBackend(BackendChoice::Auto);
      ADD_FAILURE() << "no error";
    } catch (const std::runtime_error& e) {
      const std::string message = e.what();
      EXPECT_NE(message.find(c.mentions), std::string::npos) << message;
      EXPECT_NE(message.find("--demo"), std::string::npos) << message;
    }
  }
}

// --- With a compositing manager ----------------------------------------------------------

TEST_F(X11Composited, LayeredWindowsUseTheArgbVisual) {
  EXPECT_TRUE(backend_->LayeredAvailable());
  const SurfaceId id = Solid({100, 100, 140, 140}, kRed);
  const Window w = backend_->WindowOf(id);
  XWindowAttributes attributes;
  XGetWindowAttributes(probe_.get(), w, &attributes);
  EXPECT_EQ(attributes.depth, 32);
  // Presented pixels are opaque: premultiplied ARGB with alpha 255.
  EXPECT_EQ(PixelOf(w, 5, 5), 0xFFFF0000u);

  // Per-pixel alpha: red at alpha 128 is stored premultiplied.
  gfx::Bitmap picture = gfx::NewBitmap32(40, 40);
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 40; ++x) picture.SetPixelAt(x, y, x < 20 ? 0x800000FFu : 0u);  // left half red, a=128
  backend_->UpdateLayered(id, picture, {100, 100}, {40, 40}, 255);
  Settle();
  EXPECT_EQ(PixelOf(w, 5, 5), 0x80800000u);
  EXPECT_EQ(PixelOf(w, 30, 5), 0u);
  // Constant alpha multiplies: a = round(128 * 128 / 255) = 64, red 64.
  backend_->UpdateLayered(id, picture, {100, 100}, {40, 40}, 128);
  Settle();
  EXPECT_EQ(PixelOf(w, 5, 5), 0x40400000u);
}

TEST_F(X11Composited, TransparentPixelsTakeNoClicks) {
  const SurfaceId below = Solid({100, 100, 200, 200}, kBlue);
  const SurfaceId layered = Solid({100, 100, 200, 200}, kRed);
  gfx::Bitmap picture = gfx::NewBitmap32(100, 100);
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 50; ++x) picture.SetPixelAt(x, y, 0xFF00FF00u);  // left half opaque green
  backend_->UpdateLayered(layered, picture, {100, 100}, {100, 100}, 255);
  Settle();
  int count = 0, ordering = 0;
  XRectangle* rects =
      XShapeGetRectangles(probe_.get(), backend_->WindowOf(layered), ShapeInput, &count, &ordering);
  ASSERT_GT(count, 0);
  int covered = 0;
  for (int i = 0; i < count; ++i) covered = std::max(covered, rects[i].x + rects[i].width);
  XFree(rects);
  EXPECT_EQ(covered, 50);
  EXPECT_EQ(backend_->SurfaceAt({120, 150}), layered);
  EXPECT_EQ(backend_->SurfaceAt({180, 150}), below);

  Display* p = probe_.get();
  XTestFakeMotionEvent(p, 0, 180, 150, CurrentTime);
  XTestFakeButtonEvent(p, 1, True, CurrentTime);
  XTestFakeButtonEvent(p, 1, False, CurrentTime);
  XTestFakeMotionEvent(p, 0, 120, 150, CurrentTime);
  XTestFakeButtonEvent(p, 1, True, CurrentTime);
  XTestFakeButtonEvent(p, 1, False, CurrentTime);
  XSync(p, False);
  const auto first = WaitFor([](const Event& e) { return e.Type == EventType::MouseDown; });
  ASSERT_TRUE(first);
  EXPECT_EQ(first->Surface, below);
  const auto second = WaitFor([](const Event& e) { return e.Type == EventType::MouseDown; });
  ASSERT_TRUE(second);
  EXPECT_EQ(second->Surface, layered);
}

TEST_F(X11Composited, ConstantAlphaOfPresentedPixels) {
  const SurfaceId id = Solid({10, 10, 30, 30}, kBlue);
  backend_->SetConstantAlpha(id, 128);
  Settle();
  EXPECT_EQ(PixelOf(backend_->WindowOf(id), 1, 1), 0x80000080u);
}

}  // namespace
}  // namespace backend
