// Top-level forms: styles from the border properties, showing, window
// states, positions, activation, focus, modal loops, closing, layered
// windows and stacking.
#include "platform/ui/forms/Form.h"

#include <algorithm>

#include "platform/ui/Application.h"
#include "platform/ui/Screen.h"
#include "platform/ui/forms/FormFrame.h"
#include "platform/ui/forms/FormImpl.h"
#include "platform/ui/forms/TopLevelWindow.h"
#include "platform/ui/menus/MenuBar.h"
#include "platform/ui/menus/Menus.h"

namespace ui {

Form::Form(Component* owner) : WinControl(owner), impl_(std::make_unique<Impl>(*this)) {
  SetVisibleFlag(false);
  SetParentFont(false);
  SetBoundsRect(gfx::Rect::FromXYWH(0, 0, 400, 300));
  SetControlStyle(ControlStyle() | csAcceptsControls);
}

Form::~Form() {
  BeginDestruction();
  if (modal_ && Application::Exists()) App().PopModal(this);
  OnDestroy(this);
  DestroyComponents();
  DestroyWnd();
}

void Form::DoCreate() { OnCreate(this); }

// --- styles -------------------------------------------------------------------------

void Form::CreateParams(ui::CreateParams& p) {
  WinControl::CreateParams(p);
  FormFrame::ComputeStyles(*this, p.Style, p.ExStyle);
}

void Form::SurfaceOptions(backend::SurfaceOptions& o) const {
  WinControl::SurfaceOptions(o);
  o.Modal = modal_;
  o.Actions = SurfaceActions();
  if (menuWindow_) {
    o.Kind = backend::SurfaceKind::Popup;
    return;
  }
  if (Tag() == -98 || (ExStyle() & WS_EX_TOOLWINDOW))
    o.Kind = backend::SurfaceKind::Auxiliary;
  else if (borderStyle_ == BorderStyle::bsDialog ||
           (Application::Exists() && App().MainForm() && App().MainForm() != this))
    o.Kind = backend::SurfaceKind::Dialog;
  if (Form* owner = OwnerWindow(); owner && owner->Surface()) o.Owner = owner->Surface()->Surface();
}

void Form::ApplyStyles() {
  if (!HandleAllocated()) return;
  std::uint32_t s = Style(), ex = ExStyle();
  FormFrame::ComputeStyles(*this, s, ex);
  s = (s & ~WS_VISIBLE) | (Style() & WS_VISIBLE);
  SetStyle(s);
  SetExStyle(ex);
  if (Surface()) App().Backend().SetActions(Surface()->Surface(), SurfaceActions());
  FrameChanged();
  RedrawWindow(nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
}

void Form::SetBorderStyle(BorderStyle s) {
  if (s == borderStyle_) return;
  borderStyle_ = s;
  ApplyStyles();
}

void Form::SetBorderIcons(BorderIcons icons) {
  if (icons == borderIcons_) return;
  borderIcons_ = icons;
  ApplyStyles();
}

void Form::SetFormStyle(FormStyle s) {
  if (s == formStyle_) return;
  formStyle_ = s;
  ApplyStyles();
}

void Form::SetMenu(MainMenu* menu) {
  if (menu_ == menu) return;
  if (menu_) menu_->form_ = nullptr;
  menu_ = menu;
  if (menu_) {
    menu_->form_ = this;
    FreeNotification(menu_);
  }
  if (HandleAllocated()) {
    FrameChanged();
    RedrawWindow(nullptr, RDW_INVALIDATE | RDW_FRAME);
  }
}

void Form::Notification(Component* c, Operation op) {
  WinControl::Notification(c, op);
  if (op == Operation::Remove && c == menu_) {
    menu_ = nullptr;
    if (HandleAllocated() && !Destroying()) FrameChanged();
  }
  if (op == Operation::Remove && c == impl_->sysMenu) impl_->sysMenu = nullptr;
}

int Form::MenuLineCount() const { return impl_->menuBar.Rows(); }
MenuBarLayout& Form::MenuBar() { return impl_->menuBar; }

void Form::SetConstraints(const SizeConstraints& c) {
  constraints_ = c;
  SetBounds(Left(), Top(), Width(), Height());
}

std::string Form::SurfaceTitle() const {
  if (Application::Exists() && App().MainForm() == this && !App().Title().empty()) return App().Title();
  return Caption();
}

void Form::ApplySurfaceTitle() {
  if (Surface()) App().Backend().SetTitle(Surface()->Surface(), SurfaceTitle());
}

void Form::SetIcon(const Icon& icon) {
  icon_ = icon;
  ApplyIcon();
}

const Icon& Form::EffectiveIcon() const {
  if (!icon_.Empty() || !Application::Exists()) return icon_;
  return App().GetIcon();
}

void Form::ApplyIcon() {
  if (!Surface()) return;
  const Icon& icon = EffectiveIcon();
  App().Backend().SetIcon(Surface()->Surface(), icon.Pictures());
  RedrawWindow(nullptr, RDW_FRAME | RDW_INVALIDATE);
}

Form::FrameInsets Form::Insets() const { return FormFrame::Insets(*this); }

gfx::Size Form::ClientToWindowSize(gfx::Size client) const {
  FrameInsets in = Insets();
  return {client.Width + in.Left + in.Right, client.Height + in.Top + in.Bottom};
}

gfx::Size Form::WindowToClientSize(gfx::Size window) const {
  FrameInsets in = Insets();
  return {std::max(0, window.Width - in.Left - in.Right), std::max(0, window.Height - in.Top - in.Bottom)};
}

gfx::Rect Form::CaptionButtonRect(int hit) const { return FormFrame::ButtonRect(*this, hit); }
gfx::Rect Form::CaptionRect() const { return FormFrame::CaptionRect(*this); }
gfx::Rect Form::MenuBarRect() const { return FormFrame::MenuBarRect(*this); }

void Form::NcCalcSize(NcCalcSizeParams& p) {
  gfx::Rect& r = p.Rect[0];
  impl_->menuBar.Layout(std::max(0, r.Width() - 2 * FormFrame::BorderWidth(*this)));
  FrameInsets in = Insets();
  r = {r.Left + in.Left, r.Top + in.Top, r.Right - in.Right, r.Bottom - in.Bottom};
  if (r.Right < r.Left) r.Right = r.Left;
  if (r.Bottom < r.Top) r.Bottom = r.Top;
}

int Form::NcHitTest(gfx::Point screen) { return FormFrame::HitTest(*this, screen); }

void Form::NcPaint(gfx::Canvas& c) { FormFrame::Paint(*this, c, impl_->pressedButton); }

void Form::PaintWindow(gfx::Canvas&) {
  ControlStateScope custom(*this, csCustomPaint);
  OnPaint(this);
}

// --- showing --------------------------------------------------------------------------

bool Form::Showing() const { return Visible() && HandleAllocated(); }

void Form::SetVisible(bool on) {
  if (on == Visible()) {
    if (on && impl_->showActivate) Activate();
    return;
  }
  bool wasChanging = showingChanging_;
  showingChanging_ = true;
  struct Reset {
    bool& flag;
    bool value;
    ~Reset() { flag = value; }
  } reset{showingChanging_, wasChanging};
  if (on) {
    // The window manager learns of modality only when the window is made:
    // a hidden window made for the other kind of showing is made again.
    if (HandleAllocated() && impl_->surfaceModal != modal_) RecreateWnd();
    HandleNeeded();
    ApplySurfaceOwner();
    bool center = position_ == Position::poMainFormCenter || position_ == Position::poOwnerFormCenter;
    if (!shownOnce_ || center) ApplyPosition();
    shownOnce_ = true;
    if (windowState_ == WindowState::wsMaximized && !(Style() & WS_MAXIMIZE))
      SetWindowState(WindowState::wsMaximized);
    bool minimized = windowState_ == WindowState::wsMinimized;
    if (minimized && !(Style() & WS_MINIMIZE)) {
      // Shown straight into the minimised state.
      if (!(Style() & WS_MAXIMIZE)) restored_ = BoundsRect();
      SetStyle(Style() | WS_MINIMIZE);
      Surface()->Minimize();
    }
    DoShow();
    WinControl::SetVisible(true);
    if (minimized)
      Perform(WM_SIZE, SIZE_MINIMIZED, 0);
    else if (impl_->showActivate && !(ExStyle() & WS_EX_NOACTIVATE))
      Activate();
  } else {
    DoHide();
    bool wasActive = active_;
    if (Application::Exists()) {
      App().CancelModeFor(this);
      // The pointer is no longer over anything of this form.
      if (Control* h = App().HoverControl(); h && (h == this || ContainsControl(h))) App().NoteHover(nullptr);
    }
    WinControl::SetVisible(false);
    if (wasActive) HandOffActivation();
  }
}

void Form::ShowForm() {
  impl_->showActivate = true;
  SetVisible(true);
}

void Form::ShowNoActivate() {
  impl_->showActivate = false;
  SetVisible(true);
  impl_->showActivate = true;
}

void Form::HideForm() { SetVisible(false); }

void Form::DoShow() { OnShow(this); }
void Form::DoHide() { OnHide(this); }

void Form::ApplyPosition() {
  auto& scr = App().Screen();
  gfx::Rect area;
  switch (position_) {
    case Position::poScreenCenter: area = scr.WorkArea(); break;
    case Position::poDesktopCenter: area = scr.DesktopRect(); break;
    case Position::poMainFormCenter:
    case Position::poOwnerFormCenter: {
      Form* main = App().MainForm();
      if (position_ == Position::poOwnerFormCenter)
        if (auto* of = dynamic_cast<Form*>(Owner())) main = of;
      area = (main && main != this && main->HandleAllocated()) ? main->WindowRect() : scr.DesktopRect();
      break;
    }
    default: return;
  }
  int x = area.Left + (area.Width() - Width()) / 2;
  int y = area.Top + (area.Height() - Height()) / 2;
  SetBounds(x, y, Width(), Height());
}

void Form::SetWindowState(WindowState s) {
  if (!HandleAllocated()) {
    windowState_ = s;
    return;
  }
  bool minStyle = (Style() & WS_MINIMIZE) != 0, maxStyle = (Style() & WS_MAXIMIZE) != 0;
  if (s == windowState_ && (s != WindowState::wsMaximized || maxStyle) &&
      (s != WindowState::wsMinimized || minStyle))
    return;
  WindowState old = windowState_;
  windowState_ = s;
  switch (s) {
    case WindowState::wsMinimized:
      if (old == WindowState::wsNormal) restored_ = BoundsRect();
      SetStyle(Style() | WS_MINIMIZE);
      if (Surface()) Surface()->Minimize();
      if (active_) HandOffActivation();
      Perform(WM_SIZE, SIZE_MINIMIZED, 0);
      break;
    case WindowState::wsMaximized: {
      if (minStyle) LeaveMinimized();
      if (!(Style() & WS_MAXIMIZE)) restored_ = BoundsRect();
      MinMaxInfo mmi = FormFrame::DefaultMinMax(*this);
      Perform(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi));
      SetStyle(Style() | WS_MAXIMIZE);
      gfx::Size before = BoundsRect().GetSize();
      SetWindowPos(ZOrder::Window, nullptr, mmi.MaxPosition.X, mmi.MaxPosition.Y, mmi.MaxSize.X,
                   mmi.MaxSize.Y, SWP_NOZORDER | SWP_FRAMECHANGED);
      // A change of size has sent WM_SIZE already, with SIZE_MAXIMIZED.
      if (BoundsRect().GetSize() == before)
        Perform(WM_SIZE, SIZE_MAXIMIZED, MakeLong(ClientWidth(), ClientHeight()));
      break;
    }
    case WindowState::wsNormal:
      if (minStyle) {
        LeaveMinimized();
        // A window minimised from maximised comes back maximised.
        if (Style() & WS_MAXIMIZE) {
          windowState_ = WindowState::wsMaximized;
          Perform(WM_SIZE, SIZE_MAXIMIZED, MakeLong(ClientWidth(), ClientHeight()));
          break;
        }
      }
      {
        gfx::Size before = BoundsRect().GetSize();
        if (Style() & WS_MAXIMIZE) {
          SetStyle(Style() & ~WS_MAXIMIZE);
          gfx::Rect r = restored_.IsEmpty() ? BoundsRect() : restored_;
          SetWindowPos(ZOrder::Window, nullptr, r.Left, r.Top, r.Width(), r.Height(),
                       SWP_NOZORDER | SWP_FRAMECHANGED);
        }
        // A change of size has sent WM_SIZE already, with SIZE_RESTORED.
        if (BoundsRect().GetSize() == before)
          Perform(WM_SIZE, SIZE_RESTORED, MakeLong(ClientWidth(), ClientHeight()));
      }
      break;
  }
  RedrawWindow(nullptr, RDW_FRAME | RDW_INVALIDATE);
}

void Form::LeaveMinimized() {
  SetStyle(Style() & ~WS_MINIMIZE);
  if (Surface()) Surface()->Restore(false);
  if (Visible()) Activate();
}

void Form::WindowManagerMinimized(bool minimized) {
  if (minimized == ((Style() & WS_MINIMIZE) != 0)) return;  // our own change reported back
  if (Surface()) Surface()->NoteMinimized(minimized);
  if (!minimized) {
    SetWindowState(WindowState::wsNormal);
    KeepModalGroupTogether(false);
    return;
  }
  // The focus has already left with the window; when it went nowhere, the
  // next form takes it as if this one had been minimised while active.
  auto& app = App();
  bool focusLost = !app.ActiveForm() && app.Backend().FocusedSurface() == backend::kNoSurface;
  SetWindowState(WindowState::wsMinimized);
  KeepModalGroupTogether(true);
  if (focusLost) HandOffActivation();
}

void Form::HandOffActivation() {
  if (!Application::Exists()) return;
  auto& app = App();
  app.SetActiveForm(nullptr);
  // The main form first, else the topmost other form that may take it.
  auto takes = [&](Form* f) {
    return f && f != this && f->Visible() && !(f->Style() & WS_MINIMIZE) && !f->IsMenuWindow() &&
           !(f->ExStyle() & WS_EX_NOACTIVATE) && app.InputAllowed(f);
  };
  Form* next = app.MainForm();
  if (!takes(next)) {
    next = nullptr;
    for (WinControl* w : app.Screen().TopLevelWindows())
      if (auto* f = dynamic_cast<Form*>(w); takes(f)) next = f;
  }
  if (next) next->Activate();
}

// --- modal and closing -----------------------------------------------------------------------

ModalResult Form::ShowModal() {
  if (modal_ || Visible()) return mrNone;
  auto& app = App();
  app.CancelMode();
  Form* previous = app.ActiveForm();
  modalResult_ = mrNone;
  modal_ = true;
  modalOwner_ = previous != this ? previous : nullptr;
  app.PushModal(this);
  ShowForm();
  KeepAboveBlockedWindows();
  app.RunUntil([this] { return modalResult_ != mrNone || !Visible() || Destroying(); });
  ModalResult r = modalResult_ != mrNone ? modalResult_ : mrCancel;
  if (Visible()) HideForm();
  app.PopModal(this);
  modal_ = false;
  modalOwner_ = nullptr;
  // Placed above a topmost window, it went into the topmost band for a while.
  if (Surface() && !(ExStyle() & WS_EX_TOPMOST) && Topmost())
    app.Backend().SetTopmost(Surface()->Surface(), false);
  // Give the activation back to the form that had it.
  for (Form* f : app.Screen().Forms())
    if (f == previous && f->Visible()) f->Activate();
  modalResult_ = r;
  return r;
}

bool Form::CloseQuery() {
  bool can = true;
  OnCloseQuery(this, can);
  return can;
}

void Form::Close() {
  if (!CloseQuery()) return;
  CloseAction action = modal_ ? caHide : caHide;
  bool isMain = Application::Exists() && App().MainForm() == this;
  if (isMain && !modal_) action = caFree;
  OnClose(this, action);
  if (action == caNone) return;
  if (modal_) {
    if (modalResult_ == mrNone) modalResult_ = mrCancel;
    return;
  }
  if (isMain) {
    HideForm();
    App().Terminate();
    return;
  }
  switch (action) {
    case caHide: HideForm(); break;
    case caMinimize: SetWindowState(WindowState::wsMinimized); break;
    case caFree: Release(); break;
    default: break;
  }
}

void Form::Release() {
  HideForm();
  App().ReleaseForm(this);
}

// --- activation, focus, stacking --------------------------------------------------------------

void Form::Activate() {
  if (!HandleAllocated() || !Visible() || (ExStyle() & WS_EX_NOACTIVATE)) return;
  auto& app = App();
  if (Style() & WS_MINIMIZE) {
    // The modal form is wanted (its blocked owner was clicked, say): it
    // comes back with the windows it belongs to.
    if (app.ModalForm() == this) {
      SetWindowState(WindowState::wsNormal);
      KeepModalGroupTogether(false);
    }
    return;
  }
  if (!app.InputAllowed(this)) {
    if (Form* m = app.ModalForm(); m && m != this) m->Activate();
    return;
  }
  if (Surface()) app.Backend().Activate(Surface()->Surface());
  if (app.ModalForm() == this) KeepAboveBlockedWindows();
  app.SetActiveForm(this);
}

void Form::KeepAboveBlockedWindows() {
  if (!Surface()) return;
  auto& app = App();
  // The highest window above this one that it blocks (a topmost owner, say).
  Form* highest = nullptr;
  bool above = false;
  for (WinControl* w : app.Screen().TopLevelWindows()) {
    auto* f = dynamic_cast<Form*>(w);
    if (w == this)
      above = true;
    else if (above && f && f->Visible() && !f->IsMenuWindow() && !app.InputAllowed(f))
      highest = f;
  }
  if (highest) app.Backend().PlaceAbove(Surface()->Surface(), highest->Surface()->Surface());
}

void Form::SetActiveFlag(bool on, Form* other) {
  active_ = on;
  Perform(WM_NCACTIVATE, on ? 1 : 0);
  Perform(WM_ACTIVATE, on ? WA_ACTIVE : WA_INACTIVE, reinterpret_cast<LPARAM>(other));
  if (on) {
    WinControl* c = activeControl_;
    if (!c || !c->CanFocus()) c = FindNextControl(nullptr, true, true);
    if (c)
      FocusControl(c);
    else
      App().SetFocusedControl(this);
    OnActivate(this);
  } else {
    WinControl* f = App().FocusedControl();
    if (f && ContainsControl(f)) {
      if (f != this) activeControl_ = f;
      App().SetFocusedControl(nullptr);
    }
    OnDeactivate(this);
  }
}

void Form::SetActiveControl(WinControl* c) {
  if (c && !ContainsControl(c)) return;
  if (active_ && c)
    FocusControl(c);
  else
    activeControl_ = c;
}

namespace {
void Broadcast(WinControl* w, std::uint32_t msg, WPARAM wp, LPARAM lp) {
  for (Control* c : std::vector<Control*>(w->Controls())) {
    c->Perform(msg, wp, lp);
    if (auto* cw = dynamic_cast<WinControl*>(c)) Broadcast(cw, msg, wp, lp);
  }
}
}  // namespace

void Form::FocusControl(WinControl* c) {
  if (!c || c == this || !ContainsControl(c) || !c->CanFocus()) return;
  auto& app = App();
  if (!active_) {
    activeControl_ = c;
    if (Visible() && app.InputAllowed(this)) Activate();
    return;
  }
  WinControl* old = app.FocusedControl();
  if (old == c) {
    activeControl_ = c;
    return;
  }
  activeControl_ = c;
  if (old && old != this && ContainsControl(old)) old->Perform(CM_EXIT);
  app.SetFocusedControl(c);
  if (app.FocusedControl() != c) return;
  c->Perform(CM_ENTER);
  Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(c));
  Broadcast(this, CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(c));
}

