// The one interface between the toolkit and a display.
//
// A backend owns top-level surfaces (the toolkit's forms, popups and auxiliary
// windows), shows the pixels the toolkit presents, reports input and
// window-manager events, and provides the clock the application runs on.
// The toolkit keeps each surface's retained back buffer itself and draws every
// frame; the backend only copies what it is given.
//
// All calls are made from the user-interface thread, except Wake() and
// NowMs(), which any thread may call. Calls naming a surface that does not
// exist throw std::invalid_argument (DestroySurface ignores them).
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/backend/Event.h"
#include "platform/backend/Keys.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Geometry.h"
#include "platform/gfx/Region.h"

namespace backend {

// The program's WM_CLASS (instance name, class name).
inline constexpr const char* kWmInstanceName = "zintor2";
inline constexpr const char* kWmClassName = "Zintor 2";

enum class SurfaceKind : std::uint8_t {
  Normal,     // an application window with a task-bar entry
  Popup,      // menus and similar: no window-manager involvement at all;
              // always in the topmost band, never focused
  Auxiliary,  // tool windows, borders, glows, overlays: no task-bar entry
  Dialog,     // a dialog; transient for Owner, optionally modal
};

// What the window manager may do to a window on the user's behalf, besides
// moving and closing it (with its own keys, menus and task bar). A window
// that may not be resized keeps its size: the window manager is told so
// (minimum = maximum size), and a size it imposes anyway is undone.
struct WindowActions {
  bool Resize = true;
  bool Minimize = true;
  bool Maximize = true;
  bool operator==(const WindowActions&) const = default;
};

struct SurfaceOptions {
  SurfaceKind Kind = SurfaceKind::Normal;
  gfx::Rect Bounds;              // screen coordinates; sides clamped to 1..8192
  SurfaceId Owner = kNoSurface;  // the window this one belongs to (transient-for):
                                 // window managers keep it above its owner and
                                 // iconify the two together
  WindowActions Actions;
  bool Modal = false;         // dialogs: tells the window manager; the toolkit
                              // itself keeps input from the owner meanwhile
  bool NoActivate = false;    // never takes the focus, not even when clicked
  bool ClickThrough = false;  // mouse input passes to what lies below
  bool Topmost = false;
  std::string Title;  // UTF-8
};

enum class Cursor : std::uint8_t {
  Arrow,
  IBeam,
  Wait,
  Cross,
  SizeNWSE,  // top-left / bottom-right corners
  SizeNESW,  // top-right / bottom-left corners
  SizeWE,    // left / right borders
  SizeNS,    // top / bottom borders
  SizeAll,   // move
  Hand,
  No,
};

struct Monitor {
  gfx::Rect Bounds;    // screen coordinates
  gfx::Rect WorkArea;  // Bounds minus panels and docks
  bool Primary = false;
};

enum class WaitResult : std::uint8_t {
  Event,     // PollEvent has an event
  Deadline,  // the clock reached the deadline
  Woken,     // Wake() was called
};

class Backend {
 public:
  virtual ~Backend() = default;

  // "x11" or "headless".
  virtual std::string_view Name() const = 0;

  // --- Surfaces ---------------------------------------------------------
  // A new surface is hidden and sits at the top of its stacking band
  // (topmost surfaces above the others). Throws std::runtime_error when the
  // display refuses, std::invalid_argument for an unknown owner.
  virtual SurfaceId CreateSurface(const SurfaceOptions& options) = 0;
  // Unknown ids are ignored. Releases capture and focus held by the surface.
  virtual void DestroySurface(SurfaceId id) = 0;

  // Moves and sizes in screen coordinates (sides clamped to 1..8192). The
  // backend keeps the presented pixels that still fit; new areas are black.
  virtual void SetBounds(SurfaceId id, const gfx::Rect& bounds) = 0;
  virtual gfx::Rect Bounds(SurfaceId id) const = 0;

  // Show(Activate = true) also gives the surface the focus and raises it.
  virtual void Show(SurfaceId id, bool activate) = 0;
  virtual void Hide(SurfaceId id) = 0;
  virtual bool IsVisible(SurfaceId id) const = 0;
  // Minimises the surface (on X11 the window manager iconifies it); Show
  // restores it. A hidden surface is shown minimised; hiding keeps the state.
  // A minimised surface counts as visible but is not on screen and takes
  // neither input nor the focus. Every change, ours or the window manager's,
  // is reported as a WindowStateChanged event.
  virtual void Minimize(SurfaceId id) = 0;
  virtual bool IsMinimized(SurfaceId id) const = 0;
  // Raises the surface and asks for the keyboard focus (the window manager
  // may decline). Popups, NoActivate and minimised surfaces never take the
  // focus.
  virtual void Activate(SurfaceId id) = 0;
  virtual SurfaceId FocusedSurface() const = 0;

  // --- Stacking -----------------------------------------------------------
  // None of these activates, moves, sizes or redraws the surface.
  virtual void Raise(SurfaceId id) = 0;
  virtual void Lower(SurfaceId id) = 0;
  // Places `id` directly above / below `sibling` (both must be ours).
  virtual void PlaceAbove(SurfaceId id, SurfaceId sibling) = 0;
  virtual void PlaceBelow(SurfaceId id, SurfaceId sibling) = 0;
  virtual void SetTopmost(SurfaceId id, bool topmost) = 0;
  virtual bool IsTopmost(SurfaceId id) const = 0;
  // Every surface of this backend, bottom first (hidden ones included).
  virtual std::vector<SurfaceId> StackingOrder() const = 0;
  // The topmost visible surface that takes mouse input at `screen`
  // (respecting shapes, click-through and fully transparent layered pixels).
  virtual SurfaceId SurfaceAt(gfx::Point screen) const = 0;
  // The same, among the surfaces below `above` only; kNoSurface for `above`
  // asks about every surface, as SurfaceAt does. Lets the toolkit pass the
  // mouse through a window that declines it at that point.
  virtual SurfaceId SurfaceBelow(gfx::Point screen, SurfaceId above) const = 0;

