#include "skin/controls/sSkinCommands.h"

#include "platform/ui/WinControl.h"
#include "skin/controls/sCommonData.h"

namespace skin {

bool SkinCommandChangesBackdrop(std::uint16_t code) {
  switch (code) {
    case SKC_SKIN_LOADED:
    case SKC_SKIN_UNLOADED:
    case SKC_SKIN_REFRESH:
    case SKC_PARENT_UPDATED:
    case SKC_SET_UPDATING:
    case SKC_SET_FORCE_PARENT_BG:
    case SKC_SET_DIRTY_IF_TRANSPARENT:
    case SKC_SET_DIRTY:
    case SKC_INVALIDATE:
    case SKC_PARENT_BG_CHANGED:
    case SKC_SET_HALF_VISIBLE:
    case SKC_REPAINT_CACHE: return true;
    default: return false;
  }
}

ui::LRESULT SendSkinCommand(ui::Control* target, std::uint16_t code, ui::LPARAM lParam, std::uint16_t low) {
  if (target == nullptr || target->Destroying()) return 0;
  if (target->HasWindow() && !static_cast<ui::WinControl*>(target)->HandleAllocated()) return 0;
  if (SkinCommandChangesBackdrop(code))
    if (TsCommonData* d = SkinDataOf(target)) d->CornerMemo.Forget();
  return target->Perform(ui::SM_ALPHACMD, SkinCommandParam(code, low), lParam);
}

}  // namespace skin
