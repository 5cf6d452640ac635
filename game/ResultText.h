// The text of the result dialog's label: two lines split by a lone carriage
// return (code 13, no line feed).
#pragma once

#include <string>

#include "game/Unit_GameObjects.h"

namespace game {

// "Результат: <RoundCount>.\rУровень сложности: <DifficultyCaption>.", with
// "Победа! " in front when the game was won.
std::string ResultLabelText(const GameObjects& g);

}  // namespace game
