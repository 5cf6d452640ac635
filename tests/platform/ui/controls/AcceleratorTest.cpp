// `&` accelerators of the standard controls from the keyboard: Alt+character
// always, a plain character while the focused control takes no characters;
// the menu bar comes first for Alt.
#include "platform/ui/Accelerator.h"

#include <functional>
#include <memory>

#include "platform/ui/controls/Button.h"
#include "platform/ui/controls/GroupBox.h"
#include "platform/ui/controls/Label.h"
#include "platform/ui/controls/Memo.h"
#include "platform/ui/controls/RadioButton.h"
#include "platform/ui/controls/SpeedButton.h"
#include "platform/ui/menus/MenuTracker.h"
#include "platform/ui/menus/Menus.h"
#include "tests/platform/ui/controls/ControlsFixture.h"

namespace ui::test {
namespace {

TEST(AcceleratorCharTest, FoldsLatinGreekAndCyrillic) {
  struct Case {
    char32_t In, Out;
  };
  const Case cases[] = {
      {U'A', U'a'}, {U'z', U'z'}, {U'7', U'7'}, {U'&', U'&'},           {U'Ä', U'ä'},
      {U'×', U'×'}, {U'Ł', U'ł'}, {U'Ÿ', U'ÿ'}, {U'Ω', U'ω'},           {U'Ά', U'ά'},
      {U'Н', U'н'}, {U'Я', U'я'}, {U'Ё', U'ё'}, {U'Ї', U'ї'},           {U'Ѣ', U'ѣ'},
      {U'Ӂ', U'ӂ'}, {U'Ӑ', U'ӑ'}, {U'я', U'я'}, {U'\u4E2D', U'\u4E2D'},
  };
  for (const Case& c : cases) EXPECT_EQ(FoldCase(c.In), c.Out) << static_cast<unsigned>(c.In);
}

TEST(AcceleratorCharTest, CharacterAfterTheFirstSingleAmpersand) {
  struct Case {
    const char* Caption;
    char32_t Accel;
  };
  const Case cases[] = {
      {"&Start", U's'}, {"Sta&rt", U'r'}, {"&Начать", U'н'}, {"Save && E&xit", U'x'}, {"Fish && Chips", 0},
      {"End&", 0},      {"", 0},          {"&&&Ёлка", U'ё'}, {"&a &b", U'a'},         {"Level &2", U'2'},
  };
  for (const Case& c : cases) EXPECT_EQ(AccelCharOf(c.Caption), c.Accel) << c.Caption;
  EXPECT_TRUE(IsAccel(U'Н', "&начать"));
  EXPECT_TRUE(IsAccel(U'x', "E&Xit"));
  EXPECT_FALSE(IsAccel(U'&', "Fish && Chips"));
  EXPECT_FALSE(IsAccel(0, "No accelerator"));
}

class AcceleratorTest : public ControlsFixture {
 protected:
  void SetUp() override {
    ControlsFixture::SetUp();
    start = AddButton("&Начать", 10);
    quit = AddButton("&Quit", 40);
    memo = new Memo(form);
    memo->SetParent(form);
    memo->SetBounds(200, 10, 150, 60);
    memo->SetReadOnly(true);
  }
  Button* AddButton(const std::string& caption, int top, WinControl* parent = nullptr) {
    auto* b = new Button(form);
    b->SetParent(parent ? parent : form);
    b->SetBounds(10, top, 100, 25);
    b->SetCaption(caption);
    b->OnClick = [this, caption](Component*) { clicks.push_back(caption); };
    return b;
  }
  // A key with Alt held; `text` is what the layout would type for the key.
  void AltKey(int vk, const char* text = nullptr) {
    backend.InjectKeyDown(VK_MENU);
    if (text)
      backend.InjectKeyDown(vk, std::string(text));
    else
      backend.InjectKeyDown(vk);
    backend.InjectKeyUp(vk);
    backend.InjectKeyUp(VK_MENU);
    app->ProcessMessages();
  }
  // A plain key that types `text`.
  void TypeKey(int vk, const char* text) {
    backend.InjectKeyDown(vk, std::string(text));
    backend.InjectKeyUp(vk);
    app->ProcessMessages();
  }
  void Focus(WinControl* c) {
    c->SetFocus();
    app->ProcessMessages();
    ASSERT_TRUE(c->Focused());
  }

