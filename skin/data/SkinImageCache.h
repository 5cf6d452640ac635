// The images of one skin load. Every image is decoded once per use and
// shared by all the lines that name it; decoded and converted bytes are
// charged to the load's memory budget before they are allocated.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <span>
#include <string_view>
#include <tuple>

#include "platform/gfx/Bitmap.h"
#include "skin/data/SkinMemoryBudget.h"

namespace skin {

enum class SkinImageUse : std::uint8_t {
  AsDecoded,  // the decoder's format
  Bgr24,      // converted to 24 bits per pixel
  Png32,      // 32 bits with white, fully transparent pixels cleared
};

// Decodes `bytes` for `use`, charging `budget`. Throws a SkinError naming the
// image when it cannot be decoded, is too large, or passes the budget.
gfx::Bitmap DecodeForSkin(std::span<const std::uint8_t> bytes, std::string_view name, SkinImageUse use,
                          SkinMemoryBudget& budget);

class SkinImageCache {
 public:
  explicit SkinImageCache(SkinMemoryBudget& budget) : budget_(budget) {}

  // The shared image of `bytes` for `use`. The bytes are identified by their
  // address, so they must stay in place for the cache's lifetime (package
  // entries and the files read by DirectoryFiles do).
  std::shared_ptr<gfx::Bitmap> Get(std::span<const std::uint8_t> bytes, std::string_view name,
                                   SkinImageUse use);

 private:
  SkinMemoryBudget& budget_;
  std::map<std::tuple<const std::uint8_t*, std::size_t, SkinImageUse>, std::shared_ptr<gfx::Bitmap>> images_;
};

}  // namespace skin
