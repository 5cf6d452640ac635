#include "platform/backend/X11Backend.h"

#include "platform/backend/X11Headers.h"

#include <algorithm>
#include <chrono>
#include <climits>
#include <stdexcept>

#include "platform/backend/Compose.h"

namespace backend {

namespace {

constexpr long kEventMask = ExposureMask | ButtonPressMask | ButtonReleaseMask | PointerMotionMask |
                            KeyPressMask | KeyReleaseMask | FocusChangeMask | StructureNotifyMask |
                            LeaveWindowMask;

// How many unconfirmed geometry requests a surface remembers.
constexpr std::size_t kMaxRequested = 32;
// More input-shape rectangles than this and the whole window takes input.
constexpr std::size_t kMaxInputRects = 20000;

}  // namespace

X11Backend::X11Backend(const std::string& displayName, bool allowShm) : x_(displayName) {
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
  if (options.ClickThrough)
    XShapeCombineRectangles(d, s.XWindow, ShapeInput, 0, 0, nullptr, 0, ShapeSet, Unsorted);
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

void X11Backend::MoveResize(Surface& s, const gfx::Rect& bounds) {
  s.Requested.push_back(bounds);
  if (s.Requested.size() > kMaxRequested) s.Requested.pop_front();
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
  if (!s.Visible) {
    s.Visible = true;
    XMapWindow(d, s.XWindow);
    SyncStacking(id);
  }
  if (activate) Activate(id);
}

void X11Backend::Hide(SurfaceId id) {
  Surface& s = Get(id);
  if (!s.Visible) return;
  if (capture_ == id) ReleaseCapture();
  s.Visible = false;
  XWithdrawWindow(x_.Get(), s.XWindow, x_.Screen());
  // Like a window manager does for transient windows (and the headless
  // backend for every owned one): the focus goes back to a visible owner.
  if (focus_ == id && s.Options.Owner != kNoSurface && Get(s.Options.Owner).MayFocus())
    Activate(s.Options.Owner);
}

bool X11Backend::IsVisible(SurfaceId id) const { return Get(id).Visible; }

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
  if (order_.IsTopmost(id) != s.Options.Topmost) {
    s.Options.Topmost = order_.IsTopmost(id);
    SetStateAtom(s, x_.Atoms().NetWmStateAbove, s.Options.Topmost);
  }
  SyncStacking(id);
}

void X11Backend::PlaceBelow(SurfaceId id, SurfaceId sibling) {
  Surface& s = Get(id);
  Get(sibling);
  order_.PlaceBelow(id, sibling);
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

SurfaceId X11Backend::SurfaceAt(gfx::Point screen) const {
  const std::vector<SurfaceId> ids = order_.BottomFirst();
  for (auto it = ids.rbegin(); it != ids.rend(); ++it)
    if (Get(*it).TakesMouseAt(screen, argb_)) return *it;
  return kNoSurface;
}

// --- Pixels ------------------------------------------------------------------------------

void X11Backend::EnsureImage(Surface& s) {
  const gfx::Size size = s.Pixels.GetSize();
  if (s.Image && s.Image->GetSize() == size) return;
  s.Image.reset();
  s.Image = std::make_unique<X11Image>(x_.Get(), visual_, depth_, size, shm_, argb_);
  if (shm_ && !s.Image->UsesShm()) shm_ = false;  // the server cannot share memory with us
  s.Image->Convert(s.Pixels.Pixels(), {0, 0, size.Width, size.Height}, s.ConstantAlpha);
}

void X11Backend::Upload(Surface& s, const gfx::Rect& rect) {
  EnsureImage(s);
  s.Image->Convert(s.Pixels.Pixels(), rect, s.ConstantAlpha);
  if (s.Visible) s.Image->Put(s.XWindow, s.Gc, rect);
}

void X11Backend::Present(SurfaceId id, const gfx::Bitmap& buffer, const gfx::Rect& rect) {
  Surface& s = Get(id);
  const gfx::Rect r = s.Pixels.Present(buffer, rect);
  if (r.IsEmpty()) return;
  Upload(s, r);
  if (s.Picture) UpdateInputShape(s);
}

void X11Backend::SetShape(SurfaceId id, const gfx::Region& shape) {
  Surface& s = Get(id);
  s.Shape = shape;
  std::vector<XRectangle> rects;
  rects.reserve(shape.Rects().size());
  for (const gfx::Rect& r : shape.Rects()) {
    // XRectangle holds 16-bit values; clip to what a window can have.
    const gfx::Rect c = gfx::Intersect(r, {-32768, -32768, 32767, 32767});
    if (c.IsEmpty()) continue;
    rects.push_back({static_cast<short>(c.Left), static_cast<short>(c.Top),
                     static_cast<unsigned short>(c.Width()), static_cast<unsigned short>(c.Height())});
  }
  XShapeCombineRectangles(x_.Get(), s.XWindow, ShapeBounding, 0, 0, rects.data(),
                          static_cast<int>(rects.size()), ShapeSet, YXBanded);
}

void X11Backend::ClearShape(SurfaceId id) {
  Surface& s = Get(id);
  s.Shape.reset();
  XShapeCombineMask(x_.Get(), s.XWindow, ShapeBounding, 0, 0, kXNone, ShapeSet);
}

// Clicks pass through fully transparent pixels of a blended window, as they
// do through the holes of its shape.
void X11Backend::UpdateInputShape(Surface& s) {
  Display* d = x_.Get();
  if (s.Options.ClickThrough || !argb_) return;
  const gfx::Bitmap& px = s.Pixels.Pixels();
  std::vector<XRectangle> rects;
  bool everything = true;
  for (int y = 0; y < px.Height() && rects.size() <= kMaxInputRects; ++y) {
    const std::uint8_t* row = px.Scanline(y);
    int x = 0;
    while (x < px.Width()) {
      while (x < px.Width() && MulDiv255(row[x * 4 + 3], s.ConstantAlpha) == 0) {
        everything = false;
        ++x;
      }
      const int start = x;
      while (x < px.Width() && MulDiv255(row[x * 4 + 3], s.ConstantAlpha) != 0) ++x;
      if (x > start)
        rects.push_back(
            {static_cast<short>(start), static_cast<short>(y), static_cast<unsigned short>(x - start), 1});
    }
  }
  if (everything || rects.size() > kMaxInputRects)
    XShapeCombineMask(d, s.XWindow, ShapeInput, 0, 0, kXNone, ShapeSet);
  else
    XShapeCombineRectangles(d, s.XWindow, ShapeInput, 0, 0, rects.data(), static_cast<int>(rects.size()),
                            ShapeSet, YXSorted);
}

void X11Backend::UpdateLayered(SurfaceId id, const gfx::Bitmap& picture, gfx::Point position, gfx::Size size,
                               std::uint8_t constantAlpha) {
  Surface& s = Get(id);
  const gfx::Rect b = SanitizeBounds(gfx::Rect::FromXYWH(position.X, position.Y, size.Width, size.Height));
  const bool empty = size.Width <= 0 || size.Height <= 0;  // a 1x1 window that shows nothing
  s.Pixels.Replace(empty ? gfx::Bitmap() : picture, b.GetSize());
  s.ConstantAlpha = constantAlpha;
  s.Picture = true;
  if (b != s.Bounds) {
    s.Bounds = b;
    MoveResize(s, b);
  }
  Upload(s, {0, 0, b.Width(), b.Height()});
  UpdateInputShape(s);
}

void X11Backend::SetConstantAlpha(SurfaceId id, std::uint8_t alpha) {
  Surface& s = Get(id);
  if (s.ConstantAlpha == alpha) return;
  s.ConstantAlpha = alpha;
  if (!argb_) return;
  Upload(s, {0, 0, s.Bounds.Width(), s.Bounds.Height()});
  UpdateInputShape(s);
}

// --- Pointer and cursor --------------------------------------------------------------------

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
    Event e;
    e.Type = EventType::MouseLeave;
    e.Surface = held;
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

// --- Screen ------------------------------------------------------------------------------------

gfx::Size X11Backend::ScreenSize() const {
  return {DisplayWidth(x_.Get(), x_.Screen()), DisplayHeight(x_.Get(), x_.Screen())};
}

int X11Backend::ScreenDepth() const { return DefaultDepth(x_.Get(), x_.Screen()); }

namespace {

// Reads a CARDINAL[] property of the root window.
std::vector<long> RootCardinals(Display* d, Window root, Atom property, Atom cardinal, long maxItems) {
  Atom type = kXNone;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  std::vector<long> out;
  if (XGetWindowProperty(d, root, property, 0, maxItems, False, cardinal, &type, &format, &count, &after,
                         &data) == Success &&
      type == cardinal && format == 32 && data) {
    const long* values = reinterpret_cast<const long*>(data);  // format-32 data comes as longs
    out.assign(values, values + count);
  }
  if (data) XFree(data);
  return out;
}

}  // namespace

gfx::Rect X11Backend::WorkArea() const {
  const gfx::Size size = ScreenSize();
  const gfx::Rect screen{0, 0, size.Width, size.Height};
  const X11Atoms& a = x_.Atoms();
  const std::vector<long> desktop = RootCardinals(x_.Get(), x_.Root(), a.NetCurrentDesktop, a.Cardinal, 1);
  const long index = desktop.empty() ? 0 : desktop[0];
  const std::vector<long> areas = RootCardinals(x_.Get(), x_.Root(), a.NetWorkarea, a.Cardinal, 4 * 64);
  if (index < 0 || static_cast<std::size_t>(index) * 4 + 4 > areas.size()) return screen;
  const long* v = &areas[static_cast<std::size_t>(index) * 4];
  if (v[0] < INT_MIN / 2 || v[0] > INT_MAX / 2 || v[1] < INT_MIN / 2 || v[1] > INT_MAX / 2 || v[2] <= 0 ||
      v[2] > INT_MAX / 2 || v[3] <= 0 || v[3] > INT_MAX / 2)
    return screen;
  const gfx::Rect r = gfx::Intersect(gfx::Rect::FromXYWH(static_cast<int>(v[0]), static_cast<int>(v[1]),
                                                         static_cast<int>(v[2]), static_cast<int>(v[3])),
                                     screen);
  return r.IsEmpty() ? screen : r;
}

std::vector<Monitor> X11Backend::Monitors() const {
  Monitor m;
  const gfx::Size size = ScreenSize();
  m.Bounds = {0, 0, size.Width, size.Height};
  m.WorkArea = WorkArea();
  m.Primary = true;
  return {m};
}

// --- Time ----------------------------------------------------------------------------------------

std::int64_t X11Backend::NowMs() const {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

void X11Backend::Flush() { XFlush(x_.Get()); }

}  // namespace backend
