// Unpacking for skin authors on arbitrary bytes: it either gives entries
// whose names are plain file names (so writing them stays inside the target
// directory) or throws a SkinError, within bounded memory.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "skin/data/SkinErrors.h"
#include "tools/skinpack/SkinUnpack.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    const std::vector<skin::PackEntry> entries = skin::UnpackSkin(std::span<const std::uint8_t>(data, size));
    for (const skin::PackEntry& e : entries)
      if (e.Name.empty() || e.Name == "." || e.Name == ".." || e.Name.find_first_of("/\\") != e.Name.npos ||
          e.Name.find('\0') != e.Name.npos)
        std::abort();
  } catch (const skin::SkinError&) {
  }
  return 0;
}
