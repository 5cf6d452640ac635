// A backend without a display: a virtual screen that composites the visible
// surfaces, input injected at screen coordinates, and a virtual clock.
// Tests and the off-screen demo run on it.
//
// Composition, bottom surface first, per pixel inside the surface's shape:
//   a   = round(pixelAlpha * constantAlpha / 255)
//   out = round((src * a + dst * (255 - a)) / 255)      per channel
// Presented pixels have alpha 255; layered pictures bring their own alpha.
//
// Time only moves when a test calls AdvanceClock() or when WaitEvent() is
// given a deadline while nothing is pending: the clock then jumps to the
// deadline at once, so idle stretches cost no real time.
//
// A minimised surface is neither composited nor hit by input until it is
// shown again.
//
// Like a window manager, a mouse press on a surface that may take the focus
// (not a popup, not NoActivate) raises it and gives it the focus before the
// press is reported; a press on the bare desktop takes the focus away. Like
// X, a press starts an implicit grab: until every button is up again, mouse
// events go to the pressed surface.
#pragma once

#include <atomic>
#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <string>

#include "platform/backend/Backend.h"
#include "platform/backend/StackOrder.h"
#include "platform/backend/SurfaceState.h"

namespace backend {

struct HeadlessOptions {
  gfx::Size ScreenSize{1280, 1024};
  gfx::Rect WorkArea;  // empty: the whole screen
  gfx::Color Desktop = gfx::RGB(0, 128, 128);
  bool LayeredAvailable = true;
  std::int64_t StartMs = 0;
};

class HeadlessBackend final : public Backend {
 public:
  explicit HeadlessBackend(const HeadlessOptions& options = {});
  ~HeadlessBackend() override;

  // --- Backend ---
  std::string_view Name() const override { return "headless"; }
  SurfaceId CreateSurface(const SurfaceOptions& options) override;
  void DestroySurface(SurfaceId id) override;
  void SetBounds(SurfaceId id, const gfx::Rect& bounds) override;
  gfx::Rect Bounds(SurfaceId id) const override;
  void Show(SurfaceId id, bool activate) override;
  void Hide(SurfaceId id) override;
  bool IsVisible(SurfaceId id) const override;
  void Minimize(SurfaceId id) override;
  bool IsMinimized(SurfaceId id) const override;
  void Activate(SurfaceId id) override;
  SurfaceId FocusedSurface() const override { return focus_; }
  void Raise(SurfaceId id) override;
  void Lower(SurfaceId id) override;
  void PlaceAbove(SurfaceId id, SurfaceId sibling) override;
  void PlaceBelow(SurfaceId id, SurfaceId sibling) override;
  void SetTopmost(SurfaceId id, bool topmost) override;
  bool IsTopmost(SurfaceId id) const override;
  std::vector<SurfaceId> StackingOrder() const override { return order_.BottomFirst(); }
  SurfaceId SurfaceAt(gfx::Point screen) const override;
  SurfaceId SurfaceBelow(gfx::Point screen, SurfaceId above) const override;
  void SetNoActivate(SurfaceId id, bool noActivate) override;
  void SetClickThrough(SurfaceId id, bool clickThrough) override;
  void SetAuxiliary(SurfaceId id, bool auxiliary) override;
  void SetOwner(SurfaceId id, SurfaceId owner) override;
  void SetActions(SurfaceId id, const WindowActions& actions) override;
  void SetTitle(SurfaceId id, std::string_view utf8) override;
  void SetIcon(SurfaceId id, std::span<const gfx::Bitmap> icons) override;
  void Present(SurfaceId id, const gfx::Bitmap& buffer, const gfx::Rect& rect) override;
  void SetShape(SurfaceId id, const gfx::Region& shape) override;
  void ClearShape(SurfaceId id) override;
  bool LayeredAvailable() const override { return options_.LayeredAvailable; }
  void UpdateLayered(SurfaceId id, const gfx::Bitmap& picture, gfx::Point position, gfx::Size size,
                     std::uint8_t constantAlpha) override;
  void SetConstantAlpha(SurfaceId id, std::uint8_t alpha) override;
  bool PollEvent(Event& event) override;
  gfx::Point PointerPosition() const override { return pointer_; }
  void SetPointerPosition(gfx::Point screen) override;
  void SetCapture(SurfaceId id) override;
  void ReleaseCapture() override;
  SurfaceId Capture() const override { return capture_; }
  void SetCursor(SurfaceId id, Cursor cursor) override;
  void SetClipboardText(std::string utf8) override { clipboard_ = std::move(utf8); }
  std::optional<std::string> ClipboardText() override { return clipboard_; }
  gfx::Size ScreenSize() const override { return options_.ScreenSize; }
  gfx::Rect WorkArea() const override;
  std::vector<Monitor> Monitors() const override;
  int ScreenDepth() const override { return 24; }
  gfx::Bitmap CopyScreen(const gfx::Rect& rect) const override;
  std::int64_t NowMs() const override { return clock_.load(); }
  WaitResult WaitEvent(std::optional<std::int64_t> deadlineMs) override;
  void Wake() override;
  void Flush() override {}

