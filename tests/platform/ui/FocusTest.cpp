// Keyboard focus: initial focus, Tab order, focus on click, and the dialog
// keys Enter and Esc on default and cancel buttons.
#include "tests/platform/ui/TestControls.h"
#include "tests/platform/ui/UiFixture.h"

namespace ui::testing {
namespace {

class FocusTest : public UiFixture {
 protected:
  void SetUp() override {
    form = NewForm({100, 100, 400, 300});
    // Created in one order, tab order set differently.
    b1 = new TestButton(form, form, {10, 10, 80, 35});
    b2 = new TestButton(form, form, {10, 50, 80, 75});
    b3 = new TestButton(form, form, {10, 90, 80, 115});
    b3->SetTabOrder(0);  // tab order: b3, b1, b2
  }
  Form* form = nullptr;
  TestButton* b1 = nullptr;
  TestButton* b2 = nullptr;
  TestButton* b3 = nullptr;
};

TEST_F(FocusTest, FirstControlInTabOrderGetsFocusThenTabCycles) {
  Show(form);
  EXPECT_TRUE(form->Active());
  EXPECT_EQ(app().FocusedControl(), b3);
  Key(VK_TAB);
  EXPECT_EQ(app().FocusedControl(), b1);
  Key(VK_TAB);
  EXPECT_EQ(app().FocusedControl(), b2);
  Key(VK_TAB);
  EXPECT_EQ(app().FocusedControl(), b3);
  KeyWith(VK_SHIFT, VK_TAB);
  EXPECT_EQ(app().FocusedControl(), b2);
  EXPECT_EQ(b2->focusIn, 2);
  EXPECT_EQ(b3->focusOut, 2);
}

TEST_F(FocusTest, TabSkipsDisabledHiddenAndNonTabStopControls) {
  b1->SetEnabled(false);
  Show(form);
  Key(VK_TAB);
  EXPECT_EQ(app().FocusedControl(), b2);
  b3->SetVisible(false);
  Key(VK_TAB);
  EXPECT_EQ(app().FocusedControl(), b2);  // the only one left
  b1->SetEnabled(true);
  b1->SetTabStop(false);
  Key(VK_TAB);
  EXPECT_EQ(app().FocusedControl(), b2);
}

TEST_F(FocusTest, InitialFocusGoesToTheFirstEnabledVisibleControlInTabOrder) {
  b3->SetEnabled(false);
  b1->SetVisible(false);
  Show(form);
  EXPECT_EQ(app().FocusedControl(), b2);
}

// Shift+Tab walks the tab order backwards, skipping what cannot take the
// focus, and wraps at the start.
TEST_F(FocusTest, ShiftTabSkipsDisabledAndHiddenControlsAndWraps) {
  auto* b4 = new TestButton(form, form, {10, 130, 80, 155});  // tab order: b3, b1, b2, b4
  Show(form);
  ASSERT_EQ(app().FocusedControl(), b3);
  b4->SetEnabled(false);
  b2->SetVisible(false);
  KeyWith(VK_SHIFT, VK_TAB);
  EXPECT_EQ(app().FocusedControl(), b1) << "b4 disabled and b2 hidden";
  KeyWith(VK_SHIFT, VK_TAB);
  EXPECT_EQ(app().FocusedControl(), b3);
  b4->SetEnabled(true);
  KeyWith(VK_SHIFT, VK_TAB);
  EXPECT_EQ(app().FocusedControl(), b4);
  Key(VK_TAB);
  EXPECT_EQ(app().FocusedControl(), b3) << "forward wraps from the last";
}

TEST_F(FocusTest, ClickFocusesAndDisablingMovesFocusOn) {
  Show(form);
  Click(ClientPoint(b2, 5, 5));
  EXPECT_EQ(app().FocusedControl(), b2);
  EXPECT_EQ(form->ActiveControl(), b2);
  b2->SetEnabled(false);
  app().ProcessMessages();
  EXPECT_NE(app().FocusedControl(), b2);
}

TEST_F(FocusTest, HidingTheFocusedControlMovesTheFocusOn) {
  Show(form);
  ASSERT_EQ(app().FocusedControl(), b3);
  b3->SetVisible(false);
  EXPECT_EQ(app().FocusedControl(), b1);
  b1->SetVisible(false);
  b2->SetVisible(false);
  EXPECT_EQ(app().FocusedControl(), nullptr);
  Key(VK_TAB);  // nothing to focus, nothing breaks
  EXPECT_EQ(app().FocusedControl(), nullptr);
}

TEST_F(FocusTest, EnterAndEscClickDefaultAndCancelOnlyWhenEnabled) {
  b1->isDefault = true;
  b2->isCancel = true;
  Show(form);
  Key(VK_RETURN);
  Key(VK_ESCAPE);
  EXPECT_EQ(b1->clicks, 1);
  EXPECT_EQ(b2->clicks, 1);
  b1->SetEnabled(false);
  b2->SetEnabled(false);
  Key(VK_RETURN);
  Key(VK_ESCAPE);
  EXPECT_EQ(b1->clicks, 1);
  EXPECT_EQ(b2->clicks, 1);
}

TEST_F(FocusTest, EscWithoutCancelButtonDoesNothingAndKeysReachTheFocusedControl) {
  unsigned seen = 0;
  b3->OnKeyDown = [&](Component*, unsigned& k, ShiftState) { seen = k; };
  Show(form);
  Key(VK_ESCAPE);
  EXPECT_EQ(seen, static_cast<unsigned>(VK_ESCAPE));
  EXPECT_EQ(b1->clicks + b2->clicks + b3->clicks, 0);
  EXPECT_TRUE(form->Visible());
}

}  // namespace
}  // namespace ui::testing
