#include "platform/backend/HeadlessBackend.h"

#include <algorithm>
#include <stdexcept>

#include "platform/backend/Compose.h"
#include "platform/backend/KeyText.h"
#include "platform/gfx/PngWriter.h"

namespace backend {

HeadlessBackend::HeadlessBackend(const HeadlessOptions& options)
    : options_(options), clock_(options.StartMs) {
  options_.ScreenSize = SanitizeSize(options_.ScreenSize);
}

HeadlessBackend::~HeadlessBackend() = default;

// --- Lookup ------------------------------------------------------------------

HeadlessBackend::Surface* HeadlessBackend::Find(SurfaceId id) {
  auto it = surfaces_.find(id);
  return it == surfaces_.end() ? nullptr : &it->second;
}

const HeadlessBackend::Surface* HeadlessBackend::Find(SurfaceId id) const {
  auto it = surfaces_.find(id);
  return it == surfaces_.end() ? nullptr : &it->second;
}

HeadlessBackend::Surface& HeadlessBackend::Get(SurfaceId id) {
  Surface* s = Find(id);
  if (!s) throw std::invalid_argument("unknown surface " + std::to_string(id));
  return *s;
}

const HeadlessBackend::Surface& HeadlessBackend::Get(SurfaceId id) const {
  const Surface* s = Find(id);
  if (!s) throw std::invalid_argument("unknown surface " + std::to_string(id));
  return *s;
}

// --- Surfaces ------------------------------------------------------------------

SurfaceId HeadlessBackend::CreateSurface(const SurfaceOptions& options) {
  if (options.Owner != kNoSurface && !Find(options.Owner))
    throw std::invalid_argument("unknown owner surface " + std::to_string(options.Owner));
  const SurfaceId id = nextId_++;
  Surface& s = surfaces_.emplace(id, Surface(options)).first->second;
  // Menus stay above ordinary windows, as they do on every desktop.
  if (options.Kind == SurfaceKind::Popup) s.Options.Topmost = true;
  order_.Add(id, s.Options.Topmost);
  return id;
}

void HeadlessBackend::LoseSurface(SurfaceId id) {
  if (capture_ == id) capture_ = kNoSurface;
  if (pressed_ == id) pressed_ = kNoSurface;
  if (hover_ == id) {
    Push(MouseEvent(EventType::MouseLeave, id));
    hover_ = kNoSurface;
  }
  if (focus_ == id) {
    // Like a window manager: the focus falls back to a visible owner.
    const SurfaceId owner = Get(id).Options.Owner;
    const Surface* o = Find(owner);
    SetFocus(o && o->MayFocus() ? owner : kNoSurface);
  }
}

void HeadlessBackend::DestroySurface(SurfaceId id) {
  if (!Find(id)) return;
  LoseSurface(id);
  surfaces_.erase(id);
  order_.Remove(id);
  for (auto& [other, s] : surfaces_)
    if (s.Options.Owner == id) s.Options.Owner = kNoSurface;
  std::erase_if(events_, [id](const Event& e) { return e.Surface == id; });
}

void HeadlessBackend::SetBounds(SurfaceId id, const gfx::Rect& bounds) {
  Surface& s = Get(id);
  s.Bounds = SanitizeBounds(bounds);
  s.Pixels.Resize(s.Bounds.GetSize());
}

gfx::Rect HeadlessBackend::Bounds(SurfaceId id) const { return Get(id).Bounds; }

void HeadlessBackend::Show(SurfaceId id, bool activate) {
  Get(id).Visible = true;
  if (activate) Activate(id);
}

void HeadlessBackend::Hide(SurfaceId id) {
  Surface& s = Get(id);
  if (!s.Visible) return;
  LoseSurface(id);
  s.Visible = false;
}

bool HeadlessBackend::IsVisible(SurfaceId id) const { return Get(id).Visible; }

void HeadlessBackend::Activate(SurfaceId id) {
  if (!Get(id).MayFocus()) return;
  Raise(id);
  SetFocus(id);
}

void HeadlessBackend::SetFocus(SurfaceId id) {
  if (id == focus_) return;
  if (focus_ != kNoSurface) {
    Event e;
    e.Type = EventType::FocusOut;
    e.Surface = focus_;
    Push(e);
  }
  focus_ = id;
  if (id != kNoSurface) {
    Event e;
    e.Type = EventType::FocusIn;
    e.Surface = id;
    Push(e);
  }
}

// --- Stacking ------------------------------------------------------------------

void HeadlessBackend::Raise(SurfaceId id) {
  Get(id);
  order_.Raise(id);
}

void HeadlessBackend::Lower(SurfaceId id) {
  Get(id);
  order_.Lower(id);
}

void HeadlessBackend::PlaceAbove(SurfaceId id, SurfaceId sibling) {
  Surface& s = Get(id);
  Get(sibling);
  order_.PlaceAbove(id, sibling);
  s.Options.Topmost = order_.IsTopmost(id);
}

void HeadlessBackend::PlaceBelow(SurfaceId id, SurfaceId sibling) {
  Surface& s = Get(id);
  Get(sibling);
  order_.PlaceBelow(id, sibling);
  s.Options.Topmost = order_.IsTopmost(id);
}

void HeadlessBackend::SetTopmost(SurfaceId id, bool topmost) {
  Get(id).Options.Topmost = topmost;
  order_.SetTopmost(id, topmost);
}

bool HeadlessBackend::IsTopmost(SurfaceId id) const {
  Get(id);
  return order_.IsTopmost(id);
}

SurfaceId HeadlessBackend::SurfaceAt(gfx::Point screen) const {
  const std::vector<SurfaceId> ids = order_.BottomFirst();
  for (auto it = ids.rbegin(); it != ids.rend(); ++it)
    if (Get(*it).TakesMouseAt(screen, options_.LayeredAvailable)) return *it;
  return kNoSurface;
}

// --- Hints -----------------------------------------------------------------------

void HeadlessBackend::SetTitle(SurfaceId id, std::string_view utf8) { Get(id).Options.Title = utf8; }

void HeadlessBackend::SetIcon(SurfaceId id, std::span<const gfx::Bitmap> icons) {
  Get(id).Icons = icons.size();
}

void HeadlessBackend::SetCursor(SurfaceId id, Cursor cursor) { Get(id).PointerCursor = cursor; }

// --- Pixels ------------------------------------------------------------------------

void HeadlessBackend::Present(SurfaceId id, const gfx::Bitmap& buffer, const gfx::Rect& rect) {
  Get(id).Pixels.Present(buffer, rect);
}

void HeadlessBackend::SetShape(SurfaceId id, const gfx::Region& shape) { Get(id).Shape = shape; }

void HeadlessBackend::ClearShape(SurfaceId id) { Get(id).Shape.reset(); }

void HeadlessBackend::UpdateLayered(SurfaceId id, const gfx::Bitmap& picture, gfx::Point position,
                                    gfx::Size size, std::uint8_t constantAlpha) {
  Surface& s = Get(id);
  s.Bounds = SanitizeBounds(gfx::Rect::FromXYWH(position.X, position.Y, size.Width, size.Height));
  // A 0x0 size keeps a 1x1 surface that shows nothing.
  const bool empty = size.Width <= 0 || size.Height <= 0;
  s.Pixels.Replace(empty ? gfx::Bitmap() : picture, s.Bounds.GetSize());
  s.ConstantAlpha = constantAlpha;
}

void HeadlessBackend::SetConstantAlpha(SurfaceId id, std::uint8_t alpha) { Get(id).ConstantAlpha = alpha; }

// --- Events ------------------------------------------------------------------------

void HeadlessBackend::Push(Event e) {
  e.Time = clock_.load();
  events_.push_back(std::move(e));
}

bool HeadlessBackend::PollEvent(Event& event) {
  if (events_.empty()) return false;
  event = std::move(events_.front());
  events_.pop_front();
  return true;
}

Event HeadlessBackend::MouseEvent(EventType type, SurfaceId target) const {
  Event e;
  e.Type = type;
  e.Surface = target;
  e.Screen = pointer_;
  e.Modifiers = modifiers_;
  return e;
}

SurfaceId HeadlessBackend::MouseTarget() const {
  if (capture_ != kNoSurface) return capture_;
  if (pressed_ != kNoSurface) return pressed_;
  return hover_;
}

void HeadlessBackend::TrackPointer(gfx::Point at) {
  pointer_ = at;
  if (capture_ != kNoSurface || pressed_ != kNoSurface) return;
  const SurfaceId under = SurfaceAt(at);
  if (under == hover_) return;
  if (hover_ != kNoSurface) Push(MouseEvent(EventType::MouseLeave, hover_));
  hover_ = under;
}

// After a capture or an implicit grab ends, the pointer may be over another
// surface than the one that had the mouse.
void HeadlessBackend::EndGrab() {
  if (capture_ != kNoSurface || pressed_ != kNoSurface) return;
  TrackPointer(pointer_);
}

void HeadlessBackend::SetCapture(SurfaceId id) {
  Get(id);
  if (hover_ != kNoSurface && hover_ != id) Push(MouseEvent(EventType::MouseLeave, hover_));
  capture_ = id;
  hover_ = id;
}

void HeadlessBackend::ReleaseCapture() {
  if (capture_ == kNoSurface) return;
  capture_ = kNoSurface;
  EndGrab();
}

void HeadlessBackend::InjectMouseMove(gfx::Point at) {
  TrackPointer(at);
  if (const SurfaceId target = MouseTarget()) Push(MouseEvent(EventType::MouseMove, target));
}

void HeadlessBackend::InjectMouseDown(gfx::Point at, MouseButton button) {
  if (at != pointer_)
    InjectMouseMove(at);
  else
    TrackPointer(at);  // stacking may have changed under a still pointer
  if (capture_ == kNoSurface && pressed_ == kNoSurface) {
    const SurfaceId under = SurfaceAt(at);
    if (under == kNoSurface) {
      SetFocus(kNoSurface);
    } else if (Get(under).MayFocus()) {
      Raise(under);
      SetFocus(under);
    }
    pressed_ = under;
  }
  modifiers_ |= ButtonModifier(button);
  if (const SurfaceId target = MouseTarget()) {
    Event e = MouseEvent(EventType::MouseDown, target);
    e.Button = button;
    Push(e);
  }
}

void HeadlessBackend::InjectMouseUp(gfx::Point at, MouseButton button) {
  if (at != pointer_)
    InjectMouseMove(at);
  else
    TrackPointer(at);  // stacking may have changed under a still pointer
  modifiers_ &= ~ButtonModifier(button);
  if (const SurfaceId target = MouseTarget()) {
    Event e = MouseEvent(EventType::MouseUp, target);
    e.Button = button;
    Push(e);
  }
  if ((modifiers_ & (kModLeftButton | kModRightButton | kModMiddleButton)) == 0) {
    pressed_ = kNoSurface;
    EndGrab();
  }
}

void HeadlessBackend::InjectClick(gfx::Point at, MouseButton button) {
  InjectMouseDown(at, button);
  InjectMouseUp(at, button);
}

void HeadlessBackend::InjectMouseWheel(gfx::Point at, int delta) {
  if (at != pointer_)
    InjectMouseMove(at);
  else
    TrackPointer(at);  // stacking may have changed under a still pointer
  if (const SurfaceId target = MouseTarget()) {
    Event e = MouseEvent(EventType::MouseWheel, target);
    e.WheelDelta = delta;
    Push(e);
  }
}

void HeadlessBackend::InjectKeyDown(int key, std::optional<std::string> text, bool repeat) {
  modifiers_ |= ModifierOfKey(key);
  if (focus_ == kNoSurface) return;
  Event e;
  e.Type = EventType::KeyDown;
  e.Surface = focus_;
  e.Screen = pointer_;
  e.Modifiers = modifiers_;
  e.Key = key;
  e.Repeat = repeat;
  e.Text = text ? *text : DefaultKeyText(key, modifiers_);
  Push(e);
}

void HeadlessBackend::InjectKeyUp(int key) {
  modifiers_ &= ~ModifierOfKey(key);
  if (focus_ == kNoSurface) return;
  Event e;
  e.Type = EventType::KeyUp;
  e.Surface = focus_;
  e.Screen = pointer_;
  e.Modifiers = modifiers_;
  e.Key = key;
  Push(e);
}

void HeadlessBackend::InjectKey(int key) {
  InjectKeyDown(key);
  InjectKeyUp(key);
}

void HeadlessBackend::InjectCloseRequest(SurfaceId id) {
  Get(id);
  Event e;
  e.Type = EventType::CloseRequest;
  e.Surface = id;
  Push(e);
}

// --- Screen ------------------------------------------------------------------------

gfx::Rect HeadlessBackend::WorkArea() const {
  const gfx::Rect screen{0, 0, options_.ScreenSize.Width, options_.ScreenSize.Height};
  if (options_.WorkArea.IsEmpty()) return screen;
  const gfx::Rect r = gfx::Intersect(options_.WorkArea, screen);
  return r.IsEmpty() ? screen : r;
}

std::vector<Monitor> HeadlessBackend::Monitors() const {
  Monitor m;
  m.Bounds = {0, 0, options_.ScreenSize.Width, options_.ScreenSize.Height};
  m.WorkArea = WorkArea();
  m.Primary = true;
  return {m};
}

// --- Time ------------------------------------------------------------------------

WaitResult HeadlessBackend::WaitEvent(std::optional<std::int64_t> deadlineMs) {
  if (!events_.empty()) return WaitResult::Event;
  std::unique_lock lock(wakeMutex_);
  if (!woken_ && deadlineMs) {
    if (*deadlineMs > clock_.load()) clock_.store(*deadlineMs);
    return WaitResult::Deadline;
  }
  wakeCond_.wait(lock, [this] { return woken_; });
  woken_ = false;
  return WaitResult::Woken;
}

void HeadlessBackend::Wake() {
  {
    std::lock_guard lock(wakeMutex_);
    woken_ = true;
  }
  wakeCond_.notify_all();
}

void HeadlessBackend::AdvanceClock(std::int64_t ms) {
  if (ms < 0) throw std::invalid_argument("the clock cannot run backwards");
  clock_.fetch_add(ms);
}

// --- Reading the screen ---------------------------------------------------------------

gfx::Bitmap HeadlessBackend::Screenshot() const {
  const gfx::Size size = options_.ScreenSize;
  gfx::Bitmap screen(size.Width, size.Height, gfx::PixelFormat::Bgr24);
  for (int y = 0; y < size.Height; ++y) {
    std::uint8_t* row = screen.Scanline(y);
    for (int x = 0; x < size.Width; ++x) {
      row[x * 3 + 0] = static_cast<std::uint8_t>(gfx::GetB(options_.Desktop));
      row[x * 3 + 1] = static_cast<std::uint8_t>(gfx::GetG(options_.Desktop));
      row[x * 3 + 2] = static_cast<std::uint8_t>(gfx::GetR(options_.Desktop));
    }
  }
  for (SurfaceId id : order_.BottomFirst()) {
    const Surface& s = Get(id);
    if (!s.Visible) continue;
    BlendOnto(screen, s.Pixels.Pixels(), s.Bounds.TopLeft(), s.Shape,
              options_.LayeredAvailable ? s.ConstantAlpha : 255, !options_.LayeredAvailable);
  }
  return screen;
}

gfx::Color HeadlessBackend::ScreenPixel(gfx::Point at) const {
  const gfx::Size size = options_.ScreenSize;
  if (at.X < 0 || at.Y < 0 || at.X >= size.Width || at.Y >= size.Height) return gfx::clBlack;
  gfx::Bitmap pixel(1, 1, gfx::PixelFormat::Bgr24);
  pixel.SetPixelAt(0, 0, options_.Desktop);
  for (SurfaceId id : order_.BottomFirst()) {
    const Surface& s = Get(id);
    if (!s.Visible || !s.Bounds.Contains(at)) continue;
    BlendOnto(pixel, s.Pixels.Pixels(), {s.Bounds.Left - at.X, s.Bounds.Top - at.Y}, s.Shape,
              options_.LayeredAvailable ? s.ConstantAlpha : 255, !options_.LayeredAvailable);
  }
  return pixel.PixelAt(0, 0);
}

gfx::Bitmap HeadlessBackend::SurfaceImage(SurfaceId id) const {
  const Surface& s = Get(id);
  gfx::Bitmap image = s.Pixels.Pixels();
  const bool layered = options_.LayeredAvailable;
  for (int y = 0; y < image.Height(); ++y) {
    std::uint8_t* row = image.Scanline(y);
    for (int x = 0; x < image.Width(); ++x) {
      std::uint8_t& a = row[x * 4 + 3];
      if (!s.InShape({x, y}))
        a = 0;
      else
        a = layered ? static_cast<std::uint8_t>(MulDiv255(a, s.ConstantAlpha)) : 255;
    }
  }
  return image;
}

void HeadlessBackend::SaveScreenshot(const std::string& path) const { gfx::SavePng(Screenshot(), path); }

void HeadlessBackend::SaveSurfaceScreenshot(SurfaceId id, const std::string& path) const {
  gfx::SavePng(SurfaceImage(id), path);
}

// --- Inspection ---------------------------------------------------------------------

const SurfaceOptions& HeadlessBackend::OptionsOf(SurfaceId id) const { return Get(id).Options; }
Cursor HeadlessBackend::CursorOf(SurfaceId id) const { return Get(id).PointerCursor; }
std::size_t HeadlessBackend::IconCount(SurfaceId id) const { return Get(id).Icons; }
std::uint8_t HeadlessBackend::ConstantAlphaOf(SurfaceId id) const { return Get(id).ConstantAlpha; }
bool HeadlessBackend::HasShape(SurfaceId id) const { return Get(id).Shape.has_value(); }

}  // namespace backend
