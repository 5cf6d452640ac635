#include "tools/skinpack/SkinUnpack.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "skin/data/SkinErrors.h"
#include "skin/data/TextUtil.h"
#include "skin/data/acSkinPack.h"

namespace skin {

std::vector<PackEntry> UnpackSkin(std::span<const std::uint8_t> package) {
  const std::vector<PackListing> listing = ListSkin(package);
  for (const PackListing& l : listing)
    if (l.Name.empty() || l.Name == "." || l.Name == ".." || l.Name.find_first_of("/\\") != std::string::npos ||
        l.Name.find('\0') != std::string::npos)
      throw SkinError("The package holds an entry named '" + l.Name + "', which is not a plain file name");
  TacSkinConvertor pack;
  pack.LoadFromData(package);
  std::vector<PackEntry> out;
  for (const PackListing& l : listing) {
    if (SameText(l.Name, "Options.dat") && pack.Options) {
      out.push_back({l.Name, *pack.Options});
      continue;
    }
    // Entries are found by their upper-cased names; with two of one name
    // the reader's first one wins, as in the program.
    for (const TacImageItem& item : pack.ImageItems)
      if (item.FileName == l.Name) {
        out.push_back({l.Name, item.Data});
        break;
      }
  }
  return out;
}

void WriteEntries(const std::vector<PackEntry>& entries, const std::string& dir) {
  namespace fs = std::filesystem;
  fs::create_directories(dir);
  for (const PackEntry& e : entries) {
    const fs::path file = fs::path(dir) / e.Name;
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(e.Data.data()), static_cast<std::streamsize>(e.Data.size()));
    out.close();
    if (!out) throw std::runtime_error("cannot write " + file.string());
  }
}

}  // namespace skin
