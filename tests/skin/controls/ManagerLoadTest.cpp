// Where a skin comes from and what a failed load leaves behind.
#include <gtest/gtest.h>

#include "skin/data/SkinErrors.h"
#include "tests/skin/controls/ManagerFixture.h"

namespace skin::test {
namespace {

// Each source carries its own button colour, so the model tells which one
// was loaded.
constexpr gfx::Color kPackage = gfx::RGB(1, 2, 3);
constexpr gfx::Color kDirectory = gfx::RGB(4, 5, 6);
constexpr gfx::Color kStoredByName = gfx::RGB(7, 8, 9);
constexpr gfx::Color kFirstStored = gfx::RGB(10, 11, 12);

gfx::Color ButtonColor(const TsSkinManager& m) {
  const TsSkinModel* model = m.Model();
  if (!model) return gfx::clFuchsia;
  const int i = model->SectionIndexOf("BUTTON");
  return i < 0 ? gfx::clFuchsia : model->GeneralTable[static_cast<std::size_t>(i)].Color;
}

struct SourceCase {
  const char* Label;
  bool Package, Directory, StoredByName, FirstStored;
  gfx::Color Expected;  // clFuchsia: no skin
  const char* ExpectedName;
};

class ManagerLoadOrder : public ManagerTest, public ::testing::WithParamInterface<SourceCase> {};

TEST_P(ManagerLoadOrder, TakesTheFirstSourceThatExists) {
  const SourceCase& c = GetParam();
  if (c.Package) WritePackage(SmallSkin(kPackage), "Skin");
  if (c.Directory) WriteSkinDirectory(SmallSkin(kDirectory), "Skin");
  TsSkinManager* m = NewManager();
  if (c.FirstStored) m->InternalSkins().push_back(SmallSkin(kFirstStored).Stored("Other"));
  if (c.StoredByName) m->InternalSkins().push_back(SmallSkin(kStoredByName).Stored("Skin"));
  m->SetSkinName("Skin");
  m->SetActive(true);

  EXPECT_EQ(ButtonColor(*m), c.Expected);
  EXPECT_EQ(m->SkinName(), c.ExpectedName);
  EXPECT_TRUE(messages.empty());
  if (c.Expected == gfx::clFuchsia) {
    EXPECT_FALSE(m->Active());
    EXPECT_EQ(m->SkinInfo(), "N/A");
  } else {
    EXPECT_TRUE(m->Active());
    EXPECT_TRUE(m->SkinLoaded());
    EXPECT_EQ(m->SkinInfo(), "6.69");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Sources, ManagerLoadOrder,
    ::testing::Values(SourceCase{"PackageWins", true, true, true, false, kPackage, "Skin"},
                      SourceCase{"DirectoryBeforeStored", false, true, true, false, kDirectory, "Skin"},
                      SourceCase{"StoredByName", false, false, true, true, kStoredByName, "Skin"},
                      SourceCase{"FirstStoredRenames", false, false, false, true, kFirstStored, "Other"},
                      SourceCase{"NothingSwitchesOff", false, false, false, false, gfx::clFuchsia, "Skin"}),
    [](const auto& info) { return std::string(info.param.Label); });

TEST_F(ManagerTest, ADirectoryWithoutOptionsFileIsNoSkin) {
  std::filesystem::create_directories(SkinDir().Path() / "Skin");
  TsSkinManager* m = NewManager();
  m->InternalSkins().push_back(SmallSkin(kStoredByName).Stored("Skin"));
  m->SetSkinName("Skin");
  m->SetActive(true);
  EXPECT_EQ(ButtonColor(*m), kStoredByName);
}

TEST_F(ManagerTest, CorruptPackageKeepsThePreviousSkinAndSaysSoOnce) {
  TsSkinManager* m = NewManager();
  m->InternalSkins().push_back(SmallSkin(kStoredByName).Stored("Good"));
  m->SetSkinName("Good");
  m->SetActive(true);
  ASSERT_EQ(ButtonColor(*m), kStoredByName);
  const TsSkinModel* before = m->Model();

  SkinDir().Write("Bad.osz", fixture::Bytes("this is not a skin package at all"));
  int beforeCalls = 0, afterCalls = 0;
  bool flagInBefore = true, flagInAfter = true;
  m->OnBeforeChange = [&] {
    ++beforeCalls;
    flagInBefore = TsSkinManager::SkinChanging();
  };
  m->OnAfterChange = [&] {
    ++afterCalls;
    flagInAfter = TsSkinManager::SkinChanging();
  };
  m->SetSkinName("Bad");

  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0], kNotAPackageMessage);
  EXPECT_EQ(icons[0], ui::MessageIcon::Error);
  EXPECT_EQ(m->SkinName(), "Good");
  EXPECT_EQ(m->Model(), before);
  EXPECT_TRUE(m->SkinLoaded());
  EXPECT_EQ(ButtonColor(*m), kStoredByName);
  EXPECT_EQ(beforeCalls, 1);
  EXPECT_EQ(afterCalls, 1);
  EXPECT_FALSE(flagInBefore);
  EXPECT_FALSE(flagInAfter);
  EXPECT_FALSE(TsSkinManager::SkinChanging());
}

TEST_F(ManagerTest, CorruptPackageWithNoPreviousSkinLeavesTheProgramUnskinned) {
  SkinDir().Write("Bad.osz", fixture::Bytes("OSzf but broken"));
  TsSkinManager* m = NewManager();
  m->SetSkinName("Bad");
  m->SetActive(true);
  EXPECT_EQ(messages.size(), 1u);
  EXPECT_EQ(m->Model(), nullptr);
  EXPECT_FALSE(m->SkinLoaded());
  EXPECT_FALSE(m->Active());
  EXPECT_EQ(m->SkinInfo(), "N/A");
}

TEST_F(ManagerTest, NewerSkinWarnsOnceAndIsAppliedAllTheSame) {
  TsSkinManager* m = NewManager();
  m->InternalSkins().push_back(SmallSkin(kStoredByName, "7").Stored("Skin"));
  m->SetSkinName("Skin");
  m->SetActive(true);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0], kVersionWarning);
  EXPECT_EQ(icons[0], ui::MessageIcon::Warning);
  EXPECT_TRUE(m->SkinLoaded());
  EXPECT_EQ(m->SkinInfo(), "7");
}

