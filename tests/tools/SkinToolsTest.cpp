// The skin authors' commands: check finds what the program would stumble on,
// unpack gives back what pack stored and refuses names that leave the
// target directory, render draws every section.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/gfx/FileBytes.h"
#include "tools/artgen/SkinArt.h"
#include "tools/skinpack/ContactSheet.h"
#include "tools/skinpack/SkinCheck.h"
#include "tools/skinpack/SkinPackWriter.h"
#include "tools/skinpack/SkinSource.h"
#include "tools/skinpack/SkinUnpack.h"

namespace {

namespace fs = std::filesystem;

fs::path SkinDir(const std::string& name) { return fs::path(ZT_SOURCE_DIR) / "assets" / "skins" / name; }

// A scratch directory removed at the end of the test.
class TempDir {
 public:
  TempDir() : path_(fs::temp_directory_path() / ("zt-skintools-" + std::to_string(::getpid()) + "-" + std::to_string(next_++))) {
    fs::create_directories(path_);
  }
  ~TempDir() {
    std::error_code ec;
    fs::remove_all(path_, ec);
  }
  const fs::path& Path() const { return path_; }

 private:
  static inline int next_ = 0;
  fs::path path_;
};

std::string ReadText(const fs::path& p) {
  const auto b = gfx::ReadFileBytes(p.string());
  return std::string(b.begin(), b.end());
}
void WriteText(const fs::path& p, const std::string& s) { std::ofstream(p, std::ios::binary) << s; }

// A copy of the internal skin with `from` replaced by `to` in its options.
fs::path EditedSkin(const TempDir& t, const std::string& from, const std::string& to) {
  const fs::path dir = t.Path() / "Edited";
  fs::copy(SkinDir("Skin"), dir);
  std::string text = ReadText(dir / "Options.dat");
  const std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos) text.replace(at, from.size(), to);
  WriteText(dir / "Options.dat", text);
  return dir;
}

std::vector<std::string> Lines(const std::vector<skin::SkinProblem>& problems) {
  std::vector<std::string> out;
  for (const auto& p : problems) out.push_back(skin::FormatProblem(p));
  return out;
}

bool HasError(const std::vector<skin::SkinProblem>& problems) {
  for (const auto& p : problems)
    if (p.Error) return true;
  return false;
}

TEST(SkinCheckTest, TheShippedSkinsPassWithoutAWord) {
  for (const char* name : {"Skin", "Night"}) {
    EXPECT_EQ(Lines(skin::CheckSkin(SkinDir(name).string())), std::vector<std::string>{}) << name;
    TempDir t;
    const fs::path osz = t.Path() / (std::string(name) + ".osz");
    const auto package = skin::PackSkin(skin::ReadSkinDirectory(SkinDir(name).string()));
    std::ofstream(osz, std::ios::binary).write(reinterpret_cast<const char*>(package.data()),
                                              static_cast<std::streamsize>(package.size()));
    EXPECT_EQ(Lines(skin::CheckSkin(osz.string())), std::vector<std::string>{}) << name << ".osz";
  }
}

