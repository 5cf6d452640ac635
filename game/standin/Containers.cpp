#include "game/standin/Containers.h"

#include "platform/gfx/DrawTextFlags.h"
#include "platform/ui/ClassicLook.h"

namespace game::standin {

namespace cl = ui::classic;

Panel::Panel(ui::Component* owner) : ui::WinControl(owner) {
  SetControlStyle(ControlStyle() | ui::csAcceptsControls);
}

void Panel::SetBevelOuter(PanelBevel b) {
  bevelOuter_ = b;
  Invalidate();
}

void Panel::PaintWindow(gfx::Canvas& canvas) {
  gfx::Rect r = ClientRect();
  canvas.FillRect(r, gfx::ColorToRGB(Color()));
  if (bevelOuter_ != PanelBevel::None)
    cl::DrawEdge(canvas, r, bevelOuter_ == PanelBevel::Raised ? cl::BDR_RAISEDINNER : cl::BDR_SUNKENOUTER);
  if (!Caption().empty()) {
    gfx::Canvas::StateGuard guard(canvas);
    canvas.SetFont(Font());
    canvas.SetBrushStyle(gfx::BrushStyle::Clear);
    canvas.SetTextColor(Font().Color);
    canvas.DrawText(Caption(), r, gfx::DT_CENTER | gfx::DT_VCENTER | gfx::DT_SINGLELINE);
  }
}

StatusBar::StatusBar(ui::Component* owner) : ui::WinControl(owner) {}

void StatusBar::SetPanelWidth(int w) {
  panelWidth_ = w;
  Invalidate();
}

void StatusBar::PaintWindow(gfx::Canvas& canvas) {
  gfx::Rect r = ClientRect();
  canvas.FillRect(r, gfx::ColorToRGB(Color()));
  gfx::Rect panel{r.Left, r.Top + 2, std::min(r.Right, r.Left + panelWidth_), r.Bottom};
  cl::DrawEdge(canvas, panel, cl::BDR_SUNKENOUTER);
  if (!Caption().empty()) {
    gfx::Canvas::StateGuard guard(canvas);
    canvas.SetFont(Font());
    canvas.SetBrushStyle(gfx::BrushStyle::Clear);
    canvas.SetTextColor(Font().Color);
    gfx::Rect text{panel.Left + 2, panel.Top, panel.Right - 2, panel.Bottom};
    canvas.DrawText(Caption(), text, gfx::DT_LEFT | gfx::DT_VCENTER | gfx::DT_SINGLELINE);
  }
}

GroupBox::GroupBox(ui::Component* owner) : ui::WinControl(owner) {
  SetControlStyle(ControlStyle() | ui::csAcceptsControls);
}

void GroupBox::PaintWindow(gfx::Canvas& canvas) {
  gfx::Rect r = ClientRect();
  canvas.FillRect(r, gfx::ColorToRGB(Color()));
  gfx::Canvas::StateGuard guard(canvas);
  canvas.SetFont(Font());
  const int textHeight = canvas.TextHeight("0");
  gfx::Rect frame{r.Left, r.Top + textHeight / 2, r.Right, r.Bottom};
  cl::DrawEdge(canvas, frame, cl::EDGE_ETCHED);
  if (Caption().empty()) return;
  gfx::Rect text{r.Left + 6, r.Top, r.Right - 2, r.Top + textHeight};
  canvas.DrawText(Caption(), text, gfx::DT_CALCRECT | gfx::DT_SINGLELINE);
  text = {text.Left - 1, text.Top, text.Right + 1, text.Bottom};
  canvas.FillRect(text, gfx::ColorToRGB(Color()));
  canvas.SetBrushStyle(gfx::BrushStyle::Clear);
  canvas.SetTextColor(Font().Color);
  canvas.DrawText(Caption(), text, gfx::DT_CENTER | gfx::DT_SINGLELINE);
}

}  // namespace game::standin
