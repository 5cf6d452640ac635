// The about dialog: a memo of binary digits, an OK button and a link to the
// project's web site.
#pragma once

#include <string>

#include "game/DescribedForm.h"
#include "platform/ui/controls/Button.h"
#include "platform/ui/controls/Memo.h"
#include "platform/ui/forms/Form.h"
#include "skin/controls/sWebLabel.h"

namespace game {

class TForm_About : public ui::Form, public DescribedForm {
 public:
  explicit TForm_About(ui::Component* owner);
  ~TForm_About() override;
  std::string ClassName() const override { return "TForm_About"; }

  ui::Memo* sMemo_About = nullptr;
  ui::Button* sButton_OK = nullptr;
  skin::TsWebLabel* sWebLabel_Site = nullptr;

  void sButton_OKClick(ui::Component* sender);

  ui::NotifyEvent FindHandler(std::string_view name) override;

 protected:
  void Loaded() override;
};

extern TForm_About* Form_About;

}  // namespace game
