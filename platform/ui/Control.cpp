#include "platform/ui/Control.h"

#include <algorithm>

#include "platform/ui/Application.h"
#include "platform/ui/WinControl.h"
#include "platform/ui/forms/Form.h"
#include "platform/ui/menus/Menus.h"

namespace ui {

Control::Control(Component* owner)
    : Component(owner), chain_(std::make_shared<ProcChain>([this](Message& m) {
        if (!PreemptMessage(m)) WndProc(m);
      })) {}

Control::~Control() {
  BeginDestruction();
  if (Application::Exists()) App().ControlDestroyed(this);
  if (parent_) parent_->RemoveControl(this);
  parent_ = nullptr;
}

// --- tree -------------------------------------------------------------------

void Control::SetParent(WinControl* parent) {
  if (parent == parent_) return;
  if (parent == this) return;
  if (parent_) parent_->RemoveControl(this);
  parent_ = nullptr;
  if (parent) parent->InsertControl(this);
}

Form* Control::ParentForm() const {
  const Control* c = this;
  while (c->parent_) c = c->parent_;
  return dynamic_cast<Form*>(const_cast<Control*>(c));
}

WinControl* Control::WindowOwner() const {
  if (HasWindow()) return static_cast<WinControl*>(const_cast<Control*>(this));
  return parent_;
}

// --- messages -----------------------------------------------------------------

LRESULT Control::Perform(std::uint32_t msg, WPARAM wParam, LPARAM lParam) {
  Message m{msg, wParam, lParam, 0};
  Dispatch(m);
  return m.result;
}

void Control::Dispatch(Message& msg) {
  // Keep the chain alive even if a handler destroys the control's last
  // reference to it.
  std::shared_ptr<ProcChain> chain = chain_;
  chain->Dispatch(msg);
}

ShiftState Control::ShiftFromKeys(WPARAM keys) {
  ShiftState s = 0;
  if (keys & MK_SHIFT) s |= ssShift;
  if (keys & MK_CONTROL) s |= ssCtrl;
  if (keys & MK_LBUTTON) s |= ssLeft;
  if (keys & MK_RBUTTON) s |= ssRight;
  if (keys & MK_MBUTTON) s |= ssMiddle;
  return s;
}

ShiftState ShiftFromModifiers(std::uint32_t m) {
  ShiftState s = 0;
  if (m & backend::kModShift) s |= ssShift;
  if (m & backend::kModControl) s |= ssCtrl;
  if (m & backend::kModAlt) s |= ssAlt;
  if (m & backend::kModLeftButton) s |= ssLeft;
  if (m & backend::kModRightButton) s |= ssRight;
  if (m & backend::kModMiddleButton) s |= ssMiddle;
  return s;
}

void Control::WndProc(Message& msg) {
  switch (msg.msg) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK: HandleMouseMessage(msg); return;
    case WM_PAINT:
      if (!HasWindow()) {
        if (!msg.wParam) return;
        // Painted into a copy when the parent window is.
        bool copy = parent_ && (parent_->ControlState() & csPaintCopy);
        ControlStateScope state(*this, copy ? csPaintCopy : 0);
        Paint(*reinterpret_cast<gfx::Canvas*>(msg.wParam));
        return;
      }
      break;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE: {
      // The notice names the control entered (or left) and bubbles up.
      Control* who = msg.lParam ? reinterpret_cast<Control*>(msg.lParam) : this;
      if (who == this) {
        if (msg.msg == CM_MOUSEENTER)
          OnMouseEnter(this);
        else
          OnMouseLeave(this);
      }
      if (parent_) parent_->Perform(msg.msg, 0, reinterpret_cast<LPARAM>(who));
      return;
    }
    case CM_HITTEST: msg.result = 1; return;
    case CM_ENABLEDCHANGED:
    case CM_TEXTCHANGED:
    case CM_COLORCHANGED:
    case CM_FONTCHANGED: Invalidate(); break;
    case CM_PARENTFONTCHANGED:
      if (parentFont_ && parent_) {
        font_ = parent_->Font();
        Perform(CM_FONTCHANGED);
        parentFont_ = true;
      }
      return;
    case CM_PARENTCOLORCHANGED:
      if (parentColor_ && parent_) {
        color_ = parent_->Color();
        Perform(CM_COLORCHANGED);
        parentColor_ = true;
      }
      return;
    case WM_CONTEXTMENU:
      // A control with a popup menu shows it at the pointer.
      if (popupMenu_) {
        popupMenu_->SetPopupComponent(this);
        popupMenu_->Popup(GetXParam(msg.lParam), GetYParam(msg.lParam));
        msg.result = 1;
        return;
      }
      if (parent_) {
        msg.result = parent_->Perform(msg.msg, msg.wParam, msg.lParam);
        return;
      }
      break;
    default: break;
  }
  DefaultHandler(msg);
}

