// What a plain keyboard produces for injected keys.
#pragma once

#include <cstdint>
#include <string>

namespace backend {

// The Modifier bit a key holds down (Shift, Control, Alt and their left and
// right variants), or 0.
std::uint32_t ModifierOfKey(int key);

// The text a key down types with the given modifiers on a US layout:
// letters (upper case with Shift; control characters 1..26 with Control),
// digits, space, a few punctuation keys, "\r", "\t", "\b" and "\x1b".
// Alt is ignored: an Alt combination reports what the key types without it,
// so that accelerators can be matched; the toolkit types nothing with Alt.
// Empty for keys that type nothing.
std::string DefaultKeyText(int key, std::uint32_t modifiers);

}  // namespace backend
