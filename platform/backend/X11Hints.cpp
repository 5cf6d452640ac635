// Window-manager hints of the X11 backend: class, protocols, window types,
// states, titles and icons (ICCCM and EWMH).
#include <unistd.h>
#include "platform/backend/X11Headers.h"

#include <algorithm>
#include <climits>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/backend/X11Backend.h"

namespace backend {

namespace {

void SetAtoms(Display* d, Window w, Atom property, const std::vector<Atom>& atoms) {
  XChangeProperty(d, w, property, XA_ATOM, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(atoms.data()), static_cast<int>(atoms.size()));
}

void SetCardinals(Display* d, Window w, Atom property, const std::vector<long>& values) {
  XChangeProperty(d, w, property, XA_CARDINAL, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(values.data()), static_cast<int>(values.size()));
}

// Motif window-manager hints: the functions the window manager may offer,
// and no decorations at all (the toolkit draws every frame).
struct MotifHints {
  long Flags, Functions, Decorations, InputMode, State;
};
constexpr long kMwmHintsFunctions = 1L << 0;
constexpr long kMwmHintsDecorations = 1L << 1;
constexpr long kMwmFuncResize = 1L << 1;
constexpr long kMwmFuncMove = 1L << 2;
constexpr long kMwmFuncMinimize = 1L << 3;
constexpr long kMwmFuncMaximize = 1L << 4;
constexpr long kMwmFuncClose = 1L << 5;

// Icons beyond this size only make the property heavy.
constexpr int kMaxIconSide = 256;

}  // namespace

void X11Backend::SetInitialHints(Surface& s) {
  Display* d = x_.Get();
  const X11Atoms& a = x_.Atoms();
  const Window w = s.XWindow;

  std::string instance = kWmInstanceName, klass = kWmClassName;  // Xlib wants writable strings
  XClassHint classHint{instance.data(), klass.data()};
  XSetClassHint(d, w, &classHint);

  Atom protocols[] = {a.WmDeleteWindow, a.NetWmPing};
  XSetWMProtocols(d, w, protocols, 2);

  SetCardinals(d, w, a.NetWmPid, {static_cast<long>(getpid())});
  char host[256] = {};
  if (gethostname(host, sizeof host - 1) == 0) {
    char* list[] = {host};
    XTextProperty machine;
    if (XStringListToTextProperty(list, 1, &machine)) {
      XSetWMClientMachine(d, w, &machine);
      XFree(machine.value);
    }
  }

  SetMotifHints(s);
  SetWindowType(s);
  SetTransientFor(s);

  if (s.Options.Kind == SurfaceKind::Dialog && s.Options.Modal) s.States.push_back(a.NetWmStateModal);
  if (s.Options.Kind == SurfaceKind::Auxiliary) {
    s.States.push_back(a.NetWmStateSkipTaskbar);
    s.States.push_back(a.NetWmStateSkipPager);
  }
  if (s.Options.Topmost && s.Options.Kind != SurfaceKind::Popup) s.States.push_back(a.NetWmStateAbove);
  SetAtoms(d, w, a.NetWmState, s.States);

  SetWmHints(s);
  SetSizeHints(s);
  SetTitleHints(s);
}

// The position and size the window really has (window managers place a
// window from them when it is mapped) and, for a window that may not be
// resized, that size as both its minimum and its maximum.
void X11Backend::SetSizeHints(Surface& s) {
  XSizeHints size{};
  size.flags = PPosition | PSize | USPosition | USSize;
  size.x = s.Bounds.Left;
  size.y = s.Bounds.Top;
  size.width = s.Bounds.Width();
  size.height = s.Bounds.Height();
  if (!s.Options.Actions.Resize) {
    size.flags |= PMinSize | PMaxSize;
    size.min_width = size.max_width = size.width;
    size.min_height = size.max_height = size.height;
  }
  XSetWMNormalHints(x_.Get(), s.XWindow, &size);
}

void X11Backend::SetMotifHints(Surface& s) {
  const WindowActions& can = s.Options.Actions;
  long functions = kMwmFuncMove | kMwmFuncClose;
  if (can.Resize) functions |= kMwmFuncResize;
  if (can.Minimize) functions |= kMwmFuncMinimize;
  if (can.Maximize) functions |= kMwmFuncMaximize;
  const MotifHints motif{kMwmHintsFunctions | kMwmHintsDecorations, functions, 0, 0, 0};
  XChangeProperty(x_.Get(), s.XWindow, x_.Atoms().MotifWmHints, x_.Atoms().MotifWmHints, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(&motif), 5);
}

void X11Backend::SetTransientFor(Surface& s) {
  if (s.Options.Owner != kNoSurface)
    XSetTransientForHint(x_.Get(), s.XWindow, Get(s.Options.Owner).XWindow);
  else
    XDeleteProperty(x_.Get(), s.XWindow, x_.Atoms().WmTransientFor);
}

// A window manager that maximised a window which may not be maximised (on
// another client's request, say) is asked to take it back.
void X11Backend::RefuseMaximized(Surface& s) {
  if (s.Options.Actions.Maximize || !s.Visible || !WindowManagerRuns()) return;
  const X11Atoms& a = x_.Atoms();
  Atom type = kXNone;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  bool maximized = false;
  if (XGetWindowProperty(x_.Get(), s.XWindow, a.NetWmState, 0, 64, False, XA_ATOM, &type, &format, &count,
                         &after, &data) == Success &&
      data && format == 32) {
    const Atom* states = reinterpret_cast<const Atom*>(data);
    maximized = std::any_of(states, states + count, [&a](Atom state) {
      return state == a.NetWmStateMaximizedVert || state == a.NetWmStateMaximizedHorz;
    });
  }
  if (data) XFree(data);
  if (maximized) RequestStates(s, false, a.NetWmStateMaximizedVert, a.NetWmStateMaximizedHorz);
}

void X11Backend::SetWindowType(Surface& s) {
  const X11Atoms& a = x_.Atoms();
  Atom type = a.NetWmWindowTypeNormal;
  switch (s.Options.Kind) {
    case SurfaceKind::Normal: break;
    case SurfaceKind::Popup: type = a.NetWmWindowTypePopupMenu; break;
    case SurfaceKind::Auxiliary: type = a.NetWmWindowTypeUtility; break;
    case SurfaceKind::Dialog: type = a.NetWmWindowTypeDialog; break;
  }
  SetAtoms(x_.Get(), s.XWindow, a.NetWmWindowType, {type});
}

// A window that refuses the focus says so with input = False (and has no
// WM_TAKE_FOCUS protocol).
void X11Backend::SetWmHints(Surface& s) {
  XWMHints hints{};
  hints.flags = InputHint | StateHint;
  hints.input = s.Options.Kind != SurfaceKind::Popup && !s.Options.NoActivate ? True : False;
  hints.initial_state = s.Minimized ? IconicState : NormalState;
  XSetWMHints(x_.Get(), s.XWindow, &hints);
}

void X11Backend::SetStateAtom(Surface& s, Atom state, bool on) {
  Display* d = x_.Get();
  const X11Atoms& a = x_.Atoms();
  const bool had = std::find(s.States.begin(), s.States.end(), state) != s.States.end();
  if (had == on) return;
  if (on)
    s.States.push_back(state);
  else
    std::erase(s.States, state);
  // While a window manager manages the window, the property is its own: a
  // client only asks for changes. Otherwise the client sets it.
  if (!s.Visible || !WindowManagerRuns()) {
    SetAtoms(d, s.XWindow, a.NetWmState, s.States);
    return;
  }
  RequestStates(s, on, state, kXNone);
}

// Asks the window manager to add or remove one or two _NET_WM_STATE atoms.
void X11Backend::RequestStates(Surface& s, bool on, Atom first, Atom second) {
  XEvent ev{};
  ev.xclient.type = ClientMessage;
  ev.xclient.window = s.XWindow;
  ev.xclient.message_type = x_.Atoms().NetWmState;
  ev.xclient.format = 32;
  ev.xclient.data.l[0] = on ? 1 : 0;  // add / remove
  ev.xclient.data.l[1] = static_cast<long>(first);
  ev.xclient.data.l[2] = static_cast<long>(second);
  ev.xclient.data.l[3] = 1;  // from an application
  XSendEvent(x_.Get(), x_.Root(), False, SubstructureRedirectMask | SubstructureNotifyMask, &ev);
}

void X11Backend::SetTitleHints(Surface& s) {
  Display* d = x_.Get();
  const X11Atoms& a = x_.Atoms();
  const std::string& title = s.Options.Title;
  const int length = static_cast<int>(std::min<std::size_t>(title.size(), INT_MAX / 2));
  for (Atom property : {a.NetWmName, a.NetWmIconName})
    XChangeProperty(d, s.XWindow, property, a.Utf8String, 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(title.data()), length);
  // The old-style names, in whatever encoding Xlib picks for the text.
  std::string copy = title.substr(0, static_cast<std::size_t>(length));
  char* list[] = {copy.data()};
  XTextProperty text{};
  if (Xutf8TextListToTextProperty(d, list, 1, XStdICCTextStyle, &text) >= Success && text.value) {
    XSetWMName(d, s.XWindow, &text);
    XSetWMIconName(d, s.XWindow, &text);
    XFree(text.value);
  }
}

void X11Backend::SetNoActivate(SurfaceId id, bool noActivate) {
  Surface& s = Get(id);
  if (s.Options.NoActivate == noActivate) return;
  s.Options.NoActivate = noActivate;
  SetWmHints(s);
}

void X11Backend::SetAuxiliary(SurfaceId id, bool auxiliary) {
  Surface& s = Get(id);
  if (!s.SwitchAuxiliary(auxiliary)) return;
  // Window managers read the type at mapping; the states work at any time.
  SetWindowType(s);
  SetStateAtom(s, x_.Atoms().NetWmStateSkipTaskbar, auxiliary);
  SetStateAtom(s, x_.Atoms().NetWmStateSkipPager, auxiliary);
}

void X11Backend::SetOwner(SurfaceId id, SurfaceId owner) {
  Surface& s = Get(id);
  if (owner != kNoSurface) Get(owner);
  if (OwnerCycle(id, owner, [this](SurfaceId o) { return Get(o).Options.Owner; }))
    throw std::invalid_argument("surface " + std::to_string(owner) + " cannot own surface " +
                                std::to_string(id));
  if (s.Options.Owner == owner) return;
  s.Options.Owner = owner;
  SetTransientFor(s);
}

void X11Backend::SetActions(SurfaceId id, const WindowActions& actions) {
  Surface& s = Get(id);
  if (s.Options.Actions == actions) return;
  s.Options.Actions = actions;
  SetSizeHints(s);
  SetMotifHints(s);
}

void X11Backend::SetTitle(SurfaceId id, std::string_view utf8) {
  Surface& s = Get(id);
  s.Options.Title = utf8;
  SetTitleHints(s);
}

void X11Backend::SetIcon(SurfaceId id, std::span<const gfx::Bitmap> icons) {
  Surface& s = Get(id);
  Display* d = x_.Get();
  std::vector<long> data;
  for (const gfx::Bitmap& icon : icons) {
    if (icon.Empty() || icon.Width() > kMaxIconSide || icon.Height() > kMaxIconSide) continue;
    const gfx::Bitmap argb = icon.ConvertTo(gfx::PixelFormat::Bgra32);
    data.push_back(argb.Width());
    data.push_back(argb.Height());
    for (int y = 0; y < argb.Height(); ++y) {
      const std::uint8_t* row = argb.Scanline(y);
      for (int x = 0; x < argb.Width(); ++x) {
        const std::uint8_t* p = row + x * 4;
        data.push_back(static_cast<long>((std::uint32_t{p[3]} << 24) | (std::uint32_t{p[2]} << 16) |
                                         (std::uint32_t{p[1]} << 8) | p[0]));
      }
    }
  }
  if (data.empty())
    XDeleteProperty(d, s.XWindow, x_.Atoms().NetWmIcon);
  else
    SetCardinals(d, s.XWindow, x_.Atoms().NetWmIcon, data);
}

}  // namespace backend