void Control::DefaultHandler(Message& msg) {
  switch (msg.msg) {
    case WM_GETTEXT:
      if (msg.lParam) *reinterpret_cast<std::string*>(msg.lParam) = caption_;
      msg.result = static_cast<LRESULT>(caption_.size());
      return;
    case WM_SETTEXT: {
      std::string text = msg.lParam ? reinterpret_cast<const char*>(msg.lParam) : "";
      msg.result = 1;
      if (text == caption_) return;
      caption_ = std::move(text);
      Perform(CM_TEXTCHANGED);
      return;
    }
    default: return;
  }
}

void Control::HandleMouseMessage(Message& msg) {
  int x = GetXParam(msg.lParam);
  int y = GetYParam(msg.lParam);
  ShiftState shift = ShiftFromKeys(msg.wParam);
  switch (msg.msg) {
    case WM_MOUSEMOVE: MouseMove(shift, x, y); break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (style_ & csCaptureMouse) SetMouseCapture(true);
      if (style_ & csClickEvents) cstate_ |= csClicked;
      cstate_ |= csLButtonDown;
      if (msg.msg == WM_LBUTTONDBLCLK) {
        if (style_ & csClickEvents) DblClick();
        shift |= ssDouble;
      }
      MouseDown(MouseButton::Left, shift, x, y);
      break;
    case WM_LBUTTONUP: {
      cstate_ &= ~csLButtonDown;
      if (style_ & csCaptureMouse) SetMouseCapture(false);
      bool clicked = (cstate_ & csClicked) != 0;
      cstate_ &= ~csClicked;
      // Only a release inside after a press inside is a click.
      if (clicked && ClientRect().Contains({x, y})) Click();
      MouseUp(MouseButton::Left, shift, x, y);
      break;
    }
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
      MouseDown(MouseButton::Right, shift | (msg.msg == WM_RBUTTONDBLCLK ? ssDouble : 0), x, y);
      break;
    case WM_RBUTTONUP: MouseUp(MouseButton::Right, shift, x, y); break;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
      MouseDown(MouseButton::Middle, shift | (msg.msg == WM_MBUTTONDBLCLK ? ssDouble : 0), x, y);
      break;
    case WM_MBUTTONUP: MouseUp(MouseButton::Middle, shift, x, y); break;
    default: break;
  }
}

void Control::MouseDown(MouseButton button, ShiftState shift, int x, int y) {
  OnMouseDown(this, button, shift, x, y);
}
void Control::MouseUp(MouseButton button, ShiftState shift, int x, int y) {
  OnMouseUp(this, button, shift, x, y);
}
void Control::MouseMove(ShiftState shift, int x, int y) { OnMouseMove(this, shift, x, y); }
void Control::DblClick() { OnDblClick(this); }
void Control::Click() { OnClick(this); }
void Control::Resize() { OnResize(this); }
void Control::Paint(gfx::Canvas&) {}
bool Control::AnswersDialogKey(DialogKey) const { return false; }

