// Windowed controls: children, window creation, styles, geometry, regions,
// properties, timers and the default message handling.
#include "platform/ui/WinControl.h"

#include <algorithm>

#include "platform/ui/Application.h"
#include "platform/ui/ScrollBarTracker.h"
#include "platform/ui/forms/Form.h"
#include "platform/ui/forms/TopLevelWindow.h"

namespace ui {

WinControl::WinControl(Component* owner)
    : Control(owner), scrollBars_(std::make_unique<ScrollBarTracker>(*this)) {}

WinControl::~WinControl() {
  BeginDestruction();
  DestroyWnd();
  // Children go with their parent (whoever owns them).
  while (!controls_.empty()) {
    Control* c = controls_.back();
    delete c;  // removes itself from controls_
  }
}

// --- children -------------------------------------------------------------------

void WinControl::InsertControl(Control* c) {
  controls_.push_back(c);
  c->parent_ = this;
  if (auto* w = dynamic_cast<WinControl*>(c)) tabList_.push_back(w);
  if (c->parentFont_) c->font_ = Font();
  if (c->parentColor_) c->color_ = Color();
  Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(c), 1);
  if (auto* w = dynamic_cast<WinControl*>(c)) {
    if (created_) w->HandleNeeded();
  }
  if (c->Visible()) InvalidateRect(&c->bounds_, true);
  if (c->GetAlign() != Align::alNone) Realign();
}

void WinControl::RemoveControl(Control* c) {
  auto it = std::find(controls_.begin(), controls_.end(), c);
  if (it == controls_.end()) return;
  if (Application::Exists()) App().ControlDetached(c);
  if (auto* w = dynamic_cast<WinControl*>(c)) {
    w->DestroyWnd();
    tabList_.erase(std::remove(tabList_.begin(), tabList_.end(), w), tabList_.end());
  }
  if (c->Visible()) InvalidateRect(&c->bounds_, true);
  controls_.erase(std::find(controls_.begin(), controls_.end(), c));
  c->parent_ = nullptr;
  if (!Destroying()) Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(c), 0);
}

bool WinControl::ContainsControl(const Control* c) const {
  for (const Control* p = c; p; p = p->Parent())
    if (p == this) return true;
  return false;
}

void WinControl::SetChildOrder(Control* child, int index) {
  auto it = std::find(controls_.begin(), controls_.end(), child);
  if (it == controls_.end()) return;
  controls_.erase(it);
  index = std::clamp(index, 0, static_cast<int>(controls_.size()));
  controls_.insert(controls_.begin() + index, child);
  if (child->Visible()) InvalidateRect(&child->bounds_, true);
  if (auto* w = dynamic_cast<WinControl*>(child))
    w->RedrawWindow(nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
}

void WinControl::BringToFront() {
  if (Parent())
    Parent()->SetChildOrder(this, Parent()->ControlCount());
  else if (top_)
    App().Backend().Raise(top_->Surface());
}

void WinControl::SendToBack() {
  if (Parent())
    Parent()->SetChildOrder(this, 0);
  else if (top_)
    App().Backend().Lower(top_->Surface());
}

Control* WinControl::ControlAtPos(gfx::Point p, bool allowDisabled, bool allowWindowed) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    Control* c = *it;
    if (!c->Visible() || (!c->Enabled() && !allowDisabled)) continue;
    if (!c->BoundsRect().Contains(p)) continue;
    gfx::Point local{p.X - c->Left(), p.Y - c->Top()};
    if (auto* w = dynamic_cast<WinControl*>(c)) {
      if (!allowWindowed || !w->created_ || !(w->style_ & WS_VISIBLE)) continue;
      if (w->region_ && !w->region_->Contains(local)) continue;
      return c;
    }
    if (c->Perform(CM_HITTEST, 0, PointToParam(local.X, local.Y)) != 0) return c;
  }
  return nullptr;
}

// --- window -----------------------------------------------------------------------

WinControl* WinControl::TopLevel() {
  WinControl* w = this;
  while (w->Parent()) w = w->Parent();
  return w;
}

const WinControl* WinControl::TopLevel() const {
  const WinControl* w = this;
  while (w->Parent()) w = w->Parent();
  return w;
}

