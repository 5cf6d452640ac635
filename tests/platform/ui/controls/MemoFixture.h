// A form with a memo on it, for the memo's tests.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/controls/Memo.h"
#include "tests/platform/ui/controls/ControlsFixture.h"

namespace ui::test {

class MemoFixture : public ControlsFixture {
 protected:
  // An empty memo at (10, 10), 300 x 160.
  Memo* AddMemo() {
    auto* m = new Memo(form);
    m->SetParent(form);
    m->SetBounds(10, 10, 300, 160);
    return m;
  }
  // A read-only memo of kLines lines "line 0", "line 1", ... with a vertical
  // scroll bar: more lines than fit.
  static constexpr int kLines = 40;
  Memo* AddScrolledMemo() {
    Memo* m = AddMemo();
    m->SetReadOnly(true);
    m->SetScrollBars(ScrollStyle::ssVertical);
    std::vector<std::string> lines;
    for (int i = 0; i < kLines; ++i) lines.push_back("line " + std::to_string(i));
    m->SetLines(lines);
    return m;
  }
};

}  // namespace ui::test
