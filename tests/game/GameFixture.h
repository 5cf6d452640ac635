// Shared set-up of the game's tests: a fresh game state, a fake main window,
// and helpers to start games, watch shows and repeat sequences.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "FakeBoard.h"
#include "game/DifficultyLevels.h"
#include "game/Unit_GameObjects.h"
#include "game/Unit_StatusGame.h"

namespace game::testing {

// Everything a click could change, for "this changed nothing" checks.
struct Snapshot {
  std::int32_t RoundCount, ExtraLength, SequencePos;
  std::array<std::int32_t, kSequenceSize> Sequence;
  bool InputAllowed, GameWon;
  std::string DifficultyCaption;
  TileRandom Random;
  std::array<TileView, kTileCount> Tiles;
  std::array<TimerView, 3> Timers;
  int ResultShown;
  friend bool operator==(const Snapshot&, const Snapshot&) = default;
};

inline Snapshot Take(const FakeBoard& board) {
  const GameObjects& g = GameState();
  Snapshot s{g.RoundCount,   g.ExtraLength,  g.SequencePos,           {},
             g.InputAllowed, g.GameWon,      g.DifficultyCaption,     g.Random,
             board.Tiles(),  board.Timers(), board.ResultShownCount()};
  for (int i = 1; i <= kSequenceSize; ++i) s.Sequence[static_cast<std::size_t>(i - 1)] = g.Sequence.Get(i);
  return s;
}

class GameTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetGameObjects(); }
  void TearDown() override { ResetGameObjects(); }

  // What the new-game dialog's Start button does, with a fixed seed.
  void NewGame(int level, std::uint32_t seed = 1) {
    GameState().SeedSource = [seed] { return seed; };
    ChooseLevel(board, kDifficultyLevels.at(static_cast<std::size_t>(level)));
    StartGame(board);
  }

  // Runs the clock to the player's turn; returns the tiles lit meanwhile.
  std::vector<int> WatchShow() {
    board.ClearLitLog();
    EXPECT_TRUE(board.RunUntil([] { return GameState().InputAllowed; }));
    std::vector<int> shown;
    for (const LitEvent& e : board.LitLog()) shown.push_back(e.tile);
    return shown;
  }

  void Repeat(const std::vector<int>& tiles) {
    for (int t : tiles) PlayerPress(board, t);
  }

  // A tile other than `tile`.
  static int Other(int tile) { return tile % kTileCount + 1; }

  FakeBoard board;
};

}  // namespace game::testing
