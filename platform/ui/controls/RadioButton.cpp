#include "platform/ui/controls/RadioButton.h"

#include <algorithm>

#include "platform/gfx/Canvas.h"
#include "platform/ui/Accelerator.h"
#include "platform/ui/Application.h"
#include "platform/ui/ClassicLook.h"
#include "platform/ui/forms/Form.h"

namespace ui {

namespace {
constexpr int kGlyph = 13;  // the cell of the circle beside the caption

// The classic radio circle, 12 x 12 in the top-left of its cell: an outer
// ring in shadow (upper left) and highlight (lower right), an inner ring in
// dark shadow and light, the well, and the dot of a checked button.
constexpr const char* kRadio[] = {
    "....ssss....",  //
    "..ssddddss..",  //
    ".sddwwwwddh.",  //
    ".sdwwwwwwlh.",  //
    "sdwwwxxwwwlh",  //
    "sdwwxxxxwwlh",  //
    "sdwwxxxxwwlh",  //
    "sdwwwxxwwwlh",  //
    ".sdwwwwwwlh.",  //
    ".sdlwwwwllh.",  //
    "..hhllllhh..",  //
    "....hhhh....",
};
}  // namespace

RadioButton::RadioButton(Component* owner) : WinControl(owner) {
  SetControlStyle((ControlStyle() | csSetCaption | csOpaque | csDoubleClicks) & ~csClickEvents);
  SetBounds(0, 0, 113, 17);
  SetTabStop(false);
}

RadioButton::~RadioButton() { BeginDestruction(); }

bool RadioButton::GlyphAtLeft() const {
  bool left = alignment_ == Alignment::taRightJustify;
  return UseRightToLeftReading() ? !left : left;
}

void RadioButton::SetChecked(bool on) {
  if (on == checked_) return;
  checked_ = on;
  SetTabStop(on);
  Invalidate();
  if (!on) return;
  if (Parent()) {
    for (Control* c : std::vector<Control*>(Parent()->Controls())) {
      if (c == this) continue;
      if (auto* r = dynamic_cast<RadioButton*>(c)) r->SetChecked(false);
    }
  }
  if (!Loading()) Click();
}

void RadioButton::SetAlignment(Alignment a) {
  if (a == alignment_) return;
  alignment_ = a;
  Invalidate();
}

void RadioButton::SetWordWrap(bool on) {
  if (on == wordWrap_) return;
  wordWrap_ = on;
  Invalidate();
}

void RadioButton::SetPressed(bool on) {
  if (!on) spaceHeld_ = false;
  if (on == pressed_) return;
  pressed_ = on;
  Invalidate();
}

bool RadioButton::SelectSibling(bool forward) {
  if (!Parent()) return false;
  std::vector<RadioButton*> group;
  for (Control* c : Parent()->Controls())
    if (auto* r = dynamic_cast<RadioButton*>(c)) group.push_back(r);
  auto it = std::find(group.begin(), group.end(), this);
  if (it == group.end()) return false;
  int n = static_cast<int>(group.size()), me = static_cast<int>(it - group.begin());
  for (int k = 1; k < n; ++k) {
    RadioButton* r = group[static_cast<std::size_t>((me + (forward ? k : n - k)) % n)];
    if (!r->CanFocus() || !r->Visible()) continue;
    r->SetFocus();
    r->SetChecked(true);
    return true;
  }
  return false;
}

bool RadioButton::CanAutoSize(int& width, int& height) {
  gfx::Bitmap scratch(1, 1, gfx::PixelFormat::Bgr24);
  gfx::Canvas canvas(scratch);
  canvas.SetFont(Font());
  gfx::Size t = canvas.TextExtent(Caption().empty() ? "W" : Caption());
  width = t.Width + 20;
  height = std::max(t.Height + 4, 20);
  // The plain button proposes a size but keeps its own.
  return false;
}

// --- input ---------------------------------------------------------------------

void RadioButton::KeyDown(unsigned& key, ShiftState shift) {
  WinControl::KeyDown(key, shift);
  if (key == VK_SPACE && Enabled()) {
    spaceHeld_ = true;
    SetPressed(true);
  }
}

void RadioButton::KeyUp(unsigned& key, ShiftState shift) {
  WinControl::KeyUp(key, shift);
  if (key == VK_SPACE && spaceHeld_) {
    SetPressed(false);
    SetChecked(true);
  }
}

void RadioButton::WndProc(Message& msg) {
  switch (msg.msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (Enabled()) {
        mouseInside_ = true;
        SetPressed(true);
        // The focus comes without a click.
        if (!Focused() && CanFocus()) SetFocus();
      }
      if (msg.msg == WM_LBUTTONDBLCLK) {
        // The button makes its own clicks, so the double click is passed
        // on here rather than by the click-event machinery.
        WinControl::WndProc(msg);
        if (Enabled()) DblClick();
        return;
      }
      break;
    case WM_MOUSEMOVE:
      if (pressed_ && MouseCapture()) {
        bool in = ClientRect().Contains({GetXParam(msg.lParam), GetYParam(msg.lParam)});
        if (in != mouseInside_) {
          mouseInside_ = in;
          Invalidate();
        }
      }
      break;
    case WM_LBUTTONUP:
      if (pressed_) {
        bool in = ClientRect().Contains({GetXParam(msg.lParam), GetYParam(msg.lParam)});
        SetPressed(false);
        if (in && CanCheck()) SetChecked(true);
      }
      break;
    case CM_DIALOGKEY: {
      unsigned key = static_cast<unsigned>(msg.wParam);
      // Esc lets go of a held space bar without checking.
      if (key == VK_ESCAPE && spaceHeld_) {
        SetPressed(false);
        msg.result = 1;
        return;
      }
      if (key == VK_LEFT || key == VK_UP || key == VK_RIGHT || key == VK_DOWN) {
        if (SelectSibling(key == VK_RIGHT || key == VK_DOWN)) msg.result = 1;
        return;
      }
      break;
    }
    case CM_DIALOGCHAR:
      // The `&` accelerator of the caption focuses and checks the button.
      if (IsAccel(static_cast<char32_t>(msg.wParam), Caption()) && CanFocus()) {
        SetFocus();
        SetChecked(true);
        msg.result = 1;
      }
      return;
    case WM_GETDLGCODE: msg.result = DLGC_RADIOBUTTON | DLGC_BUTTON; return;
    case BM_GETCHECK: msg.result = checked_ ? BST_CHECKED : BST_UNCHECKED; return;
    case BM_SETCHECK: SetChecked(msg.wParam == BST_CHECKED); return;
    case BM_GETSTATE:
      msg.result = static_cast<LRESULT>((checked_ ? BST_CHECKED : 0) | (pressed_ ? BST_PUSHED : 0));
      return;
    case BM_SETSTATE: SetPressed(msg.wParam != 0); return;
    case BM_CLICK:
      if (Enabled()) SetChecked(true);
      return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      // The focus frame comes and goes.
      Invalidate();
      break;
    case CM_EXIT:
    case WM_CANCELMODE:
    case CM_CANCELMODE: SetPressed(false); break;
    case CM_MOUSELEAVE:
      if (msg.lParam == reinterpret_cast<LPARAM>(this) && !MouseCapture()) SetPressed(false);
      break;
    default: break;
  }
  WinControl::WndProc(msg);
}

// --- painting -------------------------------------------------------------------

void RadioButton::PaintWindow(gfx::Canvas& canvas) { PaintRadio(canvas); }

void RadioButton::PaintRadio(gfx::Canvas& canvas) {
  gfx::Rect r = ClientRect();
  canvas.FillRect(r, gfx::ColorToRGB(Color()));
  int gy = (r.Height() - kGlyph) / 2;
  int gx = GlyphAtLeft() ? 0 : r.Width() - kGlyph;
  gfx::Rect g = gfx::Rect::FromXYWH(gx, gy, kGlyph, kGlyph);
  const gfx::Color well =
      gfx::ColorToRGB(Enabled() && !(pressed_ && mouseInside_) ? gfx::clWindow : gfx::clBtnFace);
  const gfx::Color dot = gfx::ColorToRGB(Enabled() ? gfx::clWindowText : gfx::clBtnShadow);
  for (int y = 0; y < 12; ++y) {
    for (int x = 0; x < 12; ++x) {
      gfx::Color col;
      switch (kRadio[y][x]) {
        case 's': col = gfx::ColorToRGB(gfx::clBtnShadow); break;
        case 'd': col = gfx::ColorToRGB(gfx::cl3DDkShadow); break;
        case 'h': col = gfx::ColorToRGB(gfx::clBtnHighlight); break;
        case 'l': col = gfx::ColorToRGB(gfx::cl3DLight); break;
        case 'w': col = well; break;
        case 'x': col = checked_ ? dot : well; break;
        default: continue;
      }
      canvas.SetPixel(g.Left + x, g.Top + y, col);
    }
  }
  gfx::Canvas::StateGuard guard(canvas);
  canvas.SetFont(Font());
  canvas.SetBrushStyle(gfx::BrushStyle::Clear);
  gfx::Rect text = GlyphAtLeft() ? gfx::Rect{kGlyph + 4, 0, r.Right, r.Bottom}
                                 : gfx::Rect{0, 0, r.Right - kGlyph - 4, r.Bottom};
  unsigned flags = wordWrap_ ? gfx::DT_WORDBREAK : gfx::DT_SINGLELINE | gfx::DT_VCENTER;
  if (!GlyphAtLeft()) flags |= gfx::DT_RIGHT;
  if (Enabled()) {
    canvas.SetTextColor(gfx::ColorToRGB(Font().Color));
    gfx::Rect drawn = text;
    canvas.DrawText(Caption(), drawn, flags);
  } else {
    classic::DrawDisabledText(canvas, Caption(), text, flags);
  }
  if (Focused() && !Caption().empty()) {
    gfx::Rect calc = text;
    canvas.DrawText(Caption(), calc, flags | gfx::DT_CALCRECT);
    int top = wordWrap_ ? text.Top : (r.Height() - calc.Height()) / 2;
    gfx::Rect f = gfx::Rect::FromXYWH(calc.Left - 1, top - 1, calc.Width() + 2, calc.Height() + 2);
    for (int x = f.Left; x < f.Right; x += 2) {
      canvas.SetPixel(x, f.Top, 0);
      canvas.SetPixel(x, f.Bottom - 1, 0);
    }
    for (int y = f.Top; y < f.Bottom; y += 2) {
      canvas.SetPixel(f.Left, y, 0);
      canvas.SetPixel(f.Right - 1, y, 0);
    }
  }
}

}  // namespace ui
