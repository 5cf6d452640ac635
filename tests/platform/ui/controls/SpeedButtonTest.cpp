#include "platform/ui/controls/SpeedButton.h"

#include "tests/platform/ui/controls/ControlsFixture.h"

namespace ui::test {
namespace {

class SpeedButtonTest : public ControlsFixture {
 protected:
  SpeedButton* AddButton(int left, int group = 0) {
    auto* b = new SpeedButton(form);
    b->SetParent(form);
    b->SetBounds(left, 20, 40, 30);
    b->SetGroupIndex(group);
    b->OnClick = [this, b](Component*) { clicks.push_back(b); };
    return b;
  }
  std::vector<SpeedButton*> clicks;
};

TEST_F(SpeedButtonTest, ClickNeedsPressAndReleaseInside) {
  SpeedButton* a = AddButton(20);
  SpeedButton* b = AddButton(80);
  ShowForm();

  Click(*a, 5, 5);
  EXPECT_EQ(clicks, std::vector<SpeedButton*>{a});

  // Pressed inside: down look and the capture; released outside: no click.
  Press(*a, 5, 5);
  EXPECT_EQ(a->State(), ButtonState::bsDown);
  EXPECT_EQ(app->CaptureControl(), a);
  Move(At(*a, 200, 5));
  EXPECT_EQ(a->State(), ButtonState::bsUp);
  Move(At(*a, 6, 6));
  EXPECT_EQ(a->State(), ButtonState::bsDown);
  Release(At(*a, 200, 5));
  EXPECT_EQ(a->State(), ButtonState::bsUp);
  EXPECT_EQ(app->CaptureControl(), nullptr);
  EXPECT_EQ(clicks.size(), 1u);

  // Pressed on one button and released on another: the release belongs to
  // the capturing button, so neither clicks.
  Press(*a, 5, 5);
  Release(At(*b, 5, 5));
  EXPECT_EQ(clicks.size(), 1u);
}

TEST_F(SpeedButtonTest, QuickSecondClickIsAClickToo) {
  SpeedButton* a = AddButton(20);
  int doubles = 0;
  a->OnDblClick = [&](Component*) { ++doubles; };
  ShowForm();
  Click(*a, 5, 5);
  Click(*a, 5, 5);
  EXPECT_EQ(clicks.size(), 2u);
  EXPECT_EQ(doubles, 0) << "the button makes clicks, not double clicks";
}

TEST_F(SpeedButtonTest, DisabledButtonTakesNoClick) {
  SpeedButton* a = AddButton(20);
  a->SetEnabled(false);
  ShowForm();
  Click(*a, 5, 5);
  EXPECT_TRUE(clicks.empty());
  EXPECT_EQ(a->State(), ButtonState::bsDisabled);
}

TEST_F(SpeedButtonTest, GroupKeepsOneButtonDown) {
  SpeedButton* a = AddButton(20, 1);
  SpeedButton* b = AddButton(80, 1);
  SpeedButton* other = AddButton(140, 2);
  other->SetAllowAllUp(true);
  other->SetDown(true);
  ShowForm();

  Click(*a, 5, 5);
  EXPECT_TRUE(a->Down());
  EXPECT_EQ(a->State(), ButtonState::bsExclusive);
  Click(*b, 5, 5);
  EXPECT_TRUE(b->Down());
  EXPECT_FALSE(a->Down());
  EXPECT_EQ(a->State(), ButtonState::bsUp);
  EXPECT_TRUE(other->Down()) << "another group is not affected";
  // Without AllowAllUp a down button stays down when clicked again.
  Click(*b, 5, 5);
  EXPECT_TRUE(b->Down());
  EXPECT_EQ(clicks, (std::vector<SpeedButton*>{a, b, b}));
  // With AllowAllUp it goes up.
  Click(*other, 5, 5);
  EXPECT_FALSE(other->Down());
}

TEST_F(SpeedButtonTest, ButtonOutsideGroupNeverStaysDown) {
  SpeedButton* a = AddButton(20);
  a->SetDown(true);
  EXPECT_FALSE(a->Down());
}

TEST_F(SpeedButtonTest, HoverFlagFollowsThePointer) {
  SpeedButton* a = AddButton(20);
  ShowForm();
  Move(At(*a, 5, 5));
  EXPECT_TRUE(a->MouseInControl());
  Move(At(*a, 100, 100));
  EXPECT_FALSE(a->MouseInControl());
}

TEST_F(SpeedButtonTest, GlyphChangeHandlerChains) {
  SpeedButton* a = AddButton(20);
  int previous = 0;
  NotifyEvent saved = a->Glyph().OnChange;
  a->Glyph().OnChange = [&](Component* s) {
    ++previous;
    saved(s);
  };
  a->Glyph().Assign(gfx::Bitmap(16, 16, gfx::PixelFormat::Bgr24));
  EXPECT_EQ(previous, 1);
}

TEST_F(SpeedButtonTest, PressedFaceIsDrawnSunken) {
  SpeedButton* a = AddButton(20);
  ShowForm();
  gfx::Color up = Pixel(*a, 0, 0);
  Press(*a, 10, 10);
  gfx::Color down = Pixel(*a, 0, 0);
  EXPECT_NE(up, down);
  Release(At(*a, 10, 10));
  EXPECT_EQ(Pixel(*a, 0, 0), up);
}

TEST(GlyphLayoutTest, ClassicPlacement) {
  struct Case {
    ButtonLayout Layout;
    int Margin, Spacing;
    gfx::Rect Glyph, Caption;
  };
  // Client 100 x 40, glyph 16 x 16, caption 30 x 12.
  const Case cases[] = {
      {ButtonLayout::blGlyphLeft, -1, 4, {25, 12, 41, 28}, {45, 14, 75, 26}},
      {ButtonLayout::blGlyphRight, -1, 4, {59, 12, 75, 28}, {25, 14, 55, 26}},
      {ButtonLayout::blGlyphLeft, 3, 4, {3, 12, 19, 28}, {23, 14, 53, 26}},
      {ButtonLayout::blGlyphLeft, 3, -1, {3, 12, 19, 28}, {44, 14, 74, 26}},
      {ButtonLayout::blGlyphTop, -1, 4, {42, 4, 58, 20}, {35, 24, 65, 36}},
      {ButtonLayout::blGlyphBottom, -1, 4, {42, 20, 58, 36}, {35, 4, 65, 16}},
  };
  for (const Case& c : cases) {
    GlyphLayout l = CalcGlyphLayout({0, 0, 100, 40}, {16, 16}, {30, 12}, c.Layout, c.Margin, c.Spacing);
    EXPECT_EQ(l.Glyph, c.Glyph) << static_cast<int>(c.Layout) << " " << c.Margin << " " << c.Spacing;
    EXPECT_EQ(l.Caption, c.Caption) << static_cast<int>(c.Layout) << " " << c.Margin << " " << c.Spacing;
  }
}

}  // namespace
}  // namespace ui::test
