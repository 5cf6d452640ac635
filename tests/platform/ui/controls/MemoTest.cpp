#include "platform/ui/controls/Memo.h"

#include "platform/ui/ClassicLook.h"
#include "platform/ui/Screen.h"
#include "tests/platform/ui/controls/MemoFixture.h"

namespace ui::test {
namespace {

class MemoTest : public MemoFixture {
 protected:
  void SetUp() override {
    MemoFixture::SetUp();
    memo = AddScrolledMemo();
  }
  int MaxTop() const { return kLines - memo->VisibleLines(); }
  ScrollInfo Info() const {
    ScrollInfo si;
    si.Mask = SIF_ALL;
    memo->GetScrollInfo(SB_VERT, si);
    return si;
  }
  Memo* memo = nullptr;
};

TEST_F(MemoTest, ScrollMessagesMoveTheTopLine) {
  ShowForm();
  int page = memo->VisibleLines();
  ASSERT_GT(page, 2);
  ASSERT_LT(page, 20);
  struct Case {
    int Code, HighWord, Expected;
  };
  const Case cases[] = {
      {SB_LINEDOWN, 0, 1},
      {SB_LINEDOWN, 0, 2},
      {SB_LINEUP, 0, 1},
      {SB_PAGEDOWN, 0, 1 + page},
      {SB_PAGEUP, 0, 1},
      {SB_PAGEUP, 0, 0},
      {SB_LINEUP, 0, 0},
      {SB_THUMBTRACK, 7, 7},
      {SB_ENDSCROLL, 0, 7},
      {SB_THUMBPOSITION, 12, 12},
      {SB_THUMBTRACK, 1000, MaxTop()},
      {SB_TOP, 0, 0},
      {SB_BOTTOM, 0, MaxTop()},
      {SB_ENDSCROLL, 0, MaxTop()},
  };
  for (const Case& c : cases) {
    memo->Perform(WM_VSCROLL, static_cast<WPARAM>(MakeLong(c.Code, c.HighWord)));
    EXPECT_EQ(memo->TopLine(), c.Expected) << "code " << c.Code << " pos " << c.HighWord;
    EXPECT_EQ(Info().Pos, c.Expected) << "code " << c.Code;
  }
  ScrollInfo si = Info();
  EXPECT_EQ(si.Min, 0);
  EXPECT_EQ(si.Max, 39);
  EXPECT_EQ(si.Page, static_cast<unsigned>(page));
}

TEST_F(MemoTest, ThumbPastTheHighWordComesFromTheScrollInfo) {
  std::vector<std::string> many(70000, "x");
  memo->SetLines(many);
  ShowForm();
  ScrollInfo si;
  si.Mask = SIF_POS;
  si.Pos = 66000;
  memo->SetScrollInfo(SB_VERT, si, false);
  memo->Perform(WM_VSCROLL, static_cast<WPARAM>(MakeLong(SB_THUMBPOSITION, 0xFFFF)));
  EXPECT_EQ(memo->TopLine(), 66000);
}

TEST_F(MemoTest, WheelScrollsThreeLinesPerNotch) {
  ShowForm();
  gfx::Point p = At(*memo, 20, 20);
  backend.InjectMouseMove(p);
  backend.InjectMouseWheel(p, -WHEEL_DELTA);
  app->ProcessMessages();
  EXPECT_EQ(memo->TopLine(), Memo::kWheelLines);
  backend.InjectMouseWheel(p, -2 * WHEEL_DELTA);
  app->ProcessMessages();
  EXPECT_EQ(memo->TopLine(), 3 * Memo::kWheelLines);
  backend.InjectMouseWheel(p, 10 * WHEEL_DELTA);
  app->ProcessMessages();
  EXPECT_EQ(memo->TopLine(), 0);
}

TEST_F(MemoTest, ScrollBarInTheNonClientArea) {
  ShowForm();
  gfx::Rect wr = memo->WindowRect();
  int bar = GetSystemMetrics(SM_CXVSCROLL);
  gfx::Point onBar{wr.Right - 2 - bar / 2, wr.Top + wr.Height() / 2};
  EXPECT_EQ(memo->Perform(WM_NCHITTEST, 0, PointToParam(onBar.X, onBar.Y)), HTVSCROLL);
  // The lower arrow scrolls one line down.
  gfx::Point arrow{onBar.X, wr.Bottom - 2 - 3};
  backend.InjectClick(arrow);
  app->ProcessMessages();
  EXPECT_EQ(memo->TopLine(), 1);
}

TEST_F(MemoTest, DraggingTheThumbTracksAndSetsThePosition) {
  std::vector<int> codes;
  memo->AddProc([&](Message& m, const WndMethod& next) {
    if (m.msg == WM_VSCROLL) codes.push_back(LoWord(m.wParam));
    next(m);
  });
  ShowForm();
  gfx::Rect wr = memo->WindowRect();
  gfx::Rect bar = memo->VScrollBarRect();
  ScrollInfo si;
  si.Mask = SIF_ALL;
  memo->GetScrollInfo(SB_VERT, si);
  gfx::Rect thumb = classic::ScrollThumb(bar, true, si);
  ASSERT_FALSE(thumb.IsEmpty());
  gfx::Point grab{wr.Left + thumb.Left + 2, wr.Top + thumb.Top + 2};
  backend.InjectMouseMove(grab);
  backend.InjectMouseDown(grab);
  app->ProcessMessages();
  EXPECT_EQ(app->CaptureControl(), memo);
  Move({grab.X, grab.Y + 10});
  int mid = memo->TopLine();
  EXPECT_GT(mid, 0);
  Move({grab.X + 40, grab.Y + 1000});  // far below and beside the bar
  EXPECT_EQ(memo->TopLine(), MaxTop());
  Release({grab.X + 40, grab.Y + 1000});
  EXPECT_EQ(memo->TopLine(), MaxTop());
  EXPECT_EQ(Info().Pos, MaxTop());
  EXPECT_EQ(app->CaptureControl(), nullptr);
  ASSERT_GE(codes.size(), 3u);
  EXPECT_EQ(codes[0], SB_THUMBTRACK);
  EXPECT_EQ(codes[codes.size() - 2], SB_THUMBPOSITION);
  EXPECT_EQ(codes.back(), SB_ENDSCROLL);
}

// The client edge and the scroll bar come from the style bits as they are
// when the size is calculated.
TEST_F(MemoTest, NonClientSizeHonoursTheCurrentStyleBits) {
  ShowForm();
  auto clientOf = [&](gfx::Rect window) {
    NcCalcSizeParams p;
    p.Rect[0] = window;
    memo->Perform(WM_NCCALCSIZE, 0, reinterpret_cast<LPARAM>(&p));
    return p.Rect[0];
  };
  gfx::Rect w{0, 0, 200, 100};
  int sb = GetSystemMetrics(SM_CXVSCROLL);
  EXPECT_EQ(clientOf(w), (gfx::Rect{2, 2, 198 - sb, 98}));
  std::uint32_t s = memo->Style();
  memo->SetStyle(s & ~WS_VSCROLL);
  EXPECT_EQ(clientOf(w), (gfx::Rect{2, 2, 198, 98}));
  memo->SetStyle(s | WS_HSCROLL);
  EXPECT_EQ(clientOf(w), (gfx::Rect{2, 2, 198 - sb, 98 - GetSystemMetrics(SM_CYHSCROLL)}));
  memo->SetStyle(s);
  memo->SetExStyle(memo->ExStyle() & ~WS_EX_CLIENTEDGE);
  EXPECT_EQ(clientOf(w), (gfx::Rect{0, 0, 200 - sb, 100}));
}

TEST_F(MemoTest, CaretAndSelectionByKeyboardAndMouse) {
  memo->SetLines({"hello", "world", "äbc"});
  ShowForm();
  memo->SetFocus();
  Key(VK_RIGHT);
  EXPECT_EQ(memo->CaretPos(), (TextPos{0, 1}));
  backend.InjectKeyDown(VK_SHIFT);
  Key(VK_DOWN);
  Key(VK_RIGHT);
  backend.InjectKeyUp(VK_SHIFT);
  app->ProcessMessages();
  EXPECT_EQ(memo->SelText(), "ello\nwo");
  Key(VK_END);
  EXPECT_FALSE(memo->HasSelection());
  Key(VK_DOWN);
  Key(VK_HOME);
  Key(VK_RIGHT);
  EXPECT_EQ(memo->CaretPos(), (TextPos{2, 2})) << "one step over a two-byte character";

  // Dragging with the mouse from the start of line 0 into line 1.
  int lh = memo->LineHeight();
  Press(*memo, 2, 2 + lh / 2);
  Move(At(*memo, 200, 2 + lh + lh / 2));
  Release(At(*memo, 200, 2 + lh + lh / 2));
  EXPECT_EQ(memo->SelText(), "hello\nworld");
  // Read-only: typing changes nothing.
  Key(VK_A);
  EXPECT_EQ(memo->Lines()[0], "hello");
}

TEST_F(MemoTest, EditingWhenNotReadOnly) {
  memo->SetReadOnly(false);
  memo->SetText("ab\r\ncd\rEF\ngh");
  EXPECT_EQ(memo->Lines(), (std::vector<std::string>{"ab", "cd", "EF", "gh"}));
  ShowForm();
  memo->SetFocus();
  Key(VK_END);
  Key('X');
  EXPECT_EQ(memo->Text(), "abx\ncd\nEF\ngh");
  Key(VK_RETURN);
  EXPECT_EQ(memo->Text(), "abx\n\ncd\nEF\ngh") << "Enter goes to the memo, not to the form";
  Key(VK_BACK);
  Key(VK_BACK);
  EXPECT_EQ(memo->Text(), "ab\ncd\nEF\ngh");
  Key(VK_HOME);
  Key(VK_DELETE);
  EXPECT_EQ(memo->Text(), "b\ncd\nEF\ngh");
}

TEST_F(MemoTest, CaretMovesScrollTheView) {
  ShowForm();
  memo->SetFocus();
  for (int i = 0; i < 30; ++i) Key(VK_DOWN);
  EXPECT_EQ(memo->CaretPos().Line, 30);
  EXPECT_EQ(memo->TopLine(), 30 - memo->VisibleLines() + 1);
  backend.InjectKeyDown(VK_CONTROL);
  Key(VK_HOME);
  backend.InjectKeyUp(VK_CONTROL);
  app->ProcessMessages();
  EXPECT_EQ(memo->TopLine(), 0);
}

}  // namespace
}  // namespace ui::test
