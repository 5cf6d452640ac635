// Reader of packed skins: the magic "OSzf", an entry count, then entries back
// to back, each a name, its inflated size and one complete zlib stream.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "skin/data/SkinMemoryBudget.h"

namespace skin {

// One entry of a package other than the options file.
struct TacImageItem {
  std::string FileName;            // as stored (8-bit code page bytes)
  bool IsBitmap = false;           // the name's extension is ".BMP" in any case
  std::vector<std::uint8_t> Data;  // the inflated content
};
using TacImageItems = std::vector<TacImageItem>;

class TacSkinConvertor {
 public:
  // Index of the last entry (entry count - 1); -1 before reading.
  std::int32_t ImageCount = -1;
  TacImageItems ImageItems;
  // Inflated content of the entry named "Options.dat" in any case; none if
  // the package has no such entry.
  std::optional<std::vector<std::uint8_t>> Options;

  // Parses a package held in memory, from its first byte. On any error the
  // reader is emptied and the error (a SkinError) is thrown.
  // The inflated entries are charged to `budget` before they are inflated;
  // the overload without one charges a fresh budget.
  void LoadFromData(std::span<const std::uint8_t> data);
  void LoadFromData(std::span<const std::uint8_t> data, SkinMemoryBudget& budget);

  // Reads a package file. Returns no reader when the file does not exist;
  // throws gfx::FileError when it cannot be read (or is not a regular file)
  // and a SkinError when it is not a valid package.
  static std::unique_ptr<TacSkinConvertor> LoadFromFile(const std::string& path);
  static std::unique_ptr<TacSkinConvertor> LoadFromFile(const std::string& path, SkinMemoryBudget& budget);

  // Frees every entry.
  void Clear();

  // The first image item whose upper-cased name equals `wanted` exactly.
  const TacImageItem* FindItem(std::string_view wanted) const;
};

// True when `name`'s extension (from its last dot) is ".BMP" in any case.
bool HasBitmapExtension(std::string_view name);

}  // namespace skin
