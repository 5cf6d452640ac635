// Applying, repainting and taking away a skin: the broadcasts of the skin
// commands to every window and the painting freeze around them.
#include <algorithm>

#include "platform/ui/Application.h"
#include "platform/ui/Screen.h"
#include "platform/ui/WindowTypes.h"
#include "platform/ui/forms/Form.h"
#include "skin/controls/BuiltInShadows.h"
#include "skin/controls/sSkinCommands.h"
#include "skin/controls/sSkinManager.h"

namespace skin {
namespace {

// Delivers a command to one window. Hidden forms that have no window yet
// receive it as well: a dialog shown after a skin change must not keep the
// state of the skin before.
void Deliver(ui::Control* target, std::uint16_t code, TsSkinManager* manager) {
  if (!target || target->Destroying()) return;
  target->Perform(ui::SM_ALPHACMD, SkinCommandParam(code), reinterpret_cast<ui::LPARAM>(manager));
}

// The form and its direct children; containers pass the command on to theirs.
void DeliverToFormAndChildren(ui::Form* form, std::uint16_t code, TsSkinManager* manager) {
  Deliver(form, code, manager);
  if (form->Destroying()) return;
  const std::vector<ui::Control*> children = form->Controls();  // a handler may change the list
  for (ui::Control* c : children) {
    const auto& now = form->Controls();
    if (std::find(now.begin(), now.end(), c) != now.end()) Deliver(c, code, manager);
  }
}

// Auxiliary windows of the skinning carry this tag and are left alone.
constexpr std::intptr_t kAuxiliaryWindowTag = -98;

// Every form of the application: those with a window in creation order, then
// those the application owns that have none yet (dialogs not shown so far).
std::vector<ui::Form*> AllForms() {
  if (!ui::Application::Exists()) return {};
  auto& app = ui::Application::Instance();
  std::vector<ui::Form*> forms = app.Screen().Forms();
  for (ui::Component* c : app.Components())
    if (auto* f = dynamic_cast<ui::Form*>(c); f && std::find(forms.begin(), forms.end(), f) == forms.end())
      forms.push_back(f);
  std::erase_if(forms, [](ui::Form* f) { return f->Tag() == kAuxiliaryWindowTag; });
  return forms;
}

bool FormAlive(ui::Form* form) {
  const auto forms = AllForms();
  return std::find(forms.begin(), forms.end(), form) != forms.end();
}

}  // namespace

bool TsSkinManager::UsesThisManager(const TacSkinnedForm& entry) const {
  TsSkinManager* m = entry.SkinManager();
  return m == this || (m == nullptr && DefaultManager() == this);
}

void TsSkinManager::Broadcast(int code) {
  if (!ui::Application::Exists()) return;
  const auto cmd = static_cast<std::uint16_t>(code);
  const std::vector<ui::Form*> forms = AllForms();
  for (ui::Form* f : forms) {
    if (f->Loading() || f->Destroying() || IsRegisteredSkinnedForm(f) || !FormAlive(f)) continue;
    DeliverToFormAndChildren(f, cmd, this);
  }
  for (TacSkinnedForm* entry : SkinnedForms()) {
    const auto live = SkinnedForms();
    if (std::find(live.begin(), live.end(), entry) == live.end()) continue;
    ui::Form* f = entry->SkinnedForm();
    if (f && !f->Destroying() && FormAlive(f)) DeliverToFormAndChildren(f, cmd, this);
  }
  for (ui::WinControl* w : DialogHook().HookedWindows()) Deliver(w, cmd, this);
}

void TsSkinManager::Freeze() {
  if (AppMinimized()) return;
  for (TacSkinnedForm* entry : SkinnedForms()) {
    ui::Form* f = entry->SkinnedForm();
    if (!f || !UsesThisManager(*entry) || !f->Visible() ||
        f->GetWindowState() == ui::WindowState::wsMinimized)
      continue;
    const bool already =
        std::any_of(frozen_.begin(), frozen_.end(), [&](const FrozenForm& z) { return z.form == f; });
    if (already) continue;
    f->LockRedraw();
    entry->SetPaintingFrozen(true);
    frozen_.push_back({entry, f});
    if (IsDefault() && animEffects_.SkinChanging.Active) animateChange_ = true;
  }
}

void TsSkinManager::Thaw() {
  const std::vector<FrozenForm> frozen = std::move(frozen_);
  frozen_.clear();
  const bool animate = animateChange_;
  animateChange_ = false;
  for (const FrozenForm& z : frozen) {
    // The form or its frame component may have gone during the broadcasts.
    if (!FormAlive(z.form)) continue;
    z.form->UnlockRedraw();
    const auto live = SkinnedForms();
    const bool registered = std::find(live.begin(), live.end(), z.entry) != live.end();
    if (registered) z.entry->SetPaintingFrozen(false);
    if (animate) FormAnimator().AnimateFormShow(*z.form, animEffects_.SkinChanging);
    if (registered && z.entry->HasExtendedBorder() &&
        z.form->GetWindowState() == ui::WindowState::wsMaximized)
      z.form->SetWindowState(ui::WindowState::wsMaximized);
    z.form->RedrawWindow(nullptr,
                         ui::RDW_FRAME | ui::RDW_INVALIDATE | ui::RDW_ALLCHILDREN | ui::RDW_UPDATENOW);
  }
}

void TsSkinManager::ApplySteps() {
  GlowService().ClearGlows();
  Freeze();
  menus_->SetSkinBorderWidth(-1);
  if (model_) {
    model_->SkinWideData.Active = false;
    model_->UpdateCommonIndexes();
  }
  UpdateBorderImages();
  SetHoveredControl(nullptr);
  Broadcast(SKC_SKIN_LOADED);
  if (model_) model_->SkinWideData.Active = true;
  if (IsDefault() && !DialogHook().Installed()) DialogHook().Install();
  NotifyActive(true);
}

void TsSkinManager::Apply() {
  ChangingScope changing;
  ApplySteps();
  Thaw();
}

void TsSkinManager::Repaint() {
  // Controls repaint from the new skin at once instead of fading to it.
  ChangingScope changing;
  Broadcast(SKC_STOP_FADING);
  Freeze();
  Broadcast(SKC_SKIN_REFRESH);
  Thaw();
  for (ui::WinControl* w : DialogHook().HookedWindows())
    if (w && !w->Destroying())
      w->RedrawWindow(nullptr, ui::RDW_FRAME | ui::RDW_INVALIDATE | ui::RDW_ALLCHILDREN | ui::RDW_UPDATENOW);
}

void TsSkinManager::Deactivate() {
  NotifyActive(false);
  GlowService().ClearGlows();
  if (IsDefault() && DialogHook().Installed()) DialogHook().Remove();
  if (model_) model_->SkinWideData.Active = false;
  Broadcast(SKC_SKIN_UNLOADED);
  model_.reset();
  UpdateBorderImages();
  UpdateStdDialogsFlag();
}

void TsSkinManager::UpdateBorderImages() {
  const bool composition = ui::Application::Exists() && ui::Application::Instance().Screen().CompositionOn();
  TacBorderImages images = MakeBorderImages(active_ ? model_.get() : nullptr, ExtendedBorders(),
                                            BuiltInShadowImage(0), composition);
  activeBorderImage_ = std::move(images.Active);
  inactiveBorderImage_ = std::move(images.Inactive);
  extMargins_ = images.Margins;
}

}  // namespace skin
