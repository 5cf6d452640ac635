// The package reader on arbitrary bytes: it must either read the package or
// throw a SkinError, within bounded memory.
#include <cstddef>
#include <cstdint>
#include <span>

#include "skin/data/SkinErrors.h"
#include "skin/data/acSkinPack.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  skin::TacSkinConvertor reader;
  try {
    reader.LoadFromData(std::span<const std::uint8_t>(data, size));
    for (const skin::TacImageItem& item : reader.ImageItems) (void)reader.FindItem(item.FileName);
  } catch (const skin::SkinError&) {
  }
  return 0;
}
