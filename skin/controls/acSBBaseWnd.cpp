// TacBaseWnd: what every adapted control shares on top of the skinned bars.
#include "platform/ui/WinControl.h"
#include "skin/controls/acSBUtils.h"
#include "skin/controls/sCommonData.h"
#include "skin/controls/sSkinCommands.h"

namespace skin {

void TacBaseWnd::RedrawFrame() {
  if (Window->IsWindowVisible()) Window->RedrawWindow(nullptr, ui::RDW_FRAME | ui::RDW_INVALIDATE);
}

void TacBaseWnd::HandleMessage(ui::Message& msg) {
  if (!Skinned()) {
    TacScrollWnd::HandleMessage(msg);
    return;
  }
  switch (msg.msg) {
    case ui::SM_ALPHACMD:
      if (SkinCommandOf(msg) == SKC_SKIN_REFRESH && FromOwnManager(msg)) {
        TacScrollWnd::HandleMessage(msg);
        if (!Unhooked) RedrawFrame();
        return;
      }
      break;
    case ui::WM_SIZE: Binding->CacheStale = true; break;
    case ui::WM_SETCURSOR: PassOn(msg); return;
    case ui::OCM_KEYDOWN: return;
    default: break;
  }
  TacScrollWnd::HandleMessage(msg);
  if (Unhooked) return;
  switch (msg.msg) {
    case ui::WM_SIZE:
    case ui::WM_HSCROLL:
    case ui::WM_VSCROLL:
      if (!SendingScroll) RefreshBars(true);
      break;
    case ui::WM_ENABLE:
    case ui::CM_ENABLEDCHANGED: RedrawFrame(); break;
    default: break;
  }
}

}  // namespace skin
