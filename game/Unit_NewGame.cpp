#include "game/Unit_NewGame.h"

#include "game/DifficultyLevels.h"
#include "game/Unit_Main.h"
#include "game/Unit_StatusGame.h"

namespace game {

TForm_NewGame* Form_NewGame = nullptr;

TForm_NewGame::TForm_NewGame(ui::Component* owner) : ui::Form(owner) { Form_NewGame = this; }

TForm_NewGame::~TForm_NewGame() {
  BeginDestruction();
  if (Form_NewGame == this) Form_NewGame = nullptr;
}

void TForm_NewGame::Loaded() {
  ui::Form::Loaded();
  sGroupBox_Difficulty = BindComponent<ui::GroupBox>(*this, "sGroupBox_Difficulty");
  Levels[0] = BindComponent<ui::RadioButton>(*this, "sRadioButton_Difficulty1");
  Levels[1] = BindComponent<ui::RadioButton>(*this, "sRadioButton_Difficulty2");
  Levels[2] = BindComponent<ui::RadioButton>(*this, "sRadioButton_Difficulty3");
  sButton_Start = BindComponent<ui::Button>(*this, "sButton_Start");
}

ui::NotifyEvent TForm_NewGame::FindHandler(std::string_view name) {
  if (name == "sButton_StartClick") return ui::NotifyEvent(this, &TForm_NewGame::sButton_StartClick);
  return {};
}

void TForm_NewGame::sButton_StartClick(ui::Component*) {
  // The first level unless another one is checked.
  std::size_t chosen = 0;
  for (std::size_t i = 0; i < Levels.size(); ++i)
    if (Levels[i]->Checked()) {
      chosen = i;
      break;
    }
  if (Form_Main) {
    ChooseLevel(*Form_Main, kDifficultyLevels[chosen]);
    StartGame(*Form_Main);
  }
  Close();
}

}  // namespace game
