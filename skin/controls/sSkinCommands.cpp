#include "skin/controls/sSkinCommands.h"

#include "platform/ui/WinControl.h"

namespace skin {

ui::LRESULT SendSkinCommand(ui::Control* target, std::uint16_t code, ui::LPARAM lParam, std::uint16_t low) {
  if (target == nullptr || target->Destroying()) return 0;
  if (target->HasWindow() && !static_cast<ui::WinControl*>(target)->HandleAllocated()) return 0;
  return target->Perform(ui::SM_ALPHACMD, SkinCommandParam(code, low), lParam);
}

}  // namespace skin
