// Word wrap of the memo window: rows fit the client width and follow size
// and font changes; keys, mouse and scrolling work on rows.
#include <gtest/gtest.h>

#include "platform/gfx/Canvas.h"
#include "platform/ui/controls/Memo.h"
#include "tests/platform/ui/controls/ControlsFixture.h"

namespace ui::test {
namespace {

const char kParagraph[] =
    "The quick brown fox jumps over the lazy dog while the cat sleeps on the warm windowsill of the old "
    "house.";
const char kLongWord[] = "Pneumonoultramicroscopicsilicovolcanoconiosis-and-then-some-more-letters";

class MemoWrapTest : public ControlsFixture {
 protected:
  void SetUp() override {
    ControlsFixture::SetUp();
    memo = new Memo(form);
    memo->SetParent(form);
    memo->SetBounds(10, 10, 200, 120);
    memo->SetScrollBars(ScrollStyle::ssVertical);
    memo->SetText(std::string(kParagraph) + "\n" + kLongWord + "\nend");
    ShowForm();
    memo->SetFocus();
  }
  int Width(std::string_view s) const {
    gfx::Bitmap bmp(1, 1, gfx::PixelFormat::Bgr24);
    gfx::Canvas c(bmp);
    c.SetFont(memo->Font());
    return c.TextWidth(s);
  }
  std::string RowText(int i) const {
    const MemoRow& r = memo->Layout().Row(i);
    return memo->Lines()[static_cast<std::size_t>(r.Line)].substr(static_cast<std::size_t>(r.Start),
                                                                  static_cast<std::size_t>(r.End - r.Start));
  }
  int WrapWidth() const { return memo->ClientWidth() - 2 * Memo::kTextMargin; }
  // Every row fits; a row ends at a space unless its word alone is too wide.
  void ExpectRowsFit() const {
    for (int i = 0; i < memo->RowCount(); ++i) {
      std::string t = RowText(i);
      std::string trimmed = t.substr(0, t.find_last_not_of(' ') + 1);
      EXPECT_LE(Width(trimmed), WrapWidth()) << "row " << i << " \"" << t << '"';
      if (memo->Layout().EndsLine(i)) continue;
      std::string next = RowText(i + 1);
      if (t.back() == ' ')
        EXPECT_GT(Width(t + next.substr(0, next.find(' '))), WrapWidth())
            << "the next word would fit on row " << i;
      else
        EXPECT_GT(Width(t + next.substr(0, 1)), WrapWidth()) << "row " << i << " breaks a word early";
    }
  }
  int lh() const { return memo->LineHeight(); }
  Memo* memo = nullptr;
};

TEST_F(MemoWrapTest, RowsFitTheClientWidth) {
  ASSERT_TRUE(memo->WordWrap()) << "wrapping is the default";
  EXPECT_GT(memo->Layout().FirstRowOf(1), 2) << "the paragraph takes several rows";
  EXPECT_GT(memo->Layout().FirstRowOf(2) - memo->Layout().FirstRowOf(1), 1) << "the long word breaks";
  ExpectRowsFit();
  ScrollInfo si;
  si.Mask = SIF_RANGE;
  memo->GetScrollInfo(SB_VERT, si);
  EXPECT_EQ(si.Max, memo->RowCount() - 1) << "the vertical range counts rows";
  EXPECT_EQ(memo->Text(), std::string(kParagraph) + "\n" + kLongWord + "\nend")
      << "wrapping leaves the text alone";
}

TEST_F(MemoWrapTest, SizeFontAndTheSwitchWrapAgain) {
  int rows = memo->RowCount();
  memo->SetBounds(10, 10, 330, 120);
  app->ProcessMessages();
  EXPECT_LT(memo->RowCount(), rows);
  ExpectRowsFit();
  int wide = memo->RowCount();
  gfx::Font f = memo->Font();
  f.Height = -2 * gfx::GetFontMetrics(f).Height;
  memo->SetFont(f);
  app->ProcessMessages();
  EXPECT_GT(memo->RowCount(), wide);
  ExpectRowsFit();

  memo->SetScrollBars(ScrollStyle::ssBoth);
  EXPECT_FALSE(memo->Style() & WS_HSCROLL) << "nothing to scroll sideways while wrapping";
  memo->SetWordWrap(false);
  EXPECT_EQ(memo->RowCount(), 3);
  EXPECT_TRUE(memo->Style() & WS_HSCROLL);
  memo->SetWordWrap(true);
  EXPECT_FALSE(memo->Style() & WS_HSCROLL);
  EXPECT_GT(memo->RowCount(), 3);
}

TEST_F(MemoWrapTest, TheTopRowKeepsItsTextWhenTheRowsChange) {
  memo->SetText(std::string(kParagraph) + "\n" + kLongWord + std::string(30, '\n'));
  memo->SetTopLine(memo->Layout().FirstRowOf(1));
  memo->SetBounds(10, 10, 260, 120);
  app->ProcessMessages();
  EXPECT_EQ(memo->Layout().Row(memo->TopLine()).Line, 1);
  EXPECT_EQ(memo->Layout().Row(memo->TopLine()).Start, 0);
}

TEST_F(MemoWrapTest, KeysMoveThroughRows) {
  const MemoRow r0 = memo->Layout().Row(0), r1 = memo->Layout().Row(1);
  Key(VK_END);
  EXPECT_EQ(memo->CaretPos(), (TextPos{0, r0.End}));
  EXPECT_EQ(memo->CaretPoint().Y, Memo::kTextMargin) << "End stays on the first row";
  EXPECT_GT(memo->CaretPoint().X, Width(RowText(0).substr(0, RowText(0).size() - 1)));
  Key(VK_HOME);
  EXPECT_EQ(memo->CaretPos(), (TextPos{0, 0}));
  Key(VK_DOWN);
  EXPECT_EQ(memo->CaretPoint().Y, Memo::kTextMargin + lh());
  Key(VK_HOME);
  EXPECT_EQ(memo->CaretPos(), (TextPos{0, r1.Start}));
  KeyDown(VK_SHIFT);
  Key(VK_END);
  KeyUp(VK_SHIFT);
  EXPECT_EQ(memo->SelText(), RowText(1));
  // Up and Down keep to the x they started from, even through a short row.
  memo->SetText("abcdefghijklmnop\nab\nabcdefghijklmnop");
  memo->SetCaretPos({0, 10});
  int x = memo->CaretPoint().X;
  Key(VK_DOWN);
  EXPECT_EQ(memo->CaretPos(), (TextPos{1, 2}));
  Key(VK_DOWN);
  EXPECT_EQ(memo->CaretPos(), (TextPos{2, 10}));
  EXPECT_EQ(memo->CaretPoint().X, x);
}

TEST_F(MemoWrapTest, PageKeysAndScrollingCountRows) {
  std::string text = kParagraph;
  for (int i = 0; i < 7; ++i) text += std::string(" ") + kParagraph;
  memo->SetText(text);
  ASSERT_EQ(memo->Lines().size(), 1u);
  int page = memo->VisibleLines();
  ASSERT_GT(memo->RowCount(), 2 * page);
  Key(VK_NEXT);
  EXPECT_EQ(memo->Layout().RowOf(memo->CaretPos()), page);
  EXPECT_EQ(memo->TopLine(), page);
  memo->Perform(WM_VSCROLL, SB_BOTTOM);
  EXPECT_EQ(memo->TopLine(), memo->RowCount() - page);
  KeyDown(VK_CONTROL);
  Key(VK_HOME);
  KeyUp(VK_CONTROL);
  EXPECT_EQ(memo->TopLine(), 0);
}

TEST_F(MemoWrapTest, TheMouseHitsRows) {
  const MemoRow r0 = memo->Layout().Row(0), r1 = memo->Layout().Row(1);
  Click(*memo, Memo::kTextMargin, Memo::kTextMargin + lh() + lh() / 2);
  EXPECT_EQ(memo->CaretPos(), (TextPos{0, r1.Start}));
  EXPECT_EQ(memo->CaretPoint().Y, Memo::kTextMargin + lh());
  // Past the end of a wrapped row: the caret stays at that row's end.
  Click(*memo, memo->ClientWidth() - 1, Memo::kTextMargin + lh() / 2);
  EXPECT_EQ(memo->CaretPos(), (TextPos{0, r0.End}));
  EXPECT_EQ(memo->CaretPoint().Y, Memo::kTextMargin);
  // Dragging from row 0 into row 1 selects across the wrap.
  Press(*memo, Memo::kTextMargin, Memo::kTextMargin + lh() / 2);
  gfx::Point to =
      At(*memo, Memo::kTextMargin + Width(RowText(1).substr(0, 3)), Memo::kTextMargin + lh() + lh() / 2);
  Move(to);
  Release(to);
  EXPECT_EQ(memo->SelText(), RowText(0) + RowText(1).substr(0, 3));
}

}  // namespace
}  // namespace ui::test
