#include "platform/backend/X11Backend.h"

#include "platform/backend/X11Headers.h"

#include <algorithm>
#include <chrono>
#include <stdexcept>

namespace backend {

namespace {

constexpr long kEventMask = ExposureMask | ButtonPressMask | ButtonReleaseMask | PointerMotionMask |
                            KeyPressMask | KeyReleaseMask | FocusChangeMask | StructureNotifyMask |
                            LeaveWindowMask | PropertyChangeMask;

// How many unconfirmed geometry requests a surface remembers.
constexpr std::size_t kMaxRequested = 32;

}  // namespace

X11Backend::X11Backend(const std::string& displayName, bool allowShm)
    : x_(displayName), clipboard_(x_.Get(), x_.Root()) {
  Display* d = x_.Get();
  // Windows blend only when a compositing manager runs; then every window
  // gets a 32-bit visual so that any of them may become layered.
  if (XGetSelectionOwner(d, x_.Atoms().NetWmCmS) != kXNone) {
    XVisualInfo info;
    if (XMatchVisualInfo(d, x_.Screen(), 32, TrueColor, &info)) {
      visual_ = info.visual;
      depth_ = 32;
      colormap_ = XCreateColormap(d, x_.Root(), visual_, AllocNone);
      ownColormap_ = true;
      argb_ = true;
    }
  }
  if (!argb_) {
    visual_ = DefaultVisual(d, x_.Screen());
    depth_ = DefaultDepth(d, x_.Screen());
    colormap_ = DefaultColormap(d, x_.Screen());
  }
  shm_ = allowShm && XShmQueryExtension(d) == True;
  XkbSetDetectableAutoRepeat(d, True, nullptr);  // repeats come as presses only
  XSetLocaleModifiers("");
  im_ = XOpenIM(d, nullptr, nullptr, nullptr);
  if (!im_) {
    XSetLocaleModifiers("@im=none");
    im_ = XOpenIM(d, nullptr, nullptr, nullptr);
  }
}

X11Backend::~X11Backend() {
  Display* d = x_.Get();
  if (capture_ != kNoSurface) XUngrabPointer(d, CurrentTime);
  for (auto& [id, s] : surfaces_) {
    if (s.Ic) XDestroyIC(s.Ic);
    s.Image.reset();
    XFreeGC(d, s.Gc);
    XDestroyWindow(d, s.XWindow);
  }
  surfaces_.clear();
  for (::Cursor c : cursors_)
    if (c) XFreeCursor(d, c);
  if (im_) XCloseIM(im_);
  if (ownColormap_) XFreeColormap(d, colormap_);
  XSync(d, False);
}

// --- Lookup --------------------------------------------------------------------

X11Backend::Surface& X11Backend::Get(SurfaceId id) {
  auto it = surfaces_.find(id);
  if (it == surfaces_.end()) throw std::invalid_argument("unknown surface " + std::to_string(id));
  return it->second;
}

const X11Backend::Surface& X11Backend::Get(SurfaceId id) const {
  auto it = surfaces_.find(id);
  if (it == surfaces_.end()) throw std::invalid_argument("unknown surface " + std::to_string(id));
  return it->second;
}

SurfaceId X11Backend::IdOfWindow(Window w) const {
  auto it = windows_.find(w);
  return it == windows_.end() ? kNoSurface : it->second;
}

X11Backend::Surface* X11Backend::FindWindow(Window w) {
  const SurfaceId id = IdOfWindow(w);
  return id == kNoSurface ? nullptr : &Get(id);
}

Window X11Backend::WindowOf(SurfaceId id) const { return Get(id).XWindow; }

bool X11Backend::WindowManagerRuns() const {
  const std::string wm = "WM_S" + std::to_string(x_.Screen());
  return XGetSelectionOwner(x_.Get(), XInternAtom(x_.Get(), wm.c_str(), False)) != kXNone;
}

// --- Surfaces --------------------------------------------------------------------

SurfaceId X11Backend::CreateSurface(const SurfaceOptions& options) {
  if (options.Owner != kNoSurface && surfaces_.count(options.Owner) == 0)
    throw std::invalid_argument("unknown owner surface " + std::to_string(options.Owner));
  Display* d = x_.Get();
  const SurfaceId id = nextId_++;
  Surface s(options);
  s.Settled = s.Bounds;
  const bool popup = options.Kind == SurfaceKind::Popup;
  if (popup) s.Options.Topmost = true;

  XSetWindowAttributes a{};
  a.background_pixmap = kXNone;  // exposed areas wait for our pixels, no black flash
  a.border_pixel = 0;
  a.colormap = colormap_;
  a.override_redirect = popup ? True : False;
  a.bit_gravity = NorthWestGravity;  // a resize keeps the pixels in place
  a.event_mask = kEventMask;
  const unsigned long mask =
      CWBackPixmap | CWBorderPixel | CWColormap | CWOverrideRedirect | CWBitGravity | CWEventMask;
  {
    X11ErrorTrap trap(d);
    s.XWindow =
        XCreateWindow(d, x_.Root(), s.Bounds.Left, s.Bounds.Top, static_cast<unsigned>(s.Bounds.Width()),
                      static_cast<unsigned>(s.Bounds.Height()), 0, depth_, InputOutput, visual_, mask, &a);
    if (trap.Failed() || !s.XWindow) throw std::runtime_error("the X server refused to create a window");
  }
  s.Parent = x_.Root();
  s.Gc = XCreateGC(d, s.XWindow, 0, nullptr);
  if (im_) {
    s.Ic = XCreateIC(im_, XNInputStyle, XIMPreeditNothing | XIMStatusNothing, XNClientWindow, s.XWindow,
                     XNFocusWindow, s.XWindow, nullptr);
    long imMask = 0;
    if (s.Ic && !XGetICValues(s.Ic, XNFilterEvents, &imMask, nullptr) && imMask)
      XSelectInput(d, s.XWindow, kEventMask | imMask);
  }
  if (options.ClickThrough) UpdateInputShape(s);
  SetInitialHints(s);

  auto& stored = surfaces_.emplace(id, std::move(s)).first->second;
  windows_[stored.XWindow] = id;
  order_.Add(id, stored.Options.Topmost);
  EnsureImage(stored);
  SyncStacking(id);
  return id;
}

void X11Backend::DestroySurface(SurfaceId id) {
  auto it = surfaces_.find(id);
  if (it == surfaces_.end()) return;
  Display* d = x_.Get();
  Surface& s = it->second;
  if (capture_ == id) {
    XUngrabPointer(d, CurrentTime);
    capture_ = kNoSurface;
  }
  if (focus_ == id) focus_ = kNoSurface;
  if (s.Ic) XDestroyIC(s.Ic);
  s.Image.reset();
  XFreeGC(d, s.Gc);
  XDestroyWindow(d, s.XWindow);
  windows_.erase(s.XWindow);
  surfaces_.erase(it);
  order_.Remove(id);
  for (auto& [other, o] : surfaces_)
    if (o.Options.Owner == id) o.Options.Owner = kNoSurface;
  std::erase_if(events_, [id](const Event& e) { return e.Surface == id; });
}

// The size hints follow first: a window manager places a window it maps by
// them, and holds a window that may not be resized to their size.
void X11Backend::MoveResize(Surface& s, const gfx::Rect& bounds) {
  SetSizeHints(s);
  s.Requested.push_back(bounds);
  if (s.Requested.size() > kMaxRequested) s.Requested.pop_front();
  s.MoveSerial = NextRequest(x_.Get());
  XMoveResizeWindow(x_.Get(), s.XWindow, bounds.Left, bounds.Top, static_cast<unsigned>(bounds.Width()),
                    static_cast<unsigned>(bounds.Height()));
}

void X11Backend::SetBounds(SurfaceId id, const gfx::Rect& bounds) {
  Surface& s = Get(id);
  const gfx::Rect b = SanitizeBounds(bounds);
  const bool resized = b.GetSize() != s.Bounds.GetSize();
  s.Bounds = b;
  MoveResize(s, b);
  if (resized) {
    s.Pixels.Resize(b.GetSize());
    EnsureImage(s);
    if (s.Visible) s.Image->Put(s.XWindow, s.Gc, {0, 0, b.Width(), b.Height()});
  }
}

gfx::Rect X11Backend::Bounds(SurfaceId id) const { return Get(id).Bounds; }

void X11Backend::Show(SurfaceId id, bool activate) {
  Surface& s = Get(id);
  Display* d = x_.Get();
  // A user time of 0 asks the window manager not to focus the new window.
  if (activate) {
    XDeleteProperty(d, s.XWindow, x_.Atoms().NetWmUserTime);
  } else {
    const long zero = 0;
    XChangeProperty(d, s.XWindow, x_.Atoms().NetWmUserTime, x_.Atoms().Cardinal, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&zero), 1);
  }
  const bool restore = s.Minimized;
  if (restore) {
    NoteMinimized(id, false);
    SetWmHints(s);  // maps in the normal state from now on
  }
  if (!s.Visible || restore) {
    if (!s.Visible) SetSizeHints(s);  // where the window manager is to put it
    s.Visible = true;
    s.StateSerial = NextRequest(d);
    XMapWindow(d, s.XWindow);  // for an iconic window: asks the window manager to restore it
    SyncStacking(id);
  }
  if (activate) Activate(id);
}

