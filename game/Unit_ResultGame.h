// The result dialog: the rounds completed and the level, a bar of the
// rounds, and two buttons that stay disabled for the first 3000 ms after
// the dialog is shown, so that a hurried click cannot dismiss it unseen.
#pragma once

#include <string>

#include "game/DescribedForm.h"
#include "platform/ui/Timer.h"
#include "platform/ui/controls/Bevel.h"
#include "platform/ui/controls/Button.h"
#include "platform/ui/controls/Image.h"
#include "platform/ui/forms/Form.h"
#include "skin/controls/acProgressBar.h"
#include "skin/controls/sLabel.h"

namespace game {

class TForm_ResultGame : public ui::Form, public DescribedForm {
 public:
  explicit TForm_ResultGame(ui::Component* owner);
  ~TForm_ResultGame() override;
  std::string ClassName() const override { return "TForm_ResultGame"; }

  ui::Image* Image_Result = nullptr;
  skin::TsLabel* sLabel_Result = nullptr;
  skin::TsProgressBar* sProgressBar_Result = nullptr;
  ui::Bevel* sBevel1 = nullptr;
  ui::Button* sButton_Ok = nullptr;
  ui::Button* sButton_Restart = nullptr;
  ui::Timer* Timer_EnabledButtons = nullptr;

  void FormShow(ui::Component* sender);
  void Timer_EnabledButtonsTimer(ui::Component* sender);
  void sButton_OkClick(ui::Component* sender);
  void sButton_RestartClick(ui::Component* sender);

  ui::NotifyEvent FindHandler(std::string_view name) override;

 protected:
  void Loaded() override;
};

extern TForm_ResultGame* Form_ResultGame;

}  // namespace game
