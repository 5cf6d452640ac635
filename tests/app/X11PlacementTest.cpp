// The program's windows under openbox, a real window manager: the main
// window opens centred on the screen and each dialog (new game, result,
// about and the "Справка" box) centred on the main window, at every showing,
// before and after the main window moved. Fixed-size windows advertise
// their size as both minimum and maximum, and every dialog names its owner.
// With ZT_SCREENSHOT_DIR set, the screen is saved as PNG at each first showing.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <iostream>
#include <memory>
#include <string>

#include "app/Program.h"
#include "game/Unit_GameObjects.h"
#include "platform/backend/X11Backend.h"
#include "platform/gfx/PngWriter.h"
#include "platform/ui/forms/TopLevelWindow.h"
#include "tests/platform/backend/WindowManagerProcess.h"
#include "tests/platform/backend/XServerProcess.h"

// Last: Xlib's macros would break the headers above.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace app::test {
namespace {

using backend::testing::WindowManagerProcess;
using backend::testing::XServerProcess;
using Clock = std::chrono::steady_clock;

struct DisplayCloser {
  void operator()(Display* d) const { XCloseDisplay(d); }
};

class X11Placement : public ::testing::Test {
 protected:
  void SetUp() override {
    game::ResetGameObjects();
    std::string why;
    server_ = XServerProcess::Start(why);
    if (!server_) GTEST_SKIP() << "no X server: " << why;
    WindowManagerProcess::Outcome outcome;
    wm_ = WindowManagerProcess::Start(server_->DisplayName(), outcome, why);
    if (outcome == WindowManagerProcess::Outcome::NotInstalled) {
      std::cout << "Window-manager test skipped: " << why << "\n";
      GTEST_SKIP() << why;
    }
    ASSERT_TRUE(wm_) << why;
    backend_ = std::make_unique<backend::X11Backend>(server_->DisplayName());
    app_ = std::make_unique<ui::Application>(*backend_);
    w_ = CreateGameWindows(*app_);
    probe_.reset(XOpenDisplay(server_->DisplayName().c_str()));
    ASSERT_TRUE(probe_);
  }
  void TearDown() override {
    app_.reset();
    backend_.reset();
    probe_.reset();
    wm_.reset();
    server_.reset();
    game::ResetGameObjects();
  }

