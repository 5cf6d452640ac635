// Top-level windows that answer HTTRANSPARENT to the hit test (glow windows
// around a form) let the mouse through to the window below them: clicks,
// moves, the cursor and enter/leave notices all go to that window.
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "platform/ui/ProcChain.h"
#include "platform/ui/controls/Button.h"
#include "platform/ui/forms/TopLevelWindow.h"
#include "tests/platform/ui/UiFixture.h"

namespace ui::testing {
namespace {

// Names of the mouse messages a window may get; others are not logged.
const char* MouseMessageName(std::uint32_t msg) {
  switch (msg) {
    case WM_MOUSEMOVE: return "move";
    case WM_LBUTTONDOWN: return "down";
    case WM_LBUTTONUP: return "up";
    case WM_NCMOUSEMOVE: return "ncmove";
    case WM_NCLBUTTONDOWN: return "ncdown";
    case WM_NCLBUTTONUP: return "ncup";
    case WM_MOUSEACTIVATE: return "activate";
    case WM_SETCURSOR: return "setcursor";
    case WM_MOUSELEAVE: return "left";
    case WM_NCMOUSELEAVE: return "ncleft";
    case CM_MOUSEENTER: return "enter";
    case CM_MOUSELEAVE: return "leave";
    default: return nullptr;
  }
}

// A sizeable form with a push button; a borderless, non-activating window
// above them covers the left border, the left half of the button and some
// desktop left of the form. It answers HTTRANSPARENT wherever `answer`
// says so (everywhere by default).
class HitTestPassThrough : public UiFixture {
 protected:
  void SetUp() override {
    form = NewForm({100, 100, 400, 300}, BorderStyle::bsSizeable);
    button = new Button(form);
    button->SetParent(form);
    button->SetBounds(20, 20, 100, 25);
    button->SetCursor(crHandPoint);
    button->OnClick = [this](Component*) { ++clicks; };
    Show(form);
    const gfx::Point b = ClientPoint(button, 0, 0);
    glow = NewGlow({50, b.Y - 20, b.X + 50, b.Y + 45});
    Watch(form, "form");
    Watch(button, "button");
  }

  Form* NewGlow(const gfx::Rect& bounds) {
    Form* g = NewForm(bounds, BorderStyle::bsNone);
    g->SetExStyle(g->ExStyle() | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE);
    hooks.emplace_back(*g, [this](Message& m, const WndMethod& next) {
      if (m.msg == WM_NCHITTEST) {
        const gfx::Point p{static_cast<std::int16_t>(LoWord(static_cast<WPARAM>(m.lParam))),
                           static_cast<std::int16_t>(HiWord(static_cast<WPARAM>(m.lParam)))};
        if (answer(p)) {
          m.result = HTTRANSPARENT;
          return;
        }
      }
      next(m);
    });
    g->ShowNoActivate();
    app().ProcessMessages();
    Watch(g, "glow");
    return g;
  }

  void Watch(Control* c, const std::string& name) {
    hooks.emplace_back(*c, [this, name](Message& m, const WndMethod& next) {
      if (const char* what = MouseMessageName(m.msg)) log.push_back(name + " " + what);
      next(m);
    });
  }

  int Count(const std::string& entry) const {
    return static_cast<int>(std::count(log.begin(), log.end(), entry));
  }
  // Log entries that start with `who`.
  std::vector<std::string> LogOf(const std::string& who) const {
    std::vector<std::string> out;
    for (const std::string& s : log)
      if (s.rfind(who + " ", 0) == 0) out.push_back(s);
    return out;
  }

  backend::SurfaceId SurfaceOf(Form* f) const { return f->Surface()->Surface(); }
  gfx::Point ButtonUnderGlow() { return ClientPoint(button, 10, 12); }
  gfx::Point ButtonBesideGlow() { return ClientPoint(button, 80, 12); }
  gfx::Point DesktopUnderGlow() { return {60, ButtonUnderGlow().Y}; }

