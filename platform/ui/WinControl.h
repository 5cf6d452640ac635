// A windowed control: its own window (a toolkit object; only top-level
// windows are display surfaces) with a non-client area, styles, a region,
// named properties, user data, timers, focus, surfaces and children.
//
// Coordinates: Left/Top/Width/Height are the window rectangle in the
// parent's client coordinates (screen coordinates for a top-level window).
// The client rectangle inside it comes from WM_NCCALCSIZE.
//
// Pixels: every top-level window keeps a retained back buffer of its whole
// window; a child window draws into its top-level's buffer, clipped to its
// visible part (its own region, its parents' client areas, and minus its
// windowed children), so nothing a window draws overwrites its children.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/backend/Backend.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Region.h"
#include "platform/ui/Control.h"
#include "platform/ui/WindowTypes.h"

namespace ui {

class TopLevelWindow;
class ScrollBarTracker;

struct CreateParams {
  std::string Caption;
  std::uint32_t Style = 0;
  std::uint32_t ExStyle = 0;
  int X = 0;
  int Y = 0;
  int Width = 0;
  int Height = 0;
  std::string WinClassName;
};

// Which pixels a surface reaches.
enum class SurfaceArea { Client, Window };

class WinControl : public Control {
 public:
  explicit WinControl(Component* owner);
  ~WinControl() override;

  std::string ClassName() const override { return "TWinControl"; }
  bool InheritsFrom(const std::string& c) const override {
    return c == "TWinControl" || Control::InheritsFrom(c);
  }
  bool HasWindow() const override { return true; }

  // --- children ----------------------------------------------------------
  // Children in order; windowless ones paint in this order (later on top),
  // windowed ones are stacked in this order (later on top).
  const std::vector<Control*>& Controls() const { return controls_; }
  int ControlCount() const { return static_cast<int>(controls_.size()); }
  Control* GetControl(int i) const { return controls_.at(static_cast<std::size_t>(i)); }
  // Moves a child within the order (bring to front / send to back).
  void SetChildOrder(Control* child, int index);
  bool ContainsControl(const Control* c) const;
  // The topmost visible, enabled child (windowless or windowed) under the
  // client point, or null.
  Control* ControlAtPos(gfx::Point client, bool allowDisabled = false, bool allowWindowed = true) const;

  // --- window ------------------------------------------------------------
  bool HandleAllocated() const { return created_; }
  // Creates the window (and the parents' windows) when missing.
  void HandleNeeded();
  // Destroys and creates the window again (styles from CreateParams).
  void RecreateWnd();
  bool IsTopLevel() const { return Parent() == nullptr; }
  // The top-level window this window belongs to.
  WinControl* TopLevel();
  const WinControl* TopLevel() const;

  std::uint32_t Style() const { return style_; }
  std::uint32_t ExStyle() const { return exStyle_; }
  // Changes the styles through WM_STYLECHANGING / WM_STYLECHANGED. The frame
  // is not recalculated: follow with SetWindowPos(SWP_FRAMECHANGED ...).
  // Clearing WS_VISIBLE leaves the window on screen with its pixels.
  void SetStyle(std::uint32_t style);
  void SetExStyle(std::uint32_t exStyle);
  // True when the WS_VISIBLE bit is set and every parent's is.
  bool IsWindowVisible() const;

  // Window rectangle in screen coordinates.
  gfx::Rect WindowRect() const;
  // The client rectangle inside the window, in window coordinates.
  gfx::Rect ClientRectInWindow() const { return clientInWindow_; }
  gfx::Rect ClientRect() const override;
  gfx::Point ClientOrigin() const override;
  void SetClientSize(int width, int height) override;
  void SetBounds(int left, int top, int width, int height) override;
  // Moves, sizes, restacks and shows/hides with WM_WINDOWPOSCHANGING (whose
  // handler may change the position) and WM_WINDOWPOSCHANGED, then WM_MOVE
  // and WM_SIZE when they changed. `after` is used with ZOrder::Window.
  void SetWindowPos(ZOrder order, WinControl* after, int x, int y, int cx, int cy, unsigned flags);
  // Recomputes the client rectangle (WM_NCCALCSIZE) and repaints the frame.
  void FrameChanged();

