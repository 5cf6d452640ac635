#include "game/Unit_StatusGame.h"

#include <algorithm>

#include "game/Unit_GameObjects.h"

namespace game {

namespace {

// Number of tiles in the current round's sequence, bounded by the store. With
// the levels' lengths the bound never cuts a round short: the game is won
// before a sequence would grow beyond it.
int SequenceLength(const GameObjects& g) { return std::min(g.RoundCount + g.ExtraLength, kSequenceSize); }

}  // namespace

void SetAllTilesImage(GameBoard& board, int imageIndex) {
  for (int tile = 1; tile <= kTileCount; ++tile) board.SetTileImageIndex(tile, imageIndex);
}

void SetTileImage(GameBoard& board, int tile, int imageIndex) {
  if (tile < 1 || tile > kTileCount) return;
  board.SetTileImageIndex(tile, imageIndex);
}

void SetTilesLook(GameBoard& board, int look) {
  std::string_view section;
  if (look == kLookPlayerTurn) {
    section = kSectionPlayerTurn;
  } else if (look == kLookShow) {
    section = kSectionShow;
  } else {
    return;
  }
  for (int tile = 1; tile <= kTileCount; ++tile) board.SetTileSkinSection(tile, section);
}

void SetTilesEnabled(GameBoard& board, bool enabled) {
  for (int tile = 1; tile <= kTileCount; ++tile) board.SetTileEnabled(tile, enabled);
}

void StartGame(GameBoard& board) {
  GameObjects& g = GameState();
  g.Random.Seed(g.SeedSource());
  SetAllTilesImage(board, kImageDark);
  SetTilesLook(board, kLookShow);
  SetTilesEnabled(board, true);
  g.RoundCount = 0;
  g.SequencePos = 0;
  g.InputAllowed = false;
  g.GameWon = false;
  board.SetTimerEnabled(GameTimer::WaitStarting, true);
  board.SetTimerEnabled(GameTimer::StartShow, false);
  board.SetTimerEnabled(GameTimer::StopShow, false);
}

void StopGame(GameBoard& board) {
  GameObjects& g = GameState();
  SetAllTilesImage(board, kImageDark);
  SetTilesLook(board, kLookShow);
  SetTilesEnabled(board, false);
  g.InputAllowed = false;
  board.SetTimerEnabled(GameTimer::WaitStarting, false);
  board.SetTimerEnabled(GameTimer::StartShow, false);
  board.SetTimerEnabled(GameTimer::StopShow, false);
}

void NextRound(GameBoard& board) {
  GameObjects& g = GameState();
  SetAllTilesImage(board, kImageDark);
  SetTilesLook(board, kLookShow);
  g.RoundCount += 1;
  g.SequencePos = 0;
  g.InputAllowed = false;
  if (g.RoundCount + g.ExtraLength > kSequenceSize) {
    // The player has repeated the longest sequence there is: the game is won.
    StopGame(board);
    g.GameWon = true;
    board.ShowResultDialog();
    return;
  }
  board.SetTimerEnabled(GameTimer::WaitStarting, true);
  board.SetTimerEnabled(GameTimer::StartShow, false);
  board.SetTimerEnabled(GameTimer::StopShow, false);
}

void PlayerPress(GameBoard& board, int tile) {
  GameObjects& g = GameState();
  if (!g.InputAllowed) return;
  g.SequencePos += 1;
  if (tile != g.Sequence.Get(g.SequencePos)) {
    StopGame(board);
    board.ShowResultDialog();
    return;
  }
  // ">=" rather than "=": the turn can never run past the sequence.
  if (g.SequencePos >= SequenceLength(g)) NextRound(board);
}

void Timer_WaitStartingTimer(GameBoard& board) {
  board.SetTimerEnabled(GameTimer::WaitStarting, false);
  board.SetTimerEnabled(GameTimer::StartShow, true);
}

void Timer_StartShowTimer(GameBoard& board) {
  GameObjects& g = GameState();
  SetAllTilesImage(board, kImageDark);
  SetTilesLook(board, kLookShow);
  const int tile = g.Random.NextIndex() + 1;
  SetTileImage(board, tile, kImageLit);
  board.SetTimerEnabled(GameTimer::StartShow, false);
  board.SetTimerEnabled(GameTimer::StopShow, true);
  g.SequencePos += 1;
  g.Sequence.Set(g.SequencePos, tile);
}

void Timer_StopShowTimer(GameBoard& board) {
  GameObjects& g = GameState();
  SetAllTilesImage(board, kImageDark);
  board.SetTimerEnabled(GameTimer::StopShow, false);
  // ">=" rather than "=": the show can never run past the store.
  if (g.SequencePos >= SequenceLength(g)) {
    board.SetTimerEnabled(GameTimer::StartShow, false);
    g.InputAllowed = true;
    SetTilesLook(board, kLookPlayerTurn);
    g.SequencePos = 0;
  } else {
    board.SetTimerEnabled(GameTimer::StartShow, true);
  }
}

}  // namespace game
