// The list of skins a manager can offer: its internal skins, the skin
// directories and the packages in the skin directory, then those installed
// with the program.
#include <algorithm>
#include <filesystem>
#include <system_error>

#include <cctype>
#include "platform/ui/controls/ProgramInfo.h"
#include "skin/controls/SkinDirectory.h"
#include "skin/controls/sSkinManager.h"

namespace skin {
namespace {

bool LessNoCase(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
  });
}

bool SameNoCase(const std::string& a, const std::string& b) { return !LessNoCase(a, b) && !LessNoCase(b, a); }

bool HasExtensionNoCase(const std::string& name, std::string_view ext) {
  if (name.size() < ext.size()) return false;
  return SameNoCase(name.substr(name.size() - ext.size()), std::string(ext));
}

}  // namespace

std::string TsSkinManager::ListSkins(std::vector<std::string>& list, int mode) const {
  std::vector<std::string> found;
  for (const auto& s : internalSkins_) found.push_back(s.Name);

  namespace fs = std::filesystem;
  std::error_code ec;
  std::vector<std::string> dirs, packages;
  for (const std::string& root : {ResolvedSkinDirectory(), InstalledSkinDirectory(ui::ProgramDirectory())})
  for (fs::directory_iterator it(root, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name.empty() || name.front() == '.') continue;
    std::error_code e2;
    if (it->is_directory(e2)) {
      if ((mode == 0 || mode == 2) && fs::is_regular_file(it->path() / "Options.dat", e2))
        dirs.push_back(name);
    } else if ((mode == 1 || mode == 2) && HasExtensionNoCase(name, ".osz")) {
      packages.push_back(name.substr(0, name.find('.')));
    }
  }
  // Directory order is arbitrary; within each kind the first is the
  // alphabetically first.
  std::sort(dirs.begin(), dirs.end(), LessNoCase);
  std::sort(packages.begin(), packages.end(), LessNoCase);
  found.insert(found.end(), dirs.begin(), dirs.end());
  found.insert(found.end(), packages.begin(), packages.end());

  list.clear();
  for (const auto& n : found)
    if (std::none_of(list.begin(), list.end(), [&](const std::string& x) { return SameNoCase(x, n); }))
      list.push_back(n);
  std::stable_sort(list.begin(), list.end(), LessNoCase);
  return found.empty() ? std::string() : found.front();
}

}  // namespace skin
