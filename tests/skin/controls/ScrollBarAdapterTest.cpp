// The scroll-bar adapter on a window of its own: the bars' room in the
// non-client area, hit tests, the press state machine on the virtual clock
// (first scroll at once, repeat from 355 ms every 55 ms, nothing after
// release or capture loss), dragging from Min, hover, and the plain bars
// given back when the adapter goes.
#include <algorithm>
#include <memory>
#include <vector>

#include "platform/ui/Screen.h"
#include "skin/controls/acSBTracking.h"
#include "skin/controls/acSBUtils.h"
#include "skin/controls/sSkinCommands.h"
#include "tests/skin/controls/BindingTestSupport.h"
#include "tests/skin/controls/ScrollBarTestSkin.h"

namespace skin::testing {
namespace {

// Position in the parent and size of a test window.
struct Box {
  int X, Y, Width, Height;
};

struct Seen {
  std::uint32_t Msg;
  int Code;
  int Pos;        // scroll info position when the message arrived
  ui::LPARAM LP;  // lParam of the message
};

class ScrollBarAdapter : public BindingFixture {
 protected:
  void SetUp() override {
    fixture::FixtureSkin s;
    AddScrollSections(s);
    s.Set("EDIT", "COLOR", gfx::RGB(255, 255, 255));
    LoadSkin(s);
    form = NewForm({100, 100, 400, 300}, ui::BorderStyle::bsNone);
    Show(form);
  }
  void TearDown() override {
    adapter.reset();
    ui::ResetSystemMetrics();
  }

  // A window with the given styles and scroll range on both bars, a spy
  // below the adapter (it sees what the adapter passes on and sends), and
  // the adapter.
  ui::WinControl* Adapted(const Box& bounds, std::uint32_t style, std::uint32_t exStyle = 0, int min = 0,
                          int max = 99, unsigned page = 10, int pos = 0) {
    w = new ui::WinControl(form);
    w->SetBounds(bounds.X, bounds.Y, bounds.Width, bounds.Height);
    w->SetParent(form);
    w->SetStyle(w->Style() | style);
    w->SetExStyle(exStyle);
    w->FrameChanged();
    for (int bar : {ui::SB_VERT, ui::SB_HORZ}) {
      ui::ScrollInfo si{ui::SIF_RANGE | ui::SIF_PAGE | ui::SIF_POS, min, max, page, pos, 0};
      w->SetScrollInfo(bar, si, true);
    }
    spy = ui::ProcHook(*w, [this](ui::Message& m, const ui::WndMethod& next) {
      if (m.msg == ui::WM_STYLECHANGED) ++styleChanges;
      if (m.msg == ui::WM_VSCROLL || m.msg == ui::WM_HSCROLL) {
        const int bar = m.msg == ui::WM_VSCROLL ? ui::SB_VERT : ui::SB_HORZ;
        seen.push_back({m.msg, ui::LoWord(m.wParam), w->ScrollPos(bar), m.lParam});
        if (ui::LoWord(m.wParam) == ui::SB_LINEDOWN || ui::LoWord(m.wParam) == ui::SB_PAGEDOWN) {
          ui::ScrollInfo si;
          si.Mask = ui::SIF_POS;
          si.Pos = w->ScrollPos(bar) + (ui::LoWord(m.wParam) == ui::SB_LINEDOWN ? 1 : 10);
          w->SetScrollInfo(bar, si, true);
        }
      }
      if (const int code = SkinCommandOf(m); code == SKC_LOCK_REDRAW || code == SKC_UNLOCK_REDRAW) {
        seen.push_back({m.msg, code, 0, m.lParam});
        m.result = code == SKC_LOCK_REDRAW ? answer51 : 0;
        return;
      }
      next(m);
    });
    adapter = std::make_unique<TacScrollWnd>(*w, "EDIT", nullptr, nullptr);
    adapter->Attach(true);
    // Above the adapter: every timer the window gets.
    top = ui::ProcHook(*w, [this](ui::Message& m, const ui::WndMethod& next) {
      if (m.msg == ui::WM_TIMER) timers.push_back(static_cast<unsigned>(m.wParam));
      next(m);
    });
    app().ProcessMessages();
    return w;
  }

