#include "skin/render/TextFlags.h"

#include <gtest/gtest.h>

namespace skin {
namespace {

TEST(StringFlags, AlignmentAndReadingOrder) {
  struct Case {
    TextAlignment Align;
    bool Rtl;
    unsigned Flags;
  };
  const Case cases[] = {
      {TextAlignment::taLeftJustify, false, 0x44},  {TextAlignment::taCenter, false, 0x45},
      {TextAlignment::taRightJustify, false, 0x46}, {TextAlignment::taLeftJustify, true, 0x20046},
      {TextAlignment::taCenter, true, 0x20045},     {TextAlignment::taRightJustify, true, 0x20044},
  };
  for (const Case& c : cases)
    EXPECT_EQ(StringFlags(c.Align, c.Rtl), c.Flags) << static_cast<int>(c.Align) << " rtl " << c.Rtl;
}

}  // namespace
}  // namespace skin
