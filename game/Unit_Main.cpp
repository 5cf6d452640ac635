#include "game/Unit_Main.h"

#include <string>

#include "game/Unit_About.h"
#include "game/Unit_GameObjects.h"
#include "game/Unit_NewGame.h"
#include "game/Unit_ResultGame.h"
#include "game/Unit_StatusGame.h"
#include "platform/ui/controls/MessageBox.h"
#include "skin/controls/sSkinManager.h"

namespace game {

TForm_Main* Form_Main = nullptr;

const char* const kHelpText =
    "Шесть плиток загораются одна за другой в случайном порядке.\n"
    "Когда показ закончится, повторите его: щёлкните плитки\n"
    "в том же порядке. Рамка под указателем значит, что ваш ход.\n"
    "\n"
    "Каждый пройденный раунд делает следующий показ на одну\n"
    "плитку длиннее; первая ошибка заканчивает игру.\n"
    "\n"
    "Новая игра: «Игра» → «Начать новую игру» (Ctrl+N).";

TForm_Main::TForm_Main(ui::Component* owner) : ui::Form(owner) { Form_Main = this; }

TForm_Main::~TForm_Main() {
  BeginDestruction();
  if (Form_Main == this) Form_Main = nullptr;
}

void TForm_Main::Loaded() {
  ui::Form::Loaded();
  sPanel_Main = BindComponent<ui::Panel>(*this, "sPanel_Main");
  for (int i = 0; i < kTileCount; ++i) {
    const std::string n = std::to_string(i + 1);
    auto* tile = BindComponent<skin::TsSpeedButton>(*this, ("sSpeedButton_G" + n).c_str());
    // Without a skin the tiles keep the flat plain look.
    tile->SetFlat(true);
    Tiles[static_cast<std::size_t>(i)] = tile;
    ImageLists[static_cast<std::size_t>(i)] =
        BindComponent<skin::AlphaImageList>(*this, ("sAlphaImageList_G" + n).c_str());
  }
  sStatusBar = BindComponent<ui::StatusBar>(*this, "sStatusBar");
  Timer_WaitStarting = BindComponent<ui::Timer>(*this, "Timer_WaitStarting");
  Timer_StartShow = BindComponent<ui::Timer>(*this, "Timer_StartShow");
  Timer_StopShow = BindComponent<ui::Timer>(*this, "Timer_StopShow");
  MainMenu_Main = BindComponent<ui::MainMenu>(*this, "MainMenu_Main");
  N2 = BindComponent<ui::MenuItem>(*this, "N2");
  N4 = BindComponent<ui::MenuItem>(*this, "N4");
  N6 = BindComponent<ui::MenuItem>(*this, "N6");
  N7 = BindComponent<ui::MenuItem>(*this, "N7");
}

ui::NotifyEvent TForm_Main::FindHandler(std::string_view name) {
  using M = void (TForm_Main::*)(ui::Component*);
  static constexpr std::pair<std::string_view, M> kHandlers[] = {
      {"FormCreate", &TForm_Main::FormCreate},
      {"sSpeedButton_G1Click", &TForm_Main::sSpeedButton_G1Click},
      {"sSpeedButton_G2Click", &TForm_Main::sSpeedButton_G2Click},
      {"sSpeedButton_G3Click", &TForm_Main::sSpeedButton_G3Click},
      {"sSpeedButton_G4Click", &TForm_Main::sSpeedButton_G4Click},
      {"sSpeedButton_G5Click", &TForm_Main::sSpeedButton_G5Click},
      {"sSpeedButton_G6Click", &TForm_Main::sSpeedButton_G6Click},
      {"Timer_WaitStartingTimer", &TForm_Main::Timer_WaitStartingTimer},
      {"Timer_StartShowTimer", &TForm_Main::Timer_StartShowTimer},
      {"Timer_StopShowTimer", &TForm_Main::Timer_StopShowTimer},
      {"N2Click", &TForm_Main::N2Click},
      {"N4Click", &TForm_Main::N4Click},
      {"N6Click", &TForm_Main::N6Click},
      {"N7Click", &TForm_Main::N7Click},
  };
  for (const auto& [n, m] : kHandlers)
    if (n == name) return ui::NotifyEvent(this, m);
  return {};
}

void TForm_Main::FormCreate(ui::Component*) {
  // Skinning starts here. With no skin anywhere the manager switches itself
  // off and the game keeps its plain look.
  if (auto* manager = dynamic_cast<skin::TsSkinManager*>(FindComponent("sSkinManager")))
    manager->SetActive(true);
  SetAllTilesImage(*this, kImageDark);
  SetTilesLook(*this, kLookShow);
  SetTilesEnabled(*this, false);
  GameState().ExtraLength = 1;
}

void TForm_Main::sSpeedButton_G1Click(ui::Component*) { PlayerPress(*this, 1); }
void TForm_Main::sSpeedButton_G2Click(ui::Component*) { PlayerPress(*this, 2); }
void TForm_Main::sSpeedButton_G3Click(ui::Component*) { PlayerPress(*this, 3); }
void TForm_Main::sSpeedButton_G4Click(ui::Component*) { PlayerPress(*this, 4); }
void TForm_Main::sSpeedButton_G5Click(ui::Component*) { PlayerPress(*this, 5); }
void TForm_Main::sSpeedButton_G6Click(ui::Component*) { PlayerPress(*this, 6); }

void TForm_Main::Timer_WaitStartingTimer(ui::Component*) { game::Timer_WaitStartingTimer(*this); }
void TForm_Main::Timer_StartShowTimer(ui::Component*) { game::Timer_StartShowTimer(*this); }
void TForm_Main::Timer_StopShowTimer(ui::Component*) { game::Timer_StopShowTimer(*this); }

void TForm_Main::N2Click(ui::Component*) {
  if (Form_NewGame) Form_NewGame->ShowModal();
}

void TForm_Main::N4Click(ui::Component*) { Close(); }

void TForm_Main::N6Click(ui::Component*) {
  if (Form_About) Form_About->ShowModal();
}

void TForm_Main::N7Click(ui::Component*) { ui::ShowMessageBox(kHelpText, "Справка"); }

// --- GameBoard ---------------------------------------------------------------------------

void TForm_Main::SetTileImageIndex(int tile, int imageIndex) {
  Tiles.at(static_cast<std::size_t>(tile - 1))->SetImageIndex(imageIndex);
}

void TForm_Main::SetTileSkinSection(int tile, std::string_view section) {
  Tiles.at(static_cast<std::size_t>(tile - 1))->SkinData().SetSkinSection(section);
}

void TForm_Main::SetTileEnabled(int tile, bool enabled) {
  Tiles.at(static_cast<std::size_t>(tile - 1))->SetEnabled(enabled);
}

ui::Timer& TForm_Main::TimerOf(GameTimer timer) {
  switch (timer) {
    case GameTimer::WaitStarting: return *Timer_WaitStarting;
    case GameTimer::StartShow: return *Timer_StartShow;
    case GameTimer::StopShow: break;
  }
  return *Timer_StopShow;
}

void TForm_Main::SetTimerEnabled(GameTimer timer, bool on) {
  ui::Timer& t = TimerOf(timer);
  // Switching on always starts the interval afresh, also when it runs already.
  t.SetEnabled(false);
  if (on) t.SetEnabled(true);
}

void TForm_Main::SetTimerInterval(GameTimer timer, int milliseconds) {
  TimerOf(timer).SetInterval(static_cast<unsigned>(milliseconds));
}

void TForm_Main::ShowResultDialog() {
  if (Form_ResultGame) Form_ResultGame->ShowModal();
}

}  // namespace game
