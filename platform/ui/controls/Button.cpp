#include "platform/ui/controls/Button.h"

#include "platform/gfx/Canvas.h"
#include "platform/ui/Accelerator.h"
#include "platform/ui/Application.h"
#include "platform/ui/ClassicLook.h"

namespace ui {

Button::Button(Component* owner) : WinControl(owner) {
  SetControlStyle((ControlStyle() | csCaptureMouse | csClickEvents | csSetCaption | csOpaque) &
                  ~csDoubleClicks);
  SetBounds(0, 0, 75, 25);
  SetTabStop(true);
}

Button::~Button() { BeginDestruction(); }

void Button::CreateParams(ui::CreateParams& p) {
  WinControl::CreateParams(p);
  std::uint32_t type = (Style() & BS_TYPEMASK) == BS_OWNERDRAW ? BS_OWNERDRAW
                       : active_                               ? BS_DEFPUSHBUTTON
                                                               : BS_PUSHBUTTON;
  p.Style = (p.Style & ~BS_TYPEMASK) | type;
}

void Button::SetDefault(bool on) {
  if (on == default_) return;
  default_ = on;
  // Without a focused button the default one is the active one.
  WinControl* f = Application::Exists() ? App().FocusedControl() : nullptr;
  if (!f || !dynamic_cast<Button*>(f)) DefaultNotice(on);
}

void Button::SetWordWrap(bool on) {
  if (on == wordWrap_) return;
  wordWrap_ = on;
  Invalidate();
}

void Button::SetOwnerDraw(bool on) {
  std::uint32_t type = on ? BS_OWNERDRAW : (active_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
  SetStyle((Style() & ~BS_TYPEMASK) | type);
  Invalidate();
}

void Button::DefaultNotice(bool isDefaultNow) {
  if (isDefaultNow == active_) return;
  active_ = isDefaultNow;
  if (!OwnerDraw()) SetStyle((Style() & ~BS_TYPEMASK) | (active_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON));
  Invalidate();
}

bool Button::AnswersDialogKey(DialogKey key) const {
  if (key == DialogKey::Escape) return cancel_;
  return active_ || default_;
}

void Button::Click() {
  if (!Enabled()) return;
  if (modalResult_ != mrNone)
    if (Form* f = ParentForm()) f->SetModalResult(modalResult_);
  WinControl::Click();
}

void Button::SetPushed(bool on) {
  if (on == pushed_) return;
  pushed_ = on;
  if (!on) pushedByKey_ = false;
  Invalidate();
}

// --- input -------------------------------------------------------------------

void Button::MouseDown(MouseButton button, ShiftState shift, int x, int y) {
  if (button == MouseButton::Left && Enabled()) {
    mouseInside_ = true;
    SetPushed(true);
  }
  WinControl::MouseDown(button, shift, x, y);
}

void Button::MouseMove(ShiftState shift, int x, int y) {
  if (pushed_ && !pushedByKey_) {
    bool inside = ClientRect().Contains({x, y});
    if (inside != mouseInside_) {
      mouseInside_ = inside;
      Invalidate();
    }
  }
  WinControl::MouseMove(shift, x, y);
}

void Button::MouseUp(MouseButton button, ShiftState shift, int x, int y) {
  if (button == MouseButton::Left && !pushedByKey_) SetPushed(false);
  WinControl::MouseUp(button, shift, x, y);
}

void Button::KeyDown(unsigned& key, ShiftState shift) {
  WinControl::KeyDown(key, shift);
  if (key == VK_SPACE && Enabled() && !pushed_) {
    pushedByKey_ = true;
    SetPushed(true);
  }
}

void Button::KeyUp(unsigned& key, ShiftState shift) {
  WinControl::KeyUp(key, shift);
  if (key == VK_SPACE && pushed_ && pushedByKey_) {
    SetPushed(false);
    Click();
  }
}

// --- messages ------------------------------------------------------------------

void Button::WndProc(Message& msg) {
  switch (msg.msg) {
    case CM_FOCUSCHANGED: {
      // The focused button takes Enter; with another control focused the
      // default button does.
      auto* focused = reinterpret_cast<Control*>(msg.lParam);
      if (dynamic_cast<Button*>(focused))
        DefaultNotice(focused == this);
      else
        DefaultNotice(default_);
      break;
    }
    case CM_FOCUSDEFAULT:
      DefaultNotice(msg.lParam == reinterpret_cast<LPARAM>(this) || (default_ && msg.wParam == 0));
      return;
    case WM_GETDLGCODE:
      msg.result = active_ ? DLGC_DEFPUSHBUTTON | DLGC_BUTTON : DLGC_UNDEFPUSHBUTTON | DLGC_BUTTON;
      return;
    case BM_CLICK: Click(); return;
    case CM_DIALOGKEY:
      // Esc lets go of a held space bar without clicking.
      if (msg.wParam == VK_ESCAPE && pushed_ && pushedByKey_) {
        SetPushed(false);
        msg.result = 1;
        return;
      }
      break;
    case CM_DIALOGCHAR:
      // The `&` accelerator of the caption clicks the button.
      if (IsAccel(static_cast<char32_t>(msg.wParam), Caption()) && Enabled() && Visible()) {
        Click();
        msg.result = 1;
      }
      return;
    case BM_GETSTATE:
      msg.result = static_cast<LRESULT>((Pushed() ? BST_PUSHED : 0) | (Focused() ? BST_FOCUS : 0));
      return;
    case BM_SETSTATE:
      pushedByKey_ = msg.wParam != 0;
      SetPushed(msg.wParam != 0);
      return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      // The focus frame comes and goes.
      Invalidate();
      break;
    case WM_STYLECHANGED: Invalidate(); break;
    case CM_EXIT:
    case WM_CANCELMODE:
    case CM_CANCELMODE:
      if (pushed_) SetPushed(false);
      break;
    case CM_ENABLEDCHANGED:
      if (!Enabled() && pushed_) SetPushed(false);
      break;
    case OCM_MEASUREITEM:
      if (auto* mi = reinterpret_cast<ButtonMeasureItem*>(msg.lParam)) {
        mi->ItemWidth = Width();
        mi->ItemHeight = Height();
      }
      msg.result = 1;
      return;
    default: break;
  }
  WinControl::WndProc(msg);
}

void Button::PaintWindow(gfx::Canvas& canvas) {
  if (OwnerDraw()) {
    ButtonDrawItem di{this, &canvas, ClientRect(), 0};
    if (Pushed()) di.State |= ODS_SELECTED;
    if (!Enabled()) di.State |= ODS_DISABLED;
    if (Focused()) di.State |= ODS_FOCUS;
    if (active_) di.State |= ODS_DEFAULT;
    if (Parent())
      Parent()->Perform(WM_DRAWITEM, reinterpret_cast<WPARAM>(this), reinterpret_cast<LPARAM>(&di));
    return;
  }
  PaintButton(canvas);
}

void Button::PaintButton(gfx::Canvas& canvas) {
  gfx::Rect r = ClientRect();
  bool pushed = Pushed();
  if (active_) {
    canvas.FrameRect(r, gfx::ColorToRGB(gfx::clBlack));
    r = r.Inflate(-1, -1);
  }
  if (pushed) {
    canvas.FillRect(r, gfx::ColorToRGB(gfx::clBtnFace));
    canvas.FrameRect(r, gfx::ColorToRGB(gfx::clBtnShadow));
  } else {
    classic::DrawButtonFace(canvas, r, false);
  }
  gfx::Canvas::StateGuard g(canvas);
  canvas.SetFont(Font());
  canvas.SetBrushStyle(gfx::BrushStyle::Clear);
  unsigned flags = gfx::DT_CENTER | (wordWrap_ ? gfx::DT_WORDBREAK : gfx::DT_SINGLELINE | gfx::DT_VCENTER);
  gfx::Rect text = r.Inflate(-4, -4);
  if (wordWrap_) {
    gfx::Rect calc = text;
    canvas.DrawText(Caption(), calc, flags | gfx::DT_CALCRECT);
    int h = calc.Height();
    text.Top += (text.Height() - h) / 2;
    text.Bottom = text.Top + h;
  }
  if (pushed) text = text.Offset(1, 1);
  if (Enabled()) {
    canvas.SetTextColor(gfx::ColorToRGB(Font().Color));
    canvas.DrawText(Caption(), text, flags);
  } else {
    classic::DrawDisabledText(canvas, Caption(), text, flags);
  }
  if (Focused()) {
    gfx::Rect f = r.Inflate(-3, -3);
    for (int x = f.Left; x < f.Right; x += 2) {
      canvas.SetPixel(x, f.Top, gfx::ColorToRGB(gfx::clBlack));
      canvas.SetPixel(x, f.Bottom - 1, gfx::ColorToRGB(gfx::clBlack));
    }
    for (int y = f.Top; y < f.Bottom; y += 2) {
      canvas.SetPixel(f.Left, y, gfx::ColorToRGB(gfx::clBlack));
      canvas.SetPixel(f.Right - 1, y, gfx::ColorToRGB(gfx::clBlack));
    }
  }
}

}  // namespace ui
