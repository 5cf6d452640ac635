#include "platform/ui/controls/Bevel.h"
#include "platform/ui/controls/Panel.h"
#include "tests/platform/ui/controls/ControlsFixture.h"

namespace ui::test {
namespace {

using PanelBevelTest = ControlsFixture;

TEST_F(PanelBevelTest, BevelLinesByShapeAndStyle) {
  auto* b = new Bevel(form);
  b->SetParent(form);
  b->SetBounds(20, 20, 60, 40);
  ShowForm();
  gfx::Color dark = gfx::ColorToRGB(gfx::clBtnShadow), light = gfx::ColorToRGB(gfx::clBtnHighlight);
  struct Case {
    BevelShape Shape;
    BevelStyle Style;
    gfx::Point P1;
    gfx::Color C1;
    gfx::Point P2;
    gfx::Color C2;
  };
  const Case cases[] = {
      {BevelShape::bsTopLine, BevelStyle::bsLowered, {30, 0}, dark, {30, 1}, light},
      {BevelShape::bsTopLine, BevelStyle::bsRaised, {30, 0}, light, {30, 1}, dark},
      {BevelShape::bsBottomLine, BevelStyle::bsLowered, {30, 38}, dark, {30, 39}, light},
      {BevelShape::bsLeftLine, BevelStyle::bsLowered, {0, 20}, dark, {1, 20}, light},
      {BevelShape::bsRightLine, BevelStyle::bsLowered, {58, 20}, dark, {59, 20}, light},
      {BevelShape::bsBox, BevelStyle::bsLowered, {0, 20}, dark, {59, 20}, light},
      {BevelShape::bsFrame, BevelStyle::bsLowered, {0, 20}, dark, {1, 20}, light},
  };
  for (const Case& c : cases) {
    b->SetShape(c.Shape);
    b->SetStyle(c.Style);
    EXPECT_EQ(Pixel(*b, c.P1.X, c.P1.Y), c.C1) << static_cast<int>(c.Shape);
    EXPECT_EQ(Pixel(*b, c.P2.X, c.P2.Y), c.C2) << static_cast<int>(c.Shape);
  }
  b->SetShape(BevelShape::bsSpacer);
  EXPECT_EQ(Pixel(*b, 0, 0), gfx::ColorToRGB(form->Color()));
}

TEST_F(PanelBevelTest, PanelBevelsShrinkTheClientAndOnPaintRuns) {
  auto* p = new Panel(form);
  p->SetParent(form);
  p->SetBounds(10, 10, 120, 60);
  p->SetBevelInner(BevelCut::bvLowered);
  p->SetBevelWidth(2);
  p->SetBorderWidth(3);
  int painted = 0;
  p->OnPaint = [&](Component*, gfx::Canvas&) { ++painted; };
  ShowForm();
  EXPECT_GT(painted, 0);
  EXPECT_EQ(p->ClientWidth(), 120 - 6);
  EXPECT_EQ(p->DisplayRect(), (gfx::Rect{4, 4, 114 - 4, 54 - 4}));
  EXPECT_EQ(p->CaptionRect(), p->DisplayRect());
  // The outer bevel is raised: light at the top-left of the client area.
  EXPECT_EQ(backend.ScreenPixel(p->ClientToScreen({0, 0})), gfx::ColorToRGB(gfx::clBtnHighlight));
  // A child aligned to the client fills the area inside the bevels.
  auto* child = new Panel(form);
  child->SetParent(p);
  child->SetAlign(Align::alClient);
  EXPECT_EQ(child->BoundsRect(), p->DisplayRect());
}

TEST_F(PanelBevelTest, ParentBackgroundShowsTheParentColour) {
  auto* p = new Panel(form);
  p->SetParent(form);
  p->SetBounds(10, 10, 120, 60);
  p->SetBevelOuter(BevelCut::bvNone);
  p->SetColor(gfx::RGB(10, 200, 10));
  form->SetColor(gfx::RGB(200, 10, 10));
  ShowForm();
  EXPECT_EQ(Pixel(*p, 50, 30), gfx::RGB(10, 200, 10));
  p->SetParentBackground(true);
  EXPECT_EQ(Pixel(*p, 50, 30), gfx::RGB(200, 10, 10));
}

}  // namespace
}  // namespace ui::test