  // Window region in window coordinates; none = the whole rectangle.
  const std::optional<gfx::Region>& WindowRegion() const { return region_; }
  void SetWindowRegion(std::optional<gfx::Region> region, bool redraw);

  // Named properties and user data.
  void SetProp(const std::string& name, std::intptr_t value) { props_[name] = value; }
  std::intptr_t GetProp(const std::string& name) const;
  std::intptr_t RemoveProp(const std::string& name);
  std::intptr_t UserData() const { return userData_; }
  void SetUserData(std::intptr_t v) { userData_ = v; }

  // Window timers: WM_TIMER with wParam = id every `ms` milliseconds until
  // killed. Setting an existing id restarts it with the new interval.
  void SetTimer(unsigned id, unsigned ms);
  void KillTimer(unsigned id);

  // --- focus -------------------------------------------------------------
  virtual bool CanFocus() const;
  bool Focused() const;
  virtual void SetFocus();
  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool on) { tabStop_ = on; }
  int TabOrder() const;
  void SetTabOrder(int order);
  // Windowed children in tab order.
  std::vector<WinControl*> TabList() const;
  // The next (or previous) focusable control after `current` among this
  // window's descendants in tab order, wrapping around; null when none.
  WinControl* FindNextControl(WinControl* current, bool forward, bool checkTabStop) const;
  void SelectNext(WinControl* current, bool forward, bool checkTabStop);

  // --- painting ----------------------------------------------------------
  // Adds a rectangle (client coordinates; null = the whole client area) to
  // the update region; `erase` asks for WM_ERASEBKGND before WM_PAINT.
  void InvalidateRect(const gfx::Rect* client, bool erase);
  void InvalidateRegion(const gfx::Region& client, bool erase);
  void ValidateRect(const gfx::Rect* client);
  bool HasUpdateRegion() const { return !update_.IsEmpty() || ncDirty_; }
  const gfx::Region& UpdateRegion() const { return update_; }
  // RDW_* flags: INVALIDATE, VALIDATE, ERASE, FRAME, ALLCHILDREN, UPDATENOW,
  // ERASENOW, NOCHILDREN. `client` as for InvalidateRect.
  void RedrawWindow(const gfx::Rect* client, unsigned flags);
  // Opens the paint cycle outside the default WM_PAINT handling: a client
  // surface clipped to the update region being painted (or, outside a paint
  // cycle, the pending update region, which is validated).
  std::unique_ptr<gfx::Canvas> BeginPaint();
  // The region the running paint cycle repaints (client coordinates).
  const gfx::Region& PaintRegion() const { return paintRegion_; }
  // Paints this window's pending update now (not its children).
  void UpdateWindow();
  void Invalidate() override;
  void Update() override;
  // Redraw lock (WM_SETREDRAW): nested, counted. While locked nothing is
  // painted or presented; unlocking the last level does not repaint by
  // itself (callers redraw).
  void LockRedraw() { Perform(WM_SETREDRAW, 0); }
  void UnlockRedraw() { Perform(WM_SETREDRAW, 1); }
  int RedrawLockCount() const { return redrawLock_; }
  bool RedrawLocked() const;

  // A surface over the client area (origin at the client's top-left) or the
  // whole window (origin at the window's top-left), clipped to the visible
  // part and excluding windowed children; its Tag() is this window.
  std::unique_ptr<gfx::Canvas> GetSurface(SurfaceArea area);
  std::unique_ptr<gfx::Canvas> GetCanvas() override { return GetSurface(SurfaceArea::Client); }
  // Paints the whole window, frame, client and children, into `canvas`
  // (origin at the window's top-left) without touching the screen.
  void PaintTo(gfx::Canvas& canvas, int x, int y);
  // The window's current pixels (from the retained buffer).
  gfx::Bitmap CopyPixels(const gfx::Rect& windowRect) const;

  // The visible part of this window in window coordinates: its rectangle and
  // region, cut by every parent's client area and region.
  gfx::Region VisibleRegion() const;

  // --- scroll bars (WS_HSCROLL / WS_VSCROLL in the non-client area) -------
  bool GetScrollInfo(int bar, ScrollInfo& info) const;
  int SetScrollInfo(int bar, const ScrollInfo& info, bool redraw);
  int ScrollPos(int bar) const;
  // The presses on those bars: repeat, thumb drag and the pressed look.
  ScrollBarTracker& ScrollTracker() const { return *scrollBars_; }

