#include "skin/controls/SkinSeams.h"

namespace skin {
namespace {

TacGlowService defaultGlows;
TacGlowService* glows = &defaultGlows;
TsSkinableMenusFactory menusFactory = nullptr;
TacFormAnimator defaultAnimator;
TacFormAnimator* animator = &defaultAnimator;
TacDialogHook defaultDialogHook;
TacDialogHook* dialogHook = &defaultDialogHook;

}  // namespace

TacGlowService& GlowService() { return *glows; }
void SetGlowService(TacGlowService* service) { glows = service ? service : &defaultGlows; }

void SetSkinableMenusFactory(TsSkinableMenusFactory factory) { menusFactory = factory; }
std::unique_ptr<TsSkinableMenus> MakeSkinableMenus(TsSkinManager& owner) {
  return menusFactory ? menusFactory(owner) : std::make_unique<TsSkinableMenus>();
}

TacFormAnimator& FormAnimator() { return *animator; }
void SetFormAnimator(TacFormAnimator* a) { animator = a ? a : &defaultAnimator; }

TacDialogHook& DialogHook() { return *dialogHook; }
void SetDialogHook(TacDialogHook* hook) { dialogHook = hook ? hook : &defaultDialogHook; }

}  // namespace skin
