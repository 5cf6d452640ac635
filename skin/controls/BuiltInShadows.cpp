#include "skin/controls/BuiltInShadows.h"

#include <array>

#include "skin/data/SkinFiles.h"

namespace skin {
namespace {

std::array<gfx::Bitmap, 2>& Images() {
  static std::array<gfx::Bitmap, 2> images;
  return images;
}

}  // namespace

void LoadBuiltInShadowImages(std::span<const std::uint8_t> first, std::span<const std::uint8_t> second) {
  gfx::Bitmap a = DecodePng32(first, "shadow1.png");
  gfx::Bitmap b = DecodePng32(second, "shadow2.png");
  SetBuiltInShadowImages(std::move(a), std::move(b));
}

void SetBuiltInShadowImages(gfx::Bitmap first, gfx::Bitmap second) {
  Images()[0] = std::move(first);
  Images()[1] = std::move(second);
}

const gfx::Bitmap* BuiltInShadowImage(int index) {
  if (index < 0 || index > 1 || Images()[static_cast<std::size_t>(index)].Empty()) return nullptr;
  return &Images()[static_cast<std::size_t>(index)];
}

}  // namespace skin
