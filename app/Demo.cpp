#include "app/Demo.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <ostream>

#include "app/EmbeddedAssets.h"
#include "app/GameDriver.h"
#include "app/Program.h"
#include "app/Script.h"
#include "game/Unit_GameObjects.h"

namespace app {

namespace {

int RunGameDemo(const std::string& directory, std::ostream& out, std::ostream& err);

bool PlayersTurn() { return game::GameState().InputAllowed; }

bool AnyTileLit(const game::TForm_Main& main) {
  for (const auto* t : main.Tiles)
    if (t->ImageIndex() == game::kImageLit) return true;
  return false;
}

// The main window alone, started with another skin choice, after it has
// settled for a moment.
bool SkinMoment(const SkinChoice& choice, const std::string& path, std::ostream& out, std::ostream& err) {
  backend::HeadlessBackend screen;
  ui::Application app(screen);
  GameWindows w = CreateGameWindows(app, false, choice);
  w.Main->ShowForm();
  app.RunFor(200);
  try {
    screen.SaveScreenshot(path);
  } catch (const std::exception& e) {
    err << "zintor2: " << e.what() << "\n";
    return false;
  }
  out << "saved " << path << "\n";
  return true;
}

// The skinned main window with its hues turned by 120 degrees, and with the
// Night skin (written from the program into a skin directory of its own).
bool SkinMoments(const std::string& directory, std::ostream& out, std::ostream& err) {
  namespace fs = std::filesystem;
  SkinChoice hue;
  hue.HueOffset = 120;
  if (!SkinMoment(hue, (fs::path(directory) / "12-main-window-hue-120.png").string(), out, err)) return false;
  const auto night = EmbeddedAsset("skins/Night.osz");
  if (night.empty()) return true;  // built without the second skin
  const fs::path skins = fs::temp_directory_path() / ("zintor2-demo-skins-" + std::to_string(::getpid()));
  std::error_code ec;
  fs::create_directories(skins, ec);
  std::ofstream(skins / "Night.osz", std::ios::binary)
      .write(reinterpret_cast<const char*>(night.data()), static_cast<std::streamsize>(night.size()));
  SkinChoice dark;
  dark.SkinName = "Night";
  dark.SkinDirectory = skins.string();
  const bool ok = SkinMoment(dark, (fs::path(directory) / "13-main-window-night.png").string(), out, err);
  fs::remove_all(skins, ec);
  return ok;
}

}  // namespace

int RunDemo(const std::string& directory, std::ostream& out, std::ostream& err) {
  if (const int rc = RunGameDemo(directory, out, err); rc != 0) return rc;
  return SkinMoments(directory, out, err) ? 0 : 1;
}

namespace {

int RunGameDemo(const std::string& directory, std::ostream& out, std::ostream& err) {
  std::error_code ec;
  std::filesystem::create_directories(directory, ec);
  if (ec) {
    err << "zintor2: cannot create " << directory << ": " << ec.message() << "\n";
    return 1;
  }
  backend::HeadlessBackend screen;
  ui::Application app(screen);
  GameWindows w = CreateGameWindows(app);
  GameDriver d(screen, w);
  Script s(app);
  std::string shotError;
  auto shot = [&](const std::string& name) {
    return [&, name] {
      const std::string path = (std::filesystem::path(directory) / name).string();
      try {
        screen.SaveScreenshot(path);
        out << "saved " << path << "\n";
      } catch (const std::exception& e) {
        shotError = e.what();
        app.Terminate();
      }
    };
  };

  s.After("the main window is shown", 200, shot("01-idle-main-window.png"));
  // A new game on "Лёгкий" from the menu.
  s.After("open the Game menu", 10, [&] { d.ClickAt(d.MenuBarPoint(*w.Main->N2->Parent())); });
  s.When(
      "the Game menu is open", [&] { return GameDriver::PopupItemPoint(*w.Main->N2).X >= 0; },
      shot("02-game-menu-open.png"));
  s.After("choose New game", 10, [&] { d.ClickAt(GameDriver::PopupItemPoint(*w.Main->N2)); });
  s.When(
      "the new-game dialog is shown", [&] { return w.NewGame->Visible(); }, shot("03-new-game-dialog.png"));
  s.After("press Start", 300, [&] { d.Click(*w.NewGame->sButton_Start); });
  s.When(
      "a tile lights up", [&] { return AnyTileLit(*w.Main); }, [] {});
  s.After("the lit tile", 100, shot("04-show-tile-lit.png"));
  // Two rounds repeated correctly: two tiles, then three.
  s.When("round 1: the player's turn", PlayersTurn, [&] { d.MoveTo(d.TilePoint(5)); });
  s.After("the player's turn, pointer on a tile", 50, shot("05-players-turn.png"));
  for (int i = 0; i < 2; ++i)
    s.After("round 1: a correct click", 150, [&] { d.ClickTile(GameDriver::NextCorrectTile()); });
  s.When("round 2: the player's turn", PlayersTurn, [] {});
  for (int i = 0; i < 3; ++i)
    s.After("round 2: a correct click", 150, [&] { d.ClickTile(GameDriver::NextCorrectTile()); });
  // Round 3: the first click is wrong.
  s.When("round 3: the player's turn", PlayersTurn, [] {});
  s.After("round 3: a wrong click", 150, [&] { d.ClickTile(GameDriver::NextWrongTile()); });
  s.When(
      "the result dialog is shown", [&] { return w.Result->Visible(); },
      shot("06-result-dialog-buttons-locked.png"));
  s.When(
      "the buttons are unlocked after 3000 ms", [&] { return w.Result->sButton_Ok->Enabled(); }, [] {});
  s.After("the unlocked result dialog", 10, shot("07-result-dialog-buttons-unlocked.png"));
  s.After("press OK", 300, [&] { d.Click(*w.Result->sButton_Ok); });
  // The about dialog from the Help menu.
  s.When(
      "the result dialog is closed", [&] { return !w.Result->Visible(); }, [] {});
  s.After("open the Help menu", 300, [&] { d.ClickAt(d.MenuBarPoint(*w.Main->N6->Parent())); });
  s.When(
      "the Help menu is open", [&] { return GameDriver::PopupItemPoint(*w.Main->N6).X >= 0; },
      shot("08-help-menu-open.png"));
  s.After("choose About", 10, [&] { d.ClickAt(GameDriver::PopupItemPoint(*w.Main->N6)); });
  s.When(
      "the about dialog is shown", [&] { return w.About->Visible(); }, shot("09-about-dialog.png"));
  s.After("press Esc", 300, [&] { d.Key(backend::VK_ESCAPE); });
  s.When(
      "the about dialog is closed", [&] { return !w.About->Visible(); }, shot("10-game-over-idle.png"));
  // The help box from the Help menu.
  s.After("open the Help menu", 300, [&] { d.ClickAt(d.MenuBarPoint(*w.Main->N7->Parent())); });
  s.When(
      "the Help menu is open", [&] { return GameDriver::PopupItemPoint(*w.Main->N7).X >= 0; },
      [&] { d.ClickAt(GameDriver::PopupItemPoint(*w.Main->N7)); });
  s.When(
      "the help box is shown", [&] { return app.ActiveForm() && app.ActiveForm() != w.Main; },
      shot("11-help-box.png"));
  s.After("press Enter", 300, [&] { d.Key(backend::VK_RETURN); });
  s.When(
      "the help box is closed", [&] { return app.ActiveForm() == w.Main; }, [] {});
  // "Выход" ends the program.
  s.After("open the Game menu", 300, [&] { d.ClickAt(d.MenuBarPoint(*w.Main->N4->Parent())); });
  s.When(
      "the Game menu is open", [&] { return GameDriver::PopupItemPoint(*w.Main->N4).X >= 0; },
      [&] { d.ClickAt(GameDriver::PopupItemPoint(*w.Main->N4)); });
  s.SetTimeout(20000);
  s.Start();
  app.Run();

  if (!shotError.empty()) {
    err << "zintor2: " << shotError << "\n";
    return 1;
  }
  if (!s.Failure().empty() || !s.Finished()) {
    err << "zintor2: the demo stopped: " << (s.Failure().empty() ? "the program ended early" : s.Failure())
        << "\n";
    return 1;
  }
  out << "the demo game ended with " << game::GameState().RoundCount << " rounds on \""
      << game::GameState().DifficultyCaption << "\"\n";
  return 0;
}

}  // namespace

}  // namespace app