  std::vector<Seen> Scrolls() const {
    std::vector<Seen> out;
    for (const Seen& s : seen)
      if (s.Msg != ui::SM_ALPHACMD) out.push_back(s);
    return out;
  }
  std::vector<int> Codes() const {
    std::vector<int> c;
    for (const Seen& s : seen)
      if (s.Msg != ui::SM_ALPHACMD) c.push_back(s.Code);
    return c;
  }
  int Count(int code) const {
    const std::vector<int> c = Codes();
    return static_cast<int>(std::count(c.begin(), c.end(), code));
  }
  gfx::Point OnWindow(int x, int y) const {
    const gfx::Rect r = w->WindowRect();
    return {r.Left + x, r.Top + y};
  }
  int HitAt(gfx::Point p) { return static_cast<int>(w->Perform(ui::WM_NCHITTEST, 0, ui::PointToParam(p.X, p.Y))); }
  bool Captured() { return app().CaptureControl() == w; }

  ui::Form* form = nullptr;
  ui::WinControl* w = nullptr;
  std::unique_ptr<TacScrollWnd> adapter;
  ui::ProcHook spy, top;
  std::vector<Seen> seen;
  std::vector<unsigned> timers;
  int styleChanges = 0;
  ui::LRESULT answer51 = 0;
};

TEST_F(ScrollBarAdapter, ReservesTheBarsRoomWithoutStyleNoticesBelow) {
  Adapted({0, 0, 200, 150}, ui::WS_BORDER | ui::WS_VSCROLL | ui::WS_HSCROLL);
  styleChanges = 0;
  w->FrameChanged();
  EXPECT_EQ(styleChanges, 0);
  EXPECT_EQ(w->ClientRectInWindow(), (gfx::Rect{1, 1, 183, 133}));
  const BarRects r = adapter->BarsInWindow();
  EXPECT_EQ(r.Horz, (gfx::Rect{1, 133, 183, 149}));
  EXPECT_EQ(r.Vert, (gfx::Rect{183, 1, 199, 133}));
  EXPECT_EQ(r.Corner, (gfx::Rect{183, 133, 199, 149}));
  EXPECT_EQ(HitAt(OnWindow(190, 50)), ui::HTVSCROLL);
  EXPECT_EQ(HitAt(OnWindow(50, 140)), ui::HTHSCROLL);
  EXPECT_EQ(HitAt(OnWindow(50, 50)), ui::HTCLIENT);
  // The style keeps its bits after the calculation.
  EXPECT_TRUE(w->Style() & ui::WS_VSCROLL);
}

TEST_F(ScrollBarAdapter, MemoLayoutAndLeftScrollBar) {
  Adapted({0, 0, 311, 225}, ui::WS_VSCROLL, ui::WS_EX_CLIENTEDGE);
  EXPECT_EQ(w->ClientRectInWindow(), (gfx::Rect{2, 2, 293, 223}));
  EXPECT_EQ(adapter->BarsInWindow().Vert, (gfx::Rect{293, 2, 309, 223}));
  EXPECT_EQ(adapter->EdgeLeft, 2);
  w->SetExStyle(w->ExStyle() | ui::WS_EX_LEFTSCROLLBAR);
  w->FrameChanged();
  EXPECT_TRUE(adapter->LeftScrollBar);
  EXPECT_EQ(adapter->BarsInWindow().Vert, (gfx::Rect{2, 2, 18, 223}));
  EXPECT_EQ(w->ClientRectInWindow(), (gfx::Rect{18, 2, 309, 223}));
}

TEST_F(ScrollBarAdapter, NoRoomNoBar) {
  Adapted({0, 0, 100, 12}, ui::WS_HSCROLL);
  EXPECT_FALSE(adapter->HorzBar.Shown);
  EXPECT_EQ(w->ClientRectInWindow(), (gfx::Rect{0, 0, 100, 12}));
}

TEST_F(ScrollBarAdapter, ArrowPressRepeatsOnTheVirtualClockAndStopsOnRelease) {
  Adapted({10, 10, 126, 126}, ui::WS_VSCROLL);
  const gfx::Point arrow = OnWindow(118, 120);
  ASSERT_EQ(HitAt(arrow), ui::HTVSCROLL);
  Move(arrow);
  Down(arrow);
  EXPECT_EQ(Count(ui::SB_LINEDOWN), 1);
  EXPECT_TRUE(Captured());
  app().RunFor(299);
  EXPECT_EQ(Count(ui::SB_LINEDOWN), 1);
  app().RunFor(1);  // the delay hands over to the repeat timer
  EXPECT_EQ(Count(ui::SB_LINEDOWN), 1);
  app().RunFor(55);
  EXPECT_EQ(Count(ui::SB_LINEDOWN), 2);
  app().RunFor(110);
  EXPECT_EQ(Count(ui::SB_LINEDOWN), 4);
  Up(arrow);
  EXPECT_EQ(Count(ui::SB_ENDSCROLL), 1);
  EXPECT_EQ(Codes().back(), ui::SB_ENDSCROLL);
  EXPECT_FALSE(Captured());
  Move(OnWindow(300, 300));
  app().RunFor(40);  // the hover ends
  timers.clear();
  app().RunFor(1000);
  EXPECT_EQ(Count(ui::SB_LINEDOWN), 4);
  EXPECT_TRUE(timers.empty());
  EXPECT_EQ(ScrollTracking().PressZone, kZoneNone);
}

TEST_F(ScrollBarAdapter, ShortPressLeavesNoTimer) {
  Adapted({10, 10, 126, 126}, ui::WS_VSCROLL);
  const gfx::Point arrow = OnWindow(118, 120);
  Down(arrow);
  app().RunFor(100);
  Up(arrow);
  Move(OnWindow(300, 300));
  app().RunFor(40);
  timers.clear();
  app().RunFor(1000);
  EXPECT_TRUE(timers.empty());
  EXPECT_EQ(Count(ui::SB_LINEDOWN), 1);
}

TEST_F(ScrollBarAdapter, LosingTheCaptureEndsThePress) {
  Adapted({10, 10, 126, 126}, ui::WS_VSCROLL);
  const gfx::Point arrow = OnWindow(118, 120);
  Down(arrow);
  app().RunFor(500);
  const int before = Count(ui::SB_LINEDOWN);
  app().CancelMode();
  app().ProcessMessages();
  app().RunFor(500);
  EXPECT_EQ(Count(ui::SB_LINEDOWN), before);
  EXPECT_EQ(Count(ui::SB_ENDSCROLL), 1);
  EXPECT_FALSE(Captured());
  EXPECT_EQ(ScrollTracking().PressZone, kZoneNone);
}

TEST_F(ScrollBarAdapter, OffThePartWhileHeldPausesTheRepeat) {
  Adapted({10, 10, 126, 126}, ui::WS_VSCROLL);
  const gfx::Point arrow = OnWindow(118, 120);
  Down(arrow);
  app().RunFor(400);
  const int held = Count(ui::SB_LINEDOWN);
  Move(OnWindow(60, 60));
  app().RunFor(300);
  EXPECT_EQ(Count(ui::SB_LINEDOWN), held);
  EXPECT_EQ(ScrollTracking().PressedShown, kZoneNone);
  Move(arrow);
  app().RunFor(110);
  EXPECT_GT(Count(ui::SB_LINEDOWN), held);
  Up(arrow);
}

TEST_F(ScrollBarAdapter, PagePressStopsAtTheThumb) {
  Adapted({10, 10, 126, 126}, ui::WS_VSCROLL);
  // Page below the thumb, near the bottom arrow.
  const gfx::Point page = OnWindow(118, 100);
  Down(page);
  app().RunFor(2000);
  Up(page);
  const int pages = Count(ui::SB_PAGEDOWN);
  EXPECT_GE(pages, 2);
  EXPECT_LT(pages, 10) << "stops once the thumb reaches the pointer";
}

TEST_F(ScrollBarAdapter, RightAndMiddlePressesOnABarDoNothing) {
  Adapted({10, 10, 126, 126}, ui::WS_VSCROLL);
  const gfx::Point p = OnWindow(118, 60);
  for (std::uint32_t m : {ui::WM_NCRBUTTONDOWN, ui::WM_NCMBUTTONDOWN, ui::WM_NCRBUTTONUP})
    EXPECT_EQ(w->Perform(m, ui::HTVSCROLL, ui::PointToParam(p.X, p.Y)), 0);
  EXPECT_TRUE(Codes().empty());
  EXPECT_FALSE(Captured());
}

TEST_F(ScrollBarAdapter, DragFollowsThePointerFromMin) {
  ui::SetSystemMetricOverride(ui::SM_CXHSCROLL, 17);
  for (int min : {0, 100}) {
    SCOPED_TRACE(min);
    seen.clear();
    adapter.reset();
    Adapted({10, 60, 50, 100}, ui::WS_VSCROLL, 0, min, min + 19, 14, min);
    Move(OnWindow(42, 40));
    Down(OnWindow(42, 40));
    EXPECT_TRUE(Captured());
    Move(OnWindow(42, 50));
    ASSERT_EQ(Codes().size(), 1u);
    EXPECT_EQ(Scrolls()[0].Code, ui::SB_THUMBTRACK);
    EXPECT_EQ(Scrolls()[0].Pos, min + 3) << "the position is set before the message";
    Move(OnWindow(42, 51));
    EXPECT_EQ(Codes().size(), 1u);
    Move(OnWindow(42, 200));
    Move(OnWindow(42, -50));
    Up(OnWindow(42, -50));
    std::vector<int> pos;
    for (const Seen& s : seen)
      if (s.Msg == ui::WM_VSCROLL) pos.push_back(s.Pos);
    EXPECT_EQ(Codes(), (std::vector<int>{5, 5, 5, 4, 8}));
    EXPECT_EQ(pos, (std::vector<int>{min + 3, min + 6, min, min, min}));
    EXPECT_FALSE(Captured());
    EXPECT_FALSE(adapter->ThumbTracking);
  }
}

TEST_F(ScrollBarAdapter, AWindowThatScrollsItselfGetsThePositionInLParam) {
  answer51 = 1;
  Adapted({10, 60, 50, 100}, ui::WS_VSCROLL);
  ui::SetSystemMetricOverride(ui::SM_CXHSCROLL, 16);
  ui::ScrollInfo si{ui::SIF_ALL, 0, 19, 14, 0, 0};
  w->SetScrollInfo(ui::SB_VERT, si, true);
  app().ProcessMessages();
  Down(OnWindow(42, 20));
  Move(OnWindow(42, 40));
  ASSERT_GE(seen.size(), 3u);
  EXPECT_EQ(seen[0].Code, SKC_LOCK_REDRAW);
  EXPECT_EQ(seen[0].LP, ui::MakeLong(ui::SB_THUMBTRACK, ui::WM_VSCROLL));
  EXPECT_EQ(seen[1].Msg, ui::WM_VSCROLL);
  EXPECT_GT(seen[1].LP, 0) << "the position in lParam";
  EXPECT_EQ(seen[1].Pos, 0) << "scroll information untouched";
  EXPECT_EQ(seen[2].Code, SKC_UNLOCK_REDRAW);
  Up(OnWindow(42, 40));
}

TEST_F(ScrollBarAdapter, HoverLightsTheThumbAndEndsWithTheWindow) {
  Adapted({10, 10, 126, 126}, ui::WS_VSCROLL);
  const gfx::Point thumb = OnWindow(118, 25);
  ASSERT_EQ(HitAt(thumb), ui::HTVSCROLL);
  Move(thumb);
  app().RunFor(20);
  EXPECT_EQ(Pixel(OnWindow(111, 25)), kScrollParts[2].Hot);
  EXPECT_EQ(ScrollTracking().HoverZone, kZoneThumb);
  Move(OnWindow(300, 200));
  app().RunFor(40);
  EXPECT_EQ(Pixel(OnWindow(111, 25)), kScrollParts[2].Normal);
  timers.clear();
  app().RunFor(200);
  EXPECT_TRUE(std::find(timers.begin(), timers.end(), ui::TIMER_SCROLL_HOVER) == timers.end());
}

TEST_F(ScrollBarAdapter, AHiddenHoveredWindowDoesNotBlockAnotherBarsHover) {
  Adapted({10, 10, 126, 126}, ui::WS_VSCROLL);
  ui::WinControl* first = w;
  auto firstAdapter = std::move(adapter);
  Move(OnWindow(118, 25));
  app().RunFor(20);
  first->SetVisible(false);
  app().ProcessMessages();
  Adapted({150, 10, 126, 126}, ui::WS_VSCROLL);
  Move(OnWindow(118, 25));
  app().RunFor(20);
  EXPECT_EQ(ScrollTracking().ActiveWindow, w);
  EXPECT_EQ(Pixel(OnWindow(111, 25)), kScrollParts[2].Hot);
  firstAdapter.reset();
}

TEST_F(ScrollBarAdapter, GivingBackRestoresThePlainBarsAndClearsTheRecord) {
  Adapted({10, 10, 126, 126}, ui::WS_VSCROLL);
  Move(OnWindow(118, 25));
  app().RunFor(20);
  EXPECT_EQ(Pixel(OnWindow(111, 25)), kScrollParts[2].Hot);
  adapter.reset();
  app().ProcessMessages();
  EXPECT_EQ(w->GetProp(kAdapterProp), 0);
  EXPECT_EQ(ScrollTracking().ActiveWindow, nullptr);
  EXPECT_EQ(ScrollTracking().HoverBar, -1);
  EXPECT_EQ(w->ClientRectInWindow(), (gfx::Rect{0, 0, 110, 126}));
  EXPECT_NE(Pixel(OnWindow(111, 25)), kScrollParts[2].Hot);
  EXPECT_NE(Pixel(OnWindow(111, 25)), kScrollParts[2].Normal);
  timers.clear();
  app().RunFor(100);
  EXPECT_TRUE(timers.empty());
}

}  // namespace
}  // namespace skin::testing
