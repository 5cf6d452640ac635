#include "skin/render/CornerHoles.h"

#include <gtest/gtest.h>

#include <initializer_list>

#include "../paint/PaintTestUtil.h"
#include "RenderFixture.h"

namespace skin {
namespace {

using gfx::Rect;
using gfx::RGB;

constexpr gfx::Color M = gfx::clFuchsia;

// An 8 x 4 cell at (2, 1) of the master; `keys` lists (column, row) pairs of
// the cell painted magenta, the rest grey.
test::ModelBuilder Cell(std::initializer_list<std::pair<int, int>> keys, gfx::RowOrder o) {
  test::ModelBuilder mb(12, 6, RGB(90, 90, 90), o);
  for (auto [x, y] : keys) mb.Master().SetPixelAt(2 + x, 1 + y, M);
  return mb;
}

TEST(AddCornerHolesTest, Table) {
  struct C {
    const char* Name;
    std::initializer_list<std::pair<int, int>> Keys;
    int Wl, Wr;
    bool Bottom;
    int Y;
    TAOR Want;
  };
  const C cases[] = {
      {"top row corners", {{0, 0}, {1, 0}, {6, 0}, {7, 0}}, 3, 3, false, 0, {{0, 0, 2, 1}, {98, 0, 100, 1}}},
      {"window row offset", {{0, 0}}, 3, 3, false, 20, {{0, 20, 1, 21}}},
      {"middle columns are not scanned", {{3, 0}, {4, 0}}, 3, 3, false, 0, {}},
      {"bottom reads the last row of the cell",
       {{1, 3}, {7, 3}, {1, 0}},
       3,
       3,
       true,
       50,
       {{1, 50, 2, 51}, {99, 50, 100, 51}}},
      {"a run across the corner boundary is split",
       {{3, 0}, {4, 0}},
       4,
       4,
       false,
       0,
       {{3, 0, 4, 1}, {96, 0, 97, 1}}},
      {"overlapping corners scan both", {{3, 0}}, 5, 5, false, 0, {{3, 0, 4, 1}, {95, 0, 96, 1}}},
      {"negative widths scan nothing", {{0, 0}, {7, 0}}, -3, -3, false, 0, {}},
  };
  for (const C& c : cases)
    for (gfx::RowOrder o : test::kRowOrders) {
      test::ModelBuilder mb = Cell(c.Keys, o);
      const TsMaskData mask = test::MakeMask({2, 1, 10, 5}, {1, 0, 0, c.Wl, 1, c.Wr, 1});
      TAOR holes{{7, 7, 8, 8}};  // appended to, never cleared
      AddCornerHoles(mb.Model(), holes, 100, mask, c.Bottom, c.Y);
      TAOR want{{7, 7, 8, 8}};
      want.insert(want.end(), c.Want.begin(), c.Want.end());
      EXPECT_EQ(holes, want) << c.Name << ", " << test::OrderName(o);
    }
}

TEST(AddCornerHolesTest, SeveralRowsAndImagesTooLow) {
  test::ModelBuilder mb = Cell({{0, 0}, {0, 1}, {1, 1}}, gfx::RowOrder::TopDown);
  TsMaskData mask = test::MakeMask({2, 1, 10, 5}, {1, 0, 0, 3, 2, 3, 1});
  TAOR holes;
  AddCornerHoles(mb.Model(), holes, 30, mask, false, 5);
  EXPECT_EQ(holes, (TAOR{{0, 5, 1, 6}, {0, 6, 2, 7}}));

  // The cell claims rows below the 6-row image: nothing is added.
  mask.Top = 4;
  mask.Bottom = 8;
  holes.clear();
  AddCornerHoles(mb.Model(), holes, 30, mask, false, 0);
  AddCornerHoles(mb.Model(), holes, 30, mask, true, 0);
  EXPECT_TRUE(holes.empty());
}

}  // namespace
}  // namespace skin
