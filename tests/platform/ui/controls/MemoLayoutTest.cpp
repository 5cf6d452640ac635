#include "platform/ui/controls/MemoLayout.h"

#include <gtest/gtest.h>

namespace ui::test {
namespace {

// Every character 10 px wide, "W" 20 px, a zero-width joiner 0 px.
int Width(std::string_view ch) {
  if (ch == "W") return 20;
  if (ch == "\u200D") return 0;
  return 10;
}

TEST(MemoLayoutTest, WrapsAtWordBoundariesAndBreaksLongWords) {
  struct Case {
    const char* Line;
    int Width;
    std::vector<int> Starts;
  };
  const Case cases[] = {
      {"hello world", 110, {0}},                 // fits exactly
      {"hello world", 109, {0, 6}},              // the space stays on the first row
      {"hello world", 60, {0, 6}},               //
      {"ab   cd", 30, {0, 5}},                   // spaces hang past the width
      {"abcdefghij", 35, {0, 3, 6, 9}},          // a long word breaks where a character no longer fits
      {"a verylongword b", 50, {0, 2, 7, 12}},   // the long word moves down first, then breaks
      {"WWa", 45, {0, 2}},                       // wide characters
      {"abc", 5, {0, 1, 2}},                     // a row keeps at least one character
      {"abc", 0, {0, 1, 2}},                     //
      {"a\tb", 20, {0, 2}},                      // a tab is a break opportunity
      {"\xC3\xA4\xC3\xB6\xC3\xBC", 25, {0, 4}},  // breaks fall between characters, not inside
      {"a\u200D\u200Db", 10, {0, 7}},            // zero-width characters stay with the one before
      {"   ", 10, {0}},                          // nothing but spaces
      {"", 10, {0}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(MemoLayout::WrapLine(c.Line, c.Width, Width), c.Starts) << '"' << c.Line << "\" at " << c.Width;
}

TEST(MemoLayoutTest, RowsCoverTheLinesInOrder) {
  MemoLayout layout;
  layout.Build({"one two three", "", "four"}, 80, Width);
  std::vector<MemoRow> expected{{0, 0, 8}, {0, 8, 13}, {1, 0, 0}, {2, 0, 4}};
  ASSERT_EQ(layout.RowCount(), 4);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(layout.Row(i), expected[static_cast<std::size_t>(i)]) << i;
  EXPECT_EQ(layout.FirstRowOf(1), 2);
  EXPECT_FALSE(layout.EndsLine(0));
  EXPECT_TRUE(layout.EndsLine(1));

  layout.Build({"one two three", "", "four"}, 0, Width);
  EXPECT_EQ(layout.RowCount(), 3) << "no wrap width: one row per line";
  EXPECT_EQ(layout.Row(0), (MemoRow{0, 0, 13}));
}

TEST(MemoLayoutTest, RowOfAWrapPointDependsOnTheSide) {
  MemoLayout layout;
  layout.Build({"one two three", "x"}, 80, Width);
  EXPECT_EQ(layout.RowOf({0, 0}), 0);
  EXPECT_EQ(layout.RowOf({0, 7}), 0);
  EXPECT_EQ(layout.RowOf({0, 8}), 1) << "the wrap point starts the next row";
  EXPECT_EQ(layout.RowOf({0, 8}, true), 0) << "or ends the row before";
  EXPECT_EQ(layout.RowOf({0, 0}, true), 0) << "a line's first row has no row before it";
  EXPECT_EQ(layout.RowOf({0, 13}, true), 1);
  EXPECT_EQ(layout.RowOf({1, 1}), 2);
}

}  // namespace
}  // namespace ui::test
