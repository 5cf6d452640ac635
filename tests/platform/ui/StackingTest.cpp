// Stacking of top-level windows: directly above/below another without
// activating, topmost, the window above a given one, the window at a point.
#include "platform/ui/Screen.h"
#include "tests/platform/ui/TestControls.h"
#include "tests/platform/ui/UiFixture.h"

namespace ui::testing {
namespace {

using StackingTest = UiFixture;

TEST_F(StackingTest, PlaceAboveAndBelowWithoutActivatingAndTopmost) {
  Form* a = NewForm({100, 100, 300, 300}, BorderStyle::bsNone);
  Form* b = NewForm({150, 150, 350, 350}, BorderStyle::bsNone);
  Form* c = NewForm({200, 200, 400, 400}, BorderStyle::bsNone);
  a->SetColor(gfx::RGB(255, 0, 0));
  b->SetColor(gfx::RGB(0, 255, 0));
  c->SetColor(gfx::RGB(0, 0, 255));
  Show(a);
  Show(b);
  c->ShowNoActivate();
  app().ProcessMessages();
  EXPECT_TRUE(b->Active());
  EXPECT_FALSE(c->Active());
  auto& scr = app().Screen();
  EXPECT_EQ(scr.WindowAbove(a), b);
  EXPECT_EQ(scr.WindowAbove(b), c);
  EXPECT_EQ(scr.TopLevelAt({250, 250}), c);

  a->PlaceAbove(*c);
  app().ProcessMessages();
  EXPECT_EQ(scr.TopLevelAt({250, 250}), a);
  EXPECT_EQ(Pixel({250, 250}), gfx::RGB(255, 0, 0));
  EXPECT_TRUE(b->Active());  // no activation change

  a->PlaceBelow(*b);
  app().ProcessMessages();
  EXPECT_EQ(scr.WindowAbove(a), b);
  EXPECT_EQ(Pixel({220, 220}), gfx::RGB(0, 0, 255));

  a->SetTopmost(true);
  EXPECT_TRUE(a->Topmost());
  c->BringToFront();
  app().ProcessMessages();
  EXPECT_EQ(scr.TopLevelAt({250, 250}), a);  // topmost stays above
  EXPECT_EQ(scr.WindowFromPoint({380, 380}), c);
}

}  // namespace
}  // namespace ui::testing