  Form* form = nullptr;
  Form* glow = nullptr;
  Button* button = nullptr;
  int clicks = 0;
  std::function<bool(gfx::Point)> answer = [](gfx::Point) { return true; };
  std::vector<std::string> log;
  std::vector<ProcHook> hooks;
};

TEST_F(HitTestPassThrough, TheGlowReallyCoversTheButton) {
  ASSERT_EQ(screen().SurfaceAt(ButtonUnderGlow()), SurfaceOf(glow));
  ASSERT_EQ(screen().SurfaceAt(ButtonBesideGlow()), SurfaceOf(form));
  ASSERT_EQ(screen().SurfaceAt(DesktopUnderGlow()), SurfaceOf(glow));
}

TEST_F(HitTestPassThrough, ClickThroughOneOrTwoWindowsReachesTheButton) {
  for (int layers : {1, 2}) {
    SCOPED_TRACE(layers);
    if (layers == 2) NewGlow(glow->BoundsRect());
    clicks = 0;
    log.clear();
    Click(ButtonUnderGlow());
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(LogOf("glow").empty()) << ::testing::PrintToString(log);
    EXPECT_TRUE(form->Active());
  }
}

TEST_F(HitTestPassThrough, AClickThroughActivatesTheFormBelow) {
  auto* other = NewForm({500, 100, 700, 300});
  Show(other);
  ASSERT_TRUE(other->Active());
  Click(ButtonUnderGlow());
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(form->Active());
}

TEST_F(HitTestPassThrough, TheCursorFollowsTheWindowBelow) {
  struct Case {
    const char* name;
    gfx::Point at;
    backend::Cursor expected;
  };
  const Case cases[] = {
      {"button", ButtonUnderGlow(), backend::Cursor::Hand},
      {"client", ClientPoint(form, 5, 40), backend::Cursor::Arrow},
      {"left border", {form->Left() + 1, ButtonUnderGlow().Y}, backend::Cursor::SizeWE},
      {"button again", ButtonUnderGlow(), backend::Cursor::Hand},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_EQ(screen().SurfaceAt(c.at), SurfaceOf(glow));
    Move(c.at);
    // The pointer is over the glow, which shows the form's cursor.
    EXPECT_EQ(screen().CursorOf(SurfaceOf(glow)), c.expected);
    EXPECT_EQ(screen().CursorOf(SurfaceOf(form)), c.expected);
  }
  EXPECT_TRUE(LogOf("glow").empty()) << LogOf("glow").front();
}

TEST_F(HitTestPassThrough, EnterAndLeaveGoToTheWindowThatGetsTheMouse) {
  Move({20, 20});  // the bare desktop
  log.clear();
  Move(ButtonUnderGlow());
  EXPECT_EQ(Count("button enter"), 1);
  EXPECT_EQ(Count("button move"), 1);
  // Out from under the glow, still over the button, and back: the button
  // keeps the mouse throughout.
  log.clear();
  Move(ButtonBesideGlow());
  Move(ButtonUnderGlow());
  EXPECT_EQ(Count("button move"), 2);
  EXPECT_EQ(Count("button enter") + Count("button leave") + Count("button left"), 0)
      << ::testing::PrintToString(log);
  // Onto the desktop under the glow: the button loses the mouse and nobody
  // else gets it.
  log.clear();
  Move(DesktopUnderGlow());
  EXPECT_EQ(Count("button leave"), 1);
  EXPECT_EQ(Count("button left"), 1);
  EXPECT_EQ(Count("form move") + Count("form ncmove") + Count("button move"), 0);
  EXPECT_TRUE(LogOf("glow").empty()) << ::testing::PrintToString(log);
}

TEST_F(HitTestPassThrough, PressAndReleaseThroughTheGlowKeepTheHover) {
  // The release comes through the glow while the button holds the capture.
  Move(ButtonUnderGlow());
  log.clear();
  Click(ButtonUnderGlow());
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(Count("button leave"), 0) << ::testing::PrintToString(log);
  EXPECT_TRUE(LogOf("glow").empty()) << ::testing::PrintToString(log);
}

TEST_F(HitTestPassThrough, OverTheBareDesktopNothingGetsTheMouse) {
  Move({20, 20});
  log.clear();
  Move(DesktopUnderGlow());
  Click(DesktopUnderGlow());
  screen().InjectMouseWheel(DesktopUnderGlow(), 120);
  app().ProcessMessages();
  EXPECT_TRUE(log.empty()) << log.front();
  EXPECT_EQ(clicks, 0);
  EXPECT_TRUE(form->Active());
}

TEST_F(HitTestPassThrough, ThePassageIsDecidedPerPoint) {
  // Transparent only over the desktop part: over the form the glow takes
  // the mouse itself.
  answer = [this](gfx::Point p) { return p.X < form->Left(); };
  log.clear();
  Click(ButtonUnderGlow());
  EXPECT_EQ(clicks, 0);
  EXPECT_FALSE(LogOf("glow").empty());
  // Where it lets the mouse through to the bare desktop, it only hears that
  // the mouse left it.
  log.clear();
  Click(DesktopUnderGlow());
  EXPECT_EQ(log, (std::vector<std::string>{"glow left", "glow leave"}));
}

}  // namespace
}  // namespace ui::testing