TopLevelWindow* WinControl::Surface() const { return TopLevel()->top_.get(); }

void WinControl::HandleNeeded() {
  if (created_) return;
  if (Parent()) {
    Parent()->HandleNeeded();
    if (created_) return;  // the parent created it with its children
  }
  CreateWnd();
}

void WinControl::CreateParams(ui::CreateParams& p) {
  p.Caption = Caption();
  p.Style = style_ & ~(WS_CHILD | WS_POPUP | WS_VISIBLE);
  p.Style |= Parent() ? (WS_CHILD | WS_CLIPSIBLINGS) : WS_POPUP;
  p.Style |= WS_CLIPCHILDREN;
  if (TabStop()) p.Style |= WS_TABSTOP;
  if (!Enabled()) p.Style |= WS_DISABLED;
  p.ExStyle = exStyle_;
  p.X = Left();
  p.Y = Top();
  p.Width = Width();
  p.Height = Height();
  p.WinClassName = ClassName();
}

void WinControl::SurfaceOptions(backend::SurfaceOptions& o) const {
  o.Kind = (exStyle_ & WS_EX_TOOLWINDOW) ? backend::SurfaceKind::Auxiliary : backend::SurfaceKind::Normal;
  o.Bounds = BoundsRect();
  o.NoActivate = (exStyle_ & WS_EX_NOACTIVATE) != 0;
  o.ClickThrough = (exStyle_ & WS_EX_TRANSPARENT) != 0;
  o.Topmost = (exStyle_ & WS_EX_TOPMOST) != 0;
  o.Title = Caption();
}

void WinControl::CreateWnd() {
  // Hooks see the window being created until it and its children exist.
  ComponentStateScope creating(*this, csCreating);
  ControlStateScope creatingControl(*this, csCreatingControl);
  ui::CreateParams p;
  CreateParams(p);
  style_ = p.Style | (Visible() ? WS_VISIBLE : 0);
  exStyle_ = p.ExStyle;
  if (!Parent()) {
    backend::SurfaceOptions o;
    SurfaceOptions(o);
    top_ = std::make_shared<TopLevelWindow>(App().Backend(), o);
    if (region_) top_->SetShape(&*region_);
    App().TopLevelCreated(this);
  }
  created_ = true;
  Perform(WM_NCCREATE);
  RecalcClient();
  lastClient_ = clientInWindow_.GetSize();
  Perform(WM_CREATE);
  if (Parent()) Parent()->Perform(WM_PARENTNOTIFY, WM_CREATE, reinterpret_cast<LPARAM>(this));
  for (Control* c : std::vector<Control*>(controls_))
    if (auto* w = dynamic_cast<WinControl*>(c)) w->HandleNeeded();
  ncDirty_ = true;
  InvalidateRect(nullptr, true);
}

void WinControl::DestroyWnd() {
  if (!created_) return;
  for (Control* c : std::vector<Control*>(controls_))
    if (auto* w = dynamic_cast<WinControl*>(c)) w->DestroyWnd();
  if (Parent() && Parent()->created_)
    Parent()->Perform(WM_PARENTNOTIFY, WM_DESTROY, reinterpret_cast<LPARAM>(this));
  Perform(WM_DESTROY);
  Perform(WM_NCDESTROY);
  if (Application::Exists()) {
    App().KillTimers(this);
    if (!Parent()) App().TopLevelDestroyed(this);
  }
  top_.reset();
  created_ = false;
  update_.Clear();
  ncDirty_ = false;
}

void WinControl::RecreateWnd() {
  if (!created_) return;
  bool shown = top_ && top_->Shown();
  DestroyWnd();
  CreateWnd();
  if (shown && top_) top_->Show(false);
}

void WinControl::SetStyle(std::uint32_t style) {
  if (style == style_) return;
  StyleStruct ss{style_, style};
  Perform(WM_STYLECHANGING, GWL_STYLE, reinterpret_cast<LPARAM>(&ss));
  std::uint32_t old = style_;
  style_ = ss.NewStyle;
  ss.OldStyle = old;
  Perform(WM_STYLECHANGED, GWL_STYLE, reinterpret_cast<LPARAM>(&ss));
}

