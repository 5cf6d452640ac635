// A plain picture control standing in for the toolkit's image control until
// it exists: shows a 32-bit picture with its alpha over the parent.
#pragma once

#include <string>

#include "platform/gfx/Bitmap.h"
#include "platform/ui/Control.h"

namespace game::standin {

class Picture : public ui::Control {
 public:
  explicit Picture(ui::Component* owner);
  std::string ClassName() const override { return "TImage"; }

  const gfx::Bitmap& Bitmap() const { return bitmap_; }
  void SetBitmap(gfx::Bitmap bitmap);

 protected:
  void Paint(gfx::Canvas& canvas) override;

 private:
  gfx::Bitmap bitmap_;
};

}  // namespace game::standin
