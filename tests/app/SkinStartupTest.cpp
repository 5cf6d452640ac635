// The program starts with its internal skin; the command line chooses
// another, shifts its hue or switches skinning off; a broken skin in the
// skin directory costs one error box and the game plays on the internal one.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "app/Descriptions.h"
#include "app/EmbeddedAssets.h"
#include "app/Program.h"
#include "app/SkinChoice.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/ui/Application.h"
#include "platform/ui/controls/ProgramInfo.h"
#include "skin/controls/SkinDirectory.h"
#include "skin/controls/sCommonData.h"
#include "skin/controls/sSkinManager.h"
#include "skin/paint/ColorShift.h"

namespace app::test {
namespace {

namespace fs = std::filesystem;

// The internal skin is embedded when the build asks for it
// (ZT_EMBED_INTERNAL_SKIN); the tests that start on it skip otherwise.
bool InternalSkinEmbedded() { return !EmbeddedAsset("skins/Skin.osz").empty(); }

fs::path SourceSkin(const std::string& name) { return fs::path(ZT_SOURCE_DIR) / "assets" / "skins" / name; }

// XDG_DATA_HOME at a fresh temporary directory (so the user's skins never
// interfere) and the skin manager's messages recorded instead of shown.
class SkinSandbox {
 public:
  SkinSandbox() : root_(fs::temp_directory_path() / ("zt-skinstart-" + std::to_string(::getpid()) + "-" + std::to_string(next_++))) {
    fs::create_directories(SkinDir());
    if (const char* old = std::getenv("XDG_DATA_HOME")) old_ = old;
    setenv("XDG_DATA_HOME", root_.c_str(), 1);
    skin::TsSkinManager::SetMessageShower(
        [this](const std::string& text, ui::MessageIcon) { Messages.push_back(text); });
  }
  ~SkinSandbox() {
    skin::TsSkinManager::SetMessageShower(nullptr);
    if (old_)
      setenv("XDG_DATA_HOME", old_->c_str(), 1);
    else
      unsetenv("XDG_DATA_HOME");
    std::error_code ec;
    fs::remove_all(root_, ec);
  }
  fs::path SkinDir() const { return root_ / "zintor2" / "Skins"; }
  const fs::path& Root() const { return root_; }
  std::vector<std::string> Messages;

 private:
  static inline int next_ = 0;
  fs::path root_;
  std::optional<std::string> old_;
};

// The four windows on a virtual screen with a skin choice.
class Started {
 public:
  explicit Started(const SkinChoice& c = {}) : app_(screen_), w_(CreateGameWindows(app_, false, c)) {
    w_.Main->ShowForm();
    app_.ProcessMessages();
  }
  skin::TsSkinManager* Manager() const {
    return dynamic_cast<skin::TsSkinManager*>(w_.Main->FindComponent("sSkinManager"));
  }
  const GameWindows& W() const { return w_; }
  ui::Application& App() { return app_; }
  backend::HeadlessBackend& Screen() { return screen_; }

