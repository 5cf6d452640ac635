// The radio button: a windowed check that is exclusive among the radio
// buttons of the same parent. A click (press and release inside), the space
// bar (checked on key up; Esc while it is held cancels), its `&`
// accelerator or an arrow key (moves focus and check to the next
// radio button of the group) checks it; receiving the focus by a mouse press
// does not.
#pragma once

#include <string>

#include "platform/ui/WinControl.h"

namespace ui {

class RadioButton : public WinControl {
 public:
  explicit RadioButton(Component* owner);
  ~RadioButton() override;

  std::string ClassName() const override { return "TRadioButton"; }
  bool InheritsFrom(const std::string& c) const override {
    return c == "TRadioButton" || c == "TButtonControl" || WinControl::InheritsFrom(c);
  }

  bool Checked() const { return checked_; }
  // Checking unchecks the sibling radio buttons and runs OnClick; only the
  // checked button of a group is a tab stop.
  void SetChecked(bool on);
  // taRightJustify (default): glyph at the left, caption at the right.
  Alignment GetAlignment() const { return alignment_; }
  void SetAlignment(Alignment a);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool on);
  // A press or a space key is in progress on this button.
  bool Pressed() const { return pressed_; }
  // The glyph sits at the left (alignment and reading order together).
  bool GlyphAtLeft() const;

 protected:
  void WndProc(Message& msg) override;
  void PaintWindow(gfx::Canvas& canvas) override;
  bool CanAutoSize(int& width, int& height) override;
  void KeyDown(unsigned& key, ShiftState shift) override;
  void KeyUp(unsigned& key, ShiftState shift) override;
  // A release of a press on this button checks it when this answers true.
  virtual bool CanCheck() const { return true; }
  // The plain look: the round glyph and the caption.
  virtual void PaintRadio(gfx::Canvas& canvas);
  // Moves focus and check to the next (or previous) sibling radio button.
  bool SelectSibling(bool forward);

 private:
  void SetPressed(bool on);

  bool checked_ = false;
  Alignment alignment_ = Alignment::taRightJustify;
  bool wordWrap_ = false;
  bool pressed_ = false;
  bool spaceHeld_ = false;  // pressed_ comes from the space bar
  bool mouseInside_ = false;
};

}  // namespace ui
