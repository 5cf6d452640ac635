#include "skin/data/SkinFiles.h"

#include <algorithm>
#include <exception>
#include <filesystem>
#include <new>

#include "image/acPNG.h"
#include "platform/gfx/BmpReader.h"
#include "platform/gfx/FileBytes.h"
#include "platform/gfx/ImageError.h"
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

std::span<const std::uint8_t> DirectoryFiles::Read(const std::string& path) {
  const auto known = byPath_.find(path);
  if (known != byPath_.end()) return loaded_[known->second];
  std::vector<std::uint8_t> bytes = gfx::ReadFileBytes(path);
  if (budget_ != nullptr) budget_->Charge(bytes.size(), path);
  loaded_.push_back(std::move(bytes));
  byPath_.emplace(path, loaded_.size() - 1);
  return loaded_.back();
}

std::optional<std::span<const std::uint8_t>> DirectoryFiles::Find(std::string_view name) {
  const std::optional<std::string> path = Resolve(name);
  if (!path) return std::nullopt;
  try {
    return Read(*path);
  } catch (const gfx::FileError&) {
    return std::nullopt;
  }
}

std::optional<std::span<const std::uint8_t>> DirectoryFiles::FindRequired(std::string_view name) {
  if (const std::optional<std::string> path = Resolve(name)) return Read(*path);
  // Something that is not a regular file (a FIFO, a folder) under that very
  // name is an error too, not an absent file.
  std::string wanted(name);
  std::replace(wanted.begin(), wanted.end(), '\\', '/');
  if (wanted.empty() || (dir_.empty() && wanted.front() != '/')) return std::nullopt;
  const fs::path direct = wanted.front() == '/' ? fs::path(wanted) : fs::path(dir_) / wanted;
  std::error_code ec;
  if (!fs::exists(fs::symlink_status(direct, ec))) return std::nullopt;
  return Read(direct.string());
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
  } catch (const std::bad_alloc&) {
    Fail(name, "there is not enough memory for it");
  } catch (const std::exception& e) {
    Fail(name, e.what());
  }
}

std::size_t ConvertedBytes(const gfx::Bitmap& b, gfx::PixelFormat format) {
  const std::size_t bits = static_cast<std::size_t>(gfx::BitsPerPixel(format));
  const std::size_t stride = (static_cast<std::size_t>(b.Width()) * bits + 31) / 32 * 4;
  return stride * static_cast<std::size_t>(b.Height());
}

gfx::Bitmap ConvertImage(gfx::Bitmap b, gfx::PixelFormat format, std::string_view name) {
  if (b.Format() == format) return b;
  if (ConvertedBytes(b, format) > gfx::kMaxImageBytes)
    Fail(name,
         ("it is too large at " + std::to_string(gfx::BitsPerPixel(format)) + " bits per pixel").c_str());
  try {
    return b.ConvertTo(format);
  } catch (const std::bad_alloc&) {
    Fail(name, "there is not enough memory for it");
  } catch (const std::exception& e) {
    Fail(name, e.what());
  }
}

gfx::Bitmap DecodePng32(std::span<const std::uint8_t> data, std::string_view name) {
  gfx::Bitmap b = ConvertImage(DecodeImage(data, name), gfx::PixelFormat::Bgra32, name);
  image::ClearTransparentWhite(b);
  return b;
}

}  // namespace skin
