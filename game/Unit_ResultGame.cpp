#include "game/Unit_ResultGame.h"

#include "game/ResultText.h"
#include "game/Unit_GameObjects.h"
#include "game/Unit_Main.h"
#include "game/Unit_StatusGame.h"

namespace game {

TForm_ResultGame* Form_ResultGame = nullptr;

TForm_ResultGame::TForm_ResultGame(ui::Component* owner) : ui::Form(owner) { Form_ResultGame = this; }

TForm_ResultGame::~TForm_ResultGame() {
  BeginDestruction();
  if (Form_ResultGame == this) Form_ResultGame = nullptr;
}

void TForm_ResultGame::Loaded() {
  ui::Form::Loaded();
  Image_Result = BindComponent<ui::Image>(*this, "Image_Result");
  sLabel_Result = BindComponent<skin::TsLabel>(*this, "sLabel_Result");
  sProgressBar_Result = BindComponent<skin::TsProgressBar>(*this, "sProgressBar_Result");
  sBevel1 = BindComponent<ui::Bevel>(*this, "sBevel1");
  sButton_Ok = BindComponent<ui::Button>(*this, "sButton_Ok");
  sButton_Restart = BindComponent<ui::Button>(*this, "sButton_Restart");
  Timer_EnabledButtons = BindComponent<ui::Timer>(*this, "Timer_EnabledButtons");
}

ui::NotifyEvent TForm_ResultGame::FindHandler(std::string_view name) {
  using M = void (TForm_ResultGame::*)(ui::Component*);
  static constexpr std::pair<std::string_view, M> kHandlers[] = {
      {"FormShow", &TForm_ResultGame::FormShow},
      {"Timer_EnabledButtonsTimer", &TForm_ResultGame::Timer_EnabledButtonsTimer},
      {"sButton_OkClick", &TForm_ResultGame::sButton_OkClick},
      {"sButton_RestartClick", &TForm_ResultGame::sButton_RestartClick},
  };
  for (const auto& [n, m] : kHandlers)
    if (n == name) return ui::NotifyEvent(this, m);
  return {};
}

void TForm_ResultGame::FormShow(ui::Component*) {
  // Off first: a dialog closed early by its close box leaves the timer on,
  // and every showing must lock the buttons for the full interval.
  Timer_EnabledButtons->SetEnabled(false);
  Timer_EnabledButtons->SetEnabled(true);
  sButton_Ok->SetEnabled(false);
  sButton_Restart->SetEnabled(false);
  const GameObjects& g = GameState();
  sLabel_Result->SetCaption(ResultLabelText(g));
  sProgressBar_Result->SetPosition(g.RoundCount);
}

void TForm_ResultGame::Timer_EnabledButtonsTimer(ui::Component*) {
  Timer_EnabledButtons->SetEnabled(false);
  sButton_Ok->SetEnabled(true);
  sButton_Restart->SetEnabled(true);
}

void TForm_ResultGame::sButton_OkClick(ui::Component*) {
  if (Form_Main) StopGame(*Form_Main);
  Close();
}

void TForm_ResultGame::sButton_RestartClick(ui::Component*) {
  if (Form_Main) StartGame(*Form_Main);
  Close();
}

}  // namespace game
