// The modal menu loop that tracks the menu bar and cascading popups by
// mouse and keyboard.
#pragma once

#include <memory>
#include <vector>

#include "platform/ui/forms/Form.h"
#include "platform/ui/menus/Menus.h"
#include "platform/ui/menus/PopupMenuWindow.h"

namespace ui {

class MenuBarLayout;

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
  // `text` is what the key types (UTF-8), used to match accelerators.
  void OnKey(int key, const std::string& text = {});
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
