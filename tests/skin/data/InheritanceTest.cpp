// General keys read with inheritance through PARENTCLASS.
#include <gtest/gtest.h>

#include "skin/data/GeneralData.h"
#include "skin/data/MemIniFile.h"
#include "skin/data/SkinErrors.h"
#include "skin/data/SkinModel.h"

namespace skin {
namespace {

TsGeneralData Read(const MemIniFile& ini, const char* section) {
  return ReadGeneralData(ParentChain(ini, section), TsGeneralData{});
}

TEST(Inheritance, AbsentAndMinusOneAndQuestionMarkComeFromTheParentChain) {
  const MemIniFile ini(
      "[BASE]\nCOLOR=255\nTCLEFT=77\nGRADIENTDATA=1;2;3;4;5\nFADINGENABLED=TRUE\nTRANSPARENCY=40\n"
      "[BUTTON]\nPARENTCLASS=BASE\nHOTCOLOR=65280\nTRANSPARENCY=junk\n"
      "[CHILD]\nPARENTCLASS=BUTTON\nCOLOR=-1\nGRADIENTDATA=?\nFADINGENABLED=?\nFONTCOLOR=-1\n");
  const TsGeneralData child = Read(ini, "CHILD");
  EXPECT_EQ(child.SectionName, "CHILD");
  EXPECT_EQ(child.ParentClass, "BUTTON");  // PARENTCLASS itself is not inherited
  EXPECT_EQ(child.Color, 255u);            // -1 counts as absent
  EXPECT_EQ(child.HotColor, 65280u);       // from the parent
  EXPECT_EQ(child.FontColor[0], 0u);       // nowhere: the default
  EXPECT_EQ(child.FontColor[1], 77u);      // from the grandparent
  EXPECT_EQ(child.FontColor[2], 0xFFFFFFFFu);
  EXPECT_EQ(child.GradientData, "1;2;3;4;5");  // "?" counts as absent
  EXPECT_EQ(child.GradientSteps.size(), 1u);
  EXPECT_TRUE(child.FadingEnabled);
  EXPECT_EQ(child.Transparency, 40);  // a malformed integer is skipped too
  EXPECT_EQ(child.FadingIterations, 5);
  EXPECT_EQ(Read(ini, "BASE").ParentClass, "");
}

TEST(Inheritance, ChainsEndAtSelfReferenceEmptyQuestionMarkAndCycles) {
  const MemIniFile ini(
      "[SELF]\nPARENTCLASS=self\n"
      "[A]\nPARENTCLASS=B\nCOLOR=10\n"
      "[B]\nPARENTCLASS=A\nHOTCOLOR=20\n"
      "[C]\nPARENTCLASS=D\n"
      "[D]\nPARENTCLASS=E\n"
      "[E]\nPARENTCLASS=C\nGLOW=3\n"
      "[Q]\nPARENTCLASS=?\n[EMPTY]\nPARENTCLASS=\n[MISSING]\nPARENTCLASS=NOSUCH\n");
  const TsGeneralData self = Read(ini, "SELF");
  EXPECT_EQ(self.Color, gfx::clWhite);
  EXPECT_EQ(self.ParentClass, "self");
  EXPECT_EQ(ParentChain(ini, "SELF").size(), 1u);

  const TsGeneralData a = Read(ini, "A");
  EXPECT_EQ(a.Color, 10u);
  EXPECT_EQ(a.HotColor, 20u);
  EXPECT_EQ(ParentChain(ini, "A").size(), 2u);
  EXPECT_EQ(Read(ini, "B").Color, 10u);
  EXPECT_EQ(Read(ini, "C").GlowCount, 3);
  EXPECT_EQ(ParentChain(ini, "D").size(), 3u);
  for (const char* s : {"Q", "EMPTY", "MISSING"}) EXPECT_EQ(ParentChain(ini, s).size(), 1u) << s;
}

TEST(Inheritance, DefaultsAndConversions) {
  const MemIniFile ini(
      "[S]\nCOLOR=-16777201\nHOTCOLOR=-16777201\nGCOL=-16777211\nGSIZE=258\nHGSIZE=-2\n"
      "SHOWFOCUS=True\nGIVEOWNFONT=1\nHOTGRADIENTDATA=1;2;3\n"
      "[T]\n");
  const TsGeneralData s = Read(ini, "S");
  EXPECT_EQ(s.Color, gfx::ColorToRGB(gfx::clBtnFace));  // converted to RGB
  EXPECT_EQ(s.HotColor, gfx::clBtnFace);                // stored as written
  EXPECT_EQ(s.GlowColor, gfx::ColorToRGB(gfx::clWindow));
  EXPECT_EQ(s.GlowSize, 2);
  EXPECT_EQ(s.HotGlowSize, 254);
  EXPECT_TRUE(s.ShowFocus);
  EXPECT_FALSE(s.GiveOwnFont);
  EXPECT_TRUE(s.HotGradientSteps.empty());

  const TsGeneralData t = Read(ini, "T");
  TsGeneralData expected;
  expected.SectionName = "T";
  EXPECT_EQ(t, expected);
  EXPECT_EQ(t.GradientData, " ");
  EXPECT_EQ(t.HotGradientData, "");

  EXPECT_THROW(Read(MemIniFile("[X]\nGRADIENTDATA=1;2;oops;4;5\n"), "X"), ConvertError);
}

namespace skin {
namespace {

TEST(Inheritance, LongChainsAreCut) {
  std::string text = "[S0]\nCOLOR=7\n";
  for (int i = 1; i < 100; ++i)
    text += "[S" + std::to_string(i) + "]\nPARENTCLASS=S" + std::to_string(i - 1) + "\n";
  const MemIniFile ini(text);
  EXPECT_EQ(ParentChain(ini, "S99").size(), kMaxParentDepth);
  const std::string within = "S" + std::to_string(kMaxParentDepth - 1);
  const std::string beyond = "S" + std::to_string(kMaxParentDepth);
  EXPECT_EQ(ReadGeneralData(ParentChain(ini, within), {}).Color, 7u);
  EXPECT_EQ(ReadGeneralData(ParentChain(ini, beyond), {}).Color, gfx::clWhite);
}

}  // namespace
}  // namespace skin

// The whole-table reading and the border-mask indexes resolve every section
// at once; on random PARENTCLASS graphs (cycles, self references, missing and
// duplicate sections, chains longer than the depth limit, "?" and -1 values)
// they give what walking each chain gives.
TEST(Inheritance, WholeTableMatchesChainWalksOnRandomGraphs) {
  std::uint32_t seed = 12345;
  const auto next = [&](std::uint32_t n) {
    seed = seed * 1664525u + 1013904223u;
    return (seed >> 8) % n;
  };
  for (int round = 0; round < 40; ++round) {
    const int count = 1 + static_cast<int>(next(round < 20 ? 12 : 150));
    std::string text;
    for (int i = 0; i < count; ++i) {
      // Some names repeat, some differ only in case.
      const int id = static_cast<int>(next(static_cast<std::uint32_t>(count + count / 4 + 1)));
      text += "[" + std::string(next(5) == 0 ? "s" : "S") + std::to_string(id) + "]\n";
      switch (next(6)) {
        case 0: break;
        case 1: text += "PARENTCLASS=?\n"; break;
        case 2: text += "PARENTCLASS=S" + std::to_string(id) + "\n"; break;
        case 3: text += "PARENTCLASS=S" + std::to_string(id == 0 ? 0 : id - 1) + "\n"; break;
        default: text += "PARENTCLASS=S" + std::to_string(next(static_cast<std::uint32_t>(count + 2))) + "\n";
      }
      const char* values[] = {"-1", "?", "7", "x", "TRUE"};
      for (const char* key : {"COLOR", "TRANSPARENCY", "SHOWFOCUS", "GRADIENTDATA", "GSIZE"})
        if (next(3) == 0)
          text += std::string(key) + "=" + values[next(5)] + (next(2) ? std::to_string(i) : "") + "\n";
      if (next(4) == 0) text += "BORDERSMASK=^0001^0001^0010^0010^0000^0000^0000^0000^1^0^0^0\n";
      if (next(6) == 0) text += "IMGTOPLEFT=@0000@0000@0010@0010@1@0\n";
    }
    // Sometimes one chain longer than the depth limit.
    if (round % 5 == 4)
      for (int i = 0; i < 70; ++i)
        text += "[L" + std::to_string(i) + "]\n" +
                (i ? "PARENTCLASS=L" + std::to_string(i - 1) + "\n" : "COLOR=9\n");
    SCOPED_TRACE(text);
    const MemIniFile ini(text);
    const TsGeneralDataArray table =
        ReadGeneralTable(ini, TsGeneralData{}, [](std::string_view, const ConvertError&) {});
    ASSERT_EQ(table.size(), ini.Sections().size());
    for (std::size_t i = 0; i < table.size(); ++i) {
      TsGeneralData walked;
      try {
        walked = ReadGeneralData(ParentChain(ini, ini.Sections()[i].Name()), TsGeneralData{});
      } catch (const ConvertError&) {
        continue;  // a gradient list that is not all integers
      }
      walked.SectionName = ini.Sections()[i].Name();
      EXPECT_EQ(table[i], walked) << "section " << i;
    }
    // Mask lines as the loader would add them, then the border indexes.
    TsSkinModel model;
    model.GeneralTable = table;
    for (const MemIniFile::Section& sec : ini.Sections())
      for (const MemIniFile::Key& k : sec.Keys())
        if (k.Name == "BORDERSMASK" || k.Name == "IMGTOPLEFT") {
          TsMaskData m;
          m.SectionName = sec.Name();
          m.PropertyName = k.Name;
          model.MaskTable.push_back(m);
        }
    model.UpdateBorderIndexes();
    for (std::size_t i = 0; i < model.GeneralTable.size(); ++i) {
      const TsGeneralData& g = model.GeneralTable[i];
      const int idx = static_cast<int>(i);
      EXPECT_EQ(g.BordersMaskIndex, model.MaskIndexOf(idx, g.SectionName, "BORDERSMASK")) << "section " << i;
      EXPECT_EQ(g.ImgTopLeftIndex, model.MaskIndexOf(idx, g.SectionName, "IMGTOPLEFT")) << "section " << i;
    }
  }
}

}  // namespace
}  // namespace skin
