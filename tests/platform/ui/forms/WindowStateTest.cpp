// Minimising through the window system: every way in (system command,
// caption button, WindowState, the window manager) iconifies the window,
// sends SIZE_MINIMIZED and passes the activation on; every way back brings
// the window on screen, active, in the state it had before.
#include <vector>

#include "platform/ui/Screen.h"
#include "platform/ui/forms/TopLevelWindow.h"
#include "tests/platform/ui/TestControls.h"
#include "tests/platform/ui/UiFixture.h"

namespace ui::testing {
namespace {

const gfx::Rect kBounds{100, 100, 500, 400};
const gfx::Color kDesktop = gfx::RGB(0, 128, 128);
const gfx::Color kClient = gfx::RGB(200, 100, 0);

class WindowStateTest : public UiFixture {
 protected:
  void SetUp() override {
    other_ = NewForm({700, 100, 900, 300}, BorderStyle::bsSingle);
    form_ = NewForm(kBounds, BorderStyle::bsSizeable);
    form_->SetColor(kClient);
    app().SetMainForm(form_);
    Show(other_);
    Show(form_);
    sizes_ = ProcHook(*form_, [this](Message& m, const WndMethod& next) {
      if (m.msg == WM_SIZE) sizeCodes_.push_back(static_cast<int>(m.wParam));
      next(m);
    });
  }
  backend::SurfaceId Id() { return form_->Surface()->Surface(); }
  gfx::Point Inside() { return ClientPoint(form_, 50, 50); }
  void ClickButton(int hit) {
    gfx::Rect r = form_->CaptionButtonRect(hit).Offset(form_->Left(), form_->Top());
    Click({r.Left + 3, r.Top + 3});
  }

  Form* form_ = nullptr;
  Form* other_ = nullptr;
  ProcHook sizes_;
  std::vector<int> sizeCodes_;
};

enum class Way { Command, Button, Property, WindowManager };

TEST_F(WindowStateTest, MinimiseIconifiesAndRestoreBringsTheWindowBack) {
  struct Case {
    Way Minimise, Restore;
  };
  const Case cases[] = {{Way::Command, Way::WindowManager},
                        {Way::Button, Way::Command},
                        {Way::Property, Way::Property},
                        {Way::WindowManager, Way::Command}};
  for (const Case& k : cases) {
    SCOPED_TRACE(::testing::Message()
                 << static_cast<int>(k.Minimise) << " / " << static_cast<int>(k.Restore));
    ASSERT_TRUE(form_->Active());
    sizeCodes_.clear();
    switch (k.Minimise) {
      case Way::Command: form_->Perform(WM_SYSCOMMAND, SC_MINIMIZE); break;
      case Way::Button: ClickButton(HTMINBUTTON); break;
      case Way::Property: form_->SetWindowState(WindowState::wsMinimized); break;
      case Way::WindowManager: screen().InjectWindowState(Id(), true); break;
    }
    app().ProcessMessages();
    EXPECT_EQ(form_->GetWindowState(), WindowState::wsMinimized);
    EXPECT_TRUE(form_->Style() & WS_MINIMIZE);
    EXPECT_TRUE(screen().IsMinimized(Id()));
    EXPECT_TRUE(form_->Visible());
    EXPECT_EQ(Pixel(Inside()), kDesktop);
    EXPECT_EQ(sizeCodes_, (std::vector<int>{SIZE_MINIMIZED}));
    EXPECT_FALSE(form_->Active());
    EXPECT_TRUE(other_->Active());

    sizeCodes_.clear();
    switch (k.Restore) {
      case Way::Command: form_->Perform(WM_SYSCOMMAND, SC_RESTORE); break;
      case Way::Property: form_->SetWindowState(WindowState::wsNormal); break;
      case Way::WindowManager: screen().InjectWindowState(Id(), false); break;
      case Way::Button: FAIL() << "no restore button on a minimised window";
    }
    app().ProcessMessages();
    EXPECT_EQ(form_->GetWindowState(), WindowState::wsNormal);
    EXPECT_FALSE(form_->Style() & WS_MINIMIZE);
    EXPECT_FALSE(screen().IsMinimized(Id()));
    EXPECT_EQ(Pixel(Inside()), kClient);
    EXPECT_EQ(form_->BoundsRect(), kBounds);
    EXPECT_EQ(sizeCodes_, (std::vector<int>{SIZE_RESTORED}));
    EXPECT_TRUE(form_->Active());
  }
}

TEST_F(WindowStateTest, MinimisedFromMaximisedComesBackMaximised) {
  form_->SetWindowState(WindowState::wsMaximized);
  gfx::Rect maxed = form_->BoundsRect();
  ASSERT_NE(maxed, kBounds);
  form_->Perform(WM_SYSCOMMAND, SC_MINIMIZE);
  app().ProcessMessages();
  sizeCodes_.clear();
  screen().InjectWindowState(Id(), false);
  app().ProcessMessages();
  EXPECT_EQ(form_->GetWindowState(), WindowState::wsMaximized);
  EXPECT_EQ(form_->BoundsRect(), maxed);
  EXPECT_EQ(sizeCodes_, (std::vector<int>{SIZE_MAXIMIZED}));
  // Restoring from there gives the normal bounds back.
  form_->Perform(WM_SYSCOMMAND, SC_RESTORE);
  EXPECT_EQ(form_->BoundsRect(), kBounds);
}

TEST_F(WindowStateTest, AHiddenFormSetToMinimisedIsShownMinimised) {
  Form* f = NewForm({150, 150, 350, 350}, BorderStyle::bsSingle);
  f->SetWindowState(WindowState::wsMinimized);
  Show(f);
  EXPECT_TRUE(screen().IsMinimized(f->Surface()->Surface()));
  EXPECT_FALSE(f->Active());
  EXPECT_TRUE(form_->Active());
  EXPECT_EQ(Pixel(ClientPoint(f, 100, 100)), Pixel(ClientPoint(form_, 100, 100)));
  f->Perform(WM_SYSCOMMAND, SC_RESTORE);
  app().ProcessMessages();
  EXPECT_FALSE(screen().IsMinimized(f->Surface()->Surface()));
  EXPECT_TRUE(f->Active());
  EXPECT_EQ(app().Screen().TopLevelAt(ClientPoint(f, 100, 100)), f);
}

}  // namespace
}  // namespace ui::testing
