// The hook the first skin manager puts on the application window: it notes
// minimise and restore, swallows theme changes, passes the invalidate request
// on to every form and lets the menu painter answer its two menu messages.
#include "platform/ui/Application.h"
#include "platform/ui/Screen.h"
#include "platform/ui/forms/Form.h"
#include "skin/controls/sSkinCommands.h"
#include "skin/controls/sSkinManager.h"

namespace skin {

void TsSkinManager::InstallAppHook() {
  if (!ui::Application::Exists() || appHookId_ != 0) return;
  auto& app = ui::Application::Instance();
  if (!app.Facts().NtFamily) return;
  appHookId_ = app.HookMainWindow([this](ui::Message& m) { return HandleAppMessage(m); });
}

void TsSkinManager::RemoveAppHook() {
  if (appHookId_ == 0) return;
  if (ui::Application::Exists()) ui::Application::Instance().UnhookMainWindow(appHookId_);
  appHookId_ = 0;
}

bool TsSkinManager::HandleAppMessage(ui::Message& m) {
  if (!skinnedPopups_) return false;
  switch (m.msg) {
    case ui::WM_SYSCOMMAND: {
      const ui::WPARAM cmd = m.wParam & 0xFFF0;
      if (cmd == ui::SC_MINIMIZE) SetAppMinimized(true);
      if (cmd == ui::SC_RESTORE) SetAppMinimized(false);
      return false;
    }
    case ui::WM_THEMECHANGED: return true;
    case ui::CM_ACTIVATE:
      for (ui::Form* f : ui::Application::Instance().Screen().Forms()) SendSkinCommand(f, SKC_INVALIDATE);
      return false;
    case ui::CM_MENUITEMPREPARE:
    case ui::CM_MENUWINDOWPREPARE:
      if (menus_->PrepareMenuWindow(m)) {
        m.result = 1;
        return true;
      }
      return false;
    default: return false;
  }
}

}  // namespace skin