  Button* start = nullptr;
  Button* quit = nullptr;
  Memo* memo = nullptr;
  std::vector<std::string> clicks;
};

// Which keys click "&Quit" and "&Начать", by what holds the focus.
TEST_F(AcceleratorTest, KeysThatClickAButton) {
  struct Case {
    const char* Name;
    bool MemoFocused;
    bool Alt;
    int Vk;
    const char* Text;
    std::vector<std::string> Expected;
  };
  const Case cases[] = {
      {"Alt+Q, button focused", false, true, 'Q', nullptr, {"&Quit"}},
      {"Alt+Q, memo focused", true, true, 'Q', nullptr, {"&Quit"}},
      {"plain q, button focused", false, false, 'Q', "q", {"&Quit"}},
      {"plain Q (shifted), button focused", false, false, 'Q', "Q", {"&Quit"}},
      {"plain q, memo wants characters", true, false, 'Q', "q", {}},
      {"Cyrillic capital with Alt", true, true, 'Y', "Н", {"&Начать"}},
      {"Cyrillic small, button focused", false, false, 'Y', "н", {"&Начать"}},
      {"no accelerator", false, true, 'Z', nullptr, {}},
  };
  ShowForm();
  for (const Case& c : cases) {
    clicks.clear();
    Focus(c.MemoFocused ? static_cast<WinControl*>(memo) : start);
    if (c.Alt)
      AltKey(c.Vk, c.Text);
    else
      TypeKey(c.Vk, c.Text);
    EXPECT_EQ(clicks, c.Expected) << c.Name;
  }
}

TEST_F(AcceleratorTest, CharacterUsedByAnAcceleratorIsNotTypedButOthersAre) {
  std::u32string typed;
  start->OnKeyPress = [&](Component*, char32_t& ch) { typed += ch; };
  ShowForm();
  Focus(start);
  TypeKey('Q', "q");
  TypeKey('W', "w");
  EXPECT_EQ(typed, U"w");
  EXPECT_EQ(clicks, std::vector<std::string>{"&Quit"});
}

TEST_F(AcceleratorTest, DisabledHiddenAndLiteralAmpersandsNeverAnswer) {
  Button* second = AddButton("&Query", 70);
  Button* literal = AddButton("Fish && Chips", 100);
  ShowForm();
  Focus(memo);
  quit->SetEnabled(false);
  AltKey('Q');
  EXPECT_EQ(clicks, std::vector<std::string>{"&Query"}) << "the next matching control answers";
  second->SetVisible(false);
  AltKey('Q');
  EXPECT_EQ(clicks.size(), 1u);
  AltKey('C');
  EXPECT_EQ(clicks.size(), 1u) << literal->Caption();
}

TEST_F(AcceleratorTest, SpeedButtonClicksAndTogglesInItsGroup) {
  auto* sb = new SpeedButton(form);
  sb->SetParent(form);
  sb->SetBounds(10, 140, 80, 25);
  sb->SetCaption("&Pause");
  sb->SetGroupIndex(1);
  sb->SetAllowAllUp(true);
  int sbClicks = 0;
  sb->OnClick = [&](Component*) { ++sbClicks; };
  ShowForm();
  Focus(start);
  AltKey('P');
  EXPECT_EQ(sbClicks, 1);
  EXPECT_TRUE(sb->Down());
  TypeKey('P', "p");
  EXPECT_EQ(sbClicks, 2);
  EXPECT_FALSE(sb->Down());
}

// The space bar on a focused button is a dialog character as well (nobody
// answers it): a skinned button repaints its pushed look on it.
TEST_F(AcceleratorTest, SpaceReachesTheFocusedButtonAsDialogCharacterWhilePushed) {
  std::vector<bool> pushedOnSpace;
  quit->AddProc([&](Message& m, const WndMethod& next) {
    if (m.msg == CM_DIALOGCHAR && m.wParam == ' ') pushedOnSpace.push_back(quit->Pushed());
    next(m);
  });
  ShowForm();
  Focus(quit);
  backend.InjectKeyDown(VK_SPACE);
  app->ProcessMessages();
  EXPECT_EQ(pushedOnSpace, std::vector<bool>{true});
  EXPECT_TRUE(clicks.empty());
  backend.InjectKeyUp(VK_SPACE);
  app->ProcessMessages();
  EXPECT_EQ(clicks, std::vector<std::string>{"&Quit"});
}

TEST_F(AcceleratorTest, RadioButtonTakesFocusAndChecks) {
  auto* box = new GroupBox(form);
  box->SetParent(form);
  box->SetBounds(10, 140, 180, 100);
  box->SetCaption("&Уровень");
  std::vector<RadioButton*> radios;
  for (const char* caption : {"&Лёгкий", "&Средний", "Не&реальный"}) {
    auto* r = new RadioButton(form);
    r->SetParent(box);
    r->SetBounds(10, 20 + 24 * static_cast<int>(radios.size()), 150, 20);
    r->SetCaption(caption);
    radios.push_back(r);
  }
  radios[0]->SetChecked(true);
  ShowForm();
  Focus(start);

  AltKey('R', "р");
  EXPECT_TRUE(radios[2]->Checked());
  EXPECT_TRUE(radios[2]->Focused());
  EXPECT_FALSE(radios[0]->Checked());

  // The group box passes the focus to its child that is a tab stop: the
  // checked radio button, which stays as it is.
  Focus(start);
  AltKey('E', "У");
  EXPECT_TRUE(radios[2]->Focused());
  EXPECT_TRUE(radios[2]->Checked());

  // A plain letter while a radio button is focused (it takes no characters).
  TypeKey('C', "с");
  EXPECT_TRUE(radios[1]->Checked());
  EXPECT_TRUE(radios[1]->Focused());

  // A disabled group box hides its children's accelerators too.
  box->SetEnabled(false);
  Focus(start);
  AltKey('F', "л");
  EXPECT_FALSE(radios[0]->Checked());
  EXPECT_TRUE(start->Focused());
}

TEST_F(AcceleratorTest, LabelFocusesItsFocusControlOnlyWithShowAccelChar) {
  auto* label = new Label(form);
  label->SetParent(form);
  label->SetBounds(200, 100, 60, 17);
  label->SetCaption("&Text");
  label->SetFocusControl(memo);
  ShowForm();
  Focus(start);
  AltKey('T');
  EXPECT_TRUE(memo->Focused());

  Focus(start);
  label->SetShowAccelChar(false);
  AltKey('T');
  EXPECT_TRUE(start->Focused());

  label->SetShowAccelChar(true);
  memo->SetEnabled(false);
  AltKey('T');
  EXPECT_TRUE(start->Focused()) << "the focus control cannot take the focus";
}

// With Alt the menu bar's accelerators win; a plain letter never opens the
// menu.
TEST_F(AcceleratorTest, MenuBarComesFirstWithAlt) {
  auto* menu = new MainMenu(form);
  auto* item = new MenuItem(form);
  item->SetCaption("&Quit game");
  menu->Items()->Add(item);
  form->SetMenu(menu);
  ShowForm();
  Focus(start);

  bool menuOpened = false;
  // Close the menu from inside its loop.
  int id = 0;
  id = app->StartCallbackTimer(10, [&] {
    app->StopCallbackTimer(id);
    menuOpened = MenuTracker::Current() != nullptr;
    backend.InjectKey(VK_ESCAPE);
    backend.InjectKey(VK_ESCAPE);
  });
  AltKey('Q');
  EXPECT_TRUE(menuOpened);
  EXPECT_TRUE(clicks.empty());
  app->StopCallbackTimer(id);

  TypeKey('Q', "q");
  EXPECT_EQ(clicks, std::vector<std::string>{"&Quit"});
}

TEST_F(AcceleratorTest, OnlyTheActiveFormsControlsAnswer) {
  Form* other = app->CreateForm<Form>([](Form& f) { f.SetBounds(600, 100, 200, 150); });
  auto* b = new Button(other);
  b->SetParent(other);
  b->SetCaption("&Quit too");
  int otherClicks = 0;
  b->OnClick = [&](Component*) { ++otherClicks; };
  ShowForm();
  other->ShowForm();
  app->ProcessMessages();
  ASSERT_TRUE(other->Active());
  AltKey('Q');
  EXPECT_EQ(otherClicks, 1);
  EXPECT_TRUE(clicks.empty());
}

}  // namespace
}  // namespace ui::test
