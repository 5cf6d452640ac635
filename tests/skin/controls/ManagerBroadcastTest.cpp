// What a skin change sends to the windows, in which order, and the painting
// freeze around it.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/skin/controls/ManagerFixture.h"

namespace skin::test {
namespace {

class ManagerBroadcast : public ManagerTest {
 protected:
  ManagerBroadcast() {
    formA = new ProbeForm(&app(), log, "A");
    childA = new ProbePanel(formA, log, "a");
    formB = new ProbeForm(&app(), log, "B");
    childB = new ProbePanel(formB, log, "b");
    formA->SetBoundsRect({10, 10, 200, 150});
    formB->SetBoundsRect({220, 10, 420, 150});
    Show(formA);
    Show(formB);
    registered = std::make_unique<FakeSkinnedForm>(formB);
    manager = NewManager();
    manager->InternalSkins().push_back(SmallSkin().Stored("Skin"));
    manager->SetSkinName("Skin");
  }

  // The log as "receiver:code" items.
  std::vector<std::string> Seen() const {
    std::vector<std::string> out;
    for (const auto& c : log) out.push_back(c.Receiver + ":" + std::to_string(c.Code));
    return out;
  }

  CommandLog log;
  ProbeForm* formA = nullptr;
  ProbePanel* childA = nullptr;
  ProbeForm* formB = nullptr;
  ProbePanel* childB = nullptr;
  std::unique_ptr<FakeSkinnedForm> registered;
  TsSkinManager* manager = nullptr;
};

TEST_F(ManagerBroadcast, LoadSendsOneThenSixteenThenThreeToUnregisteredFormsFirst) {
  bool flagInBefore = true, flagInAfter = true;
  manager->OnBeforeChange = [&] { flagInBefore = TsSkinManager::SkinChanging(); };
  manager->OnAfterChange = [&] { flagInAfter = TsSkinManager::SkinChanging(); };
  manager->SetActive(true);

  const std::vector<std::string> expected = {"A:1",  "a:1",  "B:1", "b:1", "A:16", "a:16",
                                             "B:16", "b:16", "A:3", "a:3", "B:3",  "b:3"};
  EXPECT_EQ(Seen(), expected);
  for (const auto& c : log) {
    EXPECT_EQ(c.LParam, reinterpret_cast<ui::LPARAM>(manager)) << c.Receiver << c.Code;
    EXPECT_TRUE(c.SkinChanging) << c.Receiver << c.Code;
    // The model is marked active only once every window has heard of it.
    EXPECT_EQ(c.ModelActive, c.Code != SKC_SKIN_LOADED) << c.Receiver << c.Code;
  }
  EXPECT_FALSE(flagInBefore);
  EXPECT_FALSE(flagInAfter);
  EXPECT_FALSE(TsSkinManager::SkinChanging());
}

TEST_F(ManagerBroadcast, SettingActiveToItsValueSendsNothing) {
  manager->SetActive(false);
  EXPECT_TRUE(log.empty());
  manager->SetActive(true);
  log.clear();
  manager->SetActive(true);
  EXPECT_TRUE(log.empty());
}

TEST_F(ManagerBroadcast, DeactivateSendsTwoAndFreesTheSkin) {
  manager->SetActive(true);
  log.clear();
  manager->SetActive(false);
  EXPECT_EQ(Seen(), (std::vector<std::string>{"A:2", "a:2", "B:2", "b:2"}));
  EXPECT_EQ(manager->Model(), nullptr);
  EXPECT_FALSE(manager->SkinLoaded());
  EXPECT_EQ(manager->SkinInfo(), "N/A");
  EXPECT_EQ(manager->GetGlobalColor(), gfx::ColorToRGB(gfx::clBtnFace));
}

TEST_F(ManagerBroadcast, FormsBeingLoadedAreLeftOut) {
  formA->BeginLoading();
  manager->SetActive(true);
  formA->EndLoading();
  EXPECT_TRUE(std::none_of(log.begin(), log.end(), [](const SeenCommand& c) { return c.Receiver == "A"; }));
}

TEST_F(ManagerBroadcast, EveryChangeLeavesTheRedrawLocksAsTheyWere) {
  const int lockA = formA->RedrawLockCount(), lockB = formB->RedrawLockCount();
  manager->SetActive(true);
  EXPECT_EQ(formA->RedrawLockCount(), lockA);
  EXPECT_EQ(formB->RedrawLockCount(), lockB);
  EXPECT_EQ(registered->freezes, 1);  // once per change, though Apply and Repaint both freeze
  EXPECT_EQ(registered->thaws, 1);
  EXPECT_FALSE(registered->Frozen());

  manager->SetHueOffset(30);
  manager->SetSkinName("Skin");
  manager->Apply();
  manager->Repaint();
  manager->SetActive(false);
  EXPECT_EQ(formA->RedrawLockCount(), lockA);
  EXPECT_EQ(formB->RedrawLockCount(), lockB);
  EXPECT_EQ(registered->freezes, registered->thaws);
}

TEST_F(ManagerBroadcast, TheRegisteredFormIsFrozenWhileTheCommandsGoOut) {
  std::vector<int> locksDuringRefresh;
  struct Watch : ProbePanel {
    using ProbePanel::ProbePanel;
    std::function<void()> onRefresh;
    void WndProc(ui::Message& m) override {
      if (SkinCommandOf(m) == SKC_SKIN_REFRESH && onRefresh) onRefresh();
      ProbePanel::WndProc(m);
    }
  };
  auto* w = new Watch(formB, log, "w");
  w->onRefresh = [&] { locksDuringRefresh.push_back(formB->RedrawLockCount()); };
  manager->SetActive(true);
  ASSERT_EQ(locksDuringRefresh.size(), 1u);
  EXPECT_EQ(locksDuringRefresh[0], 1);
  EXPECT_EQ(formB->RedrawLockCount(), 0);
}

TEST_F(ManagerBroadcast, AMinimisedFormIsNeverLocked) {
  formB->SetWindowState(ui::WindowState::wsMinimized);
  app().ProcessMessages();
  manager->SetActive(true);
  EXPECT_EQ(registered->freezes, 0);
  EXPECT_EQ(formB->RedrawLockCount(), 0);
}

TEST_F(ManagerBroadcast, FormsOfAnotherManagerAreNotFrozen) {
  TsSkinManager other(nullptr);
  FakeSkinnedForm foreign(formA, &other);
  manager->SetActive(true);
  EXPECT_EQ(foreign.freezes, 0);
  EXPECT_EQ(registered->freezes, 1);
}

TEST_F(ManagerBroadcast, HueThereAndBackRestoresEveryByteAndStaysActive) {
  manager->SetActive(true);
  const TsGeneralDataArray general = manager->Model()->GeneralTable;
  const gfx::Bitmap master = manager->Model()->MasterBitmap;
  manager->SetHueOffset(30);
  ASSERT_TRUE(manager->SkinLoaded());
  EXPECT_NE(manager->Model()->GeneralTable, general);
  log.clear();
  manager->SetHueOffset(0);
  EXPECT_TRUE(manager->SkinLoaded());
  EXPECT_EQ(manager->Model()->GeneralTable, general);
  ASSERT_EQ(manager->Model()->MasterBitmap.GetSize(), master.GetSize());
  for (int y = 0; y < master.Height(); ++y)
    for (int x = 0; x < master.Width(); ++x)
      ASSERT_EQ(manager->Model()->MasterBitmap.PixelAt(x, y), master.PixelAt(x, y)) << x << "," << y;
  // The windows heard of the reloaded skin and repainted from it.
  EXPECT_EQ(Seen().front(), "A:1");
  EXPECT_EQ(Seen().back(), "b:3");
  for (const auto& c : log)
    if (c.Code == SKC_SKIN_REFRESH) {
      EXPECT_TRUE(c.ModelActive);
    }
}

TEST_F(ManagerBroadcast, SaturationReloadsTooButNotWhenInactive) {
  manager->SetSaturation(20);
  EXPECT_TRUE(log.empty());
  manager->SetActive(true);
  log.clear();
  manager->SetSaturation(0);
  EXPECT_FALSE(log.empty());
  EXPECT_TRUE(manager->SkinLoaded());
}

TEST_F(ManagerBroadcast, TheHoveredControlNoteIsClearedWhenASkinIsApplied) {
  TsSkinManager::SetHoveredControl(childA);
  manager->SetActive(true);
  EXPECT_EQ(TsSkinManager::HoveredControl(), nullptr);
  TsSkinManager::SetHoveredControl(childA);
  TsSkinManager::ForgetHoveredControl(childB);
  EXPECT_EQ(TsSkinManager::HoveredControl(), childA);
  TsSkinManager::ForgetHoveredControl(childA);
  EXPECT_EQ(TsSkinManager::HoveredControl(), nullptr);
}

TEST_F(ManagerBroadcast, ListenersHearSkinningGoOnAndOff) {
  std::vector<bool> heard;
  const int id = TsSkinManager::AddActiveListener([&](bool on) { heard.push_back(on); });
  manager->SetActive(true);
  manager->SetActive(false);
  TsSkinManager::RemoveActiveListener(id);
  manager->SetActive(true);
  EXPECT_EQ(heard, (std::vector<bool>{true, false}));
}

TEST_F(ManagerBroadcast, StandardDialogsAreSkinnedOnlyWhileASkinIsActiveAndTheRuleSaysSo) {
  EXPECT_TRUE(TsSkinManager::StdDialogsUnskinned());
  manager->SetActive(true);
  EXPECT_FALSE(TsSkinManager::StdDialogsUnskinned());
  manager->SetSkinningRules({0x1});  // srStdForms only
  EXPECT_TRUE(TsSkinManager::StdDialogsUnskinned());
  manager->SetSkinningRules({});
  manager->SetActive(false);
  EXPECT_TRUE(TsSkinManager::StdDialogsUnskinned());
}

}  // namespace
}  // namespace skin::test

