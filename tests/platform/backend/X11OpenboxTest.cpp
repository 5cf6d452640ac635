// The X11 backend under openbox, a real window manager: windows open where
// they are put, every time; fixed-size windows cannot be resized or
// maximised; owned windows are iconified with their owner.
#include "tests/platform/backend/X11TestSupport.h"

#include <iostream>

#include "tests/platform/backend/WindowManagerProcess.h"

namespace backend {
namespace {

using testing::Property;
using testing::WindowManagerProcess;
using testing::X11Plain;

constexpr gfx::Color kRed = gfx::RGB(255, 0, 0);

class X11Openbox : public X11Plain {
 protected:
  static void SetUpTestSuite() {
    X11Plain::SetUpTestSuite();
    if (server_) wm_ = WindowManagerProcess::Start(server_->DisplayName(), outcome_, wmWhy_);
  }
  static void TearDownTestSuite() {
    wm_.reset();  // before the server
    X11Plain::TearDownTestSuite();
  }
  void SetUp() override {
    X11Plain::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    if (outcome_ == WindowManagerProcess::Outcome::NotInstalled) {
      std::cout << "Window-manager test skipped: " << wmWhy_ << "\n";
      GTEST_SKIP() << wmWhy_;
    }
    ASSERT_TRUE(wm_) << wmWhy_;
  }

  // Where the server has the window's top-left corner, and its size.
  gfx::Rect ServerBounds(SurfaceId id) {
    Display* p = probe_.get();
    Window child;
    int x = 0, y = 0;
    XTranslateCoordinates(p, backend_->WindowOf(id), DefaultRootWindow(p), 0, 0, &x, &y, &child);
    XWindowAttributes a{};
    XGetWindowAttributes(p, backend_->WindowOf(id), &a);
    return gfx::Rect::FromXYWH(x, y, a.width, a.height);
  }
  bool Managed(SurfaceId id) {
    return !Property<long>(probe_.get(), backend_->WindowOf(id), "WM_STATE").empty();
  }
  long WmState(SurfaceId id) {
    const auto state = Property<long>(probe_.get(), backend_->WindowOf(id), "WM_STATE");
    return state.empty() ? 0 : state[0];
  }
  XSizeHints NormalHints(SurfaceId id) {
    XSizeHints hints{};
    long supplied = 0;
    XGetWMNormalHints(probe_.get(), backend_->WindowOf(id), &hints, &supplied);
    return hints;
  }
  bool Allowed(SurfaceId id, const char* action) {
    const long atom = static_cast<long>(XInternAtom(probe_.get(), action, False));
    const auto actions = Property<long>(probe_.get(), backend_->WindowOf(id), "_NET_WM_ALLOWED_ACTIONS");
    return std::find(actions.begin(), actions.end(), atom) != actions.end();
  }
  // A request to the window manager about `id`, as a pager or a tool sends it.
  void AskWindowManager(SurfaceId id, const char* type, std::initializer_list<long> data) {
    Display* p = probe_.get();
    XEvent ev{};
    ev.xclient.type = ClientMessage;
    ev.xclient.window = backend_->WindowOf(id);
    ev.xclient.message_type = XInternAtom(p, type, False);
    ev.xclient.format = 32;
    int i = 0;
    for (long v : data) ev.xclient.data.l[i++] = v;
    XSendEvent(p, DefaultRootWindow(p), False, SubstructureRedirectMask | SubstructureNotifyMask, &ev);
    XSync(p, False);
  }
  long AtomOf(const char* name) { return static_cast<long>(XInternAtom(probe_.get(), name, False)); }

  // Configure events reported for `id` to somewhere other than `expected`.
  std::vector<gfx::Rect> StrayMoves(SurfaceId id, const gfx::Rect& expected) {
    std::vector<gfx::Rect> stray;
    for (const Event& e : seen_)
      if (e.Type == EventType::Configure && e.Surface == id && e.Rect != expected) stray.push_back(e.Rect);
    return stray;
  }

