// The menu bar of a form: rows of top-level items in the non-client area,
// item rectangles, hot and selected states, owner drawing through the
// items' measure and advanced-draw events, and keyboard/mouse tracking.
#pragma once

#include <vector>

#include "platform/gfx/Canvas.h"
#include "platform/gfx/Geometry.h"

namespace ui {

class Form;
class MenuItem;

class MenuBarLayout {
 public:
  explicit MenuBarLayout(Form& form) : form_(form) {}

  // Lays the items out for a bar of this width; returns the number of rows
  // (0 without a menu or without visible items).
  int Layout(int width);
  int Rows() const { return rows_; }
  int Height() const;
  // Item rectangles relative to the bar's top-left.
  const std::vector<gfx::Rect>& ItemRects() const { return rects_; }
  const std::vector<MenuItem*>& Items() const { return items_; }
  // The item's rectangle in screen coordinates (empty when not on the bar).
  gfx::Rect ItemScreenRect(const MenuItem* item) const;
  // Index of the item at a point relative to the bar, or -1.
  int ItemAt(gfx::Point barPoint) const;

  int Hot() const { return hot_; }
  int Selected() const { return selected_; }
  // Changes the hot (hover) / selected item and repaints what changed.
  void SetHot(int index);
  void SetSelected(int index);

  // Paints the bar into `canvas` (window coordinates, bar at `bar`).
  void Paint(gfx::Canvas& canvas, const gfx::Rect& bar);
  // Paints one item (owner-drawn items through their events).
  void PaintItem(gfx::Canvas& canvas, const gfx::Rect& bar, int index);

  // Tracks the bar modally from a press on item `index` (mouse) or from the
  // keyboard (index may be -1 to start on the first item, `openPopup` false
  // to only highlight). The chosen item's OnClick runs after it closes.
  void Track(int index, bool byKeyboard, bool openPopup);
  // Finds the item whose caption has `ch` as its & accelerator; -1 if none.
  int FindAccelerator(char32_t ch) const;

 private:
  void AlignRight(std::size_t rowStart, int rowRight);

  Form& form_;
  std::vector<MenuItem*> items_;
  std::vector<gfx::Rect> rects_;
  int rows_ = 0;
  int width_ = 0;
  int hot_ = -1;
  int selected_ = -1;
};

}  // namespace ui
