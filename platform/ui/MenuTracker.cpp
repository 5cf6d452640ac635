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
  DestroyWnd();
}

void PopupMenuWindow::Measure() {
  items_ = list_->VisibleItems();
  gfx::Bitmap scratch(1, 1, gfx::PixelFormat::Bgr24);
  gfx::Canvas c(scratch);
  rects_.clear();
  int y = 0, w = 0, sc = 0;
  for (MenuItem* it : items_) {
    gfx::Size s = menupaint::MeasurePopupItem(c, it, target_);
    rects_.push_back({0, y, 0, y + s.Height});
    y += s.Height;
    w = std::max(w, s.Width);
    if (it->GetShortCut() != scNone && !it->IsOwnerDrawn()) {
      c.SetFont(menupaint::MenuFontFor(it));
      gfx::Rect r{0, 0, 0, 0};
      c.DrawText(it->Caption(), r, gfx::DT_CALCRECT | gfx::DT_SINGLELINE);
      sc = std::max(sc, r.Width() + 19 + 16);
    }
  }
  for (auto& r : rects_) r.Right = w;
  shortcutColumn_ = sc;
  SetBounds(Left(), Top(), w + 2 * kPopupBorder, y + 2 * kPopupBorder);
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
  for (std::size_t i = 0; i < items_.size(); ++i)
    menupaint::DrawPopupItem(c, items_[i], rects_[i], StateOf(static_cast<int>(i)), shortcutColumn_);
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
    if (i >= 0 && i < static_cast<int>(rects_.size()))
      InvalidateRect(&rects_[static_cast<std::size_t>(i)], false);
  UpdateWindow();
}

int PopupMenuWindow::ItemAt(gfx::Point p) const {
  for (std::size_t i = 0; i < rects_.size(); ++i)
    if (rects_[i].Contains(p)) return static_cast<int>(i);
  return -1;
}

gfx::Rect PopupMenuWindow::ItemRect(int i) const {
  if (i < 0 || i >= static_cast<int>(rects_.size())) return {};
  return rects_[static_cast<std::size_t>(i)];
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
  ShowNoActivate();
  RedrawWindow(nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
}

// --- the tracker -----------------------------------------------------------------------

MenuTracker::MenuTracker(Form* target, MenuBarLayout* bar) : target_(target), bar_(bar) {}

MenuTracker::~MenuTracker() {
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
  int n = static_cast<int>(items.size());
  if (n == 0) return;
  int i = w.Selected();
  for (int k = 0; k < n; ++k) {
    i = i < 0 ? (dir > 0 ? 0 : n - 1) : (i + dir + n) % n;
    if (Selectable(items[static_cast<std::size_t>(i)])) {
      w.SetSelected(i);
      return;
    }
  }
}

void MenuTracker::OnMouse(const backend::Event& e) {
  int level = LevelAt(e.Screen);
  int barIndex = -1;
  if (bar_ && target_) {
    gfx::Rect mb = target_->MenuBarRect().Offset(target_->Left(), target_->Top());
    if (mb.Contains(e.Screen)) barIndex = bar_->ItemAt({e.Screen.X - mb.Left, e.Screen.Y - mb.Top});
  }
  switch (e.Type) {
    case backend::EventType::MouseMove:
      if (level >= 0) {
        keyboard_ = false;
        PopupMenuWindow& w = *levels_[static_cast<std::size_t>(level)];
        int i = w.ItemAt(w.ScreenToClient(e.Screen));
        if (i >= 0 && !Selectable(w.Items()[static_cast<std::size_t>(i)])) i = -1;
        if (i >= 0) {
          w.SetSelected(i);
          MenuItem* item = w.Items()[static_cast<std::size_t>(i)];
          if (static_cast<int>(levels_.size()) > level + 1 &&
              levels_[static_cast<std::size_t>(level) + 1]->List() != item)
            CloseFrom(level + 1);
          OpenSubmenu(level);
        }
      } else if (barIndex >= 0 && barIndex != bar_->Selected()) {
        BarSelect(barIndex, !levels_.empty() || bar_->Selected() >= 0);
      }
      break;
    case backend::EventType::MouseDown:
      mouseDownSeen_ = true;
      if (level >= 0) break;
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
        int i = w.ItemAt(w.ScreenToClient(e.Screen));
        if (i < 0) break;
        MenuItem* item = w.Items()[static_cast<std::size_t>(i)];
        if (Selectable(item) && item->Enabled() && item->Items().empty()) Choose(item);
      } else if (barIndex >= 0) {
        // The release of the press that opened the bar menu.
        MenuItem* item = bar_->Items()[static_cast<std::size_t>(barIndex)];
        if (item->Items().empty() && item->Enabled() && mouseDownSeen_) Choose(item);
        if (item->Items().empty() && item->Enabled() && !mouseDownSeen_) Choose(item);
      } else if (mouseDownSeen_) {
        Cancel();
      }
      break;
    default: break;
  }
}

void MenuTracker::OnKey(int key) {
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
      [[fallthrough]];
    case VK_LEFT:
      if (key == VK_LEFT && levels_.size() > 1) {
        CloseFrom(static_cast<int>(levels_.size()) - 1);
        return;
      }
      if (bar_ && !bar_->Items().empty()) {
        int n = static_cast<int>(bar_->Items().size());
        int i = bar_->Selected() < 0 ? 0 : (bar_->Selected() + (key == VK_RIGHT ? 1 : -1) + n) % n;
        BarSelect(i, !levels_.empty());
      }
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
  CloseFrom(0);
  if (bar_) {
    bar_->SetSelected(-1);
    bar_->SetHot(-1);
  }
  if (target_) target_->Perform(WM_EXITMENULOOP, systemMenu_ ? 1 : 0);
  g_current = nullptr;
  return chosen_;
}

MenuItem* MenuTracker::RunPopup(MenuItem* list, gfx::Point at, bool systemMenu) {
  if (g_current) return nullptr;
  systemMenu_ = systemMenu;
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
    chosen = t.RunPopup(Items(), {x, y}, IsSystemMenu());
  }
  // The chosen item runs after the menu has closed.
  if (chosen) chosen->Click();
}

}  // namespace ui
