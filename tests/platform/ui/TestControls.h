// Small controls for the toolkit tests: a windowless control that records
// what it receives and paints itself in one colour, and a focusable
// windowed "button" that answers dialog keys.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/WinControl.h"

namespace ui::testing {

class Probe : public Control {
 public:
  Probe(Component* owner, WinControl* parent, gfx::Rect bounds, gfx::Color fill)
      : Control(owner), fill_(fill) {
    SetBoundsRect(bounds);
    SetParent(parent);
    OnClick = [this](Component*) { ++clicks; };
  }
  int clicks = 0;
  int downs = 0;
  int ups = 0;
  int moves = 0;
  int dblclicks = 0;
  gfx::Point lastMove;

 protected:
  void Paint(gfx::Canvas& c) override { c.FillRect({0, 0, Width(), Height()}, fill_); }
  void MouseDown(MouseButton b, ShiftState s, int x, int y) override {
    ++downs;
    Control::MouseDown(b, s, x, y);
  }
  void MouseUp(MouseButton b, ShiftState s, int x, int y) override {
    ++ups;
    Control::MouseUp(b, s, x, y);
  }
  void MouseMove(ShiftState s, int x, int y) override {
    ++moves;
    lastMove = {x, y};
    Control::MouseMove(s, x, y);
  }
  void DblClick() override { ++dblclicks; }

 private:
  gfx::Color fill_;
};

// A windowed control that takes the focus and answers Enter (default) or
// Esc (cancel) like a push button.
class TestButton : public WinControl {
 public:
  TestButton(Component* owner, WinControl* parent, gfx::Rect bounds) : WinControl(owner) {
    SetBoundsRect(bounds);
    SetTabStop(true);
    SetParent(parent);
  }
  bool isDefault = false;
  bool isCancel = false;
  int clicks = 0;
  int focusIn = 0;
  int focusOut = 0;
  bool AnswersDialogKey(DialogKey k) const override {
    return (k == DialogKey::Enter && isDefault) || (k == DialogKey::Escape && isCancel);
  }
  void Click() override {
    ++clicks;
    WinControl::Click();
  }

 protected:
  void WndProc(Message& m) override {
    if (m.msg == WM_SETFOCUS) ++focusIn;
    if (m.msg == WM_KILLFOCUS) ++focusOut;
    WinControl::WndProc(m);
  }
};

}  // namespace ui::testing