  static inline std::unique_ptr<WindowManagerProcess> wm_;
  static inline WindowManagerProcess::Outcome outcome_ = WindowManagerProcess::Outcome::Failed;
  static inline std::string wmWhy_;
};

// Windows are made hidden at the top-left corner and moved before they are
// shown, as the toolkit does with a centred form. The window manager places
// them from the size hints and reparents them into its frames meanwhile;
// neither may bring them (or the backend's idea of them) to the corner.
TEST_F(X11Openbox, WindowsOpenWhereTheyArePutEachTime) {
  SurfaceOptions mainOptions;
  mainOptions.Bounds = {0, 0, 300, 200};
  const SurfaceId main = backend_->CreateSurface(mainOptions);
  const gfx::Rect mainAt{250, 200, 550, 400};
  backend_->SetBounds(main, mainAt);
  Sync();
  EXPECT_EQ(gfx::Rect::FromXYWH(NormalHints(main).x, NormalHints(main).y, NormalHints(main).width,
                                NormalHints(main).height),
            mainAt)
      << "the window manager is told the real place before mapping";
  backend_->Show(main, true);
  ASSERT_TRUE(Eventually([&] { return Managed(main) && ServerBounds(main) == mainAt; }));

  SurfaceOptions o;
  o.Kind = SurfaceKind::Dialog;
  o.Modal = true;
  o.Owner = main;
  o.Bounds = {0, 0, 120, 100};
  const SurfaceId dialog = backend_->CreateSurface(o);
  for (int showing = 0; showing < 8; ++showing) {
    SCOPED_TRACE(showing);
    // Half of the showings after the main window moved.
    const int shift = showing >= 4 ? 60 : 0;
    if (showing == 4) backend_->SetBounds(main, mainAt.Offset(shift, shift));
    const gfx::Rect at = gfx::Rect::FromXYWH(340 + shift + showing, 250 + shift, 120, 100);
    seen_.clear();
    backend_->SetBounds(dialog, at);
    backend_->Show(dialog, true);
    EXPECT_TRUE(Eventually([&] { return Managed(dialog) && ServerBounds(dialog) == at; }))
        << "on the server at " << ServerBounds(dialog).Left << "," << ServerBounds(dialog).Top;
    Settle();
    EXPECT_EQ(backend_->Bounds(dialog), at);
    EXPECT_TRUE(StrayMoves(dialog, at).empty())
        << "reported at " << StrayMoves(dialog, at)[0].Left << "," << StrayMoves(dialog, at)[0].Top;
    backend_->Hide(dialog);
    ASSERT_TRUE(Eventually([&] { return !Managed(dialog); }));
  }
}

TEST_F(X11Openbox, AFixedSizeWindowIsNeitherResizedNorMaximised) {
  SurfaceOptions o;
  o.Bounds = {100, 100, 300, 200};
  o.Actions.Resize = false;
  o.Actions.Maximize = false;
  const SurfaceId fixed = backend_->CreateSurface(o);
  const XSizeHints hints = NormalHints(fixed);
  EXPECT_EQ(hints.flags & (PMinSize | PMaxSize), PMinSize | PMaxSize);
  EXPECT_EQ(hints.min_width, 200);
  EXPECT_EQ(hints.max_width, 200);
  EXPECT_EQ(hints.min_height, 100);
  EXPECT_EQ(hints.max_height, 100);
  const auto motif = Property<long>(probe_.get(), backend_->WindowOf(fixed), "_MOTIF_WM_HINTS");
  ASSERT_EQ(motif.size(), 5u);
  EXPECT_EQ(motif[1], 0x2C);  // move, minimise and close only

  o.Bounds = {450, 100, 650, 200};
  o.Actions = {};
  const SurfaceId sizeable = backend_->CreateSurface(o);
  for (SurfaceId id : {fixed, sizeable}) {
    backend_->Show(id, false);
    ASSERT_TRUE(Eventually([&] { return Managed(id); }));
  }
  ASSERT_TRUE(Eventually([&] { return Allowed(sizeable, "_NET_WM_ACTION_RESIZE"); }));
  EXPECT_TRUE(Allowed(sizeable, "_NET_WM_ACTION_MAXIMIZE_HORZ"));
  EXPECT_FALSE(Allowed(fixed, "_NET_WM_ACTION_RESIZE"));
  EXPECT_FALSE(Allowed(fixed, "_NET_WM_ACTION_MAXIMIZE_HORZ"));
  EXPECT_FALSE(Allowed(fixed, "_NET_WM_ACTION_MAXIMIZE_VERT"));
  EXPECT_TRUE(Allowed(fixed, "_NET_WM_ACTION_MINIMIZE"));

  // What a pager's maximise and a tool's resize ask for.
  for (SurfaceId id : {fixed, sizeable})
    AskWindowManager(id, "_NET_WM_STATE",
                     {1, AtomOf("_NET_WM_STATE_MAXIMIZED_VERT"), AtomOf("_NET_WM_STATE_MAXIMIZED_HORZ"), 2});
  ASSERT_TRUE(Eventually([&] { return ServerBounds(sizeable).GetSize() == backend_->ScreenSize(); }));
  // Whatever the manager tried, the window ends where it was, at its size.
  EXPECT_TRUE(Eventually([&] {
    return ServerBounds(fixed) == gfx::Rect{100, 100, 300, 200} &&
           backend_->Bounds(fixed) == gfx::Rect{100, 100, 300, 200};
  })) << "on the server at "
      << ServerBounds(fixed).Left << "," << ServerBounds(fixed).Top << " " << ServerBounds(fixed).Width()
      << "x" << ServerBounds(fixed).Height();
  EXPECT_EQ(backend_->Bounds(sizeable).GetSize(), backend_->ScreenSize()) << "reported";

  // x, y, width and height given, from a pager.
  AskWindowManager(fixed, "_NET_MOVERESIZE_WINDOW", {(0xF << 8) | (2 << 12), 120, 90, 500, 400});
  EXPECT_TRUE(Eventually([&] {
    return ServerBounds(fixed) == gfx::Rect::FromXYWH(120, 90, 200, 100) &&
           backend_->Bounds(fixed) == gfx::Rect::FromXYWH(120, 90, 200, 100);
  })) << "on the server at "
      << ServerBounds(fixed).Left << "," << ServerBounds(fixed).Top << " " << ServerBounds(fixed).Width()
      << "x" << ServerBounds(fixed).Height();
}

// A maximise that a window manager carries out although the window may not
// be maximised is taken back: the window asks to leave the state and keeps
// its size. Openbox itself refuses; the backend is tried by giving the
// window the state through the property, as a careless manager would.
TEST_F(X11Openbox, AWindowThatMayNotBeMaximisedLeavesTheState) {
  SurfaceOptions o;
  o.Bounds = {100, 100, 300, 200};
  o.Actions.Maximize = false;
  const SurfaceId id = backend_->CreateSurface(o);
  backend_->Show(id, false);
  ASSERT_TRUE(Eventually([&] { return Managed(id); }));
  Settle();
  // Openbox keeps _NET_WM_STATE; asking it to add the states is what it
  // refuses, so the test writes them itself and watches for the request.
  Display* p = probe_.get();
  const Atom states[] = {static_cast<Atom>(AtomOf("_NET_WM_STATE_MAXIMIZED_VERT")),
                         static_cast<Atom>(AtomOf("_NET_WM_STATE_MAXIMIZED_HORZ"))};
  XChangeProperty(p, backend_->WindowOf(id), XInternAtom(p, "_NET_WM_STATE", False), XA_ATOM, 32,
                  PropModeReplace, reinterpret_cast<const unsigned char*>(states), 2);
  XSync(p, False);
  // Openbox answers the removal by writing the property without them.
  EXPECT_TRUE(Eventually([&] {
    const auto now = Property<long>(p, backend_->WindowOf(id), "_NET_WM_STATE");
    return std::find(now.begin(), now.end(), AtomOf("_NET_WM_STATE_MAXIMIZED_VERT")) == now.end();
  }));
}

// Iconifying a window iconifies the windows it owns with it, dialogs and
// tool windows alike, and restoring it brings them back.
TEST_F(X11Openbox, OwnedWindowsAreIconifiedWithTheirOwner) {
  const SurfaceId main = Solid({100, 100, 400, 300}, kRed);
  SurfaceOptions o;
  o.Owner = main;
  o.Bounds = {150, 150, 250, 250};
  o.Kind = SurfaceKind::Dialog;
  const SurfaceId dialog = backend_->CreateSurface(o);
  o.Kind = SurfaceKind::Auxiliary;
  o.Bounds = {260, 150, 360, 250};
  const SurfaceId tool = backend_->CreateSurface(o);
  for (SurfaceId id : {main, dialog, tool}) {
    backend_->Show(id, false);
    ASSERT_TRUE(Eventually([&] { return WmState(id) == NormalState; }));
  }
  seen_.clear();
  backend_->Minimize(main);
  for (SurfaceId id : {main, dialog, tool}) {
    SCOPED_TRACE(id);
    EXPECT_TRUE(Eventually([&] { return WmState(id) == IconicState; }));
    EXPECT_TRUE(Eventually([&] { return backend_->IsMinimized(id); }));
  }
  backend_->Show(main, false);
  for (SurfaceId id : {main, dialog, tool}) {
    SCOPED_TRACE(id);
    EXPECT_TRUE(Eventually([&] { return WmState(id) == NormalState && !backend_->IsMinimized(id); }));
  }
}

}  // namespace
}  // namespace backend
