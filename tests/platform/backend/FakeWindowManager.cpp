#include "tests/platform/backend/FakeWindowManager.h"

#include <poll.h>

#include <algorithm>

namespace backend::testing {

namespace {

bool redirectRefused = false;

int NoteRefusal(Display*, XErrorEvent* e) {
  if (e->error_code == BadAccess) redirectRefused = true;
  return 0;
}

std::vector<Atom> AtomList(Display* d, Window w, Atom property) {
  Atom type;
  int format;
  unsigned long count, after;
  unsigned char* data = nullptr;
  std::vector<Atom> out;
  if (XGetWindowProperty(d, w, property, 0, 1024, False, XA_ATOM, &type, &format, &count, &after, &data) ==
          Success &&
      data && format == 32) {
    const auto* atoms = reinterpret_cast<const Atom*>(data);
    out.assign(atoms, atoms + count);
  }
  if (data) XFree(data);
  return out;
}

}  // namespace

std::unique_ptr<FakeWindowManager> FakeWindowManager::Start(const std::string& display) {
  Display* d = XOpenDisplay(display.c_str());
  if (!d) return nullptr;
  XSync(d, False);
  redirectRefused = false;
  XErrorHandler previous = XSetErrorHandler(NoteRefusal);
  XSelectInput(d, DefaultRootWindow(d), SubstructureRedirectMask | SubstructureNotifyMask);
  XSync(d, False);
  XSetErrorHandler(previous);
  if (redirectRefused) {
    XCloseDisplay(d);
    return nullptr;
  }
  return std::unique_ptr<FakeWindowManager>(new FakeWindowManager(d));
}

FakeWindowManager::FakeWindowManager(Display* d) : display_(d) {
  selectionWindow_ = XCreateSimpleWindow(d, DefaultRootWindow(d), -10, -10, 1, 1, 0, 0, 0);
  XSetSelectionOwner(d, A("WM_S0"), selectionWindow_, CurrentTime);
  XSync(d, False);
  thread_ = std::thread([this] { Run(); });
}

FakeWindowManager::~FakeWindowManager() {
  stop_ = true;
  thread_.join();
  XCloseDisplay(display_);
}

std::vector<FakeWindowManager::Message> FakeWindowManager::Messages() const {
  std::lock_guard lock(mutex_);
  return messages_;
}

void FakeWindowManager::Iconify(Window w) {
  std::lock_guard lock(mutex_);
  commands_.push_back([this, w] { DoIconify(w); });
}

void FakeWindowManager::Restore(Window w) {
  std::lock_guard lock(mutex_);
  commands_.push_back([this, w] { DoRestore(w); });
}

void FakeWindowManager::Run() {
  while (!stop_) {
    std::vector<std::function<void()>> commands;
    {
      std::lock_guard lock(mutex_);
      commands.swap(commands_);
    }
    for (auto& c : commands) c();
    while (XPending(display_) > 0) {
      XEvent ev;
      XNextEvent(display_, &ev);
      Handle(ev);
    }
    XFlush(display_);
    pollfd fd{ConnectionNumber(display_), POLLIN, 0};
    poll(&fd, 1, 10);
  }
}

void FakeWindowManager::SetWmState(Window w, long state) {
  const long value[2] = {state, 0};
  const Atom wmState = A("WM_STATE");
  XChangeProperty(display_, w, wmState, wmState, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(value), 2);
}

// action: 0 remove, 1 add, 2 toggle.
void FakeWindowManager::ChangeNetState(Window w, long action, Atom state) {
  if (state == 0) return;
  const Atom property = A("_NET_WM_STATE");
  std::vector<Atom> states = AtomList(display_, w, property);
  const bool had = std::find(states.begin(), states.end(), state) != states.end();
  const bool on = action == 2 ? !had : action == 1;
  if (on == had) return;
  if (on)
    states.push_back(state);
  else
    std::erase(states, state);
  XChangeProperty(display_, w, property, XA_ATOM, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(states.data()), static_cast<int>(states.size()));
}

void FakeWindowManager::DoIconify(Window w) {
  XUnmapWindow(display_, w);
  SetWmState(w, IconicState);
  ChangeNetState(w, 1, A("_NET_WM_STATE_HIDDEN"));
}

void FakeWindowManager::DoRestore(Window w) {
  XMapWindow(display_, w);
  SetWmState(w, NormalState);
  ChangeNetState(w, 0, A("_NET_WM_STATE_HIDDEN"));
}

void FakeWindowManager::Handle(XEvent& ev) {
  switch (ev.type) {
    case MapRequest: {
      const Window w = ev.xmaprequest.window;
      XWMHints* hints = XGetWMHints(display_, w);
      const bool iconic = hints && (hints->flags & StateHint) && hints->initial_state == IconicState;
      if (hints) XFree(hints);
      if (iconic) {
        SetWmState(w, IconicState);
        ChangeNetState(w, 1, A("_NET_WM_STATE_HIDDEN"));
      } else {
        DoRestore(w);
      }
      return;
    }
    case ConfigureRequest: {
      const XConfigureRequestEvent& r = ev.xconfigurerequest;
      XWindowChanges ch{r.x, r.y, r.width, r.height, r.border_width, r.above, r.detail};
      XConfigureWindow(display_, r.window, static_cast<unsigned>(r.value_mask), &ch);
      return;
    }
    case UnmapNotify:
      // A withdrawing client tells the root with a synthetic unmap.
      if (ev.xunmap.send_event) XDeleteProperty(display_, ev.xunmap.window, A("WM_STATE"));
      return;
    case ClientMessage: {
      const XClientMessageEvent& m = ev.xclient;
      Message record{m.window, m.message_type, {}};
      std::copy(m.data.l, m.data.l + 5, record.Data);
      {
        std::lock_guard lock(mutex_);
        messages_.push_back(record);
      }
      if (m.message_type == A("WM_CHANGE_STATE") && m.data.l[0] == IconicState) {
        DoIconify(m.window);
      } else if (m.message_type == A("_NET_WM_STATE")) {
        ChangeNetState(m.window, m.data.l[0], static_cast<Atom>(m.data.l[1]));
        ChangeNetState(m.window, m.data.l[0], static_cast<Atom>(m.data.l[2]));
      } else if (m.message_type == A("_NET_ACTIVE_WINDOW")) {
        XWindowAttributes a;
        if (XGetWindowAttributes(display_, m.window, &a) && a.map_state == IsViewable)
          XSetInputFocus(display_, m.window, RevertToParent, CurrentTime);
      }
      return;
    }
    default: return;
  }
}

}  // namespace backend::testing
