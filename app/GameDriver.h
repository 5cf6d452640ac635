// Finding the game's windows, tiles and menu entries on the screen, and
// clicking them like a user: shared by the demo and the tests.
#pragma once

#include "app/Program.h"
#include "platform/backend/HeadlessBackend.h"

namespace app {

class GameDriver {
 public:
  GameDriver(backend::HeadlessBackend& screen, const GameWindows& windows) : screen_(screen), w_(windows) {}

  // Screen points.
  static gfx::Point CenterOf(const ui::Control& c);
  gfx::Point TilePoint(int tile) const;
  // The entry on the main window's menu bar.
  gfx::Point MenuBarPoint(const ui::MenuItem& item) const;
  // The entry in the open popup menu that lists `item`, or (-1, -1) when
  // no such popup is open.
  static gfx::Point PopupItemPoint(const ui::MenuItem& item);

  // Injected input (processed by the running loop).
  void ClickAt(gfx::Point p) { screen_.InjectClick(p); }
  void ClickTile(int tile) { ClickAt(TilePoint(tile)); }
  void Click(const ui::Control& c) { ClickAt(CenterOf(c)); }
  void Key(int vk) { screen_.InjectKey(vk); }
  void KeyWithControl(int vk);
  void MoveTo(gfx::Point p) { screen_.InjectMouseMove(p); }

  // The tile to click next for a correct answer (during the player's turn).
  static int NextCorrectTile();
  // A tile that is wrong for the next click.
  static int NextWrongTile();

  backend::HeadlessBackend& Screen() { return screen_; }
  const GameWindows& Windows() const { return w_; }

 private:
  backend::HeadlessBackend& screen_;
  GameWindows w_;
};

}  // namespace app
