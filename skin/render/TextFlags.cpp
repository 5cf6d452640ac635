#include "skin/render/TextFlags.h"

#include "platform/gfx/DrawTextFlags.h"

namespace skin {

unsigned StringFlags(TextAlignment alignment, bool rightToLeftReading) {
  unsigned horizontal = gfx::DT_LEFT;
  switch (alignment) {
    case TextAlignment::taLeftJustify: horizontal = rightToLeftReading ? gfx::DT_RIGHT : gfx::DT_LEFT; break;
    case TextAlignment::taRightJustify: horizontal = rightToLeftReading ? gfx::DT_LEFT : gfx::DT_RIGHT; break;
    case TextAlignment::taCenter: horizontal = gfx::DT_CENTER; break;
  }
  unsigned flags = horizontal | gfx::DT_VCENTER | gfx::DT_EXPANDTABS;
  if (rightToLeftReading) flags |= gfx::DT_RTLREADING;
  return flags;
}

}  // namespace skin
