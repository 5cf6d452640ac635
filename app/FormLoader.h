// Loads a window description into a form.
#pragma once

#include "app/FormDescription.h"
#include "platform/ui/forms/Form.h"

namespace app {

// Call while the form is loading (inside Application::CreateForm's setup):
// sets the form's properties, creates every component in order with its
// properties, parents and handlers, and finally the properties that refer
// to components (Menu) or depend on them (ClientWidth, ClientHeight).
// Throws std::invalid_argument naming the form, component and property for
// any fault in the description.
void LoadForm(ui::Form& form, const FormDescription& description);

}  // namespace app
