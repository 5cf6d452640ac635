// The speed button's drop-down part: the 16-pixel arrow part added and taken
// away with the style, which presses open the menu (and which click them),
// the open-dropdown record while the menu is shown, the arrow part's pressed
// look then, and what is left after the menu closes.
#include <gtest/gtest.h>


#include "platform/ui/Application.h"
#include "platform/ui/menus/Menus.h"
#include "platform/ui/menus/PopupMenuWindow.h"
#include "skin/controls/sSpeedButton.h"
#include "tests/skin/controls/BindingTestSupport.h"
#include "tests/skin/controls/ButtonTestSupport.h"

namespace skin::testing {
namespace {

class SpeedButtonDropdown : public BindingFixture {
 protected:
  void SetUp() override {
    LoadSkin(ButtonSkin());
    form = NewForm({0, 0, 400, 300});
    parent = new BackdropParent(form);
    parent->SetParent(form);
    parent->SetBounds(0, 0, 300, 200);
    parent->Color = gfx::RGB(1, 2, 3);
    button = new TsSpeedButton(form);
    button->SetParent(parent);
    button->SetBounds(10, 20, 60, 30);
    button->SkinData().SetSkinSection("SPEEDBUTTON");
    button->SkinData().Loaded();
    menu = new ui::PopupMenu(form);
    auto* item = new ui::MenuItem(menu);
    item->SetCaption("Item");
    menu->Items()->Add(item);
    Show(form);
  }
  struct Seen {
    bool Open = false;
    TsSpeedButton* Button = nullptr;
    ui::Component* PopupComponent = nullptr;
    int ArrowState = -1;
    gfx::Point At;
  };
  // Presses at (x, 10) of the button; while a menu is shown it notes what it
  // sees and closes the menu with Esc.
  Seen PressAt(int x) {
    Seen seen;
    menu->OnPopup = [&](ui::Component*) {
      seen.Open = DropdownMenuOpen();
      seen.Button = OpenDropdownButton();
      seen.PopupComponent = menu->PopupComponent();
      // The arrow part's left band shows the pressed cell.
      button->RenderCache();
      const gfx::Color band = button->SkinData().CacheBitmap.PixelAt(button->Width() - 16 + 1, 15);
      for (int k = 0; k < 3; ++k)
        if (band == kCellColors[k]) seen.ArrowState = k;
      During([this, &seen] {
        for (ui::WinControl* w : app().TopLevels())
          if (auto* p = dynamic_cast<ui::PopupMenuWindow*>(w); p && p->Visible()) seen.At = p->BoundsRect().TopLeft();
        screen().InjectKey(ui::VK_ESCAPE);
      });
    };
    Down(ClientPoint(button, x, 10));
    Up(ClientPoint(button, x, 10));
    return seen;
  }

  ui::Form* form = nullptr;
  BackdropParent* parent = nullptr;
  TsSpeedButton* button = nullptr;
  ui::PopupMenu* menu = nullptr;
};

TEST_F(SpeedButtonDropdown, TheStyleAddsAndRemovesTheArrowPart) {
  button->SetButtonStyle(TToolButtonStyle::tbsDropDown);
  EXPECT_EQ(button->Width(), 76);
  EXPECT_EQ(button->ArrowWidth(), 16);
  button->SetButtonStyle(TToolButtonStyle::tbsButton);
  EXPECT_EQ(button->Width(), 60);
  EXPECT_EQ(button->ArrowWidth(), 0);
}

// With OnClick: a press on the arrow part opens the menu, one on the main
// part clicks. Without OnClick any press opens it.
TEST_F(SpeedButtonDropdown, PressesOnTheArrowPartOpenTheMenu) {
  button->SetButtonStyle(TToolButtonStyle::tbsDropDown);
  button->SetDropdownMenu(menu);
  int clicks = 0;
  button->OnClick = [&](ui::Component*) { ++clicks; };
  struct Case {
    const char* Name;
    bool WithClick;
    int X;
    bool Opens;
  };
  const Case cases[] = {
      {"arrow part", true, 70, true},
      {"main part", true, 20, false},
      {"last pixel of the main part", true, 60, false},
      {"main part without OnClick", false, 20, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    if (!c.WithClick) button->OnClick = nullptr;
    clicks = 0;
    const Seen seen = PressAt(c.X);
    EXPECT_EQ(seen.Open, c.Opens);
    EXPECT_EQ(clicks, c.Opens || !c.WithClick ? 0 : 1);
    if (c.Opens) {
      EXPECT_EQ(seen.Button, button);
      EXPECT_EQ(seen.PopupComponent, button);
      EXPECT_EQ(seen.ArrowState, 2);
      // Below the button: at its client point (0, Height + 1).
      EXPECT_EQ(seen.At, button->ClientToScreen({0, button->Height() + 1}));
    }
    // After the menu closed, nothing is left open or pressed.
    EXPECT_FALSE(DropdownMenuOpen());
    EXPECT_EQ(OpenDropdownButton(), nullptr);
    EXPECT_NE(button->VisualState(), 2);
  }
}

}  // namespace
}  // namespace skin::testing
