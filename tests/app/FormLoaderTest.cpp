// Faults in a window description are reported with the place they are in.
#include "app/FormLoader.h"

#include <gtest/gtest.h>

#include "app/EmbeddedAssets.h"
#include "app/PropertyBag.h"
#include "skin/controls/sAlphaImageList.h"
#include "skin/controls/sSpeedButton.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/ui/Application.h"
#include "skin/controls/sSkinManager.h"

namespace app::test {
namespace {

TEST(FormLoaderTest, FaultsNameTheFormTheComponentAndTheProperty) {
  struct Case {
    FormDescription Description;
    const char* Message;
  };
  const Case cases[] = {
      {{"F", {{"Colour", "1"}}, {}}, "F.Colour: unknown property"},
      {{"F", {{"BorderStyle", "bsRound"}}, {}}, "F.BorderStyle: unknown value 'bsRound'"},
      {{"F", {}, {{"TsGadget", "g", "", {}}}}, "F.g: unknown class 'TsGadget'"},
      {{"F", {}, {{"TsPanel", "p", "", {{"Left", "1O"}}}}}, "F.p.Left: not a number: '1O'"},
      {{"F", {}, {{"TsPanel", "p", "q", {}}}}, "F.p: no component 'q'"},
      {{"F", {}, {{"TsButton", "b", "", {{"OnClick", "bClick"}}}}}, "F.b.OnClick: no handler 'bClick'"},
      {{"F", {}, {{"TsAlphaImageList", "l", "", {{"Items.Add", "tiles/none.png"}}}}},
       "F.l.Items.Add: no embedded file 'tiles/none.png'"},
      {{"F", {}, {{"TMenuItem", "m", "", {}}}}, "F.m: no component ''"},
      {{"F", {{"Menu", "x"}}, {{"TsPanel", "x", "", {}}}}, "F.Menu: 'x' is not a main menu"},
  };
  backend::HeadlessBackend screen;
  ui::Application app(screen);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Message);
    ui::Form form(&app);
    try {
      LoadForm(form, c.Description);
      ADD_FAILURE() << "no error";
    } catch (const std::invalid_argument& e) {
      EXPECT_STREQ(e.what(), c.Message);
    }
  }
}

TEST(FormLoaderTest, TheSkinManagerTakesItsSettings) {
  backend::HeadlessBackend screen;
  ui::Application app(screen);
  ui::Form form(&app);
  LoadForm(form, {"F",
                  {},
                  {{"TsSkinManager",
                    "sSkinManager",
                    "",
                    {{"Active", "false"},
                     {"SkinName", "Skin"},
                     {"ExtendedBorders", "true"},
                     {"AnimEffects.Buttons.Events", "[beMouseDown]"},
                     {"AnimEffects.DialogShow.Time", "50"},
                     {"AnimEffects.SkinChanging.Active", "false"},
                     {"MenuSupport.ExtraLineFont.Height", "-11"},
                     {"ThirdParty.ThirdButtons", "TButton"},
                     {"ThirdParty.ThirdEdits", " "}}},
                   {"TsSkinProvider", "sSkinProvider", "", {{"SkinData.SkinSection", "FORM"}}}}});
  auto* m = dynamic_cast<skin::TsSkinManager*>(form.FindComponent("sSkinManager"));
  ASSERT_NE(m, nullptr);
  EXPECT_FALSE(m->Active());
  EXPECT_EQ(m->SkinName(), "Skin");
  EXPECT_TRUE(m->ExtendedBorders());
  EXPECT_TRUE(m->AnimEffects().Buttons.Events == skin::TacBtnEvents{skin::TacBtnEvent::beMouseDown});
  EXPECT_EQ(m->AnimEffects().DialogShow.Time, 50);
  EXPECT_FALSE(m->AnimEffects().SkinChanging.Active);
  EXPECT_EQ(m->MenuSupport().ExtraLineFont.Height, -11);
  EXPECT_EQ(m->SkinDirectory(), "c:\\Skins");
  EXPECT_EQ(m->ThirdParty().Lists[skin::ThirdEdits], " ");
  EXPECT_EQ(m->Model(), nullptr);
  // The frame skinning component is not built yet: its settings are kept.
  auto* bag = dynamic_cast<PropertyBag*>(form.FindComponent("sSkinProvider"));
  ASSERT_NE(bag, nullptr);
  ASSERT_NE(bag->Get("SkinData.SkinSection"), nullptr);
}

// Same size and the same pixels.
bool SamePicture(const gfx::Bitmap& a, const gfx::Bitmap& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if (a.PixelAt(x, y) != b.PixelAt(x, y)) return false;
  return true;
}

// The tile shows the picture of its image list and follows every change of
// the list: the index, a new size of the PNG list, the list's removal.
TEST(FormLoaderTest, TileShowsItsImageListPictureAndFollowsTheList) {
  backend::HeadlessBackend screen;
  ui::Application app(screen);
  const FormDescription d{"F",
                          {},
                          {{"TsAlphaImageList",
                            "l",
                            "",
                            {{"Width", "200"},
                             {"Height", "200"},
                             {"Items.Add", "tiles/tile1_dark.png"},
                             {"Items.Add", "tiles/tile1_lit.png"}}},
                           {"TsSpeedButton", "t", "", {{"Images", "l"}, {"ImageIndex", "1"}}}}};
  // A form is loaded as the program loads it: the components see Loaded.
  ui::Form& form = *app.CreateForm<ui::Form>([&d](ui::Form& f) { LoadForm(f, d); });
  auto* list = dynamic_cast<skin::AlphaImageList*>(form.FindComponent("l"));
  auto* tile = dynamic_cast<skin::TsSpeedButton*>(form.FindComponent("t"));
  ASSERT_NE(list, nullptr);
  ASSERT_NE(tile, nullptr);
  EXPECT_EQ(tile->Images(), list);
  EXPECT_EQ(tile->ImageIndex(), 1);
  // The tile draws straight from the list: nothing is copied into its glyph.
  EXPECT_TRUE(tile->Glyph().Empty());
  ASSERT_EQ(list->Count(), 2);
  ASSERT_NE(list->Decoded(0), nullptr);
  EXPECT_FALSE(SamePicture(*list->Decoded(0), *list->Decoded(1)));
  gfx::Bitmap lit;
  ASSERT_TRUE(list->List().ItemImage32(1, lit));
  EXPECT_TRUE(SamePicture(*list->Decoded(1), lit));
  EXPECT_EQ(tile->PictureWidth(), 200);

  tile->SetImageIndex(5);
  EXPECT_EQ(tile->PictureWidth(), 0);

  tile->SetImageIndex(1);
  list->List().SetSize(100, 100);
  EXPECT_EQ(list->Width(), 100);
  EXPECT_EQ(tile->PictureWidth(), 100);
  ASSERT_TRUE(list->List().ItemImage32(1, lit));
  EXPECT_TRUE(SamePicture(*list->Decoded(1), lit));

  auto bytes = EmbeddedAsset("tiles/tile2_lit.png");
  list->List().Items().AddPng({bytes.begin(), bytes.end()});
  EXPECT_EQ(list->Count(), 3);
  tile->SetImageIndex(2);
  EXPECT_EQ(tile->PictureWidth(), 100);

  delete list;
  EXPECT_EQ(tile->Images(), nullptr);
  EXPECT_EQ(tile->PictureWidth(), 0);
}

}  // namespace
}  // namespace app::test
