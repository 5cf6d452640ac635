// Writing packed skins: "OSzf", the entry count, then per entry its name
// length, name, inflated size and one zlib stream at the default level.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace skin {

struct PackEntry {
  std::string Name;  // stored as given (8-bit code page bytes)
  std::vector<std::uint8_t> Data;
};

// Packs the entries in the given order.
std::vector<std::uint8_t> PackSkin(const std::vector<PackEntry>& entries);

// The regular files of a skin directory as package entries: the options file
// ("Options.dat" in any case) first, then the others ordered by upper-cased
// extension and name. Names starting with "." are left out. Throws
// std::runtime_error when the directory cannot be read, when it has no
// options file, or when two names differ only in letter case.
std::vector<PackEntry> ReadSkinDirectory(const std::string& dir);

// One entry as the package lists it.
struct PackListing {
  std::string Name;
  std::uint32_t Size = 0;          // inflated size
  std::size_t CompressedSize = 0;  // bytes of the zlib stream
};

// Walks a package without keeping the contents (for listing). Throws the
// reader's errors for bad data.
std::vector<PackListing> ListSkin(std::span<const std::uint8_t> package);

}  // namespace skin
