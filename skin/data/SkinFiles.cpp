#include "skin/data/SkinFiles.h"

#include <algorithm>
#include <exception>
#include <filesystem>

#include "image/acPNG.h"
#include "platform/gfx/BmpReader.h"
#include "platform/gfx/FileBytes.h"
#include "platform/gfx/JpegReader.h"
#include "skin/data/SkinErrors.h"
#include "skin/data/TextUtil.h"

namespace skin {
namespace fs = std::filesystem;

std::optional<std::span<const std::uint8_t>> PackageFiles::Find(std::string_view name) {
  const TacImageItem* item = package_.FindItem(name);
  if (item == nullptr) return std::nullopt;
  return std::span<const std::uint8_t>(item->Data);
}

std::optional<std::string> DirectoryFiles::Resolve(std::string_view name) const {
  std::string wanted(name);
  std::replace(wanted.begin(), wanted.end(), '\\', '/');
  if (wanted.empty()) return std::nullopt;
  if (dir_.empty() && wanted.front() != '/') return std::nullopt;  // no skin directory to look in
  std::error_code ec;
  const fs::path direct = wanted.front() == '/' ? fs::path(wanted) : fs::path(dir_) / wanted;
  if (fs::is_regular_file(direct, ec)) return direct.string();

  // Match the last component without regard to case, in a stable order.
  const fs::path folder = direct.parent_path();
  const std::string leaf = direct.filename().string();
  std::vector<std::string> matches;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string n = it->path().filename().string();
    if (SameText(n, leaf) && it->is_regular_file(ec)) matches.push_back(n);
  }
  if (matches.empty()) return std::nullopt;
  std::sort(matches.begin(), matches.end());
  return (folder / matches.front()).string();
}

std::optional<std::span<const std::uint8_t>> DirectoryFiles::Find(std::string_view name) {
  const std::optional<std::string> path = Resolve(name);
  if (!path) return std::nullopt;
  try {
    loaded_.push_back(gfx::ReadFileBytes(*path));
  } catch (const gfx::FileError&) {
    return std::nullopt;
  }
  return std::span<const std::uint8_t>(loaded_.back());
}

namespace {

bool StartsWith(std::span<const std::uint8_t> d, std::initializer_list<std::uint8_t> sig) {
  return d.size() >= sig.size() && std::equal(sig.begin(), sig.end(), d.begin());
}

[[noreturn]] void Fail(std::string_view name, const char* why) {
  throw SkinError("The skin image \"" + std::string(name) + "\" cannot be read: " + why);
}

gfx::Bitmap DecodePng(std::span<const std::uint8_t> data) {
  image::TPNGGraphic png;
  png.LoadFromBytes(data);
  return std::move(png.Bitmap());
}

}  // namespace

gfx::Bitmap DecodeImage(std::span<const std::uint8_t> data, std::string_view name) {
  try {
    if (StartsWith(data, {0x89, 'P', 'N', 'G'})) return DecodePng(data);
    if (StartsWith(data, {0xFF, 0xD8})) return gfx::ReadJpeg(data);
    return gfx::ReadBmp(data);
  } catch (const SkinError&) {
    throw;
  } catch (const std::exception& e) {
    Fail(name, e.what());
  }
}

gfx::Bitmap DecodePng32(std::span<const std::uint8_t> data, std::string_view name) {
  gfx::Bitmap b = DecodeImage(data, name);
  try {
    if (b.Format() != gfx::PixelFormat::Bgra32) b = b.ConvertTo(gfx::PixelFormat::Bgra32);
  } catch (const std::exception& e) {
    Fail(name, e.what());
  }
  image::ClearTransparentWhite(b);
  return b;
}

}  // namespace skin
