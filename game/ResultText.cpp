#include "game/ResultText.h"

namespace game {

std::string ResultLabelText(const GameObjects& g) {
  std::string text = g.GameWon ? "Победа! " : "";
  text += "Результат: " + std::to_string(g.RoundCount) + ".";
  text += '\r';
  text += "Уровень сложности: " + g.DifficultyCaption + ".";
  return text;
}

}  // namespace game
