// Extended styles changed on a live form reach the window system at once
// (before the style-changed message), and the window behaves accordingly.
#include <functional>

#include "platform/ui/Screen.h"
#include "platform/ui/forms/TopLevelWindow.h"
#include "tests/platform/ui/TestControls.h"
#include "tests/platform/ui/UiFixture.h"

namespace ui::testing {
namespace {

using LiveStylesTest = UiFixture;

TEST_F(LiveStylesTest, ExtendedStylesReachTheBackendBeforeTheChangedMessage) {
  Form* f = NewForm({100, 100, 400, 300}, BorderStyle::bsNone);
  Show(f);
  backend::SurfaceId id = f->Surface()->Surface();
  struct Case {
    std::uint32_t Bit;
    std::function<bool()> InBackend;
  };
  const Case cases[] = {
      {WS_EX_NOACTIVATE, [&] { return screen().OptionsOf(id).NoActivate; }},
      {WS_EX_TRANSPARENT, [&] { return screen().OptionsOf(id).ClickThrough; }},
      {WS_EX_TOOLWINDOW, [&] { return screen().OptionsOf(id).Kind == backend::SurfaceKind::Auxiliary; }},
      {WS_EX_TOPMOST, [&] { return screen().IsTopmost(id); }},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.Bit);
    ASSERT_FALSE(k.InBackend());
    int seen = -1;
    ProcHook h(*f, [&](Message& m, const WndMethod& next) {
      if (m.msg == WM_STYLECHANGED && m.wParam == static_cast<WPARAM>(GWL_EXSTYLE)) seen = k.InBackend();
      next(m);
    });
    f->SetExStyle(f->ExStyle() | k.Bit);
    EXPECT_EQ(seen, 1);
    f->SetExStyle(f->ExStyle() & ~k.Bit);
    EXPECT_EQ(seen, 0);
    EXPECT_FALSE(k.InBackend());
  }
}

TEST_F(LiveStylesTest, ClickThroughAndNoActivateTakeEffectOnAShownForm) {
  Form* below = NewForm({100, 100, 400, 300}, BorderStyle::bsNone);
  auto* probe = new Probe(below, below, {0, 0, 300, 200}, gfx::RGB(0, 0, 200));
  Form* above = NewForm({150, 150, 350, 250}, BorderStyle::bsNone);
  Show(below);
  Show(above);
  gfx::Point p{200, 200};
  ASSERT_EQ(app().Screen().TopLevelAt(p), above);

  above->SetExStyle(above->ExStyle() | WS_EX_TRANSPARENT);
  Click(p);
  EXPECT_EQ(probe->clicks, 1);
  EXPECT_TRUE(below->Active());

  // No-activate: a click on it leaves the activation where it is. (The
  // click above raised the window below; bring the other one back up.)
  above->SetExStyle((above->ExStyle() & ~WS_EX_TRANSPARENT) | WS_EX_NOACTIVATE);
  above->BringToFront();
  ASSERT_EQ(app().Screen().TopLevelAt(p), above);
  Click(p);
  EXPECT_EQ(probe->clicks, 1);
  EXPECT_TRUE(below->Active());
  EXPECT_FALSE(above->Active());
  EXPECT_EQ(screen().FocusedSurface(), below->Surface()->Surface());

  above->SetExStyle(above->ExStyle() & ~WS_EX_NOACTIVATE);
  Click(p);
  EXPECT_TRUE(above->Active());
}

TEST_F(LiveStylesTest, BorderStyleToolWindowMakesTheWindowAuxiliary) {
  Form* f = NewForm({100, 100, 400, 300}, BorderStyle::bsSizeable);
  Show(f);
  backend::SurfaceId id = f->Surface()->Surface();
  EXPECT_EQ(screen().OptionsOf(id).Kind, backend::SurfaceKind::Normal);
  f->SetBorderStyle(BorderStyle::bsToolWindow);
  EXPECT_EQ(screen().OptionsOf(id).Kind, backend::SurfaceKind::Auxiliary);
  f->SetBorderStyle(BorderStyle::bsSingle);
  EXPECT_EQ(screen().OptionsOf(id).Kind, backend::SurfaceKind::Normal);
}

}  // namespace
}  // namespace ui::testing