void WinControl::SetExStyle(std::uint32_t exStyle) {
  if (exStyle == exStyle_) return;
  StyleStruct ss{exStyle_, exStyle};
  Perform(WM_STYLECHANGING, GWL_EXSTYLE, reinterpret_cast<LPARAM>(&ss));
  std::uint32_t old = exStyle_;
  exStyle_ = ss.NewStyle;
  ss.OldStyle = old;
  if (top_) {
    auto& b = App().Backend();
    // The styles the window system knows of take effect at once.
    std::uint32_t changed = old ^ exStyle_;
    backend::SurfaceId id = top_->Surface();
    if (changed & WS_EX_TOPMOST) b.SetTopmost(id, (exStyle_ & WS_EX_TOPMOST) != 0);
    if (changed & WS_EX_NOACTIVATE) b.SetNoActivate(id, (exStyle_ & WS_EX_NOACTIVATE) != 0);
    if (changed & WS_EX_TRANSPARENT) b.SetClickThrough(id, (exStyle_ & WS_EX_TRANSPARENT) != 0);
    if (changed & WS_EX_TOOLWINDOW) b.SetAuxiliary(id, (exStyle_ & WS_EX_TOOLWINDOW) != 0);
    if ((old & WS_EX_LAYERED) && !(exStyle_ & WS_EX_LAYERED)) {
      top_->ClearLayered();
      b.SetBounds(top_->Surface(), BoundsRect());
      b.SetConstantAlpha(top_->Surface(), 255);
      RedrawWindow(nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    }
  }
  Perform(WM_STYLECHANGED, GWL_EXSTYLE, reinterpret_cast<LPARAM>(&ss));
}

bool WinControl::IsWindowVisible() const {
  for (const WinControl* w = this; w; w = w->Parent())
    if (!w->created_ || !(w->style_ & WS_VISIBLE)) return false;
  return true;
}

// --- geometry ----------------------------------------------------------------------

gfx::Rect WinControl::WindowRect() const {
  if (!Parent()) return BoundsRect();
  gfx::Point o = Parent()->ClientOrigin();
  return BoundsRect().Offset(o.X, o.Y);
}

gfx::Rect WinControl::ClientRect() const { return {0, 0, clientInWindow_.Width(), clientInWindow_.Height()}; }

gfx::Rect WinControl::DisplayRect() const {
  gfx::Rect r = ClientRect();
  AdjustClientRect(r);
  return r;
}

void WinControl::AdjustClientRect(gfx::Rect&) const {}

gfx::Point WinControl::ClientOrigin() const {
  gfx::Rect w = WindowRect();
  return {w.Left + clientInWindow_.Left, w.Top + clientInWindow_.Top};
}

gfx::Point WinControl::OffsetInTopLevel() const {
  gfx::Point o;
  for (const WinControl* w = this; w->Parent(); w = w->Parent()) {
    const WinControl* p = w->Parent();
    o.X += w->Left() + p->clientInWindow_.Left;
    o.Y += w->Top() + p->clientInWindow_.Top;
  }
  return o;
}

void WinControl::RecalcClient() {
  NcCalcSizeParams p;
  p.Rect[0] = BoundsRect();
  Perform(WM_NCCALCSIZE, 0, reinterpret_cast<LPARAM>(&p));
  gfx::Rect c = p.Rect[0].Offset(-Left(), -Top());
  c.Left = std::clamp(c.Left, 0, Width());
  c.Top = std::clamp(c.Top, 0, Height());
  c.Right = std::clamp(c.Right, c.Left, Width());
  c.Bottom = std::clamp(c.Bottom, c.Top, Height());
  clientInWindow_ = c;
}

void WinControl::SetClientSize(int width, int height) {
  RecalcClient();
  SetBounds(Left(), Top(), Width() - clientInWindow_.Width() + width,
            Height() - clientInWindow_.Height() + height);
}

void WinControl::SetBounds(int left, int top, int width, int height) {
  SetWindowPos(ZOrder::Window, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void WinControl::BoundsChanged(const gfx::Rect&) {}

void WinControl::FrameChanged() {
  SetWindowPos(ZOrder::Window, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void WinControl::SetWindowPos(ZOrder order, WinControl* after, int x, int y, int cx, int cy, unsigned flags) {
  WindowPos wp{this, order, after, x, y, cx, cy, flags};
  if (flags & SWP_NOMOVE) {
    wp.X = Left();
    wp.Y = Top();
  }
  if (flags & SWP_NOSIZE) {
    wp.Cx = Width();
    wp.Cy = Height();
  }
  if (!(flags & SWP_NOSENDCHANGING)) Perform(WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&wp));
  wp.Cx = std::max(0, wp.Cx);
  wp.Cy = std::max(0, wp.Cy);
  gfx::Rect old = BoundsRect();
  gfx::Rect nb = gfx::Rect::FromXYWH(wp.X, wp.Y, wp.Cx, wp.Cy);
  bool moved = nb.TopLeft() != old.TopLeft();
  bool sized = nb.GetSize() != old.GetSize();
  if (!moved) wp.Flags |= SWP_NOMOVE;
  if (!sized) wp.Flags |= SWP_NOSIZE;
  bool wasVisible = IsWindowVisible();
  bool redraw = !(wp.Flags & SWP_NOREDRAW);

  // Uncover what the window leaves behind in its parent.
  if (Parent() && wasVisible && redraw && (moved || sized || (wp.Flags & SWP_HIDEWINDOW)))
    Parent()->InvalidateRect(&old, true);

  bounds_ = nb;
  if (sized || (wp.Flags & SWP_FRAMECHANGED)) RecalcClient();

  if (!(wp.Flags & SWP_NOZORDER)) {
    if (Parent()) {
      auto& sib = Parent()->controls_;
      switch (wp.InsertAfterKind) {
        case ZOrder::Top:
        case ZOrder::Topmost: Parent()->SetChildOrder(this, static_cast<int>(sib.size())); break;
        case ZOrder::Bottom: Parent()->SetChildOrder(this, 0); break;
        case ZOrder::Window:
          if (wp.InsertAfter && wp.InsertAfter->Parent() == Parent()) {
            // "After" in stacking terms: directly below that window.
            Parent()->SetChildOrder(this, 0);
            auto it = std::find(sib.begin(), sib.end(), wp.InsertAfter);
            Parent()->SetChildOrder(this, static_cast<int>(it - sib.begin()));
          }
          break;
        case ZOrder::NoTopmost: break;
      }
    } else if (top_) {
      auto& b = App().Backend();
      switch (wp.InsertAfterKind) {
        case ZOrder::Top: b.Raise(top_->Surface()); break;
        case ZOrder::Bottom: b.Lower(top_->Surface()); break;
        case ZOrder::Topmost: SetExStyle(exStyle_ | WS_EX_TOPMOST); break;
        case ZOrder::NoTopmost: SetExStyle(exStyle_ & ~WS_EX_TOPMOST); break;
        case ZOrder::Window:
          if (wp.InsertAfter && wp.InsertAfter->top_)
            b.PlaceBelow(top_->Surface(), wp.InsertAfter->top_->Surface());
          break;
      }
    }
  }

  if (top_ && (moved || sized) && !top_->HasLayeredPicture()) top_->SetBounds(bounds_);
  if (wp.Flags & SWP_SHOWWINDOW) style_ |= WS_VISIBLE;
  if (wp.Flags & SWP_HIDEWINDOW) style_ &= ~WS_VISIBLE;
  if (top_) {
    if (wp.Flags & SWP_SHOWWINDOW) {
      PaintTree();
      top_->Show(!(wp.Flags & SWP_NOACTIVATE));
    }
    if (wp.Flags & SWP_HIDEWINDOW) top_->Hide();
  }

  if (created_ && redraw) {
    if (sized || (wp.Flags & SWP_FRAMECHANGED)) ncDirty_ = true;
    if (sized || (Parent() && moved) || (wp.Flags & SWP_SHOWWINDOW)) {
      ncDirty_ = true;
      InvalidateRect(nullptr, true);
      if (Parent() && moved)
        for (Control* c : controls_)
          if (auto* w = dynamic_cast<WinControl*>(c))
            w->RedrawWindow(nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    }
  }
  Perform(WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&wp));
}

void WinControl::SetWindowRegion(std::optional<gfx::Region> region, bool redraw) {
  gfx::Rect old = BoundsRect();
  region_ = std::move(region);
  if (top_) top_->SetShape(region_ ? &*region_ : nullptr);
  if (redraw) {
    if (Parent()) Parent()->InvalidateRect(&old, true);
    RedrawWindow(nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  }
}

std::intptr_t WinControl::GetProp(const std::string& name) const {
  auto it = props_.find(name);
  return it == props_.end() ? 0 : it->second;
}

std::intptr_t WinControl::RemoveProp(const std::string& name) {
  auto it = props_.find(name);
  if (it == props_.end()) return 0;
  std::intptr_t v = it->second;
  props_.erase(it);
  return v;
}

void WinControl::SetTimer(unsigned id, unsigned ms) { App().SetTimer(this, id, ms); }
void WinControl::KillTimer(unsigned id) {
  if (Application::Exists()) App().KillTimer(this, id);
}

void WinControl::SetBorderWidth(int w) {
  if (w == borderWidth_) return;
  borderWidth_ = std::max(0, w);
  if (created_) FrameChanged();
  Realign();
}

// --- alignment -------------------------------------------------------------------------

void WinControl::Realign() {
  if (aligning_) return;
  aligning_ = true;
  gfx::Rect r = DisplayRect();
  gfx::Size now = ClientRect().GetSize();
  int dx = lastClient_.Width == 0 && lastClient_.Height == 0 ? 0 : now.Width - lastClient_.Width;
  int dy = lastClient_.Width == 0 && lastClient_.Height == 0 ? 0 : now.Height - lastClient_.Height;
  lastClient_ = now;
  // Anchored controls keep their distance to the right / bottom edge.
  if (dx || dy) {
    for (Control* c : std::vector<Control*>(controls_)) {
      if (c->GetAlign() != Align::alNone) continue;
      Anchors a = c->GetAnchors();
      gfx::Rect b = c->BoundsRect();
      if (a & akRight) {
        if (a & akLeft)
          b.Right += dx;
        else
          b = b.Offset(dx, 0);
      }
      if (a & akBottom) {
        if (a & akTop)
          b.Bottom += dy;
        else
          b = b.Offset(0, dy);
      }
      if (b != c->BoundsRect()) c->SetBoundsRect(b);
    }
  }
  for (Align al : {Align::alTop, Align::alBottom, Align::alLeft, Align::alRight, Align::alClient}) {
    for (Control* c : std::vector<Control*>(controls_)) {
      if (c->GetAlign() != al || !c->Visible()) continue;
      switch (al) {
        case Align::alTop:
          c->SetBounds(r.Left, r.Top, r.Width(), c->Height());
          r.Top += c->Height();
          break;
        case Align::alBottom:
          c->SetBounds(r.Left, r.Bottom - c->Height(), r.Width(), c->Height());
          r.Bottom -= c->Height();
          break;
        case Align::alLeft:
          c->SetBounds(r.Left, r.Top, c->Width(), r.Height());
          r.Left += c->Width();
          break;
        case Align::alRight:
          c->SetBounds(r.Right - c->Width(), r.Top, c->Width(), r.Height());
          r.Right -= c->Width();
          break;
        case Align::alClient: c->SetBounds(r.Left, r.Top, r.Width(), r.Height()); break;
        default: break;
      }
    }
  }
  aligning_ = false;
}

// --- message handling -----------------------------------------------------------------

// While a scroll-bar press lasts, the pointer and the repeat timers are the
// bar's; the press itself is the default handling of the non-client click.
bool WinControl::PreemptMessage(Message& msg) {
  if (msg.msg == WM_NCLBUTTONDOWN || msg.msg == WM_NCLBUTTONDBLCLK) return false;
  return scrollBars_->HandleMessage(msg);
}

void WinControl::WndProc(Message& msg) {
  switch (msg.msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
      unsigned key = static_cast<unsigned>(msg.wParam);
      KeyDown(key, ShiftFromModifiers(App().Modifiers()));
      if (key == 0) return;
      break;
    }
    case WM_KEYUP:
    case WM_SYSKEYUP: {
      unsigned key = static_cast<unsigned>(msg.wParam);
      KeyUp(key, ShiftFromModifiers(App().Modifiers()));
      if (key == 0) return;
      break;
    }
    case WM_CHAR: {
      char32_t ch = static_cast<char32_t>(msg.wParam);
      KeyPress(ch);
      if (ch == 0) return;
      break;
    }
    case CM_ENTER: DoEnter(); return;
    case CM_EXIT: DoExit(); return;
    case CM_VISIBLECHANGED:
      if (!msg.wParam && Parent() && Application::Exists()) {
        // A hidden control gives up the focus.
        WinControl* focused = App().FocusedControl();
        if (focused && ContainsControl(focused))
          if (Form* f = ParentForm()) f->SelectNext(this, true, true);
        focused = App().FocusedControl();
        if (focused && ContainsControl(focused)) App().SetFocusedControl(nullptr);
      }
      if (created_) {
        unsigned f = SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE;
        SetWindowPos(ZOrder::Window, nullptr, 0, 0, 0, 0, f | (msg.wParam ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
      }
      return;
    case CM_ENABLEDCHANGED:
      if (Enabled())
        style_ &= ~WS_DISABLED;
      else
        style_ |= WS_DISABLED;
      Perform(WM_ENABLE, Enabled() ? 1 : 0);
      if (!Enabled() && Application::Exists() && App().FocusedControl() &&
          ContainsControl(App().FocusedControl())) {
        if (Form* f = ParentForm()) f->SelectNext(this, true, true);
      }
      Invalidate();
      return;
    case CM_TEXTCHANGED:
    case CM_COLORCHANGED:
    case CM_FONTCHANGED: Invalidate(); return;
    default: break;
  }
  Control::WndProc(msg);
}

void WinControl::KeyDown(unsigned& key, ShiftState shift) { OnKeyDown(this, key, shift); }
void WinControl::KeyUp(unsigned& key, ShiftState shift) { OnKeyUp(this, key, shift); }
void WinControl::KeyPress(char32_t& ch) { OnKeyPress(this, ch); }
void WinControl::DoEnter() { OnEnter(this); }
void WinControl::DoExit() { OnExit(this); }

void WinControl::DefaultHandler(Message& msg) {
  switch (msg.msg) {
    case WM_NCCALCSIZE: NcCalcSize(*reinterpret_cast<NcCalcSizeParams*>(msg.lParam)); return;
    case WM_NCHITTEST: msg.result = NcHitTest({GetXParam(msg.lParam), GetYParam(msg.lParam)}); return;
    case WM_NCPAINT: {
      if (msg.wParam) {
        NcPaint(*reinterpret_cast<gfx::Canvas*>(msg.wParam));
      } else if (auto c = GetSurface(SurfaceArea::Window)) {
        c->ExcludeClipRect(clientInWindow_);
        NcPaint(*c);
      }
      return;
    }
    case WM_ERASEBKGND: {
      if (!msg.wParam) return;
      auto* c = reinterpret_cast<gfx::Canvas*>(msg.wParam);
      c->FillRect(ClientRect(), gfx::ColorToRGB(Color()));
      msg.result = 1;
      return;
    }
    case WM_PAINT:
      if (msg.wParam) {
        // A surface of the caller's: the window paints a copy of itself.
        ControlStateScope copy(*this, csPaintCopy);
        auto* c = reinterpret_cast<gfx::Canvas*>(msg.wParam);
        const auto alive = AliveToken();
        PaintWindow(*c);
        if (!alive.expired()) PaintControls(*c);
      } else if (auto c = BeginPaint()) {
        const auto alive = AliveToken();
        PaintWindow(*c);
        if (!alive.expired()) PaintControls(*c);
      }
      return;
    case WM_PRINT: {
      if (!msg.wParam) return;
      auto& c = *reinterpret_cast<gfx::Canvas*>(msg.wParam);
      LPARAM f = msg.lParam;
      if ((f & PRF_CHECKVISIBLE) && !IsWindowVisible()) return;
      if (f & PRF_NONCLIENT) Perform(WM_NCPAINT, msg.wParam);
      {
        gfx::Canvas::StateGuard g(c);
        c.MoveOrigin(clientInWindow_.Left, clientInWindow_.Top);
        c.IntersectClipRect(ClientRect());
        if (f & PRF_ERASEBKGND) Perform(WM_ERASEBKGND, msg.wParam);
        if (f & PRF_CLIENT) Perform(WM_PRINTCLIENT, msg.wParam, f);
      }
      if (f & PRF_CHILDREN) {
        for (Control* ch : std::vector<Control*>(controls_)) {
          auto* w = dynamic_cast<WinControl*>(ch);
          if (!w || !w->created_ || !(w->style_ & WS_VISIBLE)) continue;
          gfx::Canvas::StateGuard g(c);
          c.MoveOrigin(clientInWindow_.Left, clientInWindow_.Top);
          c.IntersectClipRect(ClientRect());
          c.MoveOrigin(w->Left(), w->Top());
          c.IntersectClipRect({0, 0, w->Width(), w->Height()});
          if (w->region_) {
            gfx::Point o = c.Origin();
            c.IntersectClipRegion(w->region_->Offset(o.X, o.Y));
          }
          w->Perform(WM_PRINT, msg.wParam, f & ~PRF_CHECKVISIBLE);
        }
      }
      return;
    }
    case WM_PRINTCLIENT:
      if (msg.wParam) Perform(WM_PAINT, msg.wParam);
      return;
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
      // A child's owner-draw request goes back to the child, reflected.
      for (Control* c : Controls())
        if (msg.wParam != 0 && reinterpret_cast<WPARAM>(c) == msg.wParam) {
          msg.result = c->Perform(OCM_BASE + msg.msg, msg.wParam, msg.lParam);
          return;
        }
      break;
    case WM_SETREDRAW:
      if (msg.wParam == 0)
        ++redrawLock_;
      else if (redrawLock_ > 0)
        --redrawLock_;
      return;
    case WM_MOUSEACTIVATE:
      if (exStyle_ & WS_EX_NOACTIVATE) {
        msg.result = MA_NOACTIVATE;
        return;
      }
      if (Parent()) {
        msg.result = Parent()->Perform(WM_MOUSEACTIVATE, msg.wParam, msg.lParam);
        return;
      }
      msg.result = MA_ACTIVATE;
      return;
    case WM_SETCURSOR:
      msg.result =
          App().DefaultSetCursor(this, static_cast<std::int16_t>(LoWord(static_cast<WPARAM>(msg.lParam))));
      return;
    case WM_WINDOWPOSCHANGED: {
      const auto& wp = *reinterpret_cast<const WindowPos*>(msg.lParam);
      if (!(wp.Flags & SWP_NOMOVE)) Perform(WM_MOVE, 0, PointToParam(Left(), Top()));
      if (!(wp.Flags & SWP_NOSIZE)) {
        WPARAM kind = (style_ & WS_MINIMIZE)   ? SIZE_MINIMIZED
                      : (style_ & WS_MAXIMIZE) ? SIZE_MAXIMIZED
                                               : SIZE_RESTORED;
        Perform(WM_SIZE, kind, MakeLong(ClientWidth(), ClientHeight()));
      }
      return;
    }
    case WM_SIZE:
      Realign();
      Resize();
      return;
    case WM_MOUSEWHEEL: {
      bool handled = false;
      int delta = static_cast<std::int16_t>(HiWord(msg.wParam));
      OnMouseWheel(this, ShiftFromKeys(LoWord(msg.wParam)), delta,
                   {GetXParam(msg.lParam), GetYParam(msg.lParam)}, handled);
      if (handled)
        msg.result = 1;
      else if (Parent())
        msg.result = Parent()->Perform(WM_MOUSEWHEEL, msg.wParam, msg.lParam);
      return;
    }
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
      if (msg.wParam == static_cast<WPARAM>(HTVSCROLL) || msg.wParam == static_cast<WPARAM>(HTHSCROLL))
        scrollBars_->HandleMessage(msg);
      return;
    case WM_GETDLGCODE: msg.result = 0; return;
    case SBM_GETSCROLLINFO:
      msg.result =
          GetScrollInfo(static_cast<int>(msg.wParam), *reinterpret_cast<ScrollInfo*>(msg.lParam)) ? 1 : 0;
      return;
    default: break;
  }
  Control::DefaultHandler(msg);
}

}  // namespace ui
