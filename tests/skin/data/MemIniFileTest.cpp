// Line rules, lookups and enumeration of the options file reader, and the
// plain value conversions.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "skin/data/IniValues.h"
#include "skin/data/MemIniFile.h"
#include "skin/data/SkinErrors.h"

namespace skin {
namespace {

std::vector<std::string> SectionNames(const MemIniFile& ini) {
  std::vector<std::string> out;
  for (const auto& s : ini.Sections()) out.emplace_back(s.Name());
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
  EXPECT_EQ(ini.Find("First", "ignored"), std::nullopt);
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

namespace skin {
namespace {

// A section with more keys than the small-section search handles, names
// repeated in other letter cases.
std::string ManyKeys() {
  std::string text = "[Big]\n";
  for (int i = 0; i < 40; ++i) text += "K" + std::to_string(i) + "=" + std::to_string(i) + "\n";
  text += "k7=again\nk39=again\n[Small]\nA=1\na=2\n";
  return text;
}

void ExpectManyKeys(const MemIniFile& ini) {
  const MemIniFile::Section* big = ini.FindSection("big");
  ASSERT_NE(big, nullptr);
  ASSERT_EQ(big->Keys().size(), 42u);
  for (int i = 0; i < 40; ++i) EXPECT_EQ(big->Find("k" + std::to_string(i)), std::to_string(i)) << i;
  EXPECT_EQ(big->Find("K40"), std::nullopt);
  // A repeated name answers with its first line, also when enumerated.
  EXPECT_EQ(big->Keys()[40].Name, "k7");
  EXPECT_EQ(big->Keys()[40].Value, "again");
  EXPECT_EQ(big->FirstValueOf(40), "7");
  EXPECT_EQ(big->FirstValueOf(41), "39");
  EXPECT_EQ(ini.ReadInteger("SMALL", "a", 0), 1);
  EXPECT_EQ(ini.Sections()[1].FirstValueOf(1), "1");
}

// Names and values are views into the reader's own text: they stay right
// when the caller's text is gone and when the reader is moved.
TEST(MemIniFile, ViewsStayValidWithoutTheCallersTextAndAfterAMove) {
  std::optional<MemIniFile> copied;
  {
    std::string text = ManyKeys();
    copied.emplace(text);
    std::fill(text.begin(), text.end(), 'x');
  }
  ExpectManyKeys(*copied);

  const std::string text = ManyKeys();
  MemIniFile taken(std::vector<std::uint8_t>(text.begin(), text.end()));
  ExpectManyKeys(taken);
  const MemIniFile moved(std::move(taken));
  ExpectManyKeys(moved);
  MemIniFile assigned;
  assigned = MemIniFile(std::string_view(text));
  ExpectManyKeys(assigned);
}

TEST(MemIniFile, EmptyAndSectionlessTextsHaveNoSections) {
  for (const char* text : {"", "A=1\nB=2\n", "[unterminated\n", ";[comment]\n"}) {
    const MemIniFile ini{std::string_view(text)};
    EXPECT_TRUE(ini.Sections().empty()) << text;
    EXPECT_EQ(ini.Find("", "A"), std::nullopt) << text;
  }
  EXPECT_TRUE(MemIniFile(std::vector<std::uint8_t>{}).Sections().empty());
}

}  // namespace
}  // namespace skin

namespace skin {
namespace {

// Many names looked up at once find what FindSection finds, in order; an
// empty name finds nothing even when a section "[]" exists.
TEST(MemIniFile, FindSectionsAnswersAsFindSection) {
  std::string text = "[]\nA=1\n";
  for (int i = 0; i < 300; ++i) text += "[Sec" + std::to_string(i % 200) + "]\n";
  const MemIniFile ini(text);
  std::vector<std::string> wanted{"", "sec5", "SEC199", "Sec200", "nope"};
  for (int i = 0; i < 100; ++i) wanted.push_back("SEC" + std::to_string(i * 3));
  std::vector<const MemIniFile::Section*> found;
  ini.FindSections(
      wanted.size(), [&](std::size_t i) { return std::string_view(wanted[i]); },
      [&](std::size_t i, const MemIniFile::Section* s) {
        EXPECT_EQ(i, found.size());
        found.push_back(s);
      });
  ASSERT_EQ(found.size(), wanted.size());
  EXPECT_EQ(found[0], nullptr);
  ASSERT_NE(ini.FindSection(""), nullptr);
  for (std::size_t i = 1; i < wanted.size(); ++i) EXPECT_EQ(found[i], ini.FindSection(wanted[i])) << wanted[i];
  EXPECT_EQ(found[1], &ini.Sections()[6]);
  EXPECT_EQ(found[3], nullptr);
}

}  // namespace
}  // namespace skin
