// TsAnimTimer: the cross-fade timer of a control without a window of its own
// (the speed button). Every 10 ms it blends the old image with the binding's
// cache into FrameImage and asks the control to show it (skin commands 8 and
// 18); the control copies FrameImage instead of its cache while the timer is
// enabled. After the last step the next tick sends skin command 16, on which
// the control ends the fade and frees the timer.
//
// The control may free the timer from inside a tick (command 16, or a paint
// handler reached through 8/18 that destroys the control): after each command
// the timer checks that it still exists before it touches its fields.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/gfx/Bitmap.h"
#include "platform/ui/Timer.h"

namespace skin {

class TsCommonData;

class TsAnimTimer : public ui::Timer {
 public:
  // Disabled, no owner; counts as a live fade timer until destroyed.
  TsAnimTimer();
  ~TsAnimTimer() override;

  std::string ClassName() const override { return "TsAnimTimer"; }
  bool InheritsFrom(const std::string& c) const override {
    return c == "TsAnimTimer" || ui::Timer::InheritsFrom(c);
  }

  // Binds the timer: interval 10 ms, StepCount := the section's FadingIterations.
  void Attach(TsCommonData& binding);
  // One frame: blend, show, advance StepIndex (also when nothing was shown).
  void Step();
  // True when the fade is over or can no longer run; when the last step has
  // been shown it sends skin command 16 to the control first (which may free
  // this timer).
  bool Finished();

  bool InStep = false;
  gfx::Bitmap FromImage;   // the old look
  gfx::Bitmap FrameImage;  // the frame on screen
  TsCommonData* Binding = nullptr;
  std::int32_t StepCount = 0;
  std::int32_t StepIndex = 1;

  // Expires when the timer is destroyed: code that sends commands while it
  // holds the timer checks it before touching the timer again.
  std::weak_ptr<void> Life() const { return life_; }

 protected:
  void DoTimer() override;

 private:
  std::shared_ptr<int> life_ = std::make_shared<int>(0);
};

}  // namespace skin
