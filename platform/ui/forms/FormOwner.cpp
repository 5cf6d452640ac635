// The window a form belongs to on the desktop, what the window manager may
// do to it, and the modal group: a modal form and the windows it blocks are
// minimised and restored together, so the user never faces a blocked window
// whose dialog cannot be seen.
#include <algorithm>
#include <stdexcept>

#include "platform/ui/Application.h"
#include "platform/ui/Screen.h"
#include "platform/ui/forms/Form.h"
#include "platform/ui/forms/TopLevelWindow.h"

namespace ui {

namespace {

// `f` if it is still one of the application's forms (owners are kept as
// plain pointers and may have gone meanwhile).
Form* Alive(Form* f) {
  if (!f) return nullptr;
  const std::vector<Form*> forms = App().Screen().Forms();
  return std::find(forms.begin(), forms.end(), f) != forms.end() ? f : nullptr;
}

}  // namespace

Form* Form::OwnerWindow() const {
  if (!Application::Exists() || menuWindow_ || Tag() == -98) return nullptr;
  auto& app = App();
  Form* main = app.MainForm();
  if (main == this) return nullptr;
  Form* owner = nullptr;
  if (modal_) {
    owner = Alive(modalOwner_);
    if (!owner) {
      // The next modal form down the stack.
      const std::vector<Form*>& stack = app.modalStack_;
      auto it = std::find(stack.begin(), stack.end(), this);
      if (it != stack.begin() && it != stack.end()) owner = *(it - 1);
    }
  } else if (auto* f = dynamic_cast<Form*>(Owner())) {
    owner = f;
  }
  if (!owner || owner == this || owner->menuWindow_) owner = main;
  return owner;
}

void Form::ApplySurfaceOwner() {
  if (!Surface()) return;
  Form* owner = OwnerWindow();
  const backend::SurfaceId id = owner && owner->Surface() ? owner->Surface()->Surface() : backend::kNoSurface;
  try {
    App().Backend().SetOwner(Surface()->Surface(), id);
  } catch (const std::invalid_argument&) {
    // An owner that would own itself in a circle: the window stays unowned.
    App().Backend().SetOwner(Surface()->Surface(), backend::kNoSurface);
  }
}

backend::WindowActions Form::SurfaceActions() const {
  backend::WindowActions can;
  can.Resize = (Style() & WS_THICKFRAME) != 0;
  can.Minimize = (Style() & WS_MINIMIZEBOX) != 0;
  can.Maximize = (Style() & WS_MAXIMIZEBOX) != 0;
  return can;
}

std::vector<Form*> Form::ModalGroup() {
  std::vector<Form*> group;
  if (!Application::Exists()) return group;
  // Each modal form in the order of the loops (the innermost last), after
  // the windows it belongs to.
  for (Form* f : App().modalStack_) {
    if (!f->Visible()) continue;
    std::vector<Form*> chain;
    for (Form* o = f; o && std::find(chain.begin(), chain.end(), o) == chain.end(); o = o->OwnerWindow())
      chain.push_back(o);
    for (auto it = chain.rbegin(); it != chain.rend(); ++it)
      if ((*it)->Visible() && std::find(group.begin(), group.end(), *it) == group.end()) group.push_back(*it);
  }
  return group;
}

void Form::KeepModalGroupTogether(bool minimized) {
  const std::vector<Form*> group = ModalGroup();
  if (std::find(group.begin(), group.end(), this) == group.end()) return;
  for (Form* f : group) {
    if (!Alive(f) || f == this || !f->Visible() || ((f->Style() & WS_MINIMIZE) != 0) == minimized) continue;
    f->SetWindowState(minimized ? WindowState::wsMinimized : WindowState::wsNormal);
  }
  if (minimized) return;
  if (Form* m = App().ModalForm(); m && m->Visible()) {
    m->KeepAboveBlockedWindows();
    m->Activate();
  }
}

}  // namespace ui