void X11Backend::Hide(SurfaceId id) {
  Surface& s = Get(id);
  if (!s.Visible) return;
  if (capture_ == id) ReleaseCapture();
  s.Visible = false;
  s.StateSerial = NextRequest(x_.Get());
  XWithdrawWindow(x_.Get(), s.XWindow, x_.Screen());
  PassFocusToOwner(id);
}

bool X11Backend::IsVisible(SurfaceId id) const { return Get(id).Visible; }

void X11Backend::Minimize(SurfaceId id) {
  Surface& s = Get(id);
  if (s.Minimized && s.Visible) return;
  Display* d = x_.Get();
  const bool mapped = s.Shown();
  if (capture_ == id) ReleaseCapture();
  s.Visible = true;
  NoteMinimized(id, true);
  s.StateSerial = NextRequest(d);
  if (s.Options.Kind != SurfaceKind::Popup && WindowManagerRuns()) {
    if (mapped) {
      XIconifyWindow(d, s.XWindow, x_.Screen());
    } else {
      SetWmHints(s);  // the initial state is iconic
      XMapWindow(d, s.XWindow);
    }
  } else if (mapped) {
    XUnmapWindow(d, s.XWindow);  // nobody else iconifies it
  }
  PassFocusToOwner(id);
}

bool X11Backend::IsMinimized(SurfaceId id) const { return Get(id).Minimized; }

