// Event translation and waiting for the X11 backend.
#include <poll.h>

#include <algorithm>
#include <climits>

#include "platform/backend/KeyText.h"
#include "platform/backend/X11Backend.h"
#include "platform/backend/X11Keys.h"

namespace backend {

namespace {

constexpr unsigned kButtonsMask = Button1Mask | Button2Mask | Button3Mask;

MouseButton ButtonOf(unsigned button) {
  switch (button) {
    case Button1: return MouseButton::Left;
    case Button2: return MouseButton::Middle;
    case Button3: return MouseButton::Right;
    default: return MouseButton::None;
  }
}

// Takes further queued events of `type` for `window` that follow at once,
// leaving `ev` as the latest; never reorders events.
void Compress(Display* d, XEvent& ev, int type) {
  XEvent next;
  while (XEventsQueued(d, QueuedAlready) > 0) {
    XPeekEvent(d, &next);
    if (next.type != type || next.xany.window != ev.xany.window) break;
    XNextEvent(d, &ev);
  }
}

}  // namespace

void X11Backend::Push(Event e) {
  e.Time = NowMs();
  events_.push_back(std::move(e));
}

void X11Backend::SetFocusTracked(SurfaceId id) {
  if (id == focus_) return;
  if (focus_ != kNoSurface) Push(SurfaceEvent(EventType::FocusOut, focus_));
  focus_ = id;
  if (id != kNoSurface) Push(SurfaceEvent(EventType::FocusIn, id));
}

void X11Backend::ReadXEvents() {
  Display* d = x_.Get();
  while (XPending(d) > 0) {
    XEvent ev;
    XNextEvent(d, &ev);
    if (XFilterEvent(&ev, kXNone)) continue;  // consumed by the input method
    Translate(ev);
  }
}

void X11Backend::Translate(XEvent& ev) {
  Display* d = x_.Get();
  switch (ev.type) {
    case MotionNotify: {
      Compress(d, ev, MotionNotify);
      lastEventTime_ = ev.xmotion.time;
      const SurfaceId id = capture_ != kNoSurface ? capture_ : IdOfWindow(ev.xmotion.window);
      if (id == kNoSurface) return;
      Event e = SurfaceEvent(EventType::MouseMove, id);
      e.Screen = {ev.xmotion.x_root, ev.xmotion.y_root};
      e.Modifiers = ModifiersOf(ev.xmotion.state);
      Push(e);
      return;
    }
    case ButtonPress:
    case ButtonRelease: OnButton(ev.xbutton, ev.type == ButtonPress); return;
    case KeyPress:
    case KeyRelease: OnKey(ev.xkey, ev.type == KeyPress); return;
    case LeaveNotify: {
      // Grab changes and drags are settled when the grab ends (OnButton,
      // ReleaseCapture), as on every backend.
      const XCrossingEvent& c = ev.xcrossing;
      if (c.mode != NotifyNormal || c.detail == NotifyInferior || capture_ != kNoSurface ||
          (c.state & kButtonsMask))
        return;
      const SurfaceId id = IdOfWindow(c.window);
      if (id == kNoSurface) return;
      Event e = SurfaceEvent(EventType::MouseLeave, id);
      e.Screen = {c.x_root, c.y_root};
      Push(e);
      return;
    }
    case kXFocusIn:
    case kXFocusOut: {
      const XFocusChangeEvent& f = ev.xfocus;
      if (f.mode == NotifyGrab || f.mode == NotifyUngrab || f.detail == NotifyPointer ||
          f.detail == NotifyPointerRoot || f.detail == NotifyDetailNone)
        return;
      const SurfaceId id = IdOfWindow(f.window);
      if (id == kNoSurface) return;
      Surface& s = Get(id);
      if (ev.type == kXFocusIn) {
        if (s.Ic) XSetICFocus(s.Ic);
        SetFocusTracked(id);
      } else {
        if (s.Ic) XUnsetICFocus(s.Ic);
        if (focus_ == id) SetFocusTracked(kNoSurface);
      }
      return;
    }
    case kXExpose: {
      Surface* s = FindWindow(ev.xexpose.window);
      if (!s) return;
      const gfx::Rect r =
          gfx::Rect::FromXYWH(ev.xexpose.x, ev.xexpose.y, ev.xexpose.width, ev.xexpose.height);
      s->Image->Put(s->XWindow, s->Gc, r);  // repaired from the retained pixels
      Event e = SurfaceEvent(EventType::Expose, IdOfWindow(ev.xexpose.window));
      e.Rect = r;
      Push(e);
      return;
    }
    case ConfigureNotify: OnConfigure(ev.xconfigure); return;
    case MapNotify:
      if (ev.xmap.event == ev.xmap.window) OnMapChange(ev.xmap.window, ev.xmap.serial, true);
      return;
    case UnmapNotify:
      if (ev.xunmap.event == ev.xunmap.window) OnMapChange(ev.xunmap.window, ev.xunmap.serial, false);
      return;
    case PropertyNotify: OnProperty(ev.xproperty); return;
    case ReparentNotify:
      if (Surface* s = FindWindow(ev.xreparent.window)) s->Parent = ev.xreparent.parent;
      return;
    case ClientMessage: OnClientMessage(ev.xclient); return;
    case SelectionRequest:
    case SelectionClear: clipboard_.Handle(ev); return;
    default: return;
  }
}

void X11Backend::OnButton(XButtonEvent& b, bool press) {
  lastEventTime_ = b.time;
  const SurfaceId id = capture_ != kNoSurface ? capture_ : IdOfWindow(b.window);
  if (id == kNoSurface) return;
  Event e;
  e.Surface = id;
  e.Screen = {b.x_root, b.y_root};
  e.Modifiers = ModifiersOf(b.state);
  if (b.button == Button4 || b.button == Button5) {
    if (!press) return;
    e.Type = EventType::MouseWheel;
    e.WheelDelta = b.button == Button4 ? kWheelDelta : -kWheelDelta;
    Push(e);
    return;
  }
  e.Button = ButtonOf(b.button);
  if (e.Button == MouseButton::None) return;
  e.Type = press ? EventType::MouseDown : EventType::MouseUp;
  if (press)
    e.Modifiers |= ButtonModifier(e.Button);
  else
    e.Modifiers &= ~ButtonModifier(e.Button);
  Push(e);
  // The implicit grab of a press ended: report the pointer gone if it was
  // released somewhere else.
  constexpr std::uint32_t kButtons = kModLeftButton | kModRightButton | kModMiddleButton;
  if (!press && capture_ == kNoSurface && (e.Modifiers & kButtons) == 0 && SurfaceAt(e.Screen) != id) {
    Event leave = SurfaceEvent(EventType::MouseLeave, id);
    leave.Screen = e.Screen;
    Push(leave);
  }
}

void X11Backend::OnKey(XKeyEvent& k, bool press) {
  lastEventTime_ = k.time;
  const SurfaceId id = IdOfWindow(k.window);
  if (id == kNoSurface) return;
  Surface& s = Get(id);
  Event e = SurfaceEvent(press ? EventType::KeyDown : EventType::KeyUp, id);
  e.Screen = {k.x_root, k.y_root};
  e.Key = VirtualKeyOf(k);
  e.Modifiers = ModifiersOf(k.state);  // the state before this key
  if (press)
    e.Modifiers |= ModifierOfKey(e.Key);
  else
    e.Modifiers &= ~ModifierOfKey(e.Key);
  if (!press) {
    keysDown_.erase(k.keycode);
    Push(e);
    return;
  }
  e.Repeat = !keysDown_.insert(k.keycode).second;

  KeySym keysym = NoSymbol;
  if (s.Ic) {
    std::string buffer(64, '\0');
    Status status = 0;
    int n = Xutf8LookupString(s.Ic, &k, buffer.data(), static_cast<int>(buffer.size()), &keysym, &status);
    if (status == XBufferOverflow && n > 0) {
      buffer.assign(static_cast<std::size_t>(n), '\0');
      n = Xutf8LookupString(s.Ic, &k, buffer.data(), n, &keysym, &status);
    }
    if ((status == XLookupChars || status == XLookupBoth) && n > 0)
      e.Text.assign(buffer.data(), static_cast<std::size_t>(n));
    else if (status == XLookupKeySym)
      e.Text = Utf8OfKeysym(keysym);
  } else {
    char latin1[32];
    const int n = XLookupString(&k, latin1, sizeof latin1, &keysym, nullptr);
    for (int i = 0; i < n; ++i) AppendUtf8(e.Text, static_cast<unsigned char>(latin1[i]));
  }
  // As on every backend: an Alt combination keeps the text the key types in
  // the current layout (accelerators are matched by it, Cyrillic included);
  // the toolkit types nothing with Alt. Delete types nothing.
  std::erase(e.Text, '\x7f');
  Push(e);
}

void X11Backend::OnConfigure(XConfigureEvent& c) {
  Display* d = x_.Get();
  // Takes the configure events of this window that follow at once and are
  // of the same kind (real or the window manager's), keeping the latest.
  XEvent next;
  while (XEventsQueued(d, QueuedAlready) > 0) {
    XPeekEvent(d, &next);
    if (next.type != ConfigureNotify || next.xconfigure.window != c.window ||
        (next.xconfigure.send_event != 0) != (c.send_event != 0))
      break;
    XNextEvent(d, &next);
    c = next.xconfigure;
  }
  Surface* s = FindWindow(c.window);
  if (!s) return;
  // Made before the server had our latest move: it tells nothing new.
  if (c.serial < s->MoveSerial) return;
  // A real event gives the position in the parent the window had when it
  // was made (ReparentNotify keeps Parent in step): screen coordinates while
  // that is the root. Inside a window manager's frame it tells only the
  // size; the manager's own events (screen coordinates) tell the position.
  const bool framed = !c.send_event && s->Parent != x_.Root();
  const gfx::Point origin = framed ? gfx::Point{s->Bounds.Left, s->Bounds.Top} : gfx::Point{c.x, c.y};
  const gfx::Rect got = gfx::Rect::FromXYWH(origin.X, origin.Y, c.width, c.height);
  auto confirmed = std::find(s->Requested.begin(), s->Requested.end(), got);
  if (confirmed != s->Requested.end()) {
    s->Requested.erase(s->Requested.begin(), confirmed + 1);  // older requests are settled too
    s->Settled = got;
    return;
  }
  // The window manager telling of the place the window had before our
  // moves, which it has not handled yet.
  if (!s->Requested.empty() && got == s->Settled) return;
  // A size we asked for, on its way: the manager's event settles it.
  if (framed && std::any_of(s->Requested.begin(), s->Requested.end(),
                            [&got](const gfx::Rect& r) { return r.GetSize() == got.GetSize(); }))
    return;
  if (got == s->Bounds) {  // restacking and the like
    s->Settled = got;
    return;
  }
  // The window manager placed or sized the window itself.
  gfx::Rect now = got;
  if (!s->Options.Actions.Resize && got.GetSize() != s->Bounds.GetSize()) {
    // A window that may not be resized goes back to its size, where the
    // manager put it.
    now = gfx::Rect::FromXYWH(got.Left, got.Top, s->Bounds.Width(), s->Bounds.Height());
    const bool moved = now != s->Bounds;
    s->Bounds = s->Settled = now;
    MoveResize(*s, now);
    if (!moved) return;
  } else {
    const bool resized = got.GetSize() != s->Bounds.GetSize();
    s->Bounds = s->Settled = got;
    if (resized) {
      s->Pixels.Resize(got.GetSize());
      EnsureImage(*s);
      if (s->Visible) s->Image->Put(s->XWindow, s->Gc, {0, 0, got.Width(), got.Height()});
    }
  }
  Event e = SurfaceEvent(EventType::Configure, IdOfWindow(c.window));
  e.Rect = now;
  Push(e);
}

void X11Backend::NoteMinimized(SurfaceId id, bool minimized) {
  Surface& s = Get(id);
  if (s.Minimized == minimized) return;
  s.Minimized = minimized;
  Push(WindowStateEvent(id, minimized));
}

// A shown window that someone else (the window manager) unmaps has been
// minimised; mapped again, it is restored.
void X11Backend::OnMapChange(Window w, unsigned long serial, bool mapped) {
  const SurfaceId id = IdOfWindow(w);
  if (id == kNoSurface) return;
  const Surface& s = Get(id);
  if (serial < s.StateSerial || !s.Visible) return;
  NoteMinimized(id, !mapped);
}

void X11Backend::OnProperty(const XPropertyEvent& p) {
  const X11Atoms& a = x_.Atoms();
  if (p.atom != a.WmState && p.atom != a.NetWmState) return;
  const SurfaceId id = IdOfWindow(p.window);
  if (id == kNoSurface) return;
  Surface& s = Get(id);
  if (p.atom == a.NetWmState) RefuseMaximized(s);
  if (p.serial < s.StateSerial || !s.Visible) return;
  if (const std::optional<bool> iconic = IconicByWindowManager(s)) NoteMinimized(id, *iconic);
}

// What the window manager says of the window: WM_STATE iconic or normal,
// or else _NET_WM_STATE_HIDDEN; nullopt when it says neither.
std::optional<bool> X11Backend::IconicByWindowManager(const Surface& s) {
  Display* d = x_.Get();
  const X11Atoms& a = x_.Atoms();
  Atom type = kXNone;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  std::optional<bool> iconic;
  if (XGetWindowProperty(d, s.XWindow, a.WmState, 0, 2, False, a.WmState, &type, &format, &count, &after,
                         &data) == Success &&
      data && format == 32 && count >= 1) {
    const long state = reinterpret_cast<const long*>(data)[0];
    if (state == IconicState || state == NormalState) iconic = state == IconicState;
  }
  if (data) XFree(data);
  if (iconic || type == a.WmState) return iconic;
  data = nullptr;
  if (XGetWindowProperty(d, s.XWindow, a.NetWmState, 0, 64, False, XA_ATOM, &type, &format, &count, &after,
                         &data) == Success &&
      data && format == 32) {
    const Atom* states = reinterpret_cast<const Atom*>(data);
    if (std::find(states, states + count, a.NetWmStateHidden) != states + count) iconic = true;
  }
  if (data) XFree(data);
  return iconic;
}

void X11Backend::OnClientMessage(XClientMessageEvent& m) {
  const X11Atoms& a = x_.Atoms();
  if (m.message_type != a.WmProtocols || m.format != 32) return;
  const Atom protocol = static_cast<Atom>(m.data.l[0]);
  if (protocol == a.WmDeleteWindow) {
    const SurfaceId id = IdOfWindow(m.window);
    if (id == kNoSurface) return;
    Push(SurfaceEvent(EventType::CloseRequest, id));
  } else if (protocol == a.NetWmPing) {
    XEvent reply;
    reply.xclient = m;
    reply.xclient.window = x_.Root();
    XSendEvent(x_.Get(), x_.Root(), False, SubstructureRedirectMask | SubstructureNotifyMask, &reply);
  }
}

void X11Backend::SetClipboardText(std::string utf8) { clipboard_.SetText(std::move(utf8)); }

std::optional<std::string> X11Backend::ClipboardText() {
  // Events that arrive while the owner answers are translated and queued.
  return clipboard_.Text([this](XEvent& ev) {
    if (!XFilterEvent(&ev, kXNone)) Translate(ev);
  });
}

bool X11Backend::PollEvent(Event& event) {
  if (events_.empty()) ReadXEvents();
  if (events_.empty()) return false;
  event = std::move(events_.front());
  events_.pop_front();
  return true;
}

WaitResult X11Backend::WaitEvent(std::optional<std::int64_t> deadlineMs) {
  Display* d = x_.Get();
  for (;;) {
    if (events_.empty()) ReadXEvents();
    if (!events_.empty()) return WaitResult::Event;
    if (wake_.Drain()) return WaitResult::Woken;
    XFlush(d);
    if (XEventsQueued(d, QueuedAlready) > 0) continue;  // read while flushing
    const std::int64_t now = NowMs();
    if (deadlineMs && now >= *deadlineMs) return WaitResult::Deadline;
    const int timeout =
        deadlineMs ? static_cast<int>(std::min<std::int64_t>(*deadlineMs - now, INT_MAX)) : -1;
    pollfd fds[2] = {{ConnectionNumber(d), POLLIN, 0}, {wake_.ReadFd(), POLLIN, 0}};
    poll(fds, 2, timeout);  // EINTR and spurious returns just loop
  }
}

}  // namespace backend
