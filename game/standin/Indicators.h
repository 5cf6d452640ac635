// A plain progress bar and bevel standing in for the skinned ones until the
// toolkit's standard controls exist.
#pragma once

#include <string>

#include "platform/ui/Control.h"

namespace game::standin {

// A horizontal bar filled in proportion to Position within Min..Max; a
// position outside the range shows the bar empty or full.
class ProgressBar : public ui::Control {
 public:
  explicit ProgressBar(ui::Component* owner);
  std::string ClassName() const override { return "TProgressBar"; }

  int Min() const { return min_; }
  int Max() const { return max_; }
  int Position() const { return position_; }
  void SetRange(int min, int max);
  void SetPosition(int pos);
  // Width in pixels of the filled part inside the frame.
  int FilledWidth() const;

 protected:
  void Paint(gfx::Canvas& canvas) override;

 private:
  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
};

enum class BevelShape { Box, TopLine };

// An etched line or box.
class Bevel : public ui::Control {
 public:
  explicit Bevel(ui::Component* owner);
  std::string ClassName() const override { return "TBevel"; }
  BevelShape Shape() const { return shape_; }
  void SetShape(BevelShape s);

 protected:
  void Paint(gfx::Canvas& canvas) override;

 private:
  BevelShape shape_ = BevelShape::Box;
};

}  // namespace game::standin
