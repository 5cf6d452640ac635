// Lookups over the tables, with their parent walks, and the mask measures.
#include <gtest/gtest.h>

#include "skin/data/SkinModel.h"

namespace skin {
namespace {

TsGeneralData Section(const char* name, const char* parent) {
  TsGeneralData g;
  g.SectionName = name;
  g.ParentClass = parent;
  return g;
}

TsMaskData Entry(const char* section, const char* key, TacImgType type = TacImgType::itisaBorder) {
  TsMaskData m;
  m.SectionName = section;
  m.PropertyName = key;
  m.ImgType = type;
  return m;
}

// BASE <- MID <- LEAF; X <-> Y; SELF names itself; ORPHAN's parent is missing.
TsSkinModel Model() {
  TsSkinModel m;
  m.GeneralTable = {Section("BASE", ""),         Section("MID", "BASE"), Section("LEAF", "MID"),
                    Section("X", "Y"),           Section("Y", "X"),      Section("SELF", "SELF"),
                    Section("ORPHAN", "NOSUCH"), Section("base", "")};
  m.MaskTable = {Entry("BASE", "BORDERSMASK"), Entry("BASE", "PATTERN", TacImgType::itisaTexture),
                 Entry("MID", "PATTERN"),      Entry("LEAF", "GLYPH"),
                 Entry("BASE", "BORDERSMASK"), Entry("base", "SHADOW"),
                 Entry("Y", "ONLYY")};
  m.PatternTable = {{nullptr, "BASE", "PATTERN"}, {nullptr, "MID", "HOTPATTERN"}};
  return m;
}

TEST(SkinModelLookups, SectionsCompareExactly) {
  const TsSkinModel m = Model();
  EXPECT_EQ(m.SectionIndexOf("BASE"), 0);
  EXPECT_EQ(m.SectionIndexOf("base"), 7);
  EXPECT_EQ(m.SectionIndexOf("Base"), -1);
  EXPECT_EQ(m.SectionIndexOf(""), -1);
  EXPECT_EQ(TsSkinModel{}.SectionIndexOf("BASE"), -1);
}

TEST(SkinModelLookups, EveryLookupWalksUpTheParents) {
  const TsSkinModel m = Model();
  const struct {
    const char* what;
    int got;
    int expected;
  } cases[] = {
      {"own entry first", m.MaskIndexOf(2, "LEAF", "GLYPH"), 3},
      {"two levels up", m.MaskIndexOf(2, "LEAF", "BORDERSMASK"), 0},
      {"first match in table order", m.MaskIndexOf(0, "BASE", "BORDERSMASK"), 0},
      {"nearest parent wins", m.MaskIndexOf(2, "LEAF", "PATTERN"), 2},
      {"names compare exactly", m.MaskIndexOf(7, "base", "BORDERSMASK"), -1},
      {"no parent", m.MaskIndexOf(0, "BASE", "GLYPH"), -1},
      {"negative skin index", m.MaskIndexOf(-1, "LEAF", "GLYPH"), -1},
      {"empty section", m.MaskIndexOf(2, "", "GLYPH"), -1},
      {"skin index out of range", m.MaskIndexOf(99, "LEAF", "BORDERSMASK"), -1},
      {"missing parent", m.MaskIndexOf(6, "ORPHAN", "BORDERSMASK"), -1},
      {"self reference", m.MaskIndexOf(5, "SELF", "BORDERSMASK"), -1},
      {"cycle finds what is on it", m.MaskIndexOf(3, "X", "ONLYY"), 6},
      {"cycle ends", m.MaskIndexOf(3, "X", "NOTHING"), -1},
      {"exact: no walk", m.MaskIndexOfExact("LEAF", "BORDERSMASK"), -1},
      {"exact", m.MaskIndexOfExact("MID", "PATTERN"), 2},
      {"exact: empty section", m.MaskIndexOfExact("", "PATTERN"), -1},
      {"texture skips other kinds", m.TextureIndexOf(2, "LEAF", "PATTERN"), 1},
      {"texture not found", m.TextureIndexOf(2, "LEAF", "BORDERSMASK"), -1},
      {"texture cycle ends", m.TextureIndexOf(4, "Y", "PATTERN"), -1},
      {"pattern two levels up", m.PatternIndexOf(2, "LEAF", "PATTERN"), 0},
      {"pattern one level up", m.PatternIndexOf(2, "LEAF", "HOTPATTERN"), 1},
      {"pattern negative index", m.PatternIndexOf(-1, "LEAF", "PATTERN"), -1},
      {"pattern cycle ends", m.PatternIndexOf(3, "X", "PATTERN"), -1},
  };
  for (const auto& c : cases) EXPECT_EQ(c.got, c.expected) << c.what;
}

TEST(SkinModelLookups, MaskMeasures) {
  TsSkinModel m;
  auto add = [&](int w, int h, int ic, int mt, int bw, int wl, int wt, int wr, int wb) {
    TsMaskData e;
    e.Left = 10;
    e.Top = 20;
    e.Right = 10 + w;
    e.Bottom = 20 + h;
    e.ImageCount = static_cast<std::int16_t>(ic);
    e.MaskType = static_cast<std::int16_t>(mt);
    e.BorderWidth = static_cast<std::int16_t>(bw);
    e.WL = static_cast<std::int16_t>(wl);
    e.WT = static_cast<std::int16_t>(wt);
    e.WR = static_cast<std::int16_t>(wr);
    e.WB = static_cast<std::int16_t>(wb);
    m.MaskTable.push_back(e);
    return static_cast<int>(m.MaskTable.size()) - 1;
  };
  const struct {
    int index;
    int left, right, top, bottom;
    gfx::Size cell;
  } cases[] = {
      {add(129, 19, 3, 0, 0, 0, 0, 0, 0), 43, 43, 19, 19, {43, 19}},  // a glyph
      {add(51, 21, 3, 0, 0, 5, 7, 6, 8), 5, 6, 7, 8, {17, 21}},       // own part widths
      {add(51, 21, 3, 1, 4, 0, 0, 0, 0), 4, 4, 4, 4, {17, 10}},       // BorderWidth
      {add(50, 21, 0, -1, 0, 0, 0, 0, 0), 50, 0, 0, 0, {0, 0}},       // zero divisors
      {add(50, 21, 2, 2, 0, -3, 0, 0, 0), 25, 25, 7, 7, {25, 7}},     // negative widths are not taken
  };
  for (const auto& c : cases) {
    EXPECT_EQ(m.MaskWidthLeft(c.index), c.left) << c.index;
    EXPECT_EQ(m.MaskWidthRight(c.index), c.right) << c.index;
    EXPECT_EQ(m.MaskWidthTop(c.index), c.top) << c.index;
    EXPECT_EQ(m.MaskWidthBottom(c.index), c.bottom) << c.index;
    EXPECT_EQ(m.MaskCellSize(c.index), c.cell) << c.index;
  }
  // An entry with its own image: a third of its width, half its height.
  TsMaskData own;
  own.Image = std::make_shared<gfx::Bitmap>(gfx::NewBitmap24(100, 31));
  own.ImageCount = 1;
  m.MaskTable.push_back(own);
  EXPECT_EQ(m.MaskCellSize(static_cast<int>(m.MaskTable.size()) - 1), (gfx::Size{33, 15}));
  for (int bad : {-1, 1000}) {
    EXPECT_EQ(m.MaskWidthLeft(bad), 0);
    EXPECT_EQ(m.MaskCellSize(bad), (gfx::Size{}));
  }
}

TEST(SkinModelLookups, ColourQueriesFallBack) {
  TsSkinModel empty;
  EXPECT_EQ(empty.GetGlobalColor(), gfx::ColorToRGB(gfx::clBtnFace));
  EXPECT_EQ(empty.GetGlobalFontColor(), gfx::clFuchsia);
  EXPECT_EQ(empty.GetGlobalHotColor(), gfx::ColorToRGB(gfx::clWindow));
  EXPECT_EQ(empty.GetActiveEditFontColor(), gfx::clFuchsia);
  EXPECT_EQ(empty.GetHighLightColor(), gfx::ColorToRGB(gfx::clHighlight));
  EXPECT_EQ(empty.GetHighLightFontColor(), gfx::ColorToRGB(gfx::clHighlightText));

  // MENUITEM colours that mean "none" fall back too.
  const struct {
    gfx::Color hot, text;
    gfx::Color selection, selectionText;
  } cases[] = {
      {0x00FF00, 0x0000FF, 0x00FF00, 0x0000FF},
      {gfx::clWhite, 0x0000FF, gfx::ColorToRGB(gfx::clHighlight), gfx::ColorToRGB(gfx::clHighlightText)},
      {gfx::clFuchsia, 0x0000FF, gfx::ColorToRGB(gfx::clHighlight), gfx::ColorToRGB(gfx::clHighlightText)},
      {0x00FF00, 0, 0x00FF00, gfx::ColorToRGB(gfx::clHighlightText)},
      {0x00FF00, gfx::clWhite, 0x00FF00, gfx::ColorToRGB(gfx::clHighlightText)},
      {gfx::clBtnFace, gfx::clBtnText, gfx::ColorToRGB(gfx::clBtnFace), gfx::ColorToRGB(gfx::clBtnText)},
  };
  for (const auto& c : cases) {
    TsSkinModel m;
    TsGeneralData item = Section("MENUITEM", "");
    item.HotColor = c.hot;
    item.HotFontColor[0] = c.text;
    m.GeneralTable.push_back(item);
    EXPECT_EQ(m.GetHighLightColor(), c.selection) << c.hot;
    EXPECT_EQ(m.GetHighLightFontColor(), c.selectionText) << c.hot << " " << c.text;
  }
}

}  // namespace
}  // namespace skin

