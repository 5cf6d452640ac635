// What a window description needs of a form class: its event handlers by
// name, as the description names them ("FormCreate", "sButton_OkClick").
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/ui/Component.h"
#include "platform/ui/Events.h"

namespace game {

class DescribedForm {
 public:
  virtual ~DescribedForm() = default;
  // The handler of that name; an empty event when the form has none.
  virtual ui::NotifyEvent FindHandler(std::string_view name) = 0;
};

// Looks up a component of `owner` by name and type after loading; throws
// std::logic_error naming the component when it is missing or of another
// class, since that is a fault of the window description.
template <class T>
T* BindComponent(const ui::Component& owner, const char* name) {
  auto* c = dynamic_cast<T*>(owner.FindComponent(name));
  if (!c) throw std::logic_error(owner.Name() + ": no component " + name + " of the expected class");
  return c;
}

}  // namespace game
