// Writes small, varied seed files for fuzz_bmp and fuzz_jpeg:
//   make_gfx_corpus <bmp dir> <jpeg dir>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

// jpeglib.h needs size_t and FILE declared first.
#include <jpeglib.h>

#include "platform/gfx/BmpWriter.h"
#include "tests/platform/gfx/BmpTestFile.h"

namespace {

void Save(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) {
    std::fprintf(stderr, "cannot write %s\n", path.c_str());
    std::exit(1);
  }
}

void MakeBmps(const std::string& dir) {
  using gfx::PixelFormat;
  const PixelFormat formats[] = {PixelFormat::Indexed1, PixelFormat::Indexed4, PixelFormat::Indexed8,
                                 PixelFormat::Gray8,    PixelFormat::Bgr24,    PixelFormat::Bgra32};
  for (PixelFormat f : formats) {
    gfx::Bitmap bmp(5, 3, f);
    if (gfx::BitsPerPixel(f) <= 8 && f != PixelFormat::Gray8)
      for (int i = 0; i < (1 << gfx::BitsPerPixel(f)) && i < 6; ++i)
        bmp.Palette().push_back(gfx::RGB(i * 40, 0, 255 - i));
    for (int y = 0; y < 3; ++y)
      for (int x = 0; x < 5; ++x) bmp.SetPixelAt(x, y, static_cast<gfx::Color>(x + y * 5) * 0x01030507u);
    Save(dir + "/written" + std::to_string(gfx::BitsPerPixel(f)) + (f == PixelFormat::Gray8 ? "grey" : "") +
             ".bmp",
         gfx::WriteBmp(bmp));
  }

  using gfx::testing::BmpFile;
  BmpFile f;
  f.width = 3;
  f.height = -2;
  f.bitCount = 16;
  f.compression = 3;
  f.masks = {0xF800, 0x07E0, 0x001F};
  f.pixels = {0x00, 0xF8, 0xE0, 0x07, 0x1F, 0x00, 0, 0, 0xFF, 0xFF, 0x10, 0x84, 0x21, 0x08, 0, 0};
  Save(dir + "/bitfields565_topdown.bmp", f.Build());

  f.headerSize = 124;
  f.masks = {0x0F00, 0x00F0, 0x000F, 0xF000};
  Save(dir + "/v5_4444.bmp", f.Build());

  f.headerSize = 40;
  f.compression = 0;
  f.masks.clear();
  Save(dir + "/rgb555.bmp", f.Build());

  BmpFile g;
  g.headerSize = 108;
  g.width = 2;
  g.height = 2;
  g.bitCount = 32;
  g.compression = 3;
  g.masks = {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000};
  g.pixels = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
  Save(dir + "/v4_8888.bmp", g.Build());

  BmpFile core;
  core.headerSize = 12;
  core.width = 3;
  core.height = 2;
  core.bitCount = 8;
  core.palette = {gfx::RGB(1, 2, 3), gfx::RGB(200, 100, 0), gfx::RGB(9, 9, 9)};
  core.pixels = {0, 1, 2, 0, 2, 1, 0, 0};
  Save(dir + "/core8.bmp", core.Build());

  BmpFile shortPal;
  shortPal.width = 4;
  shortPal.height = 1;
  shortPal.bitCount = 4;
  shortPal.colorsUsed = 2;
  shortPal.palette = {gfx::clWhite, gfx::clBlack};
  shortPal.pixels = {0x01, 0x10, 0, 0};
  Save(dir + "/short_palette4.bmp", shortPal.Build());

  BmpFile rle8;
  rle8.width = 5;
  rle8.height = 2;
  rle8.bitCount = 8;
  rle8.compression = 1;
  rle8.palette = {gfx::clWhite, gfx::clBlack, gfx::RGB(255, 0, 0), gfx::RGB(0, 0, 255)};
  rle8.pixels = {2, 1, 0, 3, 2, 3, 1, 0, 0, 0, 0, 2, 1, 0, 4, 2, 0, 1};
  Save(dir + "/rle8.bmp", rle8.Build());

  BmpFile rle4 = rle8;
  rle4.bitCount = 4;
  rle4.compression = 2;
  rle4.pixels = {3, 0x12, 0, 3, 0x12, 0x30, 0, 0, 0, 2, 1, 0, 4, 0x23, 0, 1};
  Save(dir + "/rle4.bmp", rle4.Build());
}

struct JpegOptions {
  const char* name;
  int components;
  J_COLOR_SPACE space;
  bool progressive;
  bool arithmetic;
  int restart;
  int quality;
};

void MakeJpeg(const std::string& dir, const JpegOptions& o) {
  const int w = 19, h = 13;
  std::vector<std::uint8_t> px;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      for (int c = 0; c < o.components; ++c) px.push_back(static_cast<std::uint8_t>(x * 13 + y * 7 + c * 60));
  jpeg_compress_struct cinfo;
  jpeg_error_mgr err;
  cinfo.err = jpeg_std_error(&err);
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = w;
  cinfo.image_height = h;
  cinfo.input_components = o.components;
  cinfo.in_color_space = o.space;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, o.quality, TRUE);
  if (o.progressive) jpeg_simple_progression(&cinfo);
  cinfo.arith_code = o.arithmetic ? TRUE : FALSE;
  cinfo.restart_in_rows = o.restart;
  jpeg_start_compress(&cinfo, TRUE);
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW row = &px[cinfo.next_scanline * static_cast<std::size_t>(w * o.components)];
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  Save(dir + "/" + o.name + ".jpg", std::vector<std::uint8_t>(buffer, buffer + size));
  std::free(buffer);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s <bmp dir> <jpeg dir>\n", argv[0]);
    return 2;
  }
  MakeBmps(argv[1]);
  const JpegOptions jpegs[] = {
      {"baseline", 3, JCS_RGB, false, false, 0, 75},
      {"progressive", 3, JCS_RGB, true, false, 0, 75},
      {"grey", 1, JCS_GRAYSCALE, false, false, 0, 50},
      {"cmyk", 4, JCS_CMYK, false, false, 0, 60},
      {"arithmetic", 3, JCS_RGB, false, true, 0, 75},
      {"restart", 3, JCS_RGB, false, false, 1, 90},
      {"progressive_grey", 1, JCS_GRAYSCALE, true, false, 0, 30},
  };
  for (const JpegOptions& o : jpegs) MakeJpeg(argv[2], o);
  return 0;
}