// Like a window manager does for transient windows (and the headless
// backend for every owned one): the focus goes back to a visible owner.
void X11Backend::PassFocusToOwner(SurfaceId id) {
  const Surface& s = Get(id);
  if (focus_ == id && s.Options.Owner != kNoSurface && Get(s.Options.Owner).MayFocus())
    Activate(s.Options.Owner);
}

void X11Backend::Activate(SurfaceId id) {
  Surface& s = Get(id);
  if (!s.MayFocus()) return;
  Raise(id);
  Display* d = x_.Get();
  if (WindowManagerRuns()) {
    XEvent ev{};
    ev.xclient.type = ClientMessage;
    ev.xclient.window = s.XWindow;
    ev.xclient.message_type = x_.Atoms().NetActiveWindow;
    ev.xclient.format = 32;
    ev.xclient.data.l[0] = 1;  // from an application
    ev.xclient.data.l[1] = static_cast<long>(lastEventTime_);
    XSendEvent(d, x_.Root(), False, SubstructureRedirectMask | SubstructureNotifyMask, &ev);
  } else {
    // Without a window manager the window is viewable at once; a refusal
    // (not viewable yet) is not worth a message.
    X11ErrorTrap trap(d);
    XSetInputFocus(d, s.XWindow, RevertToParent, CurrentTime);
  }
}

// --- Stacking ------------------------------------------------------------------------

// Puts the X window where the model has it: directly below the surface above
// it, or on top. One rule serves every stacking operation.
void X11Backend::SyncStacking(SurfaceId id) {
  Surface& s = Get(id);
  XWindowChanges ch{};
  unsigned mask = CWStackMode;
  const SurfaceId above = order_.Above(id);
  if (above != kNoSurface) {
    ch.sibling = Get(above).XWindow;
    ch.stack_mode = kXBelow;
    mask |= CWSibling;
  } else {
    ch.stack_mode = kXAbove;
  }
  XReconfigureWMWindow(x_.Get(), s.XWindow, x_.Screen(), mask, &ch);
}

void X11Backend::Raise(SurfaceId id) {
  Get(id);
  order_.Raise(id);
  SyncStacking(id);
}

void X11Backend::Lower(SurfaceId id) {
  Get(id);
  order_.Lower(id);
  SyncStacking(id);
}

