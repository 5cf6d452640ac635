// Skinned control text: which section gives the colours, and the strokes
// drawn, compared with the canvas's own text output.
#include <gtest/gtest.h>

#include "platform/gfx/DrawTextFlags.h"
#include "skin/controls/sSkinText.h"
#include "tests/skin/controls/BindingTestSupport.h"

namespace skin::testing {
namespace {

using fixture::FixtureSkin;

constexpr gfx::Color kWhite = gfx::RGB(255, 255, 255);
constexpr gfx::Rect kRect{4, 4, 76, 26};
constexpr unsigned kFlags = gfx::DT_SINGLELINE | gfx::DT_VCENTER;

FixtureSkin TextSkin() {
  FixtureSkin s;
  s.Set("GLOBALINFO", "COLOR", kWhite);
  s.Set("PLAIN", "FONTCOLOR", gfx::RGB(0, 0, 0));
  s.Set("RIGHTONLY", "FONTCOLOR", gfx::RGB(0, 0, 255)).Set("RIGHTONLY", "TCRIGHT", gfx::RGB(255, 0, 0));
  s.Set("WEBBUTTON", "HOTFONTCOLOR", gfx::RGB(0, 0, 0));
  s.Set("OWNFONT", "GIVEOWNFONT", "TRUE").Set("OWNFONT", "FONTCOLOR", gfx::RGB(0, 128, 0));
  s.Set("HALFCLEAR", "TRANSPARENCY", 60);
  s.Set("CLEARRADIO", "TRANSPARENCY", 100);
  s.Set("SOLIDRADIO", "TRANSPARENCY", 0);
  return s;
}

class SkinText : public BindingFixture {
 protected:
  void SetUp() override {
    LoadSkin(TextSkin());
    form = ShownForm();
    label = new BoundSpeedButton(form, 92);
    label->SetParent(form);
    label->SetBounds(0, 0, 80, 30);
  }
  // The text as the canvas draws it, stroke by stroke.
  gfx::Bitmap Expected(const std::vector<std::pair<gfx::Point, gfx::Color>>& strokes, unsigned style = 0) {
    gfx::Bitmap b = fixture::Solid24(80, 30, kWhite);
    gfx::Canvas c(b);
    gfx::Font f = label->Font();
    f.Style |= style;
    c.SetFont(f);
    c.IntersectClipRect(kRect);
    c.SetBrushStyle(gfx::BrushStyle::Clear);
    for (std::size_t i = 0; i < strokes.size(); ++i) {
      gfx::Rect r = kRect.Offset(strokes[i].first.X, strokes[i].first.Y);
      c.SetTextColor(strokes[i].second);
      c.DrawText("Abc", r, kFlags | (i + 1 == strokes.size() ? gfx::DT_NOCLIP : 0u));
    }
    return b;
  }
  gfx::Bitmap Written(const char* section, bool enabled, bool hot) {
    label->SkinData().SetSkinSection(section);
    gfx::Bitmap b = fixture::Solid24(80, 30, kWhite);
    gfx::Canvas c(b);
    WriteSkinText(c, "Abc", enabled, hot, label->SkinData(), kFlags, kRect);
    return b;
  }
  static bool Same(const gfx::Bitmap& a, const gfx::Bitmap& b) {
    for (int y = 0; y < a.Height(); ++y)
      for (int x = 0; x < a.Width(); ++x)
        if (a.PixelAt(x, y) != b.PixelAt(x, y)) return false;
    return true;
  }
  ui::Form* form = nullptr;
  BoundSpeedButton* label = nullptr;
};

TEST_F(SkinText, StrokesMatchTheCanvas) {
  EXPECT_TRUE(Same(Written("PLAIN", true, false), Expected({{{0, 0}, gfx::RGB(0, 0, 0)}})));
  EXPECT_TRUE(Same(Written("RIGHTONLY", true, false),
                   Expected({{{1, 0}, gfx::RGB(255, 0, 0)}, {{0, 0}, gfx::RGB(0, 0, 255)}})));
  // Disabled: 40 % of black over the skin's white.
  EXPECT_TRUE(Same(Written("PLAIN", false, false), Expected({{{0, 0}, gfx::RGB(153, 153, 153)}})));
  // A hot web button is underlined; in state 0 it is not.
  EXPECT_TRUE(
      Same(Written("WEBBUTTON", true, true), Expected({{{0, 0}, gfx::RGB(0, 0, 0)}}, gfx::fsUnderline)));
  EXPECT_FALSE(
      Same(Written("WEBBUTTON", true, false), Expected({{{0, 0}, gfx::RGB(0, 0, 0)}}, gfx::fsUnderline)));
  // Without a section: the font's own colour.
  gfx::Font f = label->Font();
  f.Color = gfx::RGB(0, 90, 0);
  label->SetFont(f);
  EXPECT_TRUE(Same(Written("NOSUCH", true, false), Expected({{{0, 0}, gfx::RGB(0, 90, 0)}})));
}

TEST_F(SkinText, NothingWithoutAManagerOrText) {
  manager.reset();
  const gfx::Bitmap b = Written("PLAIN", true, false);
  EXPECT_TRUE(Same(b, fixture::Solid24(80, 30, kWhite)));
}

TEST_F(SkinText, TransparentRadioTakesTheFontOfAParentThatGivesIt) {
  auto* outer = new BoundPanel(form, 51);
  outer->SetParent(form);
  outer->SetBounds(0, 40, 200, 100);
  outer->SkinData().SetSkinSection("OWNFONT");
  auto* middle = new BoundPanel(form, 51);
  middle->SetParent(outer);
  middle->SetBounds(5, 5, 150, 80);
  middle->SkinData().SetSkinSection("HALFCLEAR");
  auto* radio = new BoundSpeedButton(form, 33);
  radio->SetParent(middle);
  radio->SetBounds(5, 5, 60, 20);
  TsCommonData& d = radio->SkinData();
  const TsSkinModel& m = *manager->Model();

  d.SetSkinSection("CLEARRADIO");
  EXPECT_EQ(TextSectionOf(d, false), m.SectionIndexOf("OWNFONT"));  // the 60 % clear panel is passed over
  middle->SkinData().SetSkinSection("PLAIN");
  EXPECT_EQ(TextSectionOf(d, false), m.SectionIndexOf("CLEARRADIO"));  // first parent does not give its font
  d.SetSkinSection("SOLIDRADIO");
  middle->SkinData().SetSkinSection("OWNFONT");
  EXPECT_EQ(TextSectionOf(d, false), m.SectionIndexOf("SOLIDRADIO"));  // an opaque radio keeps its own
  // A parent outside the skin ends the walk.
  auto* plain = new ui::Panel(form);
  plain->SetParent(form);
  radio->SetParent(plain);
  d.SetSkinSection("CLEARRADIO");
  EXPECT_EQ(TextSectionOf(d, false), m.SectionIndexOf("CLEARRADIO"));
}

}  // namespace
}  // namespace skin::testing
