// Windowed controls: style changes with their messages, the non-client area
// of child windows with classic scroll bars, properties, user data.
#include <vector>

#include "platform/ui/Screen.h"
#include "tests/platform/ui/TestControls.h"
#include "tests/platform/ui/UiFixture.h"

namespace ui::testing {
namespace {

using WindowTest = UiFixture;

TEST_F(WindowTest, StyleChangesSendChangingAndChangedAndFrameChangeRecomputesTheClient) {
  Form* f = NewForm({100, 100, 400, 300}, BorderStyle::bsNone);
  auto* w = new WinControl(f);
  w->SetBoundsRect({10, 10, 110, 110});
  w->SetParent(f);
  Show(f);
  std::vector<std::pair<std::uint32_t, std::uint32_t>> log;
  ProcHook h(*w, [&](Message& m, const WndMethod& next) {
    if (m.msg == WM_STYLECHANGING || m.msg == WM_STYLECHANGED) {
      auto* ss = reinterpret_cast<StyleStruct*>(m.lParam);
      log.emplace_back(m.msg, ss->NewStyle ^ ss->OldStyle);
    }
    next(m);
  });
  EXPECT_EQ(w->ClientRect(), (gfx::Rect{0, 0, 100, 100}));
  w->SetExStyle(w->ExStyle() | WS_EX_CLIENTEDGE);
  EXPECT_EQ(w->ClientWidth(), 100);  // not before the frame change
  w->FrameChanged();
  EXPECT_EQ(w->ClientRect(), (gfx::Rect{0, 0, 96, 96}));
  EXPECT_EQ(w->ClientRectInWindow(), (gfx::Rect{2, 2, 98, 98}));
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(log[0], (std::pair<std::uint32_t, std::uint32_t>{WM_STYLECHANGING, WS_EX_CLIENTEDGE}));
  EXPECT_EQ(log[1].first, WM_STYLECHANGED);
  // The size calculation sees the scroll-bar bits as they are at that moment.
  w->SetStyle(w->Style() | WS_VSCROLL);
  w->FrameChanged();
  EXPECT_EQ(w->ClientWidth(), 96 - GetSystemMetrics(SM_CXVSCROLL));
}

TEST_F(WindowTest, ScrollBarPressSendsScrollCodesAndInfoIsClamped) {
  Form* f = NewForm({100, 100, 400, 300}, BorderStyle::bsNone);
  auto* w = new WinControl(f);
  w->SetBoundsRect({10, 10, 110, 160});
  w->SetParent(f);
  w->SetStyle(w->Style() | WS_VSCROLL);
  Show(f);
  w->FrameChanged();
  ScrollInfo si;
  si.Mask = SIF_RANGE | SIF_PAGE | SIF_POS;
  si.Min = 0;
  si.Max = 99;
  si.Page = 10;
  si.Pos = 500;
  EXPECT_EQ(w->SetScrollInfo(SB_VERT, si, true), 90);  // clamped to Max - Page + 1
  ScrollInfo back;
  back.Mask = SIF_ALL;
  EXPECT_TRUE(w->GetScrollInfo(SB_VERT, back));
  EXPECT_EQ(back.Pos, 90);
  EXPECT_EQ(back.Page, 10u);

  std::vector<int> codes;
  ProcHook h(*w, [&](Message& m, const WndMethod& next) {
    if (m.msg == WM_VSCROLL) codes.push_back(LoWord(m.wParam));
    next(m);
  });
  gfx::Rect wr = w->WindowRect();
  gfx::Point downArrow{wr.Right - 5, wr.Bottom - 5};
  EXPECT_EQ(w->Perform(WM_NCHITTEST, 0, PointToParam(downArrow.X, downArrow.Y)), HTVSCROLL);
  Click(downArrow);
  Click({wr.Right - 5, wr.Top + 5});  // up arrow
  EXPECT_EQ(codes, (std::vector<int>{SB_LINEDOWN, SB_ENDSCROLL, SB_LINEUP, SB_ENDSCROLL}));
}

TEST_F(WindowTest, DraggingTheThumbSendsTrackAndFinalPositions) {
  Form* f = NewForm({100, 100, 400, 300}, BorderStyle::bsNone);
  auto* w = new WinControl(f);
  w->SetBoundsRect({10, 10, 110, 126});  // 116 px: arrows 16 + 16, track 84
  w->SetParent(f);
  w->SetStyle(w->Style() | WS_VSCROLL);
  Show(f);
  w->FrameChanged();
  ScrollInfo si;
  si.Mask = SIF_RANGE | SIF_PAGE | SIF_POS;
  si.Max = 99;
  si.Page = 50;  // thumb = 84 * 50 / 100 = 42 px; 42 px of travel for 50 positions
  w->SetScrollInfo(SB_VERT, si, true);
  std::vector<std::pair<int, int>> got;
  ProcHook h(*w, [&](Message& m, const WndMethod& next) {
    if (m.msg == WM_VSCROLL) got.emplace_back(LoWord(m.wParam), HiWord(m.wParam));
    next(m);
  });
  gfx::Rect wr = w->WindowRect();
  gfx::Point thumb{wr.Right - 8, wr.Top + 16 + 10};
  screen().InjectMouseDown(thumb);
  screen().InjectMouseMove({thumb.X, thumb.Y + 21});   // half the travel
  screen().InjectMouseMove({thumb.X, thumb.Y + 200});  // past the end: clamped
  screen().InjectMouseUp({thumb.X, thumb.Y + 200});
  app().ProcessMessages();
  std::vector<std::pair<int, int>> want{
      {SB_THUMBTRACK, 25}, {SB_THUMBTRACK, 50}, {SB_THUMBPOSITION, 50}, {SB_ENDSCROLL, 0}};
  EXPECT_EQ(got, want);
}

TEST_F(WindowTest, PropertiesAndUserData) {
  Form* f = NewForm({0, 0, 100, 100});
  f->SetProp("acScroll", 42);
  f->SetUserData(7);
  EXPECT_EQ(f->GetProp("acScroll"), 42);
  EXPECT_EQ(f->GetProp("missing"), 0);
  EXPECT_EQ(f->RemoveProp("acScroll"), 42);
  EXPECT_EQ(f->GetProp("acScroll"), 0);
  EXPECT_EQ(f->UserData(), 7);
}

}  // namespace
}  // namespace ui::testing
