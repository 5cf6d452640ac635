#include "platform/ui/controls/MemoLayout.h"

#include <algorithm>

namespace ui {

int CharLength(std::string_view s, std::size_t at) {
  std::size_t e = at + 1;
  while (e < s.size() && (static_cast<unsigned char>(s[e]) & 0xC0) == 0x80) ++e;
  return static_cast<int>(e - at);
}

std::vector<int> MemoLayout::WrapLine(std::string_view line, int width, const Measure& measure) {
  std::vector<int> starts{0};
  std::size_t start = 0;
  std::size_t brk = 0;  // after the last space of the row; == start when none
  int w = 0;            // width of [start, p)
  int wAtBrk = 0;       // width of [start, brk)
  for (std::size_t p = 0; p < line.size();) {
    std::size_t n = static_cast<std::size_t>(CharLength(line, p));
    int a = measure(line.substr(p, n));
    bool space = line[p] == ' ' || line[p] == '\t';
    // Zero-width characters stay with the character before them.
    if (!space && a > 0 && p > start && w + a > width) {
      if (brk > start) {
        // Wrap after the spaces; the word so far moves to the new row.
        w -= wAtBrk;
        start = brk;
      } else {
        start = p;
        w = 0;
      }
      starts.push_back(static_cast<int>(start));
      brk = start;
      wAtBrk = 0;
      continue;  // the same character again: the moved word may be too long itself
    }
    w += a;
    p += n;
    if (space) {
      brk = p;
      wAtBrk = w;
    }
  }
  return starts;
}

void MemoLayout::Build(const std::vector<std::string>& lines, int wrapWidth, const Measure& measure) {
  rows_.clear();
  firstRow_.clear();
  rows_.reserve(lines.size());
  firstRow_.reserve(lines.size());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const int line = static_cast<int>(i);
    const int len = static_cast<int>(lines[i].size());
    firstRow_.push_back(RowCount());
    if (wrapWidth <= 0 || len == 0) {
      rows_.push_back({line, 0, len});
      continue;
    }
    std::vector<int> starts = WrapLine(lines[i], wrapWidth, measure);
    for (std::size_t r = 0; r < starts.size(); ++r)
      rows_.push_back({line, starts[r], r + 1 < starts.size() ? starts[r + 1] : len});
  }
  if (rows_.empty()) {
    rows_.push_back({});
    firstRow_.push_back(0);
  }
}

int MemoLayout::RowOf(TextPos p, bool atRowEnd) const {
  int line = std::clamp(p.Line, 0, static_cast<int>(firstRow_.size()) - 1);
  int first = FirstRowOf(line);
  int r = first;
  while (!EndsLine(r) && Row(r + 1).Start <= p.Col) ++r;
  if (atRowEnd && r > first && p.Col == Row(r).Start) --r;
  return r;
}

}  // namespace ui
