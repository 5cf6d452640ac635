// What a form tells others when its state changes: the application window's
// hooks see the main form being minimised and restored before the form acts,
// a modal form's window is made as a modal one, each state change sends one
// WM_SIZE with the code of the new state, showing and hiding can be seen
// while they run, and the main form's task-bar title is the application's.
#include <string>
#include <vector>

#include "platform/ui/ProcChain.h"
#include "platform/ui/forms/TopLevelWindow.h"
#include "tests/platform/ui/LoopSteps.h"
#include "tests/platform/ui/UiFixture.h"

namespace ui::testing {
namespace {

class FormStateNoticeTest : public UiFixture {
 protected:
  void SetUp() override {
    main_ = NewForm({100, 100, 500, 400}, BorderStyle::bsSizeable);
    app().SetMainForm(main_);
    Show(main_);
    sizes_ = ProcHook(*main_, [this](Message& m, const WndMethod& next) {
      if (m.msg == WM_SIZE) events_.push_back("size " + std::to_string(m.wParam));
      next(m);
    });
  }

  Form* main_ = nullptr;
  ProcHook sizes_;
  std::vector<std::string> events_;
};

TEST_F(FormStateNoticeTest, MainFormMinimiseAndRestoreReachTheApplicationHooksFirst) {
  int hook = app().HookMainWindow([this](Message& m) {
    if (m.msg == WM_SYSCOMMAND) {
      bool minimized = (main_->Style() & WS_MINIMIZE) != 0;
      events_.push_back("app " + std::to_string(m.wParam & 0xFFF0) + (minimized ? " min" : " normal"));
    }
    return false;
  });
  main_->Perform(WM_SYSCOMMAND, SC_MINIMIZE);
  main_->Perform(WM_SYSCOMMAND, SC_RESTORE);
  app().UnhookMainWindow(hook);
  EXPECT_EQ(events_,
            (std::vector<std::string>{
                "app " + std::to_string(SC_MINIMIZE) + " normal", "size " + std::to_string(SIZE_MINIMIZED),
                "app " + std::to_string(SC_RESTORE) + " min", "size " + std::to_string(SIZE_RESTORED)}));
  EXPECT_EQ(main_->GetWindowState(), WindowState::wsNormal);
}

TEST_F(FormStateNoticeTest, HookThatConsumesTheCommandKeepsTheFormAsItIs) {
  int hook = app().HookMainWindow([](Message& m) { return m.msg == WM_SYSCOMMAND; });
  main_->Perform(WM_SYSCOMMAND, SC_MINIMIZE);
  app().UnhookMainWindow(hook);
  EXPECT_EQ(main_->GetWindowState(), WindowState::wsNormal);
  EXPECT_TRUE(events_.empty());
}

TEST_F(FormStateNoticeTest, OtherFormsMinimiseWithoutTheApplicationHooks) {
  Form* other = NewForm({600, 100, 800, 300}, BorderStyle::bsSizeable);
  Show(other);
  int seen = 0;
  int hook = app().HookMainWindow([&seen](Message& m) {
    if (m.msg == WM_SYSCOMMAND) ++seen;
    return false;
  });
  other->Perform(WM_SYSCOMMAND, SC_MINIMIZE);
  app().UnhookMainWindow(hook);
  EXPECT_EQ(seen, 0);
  EXPECT_EQ(other->GetWindowState(), WindowState::wsMinimized);
}

TEST_F(FormStateNoticeTest, ModalFormsWindowIsMadeModalAndPlainShowingIsNot) {
  auto* dlg = new Form(main_);
  dlg->SetBorderStyle(BorderStyle::bsDialog);
  dlg->SetBoundsRect({200, 200, 400, 350});
  // Shown once without ShowModal first, so that its window exists already.
  Show(dlg);
  ASSERT_FALSE(screen().OptionsOf(dlg->Surface()->Surface()).Modal);
  dlg->HideForm();
  for (int round = 0; round < 2; ++round) {
    SCOPED_TRACE(round);
    bool modal = false;
    LoopSteps run(app(), {[&] {
                    modal = screen().OptionsOf(dlg->Surface()->Surface()).Modal;
                    dlg->SetModalResult(mrOk);
                  }});
    EXPECT_EQ(dlg->ShowModal(), mrOk);
    EXPECT_TRUE(run.Done());
    EXPECT_TRUE(modal);
  }
  Show(dlg);
  EXPECT_FALSE(screen().OptionsOf(dlg->Surface()->Surface()).Modal);
}

TEST_F(FormStateNoticeTest, EachStateChangeSendsOneSizeWithItsCode) {
  struct Case {
    WindowState To;
    int Code;
  };
  const Case cases[] = {
      {WindowState::wsMaximized, SIZE_MAXIMIZED}, {WindowState::wsNormal, SIZE_RESTORED},
      {WindowState::wsMinimized, SIZE_MINIMIZED}, {WindowState::wsNormal, SIZE_RESTORED},
      {WindowState::wsMaximized, SIZE_MAXIMIZED}, {WindowState::wsMinimized, SIZE_MINIMIZED},
      {WindowState::wsNormal, SIZE_MAXIMIZED},  // back to the maximised state it left
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(static_cast<int>(k.To));
    events_.clear();
    main_->SetWindowState(k.To);
    app().ProcessMessages();
    EXPECT_EQ(events_, (std::vector<std::string>{"size " + std::to_string(k.Code)}));
  }
}

TEST_F(FormStateNoticeTest, ShowingChangingHoldsWhileTheFormIsShownOrHidden) {
  Form* f = NewForm({600, 100, 800, 300});
  std::vector<std::string> seen;
  auto note = [&seen, f](const std::string& what) {
    seen.push_back(what + (f->ShowingChanging() ? " changing" : " still"));
  };
  f->OnShow = [&](Component*) { note("show"); };
  f->OnHide = [&](Component*) { note("hide"); };
  ProcHook visible(*f, [&](Message& m, const WndMethod& next) {
    if (m.msg == CM_VISIBLECHANGED) note("visible " + std::to_string(m.wParam));
    next(m);
  });
  Show(f);
  EXPECT_FALSE(f->ShowingChanging());
  f->HideForm();
  EXPECT_FALSE(f->ShowingChanging());
  EXPECT_EQ(seen, (std::vector<std::string>{"show changing", "visible 1 changing", "hide changing",
                                            "visible 0 changing"}));
}

TEST_F(FormStateNoticeTest, MainFormShowsTheApplicationTitleOnTheTaskBar) {
  Form* other = NewForm({600, 100, 800, 300});
  other->SetCaption("Options");
  main_->SetCaption("Board");
  Show(other);
  auto title = [this](Form* f) { return screen().OptionsOf(f->Surface()->Surface()).Title; };
  EXPECT_EQ(title(main_), "Board");  // no application title yet
  app().SetTitle("Zintor 2");
  EXPECT_EQ(title(main_), "Zintor 2");
  EXPECT_EQ(title(other), "Options");
  main_->SetCaption("Board 2");
  EXPECT_EQ(title(main_), "Zintor 2");
  EXPECT_EQ(main_->Caption(), "Board 2");  // the frame still draws the form's caption
  app().SetMainForm(other);
  EXPECT_EQ(title(main_), "Board 2");
  EXPECT_EQ(title(other), "Zintor 2");
  // Text set through the control's own path reaches the title as well.
  static_cast<Control*>(main_)->SetText("Board 3");
  EXPECT_EQ(main_->Caption(), "Board 3");
  EXPECT_EQ(title(main_), "Board 3");
}

TEST_F(FormStateNoticeTest, OnPaintRunsMarkedAsCustomPaint) {
  bool marked = false;
  main_->OnPaint = [&](Component*) { marked = (main_->ControlState() & csCustomPaint) != 0; };
  main_->Repaint();
  EXPECT_TRUE(marked);
  EXPECT_EQ(main_->ControlState() & csCustomPaint, 0u);
}

}  // namespace
}  // namespace ui::testing
