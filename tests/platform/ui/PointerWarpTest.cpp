// The keyboard move and size loops put the pointer where a drag would take
// hold (caption centre; window centre, then the picked edge), and the warp
// itself moves nothing. The headless warp reports the move it causes.
#include <vector>

#include "platform/ui/Screen.h"
#include "platform/ui/forms/MoveSizeLoop.h"
#include "platform/ui/forms/TopLevelWindow.h"
#include "tests/platform/ui/LoopSteps.h"
#include "tests/platform/ui/TestControls.h"
#include "tests/platform/ui/UiFixture.h"

namespace ui::testing {
namespace {

const gfx::Rect kStart{100, 100, 500, 400};

class PointerWarpTest : public UiFixture {
 protected:
  void SetUp() override {
    form_ = NewForm(kStart, BorderStyle::bsSizeable);
    app().SetMainForm(form_);
    Show(form_);
    Move({20, 20});  // on the desktop, away from the form
  }
  void Run(WPARAM command, std::vector<LoopSteps::Step> steps) {
    LoopSteps run(app(), std::move(steps));
    form_->Perform(WM_SYSCOMMAND, command);
    EXPECT_TRUE(run.Done()) << "the loop did not end";
  }
  gfx::Point CaptionCentre() {
    gfx::Rect cap = form_->CaptionRect().Offset(form_->Left(), form_->Top());
    return {cap.Left + cap.Width() / 2, cap.Top + cap.Height() / 2};
  }

  Form* form_ = nullptr;
};

TEST_F(PointerWarpTest, HeadlessWarpMovesThePointerAndReportsTheMove) {
  auto* probe = new Probe(form_, form_, {0, 0, 100, 100}, gfx::RGB(0, 120, 0));
  app().ProcessMessages();
  gfx::Point inside = ClientPoint(probe, 40, 30);
  int moves = probe->moves;
  screen().SetPointerPosition(inside);
  app().ProcessMessages();
  EXPECT_EQ(screen().PointerPosition(), inside);
  EXPECT_EQ(app().Screen().CursorPos(), inside);
  EXPECT_EQ(probe->moves, moves + 1);
  // To where it already is: nothing happens.
  screen().SetPointerPosition(inside);
  app().ProcessMessages();
  EXPECT_EQ(probe->moves, moves + 1);
}

TEST_F(PointerWarpTest, KeyboardMoveStartsWithThePointerOnTheCaptionCentre) {
  const gfx::Point expected = CaptionCentre();
  gfx::Point warped;
  Run(SC_MOVE, {[&] {
                  warped = screen().PointerPosition();
                  EXPECT_EQ(form_->BoundsRect(), kStart);  // the warp moved nothing
                  screen().InjectMouseMove({warped.X + 25, warped.Y + 15});
                },
                [&] {
                  EXPECT_EQ(form_->BoundsRect(), kStart.Offset(25, 15));
                  screen().InjectKey(VK_RETURN);
                }});
  EXPECT_EQ(warped, expected);
  EXPECT_EQ(form_->BoundsRect(), kStart.Offset(25, 15));
}

TEST_F(PointerWarpTest, KeyboardSizeFollowsThePickedEdgesWithThePointer) {
  const gfx::Point centre{kStart.Left + kStart.Width() / 2, kStart.Top + kStart.Height() / 2};
  struct Case {
    int FirstKey, SecondKey;
    gfx::Point AfterFirst, AfterSecond;
    gfx::Rect AfterDrag;  // the pointer then moved by (-10, +10)
  };
  const Case cases[] = {
      {VK_LEFT, VK_UP, {kStart.Left, centre.Y}, {kStart.Left, kStart.Top}, {90, 110, 500, 400}},
      {VK_RIGHT,
       VK_DOWN,
       {kStart.Right - 1, centre.Y},
       {kStart.Right - 1, kStart.Bottom - 1},
       {100, 100, 490, 410}},
      {VK_DOWN,
       VK_LEFT,
       {centre.X, kStart.Bottom - 1},
       {kStart.Left, kStart.Bottom - 1},
       {90, 100, 500, 410}},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.FirstKey);
    form_->SetBoundsRect(kStart);
    std::vector<gfx::Point> seen;
    Run(SC_SIZE, {[&] {
                    seen.push_back(screen().PointerPosition());
                    screen().InjectKey(k.FirstKey);
                  },
                  [&] {
                    seen.push_back(screen().PointerPosition());
                    screen().InjectKey(k.SecondKey);
                  },
                  [&] {
                    gfx::Point at = screen().PointerPosition();
                    seen.push_back(at);
                    EXPECT_EQ(form_->BoundsRect(), kStart);
                    screen().InjectMouseMove({at.X - 10, at.Y + 10});
                  },
                  [&] { screen().InjectKey(VK_RETURN); }});
    EXPECT_EQ(seen, (std::vector<gfx::Point>{centre, k.AfterFirst, k.AfterSecond}));
    EXPECT_EQ(form_->BoundsRect(), k.AfterDrag);
  }
}

}  // namespace
}  // namespace ui::testing
