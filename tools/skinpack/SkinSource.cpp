#include "tools/skinpack/SkinSource.h"

#include <filesystem>

#include "platform/gfx/FileBytes.h"
#include "skin/data/SkinErrors.h"
#include "skin/data/TextUtil.h"

namespace skin {

TsSkinManager* ToolOwner() {
  static int token;
  return reinterpret_cast<TsSkinManager*>(&token);
}

bool IsPackagePath(const std::string& path) {
  namespace fs = std::filesystem;
  std::error_code ec;
  return fs::is_regular_file(path, ec);
}

TsLoadResult LoadToolSkin(const std::string& path) {
  namespace fs = std::filesystem;
  TsLoadSettings settings;
  settings.Owner = ToolOwner();
  std::error_code ec;
  if (fs::is_directory(path, ec)) {
    if (!fs::is_regular_file(fs::path(path) / "Options.dat", ec))
      throw SkinError("The skin directory " + path + " has no Options.dat");
    return LoadSkinFromDirectory(path, settings);
  }
  if (!fs::exists(path, ec)) throw SkinError("There is no skin at " + path);
  const std::vector<std::uint8_t> bytes = gfx::ReadFileBytes(path);
  const fs::path parent = fs::path(path).parent_path();
  return LoadSkinFromPackage(bytes, parent.empty() ? std::string() : parent.string() + "/", settings);
}

}  // namespace skin