Control* Form::FindDialogButton(DialogKey key) const {
  auto usable = [](const Control* c) {
    for (const Control* p = c; p; p = p->Parent())
      if (!p->Visible() || !p->Enabled()) return false;
    return true;
  };
  WinControl* f = Application::Exists() ? App().FocusedControl() : nullptr;
  if (f && ContainsControl(f) && usable(f) && f->AnswersDialogKey(key)) return f;
  std::vector<const WinControl*> stack{this};
  while (!stack.empty()) {
    const WinControl* w = stack.back();
    stack.pop_back();
    for (Control* c : w->Controls()) {
      if (usable(c) && c->AnswersDialogKey(key)) return c;
    }
    auto& cs = w->Controls();
    for (auto it = cs.rbegin(); it != cs.rend(); ++it)
      if (auto* cw = dynamic_cast<const WinControl*>(*it)) stack.push_back(cw);
  }
  return nullptr;
}

void Form::BringToFront() {
  if (Surface()) App().Backend().Raise(Surface()->Surface());
}

void Form::SendToBack() {
  if (Surface()) App().Backend().Lower(Surface()->Surface());
}

void Form::PlaceAbove(Form& other) {
  HandleNeeded();
  other.HandleNeeded();
  App().Backend().PlaceAbove(Surface()->Surface(), other.Surface()->Surface());
}

