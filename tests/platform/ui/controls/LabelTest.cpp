#include "platform/ui/controls/Label.h"

#include "tests/platform/ui/controls/ControlsFixture.h"

namespace ui::test {
namespace {

class LabelTest : public ControlsFixture {
 protected:
  Label* AddLabel(const std::string& text) {
    auto* l = new Label(form);
    l->SetParent(form);
    l->SetBounds(20, 20, 10, 10);
    l->SetCaption(text);
    return l;
  }
  int LineHeight() { return gfx::GetFontMetrics(form->Font()).Height; }
};

TEST_F(LabelTest, AutoSizeFitsTheText) {
  Label* one = AddLabel("Result");
  EXPECT_EQ(one->Height(), LineHeight());
  EXPECT_GT(one->Width(), 10);
  int w = one->Width();
  one->SetCaption("Result: longer");
  EXPECT_GT(one->Width(), w);
  one->SetAutoSize(false);
  one->SetCaption("x");
  EXPECT_GT(one->Width(), w) << "without AutoSize the bounds stay";
}

// Disabled text is embossed like a disabled push button's: solid copies,
// whatever the face's smoothing.
TEST_F(LabelTest, DisabledTextIsEmbossed) {
  Label* l = AddLabel("Попробовать");
  gfx::Font f = l->Font();
  f.Name = "Tahoma";
  f.Height = -20;
  l->SetFont(f);
  l->SetEnabled(false);
  ShowForm();
  ExpectEmbossed(*l, {0, 0, l->Width(), l->Height()}, gfx::ColorToRGB(l->Color()), 51, 21);
}

TEST_F(LabelTest, LoneCarriageReturnBreaksTheLine) {
  Label* l = AddLabel("First line.\rSecond line.");
  EXPECT_EQ(l->Height(), 2 * LineHeight());
  Label* single = AddLabel("First line.");
  EXPECT_GE(l->Width(), single->Width());

  // Both lines are painted: ink in the top and in the bottom half.
  ShowForm();
  auto inkIn = [&](int top, int bottom) {
    gfx::Color bg = gfx::ColorToRGB(l->Color());
    for (int y = top; y < bottom; ++y)
      for (int x = 0; x < l->Width(); ++x)
        if (backend.ScreenPixel(At(*l, x, y)) != bg) return true;
    return false;
  };
  EXPECT_TRUE(inkIn(0, LineHeight()));
  EXPECT_TRUE(inkIn(LineHeight(), 2 * LineHeight()));
}

TEST_F(LabelTest, RightAlignedAutoSizeKeepsTheRightEdge) {
  Label* l = AddLabel("abc");
  l->SetAlignment(Alignment::taRightJustify);
  int right = l->BoundsRect().Right;
  l->SetCaption("abcdefgh");
  EXPECT_EQ(l->BoundsRect().Right, right);
}

TEST_F(LabelTest, DrawTextHookReceivesTheFlags) {
  struct Probe : Label {
    using Label::Label;
    std::vector<unsigned> flags;
    void DoDrawText(gfx::Canvas& c, gfx::Rect& r, unsigned f) override {
      flags.push_back(f);
      Label::DoDrawText(c, r, f);
    }
  };
  auto* p = new Probe(form);
  p->SetParent(form);
  p->SetAutoSize(false);
  p->SetBounds(10, 10, 100, 40);
  p->SetCaption("A&b");
  p->SetAlignment(Alignment::taCenter);
  p->SetWordWrap(true);
  p->SetShowAccelChar(false);
  ShowForm();
  ASSERT_FALSE(p->flags.empty());
  unsigned f = p->flags.back();
  EXPECT_TRUE(f & gfx::DT_CENTER);
  EXPECT_TRUE(f & gfx::DT_WORDBREAK);
  EXPECT_TRUE(f & gfx::DT_NOPREFIX);
  EXPECT_FALSE(f & gfx::DT_CALCRECT);
}

TEST_F(LabelTest, LayoutPlacesTextVertically) {
  Label* l = AddLabel("X");
  l->SetAutoSize(false);
  l->SetBounds(20, 20, 40, 60);
  l->SetTransparent(false);
  l->SetColor(gfx::clWhite);
  gfx::Font f = l->Font();
  f.Color = gfx::clBlack;
  l->SetFont(f);
  ShowForm();
  auto firstInkRow = [&]() {
    app->ProcessMessages();
    for (int y = 0; y < 60; ++y)
      for (int x = 0; x < 40; ++x)
        if (backend.ScreenPixel(At(*l, x, y)) != gfx::clWhite) return y;
    return -1;
  };
  int top = firstInkRow();
  l->SetLayout(TextLayout::tlCenter);
  int centre = firstInkRow();
  l->SetLayout(TextLayout::tlBottom);
  int bottom = firstInkRow();
  EXPECT_LT(top, centre);
  EXPECT_LT(centre, bottom);
  EXPECT_EQ(bottom - top, 60 - LineHeight());
}

}  // namespace
}  // namespace ui::test
