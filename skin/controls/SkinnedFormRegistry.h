// The process-wide registry of skinned forms. A form's frame skinning
// component adds itself while it skins its form and removes itself before it
// goes; the skin manager freezes, broadcasts to and thaws the forms listed
// here. Entries are not owned by the registry.
#pragma once

#include <vector>

namespace ui {
class Form;
}

namespace skin {

class TsSkinManager;

// What the manager needs of a form's frame skinning component.
class TacSkinnedForm {
 public:
  virtual ~TacSkinnedForm() = default;
  virtual ui::Form* SkinnedForm() const = 0;
  // The manager the component paints with (null = the default manager).
  virtual TsSkinManager* SkinManager() const = 0;
  // While frozen the frame is not repainted (a skin change is under way).
  virtual void SetPaintingFrozen(bool frozen) = 0;
  // The form shows an extended border window (its shadow).
  virtual bool HasExtendedBorder() const { return false; }
};

void RegisterSkinnedForm(TacSkinnedForm* entry);
void UnregisterSkinnedForm(TacSkinnedForm* entry);
// A snapshot in registration order (safe to iterate while entries change).
std::vector<TacSkinnedForm*> SkinnedForms();
bool IsRegisteredSkinnedForm(const ui::Form* form);

}  // namespace skin
