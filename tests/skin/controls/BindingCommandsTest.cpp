// The command handler and the common handler: the cache life cycle over the
// events that touch it, answers of the command table, and where the binding
// sits in a control's message order.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "tests/skin/controls/BindingTestSupport.h"

namespace skin::testing {
namespace {

using fixture::FixtureSkin;

// A panel that records what reaches the platform's handling.
class SpyPanel : public ui::Panel {
 public:
  using ui::Panel::Panel;
  std::vector<std::uint32_t> seen;

 protected:
  void WndProc(ui::Message& m) override {
    seen.push_back(m.msg);
    ui::Panel::WndProc(m);
  }
};
using BoundSpyPanel = Bound<SpyPanel>;

FixtureSkin LifeCycleSkin() {
  FixtureSkin s;
  s.Set("PANEL", "COLOR", gfx::RGB(10, 20, 30));
  s.Set("GRADPANEL", "GRADIENTPERCENT", 50).Set("GRADPANEL", "GRADIENTDATA", "255;0;50;0;0");
  s.Set("CLEAR", "TRANSPARENCY", 30);
  return s;
}

class BindingCommands : public BindingFixture {
 protected:
  void SetUp() override {
    LoadSkin(LifeCycleSkin());
    form = ShownForm();
    gradient = new BoundPanel(form, 51);
    gradient->SetParent(form);
    gradient->SetBoundsRect({0, 0, 200, 150});
    gradient->SkinData().SetSkinSection("GRADPANEL");
    control = new BoundPanel(form, 51);
    control->SetParent(form);
    control->SetBounds(210, 10, 40, 30);
    control->SkinData().SetSkinSection("CLEAR");
  }
  ui::Form* form = nullptr;
  BoundPanel* gradient = nullptr;
  BoundPanel* control = nullptr;
};

TEST_F(BindingCommands, CreationState) {
  TsCommonData d(nullptr, true, 92);
  EXPECT_TRUE(d.CacheStale);
  EXPECT_TRUE(d.RenderNextPaint);
  EXPECT_FALSE(d.ParentUpdating);
  EXPECT_TRUE(d.HasCache());
  EXPECT_TRUE(d.CacheBitmap.Empty());
  EXPECT_EQ(d.SectionIndex, -1);
  EXPECT_EQ(d.MaskIndex, -1);
  EXPECT_EQ(d.GlowId, -1);
  EXPECT_EQ(d.StateFlags, 0);
  EXPECT_FALSE(TsCommonData(nullptr, false, 33).HasCache());
}

TEST_F(BindingCommands, CacheLifeCycle) {
  TsCommonData& d = control->SkinData();
  const auto mgr = reinterpret_cast<ui::LPARAM>(manager.get());
  TsSkinManager other(nullptr);
  const auto otherMgr = reinterpret_cast<ui::LPARAM>(&other);
  const struct Step {
    const char* what;
    std::function<void()> act;
    bool stale, updating;
    int cacheWidth;  // -1: not checked
  } steps[] = {
      {"render", [&] { d.EnsureCache(); }, false, false, 40},
      {"command 1 from another manager", [&] { SendSkinCommand(control, SKC_SKIN_LOADED, otherMgr); }, false,
       false, 40},
      {"command 3", [&] { SendSkinCommand(control, SKC_SKIN_REFRESH, mgr); }, true, false, 40},
      {"command 17", [&] { SendSkinCommand(control, SKC_SET_DIRTY); }, true, false, 40},
      {"command 12 low 0", [&] { SendSkinCommand(control, SKC_SET_DIRTY_IF_TRANSPARENT, 0, 0); }, false,
       false, 40},
      {"command 12 at T 30", [&] { SendSkinCommand(control, SKC_SET_DIRTY_IF_TRANSPARENT, 0, 1); }, true,
       false, 40},
      {"command 8 low 1", [&] { SendSkinCommand(control, SKC_SET_UPDATING, 0, 1); }, false, true, 40},
      {"command 8 low 0", [&] { SendSkinCommand(control, SKC_SET_UPDATING, 0, 0); }, false, false, 40},
      {"size", [&] { control->SetWidth(41); }, true, false, 40},
      {"EnsureCache", [&] { d.EnsureCache(); }, false, false, 41},
      {"move over the plain form", [&] { control->SetLeft(215); }, false, false, 41},
      {"command 20 on the plain form", [&] { SendSkinCommand(control, SKC_PARENT_BG_CHANGED, 0, 1); }, false,
       false, 41},
      {"move onto the gradient panel",
       [&] {
         control->SetParent(gradient);
         control->SetLeft(20);
       },
       true, false, 41},
      {"command 20 on the gradient", [&] { SendSkinCommand(control, SKC_PARENT_BG_CHANGED, 0, 1); }, true,
       false, 41},
      {"hide", [&] { control->Hide(); }, false, false, 0},
      {"show", [&] { control->Show(); }, true, false, 0},
      {"command 18",
       [&] {
         SendSkinCommand(control, SKC_SET_UPDATING, 0, 1);
         SendSkinCommand(control, SKC_INVALIDATE);
       },
       true, false, 0},
      {"command 2",
       [&] {
         d.EnsureCache();
         SendSkinCommand(control, SKC_SKIN_UNLOADED, mgr);
       },
       false, true, 0},
  };
  for (const Step& s : steps) {
    d.CacheStale = false;
    s.act();
    SCOPED_TRACE(s.what);
    EXPECT_EQ(d.CacheStale, s.stale);
    EXPECT_EQ(d.ParentUpdating, s.updating);
    if (s.cacheWidth >= 0) {
      EXPECT_EQ(d.CacheBitmap.Width(), s.cacheWidth);
    }
    EXPECT_EQ(SendSkinCommand(control, SKC_IS_UPDATING), s.stale || s.updating ? 1 : 0);
  }
  EXPECT_EQ(d.SectionIndex, -1);
  EXPECT_EQ(d.TextureIndex, -1);
  // Command 1 binds it again; command 3 lets it paint.
  SendSkinCommand(control, SKC_SKIN_LOADED, mgr);
  EXPECT_TRUE(d.IsSkinned());
  SendSkinCommand(control, SKC_SKIN_REFRESH, mgr);
  EXPECT_FALSE(d.ParentUpdating);
}

TEST_F(BindingCommands, TableAnswers) {
  TsCommonData& d = control->SkinData();
  EXPECT_EQ(SendSkinCommand(control, SKC_IS_SKINNED), 1);
  EXPECT_EQ(SendSkinCommand(control, 99), 0);
  EXPECT_EQ(SendSkinCommand(control, 675), 0);

  std::int32_t index = 1234;
  EXPECT_EQ(SendSkinCommand(control, SKC_GET_SKIN_INDEX, reinterpret_cast<ui::LPARAM>(&index)), 1);
  EXPECT_EQ(index, d.SectionIndex);
  d.SetSkinSection("NOSUCH");
  EXPECT_EQ(SendSkinCommand(control, SKC_GET_SKIN_INDEX, reinterpret_cast<ui::LPARAM>(&index)), 1);
  EXPECT_EQ(index, -1);

  d.RenderNextPaint = false;
  EXPECT_EQ(SendSkinCommand(control, SKC_GET_HALF_VISIBLE), 0);
  SendSkinCommand(control, SKC_SET_HALF_VISIBLE);
  EXPECT_EQ(SendSkinCommand(control, SKC_GET_HALF_VISIBLE), 1);

  SendSkinCommand(control, SKC_SET_FORCE_PARENT_BG, 0, 1);
  EXPECT_TRUE(d.PaintingHeld);
  EXPECT_TRUE(d.NeedsParentBackground());
  SendSkinCommand(control, SKC_SET_FORCE_PARENT_BG, 0, 0);
  EXPECT_FALSE(d.PaintingHeld);

  // Only a binding whose section was never set answers command 13.
  auto* never = new BoundPanel(form, 51);
  never->SetParent(form);
  never->SkinData().CacheStale = false;
  SendSkinCommand(never, SKC_SECTION_REPAINT);
  EXPECT_TRUE(never->SkinData().CacheStale);
  d.CacheStale = false;
  SendSkinCommand(control, SKC_SECTION_REPAINT);
  EXPECT_FALSE(d.CacheStale);
}

TEST_F(BindingCommands, NoCommandReachesAControlBeingDestroyedOrWithoutWindow) {
  auto* orphan = new BoundPanel(form, 51);  // never parented: no window
  EXPECT_EQ(SendSkinCommand(orphan, SKC_IS_SKINNED), 0);
  EXPECT_EQ(SendSkinCommand(nullptr, SKC_IS_SKINNED), 0);
  {
    ui::ComponentStateScope dying(*control, ui::csDestroying);
    EXPECT_EQ(SendSkinCommand(control, SKC_IS_SKINNED), 0);
  }
  EXPECT_EQ(SendSkinCommand(control, SKC_IS_SKINNED), 1);
}

TEST_F(BindingCommands, MessageOrderHookThenBindingThenPlatform) {
  auto* spy = new BoundSpyPanel(form, 51);
  spy->SetParent(form);
  std::vector<std::string> order;
  ui::ProcHook hook(*spy, [&](ui::Message& m, const ui::WndMethod& next) {
    if (m.msg == ui::SM_ALPHACMD || m.msg == ui::WM_UPDATEUISTATE) order.push_back("hook");
    next(m);
  });
  spy->seen.clear();
  EXPECT_EQ(spy->Perform(ui::SM_ALPHACMD, SkinCommandParam(SKC_IS_SKINNED)), 1);
  EXPECT_EQ(order, std::vector<std::string>{"hook"});
  // The binding answered: the platform never saw the command.
  EXPECT_TRUE(std::find(spy->seen.begin(), spy->seen.end(), ui::SM_ALPHACMD) == spy->seen.end());
  // An unknown code passes on to the platform, which leaves 0.
  EXPECT_EQ(spy->Perform(ui::SM_ALPHACMD, SkinCommandParam(99)), 0);
  EXPECT_TRUE(std::find(spy->seen.begin(), spy->seen.end(), ui::SM_ALPHACMD) != spy->seen.end());

  // The UI-state message is swallowed only while skinned.
  spy->SkinData().SetSkinSection("NOSUCH");
  spy->seen.clear();
  spy->Perform(ui::WM_UPDATEUISTATE);
  EXPECT_EQ(spy->seen, std::vector<std::uint32_t>{ui::WM_UPDATEUISTATE});
  spy->SkinData().SetSkinSection("PANEL");
  spy->seen.clear();
  EXPECT_EQ(spy->Perform(ui::WM_UPDATEUISTATE), 1);
  EXPECT_TRUE(spy->seen.empty());
}

TEST_F(BindingCommands, StateFlagsAndOwnImage) {
  // A plain panel needs no image of its own; its children see a plain
  // background (command 36).
  TsCommonData& panelData = gradient->SkinData();
  panelData.SetSkinSection("PANEL");
  EXPECT_FALSE(panelData.NeedsOwnImage());
  EXPECT_EQ(SendSkinCommand(gradient, SKC_GET_STATE_FLAGS) & sfPlainBackground, sfPlainBackground);
  panelData.SetSkinSection("GRADPANEL");
  EXPECT_TRUE(panelData.NeedsOwnImage());
  EXPECT_EQ(SendSkinCommand(gradient, SKC_GET_STATE_FLAGS) & sfPlainBackground, 0);
  // lParam 1 recomputes and passes the question down.
  control->SetParent(gradient);
  CommandLog log(*control);
  SendSkinCommand(gradient, SKC_GET_STATE_FLAGS, 1);
  ASSERT_FALSE(log.entries.empty());
  EXPECT_EQ(log.entries[0].Code, SKC_GET_STATE_FLAGS);
  EXPECT_EQ(log.entries[0].LParam, 1);
}

TEST_F(BindingCommands, UpdatingAsksTheParent) {
  TsCommonData& d = control->SkinData();
  control->SetParent(gradient);
  gradient->SkinData().CacheStale = false;
  EXPECT_FALSE(d.IsUpdating());
  gradient->SkinData().CacheStale = true;  // the parent will render again
  EXPECT_TRUE(d.IsUpdating());
  gradient->SkinData().CacheStale = false;
  d.ParentUpdating = true;
  EXPECT_TRUE(d.IsUpdating());
}

}  // namespace
}  // namespace skin::testing

