// The hover glow: shown around the control's visible part when the mouse
// enters, hidden when it leaves, never for kinds that have no glow.
#include <gtest/gtest.h>

#include "skin/controls/sControlGlow.h"
#include "tests/skin/controls/BindingTestSupport.h"

namespace skin::testing {
namespace {

struct GlowRecorder : TacControlGlowService {
  int ShowGlow(ui::Control&, const gfx::Rect& r, int, int margin, TsSkinManager&) override {
    shown.push_back(r);
    margins.push_back(margin);
    return static_cast<int>(shown.size());
  }
  void HideGlow(int id) override { hidden.push_back(id); }
  std::vector<gfx::Rect> shown;
  std::vector<int> margins;
  std::vector<int> hidden;
};

class BindingGlow : public BindingFixture {
 protected:
  void SetUp() override {
    SetControlGlowService(&glows);
    fixture::FixtureSkin s;
    s.Set("GLOWING", "GLOW", 1).Set("GLOWING", "GLOWMARGIN", 3);
    LoadSkin(s);
    form = ShownForm();
  }
  void TearDown() override { SetControlGlowService(nullptr); }
  BoundSpeedButton* Make(int kind, ui::WinControl* parent, int x, int y) {
    auto* c = new BoundSpeedButton(form, kind);
    c->SetParent(parent);
    c->SetBounds(x, y, 40, 20);
    c->SkinData().SetSkinSection("GLOWING");
    return c;
  }
  GlowRecorder glows;
  ui::Form* form = nullptr;
};

TEST_F(BindingGlow, ShownOnEnterAroundTheVisiblePartHiddenOnLeave) {
  auto* box = new BoundPanel(form, 51);
  box->SetParent(form);
  box->SetBounds(10, 10, 50, 50);
  BoundSpeedButton* c = Make(33, box, 30, 5);  // reaches 20 pixels past the box
  c->Perform(ui::CM_MOUSEENTER, 0, 0);
  ASSERT_EQ(glows.shown.size(), 1u);
  const gfx::Rect screen = c->ScreenRect();
  EXPECT_EQ(glows.shown[0], (gfx::Rect{screen.Left, screen.Top, screen.Left + 20, screen.Bottom}));
  EXPECT_EQ(glows.margins[0], 3);
  EXPECT_EQ(c->SkinData().GlowId, 1);
  c->Perform(ui::CM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(glows.hidden, std::vector<int>{1});
  EXPECT_EQ(c->SkinData().GlowId, -1);
}

TEST_F(BindingGlow, ButtonsAndNoGlowKindsAreLeftAlone) {
  for (int kind : {92, 93, 94, 51, 161}) {
    BoundSpeedButton* c = Make(kind, form, 100, 100);
    c->Perform(ui::CM_MOUSEENTER, 0, 0);
    EXPECT_TRUE(glows.shown.empty()) << kind;
  }
}

TEST_F(BindingGlow, NoGlowWithoutLayeredWindows) {
  screen().SetLayeredAvailable(false);
  BoundSpeedButton* c = Make(33, form, 100, 100);
  c->Perform(ui::CM_MOUSEENTER, 0, 0);
  EXPECT_TRUE(glows.shown.empty());
  EXPECT_EQ(c->SkinData().GlowId, -1);
}

}  // namespace
}  // namespace skin::testing
