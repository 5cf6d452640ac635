#include "app/SkinManagerProperties.h"

#include <string>

#include "app/EmbeddedAssets.h"
#include "app/PropertyValues.h"

namespace app {
namespace {

using skin::TacBtnEvent;

skin::TacFormAnimation* FormAnimation(skin::TacAnimEffects& e, std::string_view name) {
  if (name == "DialogShow") return &e.DialogShow;
  if (name == "FormShow") return &e.FormShow;
  if (name == "FormHide") return &e.FormHide;
  if (name == "DialogHide") return &e.DialogHide;
  if (name == "PageChange") return &e.PageChange;
  if (name == "SkinChanging") return &e.SkinChanging;
  return nullptr;
}

bool ApplyAnimEffects(skin::TacAnimEffects& e, std::string_view key, std::string_view value) {
  if (key == "Buttons.Events") {
    const unsigned bits = ReadSet(value, {{"beMouseEnter", 1u << 0},
                                          {"beMouseLeave", 1u << 1},
                                          {"beMouseDown", 1u << 2},
                                          {"beMouseUp", 1u << 3}});
    e.Buttons.Events = {};
    for (auto ev : {TacBtnEvent::beMouseEnter, TacBtnEvent::beMouseLeave, TacBtnEvent::beMouseDown,
                    TacBtnEvent::beMouseUp})
      if (bits & (1u << static_cast<unsigned>(ev))) e.Buttons.Events.Include(ev);
    return true;
  }
  const auto dot = key.find('.');
  if (dot == std::string_view::npos) return false;
  skin::TacFormAnimation* a = FormAnimation(e, key.substr(0, dot));
  if (!a) return false;
  const std::string_view field = key.substr(dot + 1);
  if (field == "Active") {
    a->Active = ReadBool(value);
  } else if (field == "Time") {
    a->Time = ReadInt(value);
  } else if (field == "Mode") {
    a->Mode = ReadEnum<skin::TacAnimType>(
        value, {{"atFading", skin::TacAnimType::atFading}, {"atAero", skin::TacAnimType::atAero}});
  } else {
    return false;
  }
  return true;
}

bool ApplyMenuSupport(skin::TacMenuSupport& s, std::string_view key, std::string_view value) {
  if (key == "IcoLineSkin") {
    s.IcoLineSkin = std::string(value);
  } else if (key == "UseExtraLine") {
    s.UseExtraLine = ReadBool(value);
  } else if (key == "ExtraLineWidth") {
    s.ExtraLineWidth = ReadInt(value);
  } else if (key == "ExtraLineFont.Name") {
    s.ExtraLineFont.Name = std::string(value);
  } else if (key == "ExtraLineFont.Height") {
    s.ExtraLineFont.Height = ReadInt(value);
  } else {
    return false;
  }
  return true;
}

bool ApplyThirdParty(skin::ThirdPartyList& t, std::string_view key, std::string_view value) {
  for (int i = 0; i < skin::ThirdPartyCount; ++i)
    if (key == skin::ThirdPartyList::NameOf(i)) {
      t.Lists[static_cast<std::size_t>(i)] = std::string(value);
      return true;
    }
  return false;
}

void AddInternalSkin(skin::TsSkinManager& m, std::string_view name) {
  const auto bytes = EmbeddedAsset(std::string(kInternalSkinFolder) + std::string(name) + ".osz");
  if (bytes.empty()) return;  // the program carries no package of that name
  skin::TsStoredSkin stored;
  stored.Name = std::string(name);
  stored.Data.assign(bytes.begin(), bytes.end());
  m.InternalSkins().push_back(std::move(stored));
}

bool StartsWith(std::string_view key, std::string_view prefix, std::string_view& rest) {
  if (!key.starts_with(prefix)) return false;
  rest = key.substr(prefix.size());
  return true;
}

}  // namespace

bool ApplySkinManagerProperty(skin::TsSkinManager& m, std::string_view key, std::string_view value) {
  std::string_view rest;
  if (key == "Active") {
    m.SetActive(ReadBool(value));
  } else if (key == "SkinName") {
    m.SetSkinName(std::string(value));
  } else if (key == "SkinDirectory") {
    m.SetSkinDirectory(std::string(value));
  } else if (key == "ExtendedBorders") {
    m.SetExtendedBorders(ReadBool(value));
  } else if (key == "SkinnedPopups") {
    m.SetSkinnedPopups(ReadBool(value));
  } else if (key == "AllowGlowing") {
    m.SetAllowGlowing(ReadBool(value));
  } else if (key == "IsDefault") {
    m.SetIsDefault(ReadBool(value));
  } else if (key == "HueOffset") {
    m.SetHueOffset(ReadInt(value));
  } else if (key == "Saturation") {
    m.SetSaturation(ReadInt(value));
  } else if (key == "InternalSkins.Add") {
    AddInternalSkin(m, value);
  } else if (StartsWith(key, "AnimEffects.", rest)) {
    return ApplyAnimEffects(m.AnimEffects(), rest, value);
  } else if (StartsWith(key, "MenuSupport.", rest)) {
    return ApplyMenuSupport(m.MenuSupport(), rest, value);
  } else if (StartsWith(key, "ThirdParty.", rest)) {
    return ApplyThirdParty(m.ThirdParty(), rest, value);
  } else {
    return false;
  }
  return true;
}

}  // namespace app
