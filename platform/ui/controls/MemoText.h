// The text of a memo as lines of UTF-8, with a caret, a selection anchor and
// an undo history. The text is always valid UTF-8; columns are byte offsets
// that always sit on character boundaries.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/controls/MemoUndo.h"
#include "platform/ui/controls/TextPos.h"

namespace ui {

class MemoText {
 public:
  MemoText() : lines_(1) {}

  const std::vector<std::string>& Lines() const { return lines_; }
  int LineCount() const { return static_cast<int>(lines_.size()); }
  const std::string& Line(int i) const { return lines_.at(static_cast<std::size_t>(i)); }
  // Splits at CR LF, lone CR and lone LF; the caret goes to the start and
  // the undo history is cleared.
  void SetText(std::string_view text);
  // Lines joined with "\n".
  std::string Text() const;
  void SetLines(std::vector<std::string> lines);
  // The end of the text.
  TextPos End() const { return {LineCount() - 1, static_cast<int>(lines_.back().size())}; }

  TextPos Caret() const { return caret_; }
  TextPos Anchor() const { return anchor_; }
  // Moves the caret (clamped to the text); `extend` keeps the anchor.
  void SetCaret(TextPos p, bool extend);
  void SelectAll();
  bool HasSelection() const { return !(caret_ == anchor_); }
  TextPos SelStart() const { return caret_ < anchor_ ? caret_ : anchor_; }
  TextPos SelEnd() const { return caret_ < anchor_ ? anchor_ : caret_; }
  std::string SelectedText() const;
  // The text between two positions (lines joined with "\n").
  std::string TextBetween(TextPos from, TextPos to) const;

  // A position as a byte offset into Text(), and back (clamped to the text,
  // on a character boundary).
  std::int64_t OffsetOf(TextPos p) const;
  TextPos PosAtOffset(std::int64_t offset) const;

  // Caret movement helpers (clamped results).
  TextPos Clamp(TextPos p) const;
  TextPos NextChar(TextPos p) const;
  TextPos PrevChar(TextPos p) const;

  // Editing at the caret; each replaces the selection and is one undo step
  // (or joins the step before, by `kind`). False when nothing changed.
  bool Insert(std::string_view utf8, EditKind kind = EditKind::Other);
  bool DeleteSelection();
  bool Backspace();
  bool DeleteForward();

  bool CanUndo() const { return undo_.CanUndo(); }
  bool CanRedo() const { return undo_.CanRedo(); }
  // Take back (or redo) the last step; the selection returns to where it
  // was before (or the caret goes after the redone text).
  bool Undo();
  bool Redo();
  const MemoUndo& History() const { return undo_; }

 private:
  // Replaces [from, to) with `text` ("\n" breaks lines); returns the end of
  // the new text. No history.
  TextPos Replace(TextPos from, TextPos to, std::string_view text);
  // Replaces [from, to) with `text` and records the step.
  bool Edit(TextPos from, TextPos to, std::string_view text, EditKind kind);

  std::vector<std::string> lines_;
  TextPos caret_;
  TextPos anchor_;
  MemoUndo undo_;
};

// `text` as valid UTF-8 (malformed sequences become U+FFFD) with CR LF and
// lone CR turned into "\n".
std::string NormalizeText(std::string_view text);

}  // namespace ui