  Window XWindowOf(const ui::Form* f) { return backend_->WindowOf(f->Surface()->Surface()); }
  // Where the server has the window, once the window manager manages it.
  std::optional<gfx::Rect> OnServer(const ui::Form* f) {
    Display* p = probe_.get();
    XSync(p, False);
    const Window w = XWindowOf(f);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    const Atom wmState = XInternAtom(p, "WM_STATE", False);
    const bool managed = XGetWindowProperty(p, w, wmState, 0, 2, False, wmState, &type, &format, &count,
                                            &after, &data) == Success &&
                         data && count >= 1 && reinterpret_cast<long*>(data)[0] == NormalState;
    if (data) XFree(data);
    XWindowAttributes a{};
    if (!managed || !XGetWindowAttributes(p, w, &a) || a.map_state != IsViewable) return std::nullopt;
    Window child;
    int x = 0, y = 0;
    XTranslateCoordinates(p, w, DefaultRootWindow(p), 0, 0, &x, &y, &child);
    return gfx::Rect::FromXYWH(x, y, a.width, a.height);
  }
  static gfx::Rect CentredOn(const gfx::Rect& area, gfx::Size size) {
    return gfx::Rect::FromXYWH(area.Left + (area.Width() - size.Width) / 2,
                               area.Top + (area.Height() - size.Height) / 2, size.Width, size.Height);
  }
  // Runs the loop until `f` is on the server at `expected` and has stayed
  // there for a while (a stray move comes within a few events); false after
  // about 5 s. Every place the form itself took meanwhile is checked too.
  bool SettlesAt(const ui::Form* f, const gfx::Rect& expected, std::string& trace) {
    const auto until = Clock::now() + std::chrono::seconds(5);
    int steady = 0;
    while (Clock::now() < until) {
      app_->RunFor(20);
      if (f->BoundsRect() != expected) {
        trace = "the form moved to " + Describe(f->BoundsRect());
        return false;
      }
      const auto at = OnServer(f);
      steady = at && *at == expected ? steady + 1 : 0;
      if (at) trace = "on the server at " + Describe(*at);
      if (steady >= 10) return true;
    }
    return false;
  }
  static std::string Describe(const gfx::Rect& r) {
    return std::to_string(r.Left) + "," + std::to_string(r.Top) + " " + std::to_string(r.Width()) + "x" +
           std::to_string(r.Height());
  }
  void Screenshot(const std::string& name) {
    if (const char* dir = std::getenv("ZT_SCREENSHOT_DIR"))
      gfx::SavePng(backend_->CopyScreen({0, 0, 800, 600}), (std::filesystem::path(dir) / name).string());
  }
  // Shows `show` modally (it returns when the dialog closes) and checks the
  // dialog that is then the modal form, which `close` ends.
  void CheckDialog(const std::string& name, const std::function<void()>& show, int showing) {
    SCOPED_TRACE(name + ", showing " + std::to_string(showing));
    bool checked = false;
    auto id = std::make_shared<int>(0);
    *id = app_->StartCallbackTimer(10, [&, id] {
      ui::Form* dialog = app_->ModalForm();
      if (!dialog) return;
      app_->StopCallbackTimer(*id);
      checked = true;
      const gfx::Rect expected = CentredOn(w_.Main->BoundsRect(), dialog->BoundsRect().GetSize());
      std::string trace;
      EXPECT_TRUE(SettlesAt(dialog, expected, trace))
          << "expected at " << Describe(expected) << "; " << trace;
      Window owner = 0;
      EXPECT_TRUE(XGetTransientForHint(probe_.get(), XWindowOf(dialog), &owner));
      EXPECT_EQ(owner, XWindowOf(w_.Main));
      if (showing == 0) Screenshot("x11-placement-" + name + ".png");
      dialog->SetModalResult(ui::mrOk);
    });
    show();
    app_->StopCallbackTimer(*id);
    EXPECT_TRUE(checked) << "the dialog was not shown";
  }

  // A request about `f`'s window to the window manager, as a task bar or
  // pager sends it.
  void AskWindowManager(const ui::Form* f, const char* type, std::initializer_list<long> data) {
    Display* p = probe_.get();
    XEvent ev{};
    ev.xclient.type = ClientMessage;
    ev.xclient.window = XWindowOf(f);
    ev.xclient.message_type = XInternAtom(p, type, False);
    ev.xclient.format = 32;
    int i = 0;
    for (long v : data) ev.xclient.data.l[i++] = v;
    XSendEvent(p, DefaultRootWindow(p), False, SubstructureRedirectMask | SubstructureNotifyMask, &ev);
    XSync(p, False);
  }
  long WmState(const ui::Form* f) {
    Display* p = probe_.get();
    XSync(p, False);
    const Atom wmState = XInternAtom(p, "WM_STATE", False);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    long state = 0;
    if (XGetWindowProperty(p, XWindowOf(f), wmState, 0, 2, False, wmState, &type, &format, &count, &after,
                           &data) == Success &&
        data && count >= 1)
      state = reinterpret_cast<long*>(data)[0];
    if (data) XFree(data);
    return state;
  }
  // Runs the loop until `done`, for about 5 s at most.
  bool RunUntil(const std::function<bool()>& done) {
    const auto until = Clock::now() + std::chrono::seconds(5);
    while (Clock::now() < until) {
      app_->RunFor(20);
      if (done()) return true;
    }
    return false;
  }

