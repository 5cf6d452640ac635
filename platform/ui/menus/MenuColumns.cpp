#include "platform/ui/menus/MenuColumns.h"

#include <algorithm>
#include <cstdlib>

namespace ui {

void MenuColumns::Layout(const std::vector<gfx::Size>& sizes, const std::vector<MenuBreak>& breaks) {
  rects_.clear();
  column_.clear();
  firstOfColumn_.clear();
  barLines_.clear();
  std::vector<bool> barBefore;  // per column: a bar break starts it
  int n = static_cast<int>(sizes.size());
  int x = 0, y = 0, colWidth = 0, height = 0;
  auto closeColumn = [&](int end) {
    int first = firstOfColumn_.back();
    for (int i = first; i < end; ++i) rects_[static_cast<std::size_t>(i)].Right = x + colWidth;
  };
  for (int i = 0; i < n; ++i) {
    MenuBreak b =
        i < static_cast<int>(breaks.size()) ? breaks[static_cast<std::size_t>(i)] : MenuBreak::mbNone;
    if (i == 0 || b != MenuBreak::mbNone) {
      if (i > 0) {
        closeColumn(i);
        x += colWidth + kGap;
      }
      firstOfColumn_.push_back(i);
      barBefore.push_back(i > 0 && b == MenuBreak::mbBarBreak);
      y = 0;
      colWidth = 0;
    }
    const gfx::Size& s = sizes[static_cast<std::size_t>(i)];
    rects_.push_back({x, y, x, y + s.Height});
    column_.push_back(Columns() - 1);
    y += s.Height;
    height = std::max(height, y);
    colWidth = std::max(colWidth, s.Width);
  }
  if (n > 0) closeColumn(n);
  extent_ = {n > 0 ? x + colWidth : 0, height};
  for (int c = 1; c < Columns(); ++c) {
    if (!barBefore[static_cast<std::size_t>(c)]) continue;
    int left = rects_[static_cast<std::size_t>(firstOfColumn_[static_cast<std::size_t>(c)])].Left;
    int lx = left - kGap / 2 - 1;
    barLines_.push_back({lx, 0, lx + 2, height});
  }
}

int MenuColumns::ItemAt(gfx::Point p) const {
  for (std::size_t i = 0; i < rects_.size(); ++i)
    if (rects_[i].Contains(p)) return static_cast<int>(i);
  return -1;
}

int MenuColumns::StepInColumn(int from, int dir, const Selectable& ok) const {
  if (rects_.empty()) return -1;
  int col = from < 0 ? 0 : ColumnOf(from);
  int first = firstOfColumn_[static_cast<std::size_t>(col)];
  int end = col + 1 < Columns() ? firstOfColumn_[static_cast<std::size_t>(col) + 1] : Count();
  int len = end - first;
  int i = from < 0 ? (dir > 0 ? first - 1 : end) : from;
  for (int k = 0; k < len; ++k) {
    i = first + ((i - first + dir) % len + len) % len;
    if (ok(i)) return i;
  }
  return -1;
}

int MenuColumns::Beside(int from, int dir, const Selectable& ok) const {
  if (from < 0 || from >= Count()) return -1;
  int col = ColumnOf(from) + dir;
  if (col < 0 || col >= Columns()) return -1;
  const gfx::Rect& r = rects_[static_cast<std::size_t>(from)];
  int mid = r.Top + r.Height() / 2;
  int best = -1, bestDist = 0;
  for (int i = 0; i < Count(); ++i) {
    if (ColumnOf(i) != col || !ok(i)) continue;
    const gfx::Rect& q = rects_[static_cast<std::size_t>(i)];
    int dist = std::abs(q.Top + q.Height() / 2 - mid);
    if (best < 0 || dist < bestDist) {
      best = i;
      bestDist = dist;
    }
  }
  return best;
}

}  // namespace ui
