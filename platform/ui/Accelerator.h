// `&` accelerators of captions: the character after a single "&" ("&&" is a
// literal ampersand) and case-insensitive matching of typed characters
// against it, by simple Unicode case folding (Latin, Greek, Cyrillic).
#pragma once

#include <string_view>

namespace ui {

// The simple case folding of a code point (upper case to lower case for the
// scripts above); every other code point is returned unchanged.
char32_t FoldCase(char32_t ch);

// The folded accelerator character of a UTF-8 caption, or 0 when it has none.
char32_t AccelCharOf(std::string_view caption);

// True when `ch` (any case) is the accelerator of `caption`.
bool IsAccel(char32_t ch, std::string_view caption);

}  // namespace ui
