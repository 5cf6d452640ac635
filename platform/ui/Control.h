// A control: a rectangle inside a windowed parent that paints and receives
// messages. The base class is windowless: it paints on its parent's surface
// (WM_PAINT with the surface in wParam, origin at the control, clipped to it)
// and gets its messages by direct call through its procedure chain.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/backend/Keys.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/Color.h"
#include "platform/gfx/Font.h"
#include "platform/gfx/Geometry.h"
#include "platform/ui/Component.h"
#include "platform/ui/Events.h"
#include "platform/ui/Messages.h"
#include "platform/ui/ProcChain.h"

namespace ui {

using enum backend::VirtualKey;

class WinControl;
class Form;
class PopupMenu;

// Control style bits.
using ControlStyleSet = unsigned;
constexpr ControlStyleSet csAcceptsControls = 0x1;
constexpr ControlStyleSet csCaptureMouse = 0x2;
constexpr ControlStyleSet csDesignInteractive = 0x4;
constexpr ControlStyleSet csClickEvents = 0x8;
constexpr ControlStyleSet csFramed = 0x10;
constexpr ControlStyleSet csSetCaption = 0x20;
constexpr ControlStyleSet csOpaque = 0x40;
constexpr ControlStyleSet csDoubleClicks = 0x80;
constexpr ControlStyleSet csFixedWidth = 0x100;
constexpr ControlStyleSet csFixedHeight = 0x200;
constexpr ControlStyleSet csNoDesignVisible = 0x400;
constexpr ControlStyleSet csReplicatable = 0x800;
constexpr ControlStyleSet csNoStdEvents = 0x1000;
constexpr ControlStyleSet csDisplayDragImage = 0x2000;
constexpr ControlStyleSet csReflector = 0x4000;
constexpr ControlStyleSet csActionClient = 0x8000;
constexpr ControlStyleSet csMenuEvents = 0x10000;
constexpr ControlStyleSet csNeedsBorderPaint = 0x20000;
constexpr ControlStyleSet csParentBackground = 0x40000;

// Control state bits.
using ControlStateSet = unsigned;
constexpr ControlStateSet csLButtonDown = 0x1;
constexpr ControlStateSet csClicked = 0x2;
constexpr ControlStateSet csPalette = 0x4;
constexpr ControlStateSet csReadingState = 0x8;
constexpr ControlStateSet csAlignmentNeeded = 0x10;
constexpr ControlStateSet csFocusing = 0x20;
constexpr ControlStateSet csCreatingControl = 0x40;
constexpr ControlStateSet csPaintCopy = 0x80;
constexpr ControlStateSet csCustomPaint = 0x100;
constexpr ControlStateSet csDestroyingHandle = 0x200;
constexpr ControlStateSet csDocking = 0x400;

enum class Align { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };
using Anchors = unsigned;
constexpr Anchors akLeft = 0x1;
constexpr Anchors akTop = 0x2;
constexpr Anchors akRight = 0x4;
constexpr Anchors akBottom = 0x8;

enum class BiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };
enum class Alignment { taLeftJustify, taRightJustify, taCenter };

// Cursor shapes (the conventional negative numbering; 0 = the parent's / arrow).
using Cursor = int;
constexpr Cursor crDefault = 0;
constexpr Cursor crNone = -1;
constexpr Cursor crArrow = -2;
constexpr Cursor crCross = -3;
constexpr Cursor crIBeam = -4;
constexpr Cursor crSizeNESW = -6;
constexpr Cursor crSizeNS = -7;
constexpr Cursor crSizeNWSE = -8;
constexpr Cursor crSizeWE = -9;
constexpr Cursor crHourGlass = -11;
constexpr Cursor crNo = -18;
constexpr Cursor crHandPoint = -21;
constexpr Cursor crSizeAll = -22;

// Dialog keys that a control may answer (see AnswersDialogKey).
enum class DialogKey { Enter, Escape };

class Control : public Component {
 public:
  explicit Control(Component* owner);
  ~Control() override;

  std::string ClassName() const override { return "TControl"; }
  bool InheritsFrom(const std::string& c) const override {
    return c == "TControl" || Component::InheritsFrom(c);
  }

  // --- tree -------------------------------------------------------------
  WinControl* Parent() const { return parent_; }
  virtual void SetParent(WinControl* parent);
  virtual bool HasWindow() const { return false; }
  // The form this control sits on (itself for a form), or null.
  Form* ParentForm() const;
  // The nearest windowed control: itself when windowed, else the parent.
  WinControl* WindowOwner() const;