TEST_F(ManagerTest, UnknownNameWhileActiveSelectsTheFirstStoredSkin) {
  TsSkinManager* m = NewManager();
  m->InternalSkins().push_back(SmallSkin(kFirstStored).Stored("First"));
  m->InternalSkins().push_back(SmallSkin(kStoredByName).Stored("Second"));
  m->SetSkinName("Second");
  m->SetActive(true);
  ASSERT_EQ(ButtonColor(*m), kStoredByName);
  m->SetSkinName("Nowhere");
  EXPECT_EQ(m->SkinName(), "First");
  EXPECT_EQ(ButtonColor(*m), kFirstStored);
}

// The description may list Active before SkinName and the stored skins; the
// skin is applied once loading has finished, whatever the order.
TEST_F(ManagerTest, ActiveReadBeforeSkinNameStillAppliesTheSkin) {
  auto* m = new TsSkinManager(&app());
  m->BeginLoading();
  m->SetActive(false);
  m->SetActive(true);
  m->SetSkinDirectory(SkinDir().Str());
  m->SetSkinName("Skin");
  m->InternalSkins().push_back(SmallSkin(kStoredByName).Stored("Skin"));
  EXPECT_EQ(m->Model(), nullptr);
  m->EndLoading();
  EXPECT_TRUE(m->Active());
  EXPECT_TRUE(m->SkinLoaded());
  EXPECT_EQ(ButtonColor(*m), kStoredByName);
}

