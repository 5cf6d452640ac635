#include "platform/ui/menus/MenuBar.h"

#include <algorithm>

#include "platform/ui/Accelerator.h"
#include "platform/ui/Application.h"
#include "platform/ui/Screen.h"
#include "platform/ui/forms/Form.h"
#include "platform/ui/menus/MenuPainter.h"
#include "platform/ui/menus/MenuTracker.h"
#include "platform/ui/menus/Menus.h"

namespace ui {

int MenuBarLayout::Layout(int width) {
  items_.clear();
  rects_.clear();
  rows_ = 0;
  width_ = width;
  MainMenu* menu = form_.Menu();
  if (!menu || !menu->Items()) return 0;
  items_ = menu->Items()->VisibleItems();
  if (items_.empty()) return 0;
  gfx::Bitmap scratch(1, 1, gfx::PixelFormat::Bgr24);
  gfx::Canvas c(scratch);
  int rowH = GetSystemMetrics(SM_CYMENU);
  int x = 0, row = 0;
  std::size_t rowStart = 0;
  for (MenuItem* it : items_) {
    gfx::Size s = menupaint::MeasureBarItem(c, it, &form_);
    // A break, or an item that no longer fits, starts a new row.
    if (x > 0 && (x + s.Width > width || it->Break() != MenuBreak::mbNone)) {
      AlignRight(rowStart, x);
      rowStart = rects_.size();
      ++row;
      x = 0;
    }
    rects_.push_back({x, row * rowH, x + s.Width, row * rowH + rowH - 1});
    x += s.Width;
  }
  AlignRight(rowStart, x);
  rows_ = row + 1;
  hot_ = std::min(hot_, static_cast<int>(items_.size()) - 1);
  selected_ = std::min(selected_, static_cast<int>(items_.size()) - 1);
  return rows_;
}

void MenuBarLayout::AlignRight(std::size_t rowStart, int rowRight) {
  // From the first item whose caption starts with a backspace, the rest of
  // the row moves to the bar's right edge.
  for (std::size_t i = rowStart; i < rects_.size(); ++i) {
    if (!IsRightAlignedCaption(items_[i]->Caption())) continue;
    int shift = std::max(0, width_ - rowRight);
    for (std::size_t k = i; k < rects_.size(); ++k) rects_[k] = rects_[k].Offset(shift, 0);
    return;
  }
}

int MenuBarLayout::Height() const { return rows_ * GetSystemMetrics(SM_CYMENU); }

gfx::Rect MenuBarLayout::ItemScreenRect(const MenuItem* item) const {
  auto it = std::find(items_.begin(), items_.end(), item);
  if (it == items_.end()) return {};
  gfx::Rect bar = form_.MenuBarRect();
  gfx::Rect w = form_.WindowRect();
  return rects_[static_cast<std::size_t>(it - items_.begin())].Offset(w.Left + bar.Left, w.Top + bar.Top);
}

int MenuBarLayout::ItemAt(gfx::Point p) const {
  for (std::size_t i = 0; i < rects_.size(); ++i)
    if (rects_[i].Contains(p)) return static_cast<int>(i);
  return -1;
}

void MenuBarLayout::SetHot(int index) {
  if (index == hot_) return;
  int old = hot_;
  hot_ = index;
  for (int i : {old, index})
    if (i >= 0) {
      if (auto c = form_.GetSurface(SurfaceArea::Window)) PaintItem(*c, form_.MenuBarRect(), i);
    }
}

void MenuBarLayout::SetSelected(int index) {
  if (index == selected_) return;
  int old = selected_;
  selected_ = index;
  for (int i : {old, index})
    if (i >= 0) {
      if (auto c = form_.GetSurface(SurfaceArea::Window)) PaintItem(*c, form_.MenuBarRect(), i);
    }
}

void MenuBarLayout::Paint(gfx::Canvas& c, const gfx::Rect& bar) {
  c.FillRect(bar, gfx::ColorToRGB(gfx::clMenu));
  for (std::size_t i = 0; i < items_.size(); ++i) PaintItem(c, bar, static_cast<int>(i));
}

void MenuBarLayout::PaintItem(gfx::Canvas& c, const gfx::Rect& bar, int index) {
  if (index < 0 || index >= static_cast<int>(items_.size()) || bar.IsEmpty()) return;
  MenuItem* it = items_[static_cast<std::size_t>(index)];
  gfx::Rect r = rects_[static_cast<std::size_t>(index)].Offset(bar.Left, bar.Top);
  OwnerDrawState s = 0;
  if (index == selected_) s |= odSelected;
  if (index == hot_) s |= odHotLight;
  if (!it->Enabled()) s |= odGrayed | odDisabled;
  if (!form_.Active()) s |= odInactive;
  if (!MenuTracker::Current() || !MenuTracker::Current()->ByKeyboard()) s |= odNoAccel;
  menupaint::DrawBarItem(c, it, r, s);
}

void MenuBarLayout::Track(int index, bool byKeyboard, bool openPopup) {
  MenuItem* chosen = nullptr;
  {
    MenuTracker t(&form_, this);
    chosen = t.RunBar(index, byKeyboard, openPopup);
  }
  if (chosen) chosen->Click();
}

int MenuBarLayout::FindAccelerator(char32_t ch) const {
  for (std::size_t i = 0; i < items_.size(); ++i)
    if (AcceleratorOf(items_[i]->Caption()) == FoldCase(ch)) return static_cast<int>(i);
  return -1;
}

}  // namespace ui
