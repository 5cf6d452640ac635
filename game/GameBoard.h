// What the game needs of its main window: the six tiles, the three game
// timers and the result dialog. The main window implements it; tests use a
// fake with a virtual clock.
#pragma once

#include <string_view>

namespace game {

// Tile numbers run 1..6: 1, 2, 3 the top row left to right, 4, 5, 6 the bottom row.
constexpr int kTileCount = 6;

// Image indexes of a tile's picture list.
constexpr int kImageDark = 0;
constexpr int kImageLit = 1;

// Tile looks and the skin sections they stand for.
constexpr int kLookPlayerTurn = 0;
constexpr int kLookShow = 1;
constexpr std::string_view kSectionPlayerTurn = "SPEEDBUTTON";
constexpr std::string_view kSectionShow = "WEBBUTTON";

enum class GameTimer { WaitStarting, StartShow, StopShow };

// `Timer_WaitStarting` keeps this interval for every level.
constexpr int kWaitStartingInterval = 1000;

class GameBoard {
 public:
  virtual ~GameBoard() = default;

  // `tile` is always 1..6.
  virtual void SetTileImageIndex(int tile, int imageIndex) = 0;
  virtual void SetTileSkinSection(int tile, std::string_view section) = 0;
  virtual void SetTileEnabled(int tile, bool enabled) = 0;

  // A timer fires every `interval` ms while on, until switched off. Switching
  // a timer on, also when it is on already, starts its interval afresh;
  // changing the interval of a running timer does so too.
  virtual void SetTimerEnabled(GameTimer timer, bool on) = 0;
  virtual void SetTimerInterval(GameTimer timer, int milliseconds) = 0;

  // Shows the result dialog modally; returns when it is closed. The dialog's
  // buttons may call StartGame or StopGame meanwhile.
  virtual void ShowResultDialog() = 0;
};

}  // namespace game
