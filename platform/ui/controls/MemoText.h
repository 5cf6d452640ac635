// The text of a memo as lines of UTF-8, with a caret and a selection anchor.
// Columns are byte offsets that always sit on character boundaries.
#pragma once

#include <string>
#include <vector>

namespace ui {

struct TextPos {
  int Line = 0;
  int Col = 0;
  friend bool operator==(const TextPos&, const TextPos&) = default;
  friend bool operator<(const TextPos& a, const TextPos& b) {
    return a.Line < b.Line || (a.Line == b.Line && a.Col < b.Col);
  }
};

class MemoText {
 public:
  MemoText() : lines_(1) {}

  const std::vector<std::string>& Lines() const { return lines_; }
  int LineCount() const { return static_cast<int>(lines_.size()); }
  const std::string& Line(int i) const { return lines_.at(static_cast<std::size_t>(i)); }
  // Splits at CR LF, lone CR and lone LF; the caret goes to the start.
  void SetText(const std::string& text);
  // Lines joined with "\n".
  std::string Text() const;
  void SetLines(std::vector<std::string> lines);

  TextPos Caret() const { return caret_; }
  TextPos Anchor() const { return anchor_; }
  // Moves the caret (clamped to the text); `extend` keeps the anchor.
  void SetCaret(TextPos p, bool extend);
  void SelectAll();
  bool HasSelection() const { return !(caret_ == anchor_); }
  TextPos SelStart() const { return caret_ < anchor_ ? caret_ : anchor_; }
  TextPos SelEnd() const { return caret_ < anchor_ ? anchor_ : caret_; }
  std::string SelectedText() const;

  // Caret movement helpers (clamped results).
  TextPos Clamp(TextPos p) const;
  TextPos NextChar(TextPos p) const;
  TextPos PrevChar(TextPos p) const;

  // Editing at the caret (replaces the selection).
  void Insert(const std::string& utf8);
  void DeleteSelection();
  void Backspace();
  void DeleteForward();

 private:
  std::vector<std::string> lines_;
  TextPos caret_;
  TextPos anchor_;
};

}  // namespace ui
