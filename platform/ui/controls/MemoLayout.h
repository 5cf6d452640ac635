// The visual rows of a memo's text. Without word wrap every line is one row;
// with it a line breaks at word boundaries so that each row fits the wrap
// width: a row ends after the spaces that follow its last word (spaces may
// hang past the width), and a word longer than the width breaks at the
// character that no longer fits (a row always keeps at least one character).
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/controls/TextPos.h"

namespace ui {

// Bytes [Start, End) of line `Line`.
struct MemoRow {
  int Line = 0;
  int Start = 0;
  int End = 0;
  friend bool operator==(const MemoRow&, const MemoRow&) = default;
};

class MemoLayout {
 public:
  // The width in pixels of one character (its lead byte and continuation bytes).
  using Measure = std::function<int(std::string_view)>;

  MemoLayout() : rows_{MemoRow{}}, firstRow_{0} {}

  // Lays out `lines`; `wrapWidth` <= 0 turns wrapping off.
  void Build(const std::vector<std::string>& lines, int wrapWidth, const Measure& measure);
  int RowCount() const { return static_cast<int>(rows_.size()); }
  const MemoRow& Row(int i) const { return rows_.at(static_cast<std::size_t>(i)); }
  int FirstRowOf(int line) const { return firstRow_.at(static_cast<std::size_t>(line)); }
  // True when row `i` is the last row of its line.
  bool EndsLine(int i) const { return i + 1 >= RowCount() || Row(i + 1).Line != Row(i).Line; }
  // The row showing a position. A position where a line wraps is both the
  // end of one row and the start of the next: `atRowEnd` picks the first.
  int RowOf(TextPos p, bool atRowEnd = false) const;

  // The start offsets of the rows of one line (the first is 0).
  static std::vector<int> WrapLine(std::string_view line, int width, const Measure& measure);

 private:
  std::vector<MemoRow> rows_;
  std::vector<int> firstRow_;  // per line
};

// The byte length of the character starting at `at` (at least 1).
int CharLength(std::string_view s, std::size_t at);

}  // namespace ui
