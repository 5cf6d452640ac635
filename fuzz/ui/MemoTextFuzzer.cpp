// The memo's text model under random text, edits, undo/redo and wrap
// widths. Checks after every step: lines are valid UTF-8 without breaks,
// caret and anchor sit on character boundaries, the rows cover each line in
// order and fit the width; at the end, undoing everything gives back the
// text that was set and redoing everything the text that was reached.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <string>

#include "platform/gfx/Utf8.h"
#include "platform/ui/controls/MemoLayout.h"
#include "platform/ui/controls/MemoText.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

bool IsContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

void CheckText(const ui::MemoText& t) {
  Check(t.LineCount() >= 1);
  for (const std::string& l : t.Lines()) {
    Check(l.find_first_of("\r\n") == std::string::npos);
    Check(gfx::EncodeUtf8(gfx::DecodeUtf8(l)) == l);
  }
  Check(t.Clamp(t.Caret()) == t.Caret());
  Check(t.Clamp(t.Anchor()) == t.Anchor());
  ui::MemoText copy;
  copy.SetText(t.Text());
  Check(copy.Lines() == t.Lines());
}

int WidthOf(std::string_view s, const ui::MemoLayout::Measure& m) {
  int w = 0;
  for (std::size_t i = 0; i < s.size();) {
    std::size_t n = static_cast<std::size_t>(ui::CharLength(s, i));
    w += m(s.substr(i, n));
    i += n;
  }
  return w;
}

void CheckLayout(const ui::MemoText& t, int width, const ui::MemoLayout::Measure& m) {
  ui::MemoLayout layout;
  layout.Build(t.Lines(), width, m);
  int row = 0;
  for (int line = 0; line < t.LineCount(); ++line) {
    const std::string& l = t.Line(line);
    Check(layout.FirstRowOf(line) == row);
    int at = 0;
    do {
      const ui::MemoRow& r = layout.Row(row);
      Check(r.Line == line && r.Start == at && r.End >= r.Start);
      Check(r.End > r.Start || l.empty());
      Check(r.Start == 0 || !IsContinuation(l[static_cast<std::size_t>(r.Start)]));
      std::string_view part(l.data() + r.Start, static_cast<std::size_t>(r.End - r.Start));
      // Up to the last character that shows: spaces and zero-width
      // characters may hang past the width.
      std::size_t shown = 0;
      for (std::size_t i = 0; i < part.size();) {
        std::size_t n = static_cast<std::size_t>(ui::CharLength(part, i));
        if (part[i] != ' ' && part[i] != '\t' && m(part.substr(i, n)) > 0) shown = i + n;
        i += n;
      }
      std::string_view trimmed = part.substr(0, shown);
      if (width > 0 && !trimmed.empty()) {
        int first = m(trimmed.substr(0, static_cast<std::size_t>(ui::CharLength(trimmed, 0))));
        int w = WidthOf(trimmed, m);
        Check(w <= width || w == first);
      }
      // Every position of the row maps back to it.
      for (int c = r.Start; c <= r.End; c += c < r.End ? ui::CharLength(l, static_cast<std::size_t>(c)) : 1) {
        if (c < r.End || layout.EndsLine(row)) Check(layout.RowOf({line, c}) == row);
        if (c > r.Start) Check(layout.RowOf({line, c}, true) == row);
      }
      at = r.End;
      ++row;
    } while (at < static_cast<int>(l.size()));
  }
  Check(row == layout.RowCount());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  const unsigned seed = in.ConsumeIntegral<std::uint8_t>();
  // Character widths 0..8 from the lead byte, some of them zero.
  const ui::MemoLayout::Measure measure = [seed](std::string_view ch) {
    return static_cast<int>((static_cast<unsigned char>(ch[0]) * (seed | 1)) % 9);
  };
  ui::MemoText text;
  text.SetText(in.ConsumeRandomLengthString(256));
  std::string base = text.Text();
  bool dropped = false;
  while (in.remaining_bytes() > 0) {
    auto pos = [&] {
      int line = in.ConsumeIntegralInRange(0, text.LineCount() - 1);
      return ui::TextPos{line, in.ConsumeIntegralInRange(0, static_cast<int>(text.Line(line).size()))};
    };
    switch (in.ConsumeIntegralInRange(0, 9)) {
      case 0:
        text.SetText(in.ConsumeRandomLengthString(256));
        base = text.Text();
        dropped = false;
        break;
      case 1: text.Insert(in.ConsumeRandomLengthString(16), ui::EditKind::Typing); break;
      case 2: text.Insert(in.ConsumeRandomLengthString(64)); break;
      case 3: text.Backspace(); break;
      case 4: text.DeleteForward(); break;
      case 5: text.DeleteSelection(); break;
      case 6: text.Undo(); break;
      case 7: text.Redo(); break;
      case 8: text.SetCaret(pos(), in.ConsumeBool()); break;
      case 9: CheckLayout(text, in.ConsumeIntegralInRange(-1, 64), measure); break;
    }
    dropped = dropped || text.History().UndoCount() >= ui::MemoUndo::kMaxSteps;
    CheckText(text);
  }
  CheckLayout(text, 20, measure);
  const std::string reached = text.Text();
  const std::size_t steps = text.History().UndoCount();
  for (std::size_t i = 0; i < steps; ++i) {
    Check(text.Undo());
    CheckText(text);
  }
  Check(!text.CanUndo());
  if (!dropped) Check(text.Text() == base);
  for (std::size_t i = 0; i < steps; ++i) Check(text.Redo());
  Check(text.Text() == reached);
  return 0;
}
