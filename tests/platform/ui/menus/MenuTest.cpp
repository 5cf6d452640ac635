// Menus: shortcut texts, the menu bar tracked by mouse and keyboard,
// popup menus with cascading submenus, Ctrl+N and Alt+Space.
#include <string>
#include <vector>

#include "platform/ui/menus/MenuBar.h"
#include "platform/ui/menus/MenuTracker.h"
#include "platform/ui/menus/Menus.h"
#include "tests/platform/ui/TestControls.h"
#include "tests/platform/ui/UiFixture.h"
#include "tests/platform/ui/forms/ScopedLocale.h"

namespace ui::testing {
namespace {

TEST(ShortCutTest, TextAndShortcutConvertBothWays) {
  struct Case {
    ShortCut Sc;
    const char* Text;
  } cases[] = {{scCtrl | 'N', "Ctrl+N"},
               {scAlt | VK_F4, "Alt+F4"},
               {scShift | scCtrl | VK_DELETE, "Shift+Ctrl+Del"},
               {VK_F1, "F1"},
               {scCtrl | '5', "Ctrl+5"}};
  for (const Case& k : cases) {
    EXPECT_EQ(ShortCutToText(k.Sc), k.Text);
    EXPECT_EQ(TextToShortCut(k.Text), k.Sc);
  }
  EXPECT_EQ(TextToShortCut("ctrl+n"), scCtrl | 'N');
  EXPECT_EQ(TextToShortCut("Ctrl+"), scNone);
  EXPECT_EQ(TextToShortCut("Bogus"), scNone);
  EXPECT_EQ(AcceleratorOf("&File"), U'f');
  EXPECT_EQ(AcceleratorOf("Save && E&xit"), U'x');
  EXPECT_EQ(AcceleratorOf("None"), 0u);
}

class MenuTest : public UiFixture {
 protected:
  void SetUp() override {
    form = NewForm({100, 100, 500, 400}, BorderStyle::bsSizeable);
    menu = new MainMenu(form);
    game = Add(menu->Items(), "&Game");
    newGame = Add(game, "&New");
    newGame->SetShortCut(scCtrl | 'N');
    Add(game, "-");
    level = Add(game, "&Level");
    hard = Add(level, "&Hard");
    exit = Add(game, "E&xit");
    help = Add(menu->Items(), "&Help");
    about = Add(help, "&About");
    form->SetMenu(menu);
    Show(form);
  }
  MenuItem* Add(MenuItem* parent, const std::string& caption) {
    auto* i = new MenuItem(form);
    i->SetCaption(caption);
    i->OnClick = [this, caption](Component*) {
      // OnClick runs after the menu has closed.
      clicked.push_back(caption + (MenuTracker::Current() ? " (open)" : ""));
    };
    parent->Add(i);
    return i;
  }
  gfx::Point BarItemCentre(MenuItem* item) {
    gfx::Rect r = form->MenuBar().ItemScreenRect(item);
    return {r.Left + r.Width() / 2, r.Top + r.Height() / 2};
  }
  // The centre of an item as it shows now ({-1, -1} when it does not).
  gfx::Point PopupItemCentre(MenuItem* item) {
    gfx::Rect r = MenuItemScreenRect(item);
    if (r.IsEmpty()) return {-1, -1};
    return {r.Left + r.Width() / 2, r.Top + r.Height() / 2};
  }
  int OpenPopups() {
    int n = 0;
    for (WinControl* w : app().TopLevels())
      if (dynamic_cast<PopupMenuWindow*>(w) && w->Visible()) ++n;
    return n;
  }

