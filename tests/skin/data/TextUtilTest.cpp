// The case-folding text search that classifies option values by file name.
#include "skin/data/TextUtil.h"

#include <gtest/gtest.h>

namespace skin {
namespace {

TEST(TextUtil, ContainsUpperCasedFoldsOnlyTheSearchedText) {
  const struct {
    const char* Text;
    const char* Part;
    bool Found;
  } cases[] = {
      {"button.bmp", ".BMP", true},
      {"BUTTON.BMP", ".BMP", true},
      {"Big.JpEg", ".JPEG", true},
      {".bm", ".BMP", false},
      {"", ".BMP", false},
      {"x.bmpx", ".BMP", true},
      {"x.b mp", ".BMP", false},
      {"..bMp", ".BMP", true},
      {"a.jpeg", ".JPG", false},
      {"\xC3\xA9.bmp", ".BMP", true},
      {"\xC3\xA9", "\xC3\x89", false},  // only ASCII letters fold
  };
  for (const auto& c : cases)
    EXPECT_EQ(ContainsUpperCased(c.Text, c.Part), c.Found) << c.Text << " / " << c.Part;
}

}  // namespace
}  // namespace skin
