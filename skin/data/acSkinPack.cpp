#include "skin/data/acSkinPack.h"

#include <filesystem>
#include <new>
#include <utility>

#include "platform/gfx/FileBytes.h"
#include "skin/data/SkinErrors.h"
#include "skin/data/TextUtil.h"
#include "skin/data/ZlibInflate.h"

namespace skin {
namespace {

// The smallest possible entry: name length, size, and an empty zlib stream
// (two header bytes, an empty final block of two bytes, the Adler-32 trailer).
constexpr std::size_t kMinEntryBytes = 4 + 4 + 8;
// No skin entry is larger than a file we agree to read.
constexpr std::uint64_t kMaxEntryBytes = gfx::kMaxFileBytes;

// Reads the package front to back and never past its end.
class PackageCursor {
 public:
  explicit PackageCursor(std::span<const std::uint8_t> data) : data_(data) {}

  std::size_t Remaining() const { return data_.size() - at_; }
  std::span<const std::uint8_t> Rest() const { return data_.subspan(at_); }
  void Skip(std::size_t n) { at_ += n; }

  std::int32_t ReadInt32(const char* what) {
    if (Remaining() < 4) throw PackageError(std::string("The skin package ends before ") + what);
    const std::uint8_t* p = data_.data() + at_;
    at_ += 4;
    const std::uint32_t v = std::uint32_t{p[0]} | (std::uint32_t{p[1]} << 8) | (std::uint32_t{p[2]} << 16) |
                            (std::uint32_t{p[3]} << 24);
    return static_cast<std::int32_t>(v);
  }

  std::string ReadBytes(std::size_t n) {
    std::string s(reinterpret_cast<const char*>(data_.data() + at_), n);
    at_ += n;
    return s;
  }

 private:
  std::span<const std::uint8_t> data_;
  std::size_t at_ = 0;
};

bool HasMagic(std::span<const std::uint8_t> data) {
  return data.size() >= 4 && data[0] == 'O' && data[1] == 'S' && data[2] == 'z' && data[3] == 'f';
}

}  // namespace

bool HasBitmapExtension(std::string_view name) {
  const std::size_t dot = name.rfind('.');
  if (dot == std::string_view::npos) return false;
  const std::string_view ext = name.substr(dot);
  if (ext.find_first_of("/\\") != std::string_view::npos) return false;  // the dot belongs to a folder
  return SameText(ext, ".BMP");
}

void TacSkinConvertor::LoadFromData(std::span<const std::uint8_t> data) {
  SkinMemoryBudget budget;
  LoadFromData(data, budget);
}

void TacSkinConvertor::LoadFromData(std::span<const std::uint8_t> data, SkinMemoryBudget& budget) {
  Clear();
  try {
    if (!HasMagic(data)) throw PackageError(std::string(kNotAPackageMessage));
    PackageCursor in(data);
    in.Skip(4);
    const std::int32_t count = in.ReadInt32("its entry count");
    if (count < 0)
      throw PackageError("The skin package has a negative entry count (" + std::to_string(count) + ")");
    if (static_cast<std::uint64_t>(count) * kMinEntryBytes > in.Remaining())
      throw PackageError("The skin package claims " + std::to_string(count) + " entries, more than its " +
                         std::to_string(in.Remaining()) + " remaining bytes can hold");
    ImageCount = count - 1;
    for (std::int32_t i = 0; i < count; ++i) {
      const std::string where = "entry " + std::to_string(i + 1) + " of the skin package";
      const std::int32_t nameLength = in.ReadInt32(("the name length of " + where).c_str());
      if (nameLength < 0)
        throw PackageError("The name length " + std::to_string(nameLength) + " of " + where + " is negative");
      if (static_cast<std::size_t>(nameLength) > in.Remaining())
        throw PackageError("The name length " + std::to_string(nameLength) + " of " + where +
                           " exceeds the remaining data");
      std::string name = in.ReadBytes(static_cast<std::size_t>(nameLength));
      const std::int32_t size = in.ReadInt32(("the size of " + where).c_str());
      if (size < 0) throw PackageError("Entry \"" + name + "\" of the skin package has a negative size");
      if (static_cast<std::uint64_t>(size) > kMaxEntryBytes ||
          static_cast<std::uint64_t>(size) > in.Remaining() * kMaxDeflateRatio + 64)
        throw PackageError("Entry \"" + name + "\" of the skin package states " + std::to_string(size) +
                           " bytes, more than its compressed data can hold");
      budget.Charge(static_cast<std::size_t>(size), name);
      InflatedEntry entry = InflateExact(in.Rest(), static_cast<std::size_t>(size));
      in.Skip(entry.Consumed);
      if (SameText(name, "Options.dat")) {
        Options = std::move(entry.Data);
      } else {
        const bool isBitmap = HasBitmapExtension(name);
        ImageItems.push_back(TacImageItem{std::move(name), isBitmap, std::move(entry.Data)});
      }
    }
  } catch (const std::bad_alloc&) {
    Clear();
    throw SkinError("There is not enough memory to read the skin package");
  } catch (...) {
    Clear();
    throw;
  }
}

std::unique_ptr<TacSkinConvertor> TacSkinConvertor::LoadFromFile(const std::string& path) {
  SkinMemoryBudget budget;
  return LoadFromFile(path, budget);
}

std::unique_ptr<TacSkinConvertor> TacSkinConvertor::LoadFromFile(const std::string& path,
                                                                 SkinMemoryBudget& budget) {
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) return nullptr;
  auto reader = std::make_unique<TacSkinConvertor>();
  const std::vector<std::uint8_t> bytes = gfx::ReadFileBytes(path);
  reader->LoadFromData(bytes, budget);
  return reader;  // the file copy goes with `bytes`; the entries stay
}

void TacSkinConvertor::Clear() {
  ImageCount = -1;
  ImageItems.clear();
  Options.reset();
}

const TacImageItem* TacSkinConvertor::FindItem(std::string_view wanted) const {
  for (const TacImageItem& item : ImageItems)
    if (UpperCase(item.FileName) == wanted) return &item;
  return nullptr;
}

}  // namespace skin
