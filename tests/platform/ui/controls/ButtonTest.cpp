#include "platform/ui/controls/Button.h"

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

TEST_F(ButtonTest, ClickOnReleaseInsideOnly) {
  Button* b = AddButton("a", 20);
  ShowForm();
  Click(*b, 10, 10);
  EXPECT_EQ(clicks, std::vector<std::string>{"a"});
  Press(*b, 10, 10);
  EXPECT_TRUE(b->Pushed());
  Release(At(*b, 150, 10));
  EXPECT_FALSE(b->Pushed());
  EXPECT_EQ(clicks.size(), 1u);
}

}  // namespace
}  // namespace ui::test
