// Hover through the binding's mouse notices: the hovered speed button, the
// lost leave of a neighbour, and containers of either hover kind that hear
// their children's bubbled notices.
#include <gtest/gtest.h>

#include "tests/skin/controls/BindingTestSupport.h"

namespace skin::testing {
namespace {

class BindingHover : public BindingFixture {
 protected:
  void SetUp() override {
    fixture::FixtureSkin s;
    s.AddSection("PANEL").AddSection("SPEEDBUTTON");
    LoadSkin(s);
    form = ShownForm();
    panel = new BoundPanel(form, 51);
    panel->SetParent(form);
    panel->SetBounds(0, 0, 200, 100);
    panel->SkinData().Loaded();
    a = Button(10);
    b = Button(60);
  }
  BoundSpeedButton* Button(int x) {
    auto* c = new BoundSpeedButton(form, 92);
    c->SetParent(panel);
    c->SetBounds(x, 10, 40, 40);
    c->SkinData().Loaded();
    return c;
  }
  ui::Form* form = nullptr;
  BoundPanel* panel = nullptr;
  BoundSpeedButton *a = nullptr, *b = nullptr;
};

TEST_F(BindingHover, TheMouseMovesFromOneButtonToTheNext) {
  Move(ClientPoint(a, 5, 5));
  EXPECT_TRUE(a->SkinData().MouseOver);
  EXPECT_EQ(a->hoverChanges, 1);
  EXPECT_EQ(TsSkinManager::HoveredControl(), a);
  Move(ClientPoint(b, 5, 5));
  EXPECT_FALSE(a->SkinData().MouseOver);
  EXPECT_TRUE(b->SkinData().MouseOver);
  EXPECT_EQ(a->hoverChanges, 2);
  // The panel is a kind that hovering does not concern.
  EXPECT_FALSE(panel->SkinData().MouseOver);
  Move(ClientPoint(panel, 150, 80));
  EXPECT_FALSE(panel->SkinData().MouseOver);
  EXPECT_FALSE(b->SkinData().MouseOver);
}

TEST_F(BindingHover, EnteringOneButtonEndsAHoverWhoseLeaveWasLost) {
  a->SkinData().MouseOver = true;
  b->Perform(ui::CM_MOUSEENTER, 0, reinterpret_cast<ui::LPARAM>(b));
  EXPECT_FALSE(a->SkinData().MouseOver);
  EXPECT_TRUE(b->SkinData().MouseOver);
}

TEST_F(BindingHover, BubbledNoticesLeaveAHoverKindContainerAlone) {
  auto* box = new BoundPanel(form, 93);  // a hover kind holding a child
  box->SetParent(form);
  box->SetBounds(0, 110, 100, 60);
  auto* child = new BoundSpeedButton(form, 92);
  child->SetParent(box);
  child->SetBounds(5, 5, 20, 20);
  child->Perform(ui::CM_MOUSEENTER, 0, reinterpret_cast<ui::LPARAM>(child));
  EXPECT_TRUE(child->SkinData().MouseOver);
  EXPECT_FALSE(box->SkinData().MouseOver);
  EXPECT_EQ(box->hoverChanges, 0);
  box->Perform(ui::CM_MOUSEENTER, 0, 0);
  EXPECT_TRUE(box->SkinData().MouseOver);
  child->Perform(ui::CM_MOUSELEAVE, 0, reinterpret_cast<ui::LPARAM>(child));
  EXPECT_TRUE(box->SkinData().MouseOver);
}

TEST_F(BindingHover, DisablingForgetsHoverAndFocus) {
  a->Perform(ui::CM_MOUSEENTER, 0, 0);
  a->SkinData().HasFocus = true;
  a->SetEnabled(false);
  EXPECT_FALSE(a->SkinData().MouseOver);
  EXPECT_FALSE(a->SkinData().HasFocus);
  EXPECT_FALSE(a->SkinData().IsActive());
}

}  // namespace
}  // namespace skin::testing
