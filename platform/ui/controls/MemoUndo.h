// The undo and redo history of a memo's text. Each step is one replacement:
// at a position, the text that was there gave way to other text. Typing and
// runs of Backspace or Delete join the step before them until the group is
// broken (by a caret move or any other kind of edit).
#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/controls/TextPos.h"

namespace ui {

// How an edit joins the history.
enum class EditKind { Other, Typing, DeleteBack, DeleteForward };

struct MemoEdit {
  TextPos At;            // where the change starts
  std::string Removed;   // the text that was there (lines joined with "\n")
  std::string Inserted;  // the text put in its place
  TextPos CaretBefore;   // the selection before the change
  TextPos AnchorBefore;
  EditKind Kind = EditKind::Other;
};

// The position after `text` when it starts at `at` ("\n" breaks lines).
TextPos EndOfText(TextPos at, std::string_view text);

class MemoUndo {
 public:
  static constexpr std::size_t kMaxSteps = 1000;

  // Adds an edit (joined to the last step when it continues it) and drops
  // the redo steps.
  void Record(MemoEdit edit);
  // Stops the next edit from joining the last step.
  void BreakGroup() { open_ = false; }
  void Clear();

  bool CanUndo() const { return !undo_.empty(); }
  bool CanRedo() const { return !redo_.empty(); }
  // Moves the last step to the redo list and returns it (CanUndo first).
  const MemoEdit& TakeUndo();
  // Moves the last undone step back and returns it (CanRedo first).
  const MemoEdit& TakeRedo();
  std::size_t UndoCount() const { return undo_.size(); }

 private:
  bool Join(const MemoEdit& e);

  std::deque<MemoEdit> undo_;
  std::vector<MemoEdit> redo_;
  bool open_ = false;
};

}  // namespace ui
