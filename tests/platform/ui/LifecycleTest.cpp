// Form creation with the loading protocol, a modal dialog opened from a
// click handler, and windows that never take the activation.
#include <string>
#include <vector>

#include "platform/ui/Screen.h"
#include "platform/ui/forms/TopLevelWindow.h"
#include "tests/platform/ui/TestControls.h"
#include "tests/platform/ui/UiFixture.h"

namespace ui::testing {
namespace {

class LoggingForm : public Form {
 public:
  explicit LoggingForm(Component* owner) : Form(owner) {}
  std::vector<std::string>* log = nullptr;

 protected:
  void Loaded() override {
    if (log) log->push_back("loaded " + Name());
    Form::Loaded();
  }
};

class LoggingProbe : public Probe {
 public:
  LoggingProbe(Component* owner, WinControl* parent, std::vector<std::string>* log)
      : Probe(owner, parent, {0, 0, 10, 10}, gfx::clBlack), log_(log) {}

 protected:
  void Loaded() override {
    log_->push_back(std::string("loaded probe") + (Loading() ? " (loading)" : ""));
    Probe::Loaded();
  }

 private:
  std::vector<std::string>* log_;
};

using LifecycleTest = UiFixture;

TEST_F(LifecycleTest, CreateFormLoadsComponentsThenRunsOnCreateAndTheFirstIsMain) {
  std::vector<std::string> log;
  auto* main = app().CreateForm<LoggingForm>([&](LoggingForm& f) {
    f.log = &log;
    f.SetName("Main");
    EXPECT_TRUE(f.Loading());
    new LoggingProbe(&f, &f, &log);
    f.OnCreate = [&](Component*) { log.push_back("create Main"); };
  });
  auto* second = app().CreateForm<LoggingForm>([&](LoggingForm& f) {
    f.log = &log;
    f.SetName("Result");
  });
  EXPECT_EQ(app().MainForm(), main);
  EXPECT_NE(second, main);
  std::vector<std::string> want{"loaded probe", "loaded Main", "create Main", "loaded Result"};
  EXPECT_EQ(log, want);
  EXPECT_FALSE(main->Loading());
  // Closing the main form ends the loop.
  main->ShowForm();
  app().ProcessMessages();
  main->Close();
  EXPECT_TRUE(app().Terminated());
}

TEST_F(LifecycleTest, ModalDialogFromAClickHandlerCancelsThePressedState) {
  Form* owner = NewForm({100, 100, 500, 400});
  app().SetMainForm(owner);
  auto* tile = new Probe(owner, owner, {10, 10, 100, 100}, gfx::RGB(0, 0, 200));
  Form* dlg = NewForm({0, 0, 200, 100}, BorderStyle::bsToolWindow);
  bool captureDuringModal = true;
  tile->OnClick = [&](Component*) {
    int closer = app().StartCallbackTimer(10, [&] {
      captureDuringModal = tile->MouseCapture() || app().CaptureControl() != nullptr;
      dlg->SetModalResult(mrOk);
    });
    dlg->ShowModal();
    app().StopCallbackTimer(closer);
  };
  Show(owner);
  Click(ClientPoint(tile, 5, 5));
  EXPECT_FALSE(captureDuringModal);
  EXPECT_FALSE(tile->ControlState() & csClicked);
  // A later press and release still clicks normally.
  int runs = 0;
  tile->OnClick = [&](Component*) { ++runs; };
  Click(ClientPoint(tile, 5, 5));
  EXPECT_EQ(runs, 1);
}

TEST_F(LifecycleTest, NoActivateWindowAnswersMouseActivateAndStaysInactive) {
  Form* main = NewForm({100, 100, 500, 400});
  Show(main);
  Form* aux = NewForm({600, 100, 700, 200}, BorderStyle::bsNone);
  aux->SetTag(-98);
  aux->SetExStyle(aux->ExStyle() | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW);
  auto* p = new Probe(aux, aux, {0, 0, 100, 100}, gfx::RGB(1, 1, 1));
  aux->ShowNoActivate();
  app().ProcessMessages();
  EXPECT_EQ(aux->Perform(WM_MOUSEACTIVATE), MA_NOACTIVATE);
  Click({650, 150});
  EXPECT_EQ(p->clicks, 1);
  EXPECT_FALSE(aux->Active());
  EXPECT_TRUE(main->Active());
  EXPECT_EQ(app().Screen().WindowAbove(main), aux);
}

}  // namespace
}  // namespace ui::testing
