// The new-game dialog: three difficulty levels and the Start button. It is
// hidden, not destroyed, when closed, so it offers the last level chosen.
#pragma once

#include <array>
#include <string>

#include "game/DescribedForm.h"
#include "platform/ui/controls/Button.h"
#include "platform/ui/controls/GroupBox.h"
#include "platform/ui/controls/RadioButton.h"
#include "platform/ui/forms/Form.h"

namespace game {

class TForm_NewGame : public ui::Form, public DescribedForm {
 public:
  explicit TForm_NewGame(ui::Component* owner);
  ~TForm_NewGame() override;
  std::string ClassName() const override { return "TForm_NewGame"; }

  ui::GroupBox* sGroupBox_Difficulty = nullptr;
  // sRadioButton_Difficulty1 .. 3, in the order of the levels.
  std::array<ui::RadioButton*, 3> Levels{};
  ui::Button* sButton_Start = nullptr;

  // Takes the checked level, starts a new game with it and closes.
  void sButton_StartClick(ui::Component* sender);

  ui::NotifyEvent FindHandler(std::string_view name) override;

 protected:
  void Loaded() override;
};

extern TForm_NewGame* Form_NewGame;

}  // namespace game
