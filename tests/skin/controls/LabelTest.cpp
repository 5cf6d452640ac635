// The skinned labels on a headless form: the text colour the ancestors'
// skin gives, the section background, disabled text, the colour reset when
// the skin goes, the web label's colours, hover and press, and the plain
// look without a skin.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/gfx/Canvas.h"
#include "platform/ui/controls/Label.h"
#include "skin/controls/sLabel.h"
#include "skin/controls/sLabelColors.h"
#include "skin/controls/sWebLabel.h"
#include "tests/skin/controls/BindingTestSupport.h"

namespace skin::testing {
namespace {

using fixture::FixtureSkin;

constexpr gfx::Color kGlobalText = gfx::RGB(1, 100, 1);
constexpr gfx::Color kOwnText = gfx::RGB(2, 2, 200);
constexpr gfx::Color kHalfText = gfx::RGB(3, 150, 150);
constexpr gfx::Color kSectionText = gfx::RGB(250, 250, 4);
constexpr gfx::Color kSectionBack = gfx::RGB(40, 0, 40);
constexpr gfx::Color kWhite = gfx::RGB(255, 255, 255);

FixtureSkin LabelSkin(bool linkColours) {
  FixtureSkin s;
  s.Set("GLOBALINFO", "FONTCOLOR", kGlobalText);
  if (linkColours) s.Set("GLOBALINFO", "TCTOP", gfx::RGB(9, 9, 9)).Set("GLOBALINFO", "TCBOTTOM", gfx::RGB(8, 8, 8));
  s.Set("OWNFONT", "GIVEOWNFONT", "TRUE").Set("OWNFONT", "FONTCOLOR", kOwnText).Set("OWNFONT", "COLOR", kWhite);
  s.Set("NOOWN", "FONTCOLOR", gfx::RGB(7, 7, 7)).Set("NOOWN", "COLOR", kWhite);
  s.Set("SEETHROUGH", "GIVEOWNFONT", "TRUE").Set("SEETHROUGH", "FONTCOLOR", kHalfText);
  s.Set("SEETHROUGH", "TRANSPARENCY", 60);
  s.Set("HALFOWN", "GIVEOWNFONT", "TRUE").Set("HALFOWN", "FONTCOLOR", kHalfText).Set("HALFOWN", "TRANSPARENCY", 50);
  s.Set("LABELBACK", "COLOR", kSectionBack).Set("LABELBACK", "FONTCOLOR", kSectionText);
  return s;
}

class Labels : public BindingFixture {
 protected:
  void SetUp() override {
    LoadSkin(LabelSkin(false));
    form = ShownForm();
  }
  BoundPanel* Panel(ui::WinControl* parent, const char* section) {
    auto* p = new BoundPanel(form, 51);
    p->SetParent(parent);
    p->SetBounds(0, 0, 280, 180);
    p->SkinData().SetSkinSection(section);
    return p;
  }
  template <class L>
  L* Add(ui::WinControl* parent, const std::string& caption = "Text") {
    auto* l = new L(form);
    l->SetParent(parent);
    l->SetBounds(10, 10, 60, 20);
    l->SetCaption(caption);
    return l;
  }
  // The colour the label paints its text in.
  static gfx::Color Painted(TsCustomLabel* l) {
    gfx::Bitmap b(l->Width(), l->Height(), gfx::PixelFormat::Bgr24);
    gfx::Canvas c(b);
    l->Perform(ui::WM_PAINT, reinterpret_cast<ui::WPARAM>(&c));
    return l->Font().Color;
  }

