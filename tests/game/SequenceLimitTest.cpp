// The sequence store holds 100 tiles: the game is won when the player has
// repeated a 100-tile sequence, and nothing is ever written past the store.
#include <gtest/gtest.h>

#include "GameFixture.h"
#include "game/ResultText.h"

namespace game::testing {
namespace {

TEST(TileSequenceTest, PositionsOutsideTheStoreAreNeitherReadNorWritten) {
  TileSequence s;
  EXPECT_TRUE(s.Set(1, 3));
  EXPECT_TRUE(s.Set(kSequenceSize, 6));
  EXPECT_FALSE(s.Set(0, 4));
  EXPECT_FALSE(s.Set(kSequenceSize + 1, 4));
  EXPECT_FALSE(s.Set(-1, 4));
  EXPECT_EQ(s.Get(1), 3);
  EXPECT_EQ(s.Get(kSequenceSize), 6);
  EXPECT_EQ(s.Get(0), 0);
  EXPECT_EQ(s.Get(kSequenceSize + 1), 0);
  for (int i = 2; i < kSequenceSize; ++i) EXPECT_EQ(s.Get(i), 0);
}

class SequenceLimitTest : public GameTest, public ::testing::WithParamInterface<int> {};

// Plays a whole game without a mistake, every level up to the longest
// sequence the store holds.
TEST_P(SequenceLimitTest, RepeatingThe100TileSequenceWinsTheGame) {
  const int extra = kDifficultyLevels[static_cast<std::size_t>(GetParam())].ExtraLength;
  NewGame(GetParam(), 2024);
  std::string resultText;
  board.OnResultDialog = [&] { resultText = ResultLabelText(GameState()); };
  for (int round = 0; round <= kSequenceSize - extra; ++round) {
    ASSERT_EQ(GameState().RoundCount, round);
    const std::vector<int> shown = WatchShow();
    ASSERT_EQ(static_cast<int>(shown.size()), round + extra);
    ASSERT_EQ(board.ResultShownCount(), 0);
    Repeat(shown);
  }
  const int rounds = kSequenceSize - extra + 1;
  EXPECT_EQ(board.ResultShownCount(), 1);
  EXPECT_TRUE(GameState().GameWon);
  EXPECT_EQ(GameState().RoundCount, rounds);
  EXPECT_FALSE(GameState().InputAllowed);
  EXPECT_FALSE(board.AnyTimerOn());
  for (const TileView& t : board.Tiles())
    EXPECT_EQ(t, (TileView{kImageDark, std::string(kSectionShow), false}));
  EXPECT_EQ(resultText, "Победа! Результат: " + std::to_string(rounds) + ".\rУровень сложности: " +
                            std::string(kDifficultyLevels[static_cast<std::size_t>(GetParam())].Caption) +
                            ".");

  // A new game is an ordinary game again.
  board.OnResultDialog = nullptr;
  NewGame(GetParam());
  EXPECT_FALSE(GameState().GameWon);
  EXPECT_EQ(ResultLabelText(GameState()).rfind("Результат: 0.", 0), 0u);
}

INSTANTIATE_TEST_SUITE_P(Levels, SequenceLimitTest, ::testing::Values(0, 1, 2));

// A first length beyond the store (no level has one) still shows at most
// 100 tiles and then hands over to the player.
TEST_F(GameTest, ShowStopsAtTheStoreEvenForAnOversizedLength) {
  NewGame(2);
  GameState().ExtraLength = 250;
  const std::vector<int> shown = WatchShow();
  EXPECT_EQ(static_cast<int>(shown.size()), kSequenceSize);
  EXPECT_EQ(GameState().SequencePos, 0);
  Repeat(shown);
  EXPECT_TRUE(GameState().GameWon);
  EXPECT_EQ(board.ResultShownCount(), 1);
}

}  // namespace
}  // namespace game::testing
