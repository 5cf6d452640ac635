// Notices of controls: showing changes of windowed descendants, and the text
// of a control through WM_GETTEXT / WM_SETTEXT.
#include <map>
#include <string>
#include <vector>

#include "tests/platform/ui/TestControls.h"
#include "tests/platform/ui/UiFixture.h"

namespace ui::testing {
namespace {

class ShowingNoticeTest : public UiFixture {
 protected:
  void SetUp() override {
    form = NewForm({0, 0, 300, 300});
    outer = NewWindow(form, "outer");
    inner = NewWindow(outer, "inner");
    hidden = NewWindow(outer, "hidden");
    hidden->SetVisible(false);
    probe = new Probe(form, outer, {0, 0, 5, 5}, gfx::clBlack);
    hooks.emplace_back(*probe, [this](Message& m, const WndMethod& next) {
      if (m.msg == CM_SHOWINGCHANGED) ++counts["probe"];
      next(m);
    });
    Show(form);
    counts.clear();
  }
  WinControl* NewWindow(WinControl* parent, const std::string& name) {
    auto* w = new WinControl(form);
    w->SetBoundsRect({10, 10, 100, 100});
    w->SetParent(parent);
    hooks.emplace_back(*w, [this, name, w](Message& m, const WndMethod& next) {
      if (m.msg == CM_SHOWINGCHANGED) {
        ++counts[name];
        showingWhenTold[name] = w->Showing();
      }
      next(m);
    });
    return w;
  }

  Form* form = nullptr;
  WinControl* outer = nullptr;
  WinControl* inner = nullptr;
  WinControl* hidden = nullptr;
  Probe* probe = nullptr;
  std::vector<ProcHook> hooks;
  std::map<std::string, int> counts;
  std::map<std::string, bool> showingWhenTold;
};

TEST_F(ShowingNoticeTest, WindowedControlsWhoseShowingChangedAreTold) {
  outer->SetVisible(false);
  EXPECT_EQ(counts, (std::map<std::string, int>{{"outer", 1}, {"inner", 1}}))
      << "a hidden child and windowless controls are not told";
  EXPECT_FALSE(showingWhenTold["inner"]) << "the notice comes after the change";
  counts.clear();

  inner->SetVisible(false);  // already not showing: nothing changes
  EXPECT_TRUE(counts.empty());
  inner->SetVisible(true);
  EXPECT_TRUE(counts.empty());

  outer->SetVisible(true);
  EXPECT_EQ(counts, (std::map<std::string, int>{{"outer", 1}, {"inner", 1}}));
  EXPECT_TRUE(showingWhenTold["outer"]);
  counts.clear();

  hidden->SetVisible(true);
  EXPECT_EQ(counts, (std::map<std::string, int>{{"hidden", 1}}));
}

TEST_F(ShowingNoticeTest, HidingAndShowingTheFormTellsItsWindows) {
  hooks.emplace_back(*form, [this](Message& m, const WndMethod& next) {
    if (m.msg == CM_SHOWINGCHANGED) ++counts["form"];
    next(m);
  });
  form->HideForm();
  app().ProcessMessages();
  EXPECT_EQ(counts, (std::map<std::string, int>{{"form", 1}, {"outer", 1}, {"inner", 1}}));
  counts.clear();
  Show(form);
  EXPECT_EQ(counts, (std::map<std::string, int>{{"form", 1}, {"outer", 1}, {"inner", 1}}));
}

TEST_F(ShowingNoticeTest, AHandlerMayFreeALaterDescendant) {
  hooks.emplace_back(*outer, [this](Message& m, const WndMethod& next) {
    if (m.msg == CM_SHOWINGCHANGED && inner) {
      delete inner;
      inner = nullptr;
    }
    next(m);
  });
  outer->SetVisible(false);
  EXPECT_EQ(counts["inner"], 0);
}

class ControlTextTest : public UiFixture {};

TEST_F(ControlTextTest, TextGoesThroughTheControlsMessages) {
  Form* f = NewForm({0, 0, 100, 100});
  Control* c = new Probe(f, f, {0, 0, 10, 10}, gfx::clBlack);
  std::vector<std::string> set;
  int changed = 0;
  ProcHook h(*c, [&](Message& m, const WndMethod& next) {
    if (m.msg == WM_SETTEXT) set.emplace_back(reinterpret_cast<const char*>(m.lParam));
    if (m.msg == CM_TEXTCHANGED) ++changed;
    next(m);
  });
  c->SetText("one");
  c->SetCaption("two");
  c->SetText("two");  // unchanged: no notice
  EXPECT_EQ(set, (std::vector<std::string>{"one", "two", "two"}));
  EXPECT_EQ(changed, 2);
  EXPECT_EQ(c->Caption(), "two");
  EXPECT_EQ(c->Text(), "two");
  std::string got;
  EXPECT_EQ(c->Perform(WM_GETTEXT, 0, reinterpret_cast<LPARAM>(&got)), 3);
  EXPECT_EQ(got, "two");
}

TEST_F(ControlTextTest, AHandlerCanAnswerForTheText) {
  Form* f = NewForm({0, 0, 100, 100});
  Control* c = new Probe(f, f, {0, 0, 10, 10}, gfx::clBlack);
  std::string kept;
  ProcHook h(*c, [&](Message& m, const WndMethod& next) {
    if (m.msg == WM_SETTEXT) {
      kept = reinterpret_cast<const char*>(m.lParam);
      return;
    }
    if (m.msg == WM_GETTEXT) {
      *reinterpret_cast<std::string*>(m.lParam) = "[" + kept + "]";
      return;
    }
    next(m);
  });
  c->SetText("x");
  EXPECT_EQ(c->Text(), "[x]");
  EXPECT_EQ(c->Caption(), "") << "the handler kept the text itself";
}

}  // namespace
}  // namespace ui::testing
