// The global state of the game: one game at a time, for the whole run.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "game/TileRandom.h"

namespace game {

// The longest sequence the store holds.
constexpr int kSequenceSize = 100;

// The tiles of the current round's sequence, positions 1..kSequenceSize.
class TileSequence {
 public:
  // The tile at `pos`; 0 for a position outside the store.
  std::int32_t Get(int pos) const;
  // Stores `tile` at `pos`; a position outside the store is not written and
  // gives false.
  bool Set(int pos, std::int32_t tile);
  void Clear() { tiles_.fill(0); }

 private:
  std::array<std::int32_t, kSequenceSize> tiles_{};
};

struct GameObjects {
  // Rounds completed in the current game.
  std::int32_t RoundCount = 0;
  // Length of the first sequence of the chosen level; a round's sequence has
  // RoundCount + ExtraLength tiles.
  std::int32_t ExtraLength = 0;
  // During the show: tiles lit so far. During the player's turn: correct clicks so far.
  std::int32_t SequencePos = 0;
  TileSequence Sequence;
  // True only during the player's turn.
  bool InputAllowed = false;
  // Caption of the chosen difficulty level, shown in the result dialog.
  std::string DifficultyCaption;
  // The last game ended because the player repeated the longest sequence
  // the store holds: there is no longer round to play.
  bool GameWon = false;

  TileRandom Random;
  // Where each new game takes its seed from; tests replace it.
  std::function<std::uint32_t()> SeedSource = ClockSeed;
};

// The one instance of the process.
GameObjects& GameState();
// Back to the state at program start (for tests).
void ResetGameObjects();

}  // namespace game
