#include "game/standin/RadioButton.h"

#include "platform/gfx/DrawTextFlags.h"
#include "platform/ui/ClassicLook.h"
#include "platform/ui/WinControl.h"

namespace game::standin {

namespace cl = ui::classic;

RadioButton::RadioButton(ui::Component* owner) : ui::Control(owner) {}

void RadioButton::SetChecked(bool on) {
  if (on == checked_) return;
  checked_ = on;
  if (on && Parent())
    for (ui::Control* c : Parent()->Controls())
      if (auto* other = dynamic_cast<RadioButton*>(c); other && other != this) other->SetChecked(false);
  Invalidate();
}

void RadioButton::Click() {
  SetChecked(true);
  ui::Control::Click();
}

void RadioButton::Paint(gfx::Canvas& canvas) {
  constexpr int kBox = 13;
  const int top = (Height() - kBox) / 2;
  gfx::Rect box = gfx::Rect::FromXYWH(0, top, kBox, kBox);
  canvas.FillRect(box, gfx::ColorToRGB(gfx::clWindow));
  cl::DrawEdge(canvas, box, cl::EDGE_SUNKEN);
  if (checked_) cl::DrawGlyph(canvas, box, cl::Glyph::Bullet, gfx::ColorToRGB(gfx::clWindowText));
  gfx::Canvas::StateGuard guard(canvas);
  canvas.SetFont(Font());
  canvas.SetBrushStyle(gfx::BrushStyle::Clear);
  canvas.SetTextColor(Enabled() ? Font().Color : gfx::clGrayText);
  gfx::Rect text{kBox + 4, 0, Width(), Height()};
  canvas.DrawText(Caption(), text, gfx::DT_LEFT | gfx::DT_VCENTER | gfx::DT_SINGLELINE);
}

}  // namespace game::standin