  // --- messages ---------------------------------------------------------
  // Synchronous delivery through the procedure chain; returns the result.
  LRESULT Perform(std::uint32_t msg, WPARAM wParam = 0, LPARAM lParam = 0);
  void Dispatch(Message& msg);
  // Handlers in front of WndProc (see ProcChain.h).
  int AddProc(ProcHandler handler) { return chain_->Add(std::move(handler)); }
  void RemoveProc(int id) { chain_->Remove(id); }
  const std::shared_ptr<ProcChain>& Chain() const { return chain_; }
  // Expires when the control is freed: code that calls out (a paint, an
  // event) and touches the control afterwards checks it first.
  std::weak_ptr<const void> AliveToken() const { return alive_; }

  // --- geometry (parent client coordinates) ------------------------------
  int Left() const { return bounds_.Left; }
  int Top() const { return bounds_.Top; }
  int Width() const { return bounds_.Width(); }
  int Height() const { return bounds_.Height(); }
  gfx::Rect BoundsRect() const { return bounds_; }
  void SetLeft(int v) { SetBounds(v, Top(), Width(), Height()); }
  void SetTop(int v) { SetBounds(Left(), v, Width(), Height()); }
  void SetWidth(int v) { SetBounds(Left(), Top(), v, Height()); }
  void SetHeight(int v) { SetBounds(Left(), Top(), Width(), v); }
  void SetBoundsRect(const gfx::Rect& r) { SetBounds(r.Left, r.Top, r.Width(), r.Height()); }
  virtual void SetBounds(int left, int top, int width, int height);
  // The client area in client coordinates (0, 0 at its top-left).
  virtual gfx::Rect ClientRect() const { return {0, 0, Width(), Height()}; }
  int ClientWidth() const { return ClientRect().Width(); }
  int ClientHeight() const { return ClientRect().Height(); }
  virtual void SetClientSize(int width, int height);
  // Screen position of the client area's top-left corner.
  virtual gfx::Point ClientOrigin() const;
  gfx::Point ClientToScreen(gfx::Point p) const;
  gfx::Point ScreenToClient(gfx::Point p) const;
  gfx::Rect ScreenRect() const;  // bounds in screen coordinates

  Align GetAlign() const { return align_; }
  void SetAlign(Align a);
  Anchors GetAnchors() const { return anchors_; }
  void SetAnchors(Anchors a) { anchors_ = a; }
  bool AutoSize() const { return autoSize_; }
  virtual void SetAutoSize(bool on);
  // Applies CanAutoSize when AutoSize is on.
  void AdjustSize();
  // Asks whether the control wants another size; may change width/height.
  virtual bool CanAutoSize(int& width, int& height);
  virtual bool CanResize(int& width, int& height);

