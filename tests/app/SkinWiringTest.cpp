// The skin manager of the main window with a skin on disk: its broadcasts
// reach every control of the main window and of the dialogs.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/ProcChain.h"
#include "platform/ui/WinControl.h"
#include "skin/controls/sSkinCommands.h"
#include "skin/controls/sSkinManager.h"
#include "tests/app/AppFixture.h"

namespace app::test {
namespace {

// XDG_DATA_HOME pointing at a temporary directory holding a directory skin
// "Skin" (the description's "c:\Skins" means that directory here).
class SkinOnDisk {
 public:
  SkinOnDisk()
      : root_(std::filesystem::temp_directory_path() / ("zt-skinwiring-" + std::to_string(::getpid()))) {
    const auto dir = root_ / "zintor2" / "Skins" / "Skin";
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "Options.dat") << "[GLOBALINFO]\r\nVERSION=6.69\r\n[BUTTON]\r\nCOLOR=255\r\n";
    if (const char* old = std::getenv("XDG_DATA_HOME")) old_ = old;
    setenv("XDG_DATA_HOME", root_.c_str(), 1);
  }
  ~SkinOnDisk() {
    if (old_)
      setenv("XDG_DATA_HOME", old_->c_str(), 1);
    else
      unsetenv("XDG_DATA_HOME");
    std::error_code ec;
    std::filesystem::remove_all(root_, ec);
  }

 private:
  std::filesystem::path root_;
  std::optional<std::string> old_;
};

class SkinWiring : public AppFixture {
 protected:
  void SetUp() override {
    skin_ = std::make_unique<SkinOnDisk>();
    AppFixture::SetUp();
  }
  void TearDown() override {
    AppFixture::TearDown();
    skin_.reset();
  }
  std::unique_ptr<SkinOnDisk> skin_;
};

// Hooks a form and its direct children (skinned containers pass the
// commands on to theirs); records the codes each sees.
void HookForm(ui::Form* f, std::map<ui::Control*, std::vector<int>>& seen, std::vector<ui::ProcHook>& hooks) {
  std::vector<ui::Control*> targets{f};
  targets.insert(targets.end(), f->Controls().begin(), f->Controls().end());
  for (ui::Control* c : targets) {
    hooks.emplace_back(*c, [c, &seen](ui::Message& m, const ui::WndMethod& next) {
      if (const int code = skin::SkinCommandOf(m)) seen[c].push_back(code);
      next(m);
    });
    seen[c];
  }
}

TEST_F(SkinWiring, TheMainWindowsManagerLoadsTheSkinAndEveryControlHearsIt) {
  auto* manager = dynamic_cast<skin::TsSkinManager*>(w().Main->FindComponent("sSkinManager"));
  ASSERT_NE(manager, nullptr);
  EXPECT_TRUE(manager->Active());
  EXPECT_TRUE(manager->SkinLoaded());
  EXPECT_EQ(skin::TsSkinManager::DefaultManager(), manager);

  std::map<ui::Control*, std::vector<int>> seen;
  std::vector<ui::ProcHook> hooks;
  for (ui::Form* f : {static_cast<ui::Form*>(w().Main), static_cast<ui::Form*>(w().Result),
                      static_cast<ui::Form*>(w().NewGame), static_cast<ui::Form*>(w().About)})
    HookForm(f, seen, hooks);
  manager->SetSkinName("Skin");
  EXPECT_GT(seen.size(), 10u);
  for (const auto& [control, codes] : seen) {
    SCOPED_TRACE(control->Name() + " of " + (control->Owner() ? control->Owner()->Name() : std::string()));
    EXPECT_NE(std::find(codes.begin(), codes.end(), skin::SKC_SKIN_LOADED), codes.end());
    EXPECT_NE(std::find(codes.begin(), codes.end(), skin::SKC_SKIN_REFRESH), codes.end());
  }
}

// No skin of that name on disk: the manager falls back to the internal one.
TEST_F(AppFixture, WithoutASkinOnDiskTheManagerPlaysOnTheInternalSkin) {
  auto* manager = dynamic_cast<skin::TsSkinManager*>(w().Main->FindComponent("sSkinManager"));
  ASSERT_NE(manager, nullptr);
  EXPECT_EQ(manager->SkinName(), "Skin");
  EXPECT_EQ(manager->SkinDirectory(), "c:\\Skins");
  EXPECT_TRUE(manager->AnimEffects().Buttons.Events.Empty());
  EXPECT_EQ(manager->AnimEffects().DialogShow.Time, 50);
  EXPECT_FALSE(manager->AnimEffects().SkinChanging.Active);
  EXPECT_EQ(manager->ThirdParty().Lists[skin::ThirdButtons], "TButton");
  if (!std::filesystem::exists(manager->ResolvedSkinDirectory() + "/Skin")) {
    EXPECT_TRUE(manager->Active());
    ASSERT_NE(manager->Model(), nullptr);
    EXPECT_EQ(manager->SkinInfo(), "6.69");
  }
}

}  // namespace
}  // namespace app::test
