// Questions about backgrounds: the answers to command 34 by transparency,
// gradient, mask size and cache; passing the question up; drawing into the
// asker's surface; and the colour children see.
#include <gtest/gtest.h>

#include "skin/controls/sBackdrop.h"
#include "tests/skin/controls/BindingTestSupport.h"

namespace skin::testing {
namespace {

using fixture::FixtureSkin;

constexpr gfx::Color kOwn = gfx::RGB(10, 20, 30);
constexpr gfx::Color kBlack = gfx::RGB(0, 0, 0);
constexpr gfx::Color kWhite = gfx::RGB(255, 255, 255);

FixtureSkin BackdropSkin() {
  FixtureSkin s;
  s.Fill({0, 0, 39, 30}, gfx::RGB(0, 0, 200));
  s.Set("FLAT", "COLOR", kOwn);
  s.Set("GRAD", "GRADIENTPERCENT", 50).Set("GRAD", "GRADIENTDATA", "255;0;50;0;0");
  s.Set("HALF", "TRANSPARENCY", 50);
  s.Set("CLEAR", "TRANSPARENCY", 100);
  s.Set("CLEAR12", "TRANSPARENCY", 100).Mask("CLEAR12", {{0, 0, 39, 30}, 12, 3, 12, 3, 1, 0, 0, 0});
  s.Set("CLEAR13", "TRANSPARENCY", 100).Mask("CLEAR13", {{0, 0, 39, 30}, 13, 3, 13, 3, 1, 0, 0, 0});
  s.Set("BLACK", "COLOR", kBlack);
  s.Set("WHITE70", "COLOR", kWhite).Set("WHITE70", "TRANSPARENCY", 70);
  return s;
}

class BindingBackdrop : public BindingFixture {
 protected:
  void SetUp() override {
    LoadSkin(BackdropSkin());
    form = ShownForm();
    outer = Panel(form, "GRAD", 0, 0, 200, 150);
    gfx::Bitmap& cache = outer->SkinData().EnsureCache();
    for (int y = 0; y < 150; ++y)
      for (int x = 0; x < 200; ++x) cache.SetPixelAt(x, y, gfx::RGB(x, y, 3));
  }
  BoundPanel* Panel(ui::WinControl* parent, const char* section, int x, int y, int w, int h,
                    bool cache = true) {
    auto* p = new BoundPanel(form, 51, cache);
    p->SetParent(parent);
    p->SetBounds(x, y, w, h);
    p->SkinData().SetSkinSection(section);
    return p;
  }
  BackdropQuery Ask(ui::Control* c) {
    BackdropQuery q;
    AskParentBackdrop(q, c, false);
    return q;
  }
  ui::Form* form = nullptr;
  BoundPanel* outer = nullptr;
};

TEST_F(BindingBackdrop, AnswersByLookAndCache) {
  const struct {
    const char* section;
    bool cache;
    std::uint8_t kind;
    gfx::Color color;  // checked for colour answers
  } cases[] = {
      {"FLAT", true, kBackdropColor, kOwn},
      {"GRAD", true, kBackdropImage, 0},
      {"GRAD", false, kBackdropColor, gfx::clFuchsia},
      {"HALF", false, kBackdropColor, gfx::clFuchsia},
      {"HALF", true, kBackdropImage, 0},
      {"CLEAR13", false, kBackdropColor, gfx::RGB(255, 0, 0)},  // the parent's colour, no image of its own
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.section + std::string(c.cache ? " with cache" : " without cache"));
    BoundPanel* p = Panel(outer, c.section, 5, 7, 50, 40, c.cache);
    if (c.cache) p->SkinData().EnsureCache();
    outer->SkinData().SetSkinSection("FLAT");
    outer->SetColor(gfx::RGB(255, 0, 0));
    outer->SkinData().SetCustomColor(std::string(c.section) == "CLEAR13");
    const BackdropQuery q = Ask(p);
    outer->SkinData().SetCustomColor(false);
    outer->SkinData().SetSkinSection("GRAD");
    EXPECT_EQ(q.Kind, c.kind);
    if (c.kind == kBackdropColor) {
      EXPECT_EQ(q.Color, c.color);
    } else {
      EXPECT_EQ(q.Bitmap, &p->SkinData().CacheBitmap);
      EXPECT_EQ(q.X, 0);
      EXPECT_EQ(q.Y, 0);
    }
  }
}

TEST_F(BindingBackdrop, ClearPanelWithASmallMaskPassesTheQuestionUp) {
  BoundPanel* small = Panel(outer, "CLEAR12", 5, 7, 50, 40);
  small->SkinData().EnsureCache();
  BackdropQuery q = Ask(small);
  EXPECT_EQ(q.Kind, kBackdropImage);
  EXPECT_EQ(q.Bitmap, &outer->SkinData().CacheBitmap);
  EXPECT_EQ(q.X, 5);
  EXPECT_EQ(q.Y, 7);

  BoundPanel* big = Panel(outer, "CLEAR13", 5, 7, 50, 40);
  big->SkinData().EnsureCache();
  q = Ask(big);
  EXPECT_EQ(q.Kind, kBackdropImage);
  EXPECT_EQ(q.Bitmap, &big->SkinData().CacheBitmap);
  EXPECT_EQ(q.X, 0);

  // Through two clear panels the positions add up.
  BoundPanel* inner = Panel(small, "CLEAR", 2, 3, 20, 20);
  q = Ask(inner);
  EXPECT_EQ(q.Bitmap, &outer->SkinData().CacheBitmap);
  EXPECT_EQ(q.X, 7);
  EXPECT_EQ(q.Y, 10);
}

TEST_F(BindingBackdrop, CustomColourAnswersTheOwnColour) {
  BoundPanel* p = Panel(outer, "GRAD", 5, 7, 50, 40);
  p->SkinData().EnsureCache();
  p->SetColor(gfx::RGB(1, 2, 3));
  p->SkinData().SetCustomColor(true);
  const BackdropQuery q = Ask(p);
  EXPECT_EQ(q.Kind, kBackdropColor);
  EXPECT_EQ(q.Color, gfx::RGB(1, 2, 3));
}

TEST_F(BindingBackdrop, PleaseDrawPutsTheRightCacheAreaIntoTheSurface) {
  // The child at (5, 7) of a clear panel at (20, 30) of the outer panel asks
  // for its area (2, 1)-(12, 9) to be drawn: the outer cache from (27, 38).
  BoundPanel* clear = Panel(outer, "CLEAR12", 20, 30, 60, 50);
  for (ui::Control* asker : {static_cast<ui::Control*>(outer), static_cast<ui::Control*>(clear)}) {
    SCOPED_TRACE(asker == outer ? "asked directly" : "passed up");
    const int ox = asker == outer ? 25 : 5, oy = asker == outer ? 37 : 7;
    gfx::Bitmap surface = fixture::Solid24(20, 20, kWhite);
    gfx::Canvas dc(surface);
    BackdropQuery q;
    q.X = ox;
    q.Y = oy;
    q.Rect = {2, 1, 12, 9};
    q.DC = &dc;
    AskParentBackdrop(q, asker, true);
    EXPECT_EQ(q.Kind, kBackdropImage);
    for (int y = 0; y < 20; ++y)
      for (int x = 0; x < 20; ++x) {
        const bool in = q.Rect.Contains({x, y});
        ASSERT_EQ(surface.PixelAt(x, y) & 0xFFFFFF, in ? gfx::RGB(x + 25, y + 37, 3) : kWhite)
            << x << "," << y;
      }
  }
}

TEST_F(BindingBackdrop, ParentOutsideTheSkinDrawsItselfOrGivesItsColour) {
  auto* plain = new ui::Panel(form);
  plain->SetParent(form);
  plain->SetBounds(210, 0, 50, 50);
  plain->SetColor(gfx::RGB(0, 99, 0));
  BackdropQuery q = Ask(plain);
  EXPECT_EQ(q.Kind, kBackdropColor);
  EXPECT_EQ(q.Color, gfx::RGB(0, 99, 0));

  gfx::Bitmap surface = fixture::Solid24(10, 10, kWhite);
  gfx::Canvas dc(surface);
  BackdropQuery draw;
  draw.PleaseDraw = true;
  draw.DC = &dc;
  draw.Rect = {0, 0, 10, 10};
  AskParentBackdrop(draw, plain, true);
  EXPECT_EQ(draw.Kind, kBackdropNone);
  EXPECT_EQ(surface.PixelAt(4, 4), gfx::RGB(0, 99, 0));
}

TEST_F(BindingBackdrop, ColourChildrenSeeIsTheSameEverywhere) {
  BoundPanel* black = Panel(form, "BLACK", 210, 0, 80, 80);
  BoundPanel* white = Panel(black, "WHITE70", 5, 5, 40, 40);
  const gfx::Color want = gfx::RGB(76, 76, 76);  // 0.3 * 255 = 76.5, ties to even
  EXPECT_EQ(static_cast<gfx::Color>(SendSkinCommand(white, SKC_GET_CONTROL_COLOR)), want);
  EXPECT_EQ(ControlColorOf(white->SkinData(), false), want);
  EXPECT_EQ(ColorOfControl(white), want);
  // A control without the protocol gives its own colour.
  auto* plain = new ui::Panel(form);
  plain->SetParent(form);
  plain->SetColor(gfx::clBtnFace);
  EXPECT_EQ(ColorOfControl(plain), gfx::ColorToRGB(gfx::clBtnFace));
  EXPECT_EQ(ColorOfControl(nullptr), gfx::clFuchsia);
  // A black skin colour is an answer like any other.
  EXPECT_EQ(ColorOfControl(black), kBlack);
}

TEST_F(BindingBackdrop, ParentBackdropOfConvertsTheAnswer) {
  BoundPanel* p = Panel(outer, "FLAT", 5, 7, 50, 40);
  const BackdropRef image = ParentBackdropOf(p->SkinData());
  EXPECT_TRUE(image.HasImage());
  EXPECT_EQ(image.Bitmap, &outer->SkinData().CacheBitmap);
  outer->SkinData().SetSkinSection("FLAT");
  const BackdropRef colour = ParentBackdropOf(p->SkinData());
  EXPECT_FALSE(colour.Ready);
  EXPECT_EQ(colour.FillColor, kOwn);
  EXPECT_EQ(ParentBackdropOf(static_cast<ui::Control*>(nullptr)).X, NoBackdrop.X);
}

}  // namespace
}  // namespace skin::testing
