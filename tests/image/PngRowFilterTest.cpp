// The row filters against a plain reference, for every pixel distance and
// row length the reader meets, with bytes that exercise wrap-around.
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "image/PngRowFilter.h"

namespace {

int ReferencePaeth(int a, int b, int c) {
  const int p = a + b - c;
  const int pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
  if (pa <= pb && pa <= pc) return a;
  if (pb <= pc) return b;
  return c;
}

std::vector<std::uint8_t> Reference(int type, std::vector<std::uint8_t> row,
                                    const std::vector<std::uint8_t>& prior, std::size_t bpp) {
  for (std::size_t i = 0; i < row.size(); ++i) {
    const int a = i >= bpp ? row[i - bpp] : 0, b = prior[i], c = i >= bpp ? prior[i - bpp] : 0;
    int pred = 0;
    switch (type) {
      case 1: pred = a; break;
      case 2: pred = b; break;
      case 3: pred = (a + b) / 2; break;
      case 4: pred = ReferencePaeth(a, b, c); break;
      default: break;
    }
    row[i] = static_cast<std::uint8_t>(row[i] + pred);
  }
  return row;
}

TEST(PngRowFilter, MatchesTheReferenceForEveryTypeAndPixelDistance) {
  unsigned seed = 12345;
  auto next = [&seed] {
    seed = seed * 1103515245u + 12345u;
    const unsigned v = (seed >> 16) & 0xFF;
    // Many extremes, so that ties and overflow happen often.
    return static_cast<std::uint8_t>(v < 40 ? 0 : v > 215 ? 255 : v);
  };
  for (std::size_t bpp : {1u, 2u, 3u, 4u, 6u, 8u}) {
    for (std::size_t pixels : {1u, 2u, 7u, 64u}) {
      const std::size_t n = bpp * pixels;
      for (int type = 0; type <= 5; ++type) {
        for (int trial = 0; trial < 20; ++trial) {
          std::vector<std::uint8_t> row(n), prior(n);
          for (auto& v : row) v = next();
          for (auto& v : prior) v = next();
          std::vector<std::uint8_t> got = row;
          image::UnfilterRow(type, got.data(), prior.data(), n, bpp);
          ASSERT_EQ(got, Reference(type, row, prior, bpp)) << "type " << type << " bpp " << bpp << " n " << n;
        }
      }
    }
  }
}

}  // namespace
