// Presses on the plain scroll bars of any window: the arrows and page parts
// repeat on the virtual clock while held, the pointer goes to the bar and
// not to the window's own mouse handling.
#include <algorithm>
#include <vector>

#include "platform/ui/Screen.h"
#include "platform/ui/ScrollBarTracker.h"
#include "tests/platform/ui/UiFixture.h"

namespace ui::testing {
namespace {

// A plain window that counts the client mouse messages it handles itself.
class PlainWindow : public WinControl {
 public:
  using WinControl::WinControl;
  int clientMouse = 0;

 protected:
  void WndProc(Message& m) override {
    if (m.msg == WM_MOUSEMOVE || m.msg == WM_LBUTTONUP) ++clientMouse;
    WinControl::WndProc(m);
  }
};

class PlainScrollBarTest : public UiFixture {
 protected:
  void SetUp() override {
    Form* f = NewForm({100, 100, 400, 300}, BorderStyle::bsNone);
    w = new PlainWindow(f);
    w->SetBoundsRect({10, 10, 126, 126});
    w->SetParent(f);
    w->SetStyle(w->Style() | WS_VSCROLL | WS_HSCROLL);
    Show(f);
    w->FrameChanged();
    for (int bar : {SB_VERT, SB_HORZ}) {
      ScrollInfo si;
      si.Mask = SIF_RANGE | SIF_PAGE | SIF_POS;
      si.Max = 99;
      si.Page = 10;
      w->SetScrollInfo(bar, si, true);
    }
    hook = ProcHook(*w, [this](Message& m, const WndMethod& next) {
      if (m.msg == WM_VSCROLL || m.msg == WM_HSCROLL) {
        int code = LoWord(m.wParam);
        int bar = m.msg == WM_VSCROLL ? SB_VERT : SB_HORZ;
        codes.push_back(code);
        if (code == SB_LINEDOWN) {
          ScrollInfo si;
          si.Mask = SIF_POS;
          si.Pos = w->ScrollPos(bar) + 1;
          w->SetScrollInfo(bar, si, true);
        }
      }
      next(m);
    });
  }
  int Count(int code) const { return static_cast<int>(std::count(codes.begin(), codes.end(), code)); }
  // The screen point of the down (or right) arrow of a bar.
  gfx::Point DownArrow(bool vertical) const {
    gfx::Rect wr = w->WindowRect(), bar = w->ScrollTracker().BarRect(vertical);
    return vertical ? gfx::Point{wr.Left + bar.Left + bar.Width() / 2, wr.Top + bar.Bottom - 3}
                    : gfx::Point{wr.Left + bar.Right - 3, wr.Top + bar.Top + bar.Height() / 2};
  }

  PlainWindow* w = nullptr;
  ProcHook hook;
  std::vector<int> codes;
};

TEST_F(PlainScrollBarTest, ArrowPressesRepeatWhileHeldOnEitherBar) {
  for (bool vertical : {true, false}) {
    SCOPED_TRACE(vertical ? "vertical" : "horizontal");
    codes.clear();
    gfx::Point arrow = DownArrow(vertical);
    ASSERT_EQ(w->Perform(WM_NCHITTEST, 0, PointToParam(arrow.X, arrow.Y)), vertical ? HTVSCROLL : HTHSCROLL);
    int startPos = w->ScrollPos(vertical ? SB_VERT : SB_HORZ);
    Move(arrow);
    Down(arrow);
    EXPECT_EQ(Count(SB_LINEDOWN), 1) << "the press scrolls at once";
    EXPECT_EQ(app().CaptureControl(), w);
    // Once after the 300 ms delay, then every 55 ms.
    struct Step {
      int Advance, Total;
    };
    const Step steps[] = {{299, 1}, {1, 1}, {55, 2}, {54, 2}, {1, 3}, {550, 13}};
    for (const Step& s : steps) {
      app().RunFor(s.Advance);
      EXPECT_EQ(Count(SB_LINEDOWN), s.Total);
    }
    Up(arrow);
    EXPECT_EQ(codes.back(), SB_ENDSCROLL);
    EXPECT_EQ(w->ScrollPos(vertical ? SB_VERT : SB_HORZ), startPos + 13);
    EXPECT_EQ(app().CaptureControl(), nullptr);
    app().RunFor(500);
    EXPECT_EQ(Count(SB_LINEDOWN), 13) << "the timers stop with the release";
  }
  EXPECT_EQ(w->clientMouse, 0) << "the pointer of a bar press is not the window's";
}

TEST_F(PlainScrollBarTest, RepeatPausesWhileThePointerIsOffThePressedArrow) {
  gfx::Point arrow = DownArrow(true);
  Move(arrow);
  Down(arrow);
  app().RunFor(300);
  Move({arrow.X - 60, arrow.Y - 60});
  app().RunFor(550);
  EXPECT_EQ(Count(SB_LINEDOWN), 1);
  Move(arrow);
  app().RunFor(55);
  EXPECT_EQ(Count(SB_LINEDOWN), 2);
  Up(arrow);
}

}  // namespace
}  // namespace ui::testing
