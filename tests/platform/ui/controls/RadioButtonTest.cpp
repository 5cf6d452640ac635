#include "platform/ui/controls/RadioButton.h"

#include <string>
#include <utility>
#include <vector>

#include "platform/ui/controls/GroupBox.h"
#include "tests/platform/ui/controls/ControlsFixture.h"

namespace ui::test {
namespace {

class RadioButtonTest : public ControlsFixture {
 protected:
  void SetUp() override {
    ControlsFixture::SetUp();
    box = new GroupBox(form);
    box->SetParent(form);
    box->SetBounds(10, 10, 200, 120);
    box->SetCaption("Group");
    for (int i = 0; i < 3; ++i) {
      auto* r = new RadioButton(form);
      r->SetParent(box);
      r->SetBounds(16, 20 + 24 * i, 120, 20);
      r->SetCaption("Radio " + std::to_string(i));
      r->OnClick = [this, i](Component*) { clicks.push_back(i); };
      radios.push_back(r);
    }
    radios[0]->SetChecked(true);
    clicks.clear();
  }
  std::vector<bool> Checks() const {
    std::vector<bool> v;
    for (auto* r : radios) v.push_back(r->Checked());
    return v;
  }
  GroupBox* box = nullptr;
  std::vector<RadioButton*> radios;
  std::vector<int> clicks;
};

// Disabled text is embossed like a disabled push button's.
TEST_F(RadioButtonTest, DisabledTextIsEmbossed) {
  RadioButton* r = radios[1];
  r->SetBounds(16, 44, 176, 28);
  r->SetCaption("Попробовать");
  gfx::Font f = r->Font();
  f.Name = "Tahoma";
  f.Height = -20;
  r->SetFont(f);
  r->SetEnabled(false);
  ShowForm();
  ExpectEmbossed(*r, {16, 0, 176, 28}, gfx::ColorToRGB(r->Color()), 51, 21);
}

TEST_F(RadioButtonTest, ClickChecksOneAndUnchecksTheSiblings) {
  ShowForm();
  Click(*radios[2], 5, 5);
  EXPECT_EQ(Checks(), (std::vector<bool>{false, false, true}));
  EXPECT_EQ(clicks, std::vector<int>{2});
  EXPECT_TRUE(radios[2]->TabStop());
  EXPECT_FALSE(radios[0]->TabStop()) << "only the checked button is a tab stop";
}

TEST_F(RadioButtonTest, PressFocusesWithoutCheckingUntilRelease) {
  ShowForm();
  Press(*radios[1], 5, 5);
  EXPECT_TRUE(radios[1]->Focused());
  EXPECT_FALSE(radios[1]->Checked());
  EXPECT_TRUE(radios[1]->Pressed());
  // Released outside: no check.
  Release(At(*radios[1], 500, 5));
  EXPECT_FALSE(radios[1]->Checked());
  EXPECT_TRUE(clicks.empty());
}

TEST_F(RadioButtonTest, DoubleClickReachesItsEvent) {
  int dbl = 0, downs = 0, ups = 0;
  radios[1]->OnDblClick = [&](Component*) { ++dbl; };
  radios[1]->OnMouseDown = [&](Component*, MouseButton, ShiftState, int, int) { ++downs; };
  radios[1]->OnMouseUp = [&](Component*, MouseButton, ShiftState, int, int) { ++ups; };
  ShowForm();
  Click(*radios[1], 5, 5);
  Click(*radios[1], 5, 5);
  EXPECT_EQ(dbl, 1);
  EXPECT_EQ(downs, 2);
  EXPECT_EQ(ups, 2);
  EXPECT_TRUE(radios[1]->Checked());
  EXPECT_EQ(clicks, std::vector<int>{1}) << "checking an already checked button is no new click";
}

TEST_F(RadioButtonTest, ArrowKeysMoveTheCheckWithinTheGroup) {
  ShowForm();
  radios[0]->SetFocus();
  Key(VK_DOWN);
  EXPECT_EQ(Checks(), (std::vector<bool>{false, true, false}));
  EXPECT_TRUE(radios[1]->Focused());
  Key(VK_RIGHT);
  EXPECT_EQ(Checks(), (std::vector<bool>{false, false, true}));
  Key(VK_DOWN);  // wraps around
  EXPECT_EQ(Checks(), (std::vector<bool>{true, false, false}));
  Key(VK_UP);
  EXPECT_EQ(Checks(), (std::vector<bool>{false, false, true}));
  // A disabled button is skipped.
  radios[0]->SetEnabled(false);
  Key(VK_DOWN);
  EXPECT_EQ(Checks(), (std::vector<bool>{false, true, false}));
  EXPECT_EQ(clicks, (std::vector<int>{1, 2, 0, 2, 1}));
}

TEST_F(RadioButtonTest, SpaceChecksOnKeyUp) {
  ShowForm();
  radios[1]->SetFocus();
  KeyDown(VK_SPACE);
  EXPECT_TRUE(radios[1]->Pressed());
  EXPECT_FALSE(radios[1]->Checked());
  KeyUp(VK_SPACE);
  EXPECT_TRUE(radios[1]->Checked());
  EXPECT_FALSE(radios[0]->Checked());

  // Esc while the space bar is held: no check on its release.
  radios[2]->SetFocus();
  KeyDown(VK_SPACE);
  ASSERT_TRUE(radios[2]->Pressed());
  Key(VK_ESCAPE);
  EXPECT_FALSE(radios[2]->Pressed());
  KeyUp(VK_SPACE);
  EXPECT_EQ(Checks(), (std::vector<bool>{false, true, false}));
}

TEST_F(RadioButtonTest, CheckMessages) {
  radios[2]->Perform(BM_SETCHECK, BST_CHECKED);
  EXPECT_EQ(Checks(), (std::vector<bool>{false, false, true}));
  EXPECT_EQ(radios[2]->Perform(BM_GETCHECK), static_cast<LRESULT>(BST_CHECKED));
  radios[2]->Perform(BM_SETSTATE, 1);
  EXPECT_TRUE(radios[2]->Pressed());
  EXPECT_EQ(radios[2]->Perform(BM_GETSTATE) & static_cast<LRESULT>(BST_PUSHED),
            static_cast<LRESULT>(BST_PUSHED));
  radios[2]->Perform(BM_SETCHECK, BST_UNCHECKED);
  EXPECT_EQ(Checks(), (std::vector<bool>{false, false, false}));
}

TEST_F(RadioButtonTest, GlyphSideFollowsAlignmentAndReadingOrder) {
  RadioButton* r = radios[0];
  EXPECT_TRUE(r->GlyphAtLeft());
  r->SetAlignment(Alignment::taLeftJustify);
  EXPECT_FALSE(r->GlyphAtLeft());
  r->SetBiDiMode(BiDiMode::bdRightToLeft);
  EXPECT_TRUE(r->GlyphAtLeft());
}

TEST_F(RadioButtonTest, GroupBoxIsRecognisableAndKeepsChildrenBelowItsCaption) {
  EXPECT_EQ(box->Style() & BS_TYPEMASK, BS_GROUPBOX);
  EXPECT_FALSE(box->HasStyle(csOpaque));
  EXPECT_GE(box->DisplayRect().Top, box->CaptionHeight());
}

// The classic circle: round without bumps, with the inner dark ring; the
// well turns to the face colour when disabled, the dot to shadow. In the
// classic scheme highlight and window are both white ('h') and light and face
// both grey ('l').
TEST_F(RadioButtonTest, CircleIsTheClassicOne) {
  ShowForm();
  auto circle = [this](RadioButton& r) {
    const std::pair<gfx::Color, char> names[] = {{gfx::clBtnShadow, 's'},
                                                 {gfx::cl3DDkShadow, 'd'},
                                                 {gfx::clBtnHighlight, 'h'},
                                                 {gfx::cl3DLight, 'l'},
                                                 {gfx::clWindowText, 'x'}};
    const int top = (r.Height() - 13) / 2;
    std::vector<std::string> rows;
    for (int y = 0; y < 13; ++y) {
      std::string row;
      for (int x = 0; x < 13; ++x) {
        const gfx::Color c = Pixel(r, x, top + y);
        char ch = '?';
        for (auto [color, name] : names)
          if (ch == '?' && c == gfx::ColorToRGB(color)) ch = name;
        row += ch;
      }
      rows.push_back(row);
    }
    return rows;
  };
  radios[2]->SetEnabled(false);
  // Outside the circle the control's face shows ('l').
  EXPECT_EQ(circle(*radios[0]), (std::vector<std::string>{"llllsssslllll",  //
                                                          "llssddddsslll",  //
                                                          "lsddhhhhddhll",  //
                                                          "lsdhhhhhhlhll",  //
                                                          "sdhhhxxhhhlhl",  //
                                                          "sdhhxxxxhhlhl",  //
                                                          "sdhhxxxxhhlhl",  //
                                                          "sdhhhxxhhhlhl",  //
                                                          "lsdhhhhhhlhll",  //
                                                          "lsdlhhhhllhll",  //
                                                          "llhhllllhhlll",  //
                                                          "llllhhhhlllll",  //
                                                          "lllllllllllll"}));
  EXPECT_EQ(circle(*radios[1])[5], "sdhhhhhhhhlhl");
  EXPECT_EQ(circle(*radios[2])[5], "sdlllllllllhl");
  radios[2]->SetChecked(true);
  EXPECT_EQ(circle(*radios[2])[5], "sdllsssslllhl");
}

}  // namespace
}  // namespace ui::test