  // --- Injected input (screen coordinates) ---
  // The pointer moves to `at` first; events go to the capturing surface or
  // the surface under the point, and are dropped over the bare desktop.
  void InjectMouseMove(gfx::Point at);
  void InjectMouseDown(gfx::Point at, MouseButton button = MouseButton::Left);
  void InjectMouseUp(gfx::Point at, MouseButton button = MouseButton::Left);
  void InjectClick(gfx::Point at, MouseButton button = MouseButton::Left);
  void InjectMouseWheel(gfx::Point at, int delta);
  // Key events go to the focused surface. Shift, Control and Alt (VK_SHIFT,
  // VK_CONTROL, VK_MENU) update the modifier state. Without `text`, a key
  // down produces what a keyboard would: letters (upper case with Shift),
  // digits, space, "\r", "\t", "\b", "\x1b", control characters with Control.
  void InjectKeyDown(int key, std::optional<std::string> text = std::nullopt, bool repeat = false);
  void InjectKeyUp(int key);
  // Key down then key up.
  void InjectKey(int key);
  // The window manager's close button.
  void InjectCloseRequest(SurfaceId id);
  // The window manager (a task bar) minimises or restores a shown surface.
  void InjectWindowState(SurfaceId id, bool minimized);
  // The window manager moves or sizes a surface (a size is kept only where
  // the surface may be resized), reported as a Configure event.
  void InjectBounds(SurfaceId id, const gfx::Rect& bounds);
  std::uint32_t Modifiers() const { return modifiers_; }

  // --- Clock ---
  void AdvanceClock(std::int64_t ms);

  // --- Reading the screen ---
  // The composited screen, 24 bits.
  gfx::Bitmap Screenshot() const;
  // One screen pixel as 0x00BBGGRR (black outside the screen).
  gfx::Color ScreenPixel(gfx::Point at) const;
  // One surface as it would be blended: 32 bits with constant alpha applied
  // and pixels outside its shape transparent.
  gfx::Bitmap SurfaceImage(SurfaceId id) const;
  // PNG files; throw std::runtime_error naming the path on failure,
  // std::invalid_argument for an unknown surface.
  void SaveScreenshot(const std::string& path) const;
  void SaveSurfaceScreenshot(SurfaceId id, const std::string& path) const;

  // --- Inspection for tests ---
  bool Exists(SurfaceId id) const { return surfaces_.count(id) != 0; }
  const SurfaceOptions& OptionsOf(SurfaceId id) const;  // title follows SetTitle
  Cursor CursorOf(SurfaceId id) const;
  std::size_t IconCount(SurfaceId id) const;
  std::uint8_t ConstantAlphaOf(SurfaceId id) const;
  bool HasShape(SurfaceId id) const;
  std::size_t PendingEvents() const { return events_.size(); }
  void SetLayeredAvailable(bool on) { options_.LayeredAvailable = on; }

 private:
  struct Surface : SurfaceState {
    using SurfaceState::SurfaceState;
    std::size_t Icons = 0;
  };

  Surface& Get(SurfaceId id);
  const Surface& Get(SurfaceId id) const;
  Surface* Find(SurfaceId id);
  const Surface* Find(SurfaceId id) const;
  void LoseSurface(SurfaceId id);
  void EndGrab();
  void SetFocus(SurfaceId id);
  void SetMinimized(SurfaceId id, bool minimized);  // reports a change
  void Push(Event e);
  Event MouseEvent(EventType type, SurfaceId target) const;
  Event KeyEvent(EventType type, int key) const;  // for the focused surface
  SurfaceId MouseTarget() const;
  void TrackPointer(gfx::Point at);
  // The composited screen inside `area` (which lies on the screen), 24 bits.
  gfx::Bitmap Compose(const gfx::Rect& area) const;

  HeadlessOptions options_;
  std::map<SurfaceId, Surface> surfaces_;
  StackOrder order_;
  SurfaceId nextId_ = 1;
  std::deque<Event> events_;
  gfx::Point pointer_{-1, -1};
  SurfaceId hover_ = kNoSurface;
  SurfaceId pressed_ = kNoSurface;  // implicit grab
  SurfaceId capture_ = kNoSurface;
  SurfaceId focus_ = kNoSurface;
  std::uint32_t modifiers_ = 0;
  std::optional<std::string> clipboard_;
  std::atomic<std::int64_t> clock_;

  std::mutex wakeMutex_;
  std::condition_variable wakeCond_;
  bool woken_ = false;
};

}  // namespace backend