bool Control::MouseCapture() const { return Application::Exists() && App().CaptureControl() == this; }

void Control::SetMouseCapture(bool on) {
  if (!Application::Exists()) return;
  if (on)
    App().SetCaptureControl(this);
  else if (App().CaptureControl() == this)
    App().SetCaptureControl(nullptr);
}

// --- geometry -------------------------------------------------------------------

void Control::SetBounds(int left, int top, int width, int height) {
  if (width < 0) width = 0;
  if (height < 0) height = 0;
  gfx::Rect nb = gfx::Rect::FromXYWH(left, top, width, height);
  if (nb == bounds_) return;
  if (!CanResize(width, height)) return;
  nb = gfx::Rect::FromXYWH(left, top, width, height);
  gfx::Rect old = bounds_;
  if (parent_ && visible_) parent_->InvalidateRect(&old, true);
  bounds_ = nb;
  BoundsChanged(old);
}

void Control::BoundsChanged(const gfx::Rect& old) {
  if (parent_ && visible_) parent_->InvalidateRect(&bounds_, !(style_ & csOpaque));
  if (old.TopLeft() != bounds_.TopLeft()) Perform(WM_MOVE, 0, PointToParam(bounds_.Left, bounds_.Top));
  if (old.GetSize() != bounds_.GetSize()) {
    Perform(WM_SIZE, SIZE_RESTORED, MakeLong(bounds_.Width(), bounds_.Height()));
    Resize();
  }
}

void Control::SetClientSize(int width, int height) {
  gfx::Rect c = ClientRect();
  SetBounds(Left(), Top(), Width() + width - c.Width(), Height() + height - c.Height());
}

gfx::Point Control::ClientOrigin() const {
  if (!parent_) return {bounds_.Left, bounds_.Top};
  gfx::Point p = parent_->ClientOrigin();
  return {p.X + bounds_.Left, p.Y + bounds_.Top};
}

gfx::Point Control::ClientToScreen(gfx::Point p) const {
  gfx::Point o = ClientOrigin();
  return {p.X + o.X, p.Y + o.Y};
}

gfx::Point Control::ScreenToClient(gfx::Point p) const {
  gfx::Point o = ClientOrigin();
  return {p.X - o.X, p.Y - o.Y};
}

gfx::Rect Control::ScreenRect() const {
  if (!parent_) return bounds_;
  gfx::Point o = parent_->ClientOrigin();
  return bounds_.Offset(o.X, o.Y);
}

void Control::SetAlign(Align a) {
  if (a == align_) return;
  align_ = a;
  if (parent_) parent_->Realign();
}

void Control::SetAutoSize(bool on) {
  autoSize_ = on;
  if (on) AdjustSize();
}

void Control::AdjustSize() {
  if (!autoSize_) return;
  int w = Width(), h = Height();
  if (CanAutoSize(w, h)) SetBounds(Left(), Top(), w, h);
}

bool Control::CanAutoSize(int&, int&) { return false; }
bool Control::CanResize(int&, int&) { return true; }

// --- properties -----------------------------------------------------------------

bool Control::Showing() const { return visible_ && parent_ && parent_->Showing(); }

void Control::SetVisible(bool on) {
  if (on == visible_) return;
  VisibleChanging();
  if (!on) {
    Invalidate();
    // Hidden controls keep no capture.
    if (Application::Exists() && App().CaptureControl())
      for (Control* c = App().CaptureControl(); c; c = c->Parent())
        if (c == this) {
          App().CancelMode();
          break;
        }
  }
  auto showing = WindowedShowingStates();
  visible_ = on;
  Perform(CM_VISIBLECHANGED, on ? 1 : 0);
  if (on) Invalidate();
  if (parent_ && align_ != Align::alNone) parent_->Realign();
  NotifyShowingChanges(showing);
}

