// The result dialog after a wrong click: its text and bar, the 3000 ms lock
// of its buttons, Enter and Esc, "Попробовать ещё" and the close box.
#include "platform/gfx/Canvas.h"
#include "platform/gfx/DrawTextFlags.h"
#include "tests/app/AppFixture.h"

namespace app::test {
namespace {

class ResultDialogTest : public AppFixture {
 protected:
  // Plays to the player's turn of round 1 on `level` and clicks a wrong
  // tile; `whileShown` runs from the dialog's own loop (relative times from
  // the click) and must close it.
  void LoseFirstRound(int level, std::vector<std::pair<std::int64_t, std::function<void()>>> whileShown) {
    StartGame(level);
    RunUntilPlayersTurn();
    clickedAt = Now();
    for (auto& [at, fn] : whileShown) OneShot(at, std::move(fn));
    d().ClickTile(GameDriver::NextWrongTile());
    app().ProcessMessages();
  }
  bool ButtonsEnabled() const {
    return w().Result->sButton_Ok->Enabled() || w().Result->sButton_Restart->Enabled();
  }

  std::int64_t clickedAt = 0;
};

TEST_F(ResultDialogTest, AWrongClickInRoundOneShowsResultZeroAndAnEmptyBar) {
  bool checked = false;
  LoseFirstRound(0, {{100, [&] {
                        auto* r = w().Result;
                        EXPECT_TRUE(r->Visible());
                        EXPECT_TRUE(r->IsModal());
                        EXPECT_EQ(r->sLabel_Result->Caption(), "Результат: 0.\rУровень сложности: Лёгкий.");
                        EXPECT_EQ(r->sProgressBar_Result->Position(), 0);
                        EXPECT_EQ(r->sProgressBar_Result->FilledRect().Width(), 0);
                        // The bar's inside shows no fill on the screen.
                        const auto* bar = r->sProgressBar_Result;
                        EXPECT_NE(screen_.ScreenPixel(bar->ClientToScreen({3, bar->Height() / 2})),
                                  gfx::ColorToRGB(gfx::clHighlight));
                        // The game has ended behind the dialog.
                        EXPECT_FALSE(g().InputAllowed);
                        for (const auto* t : w().Main->Tiles) EXPECT_FALSE(t->Enabled());
                        checked = true;
                        d().ClickAt(CloseBox(*r));
                      }}});
  EXPECT_TRUE(checked);
  EXPECT_FALSE(w().Result->Visible());
  EXPECT_EQ(g().RoundCount, 0);
  // Closed by its close box: the game stays ended; no round starts.
  RunUntilTime(Now() + 5000);
  EXPECT_EQ(LitTiles(), 0);
  EXPECT_FALSE(g().InputAllowed);
  for (const auto* t : w().Main->Tiles) EXPECT_FALSE(t->Enabled());
}

TEST_F(ResultDialogTest, TheLabelBreaksIntoTwoLinesAtTheLoneCarriageReturn) {
  int labelHeight = 0, lineHeight = 0;
  LoseFirstRound(1, {{100, [&] {
                        auto* label = w().Result->sLabel_Result;
                        const std::string& text = label->Caption();
                        const auto cr = text.find('\r');
                        ASSERT_NE(cr, std::string::npos);
                        EXPECT_EQ(text.find('\n'), std::string::npos);
                        EXPECT_EQ(text.substr(cr + 1), "Уровень сложности: Средний.");
                        gfx::Bitmap probe(1, 1, gfx::PixelFormat::Bgr24);
                        gfx::Canvas c(probe);
                        c.SetFont(label->Font());
                        lineHeight = c.TextHeight("0");
                        gfx::Rect calc{0, 0, label->Width(), 0};
                        c.DrawText(text, calc, label->DrawTextFlags() | gfx::DT_CALCRECT);
                        labelHeight = calc.Height();
                        d().ClickAt(CloseBox(*w().Result));
                      }}});
  EXPECT_GT(lineHeight, 0);
  EXPECT_EQ(labelHeight, 2 * lineHeight);
}

// The buttons unlock 3000 ms after the dialog is shown; Enter and Esc do
// nothing before and act on the buttons after.
TEST_F(ResultDialogTest, ButtonsAreLockedForExactly3000Ms) {
  struct Case {
    int Key;
    bool Restarts;
  };
  for (const Case& c : {Case{backend::VK_RETURN, true}, Case{backend::VK_ESCAPE, false}}) {
    SCOPED_TRACE(c.Key);
    std::vector<std::pair<std::int64_t, std::function<void()>>> steps;
    steps.push_back({2999, [&] {
                       EXPECT_FALSE(ButtonsEnabled());
                       d().Key(backend::VK_RETURN);
                       d().Key(backend::VK_ESCAPE);
                     }});
    steps.push_back({3000 - 10, [&] {
                       // Armed after the dialog's own timer: runs just after it at 3000.
                       OneShot(10, [&] { EXPECT_TRUE(ButtonsEnabled()); });
                     }});
    steps.push_back({3001, [&] {
                       EXPECT_TRUE(w().Result->Visible()) << "Enter or Esc acted while locked";
                       EXPECT_EQ(w().Result->sButton_Ok->Enabled(), true);
                       EXPECT_EQ(w().Result->sButton_Restart->Enabled(), true);
                       d().Key(c.Key);
                     }});
    LoseFirstRound(0, std::move(steps));
    EXPECT_FALSE(w().Result->Visible());
    EXPECT_EQ(g().RoundCount, 0);
    if (c.Restarts) {
      // A new game: enabled tiles, the 1000 ms wait, then the show.
      for (const auto* t : w().Main->Tiles) EXPECT_TRUE(t->Enabled());
      RunUntilPlayersTurn();
    } else {
      RunUntilTime(Now() + 5000);
      for (const auto* t : w().Main->Tiles) EXPECT_FALSE(t->Enabled());
      EXPECT_FALSE(g().InputAllowed);
    }
    game::ResetGameObjects();
  }
}

TEST_F(ResultDialogTest, TheLockLastsTheFullIntervalAtEveryShowing) {
  // Closed by its close box after one second, then shown again: the lock
  // starts afresh instead of running out early.
  LoseFirstRound(0, {{1000, [&] { d().ClickAt(CloseBox(*w().Result)); }}});
  EXPECT_FALSE(w().Result->Visible());
  LoseFirstRound(0, {{2500, [&] { EXPECT_FALSE(ButtonsEnabled()); }}, {3001, [&] {
                                                                         EXPECT_TRUE(ButtonsEnabled());
                                                                         d().Click(*w().Result->sButton_Ok);
                                                                       }}});
  EXPECT_FALSE(w().Result->Visible());
}

TEST_F(ResultDialogTest, TryAgainKeepsTheLevel) {
  LoseFirstRound(2, {{3001, [&] { d().Click(*w().Result->sButton_Restart); }}});
  const std::int64_t restartedAt = clickedAt + 3001;
  EXPECT_FALSE(w().Result->Visible());
  EXPECT_EQ(g().DifficultyCaption, "Нереальный");
  EXPECT_EQ(g().ExtraLength, 5);
  EXPECT_EQ(w().Main->Timer_StartShow->Interval(), 100u);
  EXPECT_EQ(w().Main->Timer_StopShow->Interval(), 200u);
  RunUntilTime(restartedAt + 1000 + 3 * 5 * 100 - 1);
  EXPECT_FALSE(g().InputAllowed);
  RunUntilTime(restartedAt + 1000 + 3 * 5 * 100);
  EXPECT_TRUE(g().InputAllowed);
}

TEST_F(ResultDialogTest, AWrongLastTileCountsNoRound) {
  StartGame(0);
  RunUntilPlayersTurn();
  ClickTileNow(GameDriver::NextCorrectTile());
  bool shown = false;
  OneShot(3001, [&] {
    shown = w().Result->Visible();
    EXPECT_EQ(w().Result->sLabel_Result->Caption(), "Результат: 0.\rУровень сложности: Лёгкий.");
    d().Click(*w().Result->sButton_Ok);
  });
  d().ClickTile(GameDriver::NextWrongTile());
  app().ProcessMessages();
  EXPECT_TRUE(shown);
  EXPECT_EQ(g().RoundCount, 0);
  RunUntilTime(Now() + 5000);
  EXPECT_EQ(LitTiles(), 0);
  EXPECT_FALSE(g().InputAllowed);
}

}  // namespace
}  // namespace app::test
