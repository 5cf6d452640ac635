#include "app/SkinChoice.h"

#include <cctype>
#include <filesystem>

#include "app/Descriptions.h"
#include "app/EmbeddedAssets.h"
#include "app/SkinManagerProperties.h"
#include "platform/ui/controls/ProgramInfo.h"
#include "skin/controls/SkinDirectory.h"

namespace app {
namespace {

namespace fs = std::filesystem;

bool EndsWithOsz(const std::string& s) {
  if (s.size() < 4) return false;
  std::string ext = s.substr(s.size() - 4);
  for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return ext == ".osz";
}

// The stored skins the main window's description registers.
bool IsInternalSkin(const std::string& name) {
  for (const ItemDescription& i : MainWindowDescription().Items)
    if (i.Class == "TsSkinManager")
      for (const Property& p : i.Props)
        if (p.Key == "InternalSkins.Add" && p.Value == name &&
            !EmbeddedAsset(std::string(kInternalSkinFolder) + name + ".osz").empty())
          return true;
  return false;
}

bool HoldsSkin(const fs::path& dir, const std::string& name) {
  std::error_code ec;
  return fs::is_regular_file(dir / (name + ".osz"), ec) || fs::is_regular_file(dir / name / "Options.dat", ec);
}

}  // namespace

std::optional<SkinChoice> SkinChoiceOf(const CommandLine& cl, std::string& error) {
  SkinChoice c;
  c.NoSkin = cl.NoSkin;
  c.HueOffset = cl.HueOffset;
  c.Saturation = cl.Saturation;
  std::error_code ec;
  if (!cl.SkinDirectory.empty()) {
    if (!fs::is_directory(cl.SkinDirectory, ec)) {
      error = "--skin-dir: there is no directory " + cl.SkinDirectory;
      return std::nullopt;
    }
    c.SkinDirectory = fs::absolute(cl.SkinDirectory, ec).lexically_normal().string();
  }
  if (cl.Skin.empty()) return c;
  const std::string& s = cl.Skin;
  if (fs::is_regular_file(s, ec)) {
    if (!EndsWithOsz(s)) {
      error = "--skin: " + s + " is not a skin package (.osz)";
      return std::nullopt;
    }
    const fs::path p = fs::absolute(s, ec).lexically_normal();
    c.SkinDirectory = p.parent_path().string();
    const std::string file = p.filename().string();
    c.SkinName = file.substr(0, file.size() - 4);
    return c;
  }
  if (fs::is_directory(s, ec)) {
    if (!fs::is_regular_file(fs::path(s) / "Options.dat", ec)) {
      error = "--skin: the skin directory " + s + " has no Options.dat";
      return std::nullopt;
    }
    fs::path p = fs::absolute(s, ec).lexically_normal();
    if (!p.has_filename()) p = p.parent_path();
    c.SkinDirectory = p.parent_path().string();
    c.SkinName = p.filename().string();
    return c;
  }
  if (s.find('/') != std::string::npos || EndsWithOsz(s)) {
    error = "--skin: there is no skin at " + s;
    return std::nullopt;
  }
  const fs::path userDir = c.SkinDirectory.empty() ? fs::path(skin::PlatformSkinDirectory()) : fs::path(c.SkinDirectory);
  if (!IsInternalSkin(s) && !HoldsSkin(userDir, s) &&
      !HoldsSkin(skin::InstalledSkinDirectory(ui::ProgramDirectory()), s)) {
    error = "--skin: there is no skin named '" + s + "' (--list-skins shows them)";
    return std::nullopt;
  }
  c.SkinName = s;
  return c;
}

FormDescription WithSkinChoice(const FormDescription& d, const SkinChoice& c, std::deque<std::string>& storage) {
  FormDescription out = d;
  for (auto it = out.Items.begin(); it != out.Items.end(); ++it) {
    if (it->Class != "TsSkinManager") continue;
    if (c.NoSkin) {
      out.Items.erase(it);
      return out;
    }
    const auto set = [&](std::string_view key, std::string value) {
      storage.push_back(std::move(value));
      for (Property& p : it->Props)
        if (p.Key == key) {
          p.Value = storage.back();
          return;
        }
      it->Props.push_back({key, storage.back()});
    };
    if (!c.SkinName.empty()) set("SkinName", c.SkinName);
    if (!c.SkinDirectory.empty()) set("SkinDirectory", c.SkinDirectory);
    if (c.HueOffset != 0) set("HueOffset", std::to_string(c.HueOffset));
    if (c.Saturation != 0) set("Saturation", std::to_string(c.Saturation));
    return out;
  }
  return out;
}

}  // namespace app