  // --- properties -------------------------------------------------------
  bool Visible() const { return visible_; }
  virtual void SetVisible(bool on);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  // Visible together with every parent (and the top-level window shown).
  virtual bool Showing() const;
  bool Enabled() const { return enabled_; }
  virtual void SetEnabled(bool on);
  // The caption as stored; SetCaption goes through SetText.
  const std::string& Caption() const { return caption_; }
  virtual void SetCaption(const std::string& text);
  // The control's text through its own handling of WM_GETTEXT / WM_SETTEXT:
  // the caption by default, whatever a control keeps otherwise (a memo's
  // lines). WM_GETTEXT's lParam is the std::string to fill; WM_SETTEXT's is
  // the new UTF-8 text, and its handler sends CM_TEXTCHANGED on a change.
  std::string Text() const;
  void SetText(const std::string& text);
  gfx::Color Color() const { return color_; }
  virtual void SetColor(gfx::Color c);
  bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool on);
  const gfx::Font& Font() const { return font_; }
  virtual void SetFont(const gfx::Font& f);
  bool ParentFont() const { return parentFont_; }
  void SetParentFont(bool on);
  Cursor GetCursor() const { return cursor_; }
  void SetCursor(Cursor c);
  PopupMenu* GetPopupMenu() const { return popupMenu_; }
  void SetPopupMenu(PopupMenu* m);
  BiDiMode GetBiDiMode() const { return bidi_; }
  void SetBiDiMode(BiDiMode m);
  bool UseRightToLeftReading() const { return bidi_ != BiDiMode::bdLeftToRight; }
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& h) { hint_ = h; }

  ControlStyleSet ControlStyle() const { return style_; }
  void SetControlStyle(ControlStyleSet s) { style_ = s; }
  ControlStateSet ControlState() const { return cstate_; }
  void SetControlState(ControlStateSet s) { cstate_ = s; }
  bool HasStyle(ControlStyleSet s) const { return (style_ & s) == s; }

  // --- painting ---------------------------------------------------------
  // Marks the control's rectangle for repainting (erase unless opaque).
  virtual void Invalidate();
  // Paints now what is invalid.
  virtual void Update();
  void Repaint();
  void Refresh() { Repaint(); }
  // A surface for drawing outside the paint cycle: the parent window's
  // client surface with its origin at this control and clipped to it.
  // Null while the control cannot paint (no parent window).
  virtual std::unique_ptr<gfx::Canvas> GetCanvas();

  // --- mouse and keys ---------------------------------------------------
  bool MouseCapture() const;
  void SetMouseCapture(bool on);
  // The control's reaction to a dialog key; push buttons answer Enter when
  // they are the default (or focused) button and Esc when they are the
  // cancel button. The form clicks the first enabled, showing control that
  // answers. Plain controls never answer.
  virtual bool AnswersDialogKey(DialogKey key) const;
  // Runs the click behaviour (OnClick by default).
  virtual void Click();

  NotifyEvent OnClick;
  NotifyEvent OnDblClick;
  MouseEvent OnMouseDown;
  MouseEvent OnMouseUp;
  MouseMoveEvent OnMouseMove;
  NotifyEvent OnMouseEnter;
  NotifyEvent OnMouseLeave;
  NotifyEvent OnResize;
  MouseWheelEvent OnMouseWheel;

 protected:
  // The class's own message handling; the end of the procedure chain.
  // Derived classes handle what they want and call the base for the rest.
  virtual void WndProc(Message& msg);
  // What nobody handled.
  virtual void DefaultHandler(Message& msg);
  // Sees each message after the procedure chain and before WndProc, for
  // work that derived classes must not see (a window's scroll-bar press in
  // progress); true when it took the message.
  virtual bool PreemptMessage(Message&) { return false; }
  // Paints the control on `canvas` (origin at the control's top-left).
  virtual void Paint(gfx::Canvas& canvas);
  virtual void MouseDown(MouseButton button, ShiftState shift, int x, int y);
  virtual void MouseUp(MouseButton button, ShiftState shift, int x, int y);
  virtual void MouseMove(ShiftState shift, int x, int y);
  virtual void DblClick();
  virtual void Resize();
  virtual void VisibleChanging() {}
  // Called after a change of bounds.
  virtual void BoundsChanged(const gfx::Rect& old);
  // Sends a parent notice to every ancestor windowed parent (used by the
  // default handling of font/colour changes).
  void NotifyChildrenOfParentChange(std::uint32_t msg);
  void Notification(Component* c, Operation op) override;

  // Helpers for derived controls.
  static ShiftState ShiftFromKeys(WPARAM keys);
  void SetVisibleFlag(bool on) { visible_ = on; }
  // The windowed controls from this one down (itself when windowed), each
  // with its Showing() state, parents before children.
  std::vector<std::pair<WinControl*, bool>> WindowedShowingStates();
  // Sends CM_SHOWINGCHANGED to each control of `before` whose Showing()
  // differs now.
  static void NotifyShowingChanges(const std::vector<std::pair<WinControl*, bool>>& before);

 private:
  friend class WinControl;
  void HandleMouseMessage(Message& msg);

  WinControl* parent_ = nullptr;
  std::shared_ptr<ProcChain> chain_;
  std::shared_ptr<const char> alive_ = std::make_shared<const char>('\0');
  gfx::Rect bounds_;
  Align align_ = Align::alNone;
  Anchors anchors_ = akLeft | akTop;
  bool autoSize_ = false;
  bool visible_ = true;
  bool enabled_ = true;
  std::string caption_;
  gfx::Color color_ = gfx::clBtnFace;
  bool parentColor_ = false;
  gfx::Font font_;
  bool parentFont_ = true;
  Cursor cursor_ = crDefault;
  PopupMenu* popupMenu_ = nullptr;
  BiDiMode bidi_ = BiDiMode::bdLeftToRight;
  std::string hint_;
  ControlStyleSet style_ = csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks;
  ControlStateSet cstate_ = 0;
};

// Sets control state bits for the lifetime of the scope; only the bits it
// set are cleared again, also when the scope is left by an exception.
// A control freed inside the scope (a paint handler that frees its own
// control) is left alone.
class ControlStateScope {
 public:
  ControlStateScope(Control& c, ControlStateSet bits)
      : c_(c), alive_(c.AliveToken()), bits_(bits & ~c.ControlState()) {
    c_.SetControlState(c_.ControlState() | bits_);
  }
  ~ControlStateScope() {
    if (!alive_.expired()) c_.SetControlState(c_.ControlState() & ~bits_);
  }
  ControlStateScope(const ControlStateScope&) = delete;
  ControlStateScope& operator=(const ControlStateScope&) = delete;

 private:
  Control& c_;
  std::weak_ptr<const void> alive_;
  ControlStateSet bits_;
};

// Converts between backend modifier bits and shift states.
ShiftState ShiftFromModifiers(std::uint32_t modifiers);

}  // namespace ui
