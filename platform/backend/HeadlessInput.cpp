// Events of the headless backend: the queue and injected input.
#include "platform/backend/HeadlessBackend.h"
#include "platform/backend/KeyText.h"

namespace backend {

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
  Event e = SurfaceEvent(type, target);
  e.Screen = pointer_;
  e.Modifiers = modifiers_;
  return e;
}

Event HeadlessBackend::KeyEvent(EventType type, int key) const {
  Event e = SurfaceEvent(type, focus_);
  e.Screen = pointer_;
  e.Modifiers = modifiers_;
  e.Key = key;
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
  Event e = KeyEvent(EventType::KeyDown, key);
  e.Repeat = repeat;
  e.Text = text ? *text : DefaultKeyText(key, modifiers_);
  Push(e);
}

void HeadlessBackend::InjectKeyUp(int key) {
  modifiers_ &= ~ModifierOfKey(key);
  if (focus_ == kNoSurface) return;
  Push(KeyEvent(EventType::KeyUp, key));
}

void HeadlessBackend::InjectKey(int key) {
  InjectKeyDown(key);
  InjectKeyUp(key);
}

void HeadlessBackend::InjectWindowState(SurfaceId id, bool minimized) {
  if (!Get(id).Visible) return;
  if (minimized)
    Minimize(id);
  else
    SetMinimized(id, false);
}

void HeadlessBackend::InjectBounds(SurfaceId id, const gfx::Rect& bounds) {
  Surface& s = Get(id);
  gfx::Rect b = SanitizeBounds(bounds);
  if (!s.Options.Actions.Resize) b = gfx::Rect::FromXYWH(b.Left, b.Top, s.Bounds.Width(), s.Bounds.Height());
  if (b == s.Bounds) return;
  SetBounds(id, b);
  Event e = SurfaceEvent(EventType::Configure, id);
  e.Rect = b;
  Push(e);
}

void HeadlessBackend::InjectCloseRequest(SurfaceId id) {
  Get(id);
  Push(SurfaceEvent(EventType::CloseRequest, id));
}

}  // namespace backend
