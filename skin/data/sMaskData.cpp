#include "skin/data/sMaskData.h"

namespace skin {

const TsStoredSkin* FindStoredSkin(const TsStoredSkins& skins, const std::string& name) {
  for (const TsStoredSkin& s : skins)
    if (s.Name == name) return &s;
  return nullptr;
}

}  // namespace skin
