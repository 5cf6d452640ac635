// The game's procedures and the handlers of the main window's three game
// timers. Everything runs on the user-interface thread, one call at a time.
//
// A round: after StartGame or NextRound the tiles stay dark for 1000 ms
// (Timer_WaitStarting); then for each tile of the sequence a dark gap of T
// (Timer_StartShow) and the tile lit for 2T (Timer_StopShow). When the last
// tile goes dark the player's turn begins, without a time limit.
#pragma once

#include "game/GameBoard.h"

namespace game {

// Sets the image index of all six tiles, tile 1 first.
void SetAllTilesImage(GameBoard& board, int imageIndex);
// Sets the image index of one tile; a tile number outside 1..6 changes nothing.
void SetTileImage(GameBoard& board, int tile, int imageIndex);
// Look 0 (player's turn) gives all six tiles "SPEEDBUTTON", look 1 (show, wait,
// idle) gives them "WEBBUTTON"; any other number changes nothing.
void SetTilesLook(GameBoard& board, int look);
void SetTilesEnabled(GameBoard& board, bool enabled);

// Starts a new game with the level already chosen, in any state; a show in
// progress is abandoned. The random source is seeded anew for every game.
void StartGame(GameBoard& board);
// Ends the game: tiles dark, idle look, disabled; no timer runs. RoundCount,
// ExtraLength and DifficultyCaption stay for the result dialog and a restart.
void StopGame(GameBoard& board);
// Counts a completed round and starts the next one. When the next sequence
// would not fit the store, the game is won instead: it stops and the result
// dialog is shown.
void NextRound(GameBoard& board);
// A click on tile 1..6. Ignored unless it is the player's turn; a wrong tile
// ends the game and shows the result dialog; the last correct tile of the
// sequence completes the round.
void PlayerPress(GameBoard& board, int tile);

void Timer_WaitStartingTimer(GameBoard& board);
void Timer_StartShowTimer(GameBoard& board);
void Timer_StopShowTimer(GameBoard& board);

}  // namespace game
