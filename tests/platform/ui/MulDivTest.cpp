#include "platform/ui/MulDiv.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

struct Case {
  int a, b, c, want;
};

TEST(MulDiv, RoundsHalfAwayFromZeroWithA64BitProduct) {
  constexpr int kMax = std::numeric_limits<int>::max();
  constexpr int kMin = std::numeric_limits<int>::min();
  const Case cases[] = {
      {1, 53, 2, 27},          // 26.5 rounds up, not to the even 26
      {5, 1, 2, 3},            // 2.5 -> 3
      {3, 1, 2, 2},            // 1.5 -> 2
      {-1, 53, 2, -27},        // half away from zero on the negative side
      {1, -53, 2, -27},
      {1, 53, -2, -27},
      {-1, -53, -2, -27},
      {-5, 1, 2, -3},
      {14, 66, 20, 46},        // 46.2
      {10, 49, 19, 26},        // 25.79
      {7, 66, 7, 66},
      {0, 5, 3, 0},
      {kMax, kMax, kMax, kMax},  // the product needs 62 bits
      {65536, 65536, 65536, 65536},
      {kMin, 1, 1, kMin},
      {kMin, 1, -1, -1},       // 2^31 does not fit: overflow
      {kMax, 2, 1, -1},        // overflow
      {5, 7, 0, -1},           // zero divisor
      {0, 0, 0, -1},
  };
  for (const Case& t : cases)
    EXPECT_EQ(ui::MulDiv(t.a, t.b, t.c), t.want) << t.a << " * " << t.b << " / " << t.c;
}

TEST(MulDiv, UsableInConstantExpressions) { static_assert(ui::MulDiv(1, 53, 2) == 27); }

}  // namespace
