// Undo, redo and the clipboard from the memo's keys.
#include <gtest/gtest.h>

#include <cctype>
#include <initializer_list>

#include "platform/ui/controls/Memo.h"
#include "tests/platform/ui/controls/MemoFixture.h"

namespace ui::test {
namespace {

class MemoEditTest : public MemoFixture {
 protected:
  void SetUp() override {
    MemoFixture::SetUp();
    memo = AddMemo();
    memo->OnChange = [this](Component*) { ++changes; };
    ShowForm();
    memo->SetFocus();
  }
  // Presses `key` with the modifiers held.
  void Chord(std::initializer_list<int> mods, int key) {
    for (int m : mods) backend.InjectKeyDown(m);
    backend.InjectKey(key);
    for (int m : mods) backend.InjectKeyUp(m);
    app->ProcessMessages();
  }
  void Type(std::string_view s) {
    for (char c : s) {
      backend.InjectKeyDown(c == '\n' ? VK_RETURN : std::toupper(c), std::string(1, c == '\n' ? '\r' : c));
      backend.InjectKeyUp(c == '\n' ? VK_RETURN : std::toupper(c));
    }
    app->ProcessMessages();
  }
  void Select(TextPos from, TextPos to) {
    memo->SetCaretPos(from);
    memo->SetCaretPos(to, true);
  }
  std::string Clipboard() { return backend.ClipboardText().value_or("<none>"); }
  Memo* memo = nullptr;
  int changes = 0;
};

TEST_F(MemoEditTest, UndoAndRedoKeys) {
  Type("ab\ncd");
  ASSERT_EQ(memo->Text(), "ab\ncd");
  changes = 0;
  struct Step {
    std::initializer_list<int> Mods;
    int Key;
    const char* Text;
  };
  const Step steps[] = {
      {{VK_CONTROL}, 'Z', ""},                  // the typing is one step
      {{VK_CONTROL}, 'Y', "ab\ncd"},            //
      {{VK_MENU}, VK_BACK, ""},                 //
      {{VK_CONTROL, VK_SHIFT}, 'Z', "ab\ncd"},  //
  };
  for (const Step& s : steps) {
    int before = changes;
    Chord(s.Mods, s.Key);
    EXPECT_EQ(memo->Text(), s.Text) << "key " << s.Key;
    EXPECT_EQ(changes, before + 1) << "one change notice per step, key " << s.Key;
  }
  Chord({VK_CONTROL}, 'Y');
  EXPECT_EQ(changes, 4) << "nothing to redo: no notice";
  Key(VK_BACK);
  Key(VK_BACK);
  Chord({VK_CONTROL}, VK_HOME);
  Key(VK_DELETE);
  EXPECT_EQ(memo->Text(), "b\n");
  Chord({VK_CONTROL}, 'Z');
  EXPECT_EQ(memo->Text(), "ab\n");
  Chord({VK_CONTROL}, 'Z');
  EXPECT_EQ(memo->Text(), "ab\ncd");
  EXPECT_EQ(memo->CaretPos(), (TextPos{1, 2}));
}

TEST_F(MemoEditTest, ReadOnlyIgnoresUndoAndEditingKeys) {
  Type("abc");
  memo->SetReadOnly(true);
  int before = changes;
  backend.SetClipboardText("pasted");
  Chord({VK_CONTROL}, 'Z');
  Chord({VK_MENU}, VK_BACK);
  Chord({VK_CONTROL}, 'V');
  Chord({VK_SHIFT}, VK_INSERT);
  memo->SelectAll();
  Chord({VK_CONTROL}, 'X');
  Chord({VK_SHIFT}, VK_DELETE);
  EXPECT_EQ(memo->Text(), "abc");
  EXPECT_EQ(changes, before);
  EXPECT_EQ(Clipboard(), "pasted") << "a read-only memo cuts nothing";
  Chord({VK_CONTROL}, 'C');
  EXPECT_EQ(Clipboard(), "abc") << "but copies";
  memo->SetReadOnly(false);
  Chord({VK_CONTROL}, 'Z');
  EXPECT_EQ(memo->Text(), "") << "the history survived";
}

TEST_F(MemoEditTest, CopyCutAndPasteKeys) {
  memo->SetText("hello world");
  struct Step {
    std::initializer_list<int> Mods;
    int Key;
    const char* Text;
    const char* Clip;
  };
  const Step steps[] = {
      {{VK_CONTROL}, 'C', "hello world", "world"},                                                   //
      {{VK_CONTROL}, VK_INSERT, "hello world", "world"},    {{VK_CONTROL}, 'X', "hello ", "world"},  //
      {{VK_SHIFT}, VK_DELETE, "hello ", "world"},   // nothing selected after the cut
      {{VK_CONTROL}, 'V', "hello world", "world"},  //
      {{VK_SHIFT}, VK_INSERT, "hello worldworld", "world"},
  };
  Select({0, 6}, {0, 11});
  for (const Step& s : steps) {
    Chord(s.Mods, s.Key);
    EXPECT_EQ(memo->Text(), s.Text) << "key " << s.Key;
    EXPECT_EQ(Clipboard(), s.Clip) << "key " << s.Key;
  }
  Select({0, 0}, {0, 5});
  Chord({VK_SHIFT}, VK_DELETE);
  EXPECT_EQ(memo->Text(), " worldworld");
  EXPECT_EQ(Clipboard(), "hello");
  Chord({VK_CONTROL}, 'Z');
  EXPECT_EQ(memo->Text(), "hello worldworld");
  EXPECT_EQ(memo->SelText(), "hello") << "undoing a cut selects the text again";
  Chord({VK_CONTROL}, 'A');
  EXPECT_EQ(memo->SelText(), "hello worldworld");
}

TEST_F(MemoEditTest, PastedLineBreaksBecomeLines) {
  memo->SetText("[]");
  memo->SetCaretPos({0, 1});
  backend.SetClipboardText("a\r\nb\rc\nd");
  Chord({VK_CONTROL}, 'V');
  EXPECT_EQ(memo->Lines(), (std::vector<std::string>{"[a", "b", "c", "d]"}));
  EXPECT_EQ(memo->CaretPos(), (TextPos{3, 1}));
  Chord({VK_CONTROL}, 'Z');
  EXPECT_EQ(memo->Text(), "[]");
  memo->SelectAll();
  Chord({VK_CONTROL}, 'C');
  EXPECT_EQ(Clipboard(), "[]");
}

}  // namespace
}  // namespace ui::test
