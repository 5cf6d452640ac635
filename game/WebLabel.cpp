#include "game/WebLabel.h"

#include "platform/gfx/Canvas.h"
#include "platform/gfx/DrawTextFlags.h"

namespace game {

WebLabel::WebLabel(ui::Component* owner) : ui::Label(owner) { SetCursor(ui::crHandPoint); }

WebLabel::~WebLabel() { BeginDestruction(); }

void WebLabel::SetHoverFont(const gfx::Font& f) {
  hoverFont_ = f;
  if (hovered_) Invalidate();
}

void WebLabel::Click() {
  ui::Label::Click();
  if (!url_.empty()) opener_.Open(url_);
}

void WebLabel::WndProc(ui::Message& msg) {
  if (msg.msg == ui::CM_MOUSEENTER || msg.msg == ui::CM_MOUSELEAVE) {
    hovered_ = msg.msg == ui::CM_MOUSEENTER;
    Invalidate();
  }
  ui::Label::WndProc(msg);
}

void WebLabel::DoDrawText(gfx::Canvas& canvas, gfx::Rect& rect, unsigned flags) {
  // Sizes are measured in the normal font so that hovering never moves the
  // label; a disabled label keeps the plain disabled look.
  if (!hovered_ || !Enabled() || (flags & gfx::DT_CALCRECT)) {
    ui::Label::DoDrawText(canvas, rect, flags);
    return;
  }
  canvas.SetFont(hoverFont_);
  canvas.SetTextColor(gfx::ColorToRGB(hoverFont_.Color));
  canvas.DrawText(LabelText(), rect, flags);
}

}  // namespace game
