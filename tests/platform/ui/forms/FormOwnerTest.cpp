// What the window manager is told of a form: the window it belongs to (every
// dialog and message box, tool windows included) and what it may do to it
// (fixed-size windows cannot be resized; maximise only with the box). A
// modal form and the windows it blocks are minimised and restored as one.
#include <algorithm>

#include "platform/ui/controls/MessageBox.h"
#include "platform/ui/forms/TopLevelWindow.h"
#include "tests/platform/ui/LoopSteps.h"
#include "tests/platform/ui/UiFixture.h"

namespace ui::testing {
namespace {

class FormOwnerTest : public UiFixture {
 protected:
  void SetUp() override {
    main_ = NewForm({100, 100, 500, 400});
    main_->SetBorderIcons(biSystemMenu | biMinimize);
    app().SetMainForm(main_);
    Show(main_);
  }
  backend::SurfaceId SurfaceOf(const Form* f) { return f->Surface()->Surface(); }
  backend::SurfaceId OwnerOf(const Form* f) { return screen().OptionsOf(SurfaceOf(f)).Owner; }
  const backend::WindowActions& ActionsOf(const Form* f) { return screen().OptionsOf(SurfaceOf(f)).Actions; }
  int StackIndex(const Form* f) {
    auto order = screen().StackingOrder();
    return static_cast<int>(std::find(order.begin(), order.end(), SurfaceOf(f)) - order.begin());
  }
  Form* Dialog(BorderStyle style, const gfx::Rect& bounds = {200, 150, 400, 300}) {
    auto* f = new Form(&app());
    f->SetBorderStyle(style);
    f->SetBorderIcons(biSystemMenu);
    f->SetBoundsRect(bounds);
    return f;
  }
  bool Minimized(const Form* f) { return f->GetWindowState() == WindowState::wsMinimized; }

  Form* main_ = nullptr;
};

TEST_F(FormOwnerTest, EveryDialogAndMessageBoxBelongsToTheWindowItWasShownFrom) {
  EXPECT_EQ(OwnerOf(main_), backend::kNoSurface);
  Form* tool = Dialog(BorderStyle::bsToolWindow);  // the game's new-game and result dialogs
  Form* sizeable = Dialog(BorderStyle::bsSizeable, {150, 150, 450, 450});
  Form* box = nullptr;
  bool checked = false;
  During([&] {
    EXPECT_EQ(OwnerOf(tool), SurfaceOf(main_));
    EXPECT_EQ(screen().OptionsOf(SurfaceOf(tool)).Kind, backend::SurfaceKind::Auxiliary);
    // A message box from inside the dialog belongs to the dialog.
    During([&] {
      box = app().ModalForm();
      EXPECT_EQ(OwnerOf(box), SurfaceOf(tool));
      checked = true;
      box->SetModalResult(mrOk);
    });
    ShowMessageBox("Text", "Box");
    tool->SetModalResult(mrOk);
  });
  tool->ShowModal();
  EXPECT_TRUE(checked);

  // Shown modelessly, a form belongs to the main form; the main form and the
  // skin's auxiliary windows belong to nobody.
  Show(sizeable);
  EXPECT_EQ(OwnerOf(sizeable), SurfaceOf(main_));
  Form* border = Dialog(BorderStyle::bsNone);
  border->SetTag(-98);
  Show(border);
  EXPECT_EQ(OwnerOf(border), backend::kNoSurface);
}

TEST_F(FormOwnerTest, TheWindowManagerMayResizeAndMaximiseOnlyWhatTheFormAllows) {
  struct Case {
    const char* name;
    BorderStyle style;
    BorderIcons icons;
    backend::WindowActions expected;  // resize, minimise, maximise
  };
  const Case cases[] = {
      {"single, minimise box", BorderStyle::bsSingle, biSystemMenu | biMinimize, {false, true, false}},
      {"single, both boxes",
       BorderStyle::bsSingle,
       biSystemMenu | biMinimize | biMaximize,
       {false, true, true}},
      {"sizeable, close box only", BorderStyle::bsSizeable, biSystemMenu, {true, false, false}},
      {"sizeable, both boxes",
       BorderStyle::bsSizeable,
       biSystemMenu | biMinimize | biMaximize,
       {true, true, true}},
      {"tool window",
       BorderStyle::bsToolWindow,
       biSystemMenu | biMinimize | biMaximize,
       {false, false, false}},
      {"dialog", BorderStyle::bsDialog, biSystemMenu, {false, false, false}},
      {"none", BorderStyle::bsNone, 0, {false, false, false}},
  };
  Form* f = Dialog(BorderStyle::bsSizeable);
  Show(f);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    f->SetBorderStyle(c.style);  // live: the window manager learns at once
    f->SetBorderIcons(c.icons);
    EXPECT_EQ(ActionsOf(f), c.expected);
  }
  EXPECT_EQ(ActionsOf(main_), (backend::WindowActions{false, true, false}));

