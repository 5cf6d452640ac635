// Where the images of a skin come from while it is loaded: the entries of a
// package or the files of a skin directory; and the decoders for them.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gfx/Bitmap.h"
#include "skin/data/acSkinPack.h"

namespace skin {

class SkinFiles {
 public:
  virtual ~SkinFiles() = default;
  // The bytes of the named image, or nothing if there is no such image. The
  // bytes stay valid as long as this object.
  virtual std::optional<std::span<const std::uint8_t>> Find(std::string_view name) = 0;
};

// Entries of a package, found by comparing their upper-cased names with the
// wanted name as given (so a wanted name in lower case finds nothing).
class PackageFiles : public SkinFiles {
 public:
  explicit PackageFiles(const TacSkinConvertor& package) : package_(package) {}
  std::optional<std::span<const std::uint8_t>> Find(std::string_view name) override;

 private:
  const TacSkinConvertor& package_;
};

// Files of a directory. A name starting with "/" is an absolute path.
// Windows skins name their files without regard to case, so a name that does
// not exist as written is matched against the directory's files ignoring
// case. Missing or unreadable files count as absent.
class DirectoryFiles : public SkinFiles {
 public:
  explicit DirectoryFiles(std::string dir) : dir_(std::move(dir)) {}
  std::optional<std::span<const std::uint8_t>> Find(std::string_view name) override;
  // The path of the file that `name` stands for, or nothing.
  std::optional<std::string> Resolve(std::string_view name) const;

 private:
  std::string dir_;
  std::deque<std::vector<std::uint8_t>> loaded_;
};

// Decoders; each throws a SkinError naming the image when the data cannot be
// decoded. The format is taken from the data's signature.
gfx::Bitmap DecodeImage(std::span<const std::uint8_t> data, std::string_view name);
// A PNG decoded to 32 bits; white, fully transparent pixels cleared to zero.
gfx::Bitmap DecodePng32(std::span<const std::uint8_t> data, std::string_view name);

}  // namespace skin
