#include "game/DifficultyLevels.h"

#include "game/Unit_GameObjects.h"

namespace game {

void ChooseLevel(GameBoard& board, const DifficultyLevel& level) {
  GameObjects& g = GameState();
  g.DifficultyCaption = std::string(level.Caption);
  g.ExtraLength = level.ExtraLength;
  board.SetTimerInterval(GameTimer::StartShow, level.T);
  board.SetTimerInterval(GameTimer::StopShow, 2 * level.T);
}

}  // namespace game
