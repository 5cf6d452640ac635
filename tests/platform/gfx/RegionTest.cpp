#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "platform/gfx/Region.h"

namespace gfx {
namespace {

using Rects = std::vector<Rect>;

enum class Op { Union, Difference, Xor, Intersection };

Region Apply(Op op, const Region& a, const Region& b) {
  switch (op) {
    case Op::Union: return a | b;
    case Op::Difference: return a - b;
    case Op::Xor: return a ^ b;
    case Op::Intersection: return a & b;
  }
  return {};
}

struct AlgebraCase {
  const char* Name;
  Op Operation;
  Rects A;
  Rects B;
  Rects Expected;  // canonical banded list
};

TEST(RegionTest, AlgebraGivesCanonicalRectangleLists) {
  const AlgebraCase cases[] = {
      {"overlapping union",
       Op::Union,
       {{0, 0, 10, 10}},
       {{5, 5, 15, 15}},
       {{0, 0, 10, 5}, {0, 5, 15, 10}, {5, 10, 15, 15}}},
      {"side by side merge", Op::Union, {{0, 0, 5, 5}}, {{5, 0, 10, 5}}, {{0, 0, 10, 5}}},
      {"stacked bands merge", Op::Union, {{0, 0, 5, 5}}, {{0, 5, 5, 10}}, {{0, 0, 5, 10}}},
      {"disjoint union keeps both", Op::Union, {{0, 0, 2, 2}}, {{4, 0, 6, 2}}, {{0, 0, 2, 2}, {4, 0, 6, 2}}},
      {"hole",
       Op::Difference,
       {{0, 0, 10, 10}},
       {{3, 3, 6, 6}},
       {{0, 0, 10, 3}, {0, 3, 3, 6}, {6, 3, 10, 6}, {0, 6, 10, 10}}},
      {"difference to nothing", Op::Difference, {{2, 2, 4, 4}}, {{0, 0, 10, 10}}, {}},
      {"difference cutting a corner",
       Op::Difference,
       {{0, 0, 4, 4}},
       {{3, 0, 4, 1}},
       {{0, 0, 3, 1}, {0, 1, 4, 4}}},
      {"xor of shifted squares",
       Op::Xor,
       {{0, 0, 10, 10}},
       {{5, 0, 15, 10}},
       {{0, 0, 5, 10}, {10, 0, 15, 10}}},
      {"xor with itself", Op::Xor, {{1, 2, 3, 4}}, {{1, 2, 3, 4}}, {}},
      {"xor frame",
       Op::Xor,
       {{0, 0, 4, 4}},
       {{1, 1, 3, 3}},
       {{0, 0, 4, 1}, {0, 1, 1, 3}, {3, 1, 4, 3}, {0, 3, 4, 4}}},
      {"intersection", Op::Intersection, {{0, 0, 10, 10}}, {{5, 5, 15, 15}}, {{5, 5, 10, 10}}},
      {"disjoint intersection", Op::Intersection, {{0, 0, 5, 5}}, {{5, 0, 10, 5}}, {}},
      {"empty operand", Op::Union, {}, {{1, 1, 2, 2}}, {{1, 1, 2, 2}}},
  };
  for (const AlgebraCase& c : cases) {
    const Region r = Apply(c.Operation, Region::FromRects(c.A), Region::FromRects(c.B));
    EXPECT_EQ(r.Rects(), c.Expected) << c.Name;
    EXPECT_EQ(r.IsEmpty(), c.Expected.empty()) << c.Name;
  }
}

TEST(RegionTest, EqualPixelSetsCompareEqualWhateverTheirConstruction) {
  const Rect a{0, 0, 6, 3}, b{0, 3, 6, 6};
  const Rects pieces{{0, 0, 3, 6}, {3, 0, 6, 6}, {2, 2, 4, 4}};
  EXPECT_EQ(Region::FromRects(Rects{a, b}), Region({0, 0, 6, 6}));
  EXPECT_EQ(Region::FromRects(Rects{b, a}), Region({0, 0, 6, 6}));
  EXPECT_EQ(Region::FromRects(pieces), Region({0, 0, 6, 6}));
  EXPECT_EQ(Region(a) | Region(b), Region::FromRuns(Rects{{0, 0, 6, 1}, {0, 1, 6, 6}}));
  EXPECT_NE(Region(a), Region(b));
  EXPECT_EQ(Region(Rect{5, 5, 5, 9}), Region());  // empty rectangle
}

TEST(RegionTest, PointTestsHonourExclusiveEdgesAndHoles) {
  const Region frame = Region({0, 0, 10, 10}) - Region({3, 3, 7, 7});
  struct {
    Point P;
    bool In;
  } cases[] = {{{0, 0}, true},   {{9, 9}, true},  {{10, 5}, false}, {{5, 10}, false},
               {{-1, 0}, false}, {{3, 3}, false}, {{6, 6}, false},  {{7, 5}, true},
               {{2, 5}, true},   {{5, 2}, true},  {{5, 7}, true},   {{100, 100}, false}};
  for (const auto& c : cases) EXPECT_EQ(frame.Contains(c.P), c.In) << c.P.X << "," << c.P.Y;
  EXPECT_TRUE(frame.Overlaps({2, 2, 4, 4}));
  EXPECT_FALSE(frame.Overlaps({3, 3, 7, 7}));
  EXPECT_TRUE(frame.ContainsRect({0, 0, 10, 3}));
  EXPECT_FALSE(frame.ContainsRect({0, 0, 10, 4}));
}

TEST(RegionTest, OffsetAndBoundingBox) {
  const Region r = Region::FromRects(Rects{{0, 0, 2, 2}, {5, 4, 8, 6}});
  EXPECT_EQ(r.BoundingBox(), (Rect{0, 0, 8, 6}));
  const Region moved = r.Offset(-3, 10);
  EXPECT_EQ(moved.Rects(), (Rects{{-3, 10, -1, 12}, {2, 14, 5, 16}}));
  EXPECT_EQ(moved.BoundingBox(), (Rect{-3, 10, 5, 16}));
  EXPECT_EQ(Region().BoundingBox(), Rect{});
}

// Random rectangle sets on a small grid: every operation must agree with the
// per-pixel truth table, and its result must already be canonical.
TEST(RegionTest, OperationsAgreeWithPixelTruthOnRandomSets) {
  std::mt19937 rng(12345);
  std::uniform_int_distribution<int> coord(0, 12);
  auto randomRects = [&] {
    Rects rs;
    const int n = 1 + static_cast<int>(rng() % 5);
    for (int i = 0; i < n; ++i) {
      int l = coord(rng), t = coord(rng), r = coord(rng), b = coord(rng);
      rs.push_back({std::min(l, r), std::min(t, b), std::max(l, r), std::max(t, b)});
    }
    return rs;
  };
  auto inRects = [](const Rects& rs, int x, int y) {
    for (const Rect& r : rs)
      if (r.Contains({x, y})) return true;
    return false;
  };
  for (int iter = 0; iter < 300; ++iter) {
    const Rects ra = randomRects(), rb = randomRects();
    const Region a = Region::FromRects(ra), b = Region::FromRects(rb);
    for (Op op : {Op::Union, Op::Difference, Op::Xor, Op::Intersection}) {
      const Region r = Apply(op, a, b);
      EXPECT_EQ(Region::FromRects(r.Rects()), r);  // canonical: rebuilding changes nothing
      for (int y = -1; y < 14; ++y)
        for (int x = -1; x < 14; ++x) {
          const bool ia = inRects(ra, x, y), ib = inRects(rb, x, y);
          const bool want = op == Op::Union        ? (ia || ib)
                            : op == Op::Difference ? (ia && !ib)
                            : op == Op::Xor        ? (ia != ib)
                                                   : (ia && ib);
          ASSERT_EQ(r.Contains(x, y), want)
              << "iteration " << iter << " op " << static_cast<int>(op) << " at " << x << "," << y;
        }
    }
  }
}

}  // namespace
}  // namespace gfx
