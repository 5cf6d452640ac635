// Mouse routing: clicks, capture, disabled controls, double clicks, enter
// and leave notices, mouse-left-window messages and the wheel.
#include <string>
#include <vector>

#include "platform/ui/forms/TopLevelWindow.h"
#include "tests/platform/ui/TestControls.h"
#include "tests/platform/ui/UiFixture.h"

namespace ui::testing {
namespace {

class InputTest : public UiFixture {
 protected:
  void SetUp() override {
    form = NewForm({100, 100, 400, 300});
    form->SetName("form");
    a = new Probe(form, form, {10, 10, 60, 40}, gfx::RGB(255, 0, 0));
    b = new Probe(form, form, {100, 10, 150, 40}, gfx::RGB(0, 0, 255));
    Show(form);
  }
  Form* form = nullptr;
  Probe* a = nullptr;
  Probe* b = nullptr;
};

TEST_F(InputTest, ClickNeedsPressAndReleaseInside) {
  Click(ClientPoint(a, 5, 5));
  EXPECT_EQ(a->clicks, 1);
  EXPECT_EQ(b->clicks, 0);

  // Press inside, release outside: the control keeps the capture, sees the
  // release, but there is no click.
  Down(ClientPoint(a, 5, 5));
  EXPECT_TRUE(a->MouseCapture());
  Move(ClientPoint(b, 5, 5));
  EXPECT_EQ(a->lastMove, (gfx::Point{95, 5}));  // a's coordinates while captured
  EXPECT_EQ(b->moves, 0);
  Up(ClientPoint(b, 5, 5));
  EXPECT_EQ(a->ups, 2);
  EXPECT_EQ(a->clicks, 1);
  EXPECT_EQ(b->clicks, 0);
  EXPECT_FALSE(a->MouseCapture());

  // Leaving and coming back before the release still clicks.
  Down(ClientPoint(a, 5, 5));
  Move(ClientPoint(b, 5, 5));
  Move(ClientPoint(a, 6, 6));
  Up(ClientPoint(a, 6, 6));
  EXPECT_EQ(a->clicks, 2);
}

TEST_F(InputTest, DisabledControlGetsNoClickTheParentDoes) {
  int formDowns = 0;
  form->OnMouseDown = [&](Component*, MouseButton, ShiftState, int, int) { ++formDowns; };
  a->SetEnabled(false);
  Click(ClientPoint(a, 5, 5));
  EXPECT_EQ(a->downs, 0);
  EXPECT_EQ(a->clicks, 0);
  EXPECT_EQ(formDowns, 1);
}

TEST_F(InputTest, TopmostOfOverlappingChildrenWins) {
  auto* top = new Probe(form, form, {40, 20, 120, 35}, gfx::RGB(0, 255, 0));  // overlaps a and b, added last
  Click(ClientPoint(form, 50, 25));
  EXPECT_EQ(top->clicks, 1);
  EXPECT_EQ(a->clicks, 0);
  app().ProcessMessages();
  EXPECT_EQ(Pixel(ClientPoint(form, 50, 25)), gfx::RGB(0, 255, 0));
  EXPECT_EQ(Pixel(ClientPoint(form, 20, 15)), gfx::RGB(255, 0, 0));
}

TEST_F(InputTest, DoubleClicksOnlyForControlsThatWantThem) {
  gfx::Point p = ClientPoint(a, 5, 5);
  Click(p);
  Click(p);
  EXPECT_EQ(a->dblclicks, 1);
  EXPECT_EQ(a->downs, 2);

  b->SetControlStyle(b->ControlStyle() & ~csDoubleClicks);
  gfx::Point q = ClientPoint(b, 5, 5);
  Click(q);
  Click(q);
  EXPECT_EQ(b->dblclicks, 0);
  EXPECT_EQ(b->clicks, 2);

  // Too slow is two single clicks.
  screen().AdvanceClock(600);
  Click(p);
  screen().AdvanceClock(600);
  Click(p);
  EXPECT_EQ(a->dblclicks, 1);
}

// Records enter/leave notices as "<receiver> +<who>" / "<receiver> -<who>".
class Recorder {
 public:
  void Watch(Control* c) {
    hooks_.emplace_back(*c, [this, c](Message& m, const WndMethod& next) {
      if (m.msg == CM_MOUSEENTER || m.msg == CM_MOUSELEAVE) {
        auto* who = reinterpret_cast<Control*>(m.lParam);
        log.push_back(c->Name() + (m.msg == CM_MOUSEENTER ? " +" : " -") + who->Name());
      }
      if (m.msg == WM_MOUSELEAVE) log.push_back(c->Name() + " left");
      if (m.msg == WM_NCMOUSELEAVE) log.push_back(c->Name() + " ncleft");
      next(m);
    });
  }
  std::vector<std::string> log;

