// The JPEG reader on pictures that the test compresses itself with libjpeg.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include <jpeglib.h>

#include "platform/gfx/JpegReader.h"

namespace gfx {
namespace {

// Compresses `pixels` (components bytes per pixel, rows top-down, in the
// colour space's own order) at the given quality.
std::vector<std::uint8_t> Compress(int width, int height, int components, J_COLOR_SPACE space,
                                   const std::vector<std::uint8_t>& pixels, int quality = 95,
                                   bool progressive = false) {
  jpeg_compress_struct cinfo;
  jpeg_error_mgr err;
  cinfo.err = jpeg_std_error(&err);
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = static_cast<JDIMENSION>(width);
  cinfo.image_height = static_cast<JDIMENSION>(height);
  cinfo.input_components = components;
  cinfo.in_color_space = space;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, quality, TRUE);
  if (progressive) jpeg_simple_progression(&cinfo);
  jpeg_start_compress(&cinfo, TRUE);
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW row =
        const_cast<JSAMPROW>(&pixels[cinfo.next_scanline * static_cast<std::size_t>(width * components)]);
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  std::vector<std::uint8_t> out(buffer, buffer + size);
  std::free(buffer);
  return out;
}

constexpr int kW = 40, kH = 24;

// Smooth colours (JPEG keeps them well) in RGB order.
std::vector<std::uint8_t> RgbPicture() {
  std::vector<std::uint8_t> px;
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) {
      px.push_back(static_cast<std::uint8_t>(x * 6));
      px.push_back(static_cast<std::uint8_t>(y * 10));
      px.push_back(static_cast<std::uint8_t>(200 - x * 2 - y * 2));
    }
  return px;
}

std::vector<std::uint8_t> Jpeg(bool progressive = false) {
  return Compress(kW, kH, 3, JCS_RGB, RgbPicture(), 95, progressive);
}

TEST(JpegReader, DecodesColourWithinTolerance) {
  for (bool progressive : {false, true}) {
    const std::vector<std::uint8_t> rgb = RgbPicture();
    const Bitmap bmp = ReadJpeg(Jpeg(progressive));
    ASSERT_EQ(bmp.Format(), PixelFormat::Bgr24);
    ASSERT_EQ(bmp.Width(), kW);
    ASSERT_EQ(bmp.Height(), kH);
    int worst = 0;
    long total = 0;
    for (int y = 0; y < kH; ++y)
      for (int x = 0; x < kW; ++x) {
        const Color c = bmp.PixelAt(x, y);
        const std::uint8_t* want = &rgb[static_cast<std::size_t>((y * kW + x) * 3)];
        for (int d : {GetR(c) - want[0], GetG(c) - want[1], GetB(c) - want[2]}) {
          worst = std::max(worst, std::abs(d));
          total += std::abs(d);
        }
      }
    EXPECT_LE(worst, 16) << "progressive " << progressive;
    EXPECT_LE(static_cast<double>(total) / (kW * kH * 3), 2.5) << "progressive " << progressive;
  }
}

TEST(JpegReader, GreyIsExpandedToEqualChannels) {
  std::vector<std::uint8_t> grey;
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) grey.push_back(static_cast<std::uint8_t>(x * 5 + y * 2));
  const Bitmap bmp = ReadJpeg(Compress(kW, kH, 1, JCS_GRAYSCALE, grey));
  ASSERT_EQ(bmp.Format(), PixelFormat::Bgr24);
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) {
      const Color c = bmp.PixelAt(x, y);
      ASSERT_EQ(GetR(c), GetG(c));
      ASSERT_EQ(GetR(c), GetB(c));
      EXPECT_NEAR(GetR(c), grey[static_cast<std::size_t>(y * kW + x)], 6) << x << "," << y;
    }
}

TEST(JpegReader, AdobeCmykBecomesRgb) {
  // libjpeg writes CMYK with an Adobe marker, where 255 means no ink.
  const std::vector<std::uint8_t> cmyk = {255, 255, 255, 255, 255, 0,   255, 255,
                                          0,   0,   0,   255, 255, 255, 255, 0};
  std::vector<std::uint8_t> px;
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x)
      px.insert(px.end(), cmyk.begin() + (x / 4) * 4, cmyk.begin() + (x / 4) * 4 + 4);
  const Bitmap bmp = ReadJpeg(Compress(16, 16, 4, JCS_CMYK, px, 100));
  const Color expected[4] = {clWhite, RGB(255, 0, 255), clBlack, clBlack};
  for (int i = 0; i < 4; ++i) {
    const Color c = bmp.PixelAt(i * 4 + 1, 8);
    EXPECT_NEAR(GetR(c), GetR(expected[i]), 8) << i;
    EXPECT_NEAR(GetG(c), GetG(expected[i]), 8) << i;
    EXPECT_NEAR(GetB(c), GetB(expected[i]), 8) << i;
  }
}

