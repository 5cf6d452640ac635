// A plain radio button standing in for the skinned one until the toolkit's
// standard controls exist. Checking one unchecks its siblings on the same
// parent; a click checks it.
#pragma once

#include <string>

#include "platform/ui/Control.h"

namespace game::standin {

class RadioButton : public ui::Control {
 public:
  explicit RadioButton(ui::Component* owner);
  std::string ClassName() const override { return "TRadioButton"; }

  bool Checked() const { return checked_; }
  void SetChecked(bool on);
  void Click() override;

 protected:
  void Paint(gfx::Canvas& canvas) override;

 private:
  bool checked_ = false;
};

}  // namespace game::standin
