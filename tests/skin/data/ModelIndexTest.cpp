// The hash indexes over a model answer what the model's linear lookups
// answer, on random models with duplicate names, names that differ only in
// case, unnamed records and parent cycles; and the cached indexes filled
// through them match the lookups.
#include "skin/data/ModelIndex.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "skin/data/SkinModel.h"

namespace skin {
namespace {

struct Random {
  std::uint32_t seed;
  std::uint32_t operator()(std::uint32_t n) {
    seed = seed * 1664525u + 1013904223u;
    return (seed >> 8) % n;
  }
};

const char* const kNames[] = {"GLOBALINFO", "TABTOP",      "TABBOTTOM", "SCROLLBTNTOP", "SCROLLBAR1H",
                              "COMBOBTN",   "COMBOBOX",    "BASE",      "base",         "Base",
                              "",           "SCROLLSLIDERV"};
const char* const kKeys[] = {"BORDERSMASK", "GLYPHMASK", "PATTERN", "HOTPATTERN", "BOXCHECKED", "EXBORDER"};

TsSkinModel RandomModel(Random& next, std::size_t sections, std::size_t masks) {
  TsSkinModel m;
  for (std::size_t i = 0; i < sections; ++i) {
    TsGeneralData g;
    g.SectionName = kNames[next(std::size(kNames))];
    if (next(3) != 0) g.ParentClass = kNames[next(std::size(kNames))];
    m.GeneralTable.push_back(g);
  }
  for (std::size_t i = 0; i < masks; ++i) {
    TsMaskData e;
    e.SectionName = kNames[next(std::size(kNames))];
    e.PropertyName = kKeys[next(std::size(kKeys))];
    e.ImgType = next(2) ? TacImgType::itisaTexture : TacImgType::itisaBorder;
    m.MaskTable.push_back(e);
  }
  return m;
}

int LinearTexture(const TsSkinModel& m, std::string_view section, std::string_view property) {
  if (section.empty()) return -1;
  for (std::size_t i = 0; i < m.MaskTable.size(); ++i)
    if (m.MaskTable[i].ImgType == TacImgType::itisaTexture && m.MaskTable[i].SectionName == section &&
        m.MaskTable[i].PropertyName == property)
      return static_cast<int>(i);
  return -1;
}

TEST(ModelIndex, AnswersAsTheLinearLookups) {
  Random next{7};
  for (int round = 0; round < 30; ++round) {
    const TsSkinModel m = RandomModel(next, next(40), next(60));
    const ModelIndex index(m.GeneralTable, m.MaskTable);
    for (const char* s : kNames) {
      SCOPED_TRACE(s);
      EXPECT_EQ(index.SectionIndexOf(s), m.SectionIndexOf(s));
      for (const char* k : kKeys) {
        EXPECT_EQ(index.MaskIndexOfExact(s, k), m.MaskIndexOfExact(s, k)) << k;
        EXPECT_EQ(index.MaskIndexOfExact(s, k, true), LinearTexture(m, s, k)) << k;
      }
    }
    for (std::size_t i = 0; i < m.GeneralTable.size(); ++i)
      EXPECT_EQ(index.FirstOfName(i), m.SectionIndexOf(m.GeneralTable[i].SectionName));
    // The batch lookup: an empty name finds nothing, even beside an unnamed record.
    std::vector<int> batch;
    index.FindSections(
        std::size(kNames), [](std::size_t i) { return std::string_view(kNames[i]); },
        [&](std::size_t i, int found) {
          EXPECT_EQ(i, batch.size());
          batch.push_back(found);
        });
    ASSERT_EQ(batch.size(), std::size(kNames));
    for (std::size_t i = 0; i < batch.size(); ++i)
      EXPECT_EQ(batch[i], *kNames[i] == 0 ? -1 : m.SectionIndexOf(kNames[i])) << kNames[i];
  }
}

TEST(ModelIndex, CachedIndexesMatchTheLookups) {
  Random next{99};
  for (int round = 0; round < 40; ++round) {
    TsSkinModel m = RandomModel(next, 1 + next(30), next(80));
    m.UpdateIndexes();
    const TsCommonIndexes& c = m.CommonIndexes;
    const int global = m.SectionIndexOf("GLOBALINFO");
    const int tabTop = m.SectionIndexOf("TABTOP");
    const int scroll = m.SectionIndexOf("SCROLLBTNTOP");
    const int combo = m.SectionIndexOf("COMBOBTN");
    EXPECT_EQ(c.GlobalInfo, global);
    EXPECT_EQ(c.CheckBoxChecked, m.MaskIndexOf(global, "GLOBALINFO", "BOXCHECKED"));
    EXPECT_EQ(c.ExBorder, m.MaskIndexOf(global, "GLOBALINFO", "EXBORDER"));
    EXPECT_EQ(c.TabBottom, m.SectionIndexOf("TABBOTTOM"));
    EXPECT_EQ(c.TabBottomMask, m.MaskIndexOf(tabTop, "TABBOTTOM", "BORDERSMASK"));
    EXPECT_EQ(c.ScrollBtnTop.Section, scroll);
    EXPECT_EQ(c.ScrollBtnTop.GlyphMask, m.MaskIndexOf(scroll, "SCROLLBTNTOP", "GLYPHMASK"));
    EXPECT_EQ(c.ScrollBtnTop.HotPattern, m.MaskIndexOf(scroll, "SCROLLBTNTOP", "HOTPATTERN"));
    EXPECT_EQ(c.ScrollBar1H.Pattern,
              m.MaskIndexOf(m.SectionIndexOf("SCROLLBAR1H"), "SCROLLBAR1H", "PATTERN"));
    EXPECT_EQ(c.ComboBtn, combo);
    EXPECT_EQ(c.ComboBtnBorder, m.MaskIndexOf(combo, "COMBOBTN", "BORDERSMASK"));
    EXPECT_EQ(c.ComboBtnPattern, m.TextureIndexOf(combo, "COMBOBTN", "PATTERN"));
    EXPECT_EQ(c.ComboBtnHotPattern, m.TextureIndexOf(combo, "COMBOBTN", "HOTPATTERN"));
    EXPECT_EQ(c.ComboBoxGlyph, m.MaskIndexOfExact("COMBOBOX", "GLYPHMASK"));
    // The border indexes, through the same index.
    for (std::size_t i = 0; i < m.GeneralTable.size(); ++i) {
      const TsGeneralData& g = m.GeneralTable[i];
      if (g.SectionName == "GLOBALINFO") continue;
      EXPECT_EQ(g.BordersMaskIndex, m.MaskIndexOf(static_cast<int>(i), g.SectionName, "BORDERSMASK")) << i;
    }
  }
}

}  // namespace
}  // namespace skin