void Form::PlaceBelow(Form& other) {
  HandleNeeded();
  other.HandleNeeded();
  App().Backend().PlaceBelow(Surface()->Surface(), other.Surface()->Surface());
}

bool Form::Topmost() const { return Surface() ? App().Backend().IsTopmost(Surface()->Surface()) : false; }

void Form::SetTopmost(bool on) {
  HandleNeeded();
  SetExStyle(on ? (ExStyle() | WS_EX_TOPMOST) : (ExStyle() & ~WS_EX_TOPMOST));
}

// --- layered windows ------------------------------------------------------------------------------

void Form::SetAlphaBlend(bool on) {
  alphaBlend_ = on;
  if (Surface()) App().Backend().SetConstantAlpha(Surface()->Surface(), on ? alphaValue_ : 255);
}

void Form::SetAlphaBlendValue(std::uint8_t v) {
  alphaValue_ = v;
  if (alphaBlend_ && Surface()) App().Backend().SetConstantAlpha(Surface()->Surface(), v);
}

bool Form::UpdateLayered(const gfx::Bitmap& picture, gfx::Point position, gfx::Size size,
                         std::uint8_t constantAlpha) {
  if (!(ExStyle() & WS_EX_LAYERED)) return false;
  HandleNeeded();
  Surface()->UpdateLayered(picture, position, size, constantAlpha);
  SetWindowPos(ZOrder::Window, nullptr, position.X, position.Y, size.Width, size.Height,
               SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
  return true;
}

bool Form::LayeredAvailable() { return App().Backend().LayeredAvailable(); }

void Form::CreateWnd() {
  WinControl::CreateWnd();
  impl_->surfaceModal = modal_;
  if (Surface() && (Style() & WS_MINIMIZE)) Surface()->NoteMinimized(true);
  if (alphaBlend_ && Surface()) App().Backend().SetConstantAlpha(Surface()->Surface(), alphaValue_);
  ApplySurfaceTitle();
  if (Surface() && !EffectiveIcon().Empty())
    App().Backend().SetIcon(Surface()->Surface(), EffectiveIcon().Pictures());
}

}  // namespace ui
