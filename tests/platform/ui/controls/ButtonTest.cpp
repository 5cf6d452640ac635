#include "platform/ui/controls/Button.h"

#include "platform/ui/controls/Memo.h"

#include "tests/platform/ui/controls/ControlsFixture.h"

namespace ui::test {
namespace {

class ButtonTest : public ControlsFixture {
 protected:
  Button* AddButton(const char* caption, int top) {
    auto* b = new Button(form);
    b->SetParent(form);
    b->SetBounds(20, top, 100, 25);
    b->SetCaption(caption);
    b->OnClick = [this, caption](Component*) { clicks.push_back(caption); };
    return b;
  }
  std::vector<std::string> clicks;
};

// Disabled text is the classic emboss: a solid shadow copy over a solid
// highlight copy one pixel right and down, whatever the face's smoothing
// (an outline size of Tahoma is smooth).
TEST_F(ButtonTest, DisabledTextIsEmbossed) {
  Button* b = AddButton("Попробовать", 20);
  b->SetBounds(20, 20, 160, 40);
  gfx::Font f = b->Font();
  f.Name = "Tahoma";
  f.Height = -20;
  b->SetFont(f);
  b->SetEnabled(false);
  ShowForm();
  ExpectEmbossed(*b, {4, 4, 156, 36}, gfx::ColorToRGB(gfx::clBtnFace), 51, 21);
}

TEST_F(ButtonTest, ClickOnReleaseInsideOnly) {
  Button* b = AddButton("a", 20);
  ShowForm();
  Click(*b, 10, 10);
  EXPECT_EQ(clicks, std::vector<std::string>{"a"});
  Press(*b, 10, 10);
  EXPECT_TRUE(b->Pushed());
  Move(At(*b, 150, 10));
  EXPECT_FALSE(b->Pushed()) << "pushed only while the pointer is over it";
  Move(At(*b, 10, 10));
  EXPECT_TRUE(b->Pushed());
  Release(At(*b, 150, 10));
  EXPECT_FALSE(b->Pushed());
  EXPECT_EQ(clicks.size(), 1u);
}

// Enter clicks the default button and Esc the cancel button, but only while
// they are enabled; without them the keys do nothing.
TEST_F(ButtonTest, EnterAndEscClickDefaultAndCancelWhenEnabled) {
  struct Case {
    bool DefaultEnabled, CancelEnabled;
    std::vector<std::string> Expected;
  };
  const Case cases[] = {
      {true, true, {"default", "cancel"}},
      {false, true, {"cancel"}},
      {true, false, {"default"}},
      {false, false, {}},
  };
  Button* def = AddButton("default", 20);
  Button* cancel = AddButton("cancel", 60);
  def->SetDefault(true);
  cancel->SetCancel(true);
  // Something that is not a button holds the focus (a focused button would
  // take Enter itself).
  auto* holder = new Memo(form);
  holder->SetParent(form);
  holder->SetBounds(20, 100, 80, 40);
  holder->SetReadOnly(true);
  ShowForm();
  for (const Case& c : cases) {
    clicks.clear();
    def->SetEnabled(c.DefaultEnabled);
    cancel->SetEnabled(c.CancelEnabled);
    holder->SetFocus();
    app->ProcessMessages();
    ASSERT_TRUE(holder->Focused());
    Key(VK_RETURN);
    Key(VK_ESCAPE);
    EXPECT_EQ(clicks, c.Expected) << c.DefaultEnabled << c.CancelEnabled;
  }
}

TEST_F(ButtonTest, NoDefaultOrCancelButtonMeansEnterAndEscDoNothing) {
  Button* b = AddButton("plain", 20);
  b->SetTabStop(false);
  ShowForm();
  Key(VK_RETURN);
  Key(VK_ESCAPE);
  EXPECT_TRUE(clicks.empty());
}

TEST_F(ButtonTest, SpacePushesOnKeyDownAndClicksOnKeyUp) {
  Button* b = AddButton("a", 20);
  ShowForm();
  b->SetFocus();
  KeyDown(VK_SPACE);
  EXPECT_TRUE(b->Pushed());
  EXPECT_TRUE(clicks.empty());
  KeyUp(VK_SPACE);
  EXPECT_FALSE(b->Pushed());
  EXPECT_EQ(clicks, std::vector<std::string>{"a"});

  // Disabled: no pushed look, no click.
  b->SetEnabled(false);
  KeyDown(VK_SPACE);
  KeyUp(VK_SPACE);
  EXPECT_EQ(clicks.size(), 1u);
}

TEST_F(ButtonTest, ClickHandsModalResultToTheForm) {
  Button* b = AddButton("ok", 20);
  b->SetModalResult(mrOk);
  ShowForm();
  Click(*b, 5, 5);
  EXPECT_EQ(form->GetModalResult(), mrOk);
}

TEST_F(ButtonTest, FocusedButtonBecomesTheDefaultForTheMoment) {
  Button* def = AddButton("default", 20);
  Button* other = AddButton("other", 60);
  def->SetDefault(true);
  ShowForm();
  other->SetFocus();
  app->ProcessMessages();
  EXPECT_TRUE(other->IsDefaultNow());
  EXPECT_FALSE(def->IsDefaultNow());
  EXPECT_EQ(other->Style() & BS_TYPEMASK, BS_DEFPUSHBUTTON);
  Key(VK_RETURN);
  EXPECT_EQ(clicks, std::vector<std::string>{"other"});

  // Focus on something that is not a button: the default button is back.
  auto* memo = new Memo(form);
  memo->SetParent(form);
  memo->SetBounds(200, 20, 80, 40);
  memo->SetReadOnly(true);
  memo->SetFocus();
  app->ProcessMessages();
  EXPECT_TRUE(def->IsDefaultNow());
  EXPECT_FALSE(other->IsDefaultNow());
  EXPECT_EQ(other->Style() & BS_TYPEMASK, BS_PUSHBUTTON);
  Key(VK_RETURN);
  EXPECT_EQ(clicks, (std::vector<std::string>{"other", "default"}));
}

TEST_F(ButtonTest, EscDuringAHeldSpaceLetsGoWithoutAnyClick) {
  Button* b = AddButton("a", 20);
  Button* cancel = AddButton("cancel", 60);
  cancel->SetCancel(true);
  ShowForm();
  b->SetFocus();
  KeyDown(VK_SPACE);
  ASSERT_TRUE(b->Pushed());
  Key(VK_ESCAPE);
  EXPECT_FALSE(b->Pushed());
  KeyUp(VK_SPACE);
  EXPECT_TRUE(clicks.empty()) << "neither the held button nor the cancel button";
  Key(VK_ESCAPE);
  EXPECT_EQ(clicks, std::vector<std::string>{"cancel"});
}

TEST_F(ButtonTest, AcceleratorCharacterClicks) {
  Button* b = AddButton("&Restart", 20);
  EXPECT_EQ(b->Perform(CM_DIALOGCHAR, 'R'), 1);
  EXPECT_EQ(b->Perform(CM_DIALOGCHAR, 'e'), 0);
  b->SetEnabled(false);
  EXPECT_EQ(b->Perform(CM_DIALOGCHAR, 'r'), 0);
  EXPECT_EQ(clicks, std::vector<std::string>{"&Restart"});
}

// An owner-drawn button paints nothing itself: its parent gets WM_DRAWITEM
// (wParam: the button) and by default hands it back to the button as
// OCM_DRAWITEM.
class OwnerDrawTest : public ButtonTest {
 protected:
  void SetUp() override {
    ButtonTest::SetUp();
    button = AddButton("a", 20);
    button->AddProc([this](Message& m, const WndMethod& next) {
      if (m.msg == OCM_DRAWITEM) {
        auto* di = reinterpret_cast<ButtonDrawItem*>(m.lParam);
        di->Canvas->FillRect(di->Rect, gfx::RGB(255, 0, 0));
        reflected.push_back(di->State);
        m.result = 1;
        return;
      }
      next(m);
    });
  }
  // The state of the last reflected request after painting.
  unsigned LastState() {
    app->ProcessMessages();
    return reflected.empty() ? ~0u : reflected.back();
  }
  Button* button = nullptr;
  std::vector<unsigned> reflected;
};

TEST_F(OwnerDrawTest, RequestsAreReflectedToTheButtonOnlyWhileOwnerDrawn) {
  ShowForm();
  EXPECT_TRUE(reflected.empty());
  // Switched at run time through the window style, as skinning does.
  button->SetStyle((button->Style() & ~BS_TYPEMASK) | BS_OWNERDRAW);
  EXPECT_EQ(Pixel(*button, 10, 10), gfx::RGB(255, 0, 0));
  EXPECT_FALSE(reflected.empty());
  button->SetOwnerDraw(false);
  reflected.clear();
  EXPECT_NE(Pixel(*button, 10, 10), gfx::RGB(255, 0, 0));
  EXPECT_TRUE(reflected.empty());
}

TEST_F(OwnerDrawTest, ParentThatDrawsTheButtonKeepsTheRequest) {
  std::vector<Control*> asked;
  form->AddProc([&](Message& m, const WndMethod& next) {
    if (m.msg == WM_DRAWITEM && m.wParam == reinterpret_cast<WPARAM>(button)) {
      auto* di = reinterpret_cast<ButtonDrawItem*>(m.lParam);
      asked.push_back(di->Ctl);
      di->Canvas->FillRect(di->Rect, gfx::RGB(0, 0, 255));
      m.result = 1;
      return;
    }
    next(m);
  });
  button->SetOwnerDraw(true);
  ShowForm();
  EXPECT_EQ(Pixel(*button, 10, 10), gfx::RGB(0, 0, 255));
  ASSERT_FALSE(asked.empty());
  EXPECT_EQ(asked.front(), button);
  EXPECT_TRUE(reflected.empty()) << "a request the parent handled is not reflected";
}

TEST_F(OwnerDrawTest, StateFlagsFollowPressFocusDefaultAndEnabled) {
  auto* memo = new Memo(form);
  memo->SetParent(form);
  memo->SetBounds(200, 20, 80, 40);
  memo->SetReadOnly(true);
  button->SetOwnerDraw(true);
  ShowForm();
  memo->SetFocus();
  EXPECT_EQ(LastState(), 0u);

  Press(*button, 10, 10);
  EXPECT_EQ(LastState(), ODS_SELECTED | ODS_FOCUS | ODS_DEFAULT) << "a press draws the selected state";
  Move(At(*button, 150, 10));
  EXPECT_EQ(LastState(), ODS_FOCUS | ODS_DEFAULT) << "the pointer left the pressed button";
  Release(At(*button, 150, 10));

  // The default button takes the focus: only the focus flag changes.
  memo->SetFocus();
  button->SetDefault(true);
  EXPECT_EQ(LastState(), ODS_DEFAULT);
  button->SetFocus();
  EXPECT_EQ(LastState(), ODS_FOCUS | ODS_DEFAULT);

  button->SetEnabled(false);
  EXPECT_EQ(LastState() & (ODS_DISABLED | ODS_FOCUS), ODS_DISABLED);
}

}  // namespace
}  // namespace ui::test