namespace skin::testing {
namespace {

TEST_F(BindingCommands, CacheThatCannotBeMadeStaysEmptyAndStale) {
  TsCommonData& d = control->SkinData();
  control->SetBounds(0, 0, 40000, 40000);  // beyond any bitmap
  d.CacheStale = false;
  EXPECT_NO_THROW(d.EnsureCache());
  EXPECT_TRUE(d.CacheBitmap.Empty());
  EXPECT_TRUE(d.CacheStale);
  control->SetBounds(0, 0, -5, 12);  // negative sizes count as 0
  EXPECT_TRUE(d.EnsureCache().Empty());
  control->SetBounds(0, 0, 12, 7);
  EXPECT_EQ(d.EnsureCache().Width(), 12);
  EXPECT_EQ(d.CacheBitmap.Format(), gfx::PixelFormat::Bgr24);
}

TEST_F(BindingCommands, FocusMarksTheCacheStale) {
  TsCommonData& d = control->SkinData();
  d.CacheStale = false;
  control->Perform(ui::WM_SETFOCUS);
  EXPECT_TRUE(d.HasFocus);
  EXPECT_TRUE(d.CacheStale);
  EXPECT_TRUE(d.IsActive());
  d.CacheStale = false;
  control->Perform(ui::WM_KILLFOCUS);
  EXPECT_FALSE(d.HasFocus);
  EXPECT_TRUE(d.CacheStale);
}

}  // namespace
}  // namespace skin::testing
