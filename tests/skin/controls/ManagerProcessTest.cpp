// The manager's process-wide side: the default manager, the application-
// window hook, the list of skins and the version switch.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/ui/Application.h"
#include "skin/controls/VersionSwitch.h"
#include "tests/skin/controls/ManagerFixture.h"

namespace skin::test {
namespace {

TEST_F(ManagerTest, TheFirstManagerIsTheDefaultUntilItGoes) {
  TsSkinManager* first = NewManager();
  auto* second = NewManager();
  EXPECT_EQ(TsSkinManager::DefaultManager(), first);
  EXPECT_TRUE(first->IsDefault());
  EXPECT_FALSE(second->IsDefault());
  second->SetIsDefault(false);  // clearing cannot hand the role on
  first->SetIsDefault(false);
  EXPECT_EQ(TsSkinManager::DefaultManager(), first);
  second->SetIsDefault(true);
  EXPECT_EQ(TsSkinManager::DefaultManager(), second);
  delete second;
  EXPECT_EQ(TsSkinManager::DefaultManager(), nullptr);
  first->SetIsDefault(false);  // no default at all: any value takes the role
  EXPECT_EQ(TsSkinManager::DefaultManager(), first);
}

// A control that keeps the manager that sent it a skin command, as a
// binding does, and drops it when the manager says it goes.
class HoldingPanel : public ProbePanel {
 public:
  HoldingPanel(ui::WinControl* parent, CommandLog& log) : ProbePanel(parent, log, "h") {
    listener_ = TsSkinManager::AddDestroyListener([this](TsSkinManager& m) {
      if (held == &m) held = nullptr;
    });
  }
  ~HoldingPanel() override { TsSkinManager::RemoveDestroyListener(listener_); }
  void WndProc(ui::Message& m) override {
    if (SkinCommandOf(m) == SKC_SKIN_LOADED) held = reinterpret_cast<TsSkinManager*>(m.lParam);
    ProbePanel::WndProc(m);
  }
  void Paint(gfx::Canvas& c) override {
    if (held) paintedWith = held->GetGlobalColor();
    ProbePanel::Paint(c);
  }
  TsSkinManager* held = nullptr;
  gfx::Color paintedWith = 0;

