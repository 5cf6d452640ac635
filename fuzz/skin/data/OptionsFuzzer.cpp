// The options reader and the load passes on arbitrary options text, packed
// together with a fixed set of small images (master bitmap, BMP, PNG and
// JPEG images) so that image values find something to load. The first byte
// picks a hue offset and a saturation so that re-tinting is exercised too.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
// jpeglib.h needs size_t and FILE declared first.
#include <jpeglib.h>
#include <span>
#include <string>
#include <vector>

#include "platform/gfx/BmpWriter.h"
#include "platform/gfx/PngWriter.h"
#include "skin/data/SkinErrors.h"
#include "skin/data/SkinLoader.h"
#include "tools/skinpack/SkinPackWriter.h"

namespace {

gfx::Bitmap Picture(int w, int h, bool alpha) {
  gfx::Bitmap b = alpha ? gfx::NewBitmap32(w, h) : gfx::NewBitmap24(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      gfx::Color c = gfx::RGB(x * 7, y * 11, (x + y) * 5);
      if ((x + y) % 5 == 0) c = gfx::clFuchsia;
      if (alpha) c |= (x % 3 == 0 ? 0u : 0xC0000000u);
      b.SetPixelAt(x, y, c);
    }
  return b;
}

std::vector<std::uint8_t> Jpeg(int w, int h) {
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
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<JSAMPLE> row(static_cast<std::size_t>(w) * 3, 90);
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

// The image entries, packed once: every input only packs its options entry
// and puts it in front of them.
const std::vector<std::uint8_t>& PackedImages() {
  static const std::vector<std::uint8_t> packed = skin::PackSkin({
      {"Master.bmp", gfx::WriteBmp(Picture(64, 48, false))},
      {"Title.BMP", gfx::WriteBmp(Picture(24, 12, false))},
      {"Glow.png", gfx::EncodePng(Picture(12, 12, true))},
      {"Small.jpg", Jpeg(16, 16)},
      {"Big.JPG", Jpeg(300, 300)},
  });
  return packed;
}

std::vector<std::uint8_t> PackWithOptions(std::vector<std::uint8_t> options) {
  const std::vector<std::uint8_t>& images = PackedImages();
  std::vector<std::uint8_t> package = skin::PackSkin({{"Options.dat", std::move(options)}});
  package[4] = static_cast<std::uint8_t>(images[4] + 1);  // entry count: fewer than 255 images
  package.insert(package.end(), images.begin() + 8, images.end());
  return package;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  skin::TsLoadSettings settings;
  settings.HueOffset = (data[0] & 1) ? 40 : 0;
  settings.Saturation = (data[0] & 2) ? 30 : 0;
  if (data[0] & 4) settings.CommonSections = {"[BUTTON]", "HOTCOLOR=5", "[EXTRA]", "PARENTCLASS=BUTTON"};
  const std::vector<std::uint8_t> package = PackWithOptions(std::vector<std::uint8_t>(data + 1, data + size));
  try {
    const skin::TsLoadResult r = skin::LoadSkinFromPackage(package, "", settings);
    const skin::TsSkinModel& m = *r.Model;
    for (std::size_t i = 0; i < m.GeneralTable.size(); ++i) {
      const int idx = static_cast<int>(i);
      (void)m.MaskIndexOf(idx, m.GeneralTable[i].SectionName, "BORDERSMASK");
      (void)m.TextureIndexOf(idx, m.GeneralTable[i].SectionName, "PATTERN");
      (void)m.PatternIndexOf(idx, m.GeneralTable[i].SectionName, "PATTERN");
    }
    for (std::size_t i = 0; i < m.MaskTable.size(); ++i) {
      const int idx = static_cast<int>(i);
      (void)(m.MaskWidthLeft(idx) + m.MaskWidthRight(idx) + m.MaskWidthTop(idx) + m.MaskWidthBottom(idx));
      (void)m.MaskCellSize(idx);
    }
    (void)(m.GetHighLightColor() + m.GetHighLightFontColor() + m.GetGlobalColor());
  } catch (const skin::SkinError&) {
  }
  return 0;
}
