// State bits that handlers can see while they run: creation of a window and
// painting into a surface of the caller's (a copy).
#include <stdexcept>
#include <vector>

#include "tests/platform/ui/TestControls.h"
#include "tests/platform/ui/UiFixture.h"

namespace ui::testing {
namespace {

struct CreationStates {
  bool creating = false;
  bool creatingControl = false;
};

CreationStates StatesOf(const WinControl& w) {
  return {(w.State() & csCreating) != 0, (w.ControlState() & csCreatingControl) != 0};
}

class ControlStateTest : public UiFixture {};

TEST_F(ControlStateTest, CreationStatesHoldWhileTheWindowIsCreated) {
  Form* f = NewForm({0, 0, 200, 200});
  auto* w = new WinControl(f);
  w->SetBoundsRect({10, 10, 50, 50});
  w->SetParent(f);
  std::vector<std::pair<std::uint32_t, CreationStates>> seen;
  ProcHook h(*w, [&](Message& m, const WndMethod& next) {
    if (m.msg == WM_NCCREATE || m.msg == WM_CREATE) seen.emplace_back(m.msg, StatesOf(*w));
    next(m);
  });
  // The child is created inside its parent's creation: both are marked.
  bool parentCreating = false;
  ProcHook p(*f, [&](Message& m, const WndMethod& next) {
    if (m.msg == WM_PARENTNOTIFY && LoWord(m.wParam) == WM_CREATE) parentCreating = StatesOf(*f).creating;
    next(m);
  });
  Show(f);
  ASSERT_EQ(seen.size(), 2u);
  for (const auto& [msg, s] : seen) {
    EXPECT_TRUE(s.creating) << msg;
    EXPECT_TRUE(s.creatingControl) << msg;
  }
  EXPECT_TRUE(parentCreating);
  EXPECT_FALSE(StatesOf(*w).creating);
  EXPECT_FALSE(StatesOf(*w).creatingControl);
  EXPECT_FALSE(StatesOf(*f).creating);
  EXPECT_FALSE(StatesOf(*f).creatingControl);
}

TEST_F(ControlStateTest, CreationStatesAreClearedWhenCreationThrows) {
  Form* f = NewForm({0, 0, 200, 200});
  auto* w = new WinControl(f);
  w->SetParent(f);
  ProcHook h(*w, [&](Message& m, const WndMethod& next) {
    if (m.msg == WM_CREATE) throw std::runtime_error("no window");
    next(m);
  });
  EXPECT_THROW(w->HandleNeeded(), std::runtime_error);
  EXPECT_FALSE(StatesOf(*w).creating);
  EXPECT_FALSE(StatesOf(*w).creatingControl);
  EXPECT_FALSE(StatesOf(*f).creating) << "the parent was being created around it";
  EXPECT_FALSE(StatesOf(*f).creatingControl);
}

// Records whether it paints a copy, windowed and windowless.
class CopyWindow : public WinControl {
 public:
  using WinControl::WinControl;
  std::vector<bool> copies;

 protected:
  void PaintWindow(gfx::Canvas& c) override {
    copies.push_back((ControlState() & csPaintCopy) != 0);
    WinControl::PaintWindow(c);
  }
};

class CopyProbe : public Probe {
 public:
  using Probe::Probe;
  std::vector<bool> copies;

 protected:
  void Paint(gfx::Canvas& c) override {
    copies.push_back((ControlState() & csPaintCopy) != 0);
    Probe::Paint(c);
  }
};

TEST_F(ControlStateTest, PaintCopyOnlyWhilePaintingIntoACallersSurface) {
  Form* f = NewForm({0, 0, 200, 200}, BorderStyle::bsNone);
  auto* w = new CopyWindow(f);
  w->SetBoundsRect({10, 10, 80, 80});
  w->SetParent(f);
  auto* probe = new CopyProbe(f, w, {5, 5, 20, 20}, gfx::clBlack);
  Show(f);
  ASSERT_FALSE(w->copies.empty());
  ASSERT_FALSE(probe->copies.empty());
  EXPECT_EQ(w->copies.back(), false) << "the paint cycle draws on the window itself";
  EXPECT_EQ(probe->copies.back(), false);

  gfx::Bitmap bmp(200, 200, gfx::PixelFormat::Bgr24);
  gfx::Canvas c(bmp);
  f->PaintTo(c, 0, 0);
  EXPECT_EQ(w->copies.back(), true);
  EXPECT_EQ(probe->copies.back(), true) << "windowless children paint into the same copy";
  EXPECT_EQ(w->ControlState() & csPaintCopy, 0u);
  EXPECT_EQ(probe->ControlState() & csPaintCopy, 0u);

  w->Invalidate();
  w->Update();
  EXPECT_EQ(w->copies.back(), false);
  EXPECT_EQ(probe->copies.back(), false);
}

}  // namespace
}  // namespace ui::testing
