// The skin's surface under a form's client area, until forms get their skinned
// frame: the form answers its children's skin questions (is it skinned, its
// colour, its section, its background, its state flags) from one section,
// "FORM" for the main window and "DIALOG" for the dialogs, painted in the
// active state, and paints its client area with that look. Without a loaded
// skin it answers nothing and the form keeps its plain look.
//
// It is a component owned by the form, so it lives and dies with it; the
// frame skinning component takes these answers over later.
#pragma once

#include <string_view>

#include "platform/gfx/Canvas.h"
#include "platform/ui/Component.h"
#include "platform/ui/ProcChain.h"
#include "skin/controls/sCommonData.h"

namespace ui {
class Form;
}

namespace app {

class FormSkinSurface : public ui::Component, public skin::TsFormBindingHost {
 public:
  FormSkinSurface(ui::Form& form, std::string_view section);
  ~FormSkinSurface() override;

  std::string ClassName() const override { return "TFormSkinSurface"; }

  skin::TsCommonData& SkinData() { return binding_; }
  // The look of the client area (client size, 24-bit); rendered when stale.
  const gfx::Bitmap& Surface();

  // TsFormBindingHost
  ui::Form* HostForm() const override { return form_; }
  void DropFrameImage() override { binding_.CacheStale = true; }
  void RedrawFrame() override;

 private:
  void Handle(ui::Message& msg, const ui::WndMethod& next);
  bool AnswerCommand(ui::Message& msg);
  void PaintClient(gfx::Canvas& dc);
  bool Skinned() const;

  ui::Form* form_;
  skin::TsCommonData binding_;
  ui::ProcHook hook_;
};

// Gives `form` its surface from `section` (see above).
FormSkinSurface& AddFormSkinSurface(ui::Form& form, std::string_view section);

}  // namespace app
