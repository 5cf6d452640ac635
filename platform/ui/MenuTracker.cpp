#include "platform/ui/MenuTracker.h"

#include <algorithm>

#include "platform/ui/Application.h"
#include "platform/ui/ClassicLook.h"
#include "platform/ui/MenuBar.h"
#include "platform/ui/MenuPainter.h"
#include "platform/ui/Screen.h"
#include "platform/ui/TopLevelWindow.h"

namespace ui {

namespace {
MenuTracker* g_current = nullptr;

bool Selectable(const MenuItem* i) { return i->Visible() && !i->IsLine() && !IsTitleCaption(i->Caption()); }
}  // namespace

// --- the popup window ---------------------------------------------------------------

PopupMenuWindow::PopupMenuWindow(MenuItem* list, Form* target, bool keyboard)
    : Form(nullptr), list_(list), target_(target), keyboard_(keyboard) {
  SetMenuWindow(true);
  SetBorderStyle(BorderStyle::bsNone);
  SetTag(-98);
  SetExStyle(ExStyle() | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_TOPMOST);
  SetColor(gfx::clMenu);
  Measure();
}

PopupMenuWindow::~PopupMenuWindow() {
  BeginDestruction();
  slide_.reset();
  DestroyWnd();
}

void PopupMenuWindow::Measure() {
  items_ = list_->VisibleItems();
  gfx::Bitmap scratch(1, 1, gfx::PixelFormat::Bgr24);
  gfx::Canvas c(scratch);
  glyphColumn_ = menupaint::GlyphColumnWidth(menupaint::WidestImage(items_));
  std::vector<gfx::Size> sizes;
  std::vector<MenuBreak> breaks;
  for (MenuItem* it : items_) {
    sizes.push_back(menupaint::MeasurePopupItem(c, it, target_, glyphColumn_));
    breaks.push_back(it->Break());
  }
  columns_.Layout(sizes, breaks);
  // Shortcut texts line up in each column after its longest caption.
  shortcutX_.assign(items_.size(), 0);
  std::vector<int> perColumn(static_cast<std::size_t>(columns_.Columns()), 0);
  for (std::size_t i = 0; i < items_.size(); ++i)
    if (items_[i]->GetShortCut() != scNone && !items_[i]->IsOwnerDrawn()) {
      int& x = perColumn[static_cast<std::size_t>(columns_.ColumnOf(static_cast<int>(i)))];
      x = std::max(x, menupaint::CaptionExtent(c, items_[i], glyphColumn_));
    }
  for (std::size_t i = 0; i < items_.size(); ++i)
    shortcutX_[i] = perColumn[static_cast<std::size_t>(columns_.ColumnOf(static_cast<int>(i)))];
  gfx::Size e = columns_.Extent();
  SetBounds(Left(), Top(), e.Width + 2 * kPopupBorder, e.Height + 2 * kPopupBorder);
}

void PopupMenuWindow::NcCalcSize(NcCalcSizeParams& p) {
  p.Rect[0] = p.Rect[0].Inflate(-kPopupBorder, -kPopupBorder);
}

void PopupMenuWindow::NcPaint(gfx::Canvas& c) {
  gfx::Rect r{0, 0, Width(), Height()};
  classic::DrawEdge(c, r, classic::EDGE_RAISED);
  c.FrameRect(r.Inflate(-2, -2), gfx::ColorToRGB(gfx::clMenu));
}

OwnerDrawState PopupMenuWindow::StateOf(int i) const {
  MenuItem* it = items_[static_cast<std::size_t>(i)];
  OwnerDrawState s = 0;
  if (i == selected_) s |= odSelected;
  if (!it->Enabled()) s |= odGrayed | odDisabled;
  if (it->Checked()) s |= odChecked;
  if (it->Default()) s |= odDefault;
  if (!keyboard_) s |= odNoAccel;
  return s;
}

void PopupMenuWindow::PaintWindow(gfx::Canvas& c) {
  for (std::size_t i = 0; i < items_.size(); ++i) PaintItem(c, static_cast<int>(i));
  for (const gfx::Rect& line : columns_.BarLines()) menupaint::DrawColumnLine(c, line);
}

void PopupMenuWindow::PaintItem(gfx::Canvas& c, int i) {
  menupaint::PopupItemLayout layout{glyphColumn_, shortcutX_[static_cast<std::size_t>(i)]};
  menupaint::DrawPopupItem(c, items_[static_cast<std::size_t>(i)], ItemRect(i), StateOf(i), layout);
}

void PopupMenuWindow::WndProc(Message& msg) {
  if (msg.msg == WM_ERASEBKGND && msg.wParam) {
    reinterpret_cast<gfx::Canvas*>(msg.wParam)->FillRect(ClientRect(), gfx::ColorToRGB(gfx::clMenu));
    msg.result = 1;
    return;
  }
  if (msg.msg == WM_MOUSEACTIVATE) {
    msg.result = MA_NOACTIVATE;
    return;
  }
  Form::WndProc(msg);
}

void PopupMenuWindow::SetSelected(int index) {
  if (index == selected_) return;
  int old = selected_;
  selected_ = index;
  for (int i : {old, index})
    if (i >= 0 && i < columns_.Count()) {
      gfx::Rect r = ItemRect(i);
      InvalidateRect(&r, false);
    }
  UpdateWindow();
}

int PopupMenuWindow::ItemAt(gfx::Point p) const { return columns_.ItemAt(p); }

gfx::Rect PopupMenuWindow::ItemRect(int i) const {
  if (i < 0 || i >= columns_.Count()) return {};
  return columns_.Rects()[static_cast<std::size_t>(i)];
}

gfx::Rect PopupMenuWindow::ItemScreenRect(int i) const {
  gfx::Point o = ClientOrigin();
  return ItemRect(i).Offset(o.X, o.Y);
}

void PopupMenuWindow::ShowAt(gfx::Point at, const gfx::Rect& avoid, bool submenu) {
  gfx::Rect scr = App().Screen().DesktopRect();
  int x = at.X, y = at.Y;
  if (x + Width() > scr.Right) x = submenu ? avoid.Left - Width() + kPopupBorder : scr.Right - Width();
  if (y + Height() > scr.Bottom)
    y = submenu ? scr.Bottom - Height() : (avoid.IsEmpty() ? y - Height() : avoid.Top - Height());
  x = std::max(scr.Left, x);
  y = std::max(scr.Top, y);
  SetBounds(x, y, Width(), Height());
  slide_ = std::make_unique<MenuSlide>(*this, animation_);
  ShowNoActivate();
  RedrawWindow(nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
}

PopupMenuWindow* PopupMenuWindow::Showing(const MenuItem* list) {
  for (WinControl* w : App().TopLevels())
    if (auto* p = dynamic_cast<PopupMenuWindow*>(w); p && p->Visible() && p->List() == list) return p;
  return nullptr;
}

gfx::Rect MenuItemScreenRect(const MenuItem* item) {
  if (!item || !item->Parent()) return {};
  if (PopupMenuWindow* w = PopupMenuWindow::Showing(item->Parent())) {
    const auto& items = w->Items();
    auto it = std::find(items.begin(), items.end(), item);
    if (it != items.end()) return w->ItemScreenRect(static_cast<int>(it - items.begin()));
  }
  Menu* m = item->GetParentMenu();
  if (m && m->WindowForm() && item->Parent() == m->Items())
    return m->WindowForm()->MenuBar().ItemScreenRect(item);
  return {};
}

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

void MenuTracker::OnKey(int key) {
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
  // Accelerators.
  char32_t ch = (key >= 'A' && key <= 'Z')   ? static_cast<char32_t>(key - 'A' + 'a')
                : (key >= '0' && key <= '9') ? static_cast<char32_t>(key)
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
    case backend::EventType::KeyDown: OnKey(e.Key); return true;
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
