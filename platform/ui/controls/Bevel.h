// The bevel: a windowless decorative frame or line, lowered or raised.
#pragma once

#include <string>

#include "platform/ui/Control.h"

namespace ui {

enum class BevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
enum class BevelStyle { bsLowered, bsRaised };

class Bevel : public Control {
 public:
  explicit Bevel(Component* owner);
  ~Bevel() override;

  std::string ClassName() const override { return "TBevel"; }
  bool InheritsFrom(const std::string& c) const override {
    return c == "TBevel" || c == "TGraphicControl" || Control::InheritsFrom(c);
  }

  BevelShape Shape() const { return shape_; }
  void SetShape(BevelShape s);
  BevelStyle Style() const { return style_; }
  void SetStyle(BevelStyle s);

 protected:
  void Paint(gfx::Canvas& canvas) override;

 private:
  BevelShape shape_ = BevelShape::bsBox;
  BevelStyle style_ = BevelStyle::bsLowered;
};

}  // namespace ui
