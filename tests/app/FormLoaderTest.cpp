// Faults in a window description are reported with the place they are in.
#include "app/FormLoader.h"

#include <gtest/gtest.h>

#include "app/PropertyBag.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/ui/Application.h"

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

TEST(FormLoaderTest, SkinOnlySettingsAreKeptAsData) {
  backend::HeadlessBackend screen;
  ui::Application app(screen);
  ui::Form form(&app);
  LoadForm(form, {"F",
                  {},
                  {{"TsSkinManager", "sSkinManager", "", {{"SkinName", "Skin"}, {"ExtendedBorders", "true"}}},
                   {"TsPanel", "p", "", {{"SkinData.SkinSection", "PANEL"}}}}});
  auto* bag = dynamic_cast<PropertyBag*>(form.FindComponent("sSkinManager"));
  ASSERT_NE(bag, nullptr);
  EXPECT_EQ(bag->ClassName(), "TsSkinManager");
  ASSERT_NE(bag->Get("SkinName"), nullptr);
  EXPECT_EQ(*bag->Get("SkinName"), "Skin");
  EXPECT_EQ(bag->Get("SkinDirectory"), nullptr);
}

}  // namespace
}  // namespace app::test
