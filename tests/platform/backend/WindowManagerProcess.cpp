#include "tests/platform/backend/WindowManagerProcess.h"

#include <X11/Xlib.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string_view>
#include <thread>

namespace backend::testing {

namespace {

using Clock = std::chrono::steady_clock;

// The window manager manages windows: a window mapped for the test gets
// WM_STATE from it. (Owning WM_S0 comes well before a manager is ready; a
// window mapped before it redirects mapping may be missed, so it is mapped
// again now and then.)
bool ManagesAWindow(const std::string& display, Clock::time_point until) {
  Display* d = XOpenDisplay(display.c_str());
  if (!d) return false;
  const Window w = XCreateSimpleWindow(d, DefaultRootWindow(d), 0, 0, 1, 1, 0, 0, 0);
  XMapWindow(d, w);
  XSync(d, False);
  const Atom wmState = XInternAtom(d, "WM_STATE", False);
  bool managed = false;
  for (int tries = 1; !managed && Clock::now() < until; ++tries) {
    if (tries % 25 == 0) {
      XUnmapWindow(d, w);
      XMapWindow(d, w);
      XSync(d, False);
    }
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    managed = XGetWindowProperty(d, w, wmState, 0, 2, False, wmState, &type, &format, &count, &after,
                                 &data) == Success &&
              data && count >= 1;
    if (data) XFree(data);
    if (!managed) std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  XDestroyWindow(d, w);
  XCloseDisplay(d);
  return managed;
}

bool OwnsWmSelection(const std::string& display) {
  Display* d = XOpenDisplay(display.c_str());
  if (!d) return false;
  const bool owned = XGetSelectionOwner(d, XInternAtom(d, "WM_S0", False)) != 0;
  XCloseDisplay(d);
  return owned;
}

}  // namespace

bool WindowManagerProcess::Installed() {
  const char* path = std::getenv("PATH");
  std::string_view rest = path ? path : "/usr/bin:/bin";
  while (!rest.empty()) {
    const std::size_t colon = rest.find(':');
    const std::string dir(rest.substr(0, colon));
    rest = colon == std::string_view::npos ? std::string_view{} : rest.substr(colon + 1);
    if (!dir.empty() && access((dir + "/openbox").c_str(), X_OK) == 0) return true;
  }
  return false;
}

std::unique_ptr<WindowManagerProcess> WindowManagerProcess::Start(const std::string& display,
                                                                  Outcome& outcome, std::string& why) {
  if (!Installed()) {
    outcome = Outcome::NotInstalled;
    why = "openbox is not installed";
    return nullptr;
  }
  outcome = Outcome::Failed;
  std::unique_ptr<WindowManagerProcess> wm(new WindowManagerProcess);
  wm->process_ = ChildProcess::Spawn({"openbox", "--sm-disable"}, {"DISPLAY=" + display});
  if (!wm->process_) {
    why = "cannot fork";
    return nullptr;
  }
  // Openbox loads its theme and fonts before it handles the first window,
  // which takes seconds on a busy machine.
  const auto until = Clock::now() + std::chrono::seconds(20);
  while (Clock::now() < until && !OwnsWmSelection(display)) {
    if (wm->process_->Exited()) {
      why = "openbox exited at start-up";
      return nullptr;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  if (!ManagesAWindow(display, until)) {
    why =
        wm->process_->Exited() ? "openbox exited at start-up" : "openbox did not manage a window within 20 s";
    return nullptr;
  }
  outcome = Outcome::Started;
  return wm;
}

}  // namespace backend::testing
