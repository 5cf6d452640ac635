// Keyboard translation for the X11 backend.
#pragma once

#include "platform/backend/X11Headers.h"

#include <cstdint>
#include <string>

namespace backend {

// The virtual key of a key event: the unshifted keysym decides (so that
// Shift+1 is still '1'), keypad digits follow Num Lock. 0 for unknown keys.
int VirtualKeyOf(XKeyEvent& event);

// Modifier bits from an X state mask (the state before the event).
std::uint32_t ModifiersOf(unsigned int state);

// UTF-8 for a keysym that stands for a character (Latin-1 and Unicode
// keysyms), used when the input method gives no text. Empty otherwise.
std::string Utf8OfKeysym(KeySym keysym);

// Appends `codepoint` as UTF-8.
void AppendUtf8(std::string& out, std::uint32_t codepoint);

}  // namespace backend
