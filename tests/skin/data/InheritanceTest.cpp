// General keys read with inheritance through PARENTCLASS.
#include <gtest/gtest.h>

#include "skin/data/GeneralData.h"
#include "skin/data/MemIniFile.h"
#include "skin/data/SkinErrors.h"

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

}  // namespace
}  // namespace skin

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
