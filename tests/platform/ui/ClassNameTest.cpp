// Type tests by class name: skinning code asks "is this a TMenu?" and so on,
// and a derived class must answer for its ancestors too.
#include <gtest/gtest.h>

#include "platform/ui/Timer.h"
#include "platform/ui/menus/Menus.h"
#include "tests/platform/ui/UiFixture.h"

namespace ui::testing {
namespace {

class ClassNameTest : public UiFixture {};

TEST_F(ClassNameTest, ClassesAnswerForThemselvesAndTheirAncestorsOnly) {
  Form* form = NewForm({0, 0, 100, 100});
  struct Case {
    Component* Object;
    std::vector<const char*> Is;
    std::vector<const char*> IsNot;
  } cases[] = {
      {new MainMenu(form), {"TMainMenu", "TMenu", "TComponent"}, {"TPopupMenu", "TMenuItem", "TControl"}},
      {new PopupMenu(form), {"TPopupMenu", "TMenu", "TComponent"}, {"TMainMenu", "TMenuItem"}},
      {new MenuItem(form), {"TMenuItem", "TComponent"}, {"TMenu"}},
      {new Timer(form), {"TTimer", "TComponent"}, {"TControl", "TMenu"}},
      {&app(), {"TApplication", "TComponent"}, {"TForm", "TControl"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Object->ClassName());
    EXPECT_TRUE(c.Object->InheritsFrom(c.Object->ClassName()));
    for (const char* name : c.Is) EXPECT_TRUE(c.Object->InheritsFrom(name)) << name;
    for (const char* name : c.IsNot) EXPECT_FALSE(c.Object->InheritsFrom(name)) << name;
  }
}

}  // namespace
}  // namespace ui::testing
