// Judging the player's clicks: wrong tiles, the last tile, repeated tiles,
// and clicks outside the player's turn.
#include <gtest/gtest.h>

#include "GameFixture.h"
#include "game/ResultText.h"

namespace game::testing {
namespace {

// The state of "No game": idle tiles, disabled, nothing running.
void ExpectNoGame(const FakeBoard& board) {
  EXPECT_FALSE(GameState().InputAllowed);
  EXPECT_FALSE(board.AnyTimerOn());
  for (const TileView& t : board.Tiles())
    EXPECT_EQ(t, (TileView{kImageDark, std::string(kSectionShow), false}));
}

TEST_F(GameTest, ClicksBeforeAnyGameChangeNothing) {
  const Snapshot before = Take(board);
  for (int t = 1; t <= kTileCount; ++t) PlayerPress(board, t);
  EXPECT_EQ(Take(board), before);
}

TEST_F(GameTest, WrongClickOnFirstRoundEndsWithResultZero) {
  NewGame(0);
  const std::vector<int> shown = WatchShow();
  int resultRoundCount = -1;
  board.OnResultDialog = [&] { resultRoundCount = GameState().RoundCount; };
  PlayerPress(board, Other(shown[0]));
  EXPECT_EQ(board.ResultShownCount(), 1);
  EXPECT_EQ(resultRoundCount, 0);
  ExpectNoGame(board);
  EXPECT_EQ(ResultLabelText(GameState()), "Результат: 0.\rУровень сложности: Лёгкий.");
  // Level and caption stay for "try again".
  EXPECT_EQ(GameState().ExtraLength, 2);
  EXPECT_EQ(GameState().DifficultyCaption, "Лёгкий");
}

TEST_F(GameTest, WrongClickOnLastTileCountsNoRound) {
  NewGame(0);
  Repeat(WatchShow());
  ASSERT_EQ(GameState().RoundCount, 1);
  std::vector<int> shown = WatchShow();
  ASSERT_EQ(shown.size(), 3u);
  shown.back() = Other(shown.back());
  Repeat(shown);
  EXPECT_EQ(GameState().RoundCount, 1);
  EXPECT_EQ(board.ResultShownCount(), 1);
  ExpectNoGame(board);
  // No further round starts, however long we wait.
  board.Advance(3600000);
  ExpectNoGame(board);
  EXPECT_EQ(GameState().RoundCount, 1);
}

TEST_F(GameTest, CorrectClicksCountUpAndTheLastOneStartsTheNextRound) {
  NewGame(2);
  const std::vector<int> shown = WatchShow();
  ASSERT_EQ(shown.size(), 5u);
  for (int i = 0; i < 4; ++i) {
    PlayerPress(board, shown[static_cast<std::size_t>(i)]);
    EXPECT_EQ(GameState().SequencePos, i + 1);
    EXPECT_TRUE(GameState().InputAllowed);
    EXPECT_EQ(GameState().RoundCount, 0);
  }
  const std::int64_t clickTime = board.Now();
  PlayerPress(board, shown[4]);
  EXPECT_EQ(GameState().RoundCount, 1);
  EXPECT_EQ(GameState().SequencePos, 0);
  EXPECT_FALSE(GameState().InputAllowed);
  EXPECT_EQ(board.Timer(GameTimer::WaitStarting).due, clickTime + 1000);
  for (const TileView& t : board.Tiles())
    EXPECT_EQ(t, (TileView{kImageDark, std::string(kSectionShow), true}));
  EXPECT_EQ(board.ResultShownCount(), 0);
}

// A seed whose first two tiles are the same.
std::uint32_t SeedWithRepeatedFirstTile() {
  for (std::uint32_t seed = 1;; ++seed) {
    TileRandom r;
    r.Seed(seed);
    if (r.NextIndex() == r.NextIndex()) return seed;
  }
}

TEST_F(GameTest, SameTileTwiceInARowIsShownTwiceAndMustBeClickedTwice) {
  NewGame(0, SeedWithRepeatedFirstTile());
  const int T = 400;
  board.Advance(1000 + T);
  const std::vector<LitEvent>& log = board.LitLog();
  ASSERT_EQ(log.size(), 1u);
  const int tile = log[0].tile;
  board.Advance(2 * T);  // first lighting over: a dark gap of T follows
  for (const TileView& t : board.Tiles()) EXPECT_EQ(t.image, kImageDark);
  board.Advance(T - 1);
  EXPECT_EQ(board.Tile(tile).image, kImageDark);
  board.Advance(1);
  EXPECT_EQ(board.Tile(tile).image, kImageLit);
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(log[1].tile, tile);

  board.RunUntil([] { return GameState().InputAllowed; });
  PlayerPress(board, tile);
  EXPECT_EQ(GameState().RoundCount, 0) << "one click must not repeat two tiles";
  EXPECT_TRUE(GameState().InputAllowed);
  PlayerPress(board, tile);
  EXPECT_EQ(GameState().RoundCount, 1);
}

TEST_F(GameTest, ClicksDuringWaitAndShowChangeNothing) {
  NewGame(1);
  // Click every tile at every 25 ms of the wait and the show, also exactly at
  // the moments a tile lights and darkens, then compare everything.
  while (!GameState().InputAllowed) {
    const Snapshot before = Take(board);
    for (int t = 1; t <= kTileCount; ++t) PlayerPress(board, t);
    ASSERT_EQ(Take(board), before) << "at " << board.Now();
    const std::int64_t next = std::min(board.Now() + 25, [&] {
      std::int64_t due = INT64_MAX;
      for (const TimerView& v : board.Timers()) {
        if (v.on) due = std::min(due, v.due);
      }
      return due;
    }());
    board.Advance(next - board.Now());
  }
}

TEST_F(GameTest, NewGameDuringShowAbandonsIt) {
  NewGame(0);
  Repeat(WatchShow());
  ASSERT_EQ(GameState().RoundCount, 1);
  board.Advance(1000 + 400 + 100);  // the first tile of round 2 is lit
  ASSERT_TRUE(board.Timer(GameTimer::StopShow).on);
  ASSERT_EQ(GameState().SequencePos, 1);

  const std::int64_t restart = board.Now();
  NewGame(2, 99);
  EXPECT_EQ(GameState().RoundCount, 0);
  EXPECT_EQ(GameState().SequencePos, 0);
  for (const TileView& t : board.Tiles())
    EXPECT_EQ(t, (TileView{kImageDark, std::string(kSectionShow), true}));
  EXPECT_TRUE(board.Timer(GameTimer::WaitStarting).on);
  EXPECT_FALSE(board.Timer(GameTimer::StartShow).on);
  EXPECT_FALSE(board.Timer(GameTimer::StopShow).on);

  const std::vector<int> shown = WatchShow();
  EXPECT_EQ(shown.size(), 5u);
  EXPECT_EQ(board.Now(), restart + 1000 + 3 * 5 * 100);
}

TEST_F(GameTest, NewGameDuringWaitStartsAFreshWait) {
  NewGame(0);
  board.Advance(700);
  const std::int64_t restart = board.Now();
  NewGame(0);
  board.Advance(999);
  EXPECT_FALSE(board.Timer(GameTimer::StartShow).on) << "the old wait must not carry over";
  board.Advance(1);
  EXPECT_TRUE(board.Timer(GameTimer::StartShow).on);
  EXPECT_EQ(board.Now(), restart + 1000);
}

TEST_F(GameTest, NewGameDuringPlayersTurnEndsTheTurn) {
  NewGame(0);
  const std::vector<int> shown = WatchShow();
  PlayerPress(board, shown[0]);
  NewGame(0);
  const Snapshot before = Take(board);
  PlayerPress(board, shown[1]);
  EXPECT_EQ(Take(board), before);
}

// The result dialog is modal: its buttons run while PlayerPress waits for it.
TEST_F(GameTest, ResultDialogButtonsRunInsideTheWrongClick) {
  struct Case {
    const char* name;
    bool restart;
  };
  for (const Case& c : {Case{"OK", false}, Case{"Try again", true}}) {
    SCOPED_TRACE(c.name);
    ResetGameObjects();
    board = FakeBoard{};
    NewGame(1);
    Repeat(WatchShow());
    const std::vector<int> shown = WatchShow();
    board.OnResultDialog = [&] {
      EXPECT_EQ(ResultLabelText(GameState()), "Результат: 1.\rУровень сложности: Средний.");
      if (c.restart) {
        StartGame(board);
      } else {
        StopGame(board);
      }
    };
    PlayerPress(board, Other(shown[0]));
    EXPECT_EQ(board.ResultShownCount(), 1);
    EXPECT_EQ(GameState().RoundCount, c.restart ? 0 : 1);
    EXPECT_EQ(board.Timer(GameTimer::WaitStarting).on, c.restart);
    EXPECT_EQ(board.Tile(1).enabled, c.restart);
    if (c.restart) {
      // Same level: the first round shows three tiles.
      board.OnResultDialog = nullptr;
      EXPECT_EQ(WatchShow().size(), 3u);
    }
  }
}

TEST_F(GameTest, TileOperationsTouchTheRightTiles) {
  SetAllTilesImage(board, kImageLit);
  for (const TileView& t : board.Tiles()) EXPECT_EQ(t.image, kImageLit);
  SetAllTilesImage(board, kImageDark);
  SetTileImage(board, 0, kImageLit);
  SetTileImage(board, 7, kImageLit);
  for (const TileView& t : board.Tiles()) EXPECT_EQ(t.image, kImageDark);
  SetTileImage(board, 6, kImageLit);
  EXPECT_EQ(board.Tile(6).image, kImageLit);
  EXPECT_EQ(board.Tile(5).image, kImageDark);

  SetTilesLook(board, 0);
  for (const TileView& t : board.Tiles()) EXPECT_EQ(t.section, "SPEEDBUTTON");
  SetTilesLook(board, 2);
  for (const TileView& t : board.Tiles()) EXPECT_EQ(t.section, "SPEEDBUTTON");
  SetTilesLook(board, 1);
  for (const TileView& t : board.Tiles()) EXPECT_EQ(t.section, "WEBBUTTON");

  SetTilesEnabled(board, true);
  for (const TileView& t : board.Tiles()) EXPECT_TRUE(t.enabled);
  SetTilesEnabled(board, false);
  for (const TileView& t : board.Tiles()) EXPECT_FALSE(t.enabled);
}

}  // namespace
}  // namespace game::testing
