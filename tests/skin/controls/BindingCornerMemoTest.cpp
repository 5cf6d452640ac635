// The corner refresh of a binding composes its corners over the parent's
// background once and then, while nothing changed, neither asks the parent
// again nor touches the cache; anything drawn over a corner, a move, and the
// notices that the background changed make it compose again.
#include <gtest/gtest.h>

#include <algorithm>

#include "skin/controls/sBoundItem.h"
#include "tests/skin/controls/BindingTestSupport.h"

namespace skin::testing {
namespace {

constexpr gfx::Color kParent = gfx::RGB(10, 20, 30);
constexpr gfx::Color kOtherParent = gfx::RGB(70, 80, 90);
constexpr gfx::Color kButton = gfx::RGB(40, 50, 60);
constexpr gfx::Color kRing = gfx::RGB(200, 0, 0);
constexpr gfx::Color kMarker = gfx::RGB(1, 2, 3);

class BindingCornerMemo : public BindingFixture {
 protected:
  void SetUp() override {
    fixture::FixtureSkin skin;
    // A 3 x 3 ring whose top-left pixel is the key: the button's top-left
    // corner shows the parent.
    skin.Fill({0, 0, 3, 3}, kRing);
    skin.Master().SetPixelAt(0, 0, gfx::clFuchsia);
    skin.Set("PANEL", "COLOR", kParent);
    skin.Set("OTHERPANEL", "COLOR", kOtherParent);
    skin.Set("SPEEDBUTTON", "COLOR", kButton).Mask("SPEEDBUTTON", {{0, 0, 3, 3}, 1, 1, 1, 1, 1, 0, 0, 0});
    LoadSkin(skin);
    form = ShownForm();
    panel = new BoundPanel(form, 51);
    panel->SetParent(form);
    panel->SetBounds(10, 10, 200, 100);
    panel->SkinData().SetSkinSection("PANEL");
    button = new BoundSpeedButton(panel, 92);
    button->SetParent(panel);
    button->SetBounds(20, 20, 40, 30);
    button->SkinData().SetSkinSection("SPEEDBUTTON");
    app().ProcessMessages();
    gfx::Bitmap& cache = button->SkinData().EnsureCache();
    for (int y = 0; y < cache.Height(); ++y)
      for (int x = 0; x < cache.Width(); ++x) cache.SetPixelAt(x, y, kButton);
  }

  gfx::Color Corner() const { return button->SkinData().CacheBitmap.PixelAt(0, 0) & 0xFFFFFF; }
  // Refreshes the corners; the number of background questions the panel got.
  int Refresh(int state = 0, int corners = kAllCorners) {
    CommandLog log(*panel);
    RefreshItemCorners(button->SkinData(), state, corners);
    const std::vector<int> codes = log.Codes();
    return static_cast<int>(std::count(codes.begin(), codes.end(), SKC_GET_BG_INFO));
  }

  ui::Form* form = nullptr;
  BoundPanel* panel = nullptr;
  BoundSpeedButton* button = nullptr;
};

TEST_F(BindingCornerMemo, ComposesOnceWhileNothingChanges) {
  EXPECT_GT(Refresh(), 0);
  EXPECT_EQ(Corner(), kParent);
  EXPECT_EQ(button->SkinData().CacheBitmap.PixelAt(39, 29) & 0xFFFFFF, kRing);
  EXPECT_EQ(Refresh(), 0);
  EXPECT_EQ(Corner(), kParent);
}

TEST_F(BindingCornerMemo, ComposesAgainWhenSomethingChanged) {
  struct Case {
    const char* What;
    std::function<void()> Change;
    gfx::Color Want;
  } cases[] = {
      {"a corner drawn over", [&] { button->SkinData().CacheBitmap.SetPixelAt(39, 0, kMarker); }, kParent},
      {"the parent's look, then its notice",
       [&] {
         panel->SkinData().SetSkinSection("OTHERPANEL");
         SendSkinCommand(button, SKC_PARENT_BG_CHANGED);
       },
       kOtherParent},
      {"the parent's look, then set dirty",
       [&] {
         panel->SkinData().SetSkinSection("PANEL");
         SendSkinCommand(button, SKC_SET_DIRTY);
       },
       kParent},
      {"a move", [&] { button->SetBounds(21, 20, 40, 30); }, kParent},
      {"a new size", [&] {
         button->SetBounds(21, 20, 41, 30);
         gfx::Bitmap& cache = button->SkinData().EnsureCache();
         for (int y = 0; y < cache.Height(); ++y)
           for (int x = 0; x < cache.Width(); ++x) cache.SetPixelAt(x, y, kButton);
       }, kParent},
  };
  ASSERT_GT(Refresh(), 0);
  ASSERT_EQ(Refresh(), 0);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.What);
    c.Change();
    EXPECT_GT(Refresh(), 0);
    EXPECT_EQ(Corner(), c.Want);
    const int right = button->SkinData().CacheBitmap.Width() - 1;
    EXPECT_EQ(button->SkinData().CacheBitmap.PixelAt(right, 0) & 0xFFFFFF, kRing);
    EXPECT_EQ(Refresh(), 0);
  }
}

TEST_F(BindingCornerMemo, OtherStateOrCornersComposeAgain) {
  ASSERT_GT(Refresh(), 0);
  EXPECT_GT(Refresh(0, kCornerBitTopLeft), 0);
  EXPECT_EQ(Refresh(0, kCornerBitTopLeft), 0);
  EXPECT_GT(Refresh(1), 0);
  EXPECT_EQ(Refresh(1), 0);
  EXPECT_GT(Refresh(0), 0);
}

}  // namespace
}  // namespace skin::testing
