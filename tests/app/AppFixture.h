// The real program on a virtual screen: the four windows created as at
// start-up, the main window shown, a driver that clicks and types at screen
// coordinates, and scripts that keep running inside modal dialogs.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "app/GameDriver.h"
#include "app/Program.h"
#include "app/Script.h"
#include "game/DifficultyLevels.h"
#include "game/Unit_GameObjects.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/ui/Application.h"

namespace app::test {

class AppFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    game::ResetGameObjects();
    app_ = std::make_unique<ui::Application>(screen_);
    w_ = CreateGameWindows(*app_);
    d_ = std::make_unique<GameDriver>(screen_, w_);
    w_.Main->ShowForm();
    app_->ProcessMessages();
  }
  void TearDown() override {
    d_.reset();
    app_.reset();
    game::ResetGameObjects();
  }

  ui::Application& app() { return *app_; }
  GameDriver& d() { return *d_; }
  const GameWindows& w() const { return w_; }
  static game::GameObjects& g() { return game::GameState(); }
  std::int64_t Now() const { return app_->NowMs(); }

  // Runs a script to its end; it must leave no dialog open.
  void Play(Script& s) {
    s.Start();
    app_->RunUntil([&] { return s.Finished(); });
    EXPECT_EQ(s.Failure(), "");
  }
  // Keeps the loop running until the clock reaches `ms`.
  void RunUntilTime(std::int64_t ms) {
    if (ms > Now()) app_->RunFor(ms - Now());
  }
  // Runs `fn` once, `ms` from now, also inside modal loops.
  void OneShot(std::int64_t ms, std::function<void()> fn) {
    auto id = std::make_shared<int>(0);
    *id = app_->StartCallbackTimer(static_cast<unsigned>(ms), [this, id, fn = std::move(fn)] {
      app_->StopCallbackTimer(*id);
      fn();
    });
  }

  // Steps: Ctrl+N, check level `level` (0..2), press Start. `startedAt`
  // receives the time of the click on Start.
  void AddNewGameSteps(Script& s, int level, std::int64_t& startedAt) {
    s.After("Ctrl+N", 10, [this] { d().KeyWithControl('N'); });
    s.When(
        "the new-game dialog is shown", [this] { return w().NewGame->Visible(); },
        [this, level] { d().Click(*w().NewGame->Levels.at(static_cast<std::size_t>(level))); });
    s.After("press Start", 10, [this, &startedAt] {
      d().Click(*w().NewGame->sButton_Start);
      startedAt = Now();
    });
    s.When(
        "the new-game dialog is closed", [this] { return !w().NewGame->Visible(); }, [] {});
  }
  // Starts a game on `level` and returns the time of the click on Start.
  std::int64_t StartGame(int level) {
    Script s(app());
    std::int64_t t0 = -1;
    AddNewGameSteps(s, level, t0);
    Play(s);
    return t0;
  }
  // Runs until the player's turn (at most `limitMs`).
  void RunUntilPlayersTurn(std::int64_t limitMs = 30000) {
    const std::int64_t end = Now() + limitMs;
    while (!g().InputAllowed && Now() < end) app_->RunFor(1);
    ASSERT_TRUE(g().InputAllowed);
  }
  int LitTiles() const {
    int n = 0;
    for (const auto* t : w_.Main->Tiles) n += t->ImageIndex() == game::kImageLit;
    return n;
  }
  // Clicks and handles the click now (no dialog may open).
  void ClickTileNow(int tile) {
    d().ClickTile(tile);
    app_->ProcessMessages();
  }
  gfx::Point CloseBox(const ui::Form& f) const {
    const gfx::Rect r = f.CaptionButtonRect(ui::HTCLOSE);
    const gfx::Rect s = f.WindowRect();
    return {s.Left + (r.Left + r.Right) / 2, s.Top + (r.Top + r.Bottom) / 2};
  }

  backend::HeadlessBackend screen_;

 private:
  std::unique_ptr<ui::Application> app_;
  GameWindows w_;
  std::unique_ptr<GameDriver> d_;
};

}  // namespace app::test
