// The command line, the embedded artwork and the off-screen demo.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>

#include "app/CommandLine.h"
#include "app/Demo.h"
#include "app/EmbeddedAssets.h"
#include "game/Unit_GameObjects.h"
#include "image/acPNG.h"

namespace app::test {
namespace {

TEST(CommandLineTest, OptionsAndTheirFaults) {
  using A = CommandLine::Action;
  struct Case {
    std::vector<std::string> Args;
    std::optional<A> What;  // nothing: an error
    std::string Directory;
  };
  const Case cases[] = {
      {{}, A::Play, ""},
      {{"--help"}, A::Help, ""},
      {{"-h"}, A::Help, ""},
      {{"--version"}, A::Version, ""},
      {{"--headless"}, A::Headless, ""},
      {{"--demo", "shots"}, A::Demo, "shots"},
      {{"--demo", "shots", "--help"}, A::Help, "shots"},
      {{"--version", "--demo", "d"}, A::Version, "d"},
      {{"--demo"}, std::nullopt, ""},
      {{"--demo", ""}, std::nullopt, ""},
      {{"--play"}, std::nullopt, ""},
      {{"shots"}, std::nullopt, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.Args));
    std::string error;
    const auto cl = ParseCommandLine(c.Args, error);
    ASSERT_EQ(cl.has_value(), c.What.has_value());
    if (!cl) {
      EXPECT_FALSE(error.empty());
      continue;
    }
    EXPECT_EQ(cl->What, *c.What);
    EXPECT_EQ(cl->DemoDirectory, c.Directory);
  }
}

// "/kvver" in any letter case asks for the skin engine's version box; it
// changes nothing else.
TEST(CommandLineTest, SkinVersionSwitch) {
  struct Case {
    std::vector<std::string> Args;
    bool Valid;
    bool Show;
  };
  for (const Case& c :
       {Case{{"/kvver"}, true, true}, Case{{"/KvVeR", "--headless"}, true, true}, Case{{}, true, false},
        Case{{"/kvverx"}, false, false}, Case{{"kvver"}, false, false}}) {
    SCOPED_TRACE(::testing::PrintToString(c.Args));
    std::string error;
    const auto cl = ParseCommandLine(c.Args, error);
    ASSERT_EQ(cl.has_value(), c.Valid);
    if (cl) {
      EXPECT_EQ(cl->ShowSkinVersion, c.Show);
    }
  }
}

// Every picture the windows use is compiled in and decodes at its size.
TEST(EmbeddedAssetsTest, EveryPictureDecodesAtItsSize) {
  struct Case {
    std::string Path;
    int Size;
  };
  std::vector<Case> cases{{"result/result.png", 128},
                          {"icons/icon16.png", 16},
                          {"icons/icon32.png", 32},
                          {"shadows/shadow1.png", 48},
                          {"shadows/shadow2.png", 48}};
  for (int i = 1; i <= 6; ++i)
    for (const char* look : {"dark", "lit"})
      cases.push_back({"tiles/tile" + std::to_string(i) + "_" + look + ".png", 200});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Path);
    const auto bytes = EmbeddedAsset(c.Path);
    ASSERT_FALSE(bytes.empty());
    image::TPNGGraphic png;
    png.LoadFromBytes(bytes);
    EXPECT_EQ(png.Width(), c.Size);
    EXPECT_EQ(png.Height(), c.Size);
    EXPECT_EQ(png.Bitmap().Format(), gfx::PixelFormat::Bgra32);
  }
  EXPECT_TRUE(EmbeddedAsset("tiles/tile7_dark.png").empty());
  EXPECT_TRUE(EmbeddedAsset("").empty());
  // Besides the pictures: the Night skin and, when the build embeds it, the
  // internal skin, both packed by the build.
  EXPECT_FALSE(EmbeddedAsset("skins/Night.osz").empty());
  const std::size_t skins = EmbeddedAsset("skins/Skin.osz").empty() ? 1 : 2;
  EXPECT_EQ(EmbeddedAssetNames().size(), cases.size() + skins);
}

TEST(DemoTest, PlaysAWholeGameAndSavesEachMoment) {
  const auto dir = std::filesystem::path(::testing::TempDir()) / "zintor2-demo-test";
  std::filesystem::remove_all(dir);
  std::ostringstream out, err;
  game::ResetGameObjects();
  EXPECT_EQ(RunDemo(dir.string(), out, err), 0) << err.str();
  EXPECT_EQ(err.str(), "");
  EXPECT_EQ(game::GameState().RoundCount, 2);
  for (const char* name :
       {"01-idle-main-window.png", "02-game-menu-open.png", "03-new-game-dialog.png", "04-show-tile-lit.png",
        "05-players-turn.png", "06-result-dialog-buttons-locked.png", "07-result-dialog-buttons-unlocked.png",
        "08-help-menu-open.png", "09-about-dialog.png", "10-game-over-idle.png", "11-help-box.png",
        "12-main-window-hue-120.png", "13-main-window-night.png"}) {
    SCOPED_TRACE(name);
    image::TPNGGraphic png;
    const auto bytes = [&] {
      std::ifstream f(dir / name, std::ios::binary);
      return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(f), {});
    }();
    ASSERT_FALSE(bytes.empty());
    png.LoadFromBytes(bytes);
    EXPECT_EQ(png.Width(), 1280);
  }
  std::filesystem::remove_all(dir);
  game::ResetGameObjects();
}

TEST(DemoTest, AnUnwritableDirectoryIsReported) {
  std::ostringstream out, err;
  EXPECT_EQ(RunDemo("/proc/zintor2-cannot-be-here", out, err), 1);
  EXPECT_NE(err.str().find("/proc/zintor2-cannot-be-here"), std::string::npos);
}

}  // namespace
}  // namespace app::test
