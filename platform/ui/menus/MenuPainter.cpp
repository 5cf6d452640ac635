#include "platform/ui/menus/MenuPainter.h"

#include <algorithm>

#include "platform/gfx/DrawTextFlags.h"
#include "platform/ui/Application.h"
#include "platform/ui/ClassicLook.h"
#include "platform/ui/Screen.h"
#include "platform/ui/forms/Form.h"
#include "platform/ui/menus/MenuImages.h"

namespace ui::menupaint {

namespace {
// A check mark or symbol box, and the room for the submenu arrow.
constexpr int kCheckWidth = 15;
constexpr int kArrowWidth = 17;
// Gap between the picture column and the caption.
constexpr int kCaptionGap = 2;

void Measure(gfx::Canvas& c, MenuItem* item, Form* target, gfx::Size& size) {
  if (!item->IsOwnerDrawn()) return;
  MeasureItemStruct mis{item, size.Width, size.Height};
  if (target) target->Perform(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&mis));
  size = {mis.Width, mis.Height};
  if (item->OnMeasureItem) item->OnMeasureItem(item, c, size.Width, size.Height);
}

// The form whose character set the menu's text uses.
Form* FormOf(const MenuItem* item) {
  Menu* m = item->GetParentMenu();
  if (!m) return nullptr;
  if (m->WindowForm()) return m->WindowForm();
  if (auto* p = dynamic_cast<PopupMenu*>(m); p && p->TargetForm()) return p->TargetForm();
  return dynamic_cast<Form*>(m->Owner());
}

bool InSystemMenu(const MenuItem* item) {
  Menu* m = item->GetParentMenu();
  if (!m) return false;
  auto* p = dynamic_cast<PopupMenu*>(m);
  return (p && p->IsSystemMenu()) || m->Name() == "SysMenu";
}

gfx::Size TextExtent(gfx::Canvas& c, const MenuItem* item, const std::string& text) {
  gfx::Canvas::StateGuard g(c);
  c.SetFont(MenuFontFor(item));
  gfx::Rect r{0, 0, 0, 0};
  c.DrawText(text, r, gfx::DT_CALCRECT | gfx::DT_SINGLELINE | gfx::DT_EXPANDTABS);
  return {r.Width(), r.Height()};
}
}  // namespace

std::string DisplayCaption(const MenuItem* item) {
  std::string c = item->Caption();
  if (IsRightAlignedCaption(c)) c.erase(0, 1);
  if (IsTitleCaption(c)) {
    // The first word between dashes: "-Options-" shows "Options".
    std::size_t end = c.find('-', 1);
    c = c.substr(1, end - 1);
  }
  return c;
}

gfx::Font MenuFontFor(const MenuItem* item) {
  gfx::Font f = IsTitleCaption(item->Caption()) ? App().Screen().CaptionFont() : App().Screen().MenuFont();
  if (item->Default()) f.Style |= gfx::fsBold;
  if (Form* form = FormOf(item)) f.Charset = form->Font().Charset;
  return f;
}

int GlyphColumnWidth(int imageWidth) { return 2 + std::max(kCheckWidth, imageWidth + 2); }

int WidestImage(const std::vector<MenuItem*>& items) {
  int w = 0;
  for (const MenuItem* i : items) w = std::max(w, i->ImageSize().Width);
  return w;
}

int CaptionExtent(gfx::Canvas& c, MenuItem* item, int glyphColumn) {
  return glyphColumn + kCaptionGap + TextExtent(c, item, DisplayCaption(item)).Width + 16;
}

gfx::Size MeasurePopupItem(gfx::Canvas& c, MenuItem* item, Form* target, int glyphColumn) {
  gfx::Size s;
  if (item->IsLine()) {
    s = {10, 9};
  } else {
    gfx::Size t = TextExtent(c, item, DisplayCaption(item));
    int sc = 0;
    if (item->GetShortCut() != scNone)
      sc = TextExtent(c, item, ShortCutToText(item->GetShortCut())).Width + 16;
    int h = std::max(GetSystemMetrics(SM_CYMENUSIZE), t.Height + 4);
    if (item->HasImage()) h = std::max(h, item->ImageSize().Height + 4);
    s = {glyphColumn + t.Width + sc + kArrowWidth + 6, h};
  }
  Measure(c, item, target, s);
  return s;
}

