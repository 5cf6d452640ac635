// Popup-menu windows and the modal menu loop that tracks the menu bar and
// cascading popups by mouse and keyboard.
#pragma once

#include <memory>
#include <vector>

#include "platform/ui/Form.h"
#include "platform/ui/MenuColumns.h"
#include "platform/ui/MenuSlide.h"
#include "platform/ui/Menus.h"

namespace ui {

class MenuBarLayout;

// A popup menu as a real window: borderless, topmost, never activated, with
// a 3-pixel border in its non-client area. Skin code may hook its procedure
// chain like any other window's.
class PopupMenuWindow : public Form {
 public:
  PopupMenuWindow(MenuItem* list, Form* target, bool keyboard);
  ~PopupMenuWindow() override;
  std::string ClassName() const override { return "#32768"; }

  MenuItem* List() const { return list_; }
  const std::vector<MenuItem*>& Items() const { return items_; }
  int Selected() const { return selected_; }
  void SetSelected(int index);
  // Index of the item at a client point, or -1.
  int ItemAt(gfx::Point client) const;
  gfx::Rect ItemRect(int index) const;  // client coordinates
  gfx::Rect ItemScreenRect(int index) const;
  // The items' arrangement in columns (client coordinates).
  const MenuColumns& Columns() const { return columns_; }
  // Shows the window with its top-left near `at`, kept on the screen; `avoid`
  // is the rectangle it opens from (flipped to its other side when needed).
  void ShowAt(gfx::Point at, const gfx::Rect& avoid, bool submenu);
  bool Keyboard() const { return keyboard_; }
  void SetKeyboard(bool on) { keyboard_ = on; }
  // The visible popup window that shows this item list, or null.
  static PopupMenuWindow* Showing(const MenuItem* list);
  // How ShowAt brings the window in (see MenuSlide); at once by default.
  void SetAnimation(MenuAnimation a) { animation_ = a; }
  // True while the window is still sliding in.
  bool Sliding() const { return slide_ && slide_->Running(); }

 protected:
  void WndProc(Message& msg) override;
  void NcCalcSize(NcCalcSizeParams& p) override;
  void NcPaint(gfx::Canvas& c) override;
  void PaintWindow(gfx::Canvas& c) override;

 private:
  void Measure();
  void PaintItem(gfx::Canvas& c, int index);
  OwnerDrawState StateOf(int index) const;

  MenuItem* list_;
  Form* target_;
  bool keyboard_;
  std::vector<MenuItem*> items_;
  MenuColumns columns_;
  int glyphColumn_ = 0;
  std::vector<int> shortcutX_;
  int selected_ = -1;
  MenuAnimation animation_ = 0;
  std::unique_ptr<MenuSlide> slide_;
};

// The screen rectangle of an item as it shows now: in its open popup
// window or in its form's menu bar; empty when it is not shown.
gfx::Rect MenuItemScreenRect(const MenuItem* item);

class MenuTracker {
 public:
  // Hovering over an item opens its submenu, or closes the submenu of
  // another item, after this delay (application clock).
  static constexpr unsigned kSubmenuDelayMs = 400;

  // `target` gets the menu notifications; `bar` is the form's menu bar when
  // tracking starts there.
  MenuTracker(Form* target, MenuBarLayout* bar);
  ~MenuTracker();
  MenuTracker(const MenuTracker&) = delete;
  MenuTracker& operator=(const MenuTracker&) = delete;

  // Tracks a popup list until it closes; returns the chosen item (its click
  // is left to the caller, after the windows are gone).
  // `animation` applies to every popup window of this tracking.
  MenuItem* RunPopup(MenuItem* list, gfx::Point at, bool systemMenu, MenuAnimation animation = 0);
  MenuItem* RunBar(int index, bool keyboard, bool openPopup);
  // The tracker running now (menus do not nest), or null.
  static MenuTracker* Current();
  // True once the menu is used by keyboard (accelerators show from then on).
  bool ByKeyboard() const { return keyboard_; }

 private:
  bool OnEvent(const backend::Event& e);
  void OnMouse(const backend::Event& e);
  void OnKey(int key);
  void Open(MenuItem* list, gfx::Point at, const gfx::Rect& avoid, bool submenu);
  void OpenSubmenu(int level);
  void CloseFrom(int level);
  void BarSelect(int index, bool open);
  int LevelAt(gfx::Point screen) const;
  void Choose(MenuItem* item);
  void Cancel();
  // Up/down inside the selected item's column.
  void MoveSelection(PopupMenuWindow& w, int dir);
  // Left/right to the next column; false when there is none that way.
  bool MoveAcross(PopupMenuWindow& w, int dir);
  void BarStep(int dir);
  int LevelOf(const PopupMenuWindow& w) const;
  void HoverPopupItem(int level, int index);
  // The pending hover action: at `level`, open `open`'s submenu (null: only
  // close the submenu that is open there).
  void StartHoverTimer(int level, MenuItem* open);
  void StopHoverTimer();
  void HoverTimerFired();
  MenuItem* Run();

  Form* target_;
  MenuBarLayout* bar_;
  bool systemMenu_ = false;
  MenuAnimation animation_ = 0;
  bool keyboard_ = false;
  bool done_ = false;
  MenuItem* chosen_ = nullptr;
  std::vector<std::unique_ptr<PopupMenuWindow>> levels_;
  std::vector<MenuItem*> openedFrom_;  // the item each level was opened from
  bool mouseDownSeen_ = false;
  int hoverTimer_ = 0;
  int hoverLevel_ = -1;
  MenuItem* hoverItem_ = nullptr;
};

}  // namespace ui
