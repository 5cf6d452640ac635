// The properties of the skin manager as a window description sets them.
#pragma once

#include <string_view>

#include "skin/controls/sSkinManager.h"

namespace app {

// The embedded package of an internal skin, looked up by its name.
inline constexpr std::string_view kInternalSkinFolder = "skins/";

// Sets one property; false when the manager has no such property. A stored
// skin whose package is not embedded in the program is not registered.
bool ApplySkinManagerProperty(skin::TsSkinManager& m, std::string_view key, std::string_view value);

}  // namespace app
