#include "platform/ui/controls/MemoText.h"

#include <gtest/gtest.h>

namespace ui::test {
namespace {

class MemoTextTest : public ::testing::Test {
 protected:
  void Type(std::string_view s) {
    for (char c : s) text.Insert(std::string(1, c), EditKind::Typing);
  }
  MemoText text;
};

TEST_F(MemoTextTest, LineBreaksInEveryFormSplitLines) {
  text.SetText("a\r\nb\rc\nd\n");
  EXPECT_EQ(text.Lines(), (std::vector<std::string>{"a", "b", "c", "d", ""}));
  text.SetLines({"x\r\ny", "z"});
  EXPECT_EQ(text.Lines(), (std::vector<std::string>{"x", "y", "z"}));
  text.SetCaret({0, 1}, false);
  text.Insert("1\r\n2\r3");
  EXPECT_EQ(text.Text(), "x1\n2\n3\ny\nz");
  EXPECT_EQ(text.Caret(), (TextPos{2, 1}));
}

TEST_F(MemoTextTest, TypingIsOneStepUntilTheCaretMoves) {
  Type("abc");
  EXPECT_EQ(text.History().UndoCount(), 1u);
  text.SetCaret({0, 1}, false);
  Type("X");
  EXPECT_EQ(text.Text(), "aXbc");
  ASSERT_TRUE(text.Undo());
  EXPECT_EQ(text.Text(), "abc");
  EXPECT_EQ(text.Caret(), (TextPos{0, 1}));
  ASSERT_TRUE(text.Undo());
  EXPECT_EQ(text.Text(), "");
  EXPECT_FALSE(text.Undo());
  ASSERT_TRUE(text.Redo());
  EXPECT_EQ(text.Text(), "abc");
  EXPECT_EQ(text.Caret(), (TextPos{0, 3}));
  ASSERT_TRUE(text.Redo());
  EXPECT_EQ(text.Text(), "aXbc");
  EXPECT_FALSE(text.Redo());
}

TEST_F(MemoTextTest, TypingOverASelectionUndoesToTheSelection) {
  text.SetText("hello world");
  text.SetCaret({0, 6}, false);
  text.SetCaret({0, 11}, true);
  Type("there");
  EXPECT_EQ(text.Text(), "hello there");
  ASSERT_TRUE(text.Undo());
  EXPECT_EQ(text.Text(), "hello world");
  EXPECT_EQ(text.SelectedText(), "world");
  EXPECT_EQ(text.Caret(), (TextPos{0, 11}));
}

TEST_F(MemoTextTest, RunsOfDeletionJoinEachDirectionApart) {
  text.SetText("ab\ncdef");
  text.SetCaret({1, 2}, false);
  text.Backspace();
  text.Backspace();
  text.Backspace();  // joins the lines
  EXPECT_EQ(text.Text(), "abef");
  text.DeleteForward();
  text.DeleteForward();
  EXPECT_EQ(text.Text(), "ab");
  EXPECT_EQ(text.History().UndoCount(), 2u);
  ASSERT_TRUE(text.Undo());
  EXPECT_EQ(text.Text(), "abef");
  EXPECT_EQ(text.Caret(), (TextPos{0, 2}));
  EXPECT_FALSE(text.HasSelection()) << "a deleted character is not selected again";
  ASSERT_TRUE(text.Undo());
  EXPECT_EQ(text.Text(), "ab\ncdef");
  EXPECT_EQ(text.Caret(), (TextPos{1, 2}));
}

TEST_F(MemoTextTest, NothingToDeleteRecordsNothing) {
  text.SetText("a");
  EXPECT_FALSE(text.Backspace());
  text.SetCaret({0, 1}, false);
  EXPECT_FALSE(text.DeleteForward());
  EXPECT_FALSE(text.Insert(""));
  EXPECT_FALSE(text.CanUndo());
}

TEST_F(MemoTextTest, PastesAndCutsAreStepsOfTheirOwn) {
  Type("ab");
  text.Insert("1\r\n2");  // a paste
  Type("c");
  EXPECT_EQ(text.Text(), "ab1\n2c");
  EXPECT_EQ(text.History().UndoCount(), 3u) << "typing after a paste starts a new step";
  text.SetCaret({0, 0}, false);
  text.SetCaret({1, 1}, true);
  text.DeleteSelection();  // a cut
  EXPECT_EQ(text.Text(), "c");
  ASSERT_TRUE(text.Undo());
  EXPECT_EQ(text.Text(), "ab1\n2c");
  ASSERT_TRUE(text.Undo());
  ASSERT_TRUE(text.Undo());
  EXPECT_EQ(text.Text(), "ab");
}

TEST_F(MemoTextTest, AnEditDropsTheRedoStepsAndSettingTextTheHistory) {
  Type("ab");
  text.Insert("c");
  text.Undo();
  EXPECT_TRUE(text.CanRedo());
  Type("d");
  EXPECT_FALSE(text.CanRedo());
  text.SetText("new");
  EXPECT_FALSE(text.CanUndo());
}

TEST_F(MemoTextTest, TheOldestStepsGoFirst) {
  for (std::size_t i = 0; i < MemoUndo::kMaxSteps + 5; ++i) text.Insert("x");
  EXPECT_EQ(text.History().UndoCount(), MemoUndo::kMaxSteps);
  while (text.Undo()) {
  }
  EXPECT_EQ(text.Text(), std::string(5, 'x'));
}

TEST_F(MemoTextTest, ColumnsStayOnCharacterBoundaries) {
  text.SetText("\xC3\xA4x");
  EXPECT_EQ(text.Clamp({0, 1}), (TextPos{0, 0}));
  EXPECT_EQ(text.NextChar({0, 0}), (TextPos{0, 2}));
  text.SetCaret({0, 2}, false);
  text.Backspace();
  EXPECT_EQ(text.Text(), "x");
}

TEST_F(MemoTextTest, MalformedBytesBecomeReplacementCharacters) {
  const std::string fffd = "\xEF\xBF\xBD";
  text.SetText("\xA3");
  EXPECT_EQ(text.Text(), fffd) << "a lone continuation byte";
  text.SetCaret({0, 0}, false);
  text.Insert("a\xDC");  // a lead byte without its continuation
  EXPECT_EQ(text.Text(), "a" + fffd + fffd);
  EXPECT_EQ(text.Caret(), (TextPos{0, 4}));
  EXPECT_EQ(text.Clamp(text.Caret()), text.Caret());
  text.SetLines({"\xC3", "ok"});
  EXPECT_EQ(text.Lines(), (std::vector<std::string>{fffd, "ok"}));
}

}  // namespace
}  // namespace ui::test
