// A modal window stays above its owner: clicks on the visible parts of the
// owner neither raise nor activate it and never reach its controls.
#include <algorithm>
#include <vector>

#include "platform/ui/Screen.h"
#include "platform/ui/controls/MessageBox.h"
#include "platform/ui/forms/TopLevelWindow.h"
#include "tests/platform/ui/LoopSteps.h"
#include "tests/platform/ui/TestControls.h"
#include "tests/platform/ui/UiFixture.h"

namespace ui::testing {
namespace {

class ModalStackingTest : public UiFixture {
 protected:
  void SetUp() override {
    main_ = NewForm({100, 100, 700, 600}, BorderStyle::bsSizeable);
    app().SetMainForm(main_);
    probe_ = new Probe(main_, main_, {0, 0, 60, 60}, gfx::RGB(200, 0, 0));
    Show(main_);
  }

  // Index of a form's surface in the stacking order (bottom = 0).
  int StackIndex(const Form* f) {
    auto order = screen().StackingOrder();
    auto it = std::find(order.begin(), order.end(), f->Surface()->Surface());
    return it == order.end() ? -1 : static_cast<int>(it - order.begin());
  }

  // Clicks on the owner (after one on the bare desktop, which takes the
  // focus from the application) while `modal` runs, with the checks after
  // each click.
  std::vector<LoopSteps::Step> ClickOwnerSteps(Form*& modal) {
    std::vector<LoopSteps::Step> steps;
    steps.push_back([this, &modal] {
      modal = app().ModalForm();
      ASSERT_NE(modal, nullptr);
      EXPECT_GT(StackIndex(modal), StackIndex(main_));
      EXPECT_TRUE(modal->Active());
      screen().InjectClick({1250, 1000});
    });
    const gfx::Point onOwner[] = {ClientPoint(probe_, 10, 10),               // a control in the client
                                  {main_->Left() + 60, main_->Top() + 12},   // the caption
                                  {main_->Left() + 2, main_->Top() + 300}};  // the sizing border
    for (gfx::Point p : onOwner) {
      steps.push_back([this, p] {
        ASSERT_EQ(app().Screen().TopLevelAt(p), main_) << "the point must show the owner";
        screen().InjectClick(p);
      });
      steps.push_back([this, &modal, p] {
        SCOPED_TRACE(::testing::Message() << "click at " << p.X << "," << p.Y);
        EXPECT_GT(StackIndex(modal), StackIndex(main_));
        EXPECT_EQ(app().Screen().WindowAbove(main_), modal);
        EXPECT_FALSE(main_->Active());
        EXPECT_TRUE(modal->Active());
        EXPECT_EQ(screen().FocusedSurface(), modal->Surface()->Surface());
        EXPECT_EQ(main_->BoundsRect(), (gfx::Rect{100, 100, 700, 600}));
        EXPECT_EQ(probe_->downs + probe_->ups + probe_->clicks, 0);
      });
    }
    return steps;
  }

  Form* main_ = nullptr;
  Probe* probe_ = nullptr;
};

TEST_F(ModalStackingTest, MessageBoxStaysAboveItsOwnerWhenTheOwnerIsClicked) {
  Form* box = nullptr;
  auto steps = ClickOwnerSteps(box);
  steps.push_back([&box] { box->SetModalResult(mrOk); });
  LoopSteps run(app(), steps);
  EXPECT_EQ(ShowMessageBox("Short text", "Note"), mrOk);
  EXPECT_TRUE(run.Done());
  // Afterwards the owner takes input again.
  EXPECT_TRUE(main_->Active());
  Click(ClientPoint(probe_, 10, 10));
  EXPECT_EQ(probe_->clicks, 1);
}

TEST_F(ModalStackingTest, ModalFormOwnedByTheMainFormStaysAboveIt) {
  auto* dlg = new Form(main_);
  dlg->SetBorderStyle(BorderStyle::bsDialog);
  dlg->SetBoundsRect({300, 250, 500, 400});
  Form* seen = nullptr;
  auto steps = ClickOwnerSteps(seen);
  steps.push_back([dlg, &seen] {
    EXPECT_EQ(seen, dlg);
    dlg->SetModalResult(mrCancel);
  });
  LoopSteps run(app(), steps);
  EXPECT_EQ(dlg->ShowModal(), mrCancel);
  EXPECT_TRUE(run.Done());
  EXPECT_FALSE(dlg->Visible());
  EXPECT_TRUE(main_->Active());
}

TEST_F(ModalStackingTest, AboveATopmostOwnerTooWithoutStayingTopmostAfterwards) {
  main_->SetFormStyle(FormStyle::fsStayOnTop);
  ASSERT_TRUE(main_->Topmost());
  Form* box = nullptr;
  auto steps = ClickOwnerSteps(box);
  steps.push_back([&box] { box->SetModalResult(mrOk); });
  {
    LoopSteps run(app(), steps);
    EXPECT_EQ(ShowMessageBox("Short text", "Note"), mrOk);
    EXPECT_TRUE(run.Done());
  }
  auto* dlg = new Form(main_);
  dlg->SetBorderStyle(BorderStyle::bsDialog);
  dlg->SetBoundsRect({300, 250, 500, 400});
  Form* seen = nullptr;
  steps = ClickOwnerSteps(seen);
  steps.push_back([dlg] { dlg->SetModalResult(mrOk); });
  LoopSteps run(app(), steps);
  dlg->ShowModal();
  EXPECT_TRUE(run.Done());
  EXPECT_FALSE(dlg->Topmost());
  EXPECT_TRUE(main_->Topmost());
}

}  // namespace
}  // namespace ui::testing