  // --- Styles that change at run time -------------------------------------------
  // The SurfaceOptions fields of the same names. A surface that holds the
  // focus keeps it when it becomes NoActivate; it only takes no new focus.
  virtual void SetNoActivate(SurfaceId id, bool noActivate) = 0;
  virtual void SetClickThrough(SurfaceId id, bool clickThrough) = 0;
  // Switches a Normal surface to Auxiliary (no task-bar entry) and back.
  // Popups and dialogs keep their kind.
  virtual void SetAuxiliary(SurfaceId id, bool auxiliary) = 0;
  // The owner (kNoSurface for none). Throws std::invalid_argument for an
  // unknown owner or one that would make a cycle of owners.
  virtual void SetOwner(SurfaceId id, SurfaceId owner) = 0;
  virtual void SetActions(SurfaceId id, const WindowActions& actions) = 0;

  // --- Decoration hints ------------------------------------------------------
  virtual void SetTitle(SurfaceId id, std::string_view utf8) = 0;
  // Icons of several sizes; each is converted to 32 bits. An empty span
  // removes the icon.
  virtual void SetIcon(SurfaceId id, std::span<const gfx::Bitmap> icons) = 0;

  // --- Pixels ---------------------------------------------------------------
  // Copies `rect` (surface coordinates, clipped to the surface and to the
  // buffer) of the toolkit's back buffer to the screen. The buffer is the
  // whole surface, top-left at the surface's origin; any format is accepted,
  // 24 and 32 bits are fast. Presented pixels are opaque.
  virtual void Present(SurfaceId id, const gfx::Bitmap& buffer, const gfx::Rect& rect) = 0;
  // Restricts the surface's visible and clickable area to `shape` (surface
  // coordinates). An empty region hides every pixel.
  virtual void SetShape(SurfaceId id, const gfx::Region& shape) = 0;
  // Back to the whole rectangle.
  virtual void ClearShape(SurfaceId id) = 0;

  // --- Layered surfaces --------------------------------------------------------
  // True when the display can blend surfaces with per-pixel alpha (on X11: a
  // compositing manager runs). When false the engine falls back to opaque
  // windows; the calls below still work but alpha is ignored.
  virtual bool LayeredAvailable() const = 0;
  // Replaces the surface's pixels with `picture` (32 bits, straight alpha;
  // other formats count as opaque) and moves / sizes the surface to
  // position / size in one step. A 0x0 picture (or size) shows nothing.
  // `constantAlpha` multiplies every pixel's alpha.
  virtual void UpdateLayered(SurfaceId id, const gfx::Bitmap& picture, gfx::Point position, gfx::Size size,
                             std::uint8_t constantAlpha) = 0;
  // Whole-surface opacity for presented pixels (255 = opaque).
  virtual void SetConstantAlpha(SurfaceId id, std::uint8_t alpha) = 0;

  // --- Input --------------------------------------------------------------------
  // Takes the next event without waiting.
  virtual bool PollEvent(Event& event) = 0;
  virtual gfx::Point PointerPosition() const = 0;
  // Moves the pointer to `screen` (screen coordinates) as if the user had
  // moved it there: the mouse move and leave events it causes follow.
  virtual void SetPointerPosition(gfx::Point screen) = 0;
  // While a surface holds the capture, every mouse event goes to it. Without
  // one, a press starts an implicit grab: until every button is up again,
  // mouse events go to the pressed surface.
  virtual void SetCapture(SurfaceId id) = 0;
  virtual void ReleaseCapture() = 0;
  virtual SurfaceId Capture() const = 0;
  virtual void SetCursor(SurfaceId id, Cursor cursor) = 0;

  // --- Clipboard ----------------------------------------------------------------
  // Makes `utf8` the clipboard's text. The backend hands it to other programs
  // until one of them takes the clipboard over.
  virtual void SetClipboardText(std::string utf8) = 0;
  // The clipboard's text; nullopt when there is none or its owner offers no
  // text. On X11 this may wait about a second for another program; events
  // that arrive meanwhile stay queued for PollEvent.
  virtual std::optional<std::string> ClipboardText() = 0;

  // --- Screen -------------------------------------------------------------------
  virtual gfx::Size ScreenSize() const = 0;
  virtual gfx::Rect WorkArea() const = 0;
  virtual std::vector<Monitor> Monitors() const = 0;
  virtual int ScreenDepth() const = 0;
  // What the screen shows inside `rect` (screen coordinates): 32 bits, every
  // pixel opaque, black where the rectangle leaves the screen. An empty
  // rectangle gives an empty bitmap; a side above 8192 throws
  // std::invalid_argument.
  virtual gfx::Bitmap CopyScreen(const gfx::Rect& rect) const = 0;

  // --- Time and waiting ------------------------------------------------------------
  // Milliseconds on the application clock: monotonic, or virtual (headless).
  virtual std::int64_t NowMs() const = 0;
  // Waits until an event is pending, Wake() is called, or NowMs() reaches
  // `deadlineMs` (no deadline: wait for the first two only). Returns at once
  // when an event is already pending or a wake-up is outstanding.
  virtual WaitResult WaitEvent(std::optional<std::int64_t> deadlineMs) = 0;
  // Makes the current or next WaitEvent return Woken. Thread-safe.
  virtual void Wake() = 0;
  // Sends queued requests to the display (no-op where there is none).
  virtual void Flush() = 0;
};

}  // namespace backend
