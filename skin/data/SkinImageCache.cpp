#include "skin/data/SkinImageCache.h"

#include <new>

#include "image/acPNG.h"
#include "skin/data/SkinErrors.h"
#include "skin/data/SkinFiles.h"

namespace skin {
namespace {

std::size_t BitmapBytes(const gfx::Bitmap& b) { return ConvertedBytes(b, b.Format()); }

}  // namespace

gfx::Bitmap DecodeForSkin(std::span<const std::uint8_t> bytes, std::string_view name, SkinImageUse use,
                          SkinMemoryBudget& budget) {
  gfx::Bitmap b = DecodeImage(bytes, name);
  budget.Charge(BitmapBytes(b), name);
  const auto convert = [&](gfx::PixelFormat format) {
    if (b.Format() == format) return;
    budget.Charge(ConvertedBytes(b, format), name);
    b = ConvertImage(std::move(b), format, name);
  };
  switch (use) {
    case SkinImageUse::AsDecoded: break;
    case SkinImageUse::Bgr24: convert(gfx::PixelFormat::Bgr24); break;
    case SkinImageUse::Png32:
      convert(gfx::PixelFormat::Bgra32);
      image::ClearTransparentWhite(b);
      break;
  }
  return b;
}

std::shared_ptr<gfx::Bitmap> SkinImageCache::Get(std::span<const std::uint8_t> bytes, std::string_view name,
                                                 SkinImageUse use) {
  const auto key = std::make_tuple(bytes.data(), bytes.size(), use);
  const auto known = images_.find(key);
  if (known != images_.end()) return known->second;
  auto image = std::make_shared<gfx::Bitmap>(DecodeForSkin(bytes, name, use, budget_));
  images_.emplace(key, image);
  return image;
}

}  // namespace skin
