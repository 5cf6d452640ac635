// The three difficulty levels: the show's pace and the first sequence's length.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "game/GameBoard.h"

namespace game {

struct DifficultyLevel {
  std::string_view Caption;
  // Interval of Timer_StartShow (the dark gap); Timer_StopShow (lit) runs 2T.
  int T;
  std::int32_t ExtraLength;
};

inline constexpr std::array<DifficultyLevel, 3> kDifficultyLevels{{
    {"Лёгкий", 400, 2},
    {"Средний", 200, 3},
    {"Нереальный", 100, 5},
}};

// Makes `level` the level of the next game: its caption, its first sequence
// length and the two show timers' intervals (T and 2T). Call StartGame next.
void ChooseLevel(GameBoard& board, const DifficultyLevel& level);

}  // namespace game
