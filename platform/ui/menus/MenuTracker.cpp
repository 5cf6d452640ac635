#include "platform/ui/menus/MenuTracker.h"

#include <algorithm>

#include "platform/gfx/Utf8.h"
#include "platform/ui/Accelerator.h"
#include "platform/ui/Application.h"
#include "platform/ui/menus/MenuBar.h"

namespace ui {

namespace {
MenuTracker* g_current = nullptr;

bool Selectable(const MenuItem* i) { return i->Visible() && !i->IsLine() && !IsTitleCaption(i->Caption()); }
}  // namespace

// --- the tracker -----------------------------------------------------------------------

MenuTracker::MenuTracker(Form* target, MenuBarLayout* bar) : target_(target), bar_(bar) {}

MenuTracker::~MenuTracker() {
  StopHoverTimer();
  CloseFrom(0);
  if (g_current == this) g_current = nullptr;
}

MenuTracker* MenuTracker::Current() { return g_current; }

void MenuTracker::Open(MenuItem* list, gfx::Point at, const gfx::Rect& avoid, bool submenu) {
  if (target_) {
    int index = list->Parent() ? list->MenuIndex() : 0;
    target_->Perform(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(list), MakeLong(index, systemMenu_ ? 1 : 0));
  }
  if (list->VisibleItems().empty()) return;
  auto w = std::make_unique<PopupMenuWindow>(list, target_, keyboard_);
  w->SetAnimation(animation_);
  w->ShowAt(at, avoid, submenu);
  levels_.push_back(std::move(w));
}

void MenuTracker::CloseFrom(int level) {
  while (static_cast<int>(levels_.size()) > level) {
    levels_.back()->HideForm();
    levels_.pop_back();
  }
}

void MenuTracker::OpenSubmenu(int level) {
  PopupMenuWindow& w = *levels_[static_cast<std::size_t>(level)];
  int sel = w.Selected();
  if (sel < 0) return;
  MenuItem* item = w.Items()[static_cast<std::size_t>(sel)];
  if (item->Items().empty() || !item->Enabled()) return;
  if (static_cast<int>(levels_.size()) > level + 1 &&
      levels_[static_cast<std::size_t>(level) + 1]->List() == item)
    return;
  CloseFrom(level + 1);
  gfx::Rect r = w.ItemScreenRect(sel);
  Open(item, {w.WindowRect().Right - kPopupBorder, r.Top - kPopupBorder}, w.WindowRect(), true);
}

void MenuTracker::BarSelect(int index, bool open) {
  if (!bar_) return;
  CloseFrom(0);
  bar_->SetSelected(index);
  if (!open || index < 0) return;
  MenuItem* item = bar_->Items()[static_cast<std::size_t>(index)];
  if (item->Items().empty()) return;
  gfx::Rect r = bar_->ItemScreenRect(item);
  Open(item, {r.Left, r.Bottom}, r, false);
  if (keyboard_ && !levels_.empty()) MoveSelection(*levels_.back(), 1);
}

void MenuTracker::BarStep(int dir) {
  if (bar_->Items().empty()) return;
  int n = static_cast<int>(bar_->Items().size());
  int i = bar_->Selected() < 0 ? 0 : (bar_->Selected() + dir + n) % n;
  BarSelect(i, !levels_.empty());
}

int MenuTracker::LevelAt(gfx::Point screen) const {
  for (int i = static_cast<int>(levels_.size()) - 1; i >= 0; --i)
    if (levels_[static_cast<std::size_t>(i)]->WindowRect().Contains(screen)) return i;
  return -1;
}

void MenuTracker::Choose(MenuItem* item) {
  chosen_ = item;
  done_ = true;
}

void MenuTracker::Cancel() {
  chosen_ = nullptr;
  done_ = true;
}

void MenuTracker::MoveSelection(PopupMenuWindow& w, int dir) {
  const auto& items = w.Items();
  int i = w.Columns().StepInColumn(w.Selected(), dir,
                                   [&](int k) { return Selectable(items[static_cast<std::size_t>(k)]); });
  if (i >= 0) w.SetSelected(i);
}

bool MenuTracker::MoveAcross(PopupMenuWindow& w, int dir) {
  const auto& items = w.Items();
  int i = w.Columns().Beside(w.Selected(), dir,
                             [&](int k) { return Selectable(items[static_cast<std::size_t>(k)]); });
  if (i < 0) return false;
  CloseFrom(LevelOf(w) + 1);
  w.SetSelected(i);
  return true;
}

int MenuTracker::LevelOf(const PopupMenuWindow& w) const {
  for (std::size_t i = 0; i < levels_.size(); ++i)
    if (levels_[i].get() == &w) return static_cast<int>(i);
  return -1;
}

void MenuTracker::StartHoverTimer(int level, MenuItem* open) {
  if (hoverTimer_ && hoverLevel_ == level && hoverItem_ == open) return;
  StopHoverTimer();
  hoverLevel_ = level;
  hoverItem_ = open;
  hoverTimer_ = App().StartCallbackTimer(kSubmenuDelayMs, [this] { HoverTimerFired(); });
}

void MenuTracker::StopHoverTimer() {
  if (hoverTimer_) App().StopCallbackTimer(hoverTimer_);
  hoverTimer_ = 0;
}

void MenuTracker::HoverTimerFired() {
  StopHoverTimer();
  int level = hoverLevel_;
  if (level < 0 || level >= static_cast<int>(levels_.size())) return;
  PopupMenuWindow& w = *levels_[static_cast<std::size_t>(level)];
  MenuItem* selected = w.Selected() >= 0 ? w.Items()[static_cast<std::size_t>(w.Selected())] : nullptr;
  MenuItem* open = selected == hoverItem_ ? hoverItem_ : nullptr;
  if (static_cast<int>(levels_.size()) > level + 1 &&
      levels_[static_cast<std::size_t>(level) + 1]->List() != open)
    CloseFrom(level + 1);
  if (open) OpenSubmenu(level);
}

void MenuTracker::HoverPopupItem(int level, int index) {
  // Back in an open submenu: it stays, and its item in the parent is the
  // selected one again.
  if (level > 0) {
    PopupMenuWindow& parent = *levels_[static_cast<std::size_t>(level) - 1];
    const auto& items = parent.Items();
    auto it = std::find(items.begin(), items.end(), levels_[static_cast<std::size_t>(level)]->List());
    if (it != items.end()) parent.SetSelected(static_cast<int>(it - items.begin()));
  }
  if (hoverTimer_ && hoverLevel_ < level) StopHoverTimer();
  if (index < 0) return;
  PopupMenuWindow& w = *levels_[static_cast<std::size_t>(level)];
  w.SetSelected(index);
  MenuItem* item = w.Items()[static_cast<std::size_t>(index)];
  bool childOpen = static_cast<int>(levels_.size()) > level + 1;
  if (childOpen && levels_[static_cast<std::size_t>(level) + 1]->List() == item) {
    StopHoverTimer();
    return;
  }
  bool hasSub = !item->Items().empty() && item->Enabled();
  if (hasSub || childOpen)
    StartHoverTimer(level, hasSub ? item : nullptr);
  else if (hoverTimer_ && hoverLevel_ == level)
    StopHoverTimer();
}

void MenuTracker::OnMouse(const backend::Event& e) {
  int level = LevelAt(e.Screen);
  int barIndex = -1;
  if (bar_ && target_) {
    gfx::Rect mb = target_->MenuBarRect().Offset(target_->Left(), target_->Top());
    if (mb.Contains(e.Screen)) barIndex = bar_->ItemAt({e.Screen.X - mb.Left, e.Screen.Y - mb.Top});
  }
  auto itemAt = [&](PopupMenuWindow& w) {
    int i = w.ItemAt(w.ScreenToClient(e.Screen));
    return i >= 0 && Selectable(w.Items()[static_cast<std::size_t>(i)]) ? i : -1;
  };
  switch (e.Type) {
    case backend::EventType::MouseMove:
      if (level >= 0) {
        keyboard_ = false;
        HoverPopupItem(level, itemAt(*levels_[static_cast<std::size_t>(level)]));
      } else if (barIndex >= 0 && barIndex != bar_->Selected()) {
        BarSelect(barIndex, !levels_.empty() || bar_->Selected() >= 0);
      }
      break;
    case backend::EventType::MouseDown:
      mouseDownSeen_ = true;
      if (level >= 0) {
        // A press on an item with a submenu opens it at once.
        PopupMenuWindow& w = *levels_[static_cast<std::size_t>(level)];
        int i = itemAt(w);
        if (i < 0) break;
        StopHoverTimer();
        w.SetSelected(i);
        MenuItem* item = w.Items()[static_cast<std::size_t>(i)];
        if (static_cast<int>(levels_.size()) > level + 1 &&
            levels_[static_cast<std::size_t>(level) + 1]->List() != item)
          CloseFrom(level + 1);
        OpenSubmenu(level);
        break;
      }
      if (barIndex >= 0) {
        if (barIndex == bar_->Selected())
          Cancel();
        else
          BarSelect(barIndex, true);
        break;
      }
      Cancel();
      break;
    case backend::EventType::MouseUp:
      if (level >= 0) {
        PopupMenuWindow& w = *levels_[static_cast<std::size_t>(level)];
        int i = itemAt(w);
        if (i < 0) break;
        MenuItem* item = w.Items()[static_cast<std::size_t>(i)];
        if (item->Enabled() && item->Items().empty()) Choose(item);
      } else if (barIndex >= 0) {
        // The release of the press that opened the bar menu.
        MenuItem* item = bar_->Items()[static_cast<std::size_t>(barIndex)];
        if (item->Items().empty() && item->Enabled()) Choose(item);
      } else if (mouseDownSeen_) {
        Cancel();
      }
      break;
    default: break;
  }
}

void MenuTracker::OnKey(int key, const std::string& text) {
  StopHoverTimer();
  keyboard_ = true;
  PopupMenuWindow* top = levels_.empty() ? nullptr : levels_.back().get();
  if (top) top->SetKeyboard(true);
  switch (key) {
    case VK_ESCAPE:
      if (levels_.size() > 1 || (levels_.size() == 1 && bar_)) {
        CloseFrom(static_cast<int>(levels_.size()) - 1);
      } else {
        Cancel();
      }
      return;
    case VK_MENU:
    case VK_F10: Cancel(); return;
    case VK_UP:
    case VK_DOWN:
      if (top) {
        MoveSelection(*top, key == VK_DOWN ? 1 : -1);
      } else if (bar_ && key == VK_DOWN && bar_->Selected() >= 0) {
        BarSelect(bar_->Selected(), true);
      }
      return;
    case VK_RIGHT:
      if (top && top->Selected() >= 0 &&
          !top->Items()[static_cast<std::size_t>(top->Selected())]->Items().empty()) {
        OpenSubmenu(static_cast<int>(levels_.size()) - 1);
        if (levels_.back().get() != top) MoveSelection(*levels_.back(), 1);
        return;
      }
      if (top && MoveAcross(*top, 1)) return;
      if (bar_) BarStep(1);
      return;
    case VK_LEFT:
      if (top && MoveAcross(*top, -1)) return;
      if (levels_.size() > 1) {
        CloseFrom(static_cast<int>(levels_.size()) - 1);
        return;
      }
      if (bar_) BarStep(-1);
      return;
    case VK_RETURN:
    case VK_SPACE:
      if (top && top->Selected() >= 0) {
        MenuItem* item = top->Items()[static_cast<std::size_t>(top->Selected())];
        if (!item->Items().empty()) {
          OpenSubmenu(static_cast<int>(levels_.size()) - 1);
          if (levels_.back().get() != top) MoveSelection(*levels_.back(), 1);
        } else if (item->Enabled()) {
          Choose(item);
        }
      } else if (!top && bar_ && bar_->Selected() >= 0) {
        MenuItem* item = bar_->Items()[static_cast<std::size_t>(bar_->Selected())];
        if (item->Items().empty()) {
          if (item->Enabled()) Choose(item);
        } else {
          BarSelect(bar_->Selected(), true);
        }
      }
      return;
    default: break;
  }
  // Accelerators: by the typed character, so that any layout works; by the
  // key's letter or digit when the key types nothing.
  const std::u32string typed = gfx::DecodeUtf8(text);
  char32_t ch = !typed.empty() && typed.front() >= 0x20 ? FoldCase(typed.front())
                : (key >= 'A' && key <= 'Z')            ? static_cast<char32_t>(key - 'A' + 'a')
                : (key >= '0' && key <= '9')            ? static_cast<char32_t>(key)
                                                        : 0;
  if (!ch) return;
  if (top) {
    const auto& items = top->Items();
    for (std::size_t i = 0; i < items.size(); ++i) {
      if (!Selectable(items[i]) || AcceleratorOf(items[i]->Caption()) != ch) continue;
      top->SetSelected(static_cast<int>(i));
      if (!items[i]->Items().empty()) {
        OpenSubmenu(static_cast<int>(levels_.size()) - 1);
        if (levels_.back().get() != top) MoveSelection(*levels_.back(), 1);
      } else if (items[i]->Enabled()) {
        Choose(items[i]);
      }
      return;
    }
  } else if (bar_) {
    int i = bar_->FindAccelerator(ch);
    if (i >= 0) {
      MenuItem* item = bar_->Items()[static_cast<std::size_t>(i)];
      if (item->Items().empty()) {
        if (item->Enabled()) Choose(item);
      } else {
        BarSelect(i, true);
      }
    }
  }
}

bool MenuTracker::OnEvent(const backend::Event& e) {
  switch (e.Type) {
    case backend::EventType::MouseMove:
    case backend::EventType::MouseDown:
    case backend::EventType::MouseUp: OnMouse(e); return true;
    case backend::EventType::MouseWheel: return true;
    case backend::EventType::KeyDown: OnKey(e.Key, e.Text); return true;
    case backend::EventType::KeyUp: return true;
    case backend::EventType::FocusOut: Cancel(); return false;
    default: return false;
  }
}

MenuItem* MenuTracker::Run() {
  auto& app = App();
  g_current = this;
  app.CancelMode();
  if (target_) target_->Perform(WM_ENTERMENULOOP, systemMenu_ ? 1 : 0);
  int filter = app.PushInputFilter([this](const backend::Event& e) { return OnEvent(e); });
  app.RunUntil([this] { return done_; });
  app.PopInputFilter(filter);
  StopHoverTimer();
  CloseFrom(0);
  if (bar_) {
    bar_->SetSelected(-1);
    bar_->SetHot(-1);
  }
  if (target_) target_->Perform(WM_EXITMENULOOP, systemMenu_ ? 1 : 0);
  g_current = nullptr;
  return chosen_;
}

MenuItem* MenuTracker::RunPopup(MenuItem* list, gfx::Point at, bool systemMenu, MenuAnimation animation) {
  if (g_current) return nullptr;
  systemMenu_ = systemMenu;
  animation_ = animation;
  mouseDownSeen_ = App().ButtonHeld(0) == false;
  Open(list, at, {}, false);
  if (levels_.empty()) return nullptr;
  return Run();
}

MenuItem* MenuTracker::RunBar(int index, bool keyboard, bool openPopup) {
  if (g_current || !bar_) return nullptr;
  keyboard_ = keyboard;
  mouseDownSeen_ = false;
  if (index < 0) index = bar_->Items().empty() ? -1 : 0;
  if (index < 0) return nullptr;
  BarSelect(index, openPopup);
  return Run();
}

// --- popup menus --------------------------------------------------------------------------

void PopupMenu::Popup(int x, int y) {
  OnPopup(this);
  Form* target = TargetForm() ? TargetForm() : App().ActiveForm();
  MenuItem* chosen = nullptr;
  {
    MenuTracker t(target, nullptr);
    chosen = t.RunPopup(Items(), {x, y}, IsSystemMenu(), GetMenuAnimation());
  }
  // The chosen item runs after the menu has closed.
  if (chosen) chosen->Click();
}

}  // namespace ui
