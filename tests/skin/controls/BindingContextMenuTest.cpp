// A context-menu request on a skinned control hands the control's popup menu
// to the manager's menu painter before the platform opens it.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/ui/menus/Menus.h"
#include "skin/controls/SkinSeams.h"
#include "tests/skin/controls/BindingTestSupport.h"

namespace skin::testing {
namespace {

struct HookCall {
  ui::PopupMenu* Menu;
  bool On;
};

// What the painter was asked; a file-wide list because the painter is made
// by a factory function.
std::vector<HookCall>& Calls() {
  static std::vector<HookCall> calls;
  return calls;
}

class RecordingMenus : public TsSkinableMenus {
 public:
  void HookPopupMenu(ui::PopupMenu& menu, bool on) override { Calls().push_back({&menu, on}); }
};

std::unique_ptr<TsSkinableMenus> MakeRecording(TsSkinManager&) { return std::make_unique<RecordingMenus>(); }

class BindingContextMenu : public BindingFixture {
 protected:
  void SetUp() override {
    Calls().clear();
    SetSkinableMenusFactory(&MakeRecording);
    fixture::FixtureSkin skin;
    skin.Set("PANEL", "COLOR", gfx::RGB(10, 20, 30));
    LoadSkin(skin);
    SetSkinableMenusFactory(nullptr);
    form = ShownForm();
    control = new BoundPanel(form, 51);
    control->SetParent(form);
    control->SetBounds(10, 10, 60, 40);
    menu = new ui::PopupMenu(form);
    auto* item = new ui::MenuItem(menu);
    item->SetCaption("Item");
    menu->Items()->Add(item);
  }
  void TearDown() override { Calls().clear(); }

  // Sends the request the way a right click does; the menu that opens is
  // closed with Escape. Returns the calls the painter had seen when the menu
  // opened (-1 when it did not open).
  int RequestContextMenu() {
    int seenAtPopup = -1;
    menu->OnPopup = [&seenAtPopup](ui::Component*) { seenAtPopup = static_cast<int>(Calls().size()); };
    During([this] { screen().InjectKey(backend::VK_ESCAPE); });
    const gfx::Point at = control->ClientToScreen({5, 5});
    control->Perform(ui::WM_CONTEXTMENU, 0, ui::PointToParam(at.X, at.Y));
    return seenAtPopup;
  }

  ui::Form* form = nullptr;
  BoundPanel* control = nullptr;
  ui::PopupMenu* menu = nullptr;
};

TEST_F(BindingContextMenu, PopupMenuIsHookedBeforeItOpens) {
  control->SetPopupMenu(menu);
  EXPECT_EQ(RequestContextMenu(), 1);
  ASSERT_EQ(Calls().size(), 1u);
  EXPECT_EQ(Calls()[0].Menu, menu);
  EXPECT_TRUE(Calls()[0].On);
}

TEST_F(BindingContextMenu, FollowsTheManagersSkinnedPopups) {
  control->SetPopupMenu(menu);
  manager->SetSkinnedPopups(false);
  RequestContextMenu();
  ASSERT_EQ(Calls().size(), 1u);
  EXPECT_FALSE(Calls()[0].On);
}

TEST_F(BindingContextMenu, NothingWithoutAPopupMenuOrAManager) {
  RequestContextMenu();
  EXPECT_TRUE(Calls().empty());

  control->SetPopupMenu(menu);
  manager.reset();
  EXPECT_EQ(RequestContextMenu(), 0);  // the platform still opens the menu
  EXPECT_TRUE(Calls().empty());
}

}  // namespace
}  // namespace skin::testing
