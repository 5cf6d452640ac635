#include "platform/ui/controls/MemoUndo.h"

namespace ui {

TextPos EndOfText(TextPos at, std::string_view text) {
  std::size_t nl = text.rfind('\n');
  if (nl == std::string_view::npos) return {at.Line, at.Col + static_cast<int>(text.size())};
  int breaks = 0;
  for (char c : text) breaks += c == '\n';
  return {at.Line + breaks, static_cast<int>(text.size() - nl - 1)};
}

bool MemoUndo::Join(const MemoEdit& e) {
  if (!open_ || undo_.empty()) return false;
  MemoEdit& last = undo_.back();
  if (last.Kind != e.Kind) return false;
  switch (e.Kind) {
    case EditKind::Typing:
      if (!e.Removed.empty() || e.At != EndOfText(last.At, last.Inserted)) return false;
      last.Inserted += e.Inserted;
      return true;
    case EditKind::DeleteBack:
      if (!e.Inserted.empty() || !last.Inserted.empty() || EndOfText(e.At, e.Removed) != last.At)
        return false;
      last.Removed = e.Removed + last.Removed;
      last.At = e.At;
      return true;
    case EditKind::DeleteForward:
      if (!e.Inserted.empty() || !last.Inserted.empty() || e.At != last.At) return false;
      last.Removed += e.Removed;
      return true;
    case EditKind::Other: return false;
  }
  return false;
}

void MemoUndo::Record(MemoEdit edit) {
  redo_.clear();
  if (!Join(edit)) {
    undo_.push_back(std::move(edit));
    if (undo_.size() > kMaxSteps) undo_.pop_front();
  }
  open_ = undo_.back().Kind != EditKind::Other;
}

void MemoUndo::Clear() {
  undo_.clear();
  redo_.clear();
  open_ = false;
}

const MemoEdit& MemoUndo::TakeUndo() {
  redo_.push_back(std::move(undo_.back()));
  undo_.pop_back();
  open_ = false;
  return redo_.back();
}

const MemoEdit& MemoUndo::TakeRedo() {
  undo_.push_back(std::move(redo_.back()));
  redo_.pop_back();
  open_ = false;
  return undo_.back();
}

}  // namespace ui