// Every cut of the file must raise, even one that loses only the end-of-image
// marker: libjpeg cannot tell that from a real loss and would pad with grey.
TEST(JpegReader, TruncationRaises) {
  for (bool progressive : {false, true}) {
    const std::vector<std::uint8_t> file = Jpeg(progressive);
    ASSERT_NO_THROW(ReadJpeg(file));
    for (std::size_t n = 0; n < file.size(); ++n)
      EXPECT_THROW(ReadJpeg(std::span<const std::uint8_t>(file.data(), n)), ImageError)
          << "prefix of " << n << ", progressive " << progressive;
  }
}

// Finds the start-of-frame segment and rewrites its height and width.
std::vector<std::uint8_t> WithSize(std::vector<std::uint8_t> file, int width, int height) {
  for (std::size_t i = 2; i + 9 < file.size(); ++i)
    if (file[i] == 0xFF && (file[i + 1] == 0xC0 || file[i + 1] == 0xC2)) {
      file[i + 5] = static_cast<std::uint8_t>(height >> 8);
      file[i + 6] = static_cast<std::uint8_t>(height);
      file[i + 7] = static_cast<std::uint8_t>(width >> 8);
      file[i + 8] = static_cast<std::uint8_t>(width);
      return file;
    }
  ADD_FAILURE() << "no SOF marker";
  return file;
}

void ExpectError(const std::vector<std::uint8_t>& data, const std::string& part) {
  try {
    ReadJpeg(data);
    FAIL() << "no exception";
  } catch (const ImageError& e) {
    const std::string msg = e.what();
    EXPECT_EQ(msg.rfind("JPEG: ", 0), 0u) << msg;
    EXPECT_NE(msg.find(part), std::string::npos) << msg;
  }
}

TEST(JpegReader, BadDataRaisesWithAClearMessage) {
  ExpectError({}, "no data");
  ExpectError({'B', 'M', 0, 0, 0, 0}, "Not a JPEG file");
  ExpectError(WithSize(Jpeg(), 20000, 10), "limit");
  ExpectError(WithSize(Jpeg(), 10, 16385), "limit");
  // 16384 x 16384 is within the side limit but over the pixel budget.
  ExpectError(WithSize(Jpeg(), 16384, 16384), "too large");
  ExpectError(WithSize(Jpeg(), 0, 10), "");
  // Larger than the data: the decoder runs out and must not pad with grey.
  ExpectError(WithSize(Jpeg(), kW, kH * 4), "premature end");
  ExpectError(WithSize(Jpeg(true), kW, kH * 4), "premature end");
  // Tables only, no image.
  const std::vector<std::uint8_t> soiEoi = {0xFF, 0xD8, 0xFF, 0xD9};
  ExpectError(soiEoi, "");
}

// Byte ranges [begin, end) of the scans (SOS segment and its entropy data).
std::vector<std::pair<std::size_t, std::size_t>> Scans(const std::vector<std::uint8_t>& f) {
  std::vector<std::pair<std::size_t, std::size_t>> scans;
  std::size_t at = 2;
  while (at + 4 <= f.size() && f[at] == 0xFF && f[at + 1] != 0xD9) {
    const std::size_t segment = at + 2 + ((f[at + 2] << 8) | f[at + 3]);
    if (f[at + 1] != 0xDA) {
      at = segment;
      continue;
    }
    std::size_t end = segment;
    while (end + 1 < f.size() && !(f[end] == 0xFF && f[end + 1] != 0 && (f[end + 1] & 0xF8) != 0xD0)) ++end;
    scans.emplace_back(at, end);
    at = end;
  }
  return scans;
}

// A progressive file whose first (DC) scan repeats hundreds of times: each
// repeat revisits the whole picture, so a small file could cost unbounded time.
TEST(JpegReader, TooManyScansRaise) {
  const std::vector<std::uint8_t> file = Jpeg(true);
  const auto scans = Scans(file);
  ASSERT_GT(scans.size(), 3u);
  const std::size_t begin = scans.front().first, end = scans.front().second;
  auto repeated = [&](int times) {
    std::vector<std::uint8_t> out(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(end));
    for (int i = 1; i < times; ++i)
      out.insert(out.end(), file.begin() + static_cast<std::ptrdiff_t>(begin),
                 file.begin() + static_cast<std::ptrdiff_t>(end));
    out.insert(out.end(), file.begin() + static_cast<std::ptrdiff_t>(end), file.end());
    return out;
  };
  EXPECT_NO_THROW(ReadJpeg(repeated(20)));
  ExpectError(repeated(300), "progressive scans");
}

TEST(JpegReader, CorruptEntropyDataDoesNotCrash) {
  const std::vector<std::uint8_t> good = Jpeg();
  for (std::size_t at = good.size() / 3; at < good.size(); at += 7) {
    std::vector<std::uint8_t> bad = good;
    bad[at] ^= 0x5A;
    try {
      const Bitmap bmp = ReadJpeg(bad);
      EXPECT_EQ(bmp.Width(), kW);
    } catch (const ImageError&) {
    }
  }
}

}  // namespace
}  // namespace gfx
