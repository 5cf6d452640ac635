// The internal skins under assets/skins are exactly what the artwork
// generator draws, and they hold what the program reads from them.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "platform/gfx/FileBytes.h"
#include "tools/artgen/SkinArt.h"
#include "tools/skinpack/SkinPackWriter.h"
#include "tools/skinpack/SkinSource.h"

namespace {

namespace fs = std::filesystem;

fs::path SkinDir(const std::string& name) { return fs::path(ZT_SOURCE_DIR) / "assets" / "skins" / name; }

const std::vector<artgen::SkinPalette> kPalettes = {artgen::LightPalette(), artgen::NightPalette()};

TEST(InternalSkinArtTest, RegeneratingGivesTheCommittedBytes) {
  for (const artgen::SkinPalette& p : kPalettes) {
    SCOPED_TRACE(p.Name);
    std::set<std::string> made;
    for (const artgen::SkinFile& f : artgen::MakeSkinFiles(p)) {
      made.insert(f.Name);
      EXPECT_EQ(gfx::ReadFileBytes((SkinDir(p.Name) / f.Name).string()), f.Bytes)
          << f.Name << " differs: run zt_artgen assets and commit the result";
    }
    std::set<std::string> onDisk;
    for (const auto& e : fs::directory_iterator(SkinDir(p.Name))) onDisk.insert(e.path().filename().string());
    EXPECT_EQ(onDisk, made);
  }
}

TEST(InternalSkinArtTest, PackageEntriesComeInTheProgramsOrder) {
  const std::vector<std::string> expected = {"Options.dat",  "Br.BMP",      "ButtonHuge.bmp", "Master.bmp",
                                             "Title.bmp",    "ExBorder.png", "GlowBtn.PNG",    "GlowClose.PNG",
                                             "GlowMax.PNG",  "GlowMin.png",  "GlowNorm.PNG"};
  for (const artgen::SkinPalette& p : kPalettes) {
    std::vector<std::string> names;
    for (const skin::PackEntry& e : skin::ReadSkinDirectory(SkinDir(p.Name).string())) names.push_back(e.Name);
    EXPECT_EQ(names, expected) << p.Name;
  }
}

TEST(InternalSkinArtTest, LoadsWithTheSectionsAndValuesTheProgramReads) {
  const std::vector<std::string> sections = {
      "GLOBALINFO",      "DIVIDER",         "EDIT",           "FORMTITLE",         "GRIPH",
      "GRIPV",           "GROUPBOX",        "ICOLINE",        "HINT",              "MAINMENU",
      "MDIAREA",         "MENUITEM",        "MENULINE",       "PAGECONTROL",       "PANEL",
      "PANEL_LOW",       "PROGRESSH",       "STATUSBAR",      "TABCONTROL",        "FORM",
      "DIVIDERV",        "GAUGE",           "COMBOBOX",       "ALPHAEDIT",         "SPLITTER",
      "SCROLLBAR1V",     "SCROLLBAR1H",     "SCROLLBAR2H",    "SCROLLBAR2V",       "SCROLLSLIDERV",
      "SCROLLBTNTOP",    "SCROLLBTNBOTTOM", "SCROLLBTNRIGHT", "SCROLLBTNLEFT",     "SCROLLSLIDERH",
      "COMBOBTN",        "DIALOG",          "PROGRESSV",      "DRAGBAR",           "BUTTON",
      "CHECKBOX",        "SPEEDBUTTON",     "SPEEDBUTTON_SMALL", "RADIOBUTTON",    "TRACKBAR",
      "TABTOP",          "UPDOWNBTN",       "WEBBUTTON",      "BARTITLE",          "EXTRALINE",
      "BARPANEL",        "ALPHACOMBOBOX",   "TOOLBAR",        "TOOLBUTTON",        "BAR",
      "COLHEADER",       "BUTTON_HUGE",     "PAGECONTROLBOTTOM", "PAGECONTROLLEFT", "PAGECONTROLRIGHT",
      "TABBOTTOM",       "TABLEFT",         "TABRIGHT",       "BUTTON_BIG"};
  for (const artgen::SkinPalette& p : kPalettes) {
    SCOPED_TRACE(p.Name);
    const skin::TsLoadResult r = skin::LoadToolSkin(SkinDir(p.Name).string());
    EXPECT_TRUE(r.Warnings.empty());
    const skin::TsSkinModel& m = *r.Model;
    std::vector<std::string> names;
    for (const auto& g : m.GeneralTable) names.push_back(g.SectionName);
    EXPECT_EQ(names, sections);
    const skin::TsSkinData& w = m.SkinWideData;
    EXPECT_DOUBLE_EQ(w.Version, 6.69);
    EXPECT_EQ(w.BorderWidth, 8);
    EXPECT_EQ(w.TitleHeight, 28);
    EXPECT_EQ(w.MaxHeight, 28);
    EXPECT_EQ(w.FormOffset, 10);
    EXPECT_EQ(w.CenterOffset, 0);
    EXPECT_EQ(w.BorderMode, 1);
    EXPECT_EQ(w.BISpace, -1);
    EXPECT_EQ(w.BIVAlign, 1);
    EXPECT_EQ(w.BILeft, 2);
    EXPECT_EQ(w.BIRight, 0);
    EXPECT_EQ(w.BITop, 0);
    EXPECT_FALSE(m.MasterBitmap.Empty());
    // Every section the program draws with a mask has one; the tile frame
    // is the quoted one.
    for (const char* s : {"FORM", "FORMTITLE", "BUTTON", "SPEEDBUTTON", "GROUPBOX", "PANEL", "STATUSBAR",
                          "PANEL_LOW", "GAUGE", "EDIT", "MAINMENU", "MENUITEM", "DIVIDERV", "SCROLLBAR1V",
                          "SCROLLSLIDERV", "SCROLLBTNTOP", "SCROLLBTNBOTTOM"}) {
      const int i = m.SectionIndexOf(s);
      ASSERT_GE(i, 0) << s;
      EXPECT_GE(m.GeneralTable[static_cast<std::size_t>(i)].BordersMaskIndex, 0) << s;
    }
    const int speed = m.GeneralTable[static_cast<std::size_t>(m.SectionIndexOf("SPEEDBUTTON"))].BordersMaskIndex;
    const skin::TsMaskData& sm = m.MaskTable[static_cast<std::size_t>(speed)];
    EXPECT_EQ((std::vector<int>{sm.Left, sm.Top, sm.Right, sm.Bottom, sm.WL, sm.WT, sm.WR, sm.WB, sm.ImageCount,
                                sm.MaskType, sm.StretchMode, sm.BorderWidth}),
              (std::vector<int>{51, 40, 84, 62, 3, 7, 3, 3, 3, 1, 2, 1}));
    for (const char* key : {"EXBORDER", "BICONCLOSE", "BICONMIN", "BICONMAX", "BICONNORM", "RADIOCHECKED",
                            "RADIOUNCHECKED", "GRIPIMAGE", "BICONCLOSEGLOW0", "BICONMINGLOW0", "BICONMAXGLOW0",
                            "BICONNORMGLOW0"})
      EXPECT_GE(m.MaskIndexOfExact("GLOBALINFO", key), 0) << key;
  }
}

}  // namespace
