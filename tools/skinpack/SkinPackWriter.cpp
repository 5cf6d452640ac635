#include "tools/skinpack/SkinPackWriter.h"

#include <zlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <stdexcept>

#include "platform/gfx/FileBytes.h"
#include "skin/data/SkinErrors.h"
#include "skin/data/TextUtil.h"
#include "skin/data/ZlibInflate.h"

namespace skin {
namespace {

void PutInt32(std::vector<std::uint8_t>& out, std::size_t v) {
  if (v > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
    throw std::runtime_error("A skin package cannot hold more than 2 GiB per field");
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

std::vector<std::uint8_t> Compress(const std::vector<std::uint8_t>& data) {
  uLongf size = compressBound(static_cast<uLong>(data.size()));
  std::vector<std::uint8_t> out(size);
  const int rc =
      compress2(out.data(), &size, data.data(), static_cast<uLong>(data.size()), Z_DEFAULT_COMPRESSION);
  if (rc != Z_OK) throw std::runtime_error(std::string("zlib: ") + zError(rc));
  out.resize(size);
  return out;
}

std::string Extension(const std::string& name) {
  const std::size_t dot = name.rfind('.');
  return dot == std::string::npos ? std::string() : UpperCase(name.substr(dot));
}

std::uint32_t ReadU32(std::span<const std::uint8_t> d, std::size_t at) {
  if (at + 4 > d.size()) throw PackageError("The skin package ends in the middle of an entry");
  return std::uint32_t{d[at]} | (std::uint32_t{d[at + 1]} << 8) | (std::uint32_t{d[at + 2]} << 16) |
         (std::uint32_t{d[at + 3]} << 24);
}

}  // namespace

std::vector<std::uint8_t> PackSkin(const std::vector<PackEntry>& entries) {
  std::vector<std::uint8_t> out = {'O', 'S', 'z', 'f'};
  PutInt32(out, entries.size());
  for (const PackEntry& e : entries) {
    PutInt32(out, e.Name.size());
    out.insert(out.end(), e.Name.begin(), e.Name.end());
    PutInt32(out, e.Data.size());
    const std::vector<std::uint8_t> z = Compress(e.Data);
    out.insert(out.end(), z.begin(), z.end());
  }
  return out;
}

std::vector<PackEntry> ReadSkinDirectory(const std::string& dir) {
  namespace fs = std::filesystem;
  std::vector<std::string> names;
  for (const fs::directory_entry& f : fs::directory_iterator(dir)) {
    const std::string name = f.path().filename().string();
    if (!f.is_regular_file() || name.empty() || name.front() == '.') continue;
    names.push_back(name);
  }
  auto isOptions = [](const std::string& n) { return SameText(n, "Options.dat"); };
  std::sort(names.begin(), names.end(), [&](const std::string& a, const std::string& b) {
    if (isOptions(a) != isOptions(b)) return isOptions(a);
    const std::string ea = Extension(a), eb = Extension(b);
    if (ea != eb) return ea < eb;
    return UpperCase(a) < UpperCase(b);
  });
  if (names.empty() || !isOptions(names.front()))
    throw std::runtime_error("The skin directory " + dir + " has no Options.dat");
  for (std::size_t i = 1; i < names.size(); ++i)
    if (SameText(names[i - 1], names[i]))
      throw std::runtime_error("The skin directory holds both " + names[i - 1] + " and " + names[i] +
                               "; names in a package must differ in more than letter case");
  std::vector<PackEntry> entries;
  for (const std::string& n : names)
    entries.push_back(PackEntry{n, gfx::ReadFileBytes((fs::path(dir) / n).string())});
  return entries;
}

std::vector<PackListing> ListSkin(std::span<const std::uint8_t> package) {
  if (package.size() < 4 || !std::equal(package.begin(), package.begin() + 4, "OSzf"))
    throw PackageError(std::string(kNotAPackageMessage));
  // The fields are signed 32-bit numbers; a negative one is reported as such.
  const auto readInt32 = [&](std::size_t at) { return static_cast<std::int32_t>(ReadU32(package, at)); };
  const std::int32_t count = readInt32(4);
  if (count < 0)
    throw PackageError("The skin package has a negative entry count (" + std::to_string(count) + ")");
  std::size_t at = 8;
  std::vector<PackListing> list;
  for (std::int32_t i = 0; i < count; ++i) {
    const std::int32_t nameLength = readInt32(at);
    at += 4;
    if (nameLength < 0)
      throw PackageError("Entry " + std::to_string(i + 1) +
                         " of the skin package has a negative name length (" + std::to_string(nameLength) +
                         ")");
    if (static_cast<std::size_t>(nameLength) > package.size() - at)
      throw PackageError("A name of the skin package runs past its end");
    PackListing l;
    l.Name.assign(reinterpret_cast<const char*>(package.data() + at), static_cast<std::size_t>(nameLength));
    at += static_cast<std::size_t>(nameLength);
    const std::int32_t size = readInt32(at);
    at += 4;
    if (size < 0)
      throw PackageError("Entry " + l.Name + " has a negative size (" + std::to_string(size) + ")");
    l.Size = static_cast<std::uint32_t>(size);
    if (l.Size > gfx::kMaxFileBytes) throw PackageError("Entry " + l.Name + " is too large");
    const InflatedEntry e = InflateExact(package.subspan(at), l.Size);
    l.CompressedSize = e.Consumed;
    at += e.Consumed;
    list.push_back(l);
  }
  return list;
}

}  // namespace skin
