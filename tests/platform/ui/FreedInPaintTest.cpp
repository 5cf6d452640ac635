// Controls freed from inside painting: a windowless control that frees
// itself in its own paint, and one that frees a sibling painted after it.
// Painting goes on with what is left (under ASan, a touch of freed memory
// fails the test).
#include <functional>
#include <string>

#include "tests/platform/ui/UiFixture.h"

namespace ui::testing {
namespace {

// Fills itself with one colour and then runs its hook.
class PaintHook : public Control {
 public:
  PaintHook(WinControl* parent, gfx::Rect bounds, gfx::Color fill, int& paints)
      : Control(parent), fill_(fill), paints_(paints) {
    SetBoundsRect(bounds);
    SetParent(parent);
  }
  std::function<void()> OnPainted;

 protected:
  void Paint(gfx::Canvas& c) override {
    ++paints_;
    c.FillRect({0, 0, Width(), Height()}, fill_);
    if (OnPainted) OnPainted();
  }

 private:
  gfx::Color fill_;
  int& paints_;
};

constexpr gfx::Color kForm = gfx::RGB(200, 200, 200);
constexpr gfx::Color kRed = gfx::RGB(250, 0, 0);
constexpr gfx::Color kBlue = gfx::RGB(0, 0, 250);

class FreedInPaint : public UiFixture {
 protected:
  void Build() {
    firstPaints = secondPaints = 0;
    form = NewForm({100, 100, 300, 200}, BorderStyle::bsNone);
    form->SetColor(kForm);
    first = new PaintHook(form, {10, 10, 40, 40}, kRed, firstPaints);
    second = new PaintHook(form, {50, 10, 80, 40}, kBlue, secondPaints);
  }
  // Paints the form on the screen or, through its printing, into a copy
  // (the control state then carries csPaintCopy during the paint).
  void PaintForm(bool copy) {
    if (!copy) {
      form->Invalidate();
      app().ProcessMessages();
      return;
    }
    gfx::Bitmap b = gfx::NewBitmap24(form->Width(), form->Height());
    gfx::Canvas c(b);
    form->PaintTo(c, 0, 0);
    copyPixel = b.PixelAt(60, 20);
  }

  Form* form = nullptr;
  PaintHook* first = nullptr;
  PaintHook* second = nullptr;
  int firstPaints = 0;
  int secondPaints = 0;
  gfx::Color copyPixel = 0;
};

TEST_F(FreedInPaint, ControlFreeingItselfLeavesTheRestPainting) {
  for (const bool copy : {false, true}) {
    SCOPED_TRACE(copy ? "into a copy" : "on the screen");
    Build();
    Show(form);
    secondPaints = 0;
    first->OnPainted = [this] { delete first; };
    PaintForm(copy);
    EXPECT_EQ(form->ControlCount(), 1);
    EXPECT_EQ(secondPaints, 1);
    if (copy) {
      EXPECT_EQ(copyPixel, kBlue);
    }
    // The freed control's place shows the form at the next paint.
    PaintForm(false);
    EXPECT_EQ(Pixel(ClientPoint(form, 20, 20)), kForm);
    EXPECT_EQ(Pixel(ClientPoint(form, 60, 20)), kBlue);
    delete form;
  }
}

TEST_F(FreedInPaint, SiblingFreedBeforeItsTurnIsSkipped) {
  Build();
  Show(form);
  secondPaints = 0;
  first->OnPainted = [this] { delete second; };
  PaintForm(false);
  EXPECT_EQ(secondPaints, 0);
  EXPECT_EQ(form->ControlCount(), 1);
  EXPECT_EQ(Pixel(ClientPoint(form, 20, 20)), kRed);
}

}  // namespace
}  // namespace ui::testing