TEST(SkinCheckTest, ReportsEachProblemWithItsSectionAndKey) {
  struct Case {
    const char* what;
    std::string from, to;
    std::string expectedLine;
    bool error;
  };
  const std::vector<Case> cases = {
      {"missing section", "[TRACKBAR]", "[TRACKBAR_OLD]", "warning: [TRACKBAR] section missing", false},
      {"mask outside the master bitmap", "^0051^0040^0084^0062", "^0051^0040^0284^0062",
       "error: [SPEEDBUTTON] BORDERSMASK: rectangle (51,40)-(284,62) lies outside its 256x172 image", true},
      {"cells that do not divide", "^0048^0019^0099^0040", "^0048^0019^0100^0040",
       "warning: [BUTTON] BORDERSMASK: width 52 does not divide into 3 cells", false},
      {"image referenced but absent", "!GLOWCLOSE.PNG", "!GLOWGONE.PNG",
       "error: [GLOBALINFO] BICONCLOSEGLOW0: image 'GLOWGONE.PNG' is referenced but absent", true},
      {"unknown image format", "!GLOWCLOSE.PNG", "!GLOWCLOSE.GIF",
       "warning: [GLOBALINFO] BICONCLOSEGLOW0: 'GLOWCLOSE.GIF' is not an upper-case .BMP or .PNG name", false},
      {"value that does not parse", "FADINGITERATIONS=20", "FADINGITERATIONS=twenty",
       "warning: [BUTTON] FADINGITERATIONS: 'twenty' is not an integer", false},
      {"version that warns", "VERSION=6.69", "VERSION=7",
       "warning: [GLOBALINFO] VERSION: versions above 6.99 show a warning at every start", false},
      {"strict value that stops the load", "SHADOW1OFFSET=0", "SHADOW1OFFSET=x",
       "error: the skin does not load", true},
      {"borders wider than the cell", "^0048^0019^0099^0040^0008", "^0048^0019^0099^0040^0012",
       "error: [BUTTON] BORDERSMASK: border widths 12/10/8/10 do not fit the 17x21 cell", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TempDir t;
    const auto problems = skin::CheckSkin(EditedSkin(t, c.from, c.to).string());
    bool found = false;
    for (const std::string& line : Lines(problems)) found = found || line.rfind(c.expectedLine, 0) == 0;
    EXPECT_TRUE(found) << ::testing::PrintToString(Lines(problems));
    EXPECT_EQ(HasError(problems), c.error);
  }
}

TEST(SkinCheckTest, ASkinThatIsNoSkinSaysSo) {
  TempDir t;
  EXPECT_EQ(Lines(skin::CheckSkin(t.Path().string())),
            std::vector<std::string>{"error: the skin directory has no Options.dat"});
  WriteText(t.Path() / "bad.osz", "PK not a skin");
  const auto problems = skin::CheckSkin((t.Path() / "bad.osz").string());
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_TRUE(problems[0].Error);
}

TEST(SkinUnpackTest, GivesBackWhatWasPackedInOrder) {
  const auto entries = skin::ReadSkinDirectory(SkinDir("Night").string());
  const auto unpacked = skin::UnpackSkin(skin::PackSkin(entries));
  ASSERT_EQ(unpacked.size(), entries.size());
  for (std::size_t i = 0; i < entries.size(); ++i) {
    EXPECT_EQ(unpacked[i].Name, entries[i].Name);
    EXPECT_EQ(unpacked[i].Data, entries[i].Data) << entries[i].Name;
  }
  TempDir t;
  skin::WriteEntries(unpacked, (t.Path() / "out").string());
  EXPECT_EQ(ReadText(t.Path() / "out" / "Options.dat"), ReadText(SkinDir("Night") / "Options.dat"));
}

TEST(SkinUnpackTest, RefusesNamesThatLeaveTheDirectory) {
  for (const char* name : {"../evil.dat", "a/b.bmp", "..", "", "c:\\x.bmp"}) {
    const auto package = skin::PackSkin({{"Options.dat", {'[', 'A', ']'}}, {name, {1, 2, 3}}});
    EXPECT_THROW(skin::UnpackSkin(package), std::exception) << name;
  }
}

TEST(ContactSheetTest, DrawsEverySectionOverTheCheckerboard) {
  const skin::TsLoadResult r = skin::LoadToolSkin(SkinDir("Skin").string());
  const gfx::Bitmap sheet = skin::RenderContactSheet(*r.Model);
  // One row per section but GLOBALINFO, then glyphs and images.
  EXPECT_GT(sheet.Height(), 63 * 72);
  // The FORMTITLE row (the fourth section) shows the active title colour in
  // its hot cells: some pixel of the row is the accent.
  const int row = 8 + 2 * 72;  // FORMTITLE follows DIVIDER and EDIT
  bool accent = false;
  for (int x = 0; x < sheet.Width() && !accent; ++x)
    for (int y = row; y < row + 28 && !accent; ++y) accent = sheet.PixelAt(x, y) == artgen::LightPalette().Accent;
  EXPECT_TRUE(accent);
}

}  // namespace
