// The Xlib backend. Every surface is an undecorated top-level window (the
// toolkit draws every frame); popups are override-redirect windows. When a
// compositing manager owns _NET_WM_CM_S<screen> at start-up, windows use a
// 32-bit ARGB visual and layered surfaces blend with per-pixel alpha;
// otherwise windows are opaque and LayeredAvailable() is false.
//
// The backend keeps each surface's last pixels (and their converted X image)
// so that exposures are repaired without the toolkit.
#pragma once

#include "platform/backend/X11Headers.h"

#include <array>
#include <deque>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <unordered_map>

#include "platform/backend/Backend.h"
#include "platform/backend/StackOrder.h"
#include "platform/backend/SurfaceState.h"
#include "platform/backend/WakePipe.h"
#include "platform/backend/X11Clipboard.h"
#include "platform/backend/X11Connection.h"
#include "platform/backend/X11Image.h"

namespace backend {

class X11Backend final : public Backend {
 public:
  // Throws std::runtime_error when the display cannot be opened. Without
  // `allowShm` presents always go through XPutImage.
  explicit X11Backend(const std::string& displayName, bool allowShm = true);
  ~X11Backend() override;

  std::string_view Name() const override { return "x11"; }
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
  bool LayeredAvailable() const override { return argb_; }
  void UpdateLayered(SurfaceId id, const gfx::Bitmap& picture, gfx::Point position, gfx::Size size,
                     std::uint8_t constantAlpha) override;
  void SetConstantAlpha(SurfaceId id, std::uint8_t alpha) override;
  bool PollEvent(Event& event) override;
  gfx::Point PointerPosition() const override;
  void SetPointerPosition(gfx::Point screen) override;
  void SetCapture(SurfaceId id) override;
  void ReleaseCapture() override;
  SurfaceId Capture() const override { return capture_; }
  void SetCursor(SurfaceId id, Cursor cursor) override;
  void SetClipboardText(std::string utf8) override;
  std::optional<std::string> ClipboardText() override;
  gfx::Size ScreenSize() const override;
  gfx::Rect WorkArea() const override;
  std::vector<Monitor> Monitors() const override;
  int ScreenDepth() const override;
  gfx::Bitmap CopyScreen(const gfx::Rect& rect) const override;
  std::int64_t NowMs() const override;
  WaitResult WaitEvent(std::optional<std::int64_t> deadlineMs) override;
  void Wake() override { wake_.Wake(); }
  void Flush() override;

  // For tests: the X window of a surface, and whether presents use MIT-SHM.
  Window WindowOf(SurfaceId id) const;
  bool UsesShm() const { return shm_; }
  Display* XDisplay() const { return x_.Get(); }

 private:
  struct Surface : SurfaceState {
    using SurfaceState::SurfaceState;
    Window XWindow = 0;
    GC Gc = nullptr;
    XIC Ic = nullptr;
    std::unique_ptr<X11Image> Image;
    std::deque<gfx::Rect> Requested;  // geometries asked for, not yet confirmed
    unsigned long MoveSerial = 0;     // the request of the latest of them
    gfx::Rect Settled;                // the geometry last confirmed
    std::vector<Atom> States;         // _NET_WM_STATE atoms
    bool Picture = false;             // pixels came from a layered update
    Window Parent = 0;                // the root, or a window manager's frame
    // The first request of our latest map, unmap or iconify: events from
    // before it no longer tell the window's state.
    unsigned long StateSerial = 0;
  };

  Surface& Get(SurfaceId id);
  const Surface& Get(SurfaceId id) const;
  Surface* FindWindow(Window w);
  SurfaceId IdOfWindow(Window w) const;
  bool WindowManagerRuns() const;

  // Window properties (X11Hints.cpp).
  void SetInitialHints(Surface& s);
  void SetWindowType(Surface& s);
  void SetWmHints(Surface& s);
  void SetSizeHints(Surface& s);
  void SetMotifHints(Surface& s);
  void SetTransientFor(Surface& s);
  void RefuseMaximized(Surface& s);
  void SetStateAtom(Surface& s, Atom state, bool on);
  void RequestStates(Surface& s, bool on, Atom first, Atom second);
  void SetTitleHints(Surface& s);

  // Pixels.
  void EnsureImage(Surface& s);
  void Upload(Surface& s, const gfx::Rect& rect);
  void UpdateInputShape(Surface& s);
  void MoveResize(Surface& s, const gfx::Rect& bounds);
  void SyncStacking(SurfaceId id);
  void Restacked(SurfaceId id, Surface& s);

  // Events (X11Events.cpp).
  void ReadXEvents();
  void Translate(XEvent& ev);
  void OnButton(XButtonEvent& e, bool press);
  void OnKey(XKeyEvent& e, bool press);
  void OnConfigure(XConfigureEvent& e);
  void OnClientMessage(XClientMessageEvent& e);
  void OnMapChange(Window w, unsigned long serial, bool mapped);
  void OnProperty(const XPropertyEvent& e);
  std::optional<bool> IconicByWindowManager(const Surface& s);
  void NoteMinimized(SurfaceId id, bool minimized);  // reports a change
  void PassFocusToOwner(SurfaceId id);
  void Push(Event e);
  void SetFocusTracked(SurfaceId id);

  X11Connection x_;
  X11Clipboard clipboard_;
  bool argb_ = false;  // 32-bit visual for every window (a compositor runs)
  bool shm_ = false;
  Visual* visual_ = nullptr;
  int depth_ = 0;
  Colormap colormap_ = 0;
  bool ownColormap_ = false;
  XIM im_ = nullptr;
  std::array<::Cursor, 11> cursors_{};
  WakePipe wake_;

  std::map<SurfaceId, Surface> surfaces_;
  std::unordered_map<Window, SurfaceId> windows_;
  StackOrder order_;
  SurfaceId nextId_ = 1;
  std::deque<Event> events_;
  SurfaceId capture_ = kNoSurface;
  SurfaceId focus_ = kNoSurface;
  std::set<unsigned> keysDown_;  // key codes held, to tell auto-repeat
  Time lastEventTime_ = CurrentTime;
};

}  // namespace backend
