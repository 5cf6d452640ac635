// Disabled captions of the group box and the panel: with a skin in the skin's
// disabled text colour (40 % of the font colour over the skin's default
// colour: black on white gives 153), without a skin embossed like every
// disabled caption of the plain look.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "platform/gfx/Canvas.h"
#include "skin/controls/sGroupBox.h"
#include "skin/controls/sPanel.h"
#include "tests/skin/controls/BindingTestSupport.h"

namespace skin::testing {
namespace {

using fixture::FixtureSkin;

constexpr gfx::Color kParent = gfx::RGB(250, 240, 230);
constexpr gfx::Color kPanel = gfx::RGB(240, 250, 235);
constexpr gfx::Color kGrey = gfx::RGB(90, 90, 90);

class DisabledCaption : public BindingFixture {
 protected:
  void SetUp() override {
    FixtureSkin s;
    s.Set("GLOBALINFO", "COLOR", gfx::clWhite);
    s.Set("PLAIN", "COLOR", kParent);
    s.Set("GROUPBOX", "TRANSPARENCY", 100).Set("GROUPBOX", "FONTCOLOR", 0);
    s.Set("PANEL", "COLOR", kPanel).Set("PANEL", "FONTCOLOR", 0);
    LoadSkin(s);
    form = ShownForm();
    parent = new BoundPanel(form, 51);
    parent->SetParent(form);
    parent->SetBounds(0, 0, 250, 150);
    parent->SkinData().SetSkinSection("PLAIN");
    parent->SkinData().CacheStale = false;
    box = new TsGroupBox(form);
    box->SetParent(parent);
    box->SetBounds(10, 10, 137, 89);
    panel = new TsPanel(form);
    panel->SetParent(parent);
    panel->SetBounds(10, 100, 200, 40);
    panel->SetBevelOuter(ui::BevelCut::bvNone);
    gfx::Font f = box->Font();
    f.Height = -16;
    for (ui::Control* c : {static_cast<ui::Control*>(box), static_cast<ui::Control*>(panel)}) {
      c->SetFont(f);
      c->SetCaption("Уровень сложности");
    }
  }
  gfx::Bitmap Painted(ui::Control* c) {
    gfx::Bitmap out = fixture::Solid24(c->Width(), c->Height(), kGrey);
    gfx::Canvas canvas(out);
    c->Perform(ui::WM_PAINT, reinterpret_cast<ui::WPARAM>(&canvas));
    return out;
  }
  // Backgrounds are lighter than the disabled text, so the darkest pixel of a
  // caption is its text colour.
  // The darkest channel sum in `area` and whether `colour` is among its
  // pixels.
  static int Darkest(const gfx::Bitmap& b, const gfx::Rect& area, gfx::Color colour, bool& found) {
    int darkest = 3 * 255;
    found = false;
    for (int y = area.Top; y < area.Bottom; ++y)
      for (int x = area.Left; x < area.Right; ++x) {
        const gfx::Color p = b.PixelAt(x, y) & 0xFFFFFF;
        darkest = std::min(darkest, static_cast<int>(gfx::GetR(p) + gfx::GetG(p) + gfx::GetB(p)));
        found = found || p == colour;
      }
    return darkest;
  }
  ui::Form* form = nullptr;
  BoundPanel* parent = nullptr;
  TsGroupBox* box = nullptr;
  TsPanel* panel = nullptr;
};

TEST_F(DisabledCaption, SkinnedInTheSkinsDisabledColour) {
  const gfx::Color disabled = gfx::RGB(153, 153, 153);
  const struct {
    ui::Control* control;
    std::function<gfx::Rect()> area;
  } cases[] = {
      {box, [this] { return box->CaptionBox(); }},
      {panel, [this] { return gfx::Rect{0, 0, panel->Width(), panel->Height()}; }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.control->ClassName());
    bool found = false;
    EXPECT_EQ(Darkest(Painted(c.control), c.area(), disabled, found), 0) << "enabled: black text";
    c.control->SetEnabled(false);
    const gfx::Bitmap b = Painted(c.control);
    EXPECT_EQ(Darkest(b, c.area(), disabled, found), 3 * 153);
    EXPECT_TRUE(found);
  }
}

TEST_F(DisabledCaption, PlainEmbossed) {
  manager.reset();
  const gfx::Color light = gfx::ColorToRGB(gfx::clBtnHighlight), shadow = gfx::ColorToRGB(gfx::clBtnShadow);
  for (ui::Control* c : {static_cast<ui::Control*>(box), static_cast<ui::Control*>(panel)}) {
    SCOPED_TRACE(c->ClassName());
    c->SetEnabled(false);
    const gfx::Bitmap b = Painted(c);
    const gfx::Color face = gfx::ColorToRGB(c->Color());
    // The caption's rows: the group box's caption line, the panel's middle.
    const gfx::Rect area = c == box ? gfx::Rect{6, 0, 131, 20} : gfx::Rect{1, 8, 199, 32};
    int lights = 0, shadows = 0;
    for (int y = area.Top; y < area.Bottom; ++y)
      for (int x = area.Left; x < area.Right; ++x) {
        const gfx::Color p = b.PixelAt(x, y) & 0xFFFFFF;
        // The plain group box leaves the area beside its caption unpainted,
        // and its etched frame line is light and shadow too.
        if (p == kGrey) continue;
        ASSERT_TRUE(p == face || p == light || p == shadow) << x << "," << y << " " << std::hex << p;
        lights += p == light;
        shadows += p == shadow;
      }
    EXPECT_GT(shadows, 40);
    EXPECT_GT(lights, 20);
  }
}

}  // namespace
}  // namespace skin::testing
