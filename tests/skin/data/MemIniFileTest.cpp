// Line rules, lookups and enumeration of the options file reader, and the
// plain value conversions.
#include <gtest/gtest.h>

#include "skin/data/IniValues.h"
#include "skin/data/MemIniFile.h"
#include "skin/data/SkinErrors.h"

namespace skin {
namespace {

std::vector<std::string> SectionNames(const MemIniFile& ini) {
  std::vector<std::string> out;
  for (const auto& s : ini.Sections()) out.push_back(s.Name());
  return out;
}

TEST(MemIniFile, SplitsAtCrLfAndCrLfAndTrims) {
  const MemIniFile ini(
      "ignored=before any section\r"
      "  [ First ]  \n"
      "\tA = 1 \r\n"
      "; A=comment\n"
      "   ;B=also a comment\r"
      "\r\n"
      "no equals sign\n"
      "C==x=y\r\r"
      "[Second]\n"
      "D=\n"
      "[]\n"
      "E=in a section without name");
  EXPECT_EQ(SectionNames(ini), (std::vector<std::string>{"First", "Second", ""}));
  const MemIniFile::Section* first = ini.FindSection("FIRST");
  ASSERT_NE(first, nullptr);
  ASSERT_EQ(first->Keys().size(), 2u);
  EXPECT_EQ(first->Keys()[0].Name, "A");
  EXPECT_EQ(first->Keys()[0].Value, "1");
  EXPECT_EQ(first->Keys()[1].Name, "C");
  EXPECT_EQ(first->Keys()[1].Value, "=x=y");  // split at the first "="
  EXPECT_EQ(ini.ReadString("second", "d", "default"), "");
  EXPECT_EQ(ini.ReadString("Second", "A", "default"), "default");
  EXPECT_EQ(ini.ReadString("", "E", "-"), "in a section without name");
  EXPECT_EQ(ini.Find("First", "ignored"), nullptr);
}

TEST(MemIniFile, FindsTheFirstSectionAndTheFirstKeyWithoutRegardToCase) {
  const MemIniFile ini(
      "[button]\nCOLOR=1\ncolor=2\n"
      "[BUTTON]\nCOLOR=3\nFONTCOLOR=4\n");
  EXPECT_EQ(SectionNames(ini), (std::vector<std::string>{"button", "BUTTON"}));
  EXPECT_EQ(ini.ReadInteger("Button", "Color", 0), 1);
  EXPECT_EQ(ini.ReadInteger("BUTTON", "FONTCOLOR", -7), -7);  // only the first section counts
  EXPECT_EQ(ini.FindSection("BUTTON"), &ini.Sections()[0]);
  // Enumeration keeps every key as written, in file order.
  ASSERT_EQ(ini.Sections()[0].Keys().size(), 2u);
  EXPECT_EQ(ini.Sections()[0].Keys()[1].Name, "color");
}

TEST(MemIniFile, TypedReadsFallBackToTheDefault) {
  const MemIniFile ini(
      "[S]\nI=-42\nJ=12abc\nK=\nL=+7\nM=99999999999\nF=6.69\nG=6,69\n"
      "B1=TRUE\nB2=True\nB3=true\nB4=1\nB5=yes\n");
  EXPECT_EQ(ini.ReadInteger("S", "I", 0), -42);
  EXPECT_EQ(ini.ReadInteger("S", "J", 5), 5);
  EXPECT_EQ(ini.ReadInteger("S", "K", 5), 5);
  EXPECT_EQ(ini.ReadInteger("S", "L", 5), 7);
  EXPECT_EQ(ini.ReadInteger("S", "M", 5), 5);
  EXPECT_EQ(ini.ReadInteger("S", "missing", 5), 5);
  EXPECT_DOUBLE_EQ(ini.ReadFloat("S", "F", 0), 6.69);
  EXPECT_DOUBLE_EQ(ini.ReadFloat("S", "G", 1.5), 1.5);
  const MemIniFile floats("[S]\nA=7\nB=-.5\nC=nan\nD=inf\nE=1e3\nF=-INF\nG=.\nH=1.2.3\nI=0x10\nJ=-\n");
  EXPECT_DOUBLE_EQ(floats.ReadFloat("S", "A", 0), 7);
  EXPECT_DOUBLE_EQ(floats.ReadFloat("S", "B", 0), -0.5);
  for (const char* bad : {"C", "D", "E", "F", "G", "H", "I", "J"})
    EXPECT_DOUBLE_EQ(floats.ReadFloat("S", bad, 1.5), 1.5) << bad;
  const struct {
    const char* key;
    bool value;
  } bools[] = {{"B1", true}, {"B2", true}, {"B3", true}, {"B4", false}, {"B5", false}};
  for (const auto& b : bools) EXPECT_EQ(ini.ReadBool("S", b.key, !b.value), b.value) << b.key;
}

TEST(IniValues, StrictIntegersThrowTheConversionError) {
  EXPECT_EQ(StrToInt("0048"), 48);
  EXPECT_EQ(StrToInt("-1"), -1);
  for (const char* bad : {"", "-", "1.5", " 1", "0x10", "++1", "2147483648"}) {
    try {
      StrToInt(bad);
      ADD_FAILURE() << "accepted '" << bad << "'";
    } catch (const ConvertError& e) {
      EXPECT_EQ(std::string(e.what()), "'" + std::string(bad) + "' is not a valid integer value");
    }
  }
}

}  // namespace
}  // namespace skin