  ui::Form* form = nullptr;
};

TEST_F(Labels, TextColourFromTheNearestAncestorThatGivesItsFont) {
  struct Case {
    const char* What;
    std::vector<const char*> Sections;  // outermost first
    gfx::Color Want;
  } cases[] = {
      {"directly on a plain form", {}, kGlobalText},
      {"parent gives its own font", {"OWNFONT"}, kOwnText},
      {"parent without GiveOwnFont", {"NOOWN"}, kGlobalText},
      {"60 % transparent parent: the grandparent decides", {"OWNFONT", "SEETHROUGH"}, kOwnText},
      {"60 % transparent parent over a plain panel", {"NOOWN", "SEETHROUGH"}, kGlobalText},
      {"50 % transparent parent decides itself", {"OWNFONT", "HALFOWN"}, kHalfText},
      {"parent section the skin lacks", {"NOSUCH"}, kGlobalText},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.What);
    ui::WinControl* parent = form;
    for (const char* s : c.Sections) parent = Panel(parent, s);
    auto* label = Add<TsLabel>(parent);
    gfx::Font f = label->Font();
    f.Color = gfx::clBlack;
    label->SetFont(f);
    EXPECT_EQ(Painted(label), c.Want);
    EXPECT_EQ(AncestorFontColor(*label, *manager->Model()), c.Want);
    delete label;
  }
}

TEST_F(Labels, UseSkinColorOffKeepsTheFont) {
  auto* label = Add<TsLabel>(Panel(form, "OWNFONT"));
  gfx::Font f = label->Font();
  f.Color = gfx::RGB(60, 70, 80);
  label->SetFont(f);
  label->SetUseSkinColor(false);
  EXPECT_EQ(Painted(label), gfx::RGB(60, 70, 80));
  auto* custom = Add<TsCustomLabel>(Panel(form, "OWNFONT"));
  EXPECT_EQ(Painted(custom), kOwnText) << "the base label always follows the skin";
}

TEST_F(Labels, SkinSectionPaintsItsBackgroundAndGivesTheTextColour) {
  auto* label = Add<TsLabel>(form, "");
  label->SetSkinSection("labelback");
  EXPECT_EQ(label->SkinSection(), "LABELBACK");
  gfx::Bitmap b(60, 20, gfx::PixelFormat::Bgr24);
  b.FillBytes(0xFF);
  gfx::Canvas c(b);
  label->Perform(ui::WM_PAINT, reinterpret_cast<ui::WPARAM>(&c));
  EXPECT_EQ(label->Font().Color, kSectionText);
  EXPECT_EQ(b.PixelAt(30, 10) & 0xFFFFFF, kSectionBack);

  // A section the skin does not have: no background, the ancestors' colour.
  label->SetSkinSection("NOSUCH");
  b.FillBytes(0xFF);
  label->Perform(ui::WM_PAINT, reinterpret_cast<ui::WPARAM>(&c));
  EXPECT_EQ(label->Font().Color, kGlobalText);
  EXPECT_EQ(b.PixelAt(30, 10) & 0xFFFFFF, kWhite);
}

TEST_F(Labels, DisabledTextMixedTowardTheParentColour) {
  struct Case {
    const char* What;
    gfx::Color FormColor;
    bool SkinnedParent;
    gfx::Color Want;
  } cases[] = {
      // White parent, black font: 0.6 * 255 = 153.
      {"skinned white parent", 0, true, gfx::RGB(153, 153, 153)},
      // A parent outside the skin gives its own colour (not black).
      {"plain parent", gfx::RGB(100, 200, 50), false, gfx::RGB(60, 120, 30)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.What);
    ui::WinControl* parent = form;
    if (c.SkinnedParent) {
      parent = Panel(form, "NOOWN");
    } else {
      form->SetColor(c.FormColor);
    }
    auto* label = Add<TsLabel>(parent, "WWWW");
    label->SetUseSkinColor(false);
    gfx::Font f = label->Font();
    f.Color = gfx::clBlack;
    label->SetFont(f);
    label->SetEnabled(false);
    gfx::Bitmap b(60, 20, gfx::PixelFormat::Bgr24);
    b.FillBytes(0xFF);
    gfx::Canvas canvas(b);
    label->Perform(ui::WM_PAINT, reinterpret_cast<ui::WPARAM>(&canvas));
    // The darkest pixel of the text is the text colour itself.
    gfx::Color darkest = kWhite;
    int darkestSum = 3 * 255;
    for (int y = 0; y < 20; ++y)
      for (int x = 0; x < 60; ++x) {
        const gfx::Color p = b.PixelAt(x, y) & 0xFFFFFF;
        const int sum = gfx::GetR(p) + gfx::GetG(p) + gfx::GetB(p);
        if (sum < darkestSum) darkestSum = sum, darkest = p;
      }
    EXPECT_EQ(darkest, c.Want);
    EXPECT_EQ(DisabledTextColor(gfx::clBlack, c.SkinnedParent ? kWhite : c.FormColor), c.Want);
  }
}

TEST_F(Labels, SkinRemovalResetsTheFontColour) {
  auto* label = Add<TsLabel>(form);
  auto* keeps = Add<TsLabel>(form);
  keeps->SetUseSkinColor(false);
  for (TsLabel* l : {label, keeps}) {
    gfx::Font f = l->Font();
    f.Color = gfx::RGB(5, 6, 7);
    l->SetFont(f);
  }
  // Another manager's removal is not this label's business.
  SendSkinCommand(label, SKC_SKIN_UNLOADED, 12345);
  EXPECT_EQ(label->Font().Color, gfx::RGB(5, 6, 7));
  for (TsLabel* l : {label, keeps})
    SendSkinCommand(l, SKC_SKIN_UNLOADED, reinterpret_cast<ui::LPARAM>(manager.get()));
  EXPECT_EQ(label->Font().Color, gfx::clWindowText);
  EXPECT_EQ(keeps->Font().Color, gfx::RGB(5, 6, 7));
}

TEST_F(Labels, UnskinnedLooksLikeThePlainLabel) {
  manager.reset();
  form->SetColor(gfx::RGB(230, 230, 200));
  auto* plain = new ui::Label(form);
  plain->SetParent(form);
  plain->SetBounds(10, 40, 100, 20);
  plain->SetCaption("Уровень & text");
  plain->SetTransparent(true);
  auto* skinned = Add<TsLabel>(form, "Уровень & text");
  skinned->SetBounds(10, 10, 100, 20);
  skinned->AdjustBounds();
  ASSERT_EQ(skinned->BoundsRect().GetSize(), plain->BoundsRect().GetSize());
  for (bool enabled : {true, false}) {
    plain->SetEnabled(enabled);
    skinned->SetEnabled(enabled);
    app().ProcessMessages();
    for (int y = 0; y < plain->Height(); ++y)
      for (int x = 0; x < plain->Width() + 4; ++x)
        ASSERT_EQ(Pixel(skinned->ClientToScreen({x, y})), Pixel(plain->ClientToScreen({x, y})))
            << x << "," << y << " enabled " << enabled;
  }
}

// A web label that records what it opens instead of starting a handler.
class RecordingWebLabel : public TsWebLabel {
 public:
  using TsWebLabel::TsWebLabel;
  std::vector<std::string> opened;
  int paints = 0;

