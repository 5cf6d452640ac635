#include "app/GameDriver.h"

#include "game/Unit_GameObjects.h"
#include "platform/ui/menus/MenuBar.h"
#include "platform/ui/menus/MenuTracker.h"

namespace app {

gfx::Point GameDriver::CenterOf(const ui::Control& c) {
  return c.ClientToScreen({c.Width() / 2, c.Height() / 2});
}

gfx::Point GameDriver::TilePoint(int tile) const {
  return CenterOf(*w_.Main->Tiles.at(static_cast<std::size_t>(tile - 1)));
}

gfx::Point GameDriver::MenuBarPoint(const ui::MenuItem& item) const {
  const gfx::Rect r = w_.Main->MenuBar().ItemScreenRect(&item);
  return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
}

gfx::Point GameDriver::PopupItemPoint(const ui::MenuItem& item) {
  for (ui::WinControl* w : ui::App().TopLevels()) {
    auto* popup = dynamic_cast<ui::PopupMenuWindow*>(w);
    if (!popup || !popup->Visible() || popup->List() != item.Parent()) continue;
    const auto& items = popup->Items();
    for (std::size_t i = 0; i < items.size(); ++i)
      if (items[i] == &item) {
        const gfx::Rect r = popup->ItemScreenRect(static_cast<int>(i));
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
      }
  }
  return {-1, -1};
}

void GameDriver::KeyWithControl(int vk) {
  screen_.InjectKeyDown(backend::VK_CONTROL);
  screen_.InjectKey(vk);
  screen_.InjectKeyUp(backend::VK_CONTROL);
}

int GameDriver::NextCorrectTile() {
  const game::GameObjects& g = game::GameState();
  return g.Sequence.Get(g.SequencePos + 1);
}

int GameDriver::NextWrongTile() { return NextCorrectTile() % game::kTileCount + 1; }

}  // namespace app
