// The new-game and about dialogs and the menu, through keys and clicks.
#include "platform/ui/controls/Label.h"
#include "tests/app/AppFixture.h"

namespace app::test {
namespace {

class DialogsTest : public AppFixture {};

TEST_F(DialogsTest, NewGameDialogKeepsTheCheckedLevelAndEscDoesNotCloseIt) {
  StartGame(1);
  EXPECT_EQ(g().DifficultyCaption, "Средний");
  Script s(app());
  s.After("Ctrl+N", 10, [this] { d().KeyWithControl('N'); });
  s.When(
      "the dialog is shown again", [this] { return w().NewGame->Visible(); },
      [this] {
        EXPECT_FALSE(w().NewGame->Levels[0]->Checked());
        EXPECT_TRUE(w().NewGame->Levels[1]->Checked());
        d().Key(backend::VK_ESCAPE);
      });
  s.After("Esc changed nothing", 20, [this] {
    EXPECT_TRUE(w().NewGame->Visible());
    d().ClickAt(CloseBox(*w().NewGame));
  });
  s.When(
      "closed by its close box", [this] { return !w().NewGame->Visible(); }, [] {});
  Play(s);
  // The running game goes on with its level.
  EXPECT_EQ(g().DifficultyCaption, "Средний");
  RunUntilPlayersTurn();
  EXPECT_NE(g().Sequence.Get(3), 0);
  EXPECT_EQ(g().Sequence.Get(4), 0);
}

TEST_F(DialogsTest, EnterInTheNewGameDialogStartsAGame) {
  Script s(app());
  std::int64_t startedAt = -1;
  s.After("Ctrl+N", 10, [this] { d().KeyWithControl('N'); });
  s.When(
      "the dialog is shown", [this] { return w().NewGame->Visible(); },
      [&] {
        d().Key(backend::VK_RETURN);
        startedAt = Now();
      });
  s.When(
      "the dialog is closed", [this] { return !w().NewGame->Visible(); }, [] {});
  Play(s);
  EXPECT_EQ(g().DifficultyCaption, "Лёгкий");
  for (const auto* t : w().Main->Tiles) EXPECT_TRUE(t->Enabled());
  RunUntilTime(startedAt + 1000 + 3 * 2 * 400);
  EXPECT_TRUE(g().InputAllowed);
}

// Ctrl+N while a sequence is shown: the show goes on behind the dialog, and
// Start abandons it for a new game with a fresh 1000 ms wait.
TEST_F(DialogsTest, CtrlNDuringAShowStartsANewGame) {
  const std::int64_t t0 = StartGame(0);
  RunUntilTime(t0 + 1000 + 400 + 10);
  ASSERT_EQ(LitTiles(), 1);
  Script s(app());
  std::int64_t restartedAt = -1;
  int posWhenOpened = -1;
  s.After("Ctrl+N during the show", 0, [this] { d().KeyWithControl('N'); });
  s.When(
      "the dialog is shown", [this] { return w().NewGame->Visible(); },
      [&] { posWhenOpened = g().SequencePos; });
  s.After("the show goes on behind the dialog", 1200, [&] {
    EXPECT_GT(g().SequencePos, posWhenOpened);
    d().Click(*w().NewGame->sButton_Start);
    restartedAt = Now();
  });
  s.When(
      "the dialog is closed", [this] { return !w().NewGame->Visible(); }, [] {});
  Play(s);
  EXPECT_EQ(g().RoundCount, 0);
  EXPECT_EQ(g().SequencePos, 0);
  EXPECT_EQ(LitTiles(), 0);
  RunUntilTime(restartedAt + 1000 + 400 - 1);
  EXPECT_EQ(LitTiles(), 0);
  EXPECT_EQ(g().SequencePos, 0);
  RunUntilTime(restartedAt + 1000 + 400);
  EXPECT_EQ(LitTiles(), 1);
}

TEST_F(DialogsTest, AboutDialogShowsTheMemoAndClosesByKeyOrCloseBox) {
  auto* about = w().About;
  const auto& lines = about->sMemo_About->Lines();
  ASSERT_EQ(lines.size(), 20u);
  for (const std::string& line : lines) {
    EXPECT_EQ(line.size(), 40u);
    EXPECT_EQ(line.find_first_not_of("01"), std::string::npos) << line;
  }
  EXPECT_EQ(about->sWebLabel_Site->URL().find("https://"), 0u);
  EXPECT_NE(about->sWebLabel_Site->URL().find(".example.org"), std::string::npos);

  struct Case {
    const char* What;
    std::function<void()> Close;
  };
  const Case cases[] = {
      {"Esc", [this] { d().Key(backend::VK_ESCAPE); }},
      {"Enter", [this] { d().Key(backend::VK_RETURN); }},
      {"the close box", [this] { d().ClickAt(CloseBox(*w().About)); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.What);
    Script s(app());
    s.After("open Help", 10, [this] { d().ClickAt(d().MenuBarPoint(*w().Main->N6->Parent())); });
    s.When(
        "the Help menu is open", [this] { return GameDriver::PopupItemPoint(*w().Main->N6).X >= 0; },
        [this] { d().ClickAt(GameDriver::PopupItemPoint(*w().Main->N6)); });
    s.When(
        "the about dialog is shown", [about] { return about->Visible(); }, c.Close);
    s.When(
        "the about dialog is closed", [about] { return !about->Visible(); }, [] {});
    Play(s);
  }
}

// Without a desktop handler the link's address is given in a message box
// over the about dialog.
TEST_F(DialogsTest, AboutLinkThatCannotBeOpenedShowsItsAddress) {
  auto* about = w().About;
  auto* link = about->sWebLabel_Site;
  link->Opener().SetProgram("zt-no-such-program");
  std::string boxText;
  Script s(app());
  s.After("open Help", 10, [this] { d().ClickAt(d().MenuBarPoint(*w().Main->N6->Parent())); });
  s.When(
      "the Help menu is open", [this] { return GameDriver::PopupItemPoint(*w().Main->N6).X >= 0; },
      [this] { d().ClickAt(GameDriver::PopupItemPoint(*w().Main->N6)); });
  s.When(
      "the about dialog is shown", [about] { return about->Visible(); },
      [this, link] {
        d().ClickAt(link->ClientToScreen({link->Width() - 5, link->Height() / 2}));
      });
  s.When(
      "the box is shown", [this, about] { return app().ModalForm() && app().ModalForm() != about; },
      [&] {
        for (ui::Control* c : app().ModalForm()->Controls())
          if (auto* l = dynamic_cast<ui::Label*>(c)) boxText += l->Caption();
        d().Key(backend::VK_RETURN);
      });
  s.When(
      "the box is closed", [this, about] { return app().ModalForm() == about; },
      [this] { d().Key(backend::VK_ESCAPE); });
  s.When(
      "the about dialog is closed", [about] { return !about->Visible(); }, [] {});
  Play(s);
  EXPECT_NE(boxText.find(link->URL()), std::string::npos) << boxText;
}

TEST_F(DialogsTest, HelpShowsHowToPlayAndExitEndsTheProgram) {
  Script s(app());
  ui::Form* box = nullptr;
  s.After("open Help", 10, [this] { d().ClickAt(d().MenuBarPoint(*w().Main->N7->Parent())); });
  s.When(
      "the Help menu is open", [this] { return GameDriver::PopupItemPoint(*w().Main->N7).X >= 0; },
      [this] { d().ClickAt(GameDriver::PopupItemPoint(*w().Main->N7)); });
  s.When(
      "the help box is shown", [&] { return (box = app().ActiveForm()) && box->Caption() == "Справка"; },
      [this] { d().Key(backend::VK_RETURN); });
  s.When(
      "the help box is closed", [&] { return app().ActiveForm() == w().Main; }, [] {});
  s.After("open Game", 10, [this] { d().ClickAt(d().MenuBarPoint(*w().Main->N4->Parent())); });
  s.When(
      "the Game menu is open", [this] { return GameDriver::PopupItemPoint(*w().Main->N4).X >= 0; },
      [this] { d().ClickAt(GameDriver::PopupItemPoint(*w().Main->N4)); });
  s.Start();
  app().RunUntil([] { return false; });  // until "Выход" ends the loop
  EXPECT_EQ(s.Failure(), "");
  EXPECT_TRUE(s.Finished());
  EXPECT_TRUE(app().Terminated());
  EXPECT_FALSE(w().Main->Visible());
}

}  // namespace
}  // namespace app::test
