// Moving and sizing a form from the keyboard (Move and Size of the system
// menu): arrow steps, edges picked by the first arrow, the mouse following,
// Enter or a click accepting, Esc restoring, limits, and the rest of the
// program going on meanwhile.
#include <algorithm>
#include <vector>

#include "platform/ui/Screen.h"
#include "platform/ui/forms/MoveSizeLoop.h"
#include "platform/ui/forms/TopLevelWindow.h"
#include "platform/ui/menus/Menus.h"
#include "tests/platform/ui/LoopSteps.h"
#include "tests/platform/ui/TestControls.h"
#include "tests/platform/ui/UiFixture.h"

namespace ui::testing {
namespace {

const gfx::Rect kStart{100, 100, 500, 400};

class KeyboardMoveSizeTest : public UiFixture {
 protected:
  void SetUp() override {
    form_ = NewForm(kStart, BorderStyle::bsSizeable);
    app().SetMainForm(form_);
    probe_ = new Probe(form_, form_, {0, 0, 380, 260}, gfx::RGB(0, 120, 0));
    Show(form_);
    log_ = ProcHook(*form_, [this](Message& m, const WndMethod& next) {
      switch (m.msg) {
        case WM_ENTERSIZEMOVE:
        case WM_EXITSIZEMOVE:
        case WM_MOVE:
        case WM_SIZE:
        case WM_WINDOWPOSCHANGING:
        case WM_WINDOWPOSCHANGED: messages_.push_back(m.msg); break;
        case WM_MOVING:
        case WM_SIZING:
          messages_.push_back(m.msg);
          edges_.push_back(static_cast<int>(m.wParam));
          break;
        default: break;
      }
      next(m);
    });
  }

  // Sends the system command and runs `steps` inside its loop.
  void Run(WPARAM command, std::vector<LoopSteps::Step> steps) {
    LoopSteps run(app(), std::move(steps));
    form_->Perform(WM_SYSCOMMAND, command);
    EXPECT_TRUE(run.Done()) << "the loop did not end";
  }
  void Keys(std::initializer_list<int> keys) {
    for (int k : keys) screen().InjectKey(k);
  }
  void CtrlKey(int key) {
    screen().InjectKeyDown(VK_CONTROL);
    screen().InjectKey(key);
    screen().InjectKeyUp(VK_CONTROL);
  }
  int Count(std::uint32_t msg) const {
    return static_cast<int>(std::count(messages_.begin(), messages_.end(), msg));
  }
  gfx::Rect BackendBounds() { return screen().Bounds(form_->Surface()->Surface()); }

