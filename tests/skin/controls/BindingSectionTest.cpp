// Binding a control to its section: the SkinSection setter and the commands
// it sends, resolving the indexes and the gradient summary, the manager
// setter, and loading.
#include <gtest/gtest.h>

#include "tests/skin/controls/BindingTestSupport.h"

namespace skin::testing {
namespace {

using fixture::FixtureSkin;

FixtureSkin SectionSkin() {
  FixtureSkin s;
  s.Fill({0, 0, 30, 30}, gfx::RGB(0, 0, 200));
  s.Mask("WEBBUTTON", {{0, 0, 30, 30}, 5, 5, 5, 5, 1, 0, 0, 0});
  s.Set("WEBBUTTON", "COLOR", gfx::RGB(1, 2, 3));
  s.Set("PANEL", "COLOR", gfx::RGB(4, 5, 6));
  s.Fill({40, 0, 44, 4}, gfx::RGB(9, 9, 9)).Set("PANEL", "PATTERN", "~0040~0000~0044~0004~00");
  s.Fill({50, 0, 54, 4}, gfx::RGB(8, 8, 8)).Set("PANEL", "HOTPATTERN", "~0050~0000~0054~0004~00");
  return s;
}

class BindingSection : public BindingFixture {};

TEST_F(BindingSection, SetterNormalisesAndAnnouncesTheChange) {
  TsSkinManager& m = LoadSkin(SectionSkin());
  ui::Form* form = ShownForm();
  auto* c = new BoundSpeedButton(form, 92);
  c->SetParent(form);
  TsCommonData& d = c->SkinData();
  CommandLog log(*c);
  const auto managerParam = reinterpret_cast<ui::LPARAM>(&m);

  d.SetSkinSection("webbutton");
  EXPECT_EQ(d.SkinSection(), "WEBBUTTON");
  EXPECT_EQ(d.SectionIndex, m.Model()->SectionIndexOf("WEBBUTTON"));
  ASSERT_EQ(log.entries.size(), 1u);
  EXPECT_EQ(log.entries[0].Code, SKC_SKIN_REFRESH);
  EXPECT_EQ(log.entries[0].LParam, managerParam);

  log.entries.clear();
  d.SetSkinSection("WEBBUTTON");
  d.SetSkinSection("WebButton");
  EXPECT_TRUE(log.entries.empty());

  d.SetSkinSection("NOSUCH");
  EXPECT_EQ(d.SectionIndex, -1);
  EXPECT_EQ(d.MaskIndex, -1);
  EXPECT_EQ(log.Codes(), std::vector<int>{SKC_SKIN_UNLOADED});
  EXPECT_FALSE(d.IsSkinned());

  log.entries.clear();
  d.SetSkinSection("");
  EXPECT_EQ(d.SkinSection(), "UNKNOWN");
  EXPECT_EQ(log.Codes(), std::vector<int>{SKC_SKIN_UNLOADED});
}

TEST_F(BindingSection, SetterIsSilentWhileLoadingOrWithoutParent) {
  LoadSkin(SectionSkin());
  ui::Form* form = ShownForm();
  auto* orphan = new BoundSpeedButton(form, 92);
  CommandLog orphanLog(*orphan);
  orphan->SkinData().SetSkinSection("panel");
  EXPECT_EQ(orphan->SkinData().SkinSection(), "PANEL");
  EXPECT_GE(orphan->SkinData().SectionIndex, 0);
  EXPECT_TRUE(orphanLog.entries.empty());

  auto* loading = new BoundSpeedButton(form, 92);
  loading->SetParent(form);
  CommandLog loadingLog(*loading);
  {
    ui::ComponentStateScope scope(*loading, ui::csLoading);
    loading->SkinData().SetSkinSection("webbutton");
  }
  EXPECT_EQ(loading->SkinData().SkinSection(), "WEBBUTTON");
  EXPECT_TRUE(loadingLog.entries.empty());
}

TEST_F(BindingSection, ResolveFindsMaskAndTextures) {
  TsSkinManager& m = LoadSkin(SectionSkin());
  ui::Form* form = ShownForm();
  auto* c = new BoundPanel(form, 51);
  c->SetParent(form);
  TsCommonData& d = c->SkinData();
  d.SetSkinSection("PANEL");
  const TsSkinModel& model = *m.Model();
  EXPECT_EQ(d.MaskIndex, -1);
  EXPECT_EQ(d.TextureIndex, model.MaskIndexOfExact("PANEL", "PATTERN"));
  EXPECT_EQ(d.HotTextureIndex, model.MaskIndexOfExact("PANEL", "HOTPATTERN"));
  EXPECT_GE(d.TextureIndex, 0);
  EXPECT_NE(d.TextureIndex, d.HotTextureIndex);

  d.SetSkinSection("WEBBUTTON");
  EXPECT_EQ(d.MaskIndex, model.MaskIndexOfExact("WEBBUTTON", "BORDERSMASK"));
  EXPECT_EQ(d.TextureIndex, -1);
  EXPECT_EQ(d.HotTextureIndex, -1);

  // An unknown section leaves nothing to paint with, the mask included.
  d.SetSkinSection("NOSUCH");
  EXPECT_EQ(d.MaskIndex, -1);
  EXPECT_EQ(d.TextureIndex, -1);
  EXPECT_EQ(d.HotTextureIndex, -1);
}

TEST_F(BindingSection, GradientKindSummarisesTheSection) {
  const struct {
    int image, gradient;
    const char* data;
    int expected;
  } cases[] = {
      {0, 0, "", 0},
      {10, 0, "", 4},
      {0, 50, "255;0;50;0;0", 2},
      {0, 50, "255;0;50;1;0", 1},
      {0, 50, "255;0;50;2;0", 3},
      {10, 50, "255;0;50;2;0", 7},
      {0, 50, "", 0},
  };
  for (const auto& c : cases) {
    FixtureSkin s;
    s.Set("PANEL", "IMAGEPERCENT", c.image).Set("PANEL", "GRADIENTPERCENT", c.gradient);
    if (*c.data) s.Set("PANEL", "GRADIENTDATA", c.data);
    LoadSkin(s);
    TsCommonData d(nullptr, false, 51);
    d.SetSkinSection("PANEL");
    EXPECT_EQ(d.GradientKind, c.expected) << c.image << " " << c.gradient << " " << c.data;
  }
}

TEST_F(BindingSection, LoadedTakesTheKindsDefaultSection) {
  LoadSkin(SectionSkin());
  ui::Form* form = ShownForm();
  auto* p = new BoundPanel(form, 51);
  p->SetParent(form);
  p->SkinData().Loaded();
  EXPECT_EQ(p->SkinData().SkinSection(), "PANEL");
  EXPECT_TRUE(p->SkinData().IsSkinned());

  auto* other = new BoundPanel(form, 55);
  other->SetParent(form);
  other->SkinData().Loaded();
  EXPECT_EQ(other->SkinData().SkinSection(), "TPANEL");
  EXPECT_FALSE(other->SkinData().IsSkinned());
}

TEST_F(BindingSection, ManagerSetterAndTheManagersEnd) {
  LoadSkin(SectionSkin());
  ui::Form* form = ShownForm();
  auto* c = new BoundSpeedButton(form, 92);
  c->SetParent(form);
  TsCommonData& d = c->SkinData();
  d.SetSkinSection("PANEL");

  // The default manager is stored as none.
  d.SetSkinManager(manager.get());
  EXPECT_EQ(d.SkinManager(), nullptr);

  auto second = std::make_unique<TsSkinManager>(nullptr);
  second->SetSkinDirectory((dir.Path() / "none").string());
  FixtureSkin other;
  other.AddSection("OTHER").AddSection("PANEL");
  second->InternalSkins().push_back(other.Stored("Skin"));
  second->SetSkinName("Skin");
  CommandLog log(*c);
  d.SetSkinManager(second.get());
  EXPECT_EQ(d.SkinManager(), second.get());
  EXPECT_EQ(d.SectionIndex, second->Model()->SectionIndexOf("PANEL"));
  EXPECT_EQ(log.Codes(), std::vector<int>{SKC_SKIN_REFRESH});

  // A command 1 from the other manager changes nothing.
  d.CacheStale = false;
  SendSkinCommand(c, SKC_SKIN_LOADED, reinterpret_cast<ui::LPARAM>(manager.get()));
  EXPECT_FALSE(d.CacheStale);

  // The own manager goes before its controls: the binding forgets it.
  second.reset();
  EXPECT_EQ(d.SkinManager(), nullptr);
  EXPECT_EQ(d.SectionIndex, -1);
  c->Repaint();
}

}  // namespace
}  // namespace skin::testing
