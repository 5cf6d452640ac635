#include "game/Unit_GameObjects.h"

namespace game {

std::int32_t TileSequence::Get(int pos) const {
  if (pos < 1 || pos > kSequenceSize) return 0;
  return tiles_[static_cast<std::size_t>(pos - 1)];
}

bool TileSequence::Set(int pos, std::int32_t tile) {
  if (pos < 1 || pos > kSequenceSize) return false;
  tiles_[static_cast<std::size_t>(pos - 1)] = tile;
  return true;
}

namespace {
GameObjects g_game;
}  // namespace

GameObjects& GameState() { return g_game; }

void ResetGameObjects() { g_game = GameObjects{}; }

}  // namespace game