gfx::Size MeasureBarItem(gfx::Canvas& c, MenuItem* item, Form* target) {
  gfx::Size t = TextExtent(c, item, DisplayCaption(item));
  gfx::Size s{t.Width + 12, GetSystemMetrics(SM_CYMENU) - 1};
  if (item->HasImage()) s.Width += item->ImageSize().Width + 6;
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

void DrawColumnLine(gfx::Canvas& c, const gfx::Rect& line) {
  c.FillRect({line.Left, line.Top, line.Left + 1, line.Bottom}, gfx::ColorToRGB(gfx::clBtnShadow));
  c.FillRect({line.Left + 1, line.Top, line.Left + 2, line.Bottom}, gfx::ColorToRGB(gfx::clBtnHighlight));
}

void DrawPopupItem(gfx::Canvas& c, MenuItem* item, const gfx::Rect& r, OwnerDrawState state,
                   const PopupItemLayout& layout) {
  if (OwnerDraw(c, item, r, state)) return;
  gfx::Canvas::StateGuard g(c);
  c.FillRect(r, gfx::ColorToRGB(gfx::clMenu));
  if (item->IsLine()) {
    int y = r.Top + r.Height() / 2 - 1;
    c.FillRect({r.Left + 1, y, r.Right - 1, y + 1}, gfx::ColorToRGB(gfx::clBtnShadow));
    c.FillRect({r.Left + 1, y + 1, r.Right - 1, y + 2}, gfx::ColorToRGB(gfx::clBtnHighlight));
    return;
  }
  c.SetFont(MenuFontFor(item));
  c.SetBackgroundMode(gfx::BackgroundMode::Transparent);
  if (IsTitleCaption(item->Caption())) {
    c.SetTextColor(gfx::ColorToRGB(gfx::clMenuText));
    gfx::Rect t = r;
    c.DrawText(DisplayCaption(item), t, kTitleFlags);
    return;
  }
  const bool grey = (state & odGrayed) != 0;
  const bool sel = (state & odSelected) != 0;
  const bool image = item->HasImage();
  const int col = layout.GlyphColumn;
  // A picture keeps its column; the highlight covers the rest.
  if (sel)
    c.FillRect({image ? r.Left + col : r.Left, r.Top, r.Right, r.Bottom}, gfx::ColorToRGB(gfx::clHighlight));
  gfx::Color text = grey ? gfx::clGrayText : sel ? gfx::clHighlightText : gfx::clMenuText;
  gfx::Rect mark{r.Left + 2 + (col - 17) / 2, r.Top, r.Left + 2 + (col - 17) / 2 + kCheckWidth, r.Bottom};
  if (image) {
    gfx::Size s = item->ImageSize();
    int x = r.Left + (col - s.Width) / 2, y = r.Top + (r.Height() - s.Height) / 2;
    DrawImageFrame(c, {x - 1, y - 1, x + s.Width + 1, y + s.Height + 1}, item->Checked(), sel && !grey);
    DrawItemImage(c, item, x, y, !grey);
  } else if (item->Checked()) {
    classic::DrawGlyph(c, mark.Inflate(-1, -2),
                       item->RadioItem() ? classic::Glyph::Bullet : classic::Glyph::Check, text);
  } else if (auto symbol = InSystemMenu(item) ? SystemMenuSymbol(item->Tag()) : std::nullopt) {
    if (grey && !sel) classic::DrawGlyph(c, mark.Inflate(-1, -2).Offset(1, 1), *symbol, gfx::clBtnHighlight);
    classic::DrawGlyph(c, mark.Inflate(-1, -2), *symbol, text);
  }
  gfx::Rect tr{r.Left + col + kCaptionGap, r.Top, r.Right - kArrowWidth, r.Bottom};
  std::string cap = DisplayCaption(item);
  unsigned flags = kPopupCaptionFlags | (IsRightAlignedCaption(item->Caption()) ? gfx::DT_RIGHT : 0) |
                   ((state & odNoAccel) ? gfx::DT_HIDEPREFIX : 0);
  auto draw = [&](gfx::Color colour, int d) {
    c.SetTextColor(gfx::ColorToRGB(colour));
    gfx::Rect t = tr.Offset(d, d);
    c.DrawText(cap, t, flags);
    if (item->GetShortCut() != scNone) {
      gfx::Rect s{std::max(tr.Left, r.Left + layout.ShortCutX) + d, r.Top + d, tr.Right + d, r.Bottom + d};
      c.DrawText(ShortCutToText(item->GetShortCut()), s, kShortCutFlags);
    }
  };
  // Greyed text is embossed unless the highlight lies under it.
  if (grey && !sel) draw(gfx::clBtnHighlight, 1);
  draw(text, 0);
  if (!item->Items().empty())
    classic::DrawGlyph(c, {r.Right - 16, r.Top, r.Right - 2, r.Bottom}, classic::Glyph::SubMenu, text);
}

void DrawBarItem(gfx::Canvas& c, MenuItem* item, const gfx::Rect& r, OwnerDrawState state) {
  if (OwnerDraw(c, item, r, state)) return;
  gfx::Canvas::StateGuard g(c);
  const bool sel = (state & odSelected) != 0;
  const bool grey = (state & odGrayed) != 0;
  c.FillRect(r, gfx::ColorToRGB(sel ? gfx::clHighlight : gfx::clMenu));
  int gw = 0;
  if (item->HasImage()) {
    gfx::Size s = item->ImageSize();
    DrawItemImage(c, item, r.Left + 3, r.Top + (r.Height() - s.Height) / 2, !grey);
    gw = s.Width + 3;
  }
  c.SetFont(MenuFontFor(item));
  c.SetBackgroundMode(gfx::BackgroundMode::Transparent);
  c.SetTextColor(gfx::ColorToRGB(grey ? gfx::clGrayText : sel ? gfx::clHighlightText : gfx::clMenuText));
  gfx::Rect t{r.Left + gw, r.Top, r.Right, r.Bottom};
  c.DrawText(DisplayCaption(item), t, kBarCaptionFlags | ((state & odNoAccel) ? gfx::DT_HIDEPREFIX : 0));
}

}  // namespace ui::menupaint
