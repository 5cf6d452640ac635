#include "skin/paint/Round.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

namespace skin {
namespace {

TEST(RndTest, NearestWithTiesToEven) {
  struct C {
    double In;
    int Out;
  };
  const C cases[] = {
      {0.5, 0},     {1.5, 2},  {2.5, 2},        {127.5, 128},     {126.5, 126},      {254.5, 254},
      {255.5, 256}, {-0.5, 0}, {-1.5, -2},      {-2.5, -2},       {0.49, 0},         {0.51, 1},
      {-0.51, -1},  {3.0, 3},  {1e12, INT_MAX}, {-1e12, INT_MIN}, {std::nan(""), 0},
  };
  for (const auto& c : cases) EXPECT_EQ(Rnd(c.In), c.Out) << c.In;
}

TEST(RndDivTest, ExactQuotientWithTiesToEven) {
  struct C {
    long long Num, Den, Out;
  };
  const C cases[] = {
      {7650, 100, 76}, {7750, 100, 78}, {7651, 100, 77}, {7649, 100, 76}, {0, 100, 0},
      {-50, 100, 0},   {-150, 100, -2}, {-151, 100, -2}, {-149, 100, -1}, {5, 2, 2},
  };
  for (const auto& c : cases) EXPECT_EQ(RndDiv(c.Num, c.Den), c.Out) << c.Num << "/" << c.Den;
}

}  // namespace
}  // namespace skin
