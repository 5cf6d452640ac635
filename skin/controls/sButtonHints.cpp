#include "skin/controls/sButtonHints.h"

#include "platform/ui/Application.h"

namespace skin {

namespace {
bool g_saved = false;
bool g_savedSwitch = true;
}  // namespace

void HoldHints() {
  if (g_saved || !ui::Application::Exists()) return;
  g_savedSwitch = ui::App().ShowHint();
  g_saved = true;
  ui::App().SetShowHint(false);
}

void RestoreHints() {
  if (!g_saved) return;
  g_saved = false;
  if (ui::Application::Exists()) ui::App().SetShowHint(g_savedSwitch);
}

bool HintsHeld() { return g_saved; }
bool SavedHintSwitch() { return g_savedSwitch; }

}  // namespace skin
