#include "platform/ui/controls/MemoText.h"

#include <algorithm>

#include "platform/gfx/Utf8.h"

namespace ui {

namespace {
bool IsContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }
}  // namespace

std::string NormalizeText(std::string_view raw) {
  // Malformed sequences become U+FFFD, as text output shows them, so that
  // every column found by skipping continuation bytes is a real boundary.
  const std::string text = gfx::EncodeUtf8(gfx::DecodeUtf8(raw));
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\r') {
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
      c = '\n';
    }
    out += c;
  }
  return out;
}

void MemoText::SetText(std::string_view text) { SetLines({std::string(text)}); }

void MemoText::SetLines(std::vector<std::string> lines) {
  if (lines.empty()) lines.emplace_back();
  // Lines hold valid UTF-8 and no line breaks: clean each and split any
  // breaks that were passed in.
  std::vector<std::string> split;
  split.reserve(lines.size());
  for (const std::string& l : lines) {
    std::string n = NormalizeText(l);
    std::size_t from = 0;
    for (std::size_t nl; (nl = n.find('\n', from)) != std::string::npos; from = nl + 1)
      split.push_back(n.substr(from, nl - from));
    split.push_back(n.substr(from));
  }
  lines_ = std::move(split);
  caret_ = anchor_ = {};
  undo_.Clear();
}

std::string MemoText::Text() const { return TextBetween({}, End()); }

TextPos MemoText::Clamp(TextPos p) const {
  p.Line = std::clamp(p.Line, 0, LineCount() - 1);
  const std::string& l = Line(p.Line);
  p.Col = std::clamp(p.Col, 0, static_cast<int>(l.size()));
  while (p.Col > 0 && p.Col < static_cast<int>(l.size()) &&
         IsContinuation(l[static_cast<std::size_t>(p.Col)]))
    --p.Col;
  return p;
}

std::int64_t MemoText::OffsetOf(TextPos p) const {
  p = Clamp(p);
  std::int64_t at = 0;
  for (int i = 0; i < p.Line; ++i) at += static_cast<std::int64_t>(Line(i).size()) + 1;
  return at + p.Col;
}

TextPos MemoText::PosAtOffset(std::int64_t offset) const {
  if (offset <= 0) return {};
  for (int i = 0; i < LineCount(); ++i) {
    const auto size = static_cast<std::int64_t>(Line(i).size());
    if (offset <= size) return Clamp({i, static_cast<int>(offset)});
    offset -= size + 1;
  }
  return End();
}

void MemoText::SetCaret(TextPos p, bool extend) {
  caret_ = Clamp(p);
  if (!extend) anchor_ = caret_;
  undo_.BreakGroup();
}

void MemoText::SelectAll() {
  anchor_ = {};
  caret_ = End();
  undo_.BreakGroup();
}

TextPos MemoText::NextChar(TextPos p) const {
  p = Clamp(p);
  const std::string& l = Line(p.Line);
  if (p.Col >= static_cast<int>(l.size())) {
    if (p.Line + 1 < LineCount()) return {p.Line + 1, 0};
    return p;
  }
  ++p.Col;
  while (p.Col < static_cast<int>(l.size()) && IsContinuation(l[static_cast<std::size_t>(p.Col)])) ++p.Col;
  return p;
}

TextPos MemoText::PrevChar(TextPos p) const {
  p = Clamp(p);
  if (p.Col == 0) {
    if (p.Line > 0) return {p.Line - 1, static_cast<int>(Line(p.Line - 1).size())};
    return p;
  }
  const std::string& l = Line(p.Line);
  --p.Col;
  while (p.Col > 0 && IsContinuation(l[static_cast<std::size_t>(p.Col)])) --p.Col;
  return p;
}

std::string MemoText::TextBetween(TextPos a, TextPos b) const {
  a = Clamp(a);
  b = Clamp(b);
  if (b < a) std::swap(a, b);
  std::string out;
  for (int i = a.Line; i <= b.Line; ++i) {
    const std::string& l = Line(i);
    int from = i == a.Line ? a.Col : 0;
    int to = i == b.Line ? b.Col : static_cast<int>(l.size());
    if (i > a.Line) out += '\n';
    out.append(l, static_cast<std::size_t>(from), static_cast<std::size_t>(to - from));
  }
  return out;
}

std::string MemoText::SelectedText() const { return TextBetween(SelStart(), SelEnd()); }

TextPos MemoText::Replace(TextPos from, TextPos to, std::string_view text) {
  std::string head = Line(from.Line).substr(0, static_cast<std::size_t>(from.Col));
  std::string tail = Line(to.Line).substr(static_cast<std::size_t>(to.Col));
  std::vector<std::string> pieces(1);
  for (char c : text) {
    if (c == '\n')
      pieces.emplace_back();
    else
      pieces.back() += c;
  }
  TextPos end{from.Line + static_cast<int>(pieces.size()) - 1,
              static_cast<int>(pieces.back().size()) + (pieces.size() == 1 ? from.Col : 0)};
  pieces.front().insert(0, head);
  pieces.back() += tail;
  auto first = lines_.begin() + from.Line;
  first = lines_.erase(first, first + (to.Line - from.Line + 1));
  lines_.insert(first, std::make_move_iterator(pieces.begin()), std::make_move_iterator(pieces.end()));
  return end;
}

bool MemoText::Edit(TextPos from, TextPos to, std::string_view text, EditKind kind) {
  std::string inserted = NormalizeText(text);
  if (from == to && inserted.empty()) return false;
  MemoEdit e;
  e.At = from;
  e.Removed = TextBetween(from, to);
  e.Inserted = inserted;
  e.CaretBefore = caret_;
  e.AnchorBefore = anchor_;
  e.Kind = kind;
  caret_ = anchor_ = Replace(from, to, inserted);
  undo_.Record(std::move(e));
  return true;
}

bool MemoText::Insert(std::string_view utf8, EditKind kind) { return Edit(SelStart(), SelEnd(), utf8, kind); }

bool MemoText::DeleteSelection() { return Edit(SelStart(), SelEnd(), {}, EditKind::Other); }

// Deleting a selection is a step of its own; deleting single characters
// joins the run before it.
bool MemoText::Backspace() {
  if (HasSelection()) return DeleteSelection();
  return Edit(PrevChar(caret_), caret_, {}, EditKind::DeleteBack);
}

bool MemoText::DeleteForward() {
  if (HasSelection()) return DeleteSelection();
  return Edit(caret_, NextChar(caret_), {}, EditKind::DeleteForward);
}

bool MemoText::Undo() {
  if (!undo_.CanUndo()) return false;
  const MemoEdit& e = undo_.TakeUndo();
  Replace(e.At, EndOfText(e.At, e.Inserted), e.Removed);
  caret_ = Clamp(e.CaretBefore);
  anchor_ = Clamp(e.AnchorBefore);
  return true;
}

bool MemoText::Redo() {
  if (!undo_.CanRedo()) return false;
  const MemoEdit& e = undo_.TakeRedo();
  caret_ = anchor_ = Replace(e.At, EndOfText(e.At, e.Removed), e.Inserted);
  return true;
}

}  // namespace ui
