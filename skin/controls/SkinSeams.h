// Services of the frame and menu skinning that the skin manager calls but
// that later parts of the engine provide: glows, the skinned-menu painter,
// form animations and the dialog hook. Each is an interface whose base class
// does nothing; the part that provides the service installs its own object.
#pragma once

#include <memory>
#include <vector>

#include "platform/ui/Messages.h"
#include "skin/controls/sAnimEffects.h"

namespace ui {
class Form;
class PopupMenu;
class WinControl;
}  // namespace ui

namespace skin {

class TsSkinManager;

// Glow effect windows of title-bar buttons and controls. The default has no
// glow windows to clear.
class TacGlowService {
 public:
  virtual ~TacGlowService() = default;
  virtual void ClearGlows() {}
};
TacGlowService& GlowService();
// Installs a service (null restores the do-nothing default). Not owned.
void SetGlowService(TacGlowService* service);

// The skinned-menu painter a manager owns. The default paints nothing and
// answers no menu message.
class TsSkinableMenus {
 public:
  virtual ~TsSkinableMenus() = default;
  // The menu border width taken from the skin; -1 = compute again.
  virtual void SetSkinBorderWidth(int width) { skinBorderWidth_ = width; }
  int SkinBorderWidth() const { return skinBorderWidth_; }
  // Skinning switched on or off.
  virtual void UpdateActive(bool /*active*/) {}
  // Popup menus hooked (true) or released (false).
  virtual void HookPopupMenus(bool /*on*/) {}
  // A control's popup menu is about to open through a context-menu request:
  // switch it to skinned drawing (on) or back to the platform's (off). The
  // default leaves the menu as it is.
  virtual void HookPopupMenu(ui::PopupMenu& /*menu*/, bool /*on*/) {}
  // The private menu messages 48307/48308: paint the item's background.
  // True when answered.
  virtual bool PrepareMenuWindow(ui::Message& /*msg*/) { return false; }

 private:
  int skinBorderWidth_ = -1;
};
// Makes the painter for a new manager; the default makes the do-nothing one.
using TsSkinableMenusFactory = std::unique_ptr<TsSkinableMenus> (*)(TsSkinManager& owner);
void SetSkinableMenusFactory(TsSkinableMenusFactory factory);  // null = default
std::unique_ptr<TsSkinableMenus> MakeSkinableMenus(TsSkinManager& owner);

// Form show animations. The default shows nothing animated.
class TacFormAnimator {
 public:
  virtual ~TacFormAnimator() = default;
  // Animates `form` in with the given settings; false when it did not.
  virtual bool AnimateFormShow(ui::Form& /*form*/, const TacFormAnimation& /*anim*/) { return false; }
  virtual bool AnimationRunning() const { return false; }
};
TacFormAnimator& FormAnimator();
void SetFormAnimator(TacFormAnimator* animator);  // null = default

// The hook that skins standard dialogs and forms without a frame skinning
// component. The default only remembers whether it is installed and knows of
// no hooked windows.
class TacDialogHook {
 public:
  virtual ~TacDialogHook() = default;
  virtual void Install() { installed_ = true; }
  virtual void Remove() { installed_ = false; }
  bool Installed() const { return installed_; }
  // Visible standard windows skinned through the hook.
  virtual std::vector<ui::WinControl*> HookedWindows() const { return {}; }

 private:
  bool installed_ = false;
};
TacDialogHook& DialogHook();
void SetDialogHook(TacDialogHook* hook);  // null = default

}  // namespace skin