TEST_F(ManagerTest, LoadedFillsEmptySettingsAndAppliesNothingWhenInactive) {
  auto* m = new TsSkinManager(&app());
  m->BeginLoading();
  m->SetActive(false);
  m->SetSkinDirectory("");
  m->ThirdParty().Lists[ThirdButtons] = "TButton";
  m->ThirdParty().Lists[ThirdEdits] = " ";
  m->ThirdParty().Lists[ThirdPanels] = "";
  m->InternalSkins().push_back(SmallSkin().Stored("Skin"));
  m->SetSkinName("Skin");
  m->EndLoading();
  EXPECT_EQ(m->SkinDirectory(), "c:\\Skins");
  EXPECT_EQ(m->MenuSupport().IcoLineSkin, "ICOLINE");
  EXPECT_EQ(m->ThirdParty().Lists[ThirdButtons], "TButton");
  EXPECT_EQ(m->ThirdParty().Lists[ThirdEdits], " ");
  EXPECT_EQ(m->ThirdParty().Lists[ThirdPanels], ThirdPartyList::DefaultOf(ThirdPanels));
  EXPECT_EQ(m->Model(), nullptr);
  EXPECT_EQ(m->SkinInfo(), "N/A");
}

TEST_F(ManagerTest, DefaultsAfterConstruction) {
  TsSkinManager m(nullptr);
  EXPECT_FALSE(m.ExtendedBorders());
  EXPECT_TRUE(m.SkinnedPopups());
  EXPECT_TRUE(m.Active());
  EXPECT_EQ(m.SkinDirectory(), "c:\\Skins");
  EXPECT_EQ(m.SkinName(), "");
  EXPECT_EQ(m.SkinInfo(), "N/A");
  EXPECT_EQ(m.Version(), "6.69");
  EXPECT_EQ(m.Saturation(), 0);
  EXPECT_EQ(m.HueOffset(), 0);
  EXPECT_TRUE(m.AnimEffects().Buttons.Events == TacBtnEvents::All());
  EXPECT_TRUE(m.AnimEffects().FormShow.Active);
  EXPECT_EQ(m.AnimEffects().FormShow.Time, 0);
  EXPECT_EQ(m.AnimEffects().FormShow.Mode, TacAnimType::atAero);
  EXPECT_EQ(m.AnimEffects().SkinChanging.Time, 100);
  EXPECT_EQ(m.AnimEffects().SkinChanging.Mode, TacAnimType::atFading);
  EXPECT_EQ(m.MenuSupport().ExtraLineWidth, 32);
  EXPECT_FALSE(m.MenuSupport().UseExtraLine);
  EXPECT_TRUE(m.SkinningRules().Contains(TacSkinningRule::srStdDialogs));
  for (int i = 0; i < ThirdPartyCount; ++i) EXPECT_EQ(m.ThirdParty().Lists[i], ThirdPartyList::DefaultOf(i));
  // Without a skin the default colour is the plain button face.
  EXPECT_EQ(m.GetGlobalColor(), gfx::ColorToRGB(gfx::clBtnFace));
}

TEST_F(ManagerTest, CommonSectionsLoseTheirBlanksExceptInComments) {
  TsSkinManager* m = NewManager();
  m->SetCommonSections({"[ BUTTON ]", "COLOR = 255", "; a comment stays"});
  EXPECT_EQ(m->CommonSections(), (std::vector<std::string>{"[BUTTON]", "COLOR=255", "; a comment stays"}));
}

TEST_F(ManagerTest, CommonSectionsReachTheLoadedSkin) {
  TsSkinManager* m = NewManager();
  m->InternalSkins().push_back(SmallSkin().Stored("Skin"));
  m->SetSkinName("Skin");
  m->SetActive(true);
  m->SetCommonSections({"[BUTTON]", "COLOR = 255"});
  EXPECT_EQ(ButtonColor(*m), gfx::RGB(255, 0, 0));
}

}  // namespace
}  // namespace skin::test
