// Helpers that write small skins for the tests: images in memory, packages
// through the packer, and temporary skin directories.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gfx/Bitmap.h"
#include "tools/skinpack/SkinPackWriter.h"

namespace skin::fixture {

std::vector<std::uint8_t> Bytes(std::string_view text);
gfx::Bitmap Solid24(int w, int h, gfx::Color c);
std::vector<std::uint8_t> Bmp(const gfx::Bitmap& b);
std::vector<std::uint8_t> Png(const gfx::Bitmap& b);
// A baseline JPEG of one colour.
std::vector<std::uint8_t> Jpeg(int w, int h, gfx::Color c);

// A directory below the system's temporary folder, removed with its contents.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& Path() const { return path_; }
  std::string Str() const { return path_.string(); }
  void Write(const std::string& name, const std::vector<std::uint8_t>& data) const;

 private:
  std::filesystem::path path_;
};

// Writes every entry as a file of `dir`.
void WriteEntries(const TempDir& dir, const std::vector<PackEntry>& entries);

}  // namespace skin::fixture
