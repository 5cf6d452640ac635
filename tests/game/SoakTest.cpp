// A long seeded run: 1,000 games with random correct and wrong clicks at
// random moments, new games at random moments and random answers to the
// result dialog, checking the game's state table after every event.
#include <gtest/gtest.h>

#include <random>

#include "GameFixture.h"

namespace game::testing {
namespace {

enum class Phase { NoGame, Wait, Gap, Lit, Turn };

const char* Name(Phase p) {
  switch (p) {
    case Phase::NoGame: return "no game";
    case Phase::Wait: return "wait";
    case Phase::Gap: return "show, gap";
    case Phase::Lit: return "show, lit";
    case Phase::Turn: return "player's turn";
  }
  return "?";
}

// What the game must be in, worked out from the events alone.
struct Expected {
  Phase phase = Phase::NoGame;
  int level = 0;
  int rounds = 0;
  int pos = 0;
  std::vector<int> shown;       // tiles lit in this round's show so far
  std::int64_t roundStart = 0;  // when the round's wait began
  int results = 0;              // result dialogs shown

  int Length() const { return rounds + kDifficultyLevels[static_cast<std::size_t>(level)].ExtraLength; }
  int T() const { return kDifficultyLevels[static_cast<std::size_t>(level)].T; }
  void NewRound(std::int64_t now) {
    phase = Phase::Wait;
    pos = 0;
    shown.clear();
    roundStart = now;
  }
};

// The observed state must be exactly one row of the state table, and the row
// the events lead to.
::testing::AssertionResult MatchesTable(const FakeBoard& board, const Expected& e) {
  const GameObjects& g = GameState();
  const auto fail = [&](const std::string& what) {
    return ::testing::AssertionFailure()
           << "at " << board.Now() << " ms, expected " << Name(e.phase) << ": " << what;
  };
  const bool wait = board.Timer(GameTimer::WaitStarting).on;
  const bool start = board.Timer(GameTimer::StartShow).on;
  const bool stop = board.Timer(GameTimer::StopShow).on;
  if (wait + start + stop > 1) return fail("more than one game timer on");
  Phase observed = wait ? Phase::Wait : start ? Phase::Gap : stop ? Phase::Lit : Phase::NoGame;
  if (observed == Phase::NoGame && g.InputAllowed) observed = Phase::Turn;
  if (observed != e.phase) return fail(std::string("state is ") + Name(observed));
  if (g.InputAllowed != (e.phase == Phase::Turn)) return fail("InputAllowed wrong");
  if (g.RoundCount != e.rounds) return fail("RoundCount " + std::to_string(g.RoundCount));
  if (g.SequencePos != e.pos) return fail("SequencePos " + std::to_string(g.SequencePos));
  if (board.ResultShownCount() != e.results) return fail("result dialog shown wrongly");

  const int litTile = e.phase == Phase::Lit ? e.shown.back() : 0;
  const std::string_view section = e.phase == Phase::Turn ? kSectionPlayerTurn : kSectionShow;
  for (int t = 1; t <= kTileCount; ++t) {
    const TileView& v = board.Tile(t);
    if (v.enabled != (e.phase != Phase::NoGame)) return fail("tile " + std::to_string(t) + " enabled wrong");
    if (v.image != (t == litTile ? kImageLit : kImageDark))
      return fail("tile " + std::to_string(t) + " image");
    if (v.section != section) return fail("tile " + std::to_string(t) + " section " + v.section);
  }
  if (e.phase == Phase::Lit && g.Sequence.Get(e.pos) != litTile) return fail("lit tile not stored");
  if (e.phase == Phase::NoGame) return ::testing::AssertionSuccess();
  if (board.Timer(GameTimer::WaitStarting).interval != 1000 ||
      board.Timer(GameTimer::StartShow).interval != e.T() ||
      board.Timer(GameTimer::StopShow).interval != 2 * e.T()) {
    return fail("timer intervals");
  }
  return ::testing::AssertionSuccess();
}

class Soak : public GameTest {
 protected:
  std::mt19937 rng{20261209};
  Expected e;
  int gamesStarted = 0;

