#include "platform/ui/MenuPainter.h"

#include <algorithm>

#include "platform/gfx/DrawTextFlags.h"
#include "platform/ui/Application.h"
#include "platform/ui/ClassicLook.h"
#include "platform/ui/Form.h"
#include "platform/ui/Screen.h"

namespace ui::menupaint {

namespace {
std::string DisplayCaption(const MenuItem* item) {
  std::string c = item->Caption();
  if (!c.empty() && c.front() == '\b') c.erase(0, 1);
  if (IsTitleCaption(c)) c = c.substr(1, c.size() - 2);
  return c;
}

void Measure(gfx::Canvas& c, MenuItem* item, Form* target, gfx::Size& size) {
  if (!item->IsOwnerDrawn()) return;
  MeasureItemStruct mis{item, size.Width, size.Height};
  if (target) target->Perform(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&mis));
  size = {mis.Width, mis.Height};
  if (item->OnMeasureItem) item->OnMeasureItem(item, c, size.Width, size.Height);
}
}  // namespace

gfx::Font MenuFontFor(const MenuItem* item) {
  gfx::Font f = App().Screen().MenuFont();
  if (item->Default()) f.Style |= gfx::fsBold;
  if (IsTitleCaption(item->Caption())) f = App().Screen().CaptionFont();
  return f;
}

gfx::Size MeasurePopupItem(gfx::Canvas& c, MenuItem* item, Form* target) {
  gfx::Size s;
  if (item->IsLine()) {
    s = {10, 9};
  } else {
    gfx::Canvas::StateGuard g(c);
    c.SetFont(MenuFontFor(item));
    gfx::Rect r{0, 0, 0, 0};
    c.DrawText(DisplayCaption(item), r, gfx::DT_CALCRECT | gfx::DT_SINGLELINE | gfx::DT_EXPANDTABS);
    int sc = 0;
    if (item->GetShortCut() != scNone) sc = c.TextWidth(ShortCutToText(item->GetShortCut())) + 16;
    s = {r.Width() + sc + 2 * 17 + 6, std::max(GetSystemMetrics(SM_CYMENUSIZE), r.Height() + 4)};
  }
  Measure(c, item, target, s);
  return s;
}

gfx::Size MeasureBarItem(gfx::Canvas& c, MenuItem* item, Form* target) {
  gfx::Canvas::StateGuard g(c);
  c.SetFont(MenuFontFor(item));
  gfx::Rect r{0, 0, 0, 0};
  c.DrawText(DisplayCaption(item), r, gfx::DT_CALCRECT | gfx::DT_SINGLELINE);
  gfx::Size s{r.Width() + 12, GetSystemMetrics(SM_CYMENU) - 1};
  Measure(c, item, target, s);
  return s;
}

bool OwnerDraw(gfx::Canvas& c, MenuItem* item, const gfx::Rect& r, OwnerDrawState state) {
  if (item->OnAdvancedDrawItem) {
    gfx::Canvas::StateGuard g(c);
    item->OnAdvancedDrawItem(item, c, r, state);
    return true;
  }
  if (item->OnDrawItem) {
    gfx::Canvas::StateGuard g(c);
    item->OnDrawItem(item, c, r, (state & odSelected) != 0);
    return true;
  }
  return false;
}

void DrawPopupItem(gfx::Canvas& c, MenuItem* item, const gfx::Rect& r, OwnerDrawState state,
                   int shortcutColumn) {
  if (OwnerDraw(c, item, r, state)) return;
  gfx::Canvas::StateGuard g(c);
  bool sel = (state & odSelected) && !item->IsLine();
  c.FillRect(r, gfx::ColorToRGB(sel ? gfx::clHighlight : gfx::clMenu));
  if (item->IsLine()) {
    int y = r.Top + r.Height() / 2 - 1;
    c.FillRect({r.Left + 1, y, r.Right - 1, y + 1}, gfx::ColorToRGB(gfx::clBtnShadow));
    c.FillRect({r.Left + 1, y + 1, r.Right - 1, y + 2}, gfx::ColorToRGB(gfx::clBtnHighlight));
    return;
  }
  bool grey = (state & odGrayed) != 0;
  gfx::Color text = grey ? gfx::clGrayText : sel ? gfx::clHighlightText : gfx::clMenuText;
  c.SetFont(MenuFontFor(item));
  c.SetBackgroundMode(gfx::BackgroundMode::Transparent);
  unsigned prefix = (state & odNoAccel) ? gfx::DT_HIDEPREFIX : 0;
  if (item->Checked()) {
    gfx::Rect box{r.Left + 2, r.Top, r.Left + 17, r.Bottom};
    classic::DrawGlyph(c, box.Inflate(-1, -2),
                       item->RadioItem() ? classic::Glyph::Bullet : classic::Glyph::Check, text);
  }
  gfx::Rect tr{r.Left + 19, r.Top, r.Right - 17, r.Bottom};
  std::string cap = DisplayCaption(item);
  unsigned align = (!item->Caption().empty() && item->Caption().front() == '\b') ? gfx::DT_RIGHT : 0;
  if (IsTitleCaption(item->Caption())) align = gfx::DT_CENTER;
  auto draw = [&](gfx::Color col, int dx) {
    c.SetTextColor(gfx::ColorToRGB(col));
    gfx::Rect t = tr.Offset(dx, dx);
    c.DrawText(cap, t, kPopupCaptionFlags | align | prefix);
    if (item->GetShortCut() != scNone) {
      gfx::Rect s{std::max(tr.Left, r.Left + shortcutColumn) + dx, r.Top + dx, tr.Right + dx, r.Bottom + dx};
      c.DrawText(ShortCutToText(item->GetShortCut()), s, kShortCutFlags);
    }
  };
  if (grey && !sel) draw(gfx::clBtnHighlight, 1);
  draw(text, 0);
  if (!item->Items().empty())
    classic::DrawGlyph(c, {r.Right - 16, r.Top, r.Right - 2, r.Bottom}, classic::Glyph::SubMenu, text);
}

void DrawBarItem(gfx::Canvas& c, MenuItem* item, const gfx::Rect& r, OwnerDrawState state) {
  if (OwnerDraw(c, item, r, state)) return;
  gfx::Canvas::StateGuard g(c);
  bool sel = (state & odSelected) != 0;
  c.FillRect(r, gfx::ColorToRGB(sel ? gfx::clHighlight : gfx::clMenu));
  c.SetFont(MenuFontFor(item));
  c.SetBackgroundMode(gfx::BackgroundMode::Transparent);
  bool grey = (state & odGrayed) != 0;
  c.SetTextColor(gfx::ColorToRGB(grey ? gfx::clGrayText : sel ? gfx::clHighlightText : gfx::clMenuText));
  gfx::Rect t = r;
  c.DrawText(DisplayCaption(item), t, kBarCaptionFlags | ((state & odNoAccel) ? gfx::DT_HIDEPREFIX : 0));
}

}  // namespace ui::menupaint
