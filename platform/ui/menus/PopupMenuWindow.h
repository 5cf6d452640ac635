// Popup-menu windows: one popup list of items in columns, measured and
// painted in the plain look or by the items' owner drawing.
#pragma once

#include <memory>
#include <vector>

#include "platform/ui/forms/Form.h"
#include "platform/ui/menus/MenuColumns.h"
#include "platform/ui/menus/MenuSlide.h"
#include "platform/ui/menus/Menus.h"

namespace ui {

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

}  // namespace ui
