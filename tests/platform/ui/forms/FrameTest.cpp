// The classic frame: geometry per border style, default hit-test codes,
// moving by the caption, sizing with constraints, window states and the
// caption buttons.
#include <vector>

#include "platform/ui/Screen.h"
#include "platform/ui/forms/TopLevelWindow.h"
#include "platform/ui/menus/MenuBar.h"
#include "platform/ui/menus/Menus.h"
#include "tests/platform/ui/TestControls.h"
#include "tests/platform/ui/UiFixture.h"

namespace ui::testing {
namespace {

using FrameTest = UiFixture;

struct StyleCase {
  BorderStyle Style;
  int Border;   // frame width
  int Caption;  // caption height (0 = none)
  // Expected codes at: left edge middle, top-left corner, caption middle,
  // close button, minimise button place, icon place.
  int Left, TopLeft, CaptionMid, Close, MinPlace, Icon;
};

TEST_F(FrameTest, DefaultHitTestCodesOfEachBorderStyle) {
  const StyleCase cases[] = {
      {BorderStyle::bsNone, 0, 0, HTCLIENT, HTCLIENT, HTCLIENT, HTCLIENT, HTCLIENT, HTCLIENT},
      {BorderStyle::bsSingle, 3, 19, HTBORDER, HTBORDER, HTCAPTION, HTCLOSE, HTMINBUTTON, HTSYSMENU},
      {BorderStyle::bsSizeable, 4, 19, HTLEFT, HTTOPLEFT, HTCAPTION, HTCLOSE, HTMINBUTTON, HTSYSMENU},
      {BorderStyle::bsDialog, 3, 19, HTBORDER, HTBORDER, HTCAPTION, HTCLOSE, HTCAPTION, HTCAPTION},
      {BorderStyle::bsToolWindow, 3, 17, HTBORDER, HTBORDER, HTCAPTION, HTCLOSE, HTCAPTION, HTCAPTION},
      {BorderStyle::bsSizeToolWin, 4, 17, HTLEFT, HTTOPLEFT, HTCAPTION, HTCLOSE, HTCAPTION, HTCAPTION},
  };
  for (const StyleCase& k : cases) {
    SCOPED_TRACE(static_cast<int>(k.Style));
    Form* f = NewForm({100, 100, 400, 300}, k.Style);
    f->SetClientSize(200, 100);
    Show(f);
    // Client size <-> window size in both directions.
    EXPECT_EQ(f->ClientWidth(), 200);
    EXPECT_EQ(f->ClientHeight(), 100);
    EXPECT_EQ(f->Width(), 200 + 2 * k.Border);
    EXPECT_EQ(f->Height(), 100 + 2 * k.Border + k.Caption);
    EXPECT_EQ(f->ClientToWindowSize({50, 60}), (gfx::Size{50 + 2 * k.Border, 60 + 2 * k.Border + k.Caption}));
    EXPECT_EQ(f->WindowToClientSize(f->ClientToWindowSize({50, 60})), (gfx::Size{50, 60}));

    gfx::Rect w = f->WindowRect();
    auto hit = [&](int x, int y) {
      return static_cast<int>(f->Perform(WM_NCHITTEST, 0, PointToParam(w.Left + x, w.Top + y)));
    };
    int capY = k.Border + k.Caption / 2;
    EXPECT_EQ(hit(0, f->Height() / 2), k.Left);
    EXPECT_EQ(hit(0, 0), k.TopLeft);
    EXPECT_EQ(hit(f->Width() / 2, capY), k.CaptionMid);
    gfx::Rect close = f->CaptionButtonRect(HTCLOSE);
    if (k.Caption) {
      EXPECT_EQ(hit(close.Left + 2, close.Top + 2), k.Close);
      EXPECT_EQ(hit(close.Left - 2 - close.Width() - 4, close.Top + 2), k.MinPlace);
      EXPECT_EQ(hit(k.Border + 6, capY), k.Icon);
    }
    EXPECT_EQ(hit(f->Width() / 2, f->Height() - 1 - (k.Border ? 0 : 10)), k.Border == 4 ? HTBOTTOM : k.Left);
    EXPECT_EQ(hit(-1, -1), HTNOWHERE);
    EXPECT_EQ(hit(k.Border + 5, k.Border + k.Caption + 5), HTCLIENT);
    delete f;
  }
}

TEST_F(FrameTest, MenuBarAddsToTheFrameAndHitsAsMenu) {
  Form* f = NewForm({100, 100, 400, 300}, BorderStyle::bsSizeable);
  auto* menu = new MainMenu(f);
  auto* file = new MenuItem(f);
  file->SetCaption("&File");
  menu->Items()->Add(file);
  f->SetMenu(menu);
  f->SetClientSize(200, 100);
  Show(f);
  EXPECT_EQ(f->MenuLineCount(), 1);
  EXPECT_EQ(f->Height(), 100 + 8 + 19 + GetSystemMetrics(SM_CYMENU));
  gfx::Rect bar = f->MenuBarRect().Offset(f->Left(), f->Top());
  EXPECT_EQ(f->Perform(WM_NCHITTEST, 0, PointToParam(bar.Left + 3, bar.Top + 3)), HTMENU);
  // The item's rectangle in screen coordinates lies on the bar.
  gfx::Rect item = f->MenuBar().ItemScreenRect(file);
  EXPECT_EQ(item.Top, bar.Top);
  EXPECT_EQ(item.Height(), GetSystemMetrics(SM_CYMENU) - 1);
  EXPECT_GT(item.Width(), 0);
}

TEST_F(FrameTest, DraggingTheCaptionMovesTheFormAndHandlersMayAdjust) {
  Form* f = NewForm({100, 100, 400, 300}, BorderStyle::bsSingle);
  Show(f);
  gfx::Point grab{f->Left() + 100, f->Top() + 10};
  screen().InjectMouseDown(grab);
  screen().InjectMouseMove({grab.X + 30, grab.Y + 20});
  screen().InjectMouseMove({grab.X + 50, grab.Y + 40});
  screen().InjectMouseUp({grab.X + 50, grab.Y + 40});
  app().ProcessMessages();
  EXPECT_EQ(f->BoundsRect(), (gfx::Rect{150, 140, 450, 340}));
  EXPECT_EQ(screen().Bounds(f->Surface()->Surface()), f->BoundsRect());

  // A position-changing handler snaps the left edge to 0.
  ProcHook snap(*f, [](Message& m, const WndMethod& next) {
    if (m.msg == WM_WINDOWPOSCHANGING) reinterpret_cast<WindowPos*>(m.lParam)->X = 0;
    next(m);
  });
  int moves = 0;
  ProcHook count(*f, [&](Message& m, const WndMethod& next) {
    if (m.msg == WM_MOVE) ++moves;
    next(m);
  });
  grab = {f->Left() + 100, f->Top() + 10};
  screen().InjectMouseDown(grab);
  screen().InjectMouseMove({grab.X + 30, grab.Y + 5});
  screen().InjectMouseUp({grab.X + 30, grab.Y + 5});
  app().ProcessMessages();
  EXPECT_EQ(f->Left(), 0);
  EXPECT_EQ(f->Top(), 145);
  EXPECT_GE(moves, 1);
}

TEST_F(FrameTest, SizingByTheBorderRespectsConstraints) {
  Form* f = NewForm({100, 100, 400, 300}, BorderStyle::bsSizeable);
  f->SetConstraints({0, 0, 350, 0});
  Show(f);
  gfx::Point edge{f->Left() + f->Width() - 2, f->Top() + 100};
  ASSERT_EQ(f->Perform(WM_NCHITTEST, 0, PointToParam(edge.X, edge.Y)), HTRIGHT);
  std::vector<int> widths;
  ProcHook rec(*f, [&](Message& m, const WndMethod& next) {
    if (m.msg == WM_WINDOWPOSCHANGED) widths.push_back(reinterpret_cast<const WindowPos*>(m.lParam)->Cx);
    next(m);
  });
  // The size loop is modal: the whole drag is queued before it runs.
  screen().InjectMouseDown(edge);
  screen().InjectMouseMove({edge.X + 20, edge.Y});
  screen().InjectMouseMove({edge.X + 200, edge.Y});
  screen().InjectMouseUp({edge.X + 200, edge.Y});
  app().ProcessMessages();
  ASSERT_FALSE(widths.empty());
  EXPECT_EQ(widths.front(), 320);
  EXPECT_EQ(f->Width(), 350);
  EXPECT_EQ(f->ClientWidth(), 350 - 8);
}

TEST_F(FrameTest, MaximiseHonoursTheQueryAnswerRestoreAndClose) {
  Form* f = NewForm({100, 100, 400, 300}, BorderStyle::bsSizeable);
  ProcHook q(*f, [](Message& m, const WndMethod& next) {
    next(m);
    if (m.msg == WM_GETMINMAXINFO) {
      auto* mmi = reinterpret_cast<MinMaxInfo*>(m.lParam);
      mmi->MaxPosition = {-10, -12};
      mmi->MaxSize = {500, 400};
    }
  });
  Show(f);
  // The maximise button.
  gfx::Rect max = f->CaptionButtonRect(HTMAXBUTTON).Offset(f->Left(), f->Top());
  Click({max.Left + 3, max.Top + 3});
  EXPECT_EQ(f->GetWindowState(), WindowState::wsMaximized);
  EXPECT_EQ(f->BoundsRect(), (gfx::Rect{-10, -12, 490, 388}));
  f->Perform(WM_SYSCOMMAND, SC_RESTORE);
  EXPECT_EQ(f->BoundsRect(), (gfx::Rect{100, 100, 400, 300}));
  // Double click on the caption maximises too.
  gfx::Point cap{f->Left() + 60, f->Top() + 10};
  Click(cap);
  Click(cap);
  EXPECT_EQ(f->GetWindowState(), WindowState::wsMaximized);
  f->SetWindowState(WindowState::wsNormal);
  // The close button closes (hides) a secondary form.
  Form* main = NewForm({0, 0, 50, 50});
  app().SetMainForm(main);
  gfx::Rect close = f->CaptionButtonRect(HTCLOSE).Offset(f->Left(), f->Top());
  bool closed = false;
  f->OnClose = [&](Component*, CloseAction&) { closed = true; };
  Click({close.Left + 3, close.Top + 3});
  EXPECT_TRUE(closed);
  EXPECT_FALSE(f->Visible());
}

TEST_F(FrameTest, PressOnCloseButtonReleasedOutsideDoesNotClose) {
  Form* f = NewForm({100, 100, 400, 300}, BorderStyle::bsToolWindow);
  bool closed = false;
  f->OnClose = [&](Component*, CloseAction&) { closed = true; };
  Show(f);
  gfx::Rect close = f->CaptionButtonRect(HTCLOSE).Offset(f->Left(), f->Top());
  screen().InjectMouseDown({close.Left + 3, close.Top + 3});
  screen().InjectMouseMove({close.Left - 40, close.Top + 3});
  screen().InjectMouseUp({close.Left - 40, close.Top + 3});
  app().ProcessMessages();
  EXPECT_FALSE(closed);
  EXPECT_TRUE(f->Visible());
}

TEST_F(FrameTest, FramePaintsCaptionColourAndNonClientPaintCanBeReplaced) {
  Form* f = NewForm({100, 100, 400, 300}, BorderStyle::bsSingle);
  Show(f);
  gfx::Point capPixel{f->Left() + 150, f->Top() + 4};
  EXPECT_EQ(Pixel(capPixel), gfx::ColorToRGB(gfx::clActiveCaption));
  // A frame painter takes over the non-client paint.
  ProcHook painter(*f, [&](Message& m, const WndMethod& next) {
    if (m.msg == WM_NCPAINT) {
      std::unique_ptr<gfx::Canvas> own;
      gfx::Canvas* c = reinterpret_cast<gfx::Canvas*>(m.wParam);
      if (!c) {
        own = f->GetSurface(SurfaceArea::Window);
        c = own.get();
      }
      c->FillRect({0, 0, f->Width(), f->Height()}, gfx::RGB(9, 8, 7));
      return;
    }
    next(m);
  });
  f->RedrawWindow(nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_EQ(Pixel(capPixel), gfx::RGB(9, 8, 7));
  // The whole-window surface never overwrites the client area.
  EXPECT_EQ(Pixel(ClientPoint(f, 5, 5)), gfx::ColorToRGB(gfx::clBtnFace));
}

TEST_F(FrameTest, PositionCentresOnDesktopOnceAndOnMainFormEveryTime) {
  Form* main = NewForm({0, 0, 400, 300});
  main->SetPosition(Position::poDesktopCenter);
  app().SetMainForm(main);
  Show(main);
  EXPECT_EQ(main->Left(), (1280 - 400) / 2);
  EXPECT_EQ(main->Top(), (1024 - 300) / 2);
  Form* dlg = NewForm({0, 0, 200, 100});
  dlg->SetPosition(Position::poMainFormCenter);
  Show(dlg);
  EXPECT_EQ(dlg->Left(), main->Left() + 100);
  dlg->HideForm();
  main->SetBounds(10, 20, 400, 300);
  Show(dlg);
  EXPECT_EQ(dlg->Left(), 110);
  EXPECT_EQ(dlg->Top(), 120);
}

}  // namespace
}  // namespace ui::testing