  // --- misc --------------------------------------------------------------
  int BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int w);
  bool DoubleBuffered() const { return doubleBuffered_; }
  void SetDoubleBuffered(bool on) { doubleBuffered_ = on; }
  bool ParentBackground() const { return HasStyle(csParentBackground); }
  void BringToFront();
  void SendToBack();
  // Lays out the children by Align and Anchors.
  void Realign();
  // ClientRect adjusted by AdjustClientRect.
  gfx::Rect DisplayRect() const;
  // Offset of this window's top-left inside its top-level window.
  gfx::Point OffsetInTopLevel() const;
  // The top-level window's display side (null until created).
  TopLevelWindow* Surface() const;

  NotifyEvent OnEnter;
  NotifyEvent OnExit;
  KeyEvent OnKeyDown;
  KeyEvent OnKeyUp;
  KeyPressEvent OnKeyPress;

 protected:
  void WndProc(Message& msg) override;
  void DefaultHandler(Message& msg) override;
  bool PreemptMessage(Message& msg) override;
  virtual void CreateParams(CreateParams& params);
  // Creates the window: the top-level surface when parentless, then
  // WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_PARENTNOTIFY to the parent.
  // Override and call the base for an after-creation step.
  virtual void CreateWnd();
  virtual void DestroyWnd();
  // Client painting: the default paints nothing; the erase step fills the
  // client with Color() unless csOpaque.
  virtual void PaintWindow(gfx::Canvas& canvas);
  // Paints the windowless children (in child order) on `canvas`, whose
  // origin is this window's client top-left.
  void PaintControls(gfx::Canvas& canvas, Control* first = nullptr);
  // Paints one windowless child (save, origin, clip, WM_PAINT, restore).
  void PaintControl(gfx::Canvas& canvas, Control* child);
  // Hook for the client rectangle used for alignment and children (group
  // box caption, panel border).
  virtual void AdjustClientRect(gfx::Rect& rect) const;
  // Backend surface options for a top-level window of this kind.
  virtual void SurfaceOptions(backend::SurfaceOptions& options) const;
  // Non-client parts of plain child windows: border (WS_BORDER, 1 px;
  // WS_EX_CLIENTEDGE, 2 px), BorderWidth ring, scroll bars.
  virtual void NcCalcSize(NcCalcSizeParams& params);
  virtual int NcHitTest(gfx::Point screen);
  virtual void NcPaint(gfx::Canvas& windowCanvas);
  virtual void KeyDown(unsigned& key, ShiftState shift);
  virtual void KeyUp(unsigned& key, ShiftState shift);
  virtual void KeyPress(char32_t& ch);
  virtual void DoEnter();
  virtual void DoExit();
  void BoundsChanged(const gfx::Rect& old) override;

 private:
  friend class Control;
  friend class Form;
  friend class Application;
  friend class TopLevelWindow;
  friend class PaintEngine;

  void InsertControl(Control* c);
  void RemoveControl(Control* c);
  void RecalcClient();
  void ScrollBarRects(gfx::Rect& hbar, gfx::Rect& vbar) const;
  gfx::Region ExcludedChildren() const;
  void SendNcPaint();
  void PaintTree();
  void PresentTree();
  gfx::Size lastClient_;
  bool paintErase_ = false;
  bool aligning_ = false;

  std::vector<Control*> controls_;
  bool created_ = false;
  std::uint32_t style_ = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
  std::uint32_t exStyle_ = 0;
  gfx::Rect clientInWindow_;
  std::optional<gfx::Region> region_;
  std::map<std::string, std::intptr_t> props_;
  std::intptr_t userData_ = 0;
  bool tabStop_ = false;
  int borderWidth_ = 0;
  bool doubleBuffered_ = false;
  int redrawLock_ = 0;
  // Pending update (client coordinates) and whether it wants erasing.
  gfx::Region update_;
  gfx::Region paintRegion_;
  bool inPaint_ = false;
  std::vector<WinControl*> tabList_;
  bool eraseNeeded_ = false;
  bool ncDirty_ = false;
  ScrollInfo scroll_[2];
  std::unique_ptr<ScrollBarTracker> scrollBars_;
  std::shared_ptr<TopLevelWindow> top_;  // only for top-level windows
};

}  // namespace ui
