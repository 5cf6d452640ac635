#include "game/standin/TextLabel.h"

#include "game/standin/ShellOpen.h"
#include "platform/gfx/DrawTextFlags.h"

namespace game::standin {

Label::Label(ui::Component* owner) : ui::Control(owner) {}

void Label::SetAlignment(ui::Alignment a) {
  alignment_ = a;
  Invalidate();
}

void Label::SetLayout(TextLayout l) {
  layout_ = l;
  Invalidate();
}

void Label::SetTransparent(bool on) {
  transparent_ = on;
  Invalidate();
}

void Label::SetCaption(const std::string& text) {
  ui::Control::SetCaption(text);
  Invalidate();
}

unsigned Label::Flags() const {
  unsigned flags = gfx::DT_NOPREFIX;
  if (alignment_ == ui::Alignment::taCenter) flags |= gfx::DT_CENTER;
  if (alignment_ == ui::Alignment::taRightJustify) flags |= gfx::DT_RIGHT;
  return flags;
}

gfx::Rect Label::TextRect(gfx::Canvas& canvas) const {
  gfx::Canvas::StateGuard guard(canvas);
  canvas.SetFont(CurrentFont());
  gfx::Rect calc{0, 0, Width(), 0};
  canvas.DrawText(Caption(), calc, Flags() | gfx::DT_CALCRECT);
  const int h = calc.Height();
  int top = 0;
  if (layout_ == TextLayout::Center) top = (Height() - h) / 2;
  if (layout_ == TextLayout::Bottom) top = Height() - h;
  return {0, top, Width(), top + h};
}

void Label::Paint(gfx::Canvas& canvas) {
  if (!transparent_) canvas.FillRect(ClientRect(), gfx::ColorToRGB(Color()));
  if (Caption().empty()) return;
  gfx::Rect r = TextRect(canvas);
  gfx::Canvas::StateGuard guard(canvas);
  canvas.SetFont(CurrentFont());
  canvas.SetBrushStyle(gfx::BrushStyle::Clear);
  canvas.SetTextColor(Enabled() ? CurrentFont().Color : gfx::clGrayText);
  canvas.DrawText(Caption(), r, Flags());
}

WebLabel::WebLabel(ui::Component* owner) : Label(owner) { SetCursor(ui::crHandPoint); }

void WebLabel::Click() {
  Label::Click();
  if (!url_.empty()) OpenAddress(url_);
}

void WebLabel::WndProc(ui::Message& msg) {
  if (msg.msg == ui::CM_MOUSEENTER || msg.msg == ui::CM_MOUSELEAVE) {
    hovered_ = msg.msg == ui::CM_MOUSEENTER;
    Invalidate();
  }
  Label::WndProc(msg);
}

}  // namespace game::standin
