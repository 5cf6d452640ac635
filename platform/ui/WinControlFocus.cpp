// Keyboard focus and Tab order of windowed controls.
#include <algorithm>

#include "platform/ui/Application.h"
#include "platform/ui/WinControl.h"
#include "platform/ui/forms/Form.h"

namespace ui {

bool WinControl::CanFocus() const {
  for (const WinControl* w = this; w; w = w->Parent())
    if (!w->Visible() || !w->Enabled()) return false;
  return ParentForm() != nullptr;
}

bool WinControl::Focused() const { return Application::Exists() && App().FocusedControl() == this; }

void WinControl::SetFocus() {
  Form* f = ParentForm();
  if (!f) return;
  if (f == this) {
    f->Activate();
    return;
  }
  f->FocusControl(this);
}

int WinControl::TabOrder() const {
  if (!Parent()) return -1;
  const auto& l = Parent()->tabList_;
  auto it = std::find(l.begin(), l.end(), this);
  return it == l.end() ? -1 : static_cast<int>(it - l.begin());
}

void WinControl::SetTabOrder(int order) {
  if (!Parent()) return;
  auto& l = Parent()->tabList_;
  auto it = std::find(l.begin(), l.end(), this);
  if (it == l.end()) return;
  l.erase(it);
  order = std::clamp(order, 0, static_cast<int>(l.size()));
  l.insert(l.begin() + order, this);
}

std::vector<WinControl*> WinControl::TabList() const { return tabList_; }

namespace {
void CollectTabOrder(const WinControl* w, std::vector<WinControl*>& out) {
  for (WinControl* c : w->TabList()) {
    out.push_back(c);
    CollectTabOrder(c, out);
  }
}
}  // namespace

WinControl* WinControl::FindNextControl(WinControl* current, bool forward, bool checkTabStop) const {
  std::vector<WinControl*> list;
  CollectTabOrder(this, list);
  if (list.empty()) return nullptr;
  int n = static_cast<int>(list.size());
  int start = -1;
  for (int i = 0; i < n; ++i)
    if (list[static_cast<std::size_t>(i)] == current) start = i;
  if (start < 0) start = forward ? n - 1 : 0;
  for (int k = 1; k <= n; ++k) {
    int i = forward ? (start + k) % n : (start - k + n) % n;
    WinControl* c = list[static_cast<std::size_t>(i)];
    if (c == current && k != n) continue;
    if (!c->CanFocus()) continue;
    if (checkTabStop && !c->TabStop()) continue;
    // Containers pass the focus on to their children.
    if (!c->TabStop() && !c->TabList().empty()) continue;
    return c;
  }
  return nullptr;
}

void WinControl::SelectNext(WinControl* current, bool forward, bool checkTabStop) {
  WinControl* c = FindNextControl(current, forward, checkTabStop);
  if (c && c != current) c->SetFocus();
}

}  // namespace ui