  std::unique_ptr<XServerProcess> server_;
  std::unique_ptr<WindowManagerProcess> wm_;
  std::unique_ptr<backend::X11Backend> backend_;
  std::unique_ptr<ui::Application> app_;
  GameWindows w_;
  std::unique_ptr<Display, DisplayCloser> probe_;
};

TEST_F(X11Placement, EveryWindowOpensWhereTheProgramPutsItAtEveryShowing) {
  w_.Main->ShowForm();
  const gfx::Rect centred = CentredOn({0, 0, backend_->ScreenSize().Width, backend_->ScreenSize().Height},
                                      w_.Main->BoundsRect().GetSize());
  std::string trace;
  ASSERT_TRUE(SettlesAt(w_.Main, centred, trace)) << "expected at " << Describe(centred) << "; " << trace;
  XSizeHints hints{};
  long supplied = 0;
  XGetWMNormalHints(probe_.get(), XWindowOf(w_.Main), &hints, &supplied);
  EXPECT_EQ(hints.flags & (PMinSize | PMaxSize), PMinSize | PMaxSize) << "the main window has a fixed size";
  EXPECT_EQ(hints.max_width, centred.Width());
  EXPECT_EQ(hints.max_height, centred.Height());

  const struct {
    const char* name;
    std::function<void()> show;
  } dialogs[] = {
      {"new-game", [&] { w_.NewGame->ShowModal(); }},
      {"result", [&] { w_.Result->ShowModal(); }},
      {"about", [&] { w_.About->ShowModal(); }},
      {"help", [&] { w_.Main->N7->Click(); }},
  };
  for (int round = 0; round < 2; ++round) {
    if (round == 1) {
      // The player moves the main window: the dialogs follow it.
      w_.Main->SetBounds(centred.Left + 80, centred.Top + 60, centred.Width(), centred.Height());
      ASSERT_TRUE(SettlesAt(w_.Main, w_.Main->BoundsRect(), trace)) << trace;
    }
    for (const auto& d : dialogs)
      for (int showing = 0; showing < 3; ++showing) CheckDialog(d.name, d.show, round * 3 + showing);
  }
}

// The new-game dialog is never minimised on its own: minimised (from the
// task bar) with the main window or taking it along, it comes back with it,
// in front and active. A maximise request for the fixed-size main window changes nothing.
TEST_F(X11Placement, AModalDialogStaysWithTheMainWindow) {
  w_.Main->ShowForm();
  std::string trace;
  ASSERT_TRUE(SettlesAt(w_.Main, w_.Main->BoundsRect(), trace)) << trace;
  const gfx::Rect mainAt = w_.Main->BoundsRect();
  bool done = false;
  auto id = std::make_shared<int>(0);
  *id = app_->StartCallbackTimer(10, [&, id] {
    ui::Form* dialog = app_->ModalForm();
    if (!dialog) return;
    app_->StopCallbackTimer(*id);
    ASSERT_TRUE(SettlesAt(dialog, dialog->BoundsRect(), trace)) << trace;
    // Minimised from the task bar, either window takes the other along;
    // restored, both come back, the dialog in front and active.
    auto both = [&](long state) {
      const auto want = state == IconicState ? ui::WindowState::wsMinimized : ui::WindowState::wsNormal;
      return RunUntil([&] {
        return WmState(w_.Main) == state && WmState(dialog) == state && w_.Main->GetWindowState() == want &&
               dialog->GetWindowState() == want && (state == IconicState || dialog->Active());
      });
    };
    for (ui::Form* minimised : {static_cast<ui::Form*>(dialog), static_cast<ui::Form*>(w_.Main)}) {
      SCOPED_TRACE(minimised == dialog ? "the dialog minimised" : "the main window minimised");
      AskWindowManager(minimised, "WM_CHANGE_STATE", {IconicState});
      EXPECT_TRUE(both(IconicState));
      AskWindowManager(minimised == dialog ? w_.Main : dialog, "_NET_ACTIVE_WINDOW", {2, CurrentTime, 0});
      EXPECT_TRUE(both(NormalState));
    }
    EXPECT_TRUE(SettlesAt(dialog, dialog->BoundsRect(), trace)) << trace;
    Screenshot("x11-modal-restored.png");
    // A pager maximises the main window: nothing changes.
    const long vert = static_cast<long>(XInternAtom(probe_.get(), "_NET_WM_STATE_MAXIMIZED_VERT", False));
    const long horz = static_cast<long>(XInternAtom(probe_.get(), "_NET_WM_STATE_MAXIMIZED_HORZ", False));
    AskWindowManager(w_.Main, "_NET_WM_STATE", {1, vert, horz, 2});
    app_->RunFor(300);
    EXPECT_TRUE(SettlesAt(w_.Main, mainAt, trace)) << trace;
    done = true;
    dialog->SetModalResult(ui::mrOk);
  });
  w_.NewGame->ShowModal();
  app_->StopCallbackTimer(*id);
  EXPECT_TRUE(done);
}

}  // namespace
}  // namespace app::test
