#include "platform/backend/HeadlessBackend.h"

#include <algorithm>
#include <stdexcept>

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
  SetMinimized(id, false);
  if (activate) Activate(id);
}

void HeadlessBackend::Hide(SurfaceId id) {
  Surface& s = Get(id);
  if (!s.Visible) return;
  LoseSurface(id);
  s.Visible = false;
}

bool HeadlessBackend::IsVisible(SurfaceId id) const { return Get(id).Visible; }

void HeadlessBackend::Minimize(SurfaceId id) {
  Surface& s = Get(id);
  if (s.Shown()) LoseSurface(id);
  s.Visible = true;
  SetMinimized(id, true);
}

bool HeadlessBackend::IsMinimized(SurfaceId id) const { return Get(id).Minimized; }

void HeadlessBackend::SetMinimized(SurfaceId id, bool minimized) {
  Surface& s = Get(id);
  if (s.Minimized == minimized) return;
  s.Minimized = minimized;
  Push(WindowStateEvent(id, minimized));
}

void HeadlessBackend::Activate(SurfaceId id) {
  if (!Get(id).MayFocus()) return;
  Raise(id);
  SetFocus(id);
}

void HeadlessBackend::SetFocus(SurfaceId id) {
  if (id == focus_) return;
  if (focus_ != kNoSurface) Push(SurfaceEvent(EventType::FocusOut, focus_));
  focus_ = id;
  if (id != kNoSurface) Push(SurfaceEvent(EventType::FocusIn, id));
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

SurfaceId HeadlessBackend::SurfaceAt(gfx::Point screen) const { return SurfaceBelow(screen, kNoSurface); }

SurfaceId HeadlessBackend::SurfaceBelow(gfx::Point screen, SurfaceId above) const {
  if (above != kNoSurface) Get(above);
  for (SurfaceId id = order_.Below(above); id != kNoSurface; id = order_.Below(id))
    if (Get(id).TakesMouseAt(screen, options_.LayeredAvailable)) return id;
  return kNoSurface;
}

// --- Styles ----------------------------------------------------------------------

void HeadlessBackend::SetNoActivate(SurfaceId id, bool noActivate) {
  Get(id).Options.NoActivate = noActivate;
}

// The next mouse event finds the surface under the pointer anew.
void HeadlessBackend::SetClickThrough(SurfaceId id, bool clickThrough) {
  Get(id).Options.ClickThrough = clickThrough;
}

void HeadlessBackend::SetAuxiliary(SurfaceId id, bool auxiliary) { Get(id).SwitchAuxiliary(auxiliary); }

void HeadlessBackend::SetOwner(SurfaceId id, SurfaceId owner) {
  Surface& s = Get(id);
  if (owner != kNoSurface) Get(owner);
  if (OwnerCycle(id, owner, [this](SurfaceId o) { return Get(o).Options.Owner; }))
    throw std::invalid_argument("surface " + std::to_string(owner) + " cannot own surface " +
                                std::to_string(id));
  s.Options.Owner = owner;
}

void HeadlessBackend::SetActions(SurfaceId id, const WindowActions& actions) {
  Get(id).Options.Actions = actions;
}

// --- Hints -----------------------------------------------------------------------

void HeadlessBackend::SetPointerPosition(gfx::Point screen) {
  if (screen != pointer_) InjectMouseMove(screen);
}

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

// --- Inspection ---------------------------------------------------------------------

const SurfaceOptions& HeadlessBackend::OptionsOf(SurfaceId id) const { return Get(id).Options; }
Cursor HeadlessBackend::CursorOf(SurfaceId id) const { return Get(id).PointerCursor; }
std::size_t HeadlessBackend::IconCount(SurfaceId id) const { return Get(id).Icons; }
std::uint8_t HeadlessBackend::ConstantAlphaOf(SurfaceId id) const { return Get(id).ConstantAlpha; }
bool HeadlessBackend::HasShape(SurfaceId id) const { return Get(id).Shape.has_value(); }

}  // namespace backend