  int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }
  bool Chance(double p) { return std::bernoulli_distribution(p)(rng); }

  // The new-game dialog's Start button.
  void StartNewGame() {
    e.level = Pick(3);
    ChooseLevel(board, kDifficultyLevels[static_cast<std::size_t>(e.level)]);
    StartGame(board);
    ++gamesStarted;
    e.rounds = 0;
    e.NewRound(board.Now());
  }

  void TimerEvent() {
    const Phase before = e.phase;
    const std::size_t litBefore = board.LitLog().size();
    ASSERT_TRUE(board.Step()) << "no timer in " << Name(before);
    switch (before) {
      case Phase::Wait:
        ASSERT_EQ(board.Now(), e.roundStart + 1000);
        e.phase = Phase::Gap;
        break;
      case Phase::Gap:
        ASSERT_EQ(board.LitLog().size(), litBefore + 1);
        e.shown.push_back(board.LitLog().back().tile);
        e.pos += 1;
        e.phase = Phase::Lit;
        break;
      case Phase::Lit:
        if (e.pos == e.Length()) {
          ASSERT_EQ(board.Now(), e.roundStart + 1000 + 3 * e.Length() * e.T());
          e.phase = Phase::Turn;
          e.pos = 0;
        } else {
          e.phase = Phase::Gap;
        }
        break;
      default: FAIL() << "a timer ran in " << Name(before);
    }
  }

  void Click() {
    if (e.phase != Phase::Turn) {
      const Snapshot before = Take(board);
      PlayerPress(board, 1 + Pick(kTileCount));
      ASSERT_EQ(Take(board), before) << "a click in " << Name(e.phase) << " changed something";
      return;
    }
    const int right = e.shown[static_cast<std::size_t>(e.pos)];
    if (Chance(0.97)) {
      PlayerPress(board, right);
      e.pos += 1;
      if (e.pos == e.Length()) {
        e.rounds += 1;
        e.NewRound(board.Now());
      }
      return;
    }
    // A wrong click; the "user" answers the result dialog in one of three ways.
    const int answer = Pick(3);
    int roundsShown = -1;
    board.OnResultDialog = [&] {
      roundsShown = GameState().RoundCount;
      if (answer == 0) StopGame(board);   // OK
      if (answer == 1) StartGame(board);  // try again, same level
      // answer 2: closed with the close box
    };
    PlayerPress(board, 1 + (right + Pick(kTileCount - 1)) % kTileCount);
    board.OnResultDialog = nullptr;
    ASSERT_EQ(roundsShown, e.rounds) << "the result must show the rounds completed";
    e.results += 1;
    if (answer == 1) {
      ++gamesStarted;
      e.rounds = 0;
      e.NewRound(board.Now());
    } else {
      e.phase = Phase::NoGame;
      e.pos += 1;  // the wrong click was counted before it was judged
    }
  }

  // Moves the clock to a random moment before the next timer event.
  void Wander() {
    std::int64_t until = board.Now() + 5000;
    for (const TimerView& v : board.Timers()) {
      if (v.on) until = std::min(until, v.due);
    }
    if (until > board.Now()) board.Advance(Pick(static_cast<int>(until - board.Now())));
  }
};

TEST_F(Soak, ThousandGamesKeepTheStateTable) {
  constexpr int kGames = 1000;
  long events = 0;
  while (gamesStarted < kGames || e.phase != Phase::NoGame) {
    if (e.phase == Phase::NoGame) {
      Wander();
      Click();
      if (!HasFatalFailure()) StartNewGame();
    } else if (gamesStarted < kGames && Chance(0.004)) {
      Wander();
      StartNewGame();
    } else if (e.phase == Phase::Turn || Chance(0.25)) {
      Wander();
      Click();
    } else {
      TimerEvent();
    }
    ++events;
    ASSERT_FALSE(HasFatalFailure()) << "after " << events << " events";
    ASSERT_TRUE(MatchesTable(board, e)) << "after " << events << " events";
  }
  EXPECT_GT(events, 80000);
}

}  // namespace
}  // namespace game::testing
