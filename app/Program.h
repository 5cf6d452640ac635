// Start-up of the game: the application title and the four windows, created
// in order main window, result dialog, new-game dialog, about dialog. The
// application owns them until it is destroyed.
#pragma once

#include "app/SkinChoice.h"
#include "game/Unit_About.h"
#include "game/Unit_Main.h"
#include "game/Unit_NewGame.h"
#include "game/Unit_ResultGame.h"
#include "platform/ui/Application.h"

namespace app {

inline constexpr const char* kApplicationTitle = "Zintor 2";
inline constexpr const char* kVersion = "2.0.0";

struct GameWindows {
  game::TForm_Main* Main = nullptr;
  game::TForm_ResultGame* Result = nullptr;
  game::TForm_NewGame* NewGame = nullptr;
  game::TForm_About* About = nullptr;
};

// Titles the application and creates the four windows from their
// descriptions; every window shows the program's icon. The skin engine's
// shadow images are loaded first, and with `showSkinVersion` its version is
// shown in a message box before the main window is created. `skin` is what
// the command line asked of the skin (by default the program's own skin).
GameWindows CreateGameWindows(ui::Application& app, bool showSkinVersion = false, const SkinChoice& skin = {});

}  // namespace app
