// The progress bar: a position inside a range, shown as a row of blocks
// (or one smooth bar), horizontal or vertical. The position always lies in
// [Min, Max].
#pragma once

#include <string>

#include "platform/ui/WinControl.h"

namespace ui {

enum class ProgressBarOrientation { pbHorizontal, pbVertical };

class ProgressBar : public WinControl {
 public:
  explicit ProgressBar(Component* owner);
  ~ProgressBar() override;

  std::string ClassName() const override { return "TProgressBar"; }
  bool InheritsFrom(const std::string& c) const override {
    return c == "TProgressBar" || WinControl::InheritsFrom(c);
  }

  int Min() const { return min_; }
  int Max() const { return max_; }
  // A minimum above the maximum (or the reverse) moves the other end along,
  // so the range is never inverted.
  void SetMin(int v);
  void SetMax(int v);
  void SetRange(int min, int max);
  int Position() const { return position_; }
  // Clamped into [Min, Max].
  void SetPosition(int v);
  int Step() const { return step_; }
  void SetStep(int s) { step_ = s; }
  void StepIt() { SetPosition(position_ + step_); }
  ProgressBarOrientation Orientation() const { return orientation_; }
  void SetOrientation(ProgressBarOrientation o);
  bool Smooth() const { return smooth_; }
  void SetSmooth(bool on);

  // The filled part in client coordinates.
  gfx::Rect FilledRect() const;

 protected:
  void CreateParams(ui::CreateParams& params) override;
  void WndProc(Message& msg) override;
  void PaintWindow(gfx::Canvas& canvas) override;
  virtual void PaintBar(gfx::Canvas& canvas);

 private:
  void Changed();

  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
  int step_ = 10;
  ProgressBarOrientation orientation_ = ProgressBarOrientation::pbHorizontal;
  bool smooth_ = false;
};

}  // namespace ui
