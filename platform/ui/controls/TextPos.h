// A position in a memo's text: a line and a byte offset into it.
#pragma once

namespace ui {

struct TextPos {
  int Line = 0;
  int Col = 0;
  friend bool operator==(const TextPos&, const TextPos&) = default;
  friend bool operator<(const TextPos& a, const TextPos& b) {
    return a.Line < b.Line || (a.Line == b.Line && a.Col < b.Col);
  }
};

}  // namespace ui
