// The classes a window description can name, and their own properties.
#pragma once

#include <string_view>

#include "platform/ui/Component.h"
#include "platform/ui/Events.h"

namespace app {

// What a property may refer to while a form is loaded.
struct LoadContext {
  ui::Component& Form;
  // A component of the form by name; throws std::invalid_argument when missing.
  ui::Component& Find(std::string_view name) const;
  // A handler of the form by name; throws std::invalid_argument when missing.
  ui::NotifyEvent Handler(std::string_view name) const;
};

// Creates a component of the named class owned by `owner`; throws
// std::invalid_argument for a class the program does not know.
ui::Component* CreateComponent(std::string_view className, ui::Component& owner);

// Sets a property that belongs to the component's own class (not the common
// control properties); false when the class has no such property.
bool ApplyClassProperty(ui::Component& c, std::string_view key, std::string_view value,
                        const LoadContext& ctx);

}  // namespace app