 private:
  std::vector<ProcHook> hooks_;
};

TEST_F(InputTest, EnterAndLeaveBubbleWithTheControlThatChanged) {
  auto* panel = new WinControl(form);
  panel->SetName("panel");
  panel->SetBoundsRect({10, 100, 210, 180});
  panel->SetParent(form);
  auto* c = new Probe(form, panel, {10, 10, 40, 40}, gfx::RGB(1, 2, 3));
  c->SetName("c");
  app().ProcessMessages();
  Recorder rec;
  rec.Watch(form);
  rec.Watch(panel);
  rec.Watch(c);
  int enters = 0, leaves = 0;
  c->OnMouseEnter = [&](Component*) { ++enters; };
  c->OnMouseLeave = [&](Component*) { ++leaves; };

  Move(ClientPoint(panel, 100, 60));
  Move(ClientPoint(c, 5, 5));
  Move(ClientPoint(panel, 100, 60));
  std::vector<std::string> want{
      "panel +panel", "form +panel",                                        // into the panel
      "panel -panel", "form -panel", "c +c",    "panel +c",     "form +c",  // onto c
      "c -c",         "panel -c",    "form -c", "panel +panel", "form +panel"};
  EXPECT_EQ(rec.log, want);
  EXPECT_EQ(enters, 1);
  EXPECT_EQ(leaves, 1);
}

TEST_F(InputTest, MouseLeftWindowForClientAndNonClient) {
  Recorder rec;
  rec.Watch(form);
  Move(ClientPoint(form, 200, 100));
  Move({form->Left() + 30, form->Top() + 10});  // caption
  Move({form->Left() + 30, form->Top() + 60});  // client again
  Move({10, 10});                               // desktop
  int left = 0, ncleft = 0;
  for (auto& s : rec.log) {
    left += s == "form left";
    ncleft += s == "form ncleft";
  }
  EXPECT_EQ(left, 2);
  EXPECT_EQ(ncleft, 1);
}

TEST_F(InputTest, HidingTheFormUnderThePointerSendsLeave) {
  int leaves = 0;
  a->OnMouseLeave = [&](Component*) { ++leaves; };
  Move(ClientPoint(a, 5, 5));
  EXPECT_EQ(app().HoverControl(), a);
  form->HideForm();
  EXPECT_EQ(leaves, 1);
  EXPECT_EQ(app().HoverControl(), nullptr);
}

TEST_F(InputTest, WheelGoesToTheWindowUnderThePointerAndBubbles) {
  auto* panel = new WinControl(form);
  panel->SetBoundsRect({10, 100, 210, 180});
  panel->SetParent(form);
  app().ProcessMessages();
  int formDelta = 0;
  form->OnMouseWheel = [&](Component*, ShiftState, int d, gfx::Point, bool& handled) {
    formDelta += d;
    handled = true;
  };
  screen().InjectMouseWheel(ClientPoint(panel, 5, 5), -120);
  app().ProcessMessages();
  EXPECT_EQ(formDelta, -120);
}

TEST_F(InputTest, CursorFollowsHitCodesAndControlCursors) {
  Form* f = NewForm({500, 100, 800, 300}, BorderStyle::bsSizeable);
  auto* link = new Probe(f, f, {10, 10, 60, 30}, gfx::RGB(0, 0, 255));
  link->SetCursor(crHandPoint);
  Show(f);
  backend::SurfaceId s = f->Surface()->Surface();
  Move({f->Left() + 1, f->Top() + 100});
  EXPECT_EQ(screen().CursorOf(s), backend::Cursor::SizeWE);
  Move({f->BoundsRect().Right - 1, f->BoundsRect().Bottom - 1});
  EXPECT_EQ(screen().CursorOf(s), backend::Cursor::SizeNWSE);
  Move(ClientPoint(link, 5, 5));
  EXPECT_EQ(screen().CursorOf(s), backend::Cursor::Hand);
  Move(ClientPoint(f, 200, 100));
  EXPECT_EQ(screen().CursorOf(s), backend::Cursor::Arrow);
}

}  // namespace
}  // namespace ui::testing
