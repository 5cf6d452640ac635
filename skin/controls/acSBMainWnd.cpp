// TacMainWnd: taking over a window's messages and giving them back.
#include <utility>

#include "platform/ui/WinControl.h"
#include "skin/controls/acSBUtils.h"
#include "skin/controls/sCommonData.h"
#include "skin/controls/sSkinManager.h"

namespace skin {

TacMainWnd::TacMainWnd(ui::WinControl& window, const std::string& section, TsSkinManager* manager,
                       TsCommonData* binding)
    : Window(&window), Manager(manager) {
  if (binding) {
    Binding = binding;
    if (!Manager) Manager = binding->Manager();
  } else {
    ownBinding_ = std::make_unique<TsCommonData>(&window, true);
    Binding = ownBinding_.get();
    OwnsBinding = true;
    // Only a binding of the adapter's own follows the skin's fonts; a
    // control's published setting stays as it is.
    Binding->SetCustomFont(false);
    if (manager) Binding->SetSkinManager(manager);
  }
  if (Binding->SkinSection().empty() || Binding->SkinSection() == "UNKNOWN") Binding->SetSkinSection(section);
  // Dialog mode (a flat frame) belongs to windows of standard dialogs that
  // the dialog hook skins; adapters made here are for the engine's own
  // controls, which keep the section's frame.
  DialogMode = false;
  WindowText = window.Text();
}

TacMainWnd::~TacMainWnd() {
  if (!Unhooked) UnhookWindow();
}

void TacMainWnd::Attach(bool /*hookFlag*/) {
  SaveColors();
  HookWindow();
  Window->SetControlStyle(Window->ControlStyle() | ui::csOpaque);
}

void TacMainWnd::HookWindow() {
  Window->SetProp(kAdapterProp, reinterpret_cast<std::intptr_t>(this));
  hook_ = ui::ProcHook(*Window, [this](ui::Message& m, const ui::WndMethod& next) { Dispatch(m, next); });
}

void TacMainWnd::Dispatch(ui::Message& msg, const ui::WndMethod& next) {
  const ui::WndMethod* outer = next_;
  next_ = &next;
  ++depth_;
  HandleMessage(msg);
  --depth_;
  next_ = outer;
  if (depth_ == 0 && disposeWhenIdle_) delete this;
}

void TacMainWnd::PassOn(ui::Message& msg) {
  if (next_)
    (*next_)(msg);
  else
    msg.result = 0;
}

void TacMainWnd::UnhookWindow() {
  if (Unhooked) return;
  hook_.Remove();
  if (Window->GetProp(kAdapterProp) == reinterpret_cast<std::intptr_t>(this)) Window->RemoveProp(kAdapterProp);
  Unhooking();
  if (!Window->Destroying()) RestoreColors();
  Unhooked = true;
}

void TacMainWnd::Dispose(std::unique_ptr<TacMainWnd> adapter) {
  if (!adapter) return;
  if (adapter->depth_ == 0) return;  // freed here
  // Still running below us: give the window back now, free on the way out.
  adapter->UnhookWindow();
  adapter->disposeWhenIdle_ = true;
  adapter.release();
}

TacMainWnd* TacMainWnd::Of(const ui::WinControl& window) {
  return reinterpret_cast<TacMainWnd*>(window.GetProp(kAdapterProp));
}

bool TacMainWnd::Skinned() const { return Binding && Binding->IsSkinned(); }

bool TacMainWnd::FromOwnManager(const ui::Message& msg) const {
  TsSkinManager* mine = Binding->SkinManager() ? Binding->SkinManager() : TsSkinManager::DefaultManager();
  return reinterpret_cast<TsSkinManager*>(msg.lParam) == mine;
}

}  // namespace skin