 private:
  backend::HeadlessBackend screen_;
  ui::Application app_;
  GameWindows w_;
};

void ForEachControl(ui::WinControl* parent, const std::function<void(ui::Control*)>& fn) {
  for (ui::Control* c : parent->Controls()) {
    fn(c);
    if (auto* w = dynamic_cast<ui::WinControl*>(c)) ForEachControl(w, fn);
  }
}

TEST(SkinStartupTest, TheInternalSkinLoadsWithoutAWordAndEverySectionResolves) {
  if (!InternalSkinEmbedded()) GTEST_SKIP() << "built without the internal skin";
  SkinSandbox sandbox;
  Started s;
  skin::TsSkinManager* m = s.Manager();
  ASSERT_NE(m, nullptr);
  EXPECT_TRUE(m->Active());
  EXPECT_EQ(m->SkinName(), "Skin");
  EXPECT_EQ(m->SkinInfo(), "6.69");
  EXPECT_EQ(sandbox.Messages, std::vector<std::string>{});
  int bound = 0;
  for (ui::Form* f : std::vector<ui::Form*>{s.W().Main, s.W().Result, s.W().NewGame, s.W().About}) {
    ForEachControl(f, [&](ui::Control* c) {
      skin::TsCommonData* d = skin::SkinDataOf(c);
      if (d == nullptr || d->SkinSection().empty()) return;
      ++bound;
      EXPECT_GE(m->Model()->SectionIndexOf(d->SkinSection()), 0) << c->Name() << " " << d->SkinSection();
      EXPECT_GE(d->SectionIndex, 0) << c->Name() << " " << d->SkinSection();
    });
  }
  EXPECT_GT(bound, 6);  // at least the six tiles
}

TEST(SkinStartupTest, ABrokenPackageInTheSkinDirectoryGivesOneErrorAndTheInternalSkin) {
  if (!InternalSkinEmbedded()) GTEST_SKIP() << "built without the internal skin";
  SkinSandbox sandbox;
  std::ofstream(sandbox.SkinDir() / "Skin.osz", std::ios::binary) << "OSzf\x05\0\0\0garbage";
  Started s;
  EXPECT_EQ(sandbox.Messages.size(), 1u);
  ASSERT_NE(s.Manager(), nullptr);
  EXPECT_TRUE(s.Manager()->Active());
  EXPECT_EQ(s.Manager()->SkinName(), "Skin");
  EXPECT_EQ(s.Manager()->SkinInfo(), "6.69");
}

TEST(SkinStartupTest, ASkinDirectoryWithoutItsOptionsSaysSo) {
  SkinSandbox sandbox;
  fs::create_directories(sandbox.Root() / "Empty");
  CommandLine cl;
  cl.Skin = (sandbox.Root() / "Empty").string();
  std::string error;
  EXPECT_FALSE(SkinChoiceOf(cl, error));
  EXPECT_EQ(error, "--skin: the skin directory " + cl.Skin + " has no Options.dat");
  if (!InternalSkinEmbedded()) return;
  // An options file that is no file in the skin directory: the internal skin.
  fs::create_directories(sandbox.SkinDir() / "Skin" / "Options.dat");  // a directory, not a file
  Started s;
  EXPECT_TRUE(s.Manager()->Active());
  EXPECT_EQ(s.Manager()->SkinInfo(), "6.69");
}

TEST(SkinStartupTest, TheCommandLineChoosesASkinByNameFileOrDirectory) {
  SkinSandbox sandbox;
  fs::copy(SourceSkin("Night"), sandbox.SkinDir() / "Night");
  fs::copy(SourceSkin("Night"), sandbox.Root() / "Mine");
  std::ofstream(sandbox.Root() / "notes.txt") << "x";
  struct Case {
    std::string Skin;
    std::string Name, Dir, Error;
  };
  const std::string root = sandbox.Root().string();
  std::vector<Case> cases = {
      {"Night", "Night", "", ""},
      {root + "/Mine", "Mine", root, ""},
      {root + "/Mine/", "Mine", root, ""},
      {"Nope", "", "", "--skin: there is no skin named 'Nope' (--list-skins shows them)"},
      {root + "/gone.osz", "", "", "--skin: there is no skin at " + root + "/gone.osz"},
      {root + "/notes.txt", "", "", "--skin: " + root + "/notes.txt is not a skin package (.osz)"},
  };
  if (InternalSkinEmbedded()) cases.push_back({"Skin", "Skin", "", ""});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Skin);
    CommandLine cl;
    cl.Skin = c.Skin;
    std::string error;
    const auto choice = SkinChoiceOf(cl, error);
    ASSERT_EQ(choice.has_value(), c.Error.empty()) << error;
    if (!choice) {
      EXPECT_EQ(error, c.Error);
      continue;
    }
    EXPECT_EQ(choice->SkinName, c.Name);
    EXPECT_EQ(choice->SkinDirectory, c.Dir);
  }
  // Started with the directory skin it is the one in use.
  CommandLine cl;
  cl.Skin = root + "/Mine";
  std::string error;
  Started s(*SkinChoiceOf(cl, error));
  EXPECT_EQ(s.Manager()->SkinName(), "Mine");
  ASSERT_NE(s.Manager()->Model(), nullptr);
  EXPECT_EQ(s.Manager()->Model()->SkinWideData.Description.rfind("Zintor 2 dark skin", 0), 0u);
  EXPECT_EQ(sandbox.Messages, std::vector<std::string>{});
}

// A skin installed beside the program (share/zintor2/Skins) is found by
// name when the user's skin directory lacks it, and listed.
TEST(SkinStartupTest, InstalledSkinsComeAfterTheUsersOnes) {
  SkinSandbox sandbox;
  const fs::path installed = skin::InstalledSkinDirectory(ui::ProgramDirectory());
  const bool existed = fs::exists(installed);
  fs::create_directories(installed);
  fs::copy(SourceSkin("Night"), installed / "Night");
  CommandLine cl;
  cl.Skin = "Night";
  std::string error;
  const auto choice = SkinChoiceOf(cl, error);
  ASSERT_TRUE(choice) << error;
  {
    Started s(*choice);
    EXPECT_EQ(s.Manager()->SkinName(), "Night");
    EXPECT_EQ(s.Manager()->Model()->SkinWideData.Description.rfind("Zintor 2 dark skin", 0), 0u);
    std::vector<std::string> names;
    s.Manager()->ListSkins(names, 2);
    std::vector<std::string> expected{"Night"};
    if (InternalSkinEmbedded()) expected.push_back("Skin");
    EXPECT_EQ(names, expected);
  }
  std::error_code ec;
  fs::remove_all(existed ? installed / "Night" : installed.parent_path().parent_path(), ec);
  EXPECT_EQ(sandbox.Messages, std::vector<std::string>{});
}

