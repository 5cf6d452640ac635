// Finding skin images in a directory and in a package.
#include <gtest/gtest.h>

#include "skin/data/SkinErrors.h"
#include "skin/data/SkinFiles.h"
#include "tests/skin/data/SkinFixture.h"

namespace skin {
namespace {

using fixture::Bytes;

TEST(SkinFiles, DirectoryNamesMatchWithoutRegardToCaseAndAbsolutePathsWork) {
  fixture::TempDir dir;
  dir.Write("Title.bmp", Bytes("title"));
  dir.Write("exact.BMP", Bytes("exact"));
  DirectoryFiles files(dir.Str() + "/");
  const auto expect = [&](std::string_view name, const char* content) {
    const auto found = files.Find(name);
    ASSERT_TRUE(found.has_value()) << name;
    EXPECT_EQ(std::vector<std::uint8_t>(found->begin(), found->end()), Bytes(content)) << name;
  };
  expect("TITLE.BMP", "title");
  expect("title.bmp", "title");
  expect("exact.BMP", "exact");
  expect((dir.Path() / "Title.bmp").string(), "title");
  EXPECT_FALSE(files.Find("NOSUCH.BMP").has_value());
  EXPECT_FALSE(files.Find("").has_value());
  // Without a skin directory only absolute names are looked up.
  DirectoryFiles none("");
  EXPECT_FALSE(none.Find("Title.bmp").has_value());
  EXPECT_TRUE(none.Find((dir.Path() / "Title.bmp").string()).has_value());
}

TEST(SkinFiles, PackageEntriesMatchTheUpperCasedName) {
  TacSkinConvertor package;
  package.LoadFromData(PackSkin({{"GlowClose.PNG", Bytes("glow")}}));
  PackageFiles files(package);
  EXPECT_TRUE(files.Find("GLOWCLOSE.PNG").has_value());
  EXPECT_FALSE(files.Find("GlowClose.PNG").has_value());
  EXPECT_FALSE(files.Find("glowclose.png").has_value());
}

TEST(SkinFiles, UndecodableImagesNameTheImage) {
  try {
    DecodeImage(Bytes("\x89PNG\r\n\x1a\n broken"), "GLOW.PNG");
    FAIL() << "decoded a broken PNG";
  } catch (const SkinError& e) {
    EXPECT_EQ(std::string(e.what()).rfind("The skin image \"GLOW.PNG\" cannot be read: ", 0), 0u) << e.what();
  }
  EXPECT_THROW(DecodeImage({}, "EMPTY.BMP"), SkinError);
}

}  // namespace
}  // namespace skin
