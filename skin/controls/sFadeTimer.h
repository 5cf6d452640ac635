// TsFadeTimer: the cross-fade timer of a windowed control (push button, radio
// button), owned by the control as a component. Every 10 ms it blends the
// old image with the binding's cache and draws the frame straight onto the
// control's window (unless the control draws it itself, skin command 24).
// After the last step the next tick sends skin command 16; the control
// answers it with FinishWindowFade.
//
// And the operations windowed controls call with their timer reference:
// ChangeOrFade on every hover and press change, StartWindowFade,
// StopWindowFade and FinishWindowFade.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/gfx/Bitmap.h"
#include "platform/ui/Timer.h"

namespace skin {

class TsCommonData;

class TsFadeTimer : public ui::Timer {
 public:
  // `owner` is the faded control. Stopped (mode 0); counts as a live fade
  // timer until destroyed.
  explicit TsFadeTimer(ui::Component* owner);
  ~TsFadeTimer() override;

  std::string ClassName() const override { return "TsFadeTimer"; }
  bool InheritsFrom(const std::string& c) const override {
    return c == "TsFadeTimer" || ui::Timer::InheritsFrom(c);
  }

  // FadeMode := m; a negative StepIndex becomes 1; enabled exactly when m != 0.
  void SetMode(std::uint8_t m);
  // One frame onto the window; StepIndex advances also when nothing was drawn.
  void Step();
  // True after the last step, once skin command 16 went to the control
  // (which may free this timer). A fade that can no longer run (control or
  // binding gone, application terminating) is stopped and answers false.
  bool Finished();

  std::uint8_t FadeMode = 0;
  TsCommonData* Binding = nullptr;
  std::int32_t StepCount = 0;
  std::int32_t StepIndex = 1;
  gfx::Bitmap FromImage;

  // Expires when the timer is destroyed: code that sends commands while it
  // holds the timer checks it before touching the timer again.
  std::weak_ptr<void> Life() const { return life_; }

 protected:
  void DoTimer() override;

 private:
  std::shared_ptr<int> life_ = std::make_shared<int>(0);
};

// Starts (or restarts from step 1) the fade of a windowed control from its
// current cache to the look it renders on skin command 23; `halfSteps` for
// press and release. Nothing when the section does not fade.
void StartWindowFade(TsFadeTimer*& timer, TsCommonData& binding, bool halfSteps);
// Stops and frees the timer, if any, and clears the reference.
void StopWindowFade(TsFadeTimer*& timer);
// The control's answer to skin command 16: StopWindowFade, then, when a fade
// was running, one repaint, so the control shows its cache whatever the last
// frame was (a fade of 0 steps, a resize or a failed step).
void FinishWindowFade(TsFadeTimer*& timer, TsCommonData& binding);
// A state change of a windowed control: cross-fades when `animate` and the
// skin allows it now, otherwise stops any fade and repaints at once. Then the
// glow follows (`halfSteps` refreshes it).
void ChangeOrFade(TsFadeTimer*& timer, TsCommonData& binding, bool halfSteps, bool animate);

}  // namespace skin