 protected:
  void OpenURL(const std::string& address) override { opened.push_back(address); }
  void Paint(gfx::Canvas& canvas) override {
    ++paints;
    TsWebLabel::Paint(canvas);
  }
};

class WebLabels : public Labels {
 protected:
  RecordingWebLabel* Link() {
    auto* l = Add<RecordingWebLabel>(form, "example.org");
    gfx::Font normal = l->Font();
    normal.Color = gfx::RGB(0, 0, 128);
    l->SetFont(normal);
    gfx::Font hover = normal;
    hover.Color = gfx::RGB(0, 128, 0);
    l->SetHoverFont(hover);
    l->SetURL("https://example.org/a b");
    app().ProcessMessages();
    return l;
  }
};

TEST_F(WebLabels, ColoursFromTheSkinOrTheFonts) {
  struct Case {
    const char* What;
    bool SkinColours;  // GLOBALINFO sets TCTOP / TCBOTTOM
    bool UseSkinColor;
    bool NoSkin;
    gfx::Color Normal, Hovered;
  } cases[] = {
      {"skin without link colours: blue, red", false, true, false, gfx::Color{0xFF0000}, gfx::Color{255}},
      {"skin with link colours", true, true, false, gfx::RGB(8, 8, 8), gfx::RGB(9, 9, 9)},
      {"UseSkinColor off: the fonts' colours", true, false, false, gfx::RGB(0, 0, 128), gfx::RGB(0, 128, 0)},
      {"no skin: the fonts' colours", false, true, true, gfx::RGB(0, 0, 128), gfx::RGB(0, 128, 0)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.What);
    LoadSkin(LabelSkin(c.SkinColours));
    if (c.NoSkin) manager.reset();
    RecordingWebLabel* l = Link();
    l->SetUseSkinColor(c.UseSkinColor);
    EXPECT_EQ(l->EffectiveFont().Color, c.Normal);
    l->Perform(ui::CM_MOUSEENTER, 0, reinterpret_cast<ui::LPARAM>(l));
    EXPECT_TRUE(l->Hovered());
    EXPECT_EQ(l->EffectiveFont().Color, c.Hovered);
    EXPECT_EQ(l->Font().Color, c.Hovered) << "the drawing font follows at once";
    l->Perform(ui::CM_MOUSELEAVE, 0, reinterpret_cast<ui::LPARAM>(l));
    EXPECT_EQ(l->Font().Color, c.Normal);
    EXPECT_EQ(l->NormalFont().Color, gfx::RGB(0, 0, 128)) << "the normal font is never overwritten";
    delete l;
  }
}

TEST_F(WebLabels, HoverRepaintsOnceBehindTheText) {
  RecordingWebLabel* l = Link();
  const int before = l->paints;
  Move(ClientPoint(l, 5, 5));
  EXPECT_TRUE(l->Hovered());
  app().ProcessMessages();
  EXPECT_LE(l->paints - before, 2) << "no paint loop";
  EXPECT_GE(l->paints - before, 1);
  // A notice about another control is not this label's.
  l->Perform(ui::CM_MOUSELEAVE, 0, reinterpret_cast<ui::LPARAM>(form));
  EXPECT_TRUE(l->Hovered());
  Move({5, 5});
  EXPECT_FALSE(l->Hovered());
}

TEST_F(WebLabels, LeftPressOpensTheAddress) {
  RecordingWebLabel* l = Link();
  EXPECT_EQ(l->GetCursor(), ui::crHandPoint);
  EXPECT_EQ(l->ShowMode(), TsWindowShowMode::soDefault);
  EXPECT_EQ(static_cast<int>(TsWindowShowMode::soDefault), 10);
  Down(ClientPoint(l, 5, 5));
  ASSERT_EQ(l->opened.size(), 1u) << "opened on the press, not on the click";
  EXPECT_EQ(l->opened[0], "https://example.org/a b");
  Up(ClientPoint(l, 5, 5));
  EXPECT_EQ(l->opened.size(), 1u);
  l->SetURL("");
  Click(ClientPoint(l, 5, 5));
  EXPECT_EQ(l->opened.size(), 1u) << "an empty address opens nothing";
  // The right button opens nothing either.
  l->SetURL("x");
  l->Perform(ui::WM_RBUTTONDOWN, 0, 0);
  EXPECT_EQ(l->opened.size(), 1u);
}

TEST_F(WebLabels, TransparentOverItsParent) {
  RecordingWebLabel* l = Link();
  EXPECT_FALSE(l->HasStyle(ui::csOpaque));
  EXPECT_TRUE(l->Transparent());
}

}  // namespace
}  // namespace skin::testing