std::vector<std::pair<WinControl*, bool>> Control::WindowedShowingStates() {
  std::vector<std::pair<WinControl*, bool>> out;
  auto* root = dynamic_cast<WinControl*>(this);
  if (!root) return out;
  out.emplace_back(root, root->Showing());
  for (std::size_t i = 0; i < out.size(); ++i)
    for (Control* c : out[i].first->Controls())
      if (auto* w = dynamic_cast<WinControl*>(c)) out.emplace_back(w, w->Showing());
  return out;
}

void Control::NotifyShowingChanges(const std::vector<std::pair<WinControl*, bool>>& before) {
  if (before.empty()) return;
  // A handler may free controls; only those still in the tree are told, and
  // the tree is read again after each notice.
  WinControl* root = before.front().first;
  auto now = root->WindowedShowingStates();
  for (const auto& [w, was] : before) {
    auto it = std::find_if(now.begin(), now.end(), [w = w](const auto& e) { return e.first == w; });
    if (it == now.end() || w->Showing() == was) continue;
    w->Perform(CM_SHOWINGCHANGED);
    now = root->WindowedShowingStates();
  }
}

void Control::SetEnabled(bool on) {
  if (on == enabled_) return;
  enabled_ = on;
  Perform(CM_ENABLEDCHANGED);
}

void Control::SetCaption(const std::string& text) { SetText(text); }

std::string Control::Text() const {
  std::string text;
  const_cast<Control*>(this)->Perform(WM_GETTEXT, 0, reinterpret_cast<LPARAM>(&text));
  return text;
}

void Control::SetText(const std::string& text) {
  Perform(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void Control::SetColor(gfx::Color c) {
  if (c == color_ && !parentColor_) return;
  color_ = c;
  parentColor_ = false;
  Perform(CM_COLORCHANGED);
  NotifyChildrenOfParentChange(CM_PARENTCOLORCHANGED);
}

void Control::SetParentColor(bool on) {
  parentColor_ = on;
  if (on && parent_) Perform(CM_PARENTCOLORCHANGED);
}

void Control::SetFont(const gfx::Font& f) {
  if (f == font_ && !parentFont_) return;
  font_ = f;
  parentFont_ = false;
  Perform(CM_FONTCHANGED);
  NotifyChildrenOfParentChange(CM_PARENTFONTCHANGED);
}

void Control::SetParentFont(bool on) {
  parentFont_ = on;
  if (on && parent_) Perform(CM_PARENTFONTCHANGED);
}

void Control::SetCursor(Cursor c) {
  if (c == cursor_) return;
  cursor_ = c;
  Perform(CM_CURSORCHANGED);
}

void Control::SetPopupMenu(PopupMenu* m) {
  popupMenu_ = m;
  if (m) FreeNotification(m);
}

void Control::SetBiDiMode(BiDiMode m) {
  if (m == bidi_) return;
  bidi_ = m;
  Perform(CM_BIDIMODECHANGED);
}

void Control::NotifyChildrenOfParentChange(std::uint32_t msg) {
  if (auto* w = dynamic_cast<WinControl*>(this)) {
    auto children = w->Controls();
    for (Control* c : children) c->Perform(msg);
  }
}

void Control::Notification(Component* c, Operation op) {
  Component::Notification(c, op);
  if (op == Operation::Remove && c == popupMenu_) popupMenu_ = nullptr;
}

// --- painting -------------------------------------------------------------------

void Control::Invalidate() {
  if (parent_ && visible_) parent_->InvalidateRect(&bounds_, !(style_ & csOpaque));
}

void Control::Update() {
  if (parent_) parent_->Update();
}

void Control::Repaint() {
  Invalidate();
  Update();
}

std::unique_ptr<gfx::Canvas> Control::GetCanvas() {
  if (!parent_ || !parent_->HandleAllocated()) return nullptr;
  auto c = parent_->GetSurface(SurfaceArea::Client);
  if (!c) return nullptr;
  c->MoveOrigin(bounds_.Left, bounds_.Top);
  c->IntersectClipRect({0, 0, Width(), Height()});
  return c;
}

}  // namespace ui
