// The four windows as created at start-up: order, sizes, captions, places.
#include "platform/ui/Screen.h"
#include "tests/app/AppFixture.h"

namespace app::test {
namespace {

class WindowsTest : public AppFixture {};

TEST_F(WindowsTest, StartUpCreatesTheFourWindowsInOrderAndTitlesTheApplication) {
  EXPECT_EQ(app().Title(), "Zintor 2");
  EXPECT_EQ(app().MainForm(), w().Main);
  std::vector<ui::Form*> forms;
  for (ui::Component* c : app().Components())
    if (auto* f = dynamic_cast<ui::Form*>(c)) forms.push_back(f);
  ASSERT_GE(forms.size(), 4u);
  EXPECT_EQ(forms[0], w().Main);
  EXPECT_EQ(forms[1], w().Result);
  EXPECT_EQ(forms[2], w().NewGame);
  EXPECT_EQ(forms[3], w().About);
  EXPECT_FALSE(w().Result->Visible());
  EXPECT_FALSE(w().NewGame->Visible());
  EXPECT_FALSE(w().About->Visible());
}

TEST_F(WindowsTest, MainWindowIsCentredAndHasTheGivenClientArea) {
  auto* m = w().Main;
  EXPECT_EQ(m->Caption(), "Zintor");
  EXPECT_EQ(m->ClientWidth(), 602);
  EXPECT_EQ(m->ClientHeight(), 421);
  EXPECT_EQ(m->GetBorderStyle(), ui::BorderStyle::bsSingle);
  EXPECT_EQ(m->GetBorderIcons(), ui::biSystemMenu | ui::biMinimize);
  const gfx::Rect r = m->WindowRect();
  const gfx::Size screen = screen_.ScreenSize();
  EXPECT_LE(std::abs(r.Left + r.Width() / 2 - screen.Width / 2), 1);
  EXPECT_LE(std::abs(r.Top + r.Height() / 2 - screen.Height / 2), 1);
  // The status bar fills the bottom 19 pixels of the client area.
  EXPECT_EQ(m->sStatusBar->BoundsRect(), gfx::Rect::FromXYWH(0, 402, 602, 19));
  // The tiles lie on the panel in a 3 x 2 grid; their centres hit them.
  for (int tile = 1; tile <= 6; ++tile) {
    const auto* t = m->Tiles[static_cast<std::size_t>(tile - 1)];
    EXPECT_EQ(t->Left(), 1 + 200 * ((tile - 1) % 3));
    EXPECT_EQ(t->Top(), 1 + 200 * ((tile - 1) / 3));
    EXPECT_EQ(app().Screen().WindowFromPoint(d().TilePoint(tile)), m->sPanel_Main);
  }
  EXPECT_EQ(m->N2->GetShortCut(), ui::scCtrl | 'N');
}

TEST_F(WindowsTest, DialogsAreCentredOnTheMainWindowWithTheirClientSizes) {
  struct Case {
    ui::Form* Form;
    const char* Caption;
    int Width, Height;
  };
  const Case cases[] = {
      {w().NewGame, "Новая игра", 138, 128},
      {w().Result, "Результат игры", 350, 144},
      {w().About, "О программе", 310, 263},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Caption);
    EXPECT_EQ(c.Form->Caption(), c.Caption);
    EXPECT_EQ(c.Form->GetBorderIcons(), ui::biSystemMenu);
    bool checked = false;
    OneShot(50, [&] {
      EXPECT_EQ(c.Form->ClientWidth(), c.Width);
      EXPECT_EQ(c.Form->ClientHeight(), c.Height);
      const gfx::Rect m = w().Main->WindowRect(), r = c.Form->WindowRect();
      EXPECT_LE(std::abs((m.Left + m.Right) - (r.Left + r.Right)), 2);
      EXPECT_LE(std::abs((m.Top + m.Bottom) - (r.Top + r.Bottom)), 2);
      checked = true;
      d().ClickAt(CloseBox(*c.Form));
    });
    c.Form->ShowModal();
    EXPECT_TRUE(checked);
    EXPECT_FALSE(c.Form->Visible());
  }
}

}  // namespace
}  // namespace app::test
