// Where the skin directory is on this platform.
#include <gtest/gtest.h>

#include "skin/controls/SkinDirectory.h"
#include "tests/support/ScopedEnv.h"

namespace skin {
namespace {

struct DirCase {
  const char* Setting;
  const char* Expected;
};

class SkinDirectoryResolution : public ::testing::TestWithParam<DirCase> {};

TEST_P(SkinDirectoryResolution, Resolves) {
  EXPECT_EQ(
      ResolveSkinDirectory(GetParam().Setting, "/opt/zintor2/bin", "/home/u/.local/share/zintor2/Skins"),
      GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(Settings, SkinDirectoryResolution,
                         ::testing::Values(DirCase{"..\\Skins", "/opt/zintor2/Skins"},
                                           DirCase{"../Skins", "/opt/zintor2/Skins"},
                                           DirCase{".\\Skins", "/opt/zintor2/bin/Skins"},
                                           DirCase{"./Skins", "/opt/zintor2/bin/Skins"},
                                           DirCase{"Skins", "/opt/zintor2/bin/Skins"},
                                           DirCase{"My\\Skins\\", "/opt/zintor2/bin/My/Skins"},
                                           DirCase{"c:\\Skins", "/home/u/.local/share/zintor2/Skins"},
                                           DirCase{"D:/Other", "/home/u/.local/share/zintor2/Skins"},
                                           DirCase{"", "/home/u/.local/share/zintor2/Skins"},
                                           DirCase{"\\\\srv\\Skins", "//srv/Skins"},
                                           DirCase{"/abs/Skins", "/abs/Skins"},
                                           DirCase{"/abs/Skins/", "/abs/Skins"}));

using zt::testing::ScopedEnv;

TEST(PlatformSkinDirectory, FollowsXdgDataHome) {
  ScopedEnv home("HOME", "/home/u");
  {
    ScopedEnv xdg("XDG_DATA_HOME", "/data/xdg");
    EXPECT_EQ(PlatformSkinDirectory(), "/data/xdg/zintor2/Skins");
  }
  {
    ScopedEnv xdg("XDG_DATA_HOME", nullptr);
    EXPECT_EQ(PlatformSkinDirectory(), "/home/u/.local/share/zintor2/Skins");
  }
  {
    ScopedEnv xdg("XDG_DATA_HOME", "");
    EXPECT_EQ(PlatformSkinDirectory(), "/home/u/.local/share/zintor2/Skins");
  }
}

}  // namespace
}  // namespace skin