TEST(SkinStartupTest, NoSkinLeavesTheManagerOutAndHueReachesIt) {
  std::deque<std::string> texts;
  SkinChoice none;
  none.NoSkin = true;
  const FormDescription plain = WithSkinChoice(MainWindowDescription(), none, texts);
  for (const ItemDescription& i : plain.Items) EXPECT_NE(i.Class, "TsSkinManager");
  EXPECT_EQ(plain.Items.size() + 1, MainWindowDescription().Items.size());

  SkinSandbox sandbox;
  {
    Started s(none);
    EXPECT_EQ(s.Manager(), nullptr);
  }
  if (!InternalSkinEmbedded()) return;
  // The tile frame's rim (hot cell, second ring) in the master bitmap turns
  // by 120 degrees; the tile pictures are no part of the skin and keep theirs.
  const gfx::Point rim{51 + 11 + 5, 40 + 1};
  gfx::Color plainRim = 0, plainTile = 0;
  {
    Started s;
    plainRim = s.Manager()->Model()->MasterBitmap.PixelAt(rim.X, rim.Y);
    const gfx::Bitmap* picture = s.W().Main->ImageLists[0]->Decoded(0);
    ASSERT_NE(picture, nullptr);
    plainTile = picture->PixelAt(100, 100);
  }
  SkinChoice hue;
  hue.HueOffset = 120;
  Started s(hue);
  ASSERT_NE(s.Manager(), nullptr);
  EXPECT_EQ(s.Manager()->HueOffset(), 120);
  EXPECT_TRUE(s.Manager()->Active());
  EXPECT_EQ(s.Manager()->Model()->MasterBitmap.PixelAt(rim.X, rim.Y), skin::ShiftHue(120, plainRim));
  EXPECT_NE(skin::ShiftHue(120, plainRim), plainRim);
  const gfx::Bitmap* picture = s.W().Main->ImageLists[0]->Decoded(0);
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->PixelAt(100, 100), plainTile);
}

TEST(SkinCommandLineTest, SkinOptionsAndTheirFaults) {
  using A = CommandLine::Action;
  struct Case {
    std::vector<std::string> Args;
    bool Valid;
    int Hue, Saturation;
    std::string Skin, Dir;
    bool NoSkin;
    A What;
  };
  const std::vector<Case> cases = {
      {{"--hue", "120"}, true, 120, 0, "", "", false, A::Play},
      {{"--hue", "-360"}, true, -360, 0, "", "", false, A::Play},
      {{"--hue", "+360"}, true, 360, 0, "", "", false, A::Play},
      {{"--hue", "361"}, false, 0, 0, "", "", false, A::Play},
      {{"--hue", "12.5"}, false, 0, 0, "", "", false, A::Play},
      {{"--hue", "x"}, false, 0, 0, "", "", false, A::Play},
      {{"--hue"}, false, 0, 0, "", "", false, A::Play},
      {{"--saturation", "-100"}, true, 0, -100, "", "", false, A::Play},
      {{"--saturation", "101"}, false, 0, 0, "", "", false, A::Play},
      {{"--skin", "Night", "--skin-dir", "/tmp"}, true, 0, 0, "Night", "/tmp", false, A::Play},
      {{"--skin"}, false, 0, 0, "", "", false, A::Play},
      {{"--skin-dir", ""}, false, 0, 0, "", "", false, A::Play},
      {{"--no-skin"}, true, 0, 0, "", "", true, A::Play},
      {{"--no-skin", "--skin", "Night"}, false, 0, 0, "", "", false, A::Play},
      {{"--list-skins"}, true, 0, 0, "", "", false, A::ListSkins},
      {{"--headless", "--list-skins"}, true, 0, 0, "", "", false, A::ListSkins},
  };

  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.Args));
    std::string error;
    const auto cl = ParseCommandLine(c.Args, error);
    ASSERT_EQ(cl.has_value(), c.Valid) << error;
    if (!cl) {
      EXPECT_FALSE(error.empty());
      continue;
    }
    EXPECT_EQ(cl->HueOffset, c.Hue);
    EXPECT_EQ(cl->Saturation, c.Saturation);
    EXPECT_EQ(cl->Skin, c.Skin);
    EXPECT_EQ(cl->SkinDirectory, c.Dir);
    EXPECT_EQ(cl->NoSkin, c.NoSkin);
    EXPECT_EQ(cl->What, c.What);
  }
  for (const char* option : {"--skin", "--skin-dir", "--hue", "--saturation", "--no-skin", "--list-skins"})
    EXPECT_NE(UsageText().find(option), std::string::npos) << option;
}

}  // namespace
}  // namespace app::test
