// Placement of a popup's items in columns: an item with a break starts a
// new column to the right of the previous one; a bar break leaves a
// vertical line in the gap. Also the keyboard steps that follow the
// columns (up/down inside a column, left/right across columns).
#pragma once

#include <functional>
#include <vector>

#include "platform/gfx/Geometry.h"
#include "platform/ui/menus/Menus.h"

namespace ui {

class MenuColumns {
 public:
  // Gap between two columns (a bar-break line runs down its middle).
  static constexpr int kGap = 4;

  // Lays out items of the given sizes; every item of a column takes the
  // width of the column's widest item.
  void Layout(const std::vector<gfx::Size>& sizes, const std::vector<MenuBreak>& breaks);

  const std::vector<gfx::Rect>& Rects() const { return rects_; }
  int Count() const { return static_cast<int>(rects_.size()); }
  int Columns() const { return static_cast<int>(firstOfColumn_.size()); }
  int ColumnOf(int index) const { return column_.at(static_cast<std::size_t>(index)); }
  // Size of the whole arrangement (the tallest column).
  gfx::Size Extent() const { return extent_; }
  // Horizontal extent of the column line of every bar break (2 pixels wide,
  // the height of Extent()).
  const std::vector<gfx::Rect>& BarLines() const { return barLines_; }
  // Index of the item at a point, or -1.
  int ItemAt(gfx::Point p) const;

  using Selectable = std::function<bool(int)>;
  // The next item that `ok` accepts in the same column, going down (dir 1)
  // or up (-1) and wrapping at the column's ends. From -1 it starts at the
  // top (down) or bottom (up) of the first column. -1 when there is none.
  int StepInColumn(int from, int dir, const Selectable& ok) const;
  // The accepted item of the next column to the left (-1) or right (1)
  // whose middle is nearest to the middle of `from`; -1 without such a
  // column or item.
  int Beside(int from, int dir, const Selectable& ok) const;

 private:
  std::vector<gfx::Rect> rects_;
  std::vector<int> column_;
  std::vector<int> firstOfColumn_;
  std::vector<gfx::Rect> barLines_;
  gfx::Size extent_;
};

}  // namespace ui
