#include "platform/ui/controls/StatusBar.h"

#include <algorithm>

#include "platform/gfx/Canvas.h"
#include "platform/ui/ClassicLook.h"
#include "platform/ui/forms/Form.h"

namespace ui {

StatusBar::StatusBar(Component* owner) : WinControl(owner) {
  SetControlStyle((ControlStyle() | csAcceptsControls | csOpaque) & ~(csClickEvents | csSetCaption));
  SetBounds(0, 0, 200, 19);
  SetAlign(Align::alBottom);
}

StatusBar::~StatusBar() { BeginDestruction(); }

StatusPanel& StatusBar::AddPanel(int width) {
  panels_.push_back(StatusPanel{});
  panels_.back().Width = width;
  PanelsChanged();
  return panels_.back();
}

void StatusBar::DeletePanel(int i) {
  if (i < 0 || i >= PanelCount()) return;
  panels_.erase(panels_.begin() + i);
  PanelsChanged();
}

void StatusBar::ClearPanels() {
  panels_.clear();
  PanelsChanged();
}

void StatusBar::PanelsChanged() { Invalidate(); }

gfx::Rect StatusBar::PanelRect(int i) const {
  if (i < 0 || i >= PanelCount()) return {};
  gfx::Rect c = ClientRect();
  int left = 0;
  for (int k = 0; k < i; ++k) left += std::max(0, panels_[static_cast<std::size_t>(k)].Width);
  int right =
      i == PanelCount() - 1 ? c.Right : left + std::max(0, panels_[static_cast<std::size_t>(i)].Width);
  left = std::min(left, c.Right);
  right = std::clamp(right, left, c.Right);
  return {left, c.Top, right, c.Bottom};
}

void StatusBar::SetSimplePanel(bool on) {
  if (on == simplePanel_) return;
  simplePanel_ = on;
  Invalidate();
}

void StatusBar::SetSimpleText(const std::string& t) {
  if (t == simpleText_) return;
  simpleText_ = t;
  if (simplePanel_) Invalidate();
}

void StatusBar::SetSizeGrip(bool on) {
  if (on == sizeGrip_) return;
  sizeGrip_ = on;
  Invalidate();
}

void StatusBar::WndProc(Message& msg) {
  switch (msg.msg) {
    case SB_SETTEXT: {
      // wParam low byte: panel index (255 = the simple text).
      int i = static_cast<int>(msg.wParam & 0xFF);
      std::string text = msg.lParam ? reinterpret_cast<const char*>(msg.lParam) : "";
      if (i == 255) {
        SetSimpleText(text);
        msg.result = 1;
      } else if (i < PanelCount()) {
        panels_[static_cast<std::size_t>(i)].Text = text;
        Invalidate();
        msg.result = 1;
      }
      return;
    }
    case SB_SIMPLE:
      SetSimplePanel(msg.wParam != 0);
      msg.result = 1;
      return;
    case SB_GETRECT: {
      auto* r = reinterpret_cast<gfx::Rect*>(msg.lParam);
      int i = static_cast<int>(msg.wParam);
      if (r && i >= 0 && i < PanelCount()) {
        *r = PanelRect(i);
        msg.result = 1;
      }
      return;
    }
    case WM_SIZE: Invalidate(); break;
    case WM_ERASEBKGND: msg.result = 1; return;
    default: break;
  }
  WinControl::WndProc(msg);
}

void StatusBar::PaintWindow(gfx::Canvas& canvas) {
  canvas.FillRect(ClientRect(), gfx::ColorToRGB(Color()));
  canvas.SetFont(Font());
  if (simplePanel_ || panels_.empty()) {
    gfx::Rect r = ClientRect();
    DrawPanel(canvas, nullptr, simpleText_, {r.Left, r.Top + 1, r.Right - 1, r.Bottom - 1});
  } else {
    for (int i = 0; i < PanelCount(); ++i) {
      gfx::Rect r = PanelRect(i);
      if (r.IsEmpty()) continue;
      StatusPanel& p = panels_[static_cast<std::size_t>(i)];
      DrawPanel(canvas, &p, p.Text, r);
    }
  }
  if (sizeGrip_ && ParentSizeable()) PaintGrip(canvas);
}

bool StatusBar::ParentSizeable() const {
  // A grip only makes sense on a form the user can resize.
  const auto* form = dynamic_cast<const Form*>(Parent());
  if (!form) return false;
  const BorderStyle b = form->GetBorderStyle();
  return b == BorderStyle::bsSizeable || b == BorderStyle::bsSizeToolWin;
}

void StatusBar::DrawPanel(gfx::Canvas& canvas, StatusPanel* panel, const std::string& text,
                          const gfx::Rect& rect) {
  gfx::Rect inner = rect.Inflate(0, -2);
  inner.Right -= 2;
  if (panel && panel->Bevel != StatusPanelBevel::pbNone)
    classic::Frame3D(canvas, inner,
                     panel->Bevel == StatusPanelBevel::pbLowered ? gfx::clBtnShadow : gfx::clBtnHighlight,
                     panel->Bevel == StatusPanelBevel::pbLowered ? gfx::clBtnHighlight : gfx::clBtnShadow);
  if (panel && panel->Style == StatusPanelStyle::psOwnerDraw && OnDrawPanel) {
    FireDrawPanel(canvas, *panel, rect);
    return;
  }
  gfx::Canvas::StateGuard g(canvas);
  canvas.SetBrushStyle(gfx::BrushStyle::Clear);
  canvas.SetTextColor(gfx::ColorToRGB(Font().Color));
  gfx::Rect t{inner.Left + 2, inner.Top + 1, inner.Right - 2, inner.Bottom - 1};
  unsigned flags = gfx::DT_SINGLELINE | gfx::DT_VCENTER | gfx::DT_END_ELLIPSIS;
  Alignment a = panel ? panel->Align : Alignment::taLeftJustify;
  if (a == Alignment::taCenter) flags |= gfx::DT_CENTER;
  if (a == Alignment::taRightJustify) flags |= gfx::DT_RIGHT;
  canvas.DrawText(text, t, flags);
}

void StatusBar::FireDrawPanel(gfx::Canvas& canvas, StatusPanel& panel, const gfx::Rect& rect) {
  gfx::Canvas::StateGuard g(canvas);
  gfx::Canvas* outer = drawCanvas_;  // a handler may paint the bar again
  drawCanvas_ = &canvas;
  struct Restore {
    gfx::Canvas*& slot;
    gfx::Canvas* value;
    ~Restore() { slot = value; }
  } restore{drawCanvas_, outer};
  OnDrawPanel(this, panel, rect);
}

void StatusBar::PaintGrip(gfx::Canvas& canvas) {
  // Three diagonal pairs of lines in the bottom-right corner.
  gfx::Rect r = ClientRect();
  gfx::Color light = gfx::ColorToRGB(gfx::clBtnHighlight), dark = gfx::ColorToRGB(gfx::clBtnShadow);
  for (int k = 0; k < 3; ++k) {
    int off = 4 * k + 2;
    for (int i = 0; i < off + 1 && i < r.Height(); ++i) {
      canvas.SetPixel(r.Right - 1 - i, r.Bottom - off + i - 1, light);
      canvas.SetPixel(r.Right - i, r.Bottom - off + i - 1, dark);
      canvas.SetPixel(r.Right - i + 1, r.Bottom - off + i - 1, dark);
    }
  }
}

}  // namespace ui