 private:
  int listener_ = 0;
};

// The main window frees the manager before its controls; nothing may keep
// a pointer to the manager after that.
TEST_F(ManagerTest, DestroyingTheDefaultManagerLeavesNoDanglingManager) {
  CommandLog log;
  auto* form = new ProbeForm(&app(), log, "F");
  form->SetBoundsRect({0, 0, 100, 100});
  auto* holder = new HoldingPanel(form, log);
  holder->SetBounds(0, 0, 50, 50);
  Show(form);
  TsSkinManager* m = NewManager(form);
  m->InternalSkins().push_back(SmallSkin().Stored("Skin"));
  m->SetSkinName("Skin");
  m->SetActive(true);
  ASSERT_EQ(holder->held, m);

  form->BeginDestruction();  // the form goes first, as the main window does
  log.clear();
  delete m;
  EXPECT_EQ(TsSkinManager::DefaultManager(), nullptr);
  EXPECT_EQ(holder->held, nullptr);
  holder->Invalidate();
  app().ProcessMessages();  // paints without touching the freed manager
  delete form;
}

TEST_F(ManagerTest, TwoManagersEachHaveTheirOwnSkin) {
  TsSkinManager* a = NewManager();
  TsSkinManager* b = NewManager();
  a->InternalSkins().push_back(SmallSkin(gfx::RGB(1, 1, 1)).Stored("A"));
  b->InternalSkins().push_back(SmallSkin(gfx::RGB(2, 2, 2)).Stored("B"));
  a->SetSkinName("A");
  b->SetSkinName("B");
  a->SetActive(true);
  b->SetActive(true);
  delete a;
  EXPECT_EQ(TsSkinManager::DefaultManager(), nullptr);
  EXPECT_TRUE(b->SkinLoaded());
  b->SetActive(false);
}

class ManagerHook : public ManagerTest {
 protected:
  ManagerHook() {
    formA = new ProbeForm(&app(), log, "A");
    formB = new ProbeForm(&app(), log, "B");
    manager = NewManager();
  }
  int Count(int code) const {
    return static_cast<int>(
        std::count_if(log.begin(), log.end(), [&](const SeenCommand& c) { return c.Code == code; }));
  }
  CommandLog log;
  ProbeForm* formA = nullptr;
  ProbeForm* formB = nullptr;
  TsSkinManager* manager = nullptr;
};

TEST_F(ManagerHook, InvalidateRequestReachesEveryFormOnlyWhilePopupsAreSkinned) {
  Show(formA);
  Show(formB);
  log.clear();  // the first activation has sent it already
  app().SendAppMessage(ui::CM_ACTIVATE);
  EXPECT_EQ(Count(SKC_INVALIDATE), 2);
  manager->SetSkinnedPopups(false);
  log.clear();
  app().SendAppMessage(ui::CM_ACTIVATE);
  EXPECT_EQ(Count(SKC_INVALIDATE), 0);
}

TEST_F(ManagerHook, ThemeChangesAreSwallowed) {
  // A hook older than the manager's sees only what the manager passes on.
  delete manager;
  int themeSeen = 0, invalidateSeen = 0;
  const int id = app().HookMainWindow([&](ui::Message& m) {
    themeSeen += m.msg == ui::WM_THEMECHANGED;
    invalidateSeen += m.msg == ui::CM_ACTIVATE;
    return false;
  });
  manager = NewManager();
  app().SendAppMessage(ui::WM_THEMECHANGED);
  app().SendAppMessage(ui::CM_ACTIVATE);
  EXPECT_EQ(themeSeen, 0);
  EXPECT_EQ(invalidateSeen, 1);
  manager->SetSkinnedPopups(false);
  app().SendAppMessage(ui::WM_THEMECHANGED);
  EXPECT_EQ(themeSeen, 1);
  app().UnhookMainWindow(id);
}

TEST_F(ManagerHook, AfterMinimiseNothingIsFrozen) {
  Show(formB);
  FakeSkinnedForm registered(formB);
  manager->InternalSkins().push_back(SmallSkin().Stored("Skin"));
  manager->SetSkinName("Skin");
  app().SendAppMessage(ui::WM_SYSCOMMAND, ui::SC_MINIMIZE);
  EXPECT_TRUE(TsSkinManager::AppMinimized());
  manager->SetActive(true);
  EXPECT_EQ(registered.freezes, 0);
  app().SendAppMessage(ui::WM_SYSCOMMAND, ui::SC_RESTORE);
  EXPECT_FALSE(TsSkinManager::AppMinimized());
  manager->SetSkinName("Skin");
  EXPECT_EQ(registered.freezes, 1);
}

TEST_F(ManagerHook, MenuMessagesGoToTheMenuPainter) {
  struct Painter : TsSkinableMenus {
    int prepared = 0;
    bool PrepareMenuWindow(ui::Message&) override { return ++prepared > 0; }
  };
  // The do-nothing painter leaves both messages unanswered.
  EXPECT_EQ(app().SendAppMessage(ui::CM_MENUITEMPREPARE), 0);
  SetSkinableMenusFactory(
      [](TsSkinManager&) -> std::unique_ptr<TsSkinableMenus> { return std::make_unique<Painter>(); });
  delete manager;
  manager = NewManager();
  SetSkinableMenusFactory(nullptr);
  EXPECT_EQ(app().SendAppMessage(ui::CM_MENUITEMPREPARE), 1);
  EXPECT_EQ(app().SendAppMessage(ui::CM_MENUWINDOWPREPARE), 1);
  EXPECT_EQ(static_cast<Painter&>(manager->SkinableMenus()).prepared, 2);
}

TEST_F(ManagerTest, ListSkinsByMode) {
  TsSkinManager* m = NewManager();
  m->InternalSkins().push_back(SmallSkin().Stored("B"));
  WriteSkinDirectory(SmallSkin(), "A");
  std::filesystem::create_directories(SkinDir().Path() / "C");
  WriteSkinDirectory(SmallSkin(), ".h");
  SkinDir().Write("D.osz", SmallSkin().Package());
  SkinDir().Write("E.x.osz", SmallSkin().Package());
  SkinDir().Write("F.txt", fixture::Bytes("not a skin"));
  struct Case {
    int mode;
    std::vector<std::string> list;
  };
  for (const Case& c : {Case{0, {"A", "B"}}, Case{1, {"B", "D", "E"}}, Case{2, {"A", "B", "D", "E"}}}) {
    std::vector<std::string> list;
    EXPECT_EQ(m->ListSkins(list, c.mode), "B") << c.mode;  // internal skins first
    EXPECT_EQ(list, c.list) << c.mode;
  }
}

TEST_F(ManagerTest, ListSkinsMergesNamesWithoutRegardToCase) {
  TsSkinManager* m = NewManager();
  WriteSkinDirectory(SmallSkin(), "zeta");
  SkinDir().Write("Zeta.osz", SmallSkin().Package());
  SkinDir().Write("alpha.OSZ", SmallSkin().Package());
  std::vector<std::string> list;
  EXPECT_EQ(m->ListSkins(list, 2), "zeta");  // directories before packages
  EXPECT_EQ(list, (std::vector<std::string>{"alpha", "zeta"}));
}

TEST_F(ManagerTest, VersionSwitchShowsOneBoxInAnyCase) {
  struct Case {
    std::vector<std::string> params;
    bool shown;
  };
  for (const Case& c : {Case{{"/KVVER"}, true}, Case{{"/kvver", "/KvVer"}, true}, Case{{"/kvverx"}, false},
                        Case{{"kvver"}, false}, Case{{}, false}}) {
    messages.clear();
    EXPECT_EQ(ShowVersionIfAsked(c.params), c.shown);
    if (c.shown) {
      EXPECT_EQ(messages, std::vector<std::string>{"Kavrel v6.69"});
    } else {
      EXPECT_TRUE(messages.empty());
    }
  }
}

}  // namespace
}  // namespace skin::test
