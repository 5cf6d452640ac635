#include "skin/paint/AlphaRow.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

namespace skin {
namespace {

// Source and destination rows with guard bytes on both sides, so that a
// kernel writing past its pixels shows.
struct Rows {
  static constexpr int kGuard = 40;
  std::vector<std::uint8_t> D, S;
  int Count;

  Rows(int count, std::mt19937& rng, int alphaMode) : Count(count) {
    D.resize(static_cast<std::size_t>(count * 3 + 2 * kGuard));
    S.resize(static_cast<std::size_t>(count * 4 + 2 * kGuard));
    for (auto& b : D) b = static_cast<std::uint8_t>(rng());
    for (auto& b : S) b = static_cast<std::uint8_t>(rng());
    for (int i = 0; i < count; ++i) {
      std::uint8_t& a = S[static_cast<std::size_t>(kGuard + 4 * i + 3)];
      if (alphaMode == 0) a = 0;
      if (alphaMode == 1) a = 255;
      if (alphaMode == 2 && i % 5 == 0) {  // holes among the pixels
        S[static_cast<std::size_t>(kGuard + 4 * i)] = 0xFF;
        S[static_cast<std::size_t>(kGuard + 4 * i + 1)] = 0;
        S[static_cast<std::size_t>(kGuard + 4 * i + 2)] = 0xFF;
        a = 0;
      }
    }
  }
  std::uint8_t* d() { return D.data() + kGuard; }
  const std::uint8_t* s() const { return S.data() + kGuard; }
};

// Every vector form this processor has, and the one MixAlphaRow picks.
TEST(AlphaRowTest, VectorRowsEqualTheScalarRow) {
  std::mt19937 rng(12345);
  const int keeps[] = {100, 50, 0, 1, 99, 70, 33};
  const char* modes[] = {"alpha 0", "alpha 255", "holes and mixed alpha", "mixed alpha"};
  for (AlphaRowKernel k : {AlphaRowKernel::Avx2, AlphaRowKernel::Avx512}) {
    if (!AlphaRowKernelAvailable(k)) continue;
    for (int count = 0; count <= 70; ++count)
      for (int keep : keeps)
        for (int mode = 0; mode < 4; ++mode) {
          Rows fast(count, rng, mode);
          Rows picked = fast, slow = fast;
          MixAlphaRowWith(k, fast.d(), fast.s(), count, keep);
          MixAlphaRow(picked.d(), picked.s(), count, keep);
          MixAlphaRowScalar(slow.d(), slow.s(), count, keep);
          ASSERT_EQ(fast.D, slow.D) << "kernel " << static_cast<int>(k) << " width " << count << " keep " << keep
                                    << " " << modes[mode];
          ASSERT_EQ(picked.D, slow.D) << "width " << count << " keep " << keep << " " << modes[mode];
        }
  }
}

TEST(AlphaRowTest, EveryAlphaAndKeepFollowsTheFormula) {
  // The reference itself: one row of 256 pixels, one per alpha value, over
  // varying destinations; checked against d := (d * 256 + (s - d) * w) >> 8, w = keep * A div 100.
  for (int keep = 0; keep <= 100; ++keep) {
    std::vector<std::uint8_t> d(256 * 3), s(256 * 4);
    for (int a = 0; a < 256; ++a) {
      for (int c = 0; c < 3; ++c) {
        d[static_cast<std::size_t>(3 * a + c)] = static_cast<std::uint8_t>(a * 7 + c * 85);
        s[static_cast<std::size_t>(4 * a + c)] = static_cast<std::uint8_t>(255 - a * 3 - c * 40);
      }
      s[static_cast<std::size_t>(4 * a + 3)] = static_cast<std::uint8_t>(a);
    }
    const std::vector<std::uint8_t> before = d;
    MixAlphaRowScalar(d.data(), s.data(), 256, keep);
    for (int a = 0; a < 256; ++a) {
      const int w = keep * a / 100;
      for (int c = 0; c < 3; ++c) {
        const int dc = before[static_cast<std::size_t>(3 * a + c)], sc = s[static_cast<std::size_t>(4 * a + c)];
        ASSERT_EQ(d[static_cast<std::size_t>(3 * a + c)], (dc * 256 + (sc - dc) * w) >> 8)
            << "keep " << keep << " alpha " << a << " channel " << c;
      }
    }
  }
}

}  // namespace
}  // namespace skin
