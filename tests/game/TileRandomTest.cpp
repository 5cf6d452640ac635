// The show's random source: uniform over six tiles, seeded anew per game.
#include <gtest/gtest.h>

#include <array>
#include <set>

#include "GameFixture.h"

namespace game::testing {
namespace {

TEST(TileRandomTest, EveryTileIsEquallyLikely) {
  TileRandom r;
  r.Seed(12345);
  constexpr int kDraws = 600000;
  std::array<int, 6> counts{};
  for (int i = 0; i < kDraws; ++i) {
    const int v = r.NextIndex();
    ASSERT_GE(v, 0);
    ASSERT_LE(v, 5);
    ++counts[static_cast<std::size_t>(v)];
  }
  // Chi-square with 5 degrees of freedom; 20.5 is the 0.1 % critical value.
  double chi2 = 0;
  for (int c : counts) chi2 += (c - kDraws / 6.0) * (c - kDraws / 6.0) / (kDraws / 6.0);
  EXPECT_LT(chi2, 20.5);
}

TEST(TileRandomTest, SameSeedSameTilesOtherSeedOtherTiles) {
  const auto draw = [](std::uint32_t seed) {
    TileRandom r;
    r.Seed(seed);
    std::vector<int> v;
    for (int i = 0; i < 32; ++i) v.push_back(r.NextIndex());
    return v;
  };
  EXPECT_EQ(draw(5), draw(5));
  EXPECT_NE(draw(5), draw(6));
}

TEST(TileRandomTest, ClockSeedsDifferFromCallToCall) {
  std::set<std::uint32_t> seeds;
  for (int i = 0; i < 100; ++i) seeds.insert(ClockSeed());
  EXPECT_EQ(seeds.size(), 100u);
}

TEST_F(GameTest, EveryGameIsSeededAnew) {
  std::uint32_t next = 40;
  int calls = 0;
  GameState().SeedSource = [&] {
    ++calls;
    return next;
  };
  ChooseLevel(board, kDifficultyLevels[2]);
  StartGame(board);
  const std::vector<int> first = WatchShow();
  StartGame(board);
  const std::vector<int> again = WatchShow();
  EXPECT_EQ(first, again) << "same seed, same show";
  next = 41;
  StartGame(board);
  EXPECT_NE(WatchShow(), first);
  EXPECT_EQ(calls, 3);
}

TEST_F(GameTest, EachRoundDrawsAFreshSequence) {
  // Over many rounds, a round's sequence is not always the previous one plus
  // a tile: the first tiles change too.
  NewGame(2, 3);
  int prefixChanged = 0;
  std::vector<int> previous = WatchShow();
  for (int round = 0; round < 20; ++round) {
    Repeat(previous);
    const std::vector<int> shown = WatchShow();
    if (!std::equal(previous.begin(), previous.end(), shown.begin())) ++prefixChanged;
    previous = shown;
  }
  EXPECT_GT(prefixChanged, 15);
}

}  // namespace
}  // namespace game::testing
