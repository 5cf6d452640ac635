// Letter case of the text an edit control keeps: as typed, or converted to
// upper or lower case (Latin, Greek and Cyrillic letters by the same simple
// case mapping as accelerator matching).
#pragma once

#include <string>
#include <string_view>

namespace ui {

enum class EditCharCase { ecNormal, ecUpperCase, ecLowerCase };

// The upper-case letter of a small one; every other code point unchanged.
char32_t UpperCase(char32_t ch);
// One code point in the given case.
char32_t ApplyCharCase(char32_t ch, EditCharCase charCase);
// UTF-8 text in the given case; converted characters keep their byte length.
std::string ApplyCharCase(std::string_view utf8, EditCharCase charCase);

}  // namespace ui
