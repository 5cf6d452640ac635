// The command-line switch "/kvver" (any letter case): the program shows the
// skinning engine's version in one message box at start-up.
#pragma once

#include <string>
#include <vector>

namespace skin {

inline constexpr const char* kVersionSwitch = "/kvver";
inline constexpr const char* kVersionMessage = "Kavrel v6.69";

// True when one of the parameters is the switch.
bool HasVersionSwitch(const std::vector<std::string>& params);
// Shows the version message once when the switch is given; true if shown.
bool ShowVersionIfAsked(const std::vector<std::string>& params);

}  // namespace skin
