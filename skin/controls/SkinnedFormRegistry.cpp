#include "skin/controls/SkinnedFormRegistry.h"

#include <algorithm>

#include "platform/ui/forms/Form.h"

namespace skin {
namespace {

std::vector<TacSkinnedForm*>& Entries() {
  static std::vector<TacSkinnedForm*> entries;
  return entries;
}

}  // namespace

void RegisterSkinnedForm(TacSkinnedForm* entry) {
  auto& e = Entries();
  if (entry && std::find(e.begin(), e.end(), entry) == e.end()) e.push_back(entry);
}

void UnregisterSkinnedForm(TacSkinnedForm* entry) { std::erase(Entries(), entry); }

std::vector<TacSkinnedForm*> SkinnedForms() { return Entries(); }

bool IsRegisteredSkinnedForm(const ui::Form* form) {
  const auto& e = Entries();
  return std::any_of(e.begin(), e.end(), [&](TacSkinnedForm* s) { return s->SkinnedForm() == form; });
}

}  // namespace skin
