// The main window: six picture tiles on a panel, the status bar, the main
// menu and the three game timers. It is the game's board: the rules drive
// its tiles and timers, and its tiles route clicks back to the rules.
#pragma once

#include <array>
#include <string>

#include "game/DescribedForm.h"
#include "game/GameBoard.h"
#include "platform/ui/Timer.h"
#include "platform/ui/controls/Panel.h"
#include "platform/ui/controls/StatusBar.h"
#include "platform/ui/forms/Form.h"
#include "platform/ui/menus/Menus.h"
#include "skin/controls/sAlphaImageList.h"
#include "skin/controls/sSpeedButton.h"

namespace game {

class TForm_Main : public ui::Form, public GameBoard, public DescribedForm {
 public:
  explicit TForm_Main(ui::Component* owner);
  ~TForm_Main() override;
  std::string ClassName() const override { return "TForm_Main"; }

  // Components of the window description, bound by name once it is loaded.
  ui::Panel* sPanel_Main = nullptr;
  std::array<skin::TsSpeedButton*, kTileCount> Tiles{};  // sSpeedButton_G1 .. G6
  std::array<skin::AlphaImageList*, kTileCount> ImageLists{};
  ui::StatusBar* sStatusBar = nullptr;
  ui::Timer* Timer_WaitStarting = nullptr;
  ui::Timer* Timer_StartShow = nullptr;
  ui::Timer* Timer_StopShow = nullptr;
  ui::MainMenu* MainMenu_Main = nullptr;
  ui::MenuItem* N2 = nullptr;  // "Начать новую игру", Ctrl+N
  ui::MenuItem* N4 = nullptr;  // "Выход"
  ui::MenuItem* N6 = nullptr;  // "О программе"
  ui::MenuItem* N7 = nullptr;  // "Справка"

  // --- handlers ---
  void FormCreate(ui::Component* sender);
  void sSpeedButton_G1Click(ui::Component* sender);
  void sSpeedButton_G2Click(ui::Component* sender);
  void sSpeedButton_G3Click(ui::Component* sender);
  void sSpeedButton_G4Click(ui::Component* sender);
  void sSpeedButton_G5Click(ui::Component* sender);
  void sSpeedButton_G6Click(ui::Component* sender);
  void Timer_WaitStartingTimer(ui::Component* sender);
  void Timer_StartShowTimer(ui::Component* sender);
  void Timer_StopShowTimer(ui::Component* sender);
  void N2Click(ui::Component* sender);
  void N4Click(ui::Component* sender);
  void N6Click(ui::Component* sender);
  void N7Click(ui::Component* sender);

  ui::NotifyEvent FindHandler(std::string_view name) override;

  // --- GameBoard ---
  void SetTileImageIndex(int tile, int imageIndex) override;
  void SetTileSkinSection(int tile, std::string_view section) override;
  void SetTileEnabled(int tile, bool enabled) override;
  void SetTimerEnabled(GameTimer timer, bool on) override;
  void SetTimerInterval(GameTimer timer, int milliseconds) override;
  void ShowResultDialog() override;

  ui::Timer& TimerOf(GameTimer timer);

 protected:
  void Loaded() override;
};

// The text of the "Справка" box.
extern const char* const kHelpText;

// The main window of the process (null before it is created and after it is
// destroyed).
extern TForm_Main* Form_Main;

}  // namespace game
