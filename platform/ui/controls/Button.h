// The push button: a windowed button with a caption (with `&` accelerators),
// default and cancel roles for Enter and Esc, a modal result that it hands to
// its form on a click, a pushed look while pressed by mouse or space bar, and
// an owner-draw style that can be switched on and off at run time.
#pragma once

#include <string>

#include "platform/ui/WinControl.h"
#include "platform/ui/forms/Form.h"

namespace ui {

// Owner-draw state bits of a button.
constexpr unsigned ODS_SELECTED = 0x1;
constexpr unsigned ODS_DISABLED = 0x4;
constexpr unsigned ODS_FOCUS = 0x10;
constexpr unsigned ODS_DEFAULT = 0x20;

// The record of an owner-draw request of a button: WM_DRAWITEM to the
// parent (wParam: the button), reflected back to the button as OCM_DRAWITEM;
// answer 1 = drawn.
struct ButtonDrawItem {
  Control* Ctl = nullptr;
  gfx::Canvas* Canvas = nullptr;
  gfx::Rect Rect;
  unsigned State = 0;
};

struct ButtonMeasureItem {
  Control* Ctl = nullptr;
  int ItemWidth = 0;
  int ItemHeight = 0;
};

class Button : public WinControl {
 public:
  explicit Button(Component* owner);
  ~Button() override;

  std::string ClassName() const override { return "TButton"; }
  bool InheritsFrom(const std::string& c) const override {
    return c == "TButton" || c == "TButtonControl" || WinControl::InheritsFrom(c);
  }

  bool Default() const { return default_; }
  void SetDefault(bool on);
  bool Cancel() const { return cancel_; }
  void SetCancel(bool on) { cancel_ = on; }
  ModalResult GetModalResult() const { return modalResult_; }
  void SetModalResult(ModalResult r) { modalResult_ = r; }
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool on);

  // Owner drawing: the button stops painting itself and asks its parent
  // (WM_DRAWITEM, reflected to the button as OCM_DRAWITEM) on every paint.
  bool OwnerDraw() const { return (Style() & BS_TYPEMASK) == BS_OWNERDRAW; }
  void SetOwnerDraw(bool on);
  // The platform's default state: true while Enter would click this button
  // (it is focused, or it is the default and no other button is focused).
  bool IsDefaultNow() const { return active_; }
  // Held down by the mouse (while over the button) or the space bar.
  bool Pushed() const { return pushed_ && (pushedByKey_ || mouseInside_); }

  void Click() override;
  bool AnswersDialogKey(DialogKey key) const override;

 protected:
  void WndProc(Message& msg) override;
  void CreateParams(ui::CreateParams& params) override;
  void PaintWindow(gfx::Canvas& canvas) override;
  void MouseDown(MouseButton button, ShiftState shift, int x, int y) override;
  void MouseUp(MouseButton button, ShiftState shift, int x, int y) override;
  void MouseMove(ShiftState shift, int x, int y) override;
  void KeyDown(unsigned& key, ShiftState shift) override;
  void KeyUp(unsigned& key, ShiftState shift) override;
  // The default-button notice: this button became (or stopped being) the
  // one that Enter clicks.
  virtual void DefaultNotice(bool isDefaultNow);
  // The plain look.
  virtual void PaintButton(gfx::Canvas& canvas);
  void SetPushed(bool on);

 private:
  bool default_ = false;
  bool cancel_ = false;
  ModalResult modalResult_ = mrNone;
  bool wordWrap_ = false;
  bool active_ = false;
  bool pushed_ = false;
  bool pushedByKey_ = false;
  bool mouseInside_ = false;
};

}  // namespace ui
