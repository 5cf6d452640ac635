#include "skin/controls/sContainerCommands.h"

#include <algorithm>
#include <vector>

#include "platform/ui/Application.h"
#include "platform/ui/WinControl.h"
#include "skin/controls/sSkinCommands.h"

namespace skin {

bool ControlReady(const ui::Control* c) {
  if (!c || !c->Parent()) return false;
  constexpr ui::ComponentState busy = ui::csLoading | ui::csReading | ui::csCreating | ui::csDestroying;
  if (c->State() & busy) return false;
  if (c->ControlState() & ui::csCreatingControl) return false;
  return c->Parent()->HandleAllocated();
}

void PassCommandToChildren(ui::Control* container, const ui::Message& msg) {
  auto* w = dynamic_cast<ui::WinControl*>(container);
  if (!w) return;
  const std::vector<ui::Control*> children = w->Controls();  // a handler may change the list
  for (ui::Control* c : children) {
    const auto& now = w->Controls();
    if (std::find(now.begin(), now.end(), c) == now.end()) continue;
    SendSkinCommand(c, ui::HiWord(msg.wParam), msg.lParam, ui::LoWord(msg.wParam));
  }
}

void SendToWindowedChildren(ui::Control* container, unsigned short code) {
  auto* w = dynamic_cast<ui::WinControl*>(container);
  if (!w) return;
  const std::vector<ui::Control*> children = w->Controls();
  for (ui::Control* c : children) {
    const auto& now = w->Controls();
    if (std::find(now.begin(), now.end(), c) == now.end()) continue;
    if (c->HasWindow()) SendSkinCommand(c, code);
  }
}

ui::LRESULT ApplicationAnswer() {
  return ui::Application::Exists() ? reinterpret_cast<ui::LRESULT>(&ui::App()) : 0;
}

}  // namespace skin
