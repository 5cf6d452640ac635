// The memo's selection and replacement messages: setting the caret, selecting
// all and pasting go through EM_SETSEL / EM_REPLACESEL, so a procedure
// above the memo sees them; the messages themselves work on byte offsets
// into the text.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ui/controls/Memo.h"
#include "tests/platform/ui/controls/MemoFixture.h"

namespace ui::test {
namespace {

class MemoSelectionMessageTest : public MemoFixture {
 protected:
  void SetUp() override {
    MemoFixture::SetUp();
    memo = AddMemo();
    hook = ProcHook(*memo, [this](Message& m, const WndMethod& next) {
      if (m.msg == EM_SETSEL || m.msg == EM_REPLACESEL) seen.push_back(m);
      next(m);
    });
    ShowForm();
    memo->SetFocus();
  }
  void Chord(int mod, int key) {
    backend.InjectKeyDown(mod);
    backend.InjectKey(key);
    backend.InjectKeyUp(mod);
    app->ProcessMessages();
  }

  Memo* memo = nullptr;
  ProcHook hook;
  std::vector<Message> seen;
};

TEST_F(MemoSelectionMessageTest, CallersGoThroughTheMessagesWithOffsets) {
  memo->SetText("ab\ncdé\nf");
  seen.clear();
  memo->SetCaretPos({1, 1});
  memo->SetCaretPos({2, 1}, true);
  memo->SelectAll();
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_EQ(seen[0].wParam, 4u);
  EXPECT_EQ(seen[0].lParam, 4);
  EXPECT_EQ(seen[1].wParam, 4u) << "the anchor stays";
  EXPECT_EQ(seen[1].lParam, 9) << "3 + 5 bytes (é is two) + 1";
  EXPECT_EQ(seen[2].wParam, 0u);
  EXPECT_EQ(seen[2].lParam, -1);
  EXPECT_EQ(memo->SelText(), "ab\ncdé\nf");

  backend.SetClipboardText("XY");
  memo->SetCaretPos({0, 1});
  seen.clear();
  Chord(VK_CONTROL, 'V');
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].msg, EM_REPLACESEL);
  EXPECT_EQ(memo->Text(), "aXYb\ncdé\nf");
}

TEST_F(MemoSelectionMessageTest, SetSelectionClampsAndKeepsCharactersWhole) {
  memo->SetText("ab\ncdé\nf");
  struct Case {
    WPARAM anchor;
    LPARAM caret;
    TextPos wantCaret;
    std::string wantSel;
  };
  const Case cases[] = {
      {0, 2, {0, 2}, "ab"},
      {2, 3, {1, 0}, "\n"},
      {static_cast<WPARAM>(-1), 5, {1, 2}, ""},  // no selection
      {3, -1, {2, 1}, "cdé\nf"},                 // -1: the end
      {0, 1000, {2, 1}, "ab\ncdé\nf"},           // past the end
      {0, -7, {0, 0}, ""},                       // before the start
      {3, 6, {1, 2}, "cd"},                      // inside é: back to its start
  };
  for (const Case& c : cases) {
    memo->Perform(EM_SETSEL, c.anchor, c.caret);
    EXPECT_EQ(memo->CaretPos(), c.wantCaret) << c.anchor << "," << c.caret;
    EXPECT_EQ(memo->SelText(), c.wantSel) << c.anchor << "," << c.caret;
  }
}

TEST_F(MemoSelectionMessageTest, SetSelectionScrollsTheCaretIntoView) {
  for (int i = 0; i < 60; ++i) memo->AddLine("line " + std::to_string(i));
  ASSERT_EQ(memo->TopLine(), 0);
  memo->SelectAll();
  EXPECT_EQ(memo->TopLine(), memo->RowCount() - memo->VisibleLines());
  memo->SetCaretPos({0, 0});
  EXPECT_EQ(memo->TopLine(), 0);
}

TEST_F(MemoSelectionMessageTest, ReplaceSelectionReplacesAndIsOneUndoStep) {
  memo->SetText("hello world");
  memo->Perform(EM_SETSEL, 6, 11);
  const std::string with = "there\nnow";
  memo->Perform(EM_REPLACESEL, 1, reinterpret_cast<LPARAM>(with.c_str()));
  EXPECT_EQ(memo->Text(), "hello there\nnow");
  EXPECT_EQ(memo->CaretPos(), (TextPos{1, 3}));
  memo->Perform(EM_REPLACESEL, 1, 0);  // no text: nothing happens
  EXPECT_EQ(memo->Text(), "hello there\nnow");
  memo->Undo();
  EXPECT_EQ(memo->Text(), "hello world");
}

}  // namespace
}  // namespace ui::test
