// The application's hint switch while a skinned button is held down: hints
// are off from the first press of any skinned button until a release, a
// cancelled capture or the button's destruction puts the saved switch back.
// Process-wide, user-interface thread only.
#pragma once

namespace skin {

// Saves the switch (once) and turns hints off.
void HoldHints();
// Puts the saved switch back; nothing when none is saved.
void RestoreHints();
// A switch is saved (hints are held off).
bool HintsHeld();
// The saved switch (meaningful while HintsHeld).
bool SavedHintSwitch();

}  // namespace skin
