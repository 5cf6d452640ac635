// Loading a skin into a new TsSkinModel: from a skin directory, from a
// package (a file or data in memory) and from a skin stored in a window
// description. A load builds a fresh model and hands it back only when it
// succeeded; a failing load throws and leaves the caller's model untouched.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "skin/data/SkinModel.h"
#include "skin/data/sMaskData.h"

namespace skin {

// The two lines of the warning for a skin newer than the engine.
inline constexpr std::string_view kVersionWarning =
    "This version of the skin have not complete support by used Kavrel package release.\n"
    "Components must be updated up to latest version for using this skin.";

struct TsLoadSettings {
  TsSkinManager* Owner = nullptr;  // stored in every mask entry
  int HueOffset = 0;
  int Saturation = 0;
  // Option lines applied on top of every skin.
  std::vector<std::string> CommonSections;
};

struct TsLoadResult {
  std::unique_ptr<TsSkinModel> Model;
  // Messages for the user about a skin that was loaded all the same.
  std::vector<std::string> Warnings;
};

// Every loader throws a SkinError carrying the message for the user.

// `skinDir` is the skin's own directory, holding "Options.dat"; the skin path
// becomes that directory with a trailing separator.
TsLoadResult LoadSkinFromDirectory(const std::string& skinDir, const TsLoadSettings& settings);
// A package in memory; `skinPath` becomes the skin path.
TsLoadResult LoadSkinFromPackage(std::span<const std::uint8_t> package, const std::string& skinPath,
                                 const TsLoadSettings& settings);
// A package file; nothing when the file does not exist.
std::optional<TsLoadResult> LoadSkinFromPackageFile(const std::string& file, const std::string& skinPath,
                                                    const TsLoadSettings& settings);
// A stored skin: its package if it has one, else its structured form.
TsLoadResult LoadSkinFromStored(const TsStoredSkin& stored, const TsLoadSettings& settings);

// The stored skin to use for `name`: the one of that name, else the first;
// -1 when there are none. `name` becomes the chosen skin's name.
int SelectStoredSkin(const TsStoredSkins& skins, std::string& name);

}  // namespace skin
