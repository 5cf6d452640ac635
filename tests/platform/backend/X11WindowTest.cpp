// The X11 backend under Xvfb: stacking, geometry, window-manager hints, the
// work area, and the factory that picks a backend.
#include <cstdlib>
#include <thread>

#include "platform/backend/CreateBackend.h"
#include "tests/platform/backend/X11TestSupport.h"
#include "tests/support/ScopedEnv.h"

// After the backend's X headers, which tidy up Xlib's macros.
#include <X11/extensions/XTest.h>

namespace backend {
namespace {

using testing::Property;
using testing::X11Plain;

constexpr gfx::Color kRed = gfx::RGB(255, 0, 0);
constexpr gfx::Color kGreen = gfx::RGB(0, 255, 0);
constexpr gfx::Color kBlue = gfx::RGB(0, 0, 255);

TEST_F(X11Plain, NoCompositorMeansNoLayeredWindows) {
  EXPECT_FALSE(backend_->LayeredAvailable());
  EXPECT_EQ(backend_->Name(), "x11");
  EXPECT_EQ(backend_->ScreenSize(), (gfx::Size{800, 600}));
  EXPECT_EQ(backend_->ScreenDepth(), 24);
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
      {"normal", SurfaceKind::Normal, false, "_NET_WM_WINDOW_TYPE_NORMAL", {}, true, false},
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
       true,
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
    EXPECT_EQ(motif[0], 3);     // functions and decorations given:
    EXPECT_EQ(motif[1], 0x3E);  // every function but the obsolete "all" ...
    EXPECT_EQ(motif[2], 0);     // ... and no decorations
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

TEST_F(X11Plain, OwnersChangeTheTransientForHint) {
  Display* p = probe_.get();
  SurfaceOptions o;
  o.Bounds = {0, 0, 50, 50};
  const SurfaceId main = backend_->CreateSurface(o);
  o.Kind = SurfaceKind::Auxiliary;  // a tool window made before its owner was known
  const SurfaceId tool = backend_->CreateSurface(o);
  const Window toolWindow = backend_->WindowOf(tool);
  Window owner = 0;
  Settle();
  EXPECT_FALSE(XGetTransientForHint(p, toolWindow, &owner));
  backend_->SetOwner(tool, main);
  Settle();
  ASSERT_TRUE(XGetTransientForHint(p, toolWindow, &owner));
  EXPECT_EQ(owner, backend_->WindowOf(main));
  EXPECT_THROW(backend_->SetOwner(main, tool), std::invalid_argument);
  backend_->SetOwner(tool, kNoSurface);
  Settle();
  EXPECT_FALSE(XGetTransientForHint(p, toolWindow, &owner));
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

using zt::testing::ScopedEnv;

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

}  // namespace
}  // namespace backend
