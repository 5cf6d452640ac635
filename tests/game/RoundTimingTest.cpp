// The pace of a round: 1000 ms wait, then per tile a dark gap of T and T*2
// lit; the player's turn starts when the last tile goes dark.
#include <gtest/gtest.h>

#include "GameFixture.h"

namespace game::testing {
namespace {

// The lit tile, or 0 when all are dark; fails when more than one is lit.
int LitTile(const FakeBoard& board) {
  int lit = 0;
  for (int t = 1; t <= kTileCount; ++t) {
    if (board.Tile(t).image == kImageLit) {
      EXPECT_EQ(lit, 0) << "two tiles lit at " << board.Now();
      lit = t;
    }
  }
  return lit;
}

class RoundTimingTest : public GameTest, public ::testing::WithParamInterface<int> {
 protected:
  // Checks one round of `n` tiles from its start at the current time, to the
  // millisecond, and returns the tiles shown.
  std::vector<int> CheckRound(int n, int T) {
    const std::int64_t start = board.Now();
    std::vector<int> shown;
    for (int k = 1; k <= n; ++k) {
      const std::int64_t litAt = start + 1000 + (3 * k - 2) * T;
      const std::int64_t darkAt = start + 1000 + 3 * k * T;
      board.Advance(litAt - 1 - board.Now());
      EXPECT_EQ(LitTile(board), 0) << "tile " << k << " lit early";
      board.Advance(1);
      const int tile = LitTile(board);
      EXPECT_NE(tile, 0) << "tile " << k << " not lit at " << litAt - start;
      shown.push_back(tile);
      board.Advance(darkAt - 1 - board.Now());
      EXPECT_EQ(LitTile(board), tile) << "tile " << k << " went dark early";
      EXPECT_FALSE(GameState().InputAllowed);
      board.Advance(1);
      EXPECT_EQ(LitTile(board), 0) << "tile " << k << " still lit";
    }
    // The last darkening starts the player's turn at once.
    EXPECT_EQ(board.Now(), start + 1000 + 3 * n * T);
    EXPECT_TRUE(GameState().InputAllowed);
    EXPECT_EQ(board.Tile(1).section, kSectionPlayerTurn);
    EXPECT_FALSE(board.AnyTimerOn());
    EXPECT_EQ(GameState().SequencePos, 0);
    // Nothing more happens without the player, however long they take.
    board.Advance(600000);
    EXPECT_TRUE(GameState().InputAllowed);
    EXPECT_EQ(LitTile(board), 0);
    return shown;
  }
};

TEST_P(RoundTimingTest, FirstTwoRoundsLastExactly1000Plus3nT) {
  const DifficultyLevel& level = kDifficultyLevels[static_cast<std::size_t>(GetParam())];
  board.Advance(12345);  // start away from zero so that absolute times would show
  NewGame(GetParam(), 7);
  EXPECT_EQ(board.Timer(GameTimer::StartShow).interval, level.T);
  EXPECT_EQ(board.Timer(GameTimer::StopShow).interval, 2 * level.T);
  EXPECT_EQ(board.Timer(GameTimer::WaitStarting).interval, 1000);

  const std::vector<int> first = CheckRound(level.ExtraLength, level.T);
  ASSERT_EQ(static_cast<int>(first.size()), level.ExtraLength);
  for (int i = 0; i < level.ExtraLength; ++i) EXPECT_EQ(GameState().Sequence.Get(i + 1), first[i]);

  Repeat(first);
  EXPECT_EQ(GameState().RoundCount, 1);
  const std::vector<int> second = CheckRound(level.ExtraLength + 1, level.T);
  EXPECT_EQ(static_cast<int>(second.size()), level.ExtraLength + 1);
  Repeat(second);
  EXPECT_EQ(GameState().RoundCount, 2);
}

std::string LevelName(const ::testing::TestParamInfo<int>& info) {
  static const char* const kNames[] = {"Easy400ms", "Medium200ms", "Unreal100ms"};
  return kNames[info.param];
}

INSTANTIATE_TEST_SUITE_P(Levels, RoundTimingTest, ::testing::Values(0, 1, 2), LevelName);

TEST(DifficultyLevelsTest, CaptionsIntervalsAndFirstLengths) {
  ASSERT_EQ(kDifficultyLevels.size(), 3u);
  EXPECT_EQ(kDifficultyLevels[0].Caption, "Лёгкий");
  EXPECT_EQ(kDifficultyLevels[1].Caption, "Средний");
  EXPECT_EQ(kDifficultyLevels[2].Caption, "Нереальный");
  EXPECT_EQ(kDifficultyLevels[0].T, 400);
  EXPECT_EQ(kDifficultyLevels[1].T, 200);
  EXPECT_EQ(kDifficultyLevels[2].T, 100);
  EXPECT_EQ(kDifficultyLevels[0].ExtraLength, 2);
  EXPECT_EQ(kDifficultyLevels[1].ExtraLength, 3);
  EXPECT_EQ(kDifficultyLevels[2].ExtraLength, 5);
}

TEST_F(GameTest, StartingAGameLeavesTheLevelsSettingsAndWaits) {
  NewGame(1);
  const GameObjects& g = GameState();
  EXPECT_EQ(g.DifficultyCaption, "Средний");
  EXPECT_EQ(g.ExtraLength, 3);
  EXPECT_EQ(g.RoundCount, 0);
  EXPECT_FALSE(g.InputAllowed);
  for (const TileView& t : board.Tiles())
    EXPECT_EQ(t, (TileView{kImageDark, std::string(kSectionShow), true}));
  EXPECT_TRUE(board.Timer(GameTimer::WaitStarting).on);
  EXPECT_EQ(board.Timer(GameTimer::WaitStarting).due, board.Now() + 1000);
  EXPECT_FALSE(board.Timer(GameTimer::StartShow).on);
  EXPECT_FALSE(board.Timer(GameTimer::StopShow).on);
}

}  // namespace
}  // namespace game::testing