void X11Backend::PlaceAbove(SurfaceId id, SurfaceId sibling) {
  Surface& s = Get(id);
  Get(sibling);
  order_.PlaceAbove(id, sibling);
  Restacked(id, s);
}

void X11Backend::PlaceBelow(SurfaceId id, SurfaceId sibling) {
  Surface& s = Get(id);
  Get(sibling);
  order_.PlaceBelow(id, sibling);
  Restacked(id, s);
}

// After the model placed `id` beside a sibling, which may have moved it to
// the other band.
void X11Backend::Restacked(SurfaceId id, Surface& s) {
  if (order_.IsTopmost(id) != s.Options.Topmost) {
    s.Options.Topmost = order_.IsTopmost(id);
    SetStateAtom(s, x_.Atoms().NetWmStateAbove, s.Options.Topmost);
  }
  SyncStacking(id);
}

void X11Backend::SetTopmost(SurfaceId id, bool topmost) {
  Surface& s = Get(id);
  s.Options.Topmost = topmost;
  SetStateAtom(s, x_.Atoms().NetWmStateAbove, topmost);
  order_.SetTopmost(id, topmost);
  SyncStacking(id);
}

bool X11Backend::IsTopmost(SurfaceId id) const {
  Get(id);
  return order_.IsTopmost(id);
}

SurfaceId X11Backend::SurfaceAt(gfx::Point screen) const { return SurfaceBelow(screen, kNoSurface); }

SurfaceId X11Backend::SurfaceBelow(gfx::Point screen, SurfaceId above) const {
  if (above != kNoSurface) Get(above);
  for (SurfaceId id = order_.Below(above); id != kNoSurface; id = order_.Below(id))
    if (Get(id).TakesMouseAt(screen, argb_)) return id;
  return kNoSurface;
}

// --- Pointer and cursor --------------------------------------------------------------------

// The server sends the motion and crossing events of the warp.
void X11Backend::SetPointerPosition(gfx::Point screen) {
  XWarpPointer(x_.Get(), kXNone, x_.Root(), 0, 0, 0, 0, screen.X, screen.Y);
  XFlush(x_.Get());
}

gfx::Point X11Backend::PointerPosition() const {
  Window rootReturn, child;
  int rx = 0, ry = 0, wx, wy;
  unsigned mask;
  XQueryPointer(x_.Get(), x_.Root(), &rootReturn, &child, &rx, &ry, &wx, &wy, &mask);
  return {rx, ry};
}

void X11Backend::SetCapture(SurfaceId id) {
  Surface& s = Get(id);
  // Even if another client holds a grab, events that reach our windows are
  // still handed to the capturing surface.
  XGrabPointer(x_.Get(), s.XWindow, False, ButtonPressMask | ButtonReleaseMask | PointerMotionMask,
               GrabModeAsync, GrabModeAsync, kXNone, kXNone, CurrentTime);
  capture_ = id;
}

void X11Backend::ReleaseCapture() {
  if (capture_ == kNoSurface) return;
  const SurfaceId held = capture_;
  capture_ = kNoSurface;
  XUngrabPointer(x_.Get(), CurrentTime);
  if (SurfaceAt(PointerPosition()) != held) {
    Event e = SurfaceEvent(EventType::MouseLeave, held);
    e.Screen = PointerPosition();
    Push(e);
  }
}

void X11Backend::SetCursor(SurfaceId id, Cursor cursor) {
  Surface& s = Get(id);
  s.PointerCursor = cursor;
  static constexpr unsigned kShapes[] = {XC_left_ptr,
                                         XC_xterm,
                                         XC_watch,
                                         XC_crosshair,
                                         XC_bottom_right_corner,
                                         XC_bottom_left_corner,
                                         XC_sb_h_double_arrow,
                                         XC_sb_v_double_arrow,
                                         XC_fleur,
                                         XC_hand2,
                                         XC_X_cursor};
  static_assert(std::size(kShapes) == std::tuple_size_v<decltype(cursors_)>);
  const auto i = static_cast<std::size_t>(cursor);
  if (i >= cursors_.size()) return;
  if (!cursors_[i]) cursors_[i] = XCreateFontCursor(x_.Get(), kShapes[i]);
  XDefineCursor(x_.Get(), s.XWindow, cursors_[i]);
}

}  // namespace backend
