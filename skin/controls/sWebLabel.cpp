#include "skin/controls/sWebLabel.h"

#include <algorithm>

#include "platform/ui/WinControl.h"
#include "skin/controls/sLabelColors.h"
#include "skin/controls/sSkinManager.h"

namespace skin {

TsWebLabel::TsWebLabel(ui::Component* owner) : TsLabel(owner), normalFont_(Font()), hoverFont_(Font()) {
  SetCursor(ui::crHandPoint);
}

TsWebLabel::~TsWebLabel() { BeginDestruction(); }

void TsWebLabel::SetFont(const gfx::Font& f) {
  normalFont_ = f;
  TsLabel::SetFont(f);
  Invalidate();
}

void TsWebLabel::SetHoverFont(const gfx::Font& f) {
  hoverFont_ = f;
  if (hovered_) Invalidate();
}

void TsWebLabel::Loaded() {
  TsLabel::SetFont(normalFont_);
  TsLabel::Loaded();
}

gfx::Font TsWebLabel::EffectiveFont() {
  const bool hot = hovered_ && !Designing();
  gfx::Font f = hot ? hoverFont_ : normalFont_;
  TsSkinManager* m = TsSkinManager::DefaultManager();
  if (UseSkinColor() && m && m->SkinLoaded()) f.Color = WebLabelSkinColor(*m->Model(), hot, f.Color);
  return f;
}

void TsWebLabel::OpenURL(const std::string& address) { opener_.Open(address); }

void TsWebLabel::HoverChanged(bool hovered) {
  hovered_ = hovered;
  const gfx::Rect before = BoundsRect();
  // The new font is taken at once, so the new size is measured with it.
  TakeEffectiveFont();
  if (AutoSize()) {
    Invalidate();
    Update();
    AdjustBounds();
  }
  // The parent repaints behind the text in its new font and size.
  if (ui::WinControl* p = Parent()) {
    const gfx::Rect now = BoundsRect();
    const gfx::Rect area{std::min(before.Left, now.Left), std::min(before.Top, now.Top),
                         std::max(before.Right, now.Right), std::max(before.Bottom, now.Bottom)};
    p->InvalidateRect(&area, true);
  }
}

void TsWebLabel::WndProc(ui::Message& msg) {
  TsLabel::WndProc(msg);
  switch (msg.msg) {
    case ui::CM_MOUSEENTER:
    case ui::CM_MOUSELEAVE:
      if (msg.lParam == 0 || reinterpret_cast<ui::Control*>(msg.lParam) == this)
        HoverChanged(msg.msg == ui::CM_MOUSEENTER);
      break;
    case ui::WM_LBUTTONDOWN:
      if (!url_.empty()) OpenURL(url_);
      break;
    case ui::CM_PARENTFONTCHANGED:
      if (ParentFont()) normalFont_ = Font();
      break;
    default: break;
  }
}

}  // namespace skin
