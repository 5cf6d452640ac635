// The skinned push button with the fixture skin's BUTTON section: the window
// region for each state, its growth and the skin's removal, the visual-state
// table, the press sequences that must not stick, the caption layout and the
// disabled default button.
#include <gtest/gtest.h>

#include "platform/ui/Application.h"
#include "platform/ui/WindowTypes.h"
#include "skin/controls/sButton.h"
#include "skin/controls/sSkinCommands.h"
#include "tests/skin/controls/BindingTestSupport.h"
#include "tests/skin/controls/ButtonTestSupport.h"

namespace skin::testing {
namespace {

class ButtonTest : public BindingFixture {
 protected:
  void SetUp() override {
    LoadSkin(ButtonSkin());
    form = NewForm({0, 0, 400, 300});
    parent = new BackdropParent(form);
    parent->SetParent(form);
    parent->SetBounds(0, 0, 300, 200);
    parent->Color = gfx::RGB(1, 2, 3);
    button = new TsButton(form);
    button->SetParent(parent);
    button->SetBounds(10, 20, 60, 25);
    button->SetCaption("OK");
    button->SkinData().Loaded();
    // A second button takes the focus, so the first one is not the default.
    other = new TsButton(form);
    other->SetParent(parent);
    other->SetBounds(100, 20, 60, 25);
    other->SkinData().Loaded();
    Show(form);
    other->SetFocus();
    app().ProcessMessages();
  }
  // The expected region: the rectangle less the key runs of state k's cell
  // (k + 1 pixels from each end of the first and last rows).
  static std::string Describe(const gfx::Region& r) {
    std::string out;
    for (const gfx::Rect& x : r.Rects())
      out += "(" + std::to_string(x.Left) + "," + std::to_string(x.Top) + "," + std::to_string(x.Right) + "," +
             std::to_string(x.Bottom) + ")";
    return out;
  }
  gfx::Region Expected(int k, int w = 60, int h = 25) {
    std::vector<gfx::Rect> holes;
    for (int y : {0, h - 1}) {
      holes.push_back({0, y, k + 1, y + 1});
      holes.push_back({w - k - 1, y, w, y + 1});
    }
    return gfx::Region({0, 0, w, h}).Difference(gfx::Region::FromRects(holes));
  }
  ui::Form* form = nullptr;
  BackdropParent* parent = nullptr;
  TsButton* button = nullptr;
  TsButton* other = nullptr;
};

TEST_F(ButtonTest, OwnerDrawnWithTheRegionOfItsState) {
  EXPECT_TRUE(button->OwnerDraw());
  ASSERT_TRUE(button->WindowRegion().has_value());
  EXPECT_EQ(Describe(*button->WindowRegion()), Describe(Expected(0)));
  Move(ClientPoint(button, 30, 12));
  EXPECT_EQ(button->VisualState(), 1);
  EXPECT_EQ(*button->WindowRegion(), Expected(1));
  Down(ClientPoint(button, 30, 12));
  EXPECT_EQ(button->VisualState(), 2);
  EXPECT_EQ(*button->WindowRegion(), Expected(2));
  // Back to a state with fewer key pixels: no parent pixels stay inside.
  Up(ClientPoint(button, 30, 12));
  EXPECT_EQ(*button->WindowRegion(), Expected(1));
  EXPECT_EQ(Pixel(ClientPoint(button, 2, 0)), gfx::ColorToRGB(kButtonCellColors[1]));
}

TEST_F(ButtonTest, SkinRemovedDropsRegionAndOwnerDrawing) {
  SendSkinCommand(button, SKC_SKIN_UNLOADED, reinterpret_cast<ui::LPARAM>(manager.get()));
  EXPECT_FALSE(button->OwnerDraw());
  EXPECT_FALSE(button->WindowRegion().has_value());
}

TEST_F(ButtonTest, RegionFollowsTheSize) {
  button->SetBounds(10, 20, 40, 20);
  app().ProcessMessages();
  EXPECT_EQ(*button->WindowRegion(), Expected(0, 40, 20));
  // The parent shows again where the old corners were.
  EXPECT_EQ(Pixel(ClientPoint(parent, 10 + 59, 20 + 24)), gfx::RGB(1, 2, 3));
  button->SetBounds(10, 20, 80, 30);
  app().ProcessMessages();
  EXPECT_EQ(*button->WindowRegion(), Expected(0, 80, 30));
}

// Left press, right press and release, left release: not stuck pressed.
TEST_F(ButtonTest, LeftRightLeftDoesNotStick) {
  const gfx::Point p = ClientPoint(button, 30, 12);
  int clicks = 0;
  button->OnClick = [&](ui::Component*) { ++clicks; };
  Down(p);
  screen().InjectMouseDown(p, backend::MouseButton::Right);
  screen().InjectMouseUp(p, backend::MouseButton::Right);
  app().ProcessMessages();
  Up(p);
  EXPECT_FALSE(button->Pushed());
  EXPECT_NE(button->VisualState(), 2);
}

TEST_F(ButtonTest, VisualStateTable) {
  EXPECT_EQ(button->VisualState(), 0);
  button->SetDown(true);
  EXPECT_EQ(button->VisualState(), 2);
  button->SetDown(false);
  EXPECT_EQ(button->VisualState(), 0);
  button->SetFocus();
  app().ProcessMessages();
  EXPECT_EQ(button->VisualState(), 1);  // focused: the default now
  // Held by the keyboard: pressed; let go: hot again.
  button->Perform(ui::BM_SETSTATE, 1);
  EXPECT_EQ(button->VisualState(), 2);
  button->Perform(ui::BM_SETSTATE, 0);
  EXPECT_EQ(button->VisualState(), 1);
  // A disabled default button looks like any disabled button.
  button->SetDefault(true);
  button->SetEnabled(false);
  EXPECT_EQ(button->VisualState(), 0);
}

TEST_F(ButtonTest, DisabledLookOverThePlainParent) {
  button->SetEnabled(false);
  app().ProcessMessages();
  // The cell colour tinted 50 % towards the parent's colour.
  const gfx::Color c = Pixel(ClientPoint(button, 2, 12));
  const gfx::Color cell = kButtonCellColors[0];
  EXPECT_NEAR(static_cast<int>(c & 0xFF), (R(cell) + 1) / 2, 1);
}

TEST_F(ButtonTest, CaptionBoxes) {
  // No picture: centred in the button, one wider on the left and two on the right.
  const gfx::Rect box = button->CaptionBox();
  EXPECT_EQ(box.Left + box.Right, 60 + 1);
  EXPECT_EQ(box.Top + box.Bottom, 25);
  button->SetDown(true);
  EXPECT_EQ(button->CaptionBox(), box.Offset(1, 1));
}

}  // namespace
}  // namespace skin::testing
