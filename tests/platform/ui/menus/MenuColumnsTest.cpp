// Popup items in columns: placement after breaks, the bar-break line, and
// the keyboard steps inside and across columns.
#include <gtest/gtest.h>

#include "platform/ui/menus/MenuColumns.h"

namespace ui::testing {
namespace {

using enum MenuBreak;

// Three columns: {0, 1, 2}, {3, 4} after a plain break, {5} after a bar break.
class MenuColumnsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    columns.Layout({{50, 20}, {70, 10}, {40, 20}, {30, 20}, {60, 20}, {20, 20}},
                   {mbNone, mbNone, mbNone, mbBreak, mbNone, mbBarBreak});
  }
  MenuColumns columns;
  static bool Any(int) { return true; }
};

TEST_F(MenuColumnsTest, BreaksStartColumnsOfTheirWidestItem) {
  constexpr int g = MenuColumns::kGap;
  const std::vector<gfx::Rect> want{
      {0, 0, 70, 20},           {0, 20, 70, 30},           {0, 30, 70, 50},
      {70 + g, 0, 130 + g, 20}, {70 + g, 20, 130 + g, 40}, {130 + 2 * g, 0, 150 + 2 * g, 20}};
  EXPECT_EQ(columns.Rects(), want);
  EXPECT_EQ(columns.Columns(), 3);
  EXPECT_EQ(columns.ColumnOf(4), 1);
  EXPECT_EQ(columns.Extent(), (gfx::Size{150 + 2 * g, 50}));
  // Only the bar break draws a line, in the gap, over the full height.
  ASSERT_EQ(columns.BarLines().size(), 1u);
  const gfx::Rect line = columns.BarLines()[0];
  EXPECT_GE(line.Left, 130 + g);
  EXPECT_LE(line.Right, 130 + 2 * g);
  EXPECT_EQ(line.Width(), 2);
  EXPECT_EQ(line.Height(), 50);
  // Hit-testing follows the columns; the gap belongs to no item.
  EXPECT_EQ(columns.ItemAt({75 + g, 25}), 4);
  EXPECT_EQ(columns.ItemAt({71, 5}), -1);
  EXPECT_EQ(columns.ItemAt({75 + g, 45}), -1);  // below the second column
}

TEST_F(MenuColumnsTest, BreakOnTheFirstItemAndNoItems) {
  MenuColumns c;
  c.Layout({{10, 10}, {20, 10}}, {mbBarBreak, mbNone});
  EXPECT_EQ(c.Columns(), 1);
  EXPECT_TRUE(c.BarLines().empty());
  EXPECT_EQ(c.Extent(), (gfx::Size{20, 20}));
  c.Layout({}, {});
  EXPECT_EQ(c.Count(), 0);
  EXPECT_EQ(c.Extent(), (gfx::Size{0, 0}));
  EXPECT_EQ(c.StepInColumn(-1, 1, Any), -1);
}

TEST_F(MenuColumnsTest, UpAndDownStayInTheColumnAndWrap) {
  struct Case {
    int From, Dir, Want;
  } cases[] = {{0, 1, 1}, {2, 1, 0}, {0, -1, 2}, {3, 1, 4}, {4, 1, 3}, {5, 1, 5}, {-1, 1, 0}, {-1, -1, 2}};
  for (const Case& k : cases)
    EXPECT_EQ(columns.StepInColumn(k.From, k.Dir, Any), k.Want) << k.From << "/" << k.Dir;
  // Rejected items are skipped; a column without any gives -1.
  EXPECT_EQ(columns.StepInColumn(0, 1, [](int i) { return i != 1; }), 2);
  EXPECT_EQ(columns.StepInColumn(5, 1, [](int i) { return i != 5; }), -1);
}

TEST_F(MenuColumnsTest, LeftAndRightGoToTheNearestItemOfTheNextColumn) {
  struct Case {
    int From, Dir, Want;
  } cases[] = {{2, 1, 4}, {0, 1, 3}, {1, 1, 4}, {4, -1, 1}, {3, -1, 0}, {4, 1, 5}, {0, -1, -1}, {5, 1, -1}};
  for (const Case& k : cases) EXPECT_EQ(columns.Beside(k.From, k.Dir, Any), k.Want) << k.From << "/" << k.Dir;
  EXPECT_EQ(columns.Beside(-1, 1, Any), -1);
  EXPECT_EQ(columns.Beside(2, 1, [](int i) { return i != 4; }), 3);
}

}  // namespace
}  // namespace ui::testing
