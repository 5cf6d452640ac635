// A plain information box standing in for the toolkit's message box until
// it exists: the text, an OK button (Enter and Esc), centred on the main
// window, shown modally.
#pragma once

#include <string>

namespace game::standin {

// Shows the box and returns when it is closed. Lines of `text` break at LF.
void ShowInformation(const std::string& caption, const std::string& text);

}  // namespace game::standin