namespace skin {
namespace {

TEST(SkinModelLookups, ParentWalksEndAfterTheDepthLimit) {
  // S0 <- S1 <- ... <- S99; only S0 has the mask.
  TsSkinModel m;
  for (int i = 0; i < 100; ++i) {
    TsGeneralData g;
    g.SectionName = "S" + std::to_string(i);
    if (i > 0) g.ParentClass = "S" + std::to_string(i - 1);
    m.GeneralTable.push_back(g);
  }
  TsMaskData e;
  e.SectionName = "S0";
  e.PropertyName = "BORDERSMASK";
  m.MaskTable.push_back(e);
  const int limit = static_cast<int>(kMaxParentDepth) - 1;  // S<limit> .. S0 are kMaxParentDepth sections
  EXPECT_EQ(m.MaskIndexOf(limit, "S" + std::to_string(limit), "BORDERSMASK"), 0);
  EXPECT_EQ(m.MaskIndexOf(limit + 1, "S" + std::to_string(limit + 1), "BORDERSMASK"), -1);
  m.UpdateBorderIndexes();
  EXPECT_EQ(m.GeneralTable[limit].BordersMaskIndex, 0);
  EXPECT_EQ(m.GeneralTable[limit + 1].BordersMaskIndex, -1);
}

}  // namespace
}  // namespace skin
