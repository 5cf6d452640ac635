#include "platform/ui/controls/MemoText.h"

#include <algorithm>

namespace ui {

namespace {
bool IsContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }
}  // namespace

void MemoText::SetText(const std::string& text) {
  std::vector<std::string> lines(1);
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      lines.emplace_back();
    } else {
      lines.back() += c;
    }
  }
  SetLines(std::move(lines));
}

void MemoText::SetLines(std::vector<std::string> lines) {
  if (lines.empty()) lines.emplace_back();
  lines_ = std::move(lines);
  caret_ = anchor_ = {};
}

std::string MemoText::Text() const {
  std::string out;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (i) out += '\n';
    out += lines_[i];
  }
  return out;
}

TextPos MemoText::Clamp(TextPos p) const {
  p.Line = std::clamp(p.Line, 0, LineCount() - 1);
  const std::string& l = Line(p.Line);
  p.Col = std::clamp(p.Col, 0, static_cast<int>(l.size()));
  while (p.Col > 0 && p.Col < static_cast<int>(l.size()) &&
         IsContinuation(l[static_cast<std::size_t>(p.Col)]))
    --p.Col;
  return p;
}

void MemoText::SetCaret(TextPos p, bool extend) {
  caret_ = Clamp(p);
  if (!extend) anchor_ = caret_;
}

void MemoText::SelectAll() {
  anchor_ = {};
  caret_ = {LineCount() - 1, static_cast<int>(lines_.back().size())};
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

std::string MemoText::SelectedText() const {
  TextPos a = SelStart(), b = SelEnd();
  std::string out;
  for (int i = a.Line; i <= b.Line; ++i) {
    const std::string& l = Line(i);
    int from = i == a.Line ? a.Col : 0;
    int to = i == b.Line ? b.Col : static_cast<int>(l.size());
    if (i > a.Line) out += '\n';
    out += l.substr(static_cast<std::size_t>(from), static_cast<std::size_t>(to - from));
  }
  return out;
}

void MemoText::DeleteSelection() {
  if (!HasSelection()) return;
  TextPos a = SelStart(), b = SelEnd();
  std::string head = Line(a.Line).substr(0, static_cast<std::size_t>(a.Col));
  std::string tail = Line(b.Line).substr(static_cast<std::size_t>(b.Col));
  lines_.erase(lines_.begin() + a.Line + 1, lines_.begin() + b.Line + 1);
  lines_[static_cast<std::size_t>(a.Line)] = head + tail;
  caret_ = anchor_ = a;
}

void MemoText::Insert(const std::string& utf8) {
  DeleteSelection();
  MemoText piece;
  piece.SetText(utf8);
  std::string& line = lines_[static_cast<std::size_t>(caret_.Line)];
  std::string tail = line.substr(static_cast<std::size_t>(caret_.Col));
  line.erase(static_cast<std::size_t>(caret_.Col));
  line += piece.lines_.front();
  TextPos end{caret_.Line, static_cast<int>(line.size())};
  for (std::size_t i = 1; i < piece.lines_.size(); ++i) {
    lines_.insert(lines_.begin() + end.Line + 1, piece.lines_[i]);
    end = {end.Line + 1, static_cast<int>(piece.lines_[i].size())};
  }
  lines_[static_cast<std::size_t>(end.Line)] += tail;
  caret_ = anchor_ = end;
}

void MemoText::Backspace() {
  if (!HasSelection()) anchor_ = PrevChar(caret_);
  DeleteSelection();
}

void MemoText::DeleteForward() {
  if (!HasSelection()) anchor_ = NextChar(caret_);
  DeleteSelection();
}

}  // namespace ui
