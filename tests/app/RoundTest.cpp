// Rounds played through the real main window: the pace of the show per
// level, the first lengths, and which clicks count.
#include "tests/app/AppFixture.h"

namespace app::test {
namespace {

class RoundTest : public AppFixture {};

TEST_F(RoundTest, AtStartTheTilesAreDisabledDarkAndIgnoreClicks) {
  for (const auto* t : w().Main->Tiles) {
    EXPECT_FALSE(t->Enabled());
    EXPECT_EQ(t->ImageIndex(), game::kImageDark);
    EXPECT_EQ(t->SkinData().SkinSection(), "WEBBUTTON");
  }
  EXPECT_EQ(g().ExtraLength, 1);
  ClickTileNow(1);
  EXPECT_EQ(g().SequencePos, 0);
  EXPECT_FALSE(w().Result->Visible());
  EXPECT_EQ(w().Main->sStatusBar->Caption(), "");
}

// Each level: the first sequence's length, each tile lit from 1000 + 3kT + T
// to 1000 + 3kT + 3T, and the player's turn at exactly 1000 + 3nT.
TEST_F(RoundTest, FirstRoundPaceAndLengthPerLevel) {
  for (int level = 0; level < 3; ++level) {
    SCOPED_TRACE(level);
    const auto& lv = game::kDifficultyLevels[static_cast<std::size_t>(level)];
    const std::int64_t t0 = StartGame(level);
    ASSERT_GE(t0, 0);
    EXPECT_EQ(g().DifficultyCaption, lv.Caption);
    const int n = lv.ExtraLength;
    const std::int64_t T = lv.T;
    for (int k = 0; k < n; ++k) {
      const std::int64_t lit = t0 + 1000 + 3 * k * T + T;
      RunUntilTime(lit - 1);
      EXPECT_EQ(LitTiles(), 0) << "tile " << k << " too early";
      EXPECT_EQ(g().SequencePos, k);
      RunUntilTime(lit);
      EXPECT_EQ(LitTiles(), 1) << "tile " << k << " not lit on time";
      RunUntilTime(lit + 2 * T - 1);
      EXPECT_EQ(LitTiles(), 1) << "tile " << k << " darkened early";
    }
    const std::int64_t turn = t0 + 1000 + 3 * n * T;
    RunUntilTime(turn - 1);
    EXPECT_FALSE(g().InputAllowed);
    RunUntilTime(turn);
    EXPECT_TRUE(g().InputAllowed);
    EXPECT_EQ(LitTiles(), 0);
    for (const auto* t : w().Main->Tiles) EXPECT_EQ(t->SkinData().SkinSection(), "SPEEDBUTTON");
    for (int i = 1; i <= n; ++i) EXPECT_NE(g().Sequence.Get(i), 0);
    EXPECT_EQ(g().Sequence.Get(n + 1), 0) << "the first round shows " << n << " tiles";
    game::ResetGameObjects();
  }
}

TEST_F(RoundTest, CorrectRoundsGrowByOneAndStartAfterAFreshWait) {
  StartGame(0);
  for (int round = 0; round < 2; ++round) {
    RunUntilPlayersTurn();
    const int n = 2 + round;
    EXPECT_EQ(g().RoundCount, round);
    for (int i = 0; i < n; ++i) ClickTileNow(GameDriver::NextCorrectTile());
    EXPECT_EQ(g().RoundCount, round + 1);
    EXPECT_FALSE(g().InputAllowed);
    const std::int64_t done = Now();
    for (const auto* t : w().Main->Tiles) EXPECT_EQ(t->SkinData().SkinSection(), "WEBBUTTON");
    RunUntilTime(done + 1000 + 3 * (n + 1) * 400 - 1);
    EXPECT_FALSE(g().InputAllowed);
    RunUntilTime(done + 1000 + 3 * (n + 1) * 400);
    EXPECT_TRUE(g().InputAllowed);
    // The next sequence is one tile longer.
    EXPECT_NE(g().Sequence.Get(n + 1), 0);
  }
}

TEST_F(RoundTest, ClicksDuringTheWaitAndTheShowChangeNothing) {
  const std::int64_t t0 = StartGame(0);
  RunUntilTime(t0 + 500);  // the wait
  for (int tile = 1; tile <= 6; ++tile) ClickTileNow(tile);
  EXPECT_EQ(g().SequencePos, 0);
  RunUntilTime(t0 + 1000 + 400 + 100);  // the first tile is lit
  ASSERT_EQ(LitTiles(), 1);
  for (int tile = 1; tile <= 6; ++tile) ClickTileNow(tile);
  EXPECT_EQ(g().SequencePos, 1);
  RunUntilTime(t0 + 1000 + 3 * 400 + 200);  // the gap before the second tile
  for (int tile = 1; tile <= 6; ++tile) ClickTileNow(tile);
  EXPECT_EQ(g().SequencePos, 1);
  EXPECT_FALSE(w().Result->Visible());
  EXPECT_EQ(g().RoundCount, 0);
  RunUntilPlayersTurn();
  EXPECT_EQ(g().SequencePos, 0);
}

// A seed whose first two tiles are the same one.
std::uint32_t SeedWithRepeat() {
  for (std::uint32_t seed = 1;; ++seed) {
    game::TileRandom r;
    r.Seed(seed);
    if (r.NextIndex() == r.NextIndex()) return seed;
  }
}

TEST_F(RoundTest, TheSameTileTwiceIsLitTwiceAndClickedTwice) {
  const std::uint32_t seed = SeedWithRepeat();
  g().SeedSource = [seed] { return seed; };
  const std::int64_t t0 = StartGame(0);
  RunUntilTime(t0 + 1000 + 400 + 1);
  ASSERT_EQ(LitTiles(), 1);
  RunUntilTime(t0 + 1000 + 3 * 400 + 200);  // dark between the two showings
  EXPECT_EQ(LitTiles(), 0);
  RunUntilTime(t0 + 1000 + 3 * 400 + 400 + 1);
  EXPECT_EQ(LitTiles(), 1);
  RunUntilPlayersTurn();
  const int tile = g().Sequence.Get(1);
  ASSERT_EQ(g().Sequence.Get(2), tile);
  ClickTileNow(tile);
  EXPECT_EQ(g().RoundCount, 0);
  ClickTileNow(tile);
  EXPECT_EQ(g().RoundCount, 1);
}

}  // namespace
}  // namespace app::test