  Form* form = nullptr;
  MainMenu* menu = nullptr;
  MenuItem *game, *newGame, *level, *hard, *exit, *help, *about;
  std::vector<std::string> clicked;
};

TEST_F(MenuTest, MouseOpensBarItemCascadesAndChoosesAfterClosing) {
  gfx::Point g = BarItemCentre(game);
  int popupsSeen = 0;
  gfx::Point hardAt{-1, -1};
  During([&] {
    popupsSeen = OpenPopups();
    screen().InjectMouseMove(PopupItemCentre(level));
    app().RunFor(MenuTracker::kSubmenuDelayMs);
    popupsSeen = std::max(popupsSeen, OpenPopups());
    hardAt = PopupItemCentre(hard);
    screen().InjectMouseMove(hardAt);
    screen().InjectClick(hardAt);
  });
  Click(g);
  EXPECT_EQ(popupsSeen, 2);
  EXPECT_NE(hardAt.X, -1);
  EXPECT_EQ(clicked, (std::vector<std::string>{"&Hard"}));
  EXPECT_EQ(OpenPopups(), 0);
  EXPECT_EQ(form->MenuBar().Selected(), -1);
}

TEST_F(MenuTest, HoverOpensAndClosesSubmenusAfterTheDelay) {
  constexpr int kDelay = MenuTracker::kSubmenuDelayMs;
  std::vector<int> open;
  MenuItem* parentSelected = nullptr;
  During([&] {
    Move(PopupItemCentre(level));
    open.push_back(OpenPopups());
    app().RunFor(kDelay - 1);
    open.push_back(OpenPopups());
    app().RunFor(1);
    open.push_back(OpenPopups());  // opened after the delay
    // The pointer leaves for Exit: the submenu stays for the delay...
    Move(PopupItemCentre(exit));
    app().RunFor(kDelay - 1);
    open.push_back(OpenPopups());
    // ...and for good when the pointer comes back to its item,
    Move(PopupItemCentre(level));
    app().RunFor(2 * kDelay);
    open.push_back(OpenPopups());
    // or into the submenu itself, which selects its item again.
    Move(PopupItemCentre(exit));
    app().RunFor(kDelay / 2);
    Move(PopupItemCentre(hard));
    app().RunFor(2 * kDelay);
    open.push_back(OpenPopups());
    for (WinControl* w : app().TopLevels())
      if (auto* p = dynamic_cast<PopupMenuWindow*>(w); p && p->List() == game && p->Selected() >= 0)
        parentSelected = p->Items()[static_cast<std::size_t>(p->Selected())];
    // Staying away closes it.
    Move(PopupItemCentre(exit));
    app().RunFor(kDelay);
    open.push_back(OpenPopups());
    screen().InjectKey(VK_ESCAPE);
    screen().InjectKey(VK_ESCAPE);
  });
  Click(BarItemCentre(game));
  EXPECT_EQ(open, (std::vector<int>{1, 1, 2, 2, 2, 2, 1}));
  EXPECT_EQ(parentSelected, level);
  EXPECT_TRUE(clicked.empty());
}

TEST_F(MenuTest, ClickOrKeyOpensASubmenuAtOnce) {
  std::vector<int> open;
  During([&] {
    Click(PopupItemCentre(level));
    open.push_back(OpenPopups());
    screen().InjectKey(VK_ESCAPE);  // back to the Game popup, Level selected
    app().ProcessMessages();
    open.push_back(OpenPopups());
    screen().InjectKey(VK_RIGHT);
    app().ProcessMessages();
    open.push_back(OpenPopups());
    screen().InjectKey(VK_RETURN);  // Hard, selected on opening
  });
  Click(BarItemCentre(game));
  EXPECT_EQ(open, (std::vector<int>{2, 1, 2}));
  EXPECT_EQ(clicked, (std::vector<std::string>{"&Hard"}));
}

TEST_F(MenuTest, PopupColumnsFollowBreaksForMouseAndKeyboard) {
  auto* popup = new PopupMenu(form);
  Add(popup->Items(), "-Pick-");
  MenuItem* a = Add(popup->Items(), "A");
  Add(popup->Items(), "B");
  MenuItem* c = Add(popup->Items(), "C");
  c->SetBreak(MenuBreak::mbBreak);
  MenuItem* d = Add(popup->Items(), "D");
  MenuItem* e = Add(popup->Items(), "E");
  e->SetBreak(MenuBreak::mbBarBreak);
  gfx::Rect ra, rc, rd, re;
  gfx::Color line = 0;
  std::vector<std::string> selected;
  During([&] {
    auto item = [&](MenuItem* i) {
      gfx::Point p = PopupItemCentre(i);
      for (WinControl* w : app().TopLevels())
        if (auto* pw = dynamic_cast<PopupMenuWindow*>(w); pw && pw->Visible()) {
          gfx::Point o = pw->ClientOrigin();
          if (!pw->Columns().BarLines().empty())
            line = Pixel({pw->Columns().BarLines()[0].Left + o.X, o.Y + 5});
          return pw->ItemScreenRect(pw->ItemAt(pw->ScreenToClient(p)));
        }
      return gfx::Rect{};
    };
    ra = item(a), rc = item(c), rd = item(d), re = item(e);
    auto sel = [&] {
      for (WinControl* w : app().TopLevels())
        if (auto* pw = dynamic_cast<PopupMenuWindow*>(w); pw && pw->Visible() && pw->Selected() >= 0)
          selected.push_back(pw->Items()[static_cast<std::size_t>(pw->Selected())]->Caption());
    };
    for (int k : {VK_DOWN, VK_RIGHT, VK_DOWN, VK_DOWN, VK_RIGHT, VK_LEFT, VK_UP, VK_LEFT}) {
      screen().InjectKey(k);
      app().ProcessMessages();
      sel();
    }
    screen().InjectKey(VK_RETURN);
  });
  popup->Popup(150, 150);
  // Columns side by side, each starting at the top.
  EXPECT_GT(rc.Left, ra.Right);
  EXPECT_LT(rc.Top, ra.Top);  // A is below the title item
  EXPECT_EQ(rd.Left, rc.Left);
  EXPECT_GT(re.Left, rc.Right);
  EXPECT_EQ(re.Top, rc.Top);
  EXPECT_EQ(line, gfx::ColorToRGB(gfx::clBtnShadow));
  // The title item is skipped; Up/Down wrap inside a column; Left/Right go
  // to the nearest item of the next column.
  EXPECT_EQ(selected, (std::vector<std::string>{"A", "D", "C", "D", "E", "C", "D", "A"}));
  EXPECT_EQ(clicked, (std::vector<std::string>{"A"}));
}

TEST_F(MenuTest, TitleItemsAndSeparatorsCannotBeChosen) {
  auto* popup = new PopupMenu(form);
  MenuItem* title = Add(popup->Items(), "-Level-");
  MenuItem* line = Add(popup->Items(), "-");
  Add(popup->Items(), "Easy");
  std::vector<int> open;
  During([&] {
    for (MenuItem* i : {title, line}) {
      Click(PopupItemCentre(i));
      open.push_back(OpenPopups());
    }
    screen().InjectKey(VK_ESCAPE);
  });
  popup->Popup(150, 150);
  EXPECT_EQ(open, (std::vector<int>{1, 1}));
  EXPECT_TRUE(clicked.empty());
}

TEST_F(MenuTest, BarBreakStartsANewRowAndABackspaceCaptionGoesRight) {
  help->SetBreak(MenuBreak::mbBreak);
  app().ProcessMessages();
  EXPECT_EQ(form->MenuLineCount(), 2);
  gfx::Rect g = form->MenuBar().ItemScreenRect(game), h = form->MenuBar().ItemScreenRect(help);
  EXPECT_EQ(h.Left, g.Left);
  EXPECT_GT(h.Top, g.Bottom - 1);
  help->SetBreak(MenuBreak::mbNone);
  help->SetCaption("\b&Help");
  app().ProcessMessages();
  EXPECT_EQ(form->MenuLineCount(), 1);
  h = form->MenuBar().ItemScreenRect(help);
  gfx::Rect bar = form->MenuBarRect().Offset(form->Left(), form->Top());
  EXPECT_EQ(h.Right, bar.Right);
  EXPECT_EQ(form->MenuBar().ItemScreenRect(game).Left, bar.Left);
  // Still reachable by its accelerator.
  During([&] { screen().InjectKey(VK_RETURN); });
  KeyWith(VK_MENU, 'H');
  EXPECT_EQ(clicked, (std::vector<std::string>{"&About"}));
}

TEST_F(MenuTest, AcceleratorsShowOnlyWhenTheMenuIsUsedByKeyboard) {
  // Popup items and bar items alike.
  std::vector<bool> popupHidden, barHidden;
  newGame->OnAdvancedDrawItem = [&](Component*, gfx::Canvas&, gfx::Rect, OwnerDrawState s) {
    popupHidden.push_back((s & odNoAccel) != 0);
  };
  help->OnAdvancedDrawItem = [&](Component*, gfx::Canvas&, gfx::Rect, OwnerDrawState s) {
    barHidden.push_back((s & odNoAccel) != 0);
  };
  std::vector<bool> seen;
  auto look = [&] {
    form->MenuBar().PaintItem(*form->GetSurface(SurfaceArea::Window), form->MenuBarRect(), 1);
    seen.push_back(!popupHidden.empty() && popupHidden.back());
    seen.push_back(!barHidden.empty() && barHidden.back());
    screen().InjectKey(VK_ESCAPE);
    screen().InjectKey(VK_ESCAPE);
  };
  During(look);
  Click(BarItemCentre(game));
  During(look);
  KeyWith(VK_MENU, 'G');
  EXPECT_EQ(seen, (std::vector<bool>{true, true, false, false}));
}

TEST_F(MenuTest, ItemScreenRectsOfShownItemsOnly) {
  EXPECT_EQ(MenuItemScreenRect(game), form->MenuBar().ItemScreenRect(game));
  EXPECT_TRUE(MenuItemScreenRect(newGame).IsEmpty());  // its popup is closed
  gfx::Rect shown;
  During([&] {
    shown = MenuItemScreenRect(newGame);
    screen().InjectKey(VK_ESCAPE);
    screen().InjectKey(VK_ESCAPE);
  });
  Click(BarItemCentre(game));
  gfx::Rect bar = form->MenuBar().ItemScreenRect(game);
  EXPECT_FALSE(shown.IsEmpty());
  EXPECT_GE(shown.Top, bar.Bottom);
}

TEST_F(MenuTest, ClickOutsideOrEscClosesWithoutChoosing) {
  During([&] { screen().InjectClick({5, 5}); });
  Click(BarItemCentre(game));
  EXPECT_TRUE(clicked.empty());
  EXPECT_EQ(OpenPopups(), 0);
  During([&] {
    screen().InjectKey(VK_ESCAPE);  // closes the popup, the bar stays selected
    screen().InjectKey(VK_ESCAPE);
  });
  Click(BarItemCentre(help));
  EXPECT_TRUE(clicked.empty());
  EXPECT_EQ(OpenPopups(), 0);
}

TEST_F(MenuTest, KeyboardNavigationWithAltArrowsAndAccelerators) {
  // Alt alone enters the bar; Right moves to Help; Down opens; Enter picks About.
  During([&] {
    screen().InjectKey(VK_RIGHT);
    screen().InjectKey(VK_DOWN);
    screen().InjectKey(VK_RETURN);
  });
  Key(VK_MENU);
  EXPECT_EQ(clicked, (std::vector<std::string>{"&About"}));
  // Alt+G opens Game; L opens Level; H chooses Hard.
  clicked.clear();
  During([&] {
    screen().InjectKey('L');
    screen().InjectKey('H');
  });
  KeyWith(VK_MENU, 'G');
  EXPECT_EQ(clicked, (std::vector<std::string>{"&Hard"}));
  // Down skips the separator: New, Level, Exit.
  clicked.clear();
  During([&] {
    screen().InjectKey(VK_DOWN);
    screen().InjectKey(VK_DOWN);
    screen().InjectKey(VK_RETURN);
  });
  KeyWith(VK_MENU, 'G');
  EXPECT_EQ(clicked, (std::vector<std::string>{"E&xit"}));
}

// On a Russian layout the keys type Cyrillic letters: Alt+"С" (the key C)
// opens "&Справка", then "О" (the key J) chooses "&О программе".
TEST_F(MenuTest, CyrillicAcceleratorsMatchWhatTheKeysType) {
  EXPECT_EQ(AcceleratorOf("&Справка"), U'с');
  MenuItem* ru = Add(menu->Items(), "&Справка");
  Add(ru, "&О программе");
  During([&] {
    screen().InjectKeyDown('J', std::string("О"));  // Shift held: upper case
    screen().InjectKeyUp('J');
  });
  screen().InjectKeyDown(VK_MENU);
  screen().InjectKeyDown('C', std::string("с"));
  screen().InjectKeyUp('C');
  screen().InjectKeyUp(VK_MENU);
  app().ProcessMessages();
  EXPECT_EQ(clicked, (std::vector<std::string>{"&О программе"}));
}

TEST_F(MenuTest, CtrlNRunsTheShortcutOnlyWhenEnabled) {
  KeyWith(VK_CONTROL, 'N');
  EXPECT_EQ(clicked, (std::vector<std::string>{"&New"}));
  newGame->SetEnabled(false);
  KeyWith(VK_CONTROL, 'N');
  EXPECT_EQ(clicked.size(), 1u);
}

TEST_F(MenuTest, AltSpaceOpensTheSystemMenuAndItsCommandRuns) {
  ScopedLocale english("C");  // the accelerator typed below is English
  std::vector<std::intptr_t> commands;
  PopupMenu* sys = form->SystemMenu();
  ProcHook watch(*form, [&](Message& m, const WndMethod& next) {
    if (m.msg == WM_SYSCOMMAND) commands.push_back(static_cast<std::intptr_t>(m.wParam));
    if (m.msg == WM_INITMENUPOPUP) commands.push_back(HiWord(static_cast<WPARAM>(m.lParam)) ? -1 : -2);
    next(m);
  });
  bool restoreEnabled = true;
  During([&] {
    for (MenuItem* i : sys->Items()->Items())
      if (i->Tag() == static_cast<std::intptr_t>(SC_RESTORE)) restoreEnabled = i->Enabled();
    screen().InjectKey('X');  // Ma&ximize
  });
  KeyWith(VK_MENU, VK_SPACE);
  EXPECT_FALSE(restoreEnabled);
  ASSERT_GE(commands.size(), 3u);
  EXPECT_EQ(commands[0], static_cast<std::intptr_t>(SC_KEYMENU));
  EXPECT_EQ(commands[1], -1);  // popup init with the system-menu flag
  EXPECT_EQ(commands.back(), static_cast<std::intptr_t>(SC_MAXIMIZE));
  EXPECT_EQ(form->GetWindowState(), WindowState::wsMaximized);
}

TEST_F(MenuTest, OwnerDrawnBarItemsAreMeasuredAndDrawnByTheirEvents) {
  int draws = 0;
  OwnerDrawState lastState = 0;
  help->OnMeasureItem = [](Component*, gfx::Canvas&, int& w, int&) { w = 77; };
  help->OnAdvancedDrawItem = [&](Component*, gfx::Canvas& c, gfx::Rect r, OwnerDrawState s) {
    ++draws;
    lastState = s;
    c.FillRect(r, gfx::RGB(1, 2, 3));
  };
  menu->Changed();
  app().ProcessMessages();
  gfx::Rect r = form->MenuBar().ItemScreenRect(help);
  EXPECT_EQ(r.Width(), 77);
  EXPECT_GT(draws, 0);
  EXPECT_EQ(Pixel({r.Left + 3, r.Top + 3}), gfx::RGB(1, 2, 3));
  // Hot tracking repaints the item with the hot-light state.
  Move({r.Left + 3, r.Top + 3});
  EXPECT_TRUE(lastState & odHotLight);
  // The comparable event can be recognised and cleared.
  auto copy = help->OnAdvancedDrawItem;
  EXPECT_TRUE(copy == help->OnAdvancedDrawItem);
  help->OnAdvancedDrawItem.Clear();
  EXPECT_FALSE(help->IsOwnerDrawn() && help->OnAdvancedDrawItem);
}

TEST_F(MenuTest, PopupMenuWindowIsARealSubclassableWindowWithAThreePixelBorder) {
  auto* popup = new PopupMenu(form);
  MenuItem* one = Add(popup->Items(), "One");
  int erases = 0;
  bool bordered = false;
  During([&] {
    for (WinControl* w : app().TopLevels())
      if (auto* p = dynamic_cast<PopupMenuWindow*>(w)) {
        bordered = p->ClientRectInWindow() == gfx::Rect{3, 3, p->Width() - 3, p->Height() - 3};
        ProcHook h(*p, [&](Message& m, const WndMethod& next) {
          if (m.msg == WM_ERASEBKGND) {
            ++erases;
            m.result = 1;
            return;
          }
          next(m);
        });
        p->RedrawWindow(nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
      }
    screen().InjectClick(PopupItemCentre(one));
  });
  popup->Popup(200, 200);
  EXPECT_TRUE(bordered);
  EXPECT_EQ(erases, 1);
  EXPECT_EQ(clicked, (std::vector<std::string>{"One"}));
}

}  // namespace
}  // namespace ui::testing