  // A size the window manager imposes on a fixed-size form is not taken;
  // the move is.
  screen().InjectBounds(SurfaceOf(main_), {40, 30, 900, 700});
  app().ProcessMessages();
  EXPECT_EQ(main_->BoundsRect(), (gfx::Rect{40, 30, 440, 330}));
}

TEST_F(FormOwnerTest, AModalFormIsMinimisedAndRestoredWithItsOwner) {
  Form* dlg = Dialog(BorderStyle::bsToolWindow);
  auto iconify = [this](Form* f, bool on) {
    screen().InjectWindowState(SurfaceOf(f), on);
    app().ProcessMessages();
  };
  LoopSteps run(app(), {
                           // The window manager minimises the owner: the dialog goes with it.
                           [&] { iconify(main_, true); },
                           [&] {
                             EXPECT_TRUE(Minimized(main_));
                             EXPECT_TRUE(Minimized(dlg));
                             EXPECT_TRUE(screen().IsMinimized(SurfaceOf(dlg)));
                             // Restored from the task bar, both come back, the dialog in front.
                             iconify(main_, false);
                           },
                           [&] {
                             EXPECT_FALSE(Minimized(main_));
                             EXPECT_FALSE(Minimized(dlg));
                             EXPECT_GT(StackIndex(dlg), StackIndex(main_));
                             EXPECT_TRUE(dlg->Active());
                             // The dialog minimised on its own takes its owner along ...
                             iconify(dlg, true);
                           },
                           [&] {
                             EXPECT_TRUE(Minimized(main_));
                             EXPECT_TRUE(screen().IsMinimized(SurfaceOf(main_)));
                             // ... and comes back with it.
                             iconify(dlg, false);
                           },
                           [&] {
                             EXPECT_FALSE(Minimized(main_));
                             EXPECT_FALSE(screen().IsMinimized(SurfaceOf(main_)));
                             EXPECT_TRUE(dlg->Active());
                             // The owner alone back on screen (as a window manager
                             // may do): it brings the dialog along as soon as
                             // it is activated.
                             iconify(dlg, true);
                           },
                           [&] {
                             screen().Show(SurfaceOf(main_), true);
                             app().ProcessMessages();
                           },
                           [&] {
                             EXPECT_FALSE(Minimized(dlg));
                             EXPECT_TRUE(dlg->Active());
                             EXPECT_GT(StackIndex(dlg), StackIndex(main_));
                             dlg->SetModalResult(mrOk);
                           },
                       });
  EXPECT_EQ(dlg->ShowModal(), mrOk);
  EXPECT_TRUE(run.Done());
  // With no modal form, minimising the main form leaves other forms alone.
  Form* other = Dialog(BorderStyle::bsSizeable);
  Show(other);
  iconify(main_, true);
  EXPECT_TRUE(Minimized(main_));
  EXPECT_FALSE(Minimized(other));
}

}  // namespace
}  // namespace ui::testing
