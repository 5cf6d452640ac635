#include "tests/skin/data/SkinFixture.h"

#include <cstdio>
#include <cstdlib>
// jpeglib.h needs size_t and FILE declared first.
#include <jpeglib.h>
#include <fstream>
#include <random>
#include <stdexcept>

#include "platform/gfx/BmpWriter.h"
#include "platform/gfx/PngWriter.h"

namespace skin::fixture {

std::vector<std::uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

gfx::Bitmap Solid24(int w, int h, gfx::Color c) {
  gfx::Bitmap b = gfx::NewBitmap24(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.SetPixelAt(x, y, c);
  return b;
}

std::vector<std::uint8_t> Bmp(const gfx::Bitmap& b) { return gfx::WriteBmp(b); }
std::vector<std::uint8_t> Png(const gfx::Bitmap& b) { return gfx::EncodePng(b); }

std::vector<std::uint8_t> Jpeg(int w, int h, gfx::Color c) {
  jpeg_compress_struct cinfo{};
  jpeg_error_mgr jerr{};
  cinfo.err = jpeg_std_error(&jerr);
  jpeg_create_compress(&cinfo);
  unsigned char* out = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &out, &size);
  cinfo.image_width = static_cast<JDIMENSION>(w);
  cinfo.image_height = static_cast<JDIMENSION>(h);
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, 95, TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<JSAMPLE> row(static_cast<std::size_t>(w) * 3);
  for (int x = 0; x < w; ++x) {
    row[3 * x] = static_cast<JSAMPLE>(gfx::GetR(c));
    row[3 * x + 1] = static_cast<JSAMPLE>(gfx::GetG(c));
    row[3 * x + 2] = static_cast<JSAMPLE>(gfx::GetB(c));
  }
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW r = row.data();
    jpeg_write_scanlines(&cinfo, &r, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  std::vector<std::uint8_t> bytes(out, out + size);
  std::free(out);
  return bytes;
}

TempDir::TempDir() {
  std::random_device rd;
  path_ = std::filesystem::temp_directory_path() / ("zt-skin-" + std::to_string(rd()) + std::to_string(rd()));
  std::filesystem::create_directories(path_);
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

void TempDir::Write(const std::string& name, const std::vector<std::uint8_t>& data) const {
  std::ofstream f(path_ / name, std::ios::binary);
  f.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
  if (!f) throw std::runtime_error("cannot write fixture " + name);
}

void WriteEntries(const TempDir& dir, const std::vector<PackEntry>& entries) {
  for (const PackEntry& e : entries) dir.Write(e.Name, e.Data);
}

}  // namespace skin::fixture
