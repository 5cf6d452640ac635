// Skin command 3 (refresh) from the binding's manager marks the cache stale
// and has a visible control painted again, windowed or not; a hidden
// control, or a refresh from another manager, paints nothing.
#include <gtest/gtest.h>

#include "tests/skin/controls/BindingTestSupport.h"

namespace skin::testing {
namespace {

// Counts the paint messages a control receives.
struct PaintCount {
  explicit PaintCount(ui::Control& c)
      : hook(c, [this](ui::Message& m, const ui::WndMethod& next) {
          if (m.msg == ui::WM_PAINT) ++paints;
          next(m);
        }) {}
  int paints = 0;
  ui::ProcHook hook;
};

class BindingRefresh : public BindingFixture {
 protected:
  void SetUp() override {
    fixture::FixtureSkin skin;
    skin.Set("PANEL", "COLOR", gfx::RGB(10, 20, 30));
    skin.Set("SPEEDBUTTON", "COLOR", gfx::RGB(40, 50, 60));
    LoadSkin(skin);
    form = ShownForm();
    panel = new BoundPanel(form, 51);
    panel->SetParent(form);
    panel->SetBounds(10, 10, 80, 60);
    button = new BoundSpeedButton(form, 92);
    button->SetParent(form);
    button->SetBounds(120, 10, 40, 30);
    panel->SkinData().Loaded();
    button->SkinData().Loaded();
    app().ProcessMessages();
  }

  ui::Form* form = nullptr;
  BoundPanel* panel = nullptr;
  BoundSpeedButton* button = nullptr;
};

TEST_F(BindingRefresh, VisibleControlsPaintAgainHiddenOnesDoNot) {
  TsSkinManager other(nullptr);
  const struct Case {
    const char* what;
    bool windowed;
    bool visible;
    TsSkinManager* sender;
    bool paints;
  } cases[] = {
      {"windowed", true, true, nullptr, true},
      {"windowless", false, true, nullptr, true},
      {"windowed, hidden", true, false, nullptr, false},
      {"windowless, hidden", false, false, nullptr, false},
      {"windowed, another manager", true, true, &other, false},
      {"windowless, another manager", false, true, &other, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ui::Control& control = c.windowed ? static_cast<ui::Control&>(*panel) : *button;
    TsCommonData& d = c.windowed ? panel->SkinData() : button->SkinData();
    control.SetVisible(c.visible);
    app().ProcessMessages();
    d.CacheStale = false;
    d.ParentUpdating = true;
    PaintCount count(control);
    TsSkinManager* sender = c.sender ? c.sender : manager.get();
    control.Perform(ui::SM_ALPHACMD, ui::MakeLong(0, SKC_SKIN_REFRESH), reinterpret_cast<ui::LPARAM>(sender));
    EXPECT_EQ(d.CacheStale, c.sender == nullptr);
    EXPECT_EQ(d.ParentUpdating, c.sender != nullptr);
    app().ProcessMessages();
    EXPECT_EQ(count.paints > 0, c.paints) << count.paints;
    control.SetVisible(true);
  }
}

}  // namespace
}  // namespace skin::testing
