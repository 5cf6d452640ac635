// Routing of mouse and keyboard input: hit testing through the window tree
// and past top-level windows that let the mouse through, client and
// non-client mouse messages, capture, enter/leave notices, double
// clicks, focus, Tab, dialog keys, dialog characters and menu shortcuts.
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/gfx/Utf8.h"
#include "platform/ui/Application.h"
#include "platform/ui/ApplicationImpl.h"
#include "platform/ui/Screen.h"
#include "platform/ui/WinControl.h"
#include "platform/ui/forms/Form.h"
#include "platform/ui/forms/TopLevelWindow.h"
#include "platform/ui/menus/Menus.h"

namespace ui {

namespace {

WPARAM KeysFromModifiers(std::uint32_t m) {
  WPARAM k = 0;
  if (m & backend::kModLeftButton) k |= MK_LBUTTON;
  if (m & backend::kModRightButton) k |= MK_RBUTTON;
  if (m & backend::kModMiddleButton) k |= MK_MBUTTON;
  if (m & backend::kModShift) k |= MK_SHIFT;
  if (m & backend::kModControl) k |= MK_CONTROL;
  return k;
}

int ButtonIndex(backend::MouseButton b) {
  switch (b) {
    case backend::MouseButton::Left: return 0;
    case backend::MouseButton::Right: return 1;
    case backend::MouseButton::Middle: return 2;
    default: return -1;
  }
}

// Client and non-client message numbers per button.
constexpr std::uint32_t kDown[3] = {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN};
constexpr std::uint32_t kUp[3] = {WM_LBUTTONUP, WM_RBUTTONUP, WM_MBUTTONUP};
constexpr std::uint32_t kDbl[3] = {WM_LBUTTONDBLCLK, WM_RBUTTONDBLCLK, WM_MBUTTONDBLCLK};
constexpr std::uint32_t kNcDown[3] = {WM_NCLBUTTONDOWN, WM_NCRBUTTONDOWN, WM_NCMBUTTONDOWN};
constexpr std::uint32_t kNcUp[3] = {WM_NCLBUTTONUP, WM_NCRBUTTONUP, WM_NCMBUTTONUP};
constexpr std::uint32_t kNcDbl[3] = {WM_NCLBUTTONDBLCLK, WM_NCRBUTTONDBLCLK, WM_NCMBUTTONDBLCLK};

struct HitResult {
  WinControl* Window = nullptr;  // the window that takes the message
  int Hit = HTNOWHERE;
  Control* Target = nullptr;  // client target (windowless child or the window)
  Control* Hover = nullptr;   // control under the pointer (disabled ones too)
};

// The deepest enabled, visible child window at the screen point.
WinControl* DeepestWindow(WinControl* top, gfx::Point screen) {
  WinControl* w = top;
  for (;;) {
    gfx::Point p = w->ScreenToClient(screen);
    if (!w->ClientRect().Contains(p)) return w;
    Control* c = w->ControlAtPos(p, false, true);
    auto* child = dynamic_cast<WinControl*>(c);
    if (!child) return w;
    w = child;
  }
}

HitResult HitTest(WinControl* top, gfx::Point screen) {
  HitResult r;
  WinControl* w = DeepestWindow(top, screen);
  int hit = HTNOWHERE;
  // A window that answers "transparent" hands the point to its parent.
  while (w) {
    hit = static_cast<int>(w->Perform(WM_NCHITTEST, 0, PointToParam(screen.X, screen.Y)));
    if (hit != HTTRANSPARENT || !w->Parent()) break;
    w = w->Parent();
  }
  r.Window = w;
  r.Hit = hit;
  if (hit == HTCLIENT) {
    gfx::Point p = w->ScreenToClient(screen);
    Control* any = w->ControlAtPos(p, true, false);
    Control* enabled = w->ControlAtPos(p, false, false);
    r.Hover = any ? any : w;
    // Disabled windowless controls take no clicks: their parent does.
    r.Target = enabled ? enabled : w;
  } else {
    r.Hover = w;
  }
  return r;
}

// Where the mouse really goes at a screen point.
struct MouseRoute {
  WinControl* Top = nullptr;  // the top-level window that gets it, or null
  HitResult Hit;
  // Top-level surfaces above `Top` that let the mouse through, topmost first.
  std::vector<backend::SurfaceId> Passed;
};

// Starts at the top-level window `top` under the pointer. A top-level window
// that answers HTTRANSPARENT at the point lets the mouse through to the next
// window below it there (glow windows around a form do so everywhere). A
// window that a modal form blocks is not asked: the route ends there,
// without a hit.
MouseRoute RouteThrough(Application& app, WinControl* top, gfx::Point screen) {
  MouseRoute r;
  while (top && app.InputAllowed(top)) {
    r.Hit = HitTest(top, screen);
    TopLevelWindow* surface = top->Surface();
    if (r.Hit.Hit != HTTRANSPARENT || !surface) break;
    r.Passed.push_back(surface->Surface());
    top = app.WindowOfSurface(app.Backend().SurfaceBelow(screen, surface->Surface()));
  }
  r.Top = top;
  if (!top || !app.InputAllowed(top)) r.Hit = {};
  return r;
}

LPARAM ClientParam(Control* c, gfx::Point screen) {
  gfx::Point p = c->ScreenToClient(screen);
  return PointToParam(p.X, p.Y);
}

// Offers a dialog character (an accelerator) to the visible, enabled
// controls under `w` in child order, each before its own children; true when
// one of them used it.
bool OfferDialogChar(WinControl* w, char32_t ch) {
  for (Control* c : std::vector<Control*>(w->Controls())) {
    if (!c->Visible() || !c->Enabled()) continue;
    if (c->Perform(CM_DIALOGCHAR, ch) != 0) return true;
    if (auto* cw = dynamic_cast<WinControl*>(c); cw && OfferDialogChar(cw, ch)) return true;
  }
  return false;
}

// The character of an Alt combination: the typed text when the backend
// reports one, else the letter (lower case) or digit of the key.
char32_t AltChar(const backend::Event& e) {
  std::u32string text = gfx::DecodeUtf8(e.Text);
  if (!text.empty()) return text.front();
  if (e.Key >= 'A' && e.Key <= 'Z') return static_cast<char32_t>(e.Key - 'A' + 'a');
  if (e.Key >= '0' && e.Key <= '9') return static_cast<char32_t>(e.Key);
  return 0;
}

}  // namespace

void Application::NoteHover(Control* c) {
  if (c == hover_) return;
  Control* old = hover_;
  hover_ = c;
  // While a control holds the capture only it hears about entering and
  // leaving.
  if (old && (!capture_ || old == capture_)) old->Perform(CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(old));
  if (hover_ == c && c && (!capture_ || c == capture_))
    c->Perform(CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(c));
}

LRESULT Application::DefaultSetCursor(WinControl* w, int hit) {
  Cursor cur = crArrow;
  switch (hit) {
    case HTLEFT:
    case HTRIGHT: cur = crSizeWE; break;
    case HTTOP:
    case HTBOTTOM: cur = crSizeNS; break;
    case HTTOPLEFT:
    case HTBOTTOMRIGHT: cur = crSizeNWSE; break;
    case HTTOPRIGHT:
    case HTBOTTOMLEFT: cur = crSizeNESW; break;
    case HTCLIENT: {
      Control* c = hover_ && w->ContainsControl(hover_) ? hover_ : w;
      while (c && c->GetCursor() == crDefault) c = c->Parent();
      cur = c ? c->GetCursor() : crArrow;
      break;
    }
    default: break;
  }
  if (screen_->GetCursor() != crDefault) cur = screen_->GetCursor();
  if (auto* t = w->Surface()) backend_.SetCursor(t->Surface(), ui::Screen::ToBackendCursor(cur));
  if (WindowOfSurface(impl_->cursorAlso))
    backend_.SetCursor(impl_->cursorAlso, ui::Screen::ToBackendCursor(cur));
  return 1;
}

void Application::RouteMouse(const backend::Event& e) {
  WPARAM keys = KeysFromModifiers(e.Modifiers);
  WinControl* top = WindowOfSurface(e.Surface);
  auto leaveWindow = [&](WinControl* nowWindow, bool nowNc) {
    WinControl* old = impl_->mouseWindow;
    if (old && (old != nowWindow || impl_->mouseInNc != nowNc))
      old->Perform(impl_->mouseInNc ? WM_NCMOUSELEAVE : WM_MOUSELEAVE);
    impl_->mouseWindow = nowWindow;
    impl_->mouseInNc = nowNc;
  };

  if (e.Type == backend::EventType::MouseLeave) {
    if (capture_) return;
    // Moving between a window that lets the mouse through and the window
    // below it leaves neither for the one that has the mouse.
    if (WinControl* had = impl_->mouseWindow) {
      const MouseRoute now = RouteThrough(*this, WindowOfSurface(backend_.SurfaceAt(e.Screen)), e.Screen);
      const TopLevelWindow* hadSurface = had->TopLevel()->Surface();
      const bool throughSomething = !now.Passed.empty() || !hadSurface || hadSurface->Surface() != e.Surface;
      if (throughSomething && now.Top == had->TopLevel()) return;
    }
    leaveWindow(nullptr, false);
    NoteHover(nullptr);
    return;
  }

  // With a capture every mouse message goes to the capturing control in its
  // client coordinates.
  if (capture_) {
    Control* c = capture_;
    int b = ButtonIndex(e.Button);
    switch (e.Type) {
      case backend::EventType::MouseMove: c->Perform(WM_MOUSEMOVE, keys, ClientParam(c, e.Screen)); break;
      case backend::EventType::MouseDown:
        if (b >= 0) c->Perform(kDown[b], keys, ClientParam(c, e.Screen));
        break;
      case backend::EventType::MouseUp:
        if (b >= 0) c->Perform(kUp[b], keys, ClientParam(c, e.Screen));
        break;
      case backend::EventType::MouseWheel:
        if (WinControl* w = c->WindowOwner())
          w->Perform(WM_MOUSEWHEEL, MakeLong(static_cast<int>(keys), e.WheelDelta),
                     PointToParam(e.Screen.X, e.Screen.Y));
        break;
      default: break;
    }
    // Hover still follows the pointer so the captured control learns when
    // the pointer leaves and re-enters it.
    const MouseRoute route = RouteThrough(*this, top, e.Screen);
    NoteHover(route.Hit.Hover);
    return;
  }

  const MouseRoute route = RouteThrough(*this, top, e.Screen);
  top = route.Top;
  if (!top || !InputAllowed(top)) {
    if (top && e.Type == backend::EventType::MouseDown)
      if (Form* m = ModalForm(); m && m->Visible()) m->Activate();
    leaveWindow(nullptr, false);
    NoteHover(nullptr);
    return;
  }

  const HitResult h = route.Hit;
  if (!h.Window) return;
  bool nc = h.Hit != HTCLIENT;
  int b = ButtonIndex(e.Button);
  LPARAM screenParam = PointToParam(e.Screen.X, e.Screen.Y);

  switch (e.Type) {
    case backend::EventType::MouseMove:
      leaveWindow(h.Window, nc);
      NoteHover(h.Hover);
      if (nc)
        h.Window->Perform(WM_NCMOUSEMOVE, static_cast<WPARAM>(h.Hit), screenParam);
      else
        h.Target->Perform(WM_MOUSEMOVE, keys, ClientParam(h.Target, e.Screen));
      if (!capture_ && h.Window->HandleAllocated()) {
        // The pointer shows the cursor of the window it is over: when that
        // one let the mouse through, it takes the chosen cursor too.
        impl_->cursorAlso = route.Passed.empty() ? backend::kNoSurface : route.Passed.front();
        h.Window->Perform(WM_SETCURSOR, reinterpret_cast<WPARAM>(h.Window), MakeLong(h.Hit, WM_MOUSEMOVE));
        impl_->cursorAlso = backend::kNoSurface;
      }
      break;
    case backend::EventType::MouseDown: {
      if (b < 0) break;
      leaveWindow(h.Window, nc);
      NoteHover(h.Hover);
      // Activation first: a click activates unless the window says no.
      std::uint32_t msgNo = nc ? kNcDown[b] : kDown[b];
      if (auto* form = dynamic_cast<Form*>(top); form && !form->Active()) {
        LRESULT ma = h.Window->Perform(WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(top),
                                       MakeLong(h.Hit, static_cast<int>(msgNo)));
        if (ma == MA_ACTIVATE || ma == MA_ACTIVATEANDEAT) form->Activate();
        if (ma == MA_ACTIVATEANDEAT || ma == MA_NOACTIVATEANDEAT) break;
        if (!h.Window->HandleAllocated()) break;
      }
      // Double clicks only for controls that ask for them.
      Control* target = nc ? static_cast<Control*>(h.Window) : h.Target;
      auto& ld = impl_->lastDown;
      bool dbl = ld.Target == target && ld.Button == b && ld.Nc == nc &&
                 e.Time - ld.Time <= DoubleClickTime() && std::abs(e.Screen.X - ld.At.X) <= 4 &&
                 std::abs(e.Screen.Y - ld.At.Y) <= 4 && (nc || target->HasStyle(csDoubleClicks));
      if (dbl)
        ld = {};
      else
        ld = {target, b, e.Time, e.Screen, nc};
      if (nc) {
        h.Window->Perform(dbl ? kNcDbl[b] : kNcDown[b], static_cast<WPARAM>(h.Hit), screenParam);
      } else {
        // Focusable windows take the focus when pressed.
        if (b == 0) {
          for (WinControl* w = h.Window; w; w = w->Parent())
            if (w->TabStop() && w->CanFocus()) {
              if (!w->Focused()) w->SetFocus();
              break;
            }
        }
        if (target->Destroying()) break;
        target->Perform(dbl ? kDbl[b] : kDown[b], keys, ClientParam(target, e.Screen));
      }
      break;
    }
    case backend::EventType::MouseUp:
      if (b < 0) break;
      if (nc)
        h.Window->Perform(kNcUp[b], static_cast<WPARAM>(h.Hit), screenParam);
      else
        h.Target->Perform(kUp[b], keys, ClientParam(h.Target, e.Screen));
      if (b == 1 && !nc) {
        gfx::Point p = e.Screen;
        h.Target->Perform(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(h.Window), PointToParam(p.X, p.Y));
      }
      break;
    case backend::EventType::MouseWheel:
      h.Window->Perform(WM_MOUSEWHEEL, MakeLong(static_cast<int>(keys), e.WheelDelta), screenParam);
      break;
    default: break;
  }
}

void Application::RouteKey(const backend::Event& e) {
  Form* form = activeForm_;
  if (!form) form = dynamic_cast<Form*>(WindowOfSurface(e.Surface));
  if (!form || !InputAllowed(form)) return;
  WinControl* target = focused_ && form->ContainsControl(focused_) ? focused_ : form;
  unsigned key = static_cast<unsigned>(e.Key);
  ShiftState shift = ShiftFromModifiers(e.Modifiers);
  bool alt = (shift & ssAlt) != 0;

  if (e.Type == backend::EventType::KeyUp) {
    if (key == VK_MENU && impl_->altAlone) {
      impl_->altAlone = false;
      form->Perform(WM_SYSCOMMAND, SC_KEYMENU, 0);
      return;
    }
    target->Perform(alt ? WM_SYSKEYUP : WM_KEYUP, key, 0);
    return;
  }

  impl_->altAlone = key == VK_MENU && !e.Repeat;
  // Key preview: the form sees keys first.
  if (form->KeyPreview() && target != form) {
    unsigned k = key;
    form->OnKeyDown(form, k, shift);
    if (k == 0) return;
  }
  // Menu shortcuts.
  if (key != VK_MENU && key != VK_CONTROL && key != VK_SHIFT) {
    ShortCut sc = MakeShortCut(key, shift);
    if ((shift & (ssCtrl | ssAlt)) || (key >= VK_F1 && key <= VK_F12)) {
      if (form->Menu() && form->Menu()->IsShortCut(sc)) return;
      if (form->Perform(CM_ISSHORTCUT, sc) != 0) return;
    }
    if (alt && key == VK_SPACE) {
      form->Perform(WM_SYSCOMMAND, SC_KEYMENU, ' ');
      return;
    }
    if (key == VK_F10 && !(shift & (ssCtrl | ssShift))) {
      form->Perform(WM_SYSCOMMAND, SC_KEYMENU, 0);
      return;
    }
    // Alt+character: a menu-bar accelerator first, then the controls' ones.
    if (char32_t ch = alt && !(shift & ssCtrl) ? AltChar(e) : 0) {
      if (form->Perform(WM_SYSCOMMAND, SC_KEYMENU, static_cast<LPARAM>(ch)) != 0) return;
      if (OfferDialogChar(form, ch)) return;
    }
  }
  // Dialog keys unless the focused control wants them.
  LRESULT code = target->Perform(WM_GETDLGCODE, key);
  if (!(code & DLGC_WANTALLKEYS)) {
    if (key == VK_TAB && !(code & DLGC_WANTTAB) && !(shift & (ssCtrl | ssAlt))) {
      form->SelectNext(focused_, !(shift & ssShift), true);
      return;
    }
    if ((key == VK_RETURN || key == VK_ESCAPE) && !alt) {
      if (target->Perform(CM_DIALOGKEY, key) != 0) return;
      if (Control* btn = form->FindDialogButton(key == VK_RETURN ? DialogKey::Enter : DialogKey::Escape)) {
        btn->Click();
        return;
      }
    }
    if ((key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN) && !(code & DLGC_WANTARROWS)) {
      if (target->Perform(CM_DIALOGKEY, key) != 0) return;
      if (form->Perform(CM_DIALOGKEY, key) != 0) return;
    }
  }
  target->Perform(alt ? WM_SYSKEYDOWN : WM_KEYDOWN, key, e.Repeat ? (LPARAM{1} << 30) : 0);
  if (target->Destroying()) return;
  if (alt) {
    if (char32_t ch = AltChar(e)) target->Perform(WM_SYSCHAR, ch);
    return;
  }
  // Typed characters: a control that does not take characters leaves them
  // to the accelerators of the form's controls first.
  bool wantsChars = (code & DLGC_WANTCHARS) != 0;
  for (char32_t ch : gfx::DecodeUtf8(e.Text)) {
    if (focused_ != target && target != form) break;
    if (!wantsChars && ch >= 0x20 && OfferDialogChar(form, ch)) continue;
    target->Perform(WM_CHAR, ch);
  }
}

}  // namespace ui