  Form* form_ = nullptr;
  Probe* probe_ = nullptr;
  ProcHook log_;
  std::vector<std::uint32_t> messages_;
  std::vector<int> edges_;
};

TEST_F(KeyboardMoveSizeTest, ArrowsMoveInStepsAndEnterKeepsThePlace) {
  Run(SC_MOVE, {[&] {
                  Keys({VK_RIGHT, VK_RIGHT, VK_DOWN});
                },
                [&] {
                  EXPECT_EQ(form_->BoundsRect(),
                            kStart.Offset(2 * MoveSizeLoop::kKeyStep, MoveSizeLoop::kKeyStep));
                  EXPECT_EQ(app().Screen().GetCursor(), crSizeAll);
                  CtrlKey(VK_LEFT);
                },
                [&] {
                  EXPECT_EQ(form_->BoundsRect(), kStart.Offset(15, 8));
                  Keys({VK_RETURN});
                }});
  EXPECT_EQ(form_->BoundsRect(), kStart.Offset(15, 8));
  EXPECT_EQ(BackendBounds(), form_->BoundsRect());
  ASSERT_FALSE(messages_.empty());
  EXPECT_EQ(messages_.front(), WM_ENTERSIZEMOVE);
  EXPECT_EQ(messages_.back(), WM_EXITSIZEMOVE);
  EXPECT_EQ(Count(WM_MOVING), 4);
  EXPECT_EQ(Count(WM_WINDOWPOSCHANGING), 4);
  EXPECT_EQ(Count(WM_MOVE), 4);
  EXPECT_EQ(Count(WM_SIZE), 0);
  EXPECT_EQ(app().Screen().GetCursor(), crDefault);
}

TEST_F(KeyboardMoveSizeTest, EscPutsTheWindowBack) {
  struct Case {
    WPARAM Command;
    std::vector<int> Keys;
  };
  const Case cases[] = {{SC_MOVE, {VK_LEFT, VK_UP, VK_UP}},
                        {SC_SIZE, {VK_RIGHT, VK_RIGHT, VK_DOWN, VK_DOWN, VK_DOWN}}};
  for (const Case& k : cases) {
    SCOPED_TRACE(k.Command);
    messages_.clear();
    Run(k.Command, {[&] {
                      for (int key : k.Keys) screen().InjectKey(key);
                    },
                    [&] {
                      EXPECT_NE(form_->BoundsRect(), kStart);
                      Keys({VK_ESCAPE});
                    }});
    EXPECT_EQ(form_->BoundsRect(), kStart);
    EXPECT_EQ(BackendBounds(), kStart);
    EXPECT_EQ(messages_.back(), WM_EXITSIZEMOVE);
  }
}

TEST_F(KeyboardMoveSizeTest, FirstArrowPicksTheEdgeAndLimitsHoldTheOtherEdgeStill) {
  form_->SetConstraints({0, 250, 430, 0});
  const int step = MoveSizeLoop::kKeyStep;
  Run(SC_SIZE, {[&] { Keys({VK_LEFT}); },
                [&] {
                  // Picking the edge changes nothing yet.
                  EXPECT_EQ(form_->BoundsRect(), kStart);
                  EXPECT_EQ(app().Screen().GetCursor(), crSizeWE);
                  Keys({VK_LEFT, VK_LEFT, VK_LEFT, VK_LEFT, VK_LEFT});
                },
                [&] {
                  // 40 px wanted, 30 allowed; the right edge stays.
                  EXPECT_EQ(form_->BoundsRect(), (gfx::Rect{70, 100, 500, 400}));
                  Keys({VK_RIGHT});
                },
                [&] {
                  // The next step starts from where the edge stopped.
                  EXPECT_EQ(form_->BoundsRect(), (gfx::Rect{70 + step, 100, 500, 400}));
                  Keys({VK_UP});
                },
                [&] {
                  EXPECT_EQ(app().Screen().GetCursor(), crSizeNWSE);
                  Keys({VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN});
                },
                [&] {
                  EXPECT_EQ(form_->BoundsRect(), (gfx::Rect{70 + step, 150, 500, 400}));
                  Keys({VK_RETURN});
                }});
  EXPECT_EQ(form_->BoundsRect(), (gfx::Rect{70 + step, 150, 500, 400}));
  EXPECT_EQ(form_->ClientWidth(), 430 - step - 8);
  ASSERT_FALSE(edges_.empty());
  EXPECT_EQ(edges_.front(), WMSZ_LEFT);
  EXPECT_EQ(edges_.back(), WMSZ_TOPLEFT);
  EXPECT_GT(Count(WM_SIZE), 0);
}

TEST_F(KeyboardMoveSizeTest, TheMouseMovesTooAndAClickAcceptsWithoutReachingTheWindow) {
  Move(ClientPoint(probe_, 100, 100));
  int movesBefore = probe_->moves;
  const int up = 4 * MoveSizeLoop::kKeyStep;
  Run(SC_MOVE,
      {[&] {
         // From where the loop put the pointer (the caption).
         gfx::Point at = screen().PointerPosition();
         screen().InjectMouseMove({at.X + 30, at.Y + 20});
       },
       [&] {
         EXPECT_EQ(form_->BoundsRect(), kStart.Offset(30, 20));
         // Keys move the window under the still pointer: into the client.
         Keys({VK_UP, VK_UP, VK_UP, VK_UP});
       },
       [&] {
         EXPECT_EQ(form_->BoundsRect(), kStart.Offset(30, 20 - up));
         gfx::Point at = screen().PointerPosition();
         gfx::Point topLeft = ClientPoint(probe_, 0, 0);
         EXPECT_TRUE(
             gfx::Rect::FromXYWH(topLeft.X, topLeft.Y, probe_->Width(), probe_->Height()).Contains(at));
         screen().InjectClick(at);
       }});
  EXPECT_EQ(form_->BoundsRect(), kStart.Offset(30, 20 - up));
  EXPECT_EQ(probe_->downs + probe_->ups + probe_->clicks, 0);
  EXPECT_EQ(probe_->moves, movesBefore);
}

TEST_F(KeyboardMoveSizeTest, MaximisedTheCommandsAreGreyAndDoNothing) {
  struct Case {
    WindowState State;
    bool MoveAndSize;
  };
  for (const Case& k : {Case{WindowState::wsNormal, true}, Case{WindowState::wsMaximized, false}}) {
    SCOPED_TRACE(static_cast<int>(k.State));
    form_->SetWindowState(k.State);
    app().ProcessMessages();
    PopupMenu* menu = form_->SystemMenu();
    LoopSteps run(app(), {[&] {
                    for (MenuItem* it : menu->Items()->Items())
                      if (it->Command() == SC_MOVE || it->Command() == SC_SIZE) {
                        EXPECT_EQ(it->Enabled(), k.MoveAndSize) << it->Caption();
                      }
                    Keys({VK_ESCAPE});
                  }});
    form_->TrackSystemMenu({form_->Left() + 10, form_->Top() + 30});
    EXPECT_TRUE(run.Done());
  }
  // Maximised, the commands return at once.
  gfx::Rect maxed = form_->BoundsRect();
  messages_.clear();
  LoopSteps guard(app(), {});
  form_->Perform(WM_SYSCOMMAND, SC_MOVE);
  form_->Perform(WM_SYSCOMMAND, SC_SIZE);
  EXPECT_FALSE(guard.TimedOut());
  EXPECT_EQ(Count(WM_ENTERSIZEMOVE), 0);
  EXPECT_EQ(form_->BoundsRect(), maxed);
}

TEST_F(KeyboardMoveSizeTest, TimersAndOtherWindowsGoOnDuringTheLoop) {
  Form* other = NewForm({700, 100, 900, 300}, BorderStyle::bsNone);
  other->SetColor(gfx::RGB(255, 0, 0));
  other->ShowNoActivate();
  app().ProcessMessages();
  int ticks = 0;
  int timer = app().StartCallbackTimer(5, [&] { ++ticks; });
  int ticksAtStart = 0;
  Run(SC_MOVE, {[&] {
                  ticksAtStart = ticks;
                  other->SetColor(gfx::RGB(0, 0, 255));
                },
                [&] {
                  EXPECT_EQ(Pixel({800, 200}), gfx::RGB(0, 0, 255));
                  EXPECT_GT(ticks, ticksAtStart);
                  Keys({VK_RETURN});
                }});
  app().StopCallbackTimer(timer);
}

TEST_F(KeyboardMoveSizeTest, MoveFromTheSystemMenuByItsAccelerator) {
  LoopSteps run(app(), {[&] { Keys({'M'}); }, [&] { Keys({VK_RIGHT}); },
                        [&] {
                          EXPECT_EQ(form_->BoundsRect(), kStart.Offset(MoveSizeLoop::kKeyStep, 0));
                          Keys({VK_RETURN});
                        }});
  KeyWith(VK_MENU, VK_SPACE);
  EXPECT_TRUE(run.Done());
  EXPECT_EQ(form_->BoundsRect(), kStart.Offset(MoveSizeLoop::kKeyStep, 0));
  EXPECT_EQ(Count(WM_ENTERSIZEMOVE), 1);
}

}  // namespace
}  // namespace ui::testing
