// The slide-in of popup menus on the application clock, and maNone.
#include <functional>
#include <memory>
#include <optional>

#include "platform/ui/menus/MenuSlide.h"
#include "platform/ui/menus/MenuTracker.h"
#include "platform/ui/menus/Menus.h"
#include "tests/platform/ui/UiFixture.h"

namespace ui::testing {
namespace {

TEST(MenuSlideTest, VisiblePartGrowsFromTheNamedEdges) {
  const gfx::Size size{100, 60};
  constexpr int half = MenuSlide::kDurationMs / 2;
  struct Case {
    MenuAnimation Animation;
    std::int64_t Elapsed;
    gfx::Rect Want;
  } cases[] = {
      {maTopToBottom, half, {0, 0, 100, 30}},
      {maBottomToTop, half, {0, 30, 100, 60}},
      {maLeftToRight, half, {0, 0, 50, 60}},
      {maRightToLeft, half, {50, 0, 100, 60}},
      {maLeftToRight | maTopToBottom, half, {0, 0, 50, 30}},
      {maTopToBottom, 0, {0, 0, 100, 1}},  // never empty
      {maTopToBottom, MenuSlide::kDurationMs, {0, 0, 100, 60}},
      {maTopToBottom | maNone, 0, {0, 0, 100, 60}},  // maNone wins
      {0, 0, {0, 0, 100, 60}},                       // no direction: at once
  };
  for (const Case& k : cases)
    EXPECT_EQ(MenuSlide::VisiblePart(size, k.Animation, k.Elapsed), k.Want)
        << k.Animation << " at " << k.Elapsed;
}

class MenuSlideUiTest : public UiFixture {
 protected:
  struct Seen {
    bool Sliding = false;
    std::optional<gfx::Rect> Shape;
    int Height = 0;
  };
  // Pops a one-item menu up with `animation` and looks at its window when
  // the loop first runs and again `later` ms after that.
  std::pair<Seen, Seen> Watch(MenuAnimation animation, int later) {
    Form* form = NewForm({100, 100, 400, 300});
    Show(form);
    auto* popup = new PopupMenu(form);
    auto* item = new MenuItem(form);
    item->SetCaption("Item");
    popup->Items()->Add(item);
    popup->SetMenuAnimation(animation);
    std::pair<Seen, Seen> out;
    auto look = [](Seen& s) {
      for (WinControl* w : App().TopLevels())
        if (auto* p = dynamic_cast<PopupMenuWindow*>(w); p && p->Visible()) {
          s.Sliding = p->Sliding();
          if (p->WindowRegion()) s.Shape = p->WindowRegion()->BoundingBox();
          s.Height = p->Height();
        }
    };
    auto id = std::make_shared<int>(0);
    *id = app().StartCallbackTimer(1, [&, id] {
      app().StopCallbackTimer(*id);
      look(out.first);
      app().RunFor(later);
      look(out.second);
      screen().InjectKey(VK_ESCAPE);
    });
    popup->Popup(150, 150);
    return out;
  }
};

TEST_F(MenuSlideUiTest, MaNoneShowsThePopupWholeAtOnce) {
  auto [first, later] = Watch(maNone | maTopToBottom, 0);
  EXPECT_FALSE(first.Sliding);
  EXPECT_FALSE(first.Shape.has_value());
}

TEST_F(MenuSlideUiTest, ADirectionSlidesThePopupInOnTheApplicationClock) {
  auto [first, later] = Watch(maTopToBottom, MenuSlide::kDurationMs);
  EXPECT_TRUE(first.Sliding);
  ASSERT_TRUE(first.Shape.has_value());
  EXPECT_LT(first.Shape->Height(), first.Height);
  EXPECT_FALSE(later.Sliding);
  EXPECT_FALSE(later.Shape.has_value());
}

}  // namespace
}  // namespace ui::testing
