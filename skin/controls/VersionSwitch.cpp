#include "skin/controls/VersionSwitch.h"

#include <algorithm>
#include <cctype>

#include "skin/controls/sSkinManager.h"

namespace skin {

bool HasVersionSwitch(const std::vector<std::string>& params) {
  return std::any_of(params.begin(), params.end(), [](const std::string& p) {
    std::string lower = p;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower == kVersionSwitch;
  });
}

bool ShowVersionIfAsked(const std::vector<std::string>& params) {
  if (!HasVersionSwitch(params)) return false;
  TsSkinManager::ShowSkinMessage(kVersionMessage, ui::MessageIcon::Information);
  return true;
}

}  // namespace skin
