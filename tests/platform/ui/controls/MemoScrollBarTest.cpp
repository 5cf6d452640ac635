// Presses on the memo's plain scroll bars: repeat timing on the virtual
// clock, pausing off the pressed part, page repeats that stop at the thumb.
#include <gtest/gtest.h>

#include "platform/ui/ClassicLook.h"
#include "platform/ui/Screen.h"
#include "platform/ui/controls/Memo.h"
#include "tests/platform/ui/controls/MemoFixture.h"

namespace ui::test {
namespace {

class MemoScrollBarTest : public MemoFixture {
 protected:
  void SetUp() override {
    MemoFixture::SetUp();
    memo = AddScrolledMemo();
    memo->AddProc([this](Message& m, const WndMethod& next) {
      if (m.msg == WM_VSCROLL || m.msg == WM_HSCROLL) codes.push_back(LoWord(m.wParam));
      if (m.msg == WM_TIMER) timers.push_back(static_cast<unsigned>(m.wParam));
      next(m);
    });
    ShowForm();
  }
  int Count(int code) const { return static_cast<int>(std::count(codes.begin(), codes.end(), code)); }
  // A screen point inside the vertical bar, `fromBottom` pixels above its end
  // (negative: below its top).
  gfx::Point OnBar(int fromBottom) const {
    gfx::Rect wr = memo->WindowRect(), bar = memo->VScrollBarRect();
    int y = fromBottom >= 0 ? bar.Bottom - 1 - fromBottom : bar.Top - fromBottom;
    return {wr.Left + bar.Left + bar.Width() / 2, wr.Top + y};
  }
  void PressAt(gfx::Point p) {
    backend.InjectMouseMove(p);
    backend.InjectMouseDown(p);
    app->ProcessMessages();
  }
  gfx::Rect ThumbOnScreen() const {
    ScrollInfo si;
    si.Mask = SIF_ALL;
    memo->GetScrollInfo(SB_VERT, si);
    gfx::Rect wr = memo->WindowRect();
    return classic::ScrollThumb(memo->VScrollBarRect(), true, si).Offset(wr.Left, wr.Top);
  }

  Memo* memo = nullptr;
  std::vector<int> codes;
  std::vector<unsigned> timers;
};

TEST_F(MemoScrollBarTest, AnArrowRepeatsAfterTheDelayWhileHeld) {
  gfx::Point arrow = OnBar(3);
  PressAt(arrow);
  EXPECT_EQ(Count(SB_LINEDOWN), 1) << "the press scrolls at once";
  EXPECT_EQ(app->CaptureControl(), memo);
  // The delay timer fires once at 300 ms and hands over to the repeat timer,
  // whose ticks come every 55 ms from then on.
  struct Step {
    int Advance, Total;
  };
  const Step steps[] = {{299, 1}, {1, 1}, {54, 1}, {1, 2}, {54, 2}, {1, 3}, {550, 13}};
  int at = 0;
  for (const Step& s : steps) {
    app->RunFor(s.Advance);
    at += s.Advance;
    EXPECT_EQ(Count(SB_LINEDOWN), s.Total) << "at " << at << " ms";
  }
  ASSERT_FALSE(timers.empty());
  EXPECT_EQ(timers.front(), TIMER_SCROLL_DELAY);
  EXPECT_EQ(std::count(timers.begin(), timers.end(), TIMER_SCROLL_DELAY), 1);
  EXPECT_EQ(std::count(timers.begin(), timers.end(), TIMER_SCROLL_REPEAT), 12);
  EXPECT_EQ(memo->TopLine(), 13);

  Release(arrow);
  EXPECT_EQ(codes.back(), SB_ENDSCROLL);
  EXPECT_EQ(app->CaptureControl(), nullptr);
  app->RunFor(1000);
  EXPECT_EQ(Count(SB_LINEDOWN), 13) << "no repeats after the release";
  EXPECT_EQ(Count(SB_ENDSCROLL), 1);
}

TEST_F(MemoScrollBarTest, LeavingThePressedArrowPausesTheRepeat) {
  gfx::Point arrow = OnBar(3);
  PressAt(arrow);
  app->RunFor(355);
  ASSERT_EQ(Count(SB_LINEDOWN), 2);
  Move(At(*memo, 50, 50));
  app->RunFor(550);
  EXPECT_EQ(Count(SB_LINEDOWN), 2) << "the pointer is off the arrow";
  Move(arrow);
  app->RunFor(55);
  EXPECT_EQ(Count(SB_LINEDOWN), 3) << "back on the arrow";
  Release(At(*memo, 50, 50));
  EXPECT_EQ(codes.back(), SB_ENDSCROLL);
}

TEST_F(MemoScrollBarTest, LosingTheCaptureEndsTheRepeat) {
  PressAt(OnBar(3));
  app->RunFor(355);
  ASSERT_EQ(Count(SB_LINEDOWN), 2);
  app->CancelMode();  // as when a modal window opens
  EXPECT_EQ(codes.back(), SB_ENDSCROLL);
  app->RunFor(1000);
  EXPECT_EQ(Count(SB_LINEDOWN), 2);
  // The next press starts afresh.
  PressAt(OnBar(3));
  EXPECT_EQ(Count(SB_LINEDOWN), 3);
  Release(OnBar(3));
  EXPECT_EQ(Count(SB_ENDSCROLL), 2);
}

TEST_F(MemoScrollBarTest, APageRepeatStopsWhenTheThumbReachesThePointer) {
  memo->SetLines(std::vector<std::string>(100, "x"));
  app->ProcessMessages();
  gfx::Rect bar = memo->VScrollBarRect();
  gfx::Point mid = OnBar(bar.Height() / 2);
  ASSERT_LT(ThumbOnScreen().Bottom, mid.Y) << "the page part below the thumb";
  PressAt(mid);
  EXPECT_EQ(Count(SB_PAGEDOWN), 1);
  app->RunFor(3000);
  int pages = Count(SB_PAGEDOWN);
  EXPECT_GT(pages, 1);
  EXPECT_TRUE(ThumbOnScreen().Contains(mid)) << "the thumb came under the pointer";
  EXPECT_LT(memo->TopLine(), 100 - memo->VisibleLines()) << "and stopped short of the end";
  app->RunFor(1000);
  EXPECT_EQ(Count(SB_PAGEDOWN), pages);
  Release(mid);
  EXPECT_EQ(codes.back(), SB_ENDSCROLL);
}

TEST_F(MemoScrollBarTest, TheHorizontalBarOfAnUnwrappedMemoRepeatsToo) {
  memo->SetWordWrap(false);
  memo->SetScrollBars(ScrollStyle::ssBoth);
  memo->SetLines({std::string(200, 'x')});
  app->ProcessMessages();
  gfx::Rect wr = memo->WindowRect(), client = memo->ClientRectInWindow();
  int h = GetSystemMetrics(SM_CYHSCROLL);
  gfx::Point right{wr.Left + client.Right - 3, wr.Top + client.Bottom + h / 2};
  ASSERT_EQ(memo->Perform(WM_NCHITTEST, 0, PointToParam(right.X, right.Y)), HTHSCROLL);
  PressAt(right);
  app->RunFor(355);
  Release(right);
  EXPECT_EQ(codes, (std::vector<int>{SB_LINEDOWN, SB_LINEDOWN, SB_ENDSCROLL}));
  EXPECT_GT(memo->LeftOffset(), 0);
}

}  // namespace
}  // namespace ui::test
