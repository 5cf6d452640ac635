// Where the images of a skin come from while it is loaded: the entries of a
// package or the files of a skin directory; and the decoders for them.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gfx/Bitmap.h"
#include "skin/data/SkinMemoryBudget.h"
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
// case. Missing or unreadable files count as absent. Each file is read once
// and its bytes are charged to the budget, if one is given.
class DirectoryFiles : public SkinFiles {
 public:
  explicit DirectoryFiles(std::string dir, SkinMemoryBudget* budget = nullptr)
      : dir_(std::move(dir)), budget_(budget) {}
  std::optional<std::span<const std::uint8_t>> Find(std::string_view name) override;
  // Like Find, but a file that exists and cannot be read (too large, not a
  // regular file, no permission) throws gfx::FileError instead of counting
  // as absent.
  std::optional<std::span<const std::uint8_t>> FindRequired(std::string_view name);
  // The path of the file that `name` stands for, or nothing.
  std::optional<std::string> Resolve(std::string_view name) const;

 private:
  std::span<const std::uint8_t> Read(const std::string& path);

  std::string dir_;
  SkinMemoryBudget* budget_;
  std::deque<std::vector<std::uint8_t>> loaded_;
  std::map<std::string, std::size_t> byPath_;  // path -> index in loaded_
};

// Decoders; each throws a SkinError naming the image when the data cannot be
// decoded (also when memory runs out). The format is taken from the data's
// signature.
gfx::Bitmap DecodeImage(std::span<const std::uint8_t> data, std::string_view name);
// The bytes `b` takes in `format` (rows padded to four bytes).
std::size_t ConvertedBytes(const gfx::Bitmap& b, gfx::PixelFormat format);
// `b` in `format`. A result over the decoders' size limit is refused (a
// SkinError naming the image) before it is allocated.
gfx::Bitmap ConvertImage(gfx::Bitmap b, gfx::PixelFormat format, std::string_view name);
// A PNG decoded to 32 bits; white, fully transparent pixels cleared to zero.
gfx::Bitmap DecodePng32(std::span<const std::uint8_t> data, std::string_view name);

}  // namespace skin