namespace skin::test {
namespace {

// A dialog that has not been shown yet must not keep the old skin's state.
TEST_F(ManagerTest, FormsNotShownYetHearTheChangeToo) {
  CommandLog log;
  auto* hidden = new ProbeForm(&app(), log, "H");
  new ProbePanel(hidden, log, "h");
  TsSkinManager* m = NewManager();
  m->InternalSkins().push_back(SmallSkin().Stored("Skin"));
  m->SetSkinName("Skin");
  m->SetActive(true);
  std::vector<std::string> seen;
  for (const auto& c : log) seen.push_back(c.Receiver + ":" + std::to_string(c.Code));
  EXPECT_EQ(seen, (std::vector<std::string>{"H:1", "h:1", "H:16", "h:16", "H:3", "h:3"}));
}

// Auxiliary windows of the skinning (shadows, glows) are left alone.
TEST_F(ManagerTest, AuxiliaryWindowsHearNothing) {
  CommandLog log;
  auto* aux = new ProbeForm(&app(), log, "X");
  aux->SetTag(-98);
  TsSkinManager* m = NewManager();
  m->InternalSkins().push_back(SmallSkin().Stored("Skin"));
  m->SetSkinName("Skin");
  m->SetActive(true);
  EXPECT_TRUE(log.empty());
}

}  // namespace
}  // namespace skin::test
