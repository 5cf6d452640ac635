// Checks the PNG writer by taking its output apart with zlib alone: chunk
// layout and CRCs, the IHDR fields, and the unfiltered row bytes.
#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/PngWriter.h"

namespace gfx {
namespace {

std::uint32_t U32(const std::uint8_t* p) {
  return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) | p[3];
}

struct Chunk {
  std::string type;
  std::vector<std::uint8_t> data;
};

// Splits a PNG into chunks, failing the test on a bad signature or CRC.
std::vector<Chunk> Chunks(const std::vector<std::uint8_t>& png) {
  static const std::uint8_t kSig[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<Chunk> out;
  EXPECT_GE(png.size(), 8u);
  EXPECT_TRUE(std::equal(kSig, kSig + 8, png.begin()));
  std::size_t at = 8;
  while (at + 12 <= png.size()) {
    const std::uint32_t len = U32(&png[at]);
    if (at + 12 + len > png.size()) {
      ADD_FAILURE() << "chunk overruns the file";
      break;
    }
    const std::uint32_t crc = static_cast<std::uint32_t>(crc32(0, &png[at + 4], len + 4));
    EXPECT_EQ(crc, U32(&png[at + 8 + len])) << "bad CRC at offset " << at;
    out.push_back({std::string(png.begin() + at + 4, png.begin() + at + 8),
                   std::vector<std::uint8_t>(png.begin() + at + 8, png.begin() + at + 8 + len)});
    at += 12 + len;
  }
  EXPECT_EQ(at, png.size()) << "trailing bytes after the last chunk";
  return out;
}

std::vector<std::uint8_t> Inflate(const std::vector<std::uint8_t>& in, std::size_t expected) {
  std::vector<std::uint8_t> out(expected + 16);
  uLongf outLen = out.size();
  EXPECT_EQ(uncompress(out.data(), &outLen, in.data(), in.size()), Z_OK);
  out.resize(outLen);
  return out;
}

int PaethRef(int a, int b, int c) {
  const int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
  return (pa <= pb && pa <= pc) ? a : (pb <= pc ? b : c);
}

struct Decoded {
  std::uint32_t width = 0, height = 0;
  int colourType = -1, depth = 0;
  std::vector<int> filters;
  std::vector<std::vector<std::uint8_t>> rows;
};

// A minimal decoder for what the writer may produce (8-bit, no interlace).
Decoded Decode(const std::vector<std::uint8_t>& png) {
  Decoded d;
  const std::vector<Chunk> chunks = Chunks(png);
  EXPECT_GE(chunks.size(), 3u);
  if (chunks.size() < 3) return d;
  EXPECT_EQ(chunks.front().type, "IHDR");
  EXPECT_EQ(chunks.back().type, "IEND");
  EXPECT_TRUE(chunks.back().data.empty());
  const std::vector<std::uint8_t>& h = chunks.front().data;
  EXPECT_EQ(h.size(), 13u);
  d.width = U32(&h[0]);
  d.height = U32(&h[4]);
  d.depth = h[8];
  d.colourType = h[9];
  EXPECT_EQ(h[10], 0);
  EXPECT_EQ(h[11], 0);
  EXPECT_EQ(h[12], 0);
  std::vector<std::uint8_t> z;
  for (std::size_t i = 1; i + 1 < chunks.size(); ++i) {
    EXPECT_EQ(chunks[i].type, "IDAT");
    z.insert(z.end(), chunks[i].data.begin(), chunks[i].data.end());
  }
  const std::size_t bpp = d.colourType == 0 ? 1 : d.colourType == 2 ? 3 : 4;
  const std::size_t n = d.width * bpp;
  const std::vector<std::uint8_t> raw = Inflate(z, (n + 1) * d.height);
  EXPECT_EQ(raw.size(), (n + 1) * d.height);
  if (raw.size() != (n + 1) * d.height) return d;
  std::vector<std::uint8_t> prev(n, 0);
  for (std::uint32_t y = 0; y < d.height; ++y) {
    const std::uint8_t* f = &raw[y * (n + 1)];
    d.filters.push_back(f[0]);
    std::vector<std::uint8_t> row(n);
    for (std::size_t i = 0; i < n; ++i) {
      const int a = i >= bpp ? row[i - bpp] : 0, b = prev[i], c = i >= bpp ? prev[i - bpp] : 0;
      int pred = 0;
      switch (f[0]) {
        case 0: pred = 0; break;
        case 1: pred = a; break;
        case 2: pred = b; break;
        case 3: pred = (a + b) / 2; break;
        case 4: pred = PaethRef(a, b, c); break;
        default: ADD_FAILURE() << "bad filter type " << int{f[0]}; break;
      }
      row[i] = static_cast<std::uint8_t>(f[1 + i] + pred);
    }
    d.rows.push_back(row);
    prev = row;
  }
  return d;
}

// Deterministic pattern with smooth areas, edges and noise, so that every
// filter type has a chance to win on some row.
std::uint8_t Sample(int x, int y, int c) {
  if (y % 4 == 0) return static_cast<std::uint8_t>(x * 7 + c * 40);
  if (y % 4 == 1) return static_cast<std::uint8_t>(y * 5 + c);
  if (y % 4 == 2) return static_cast<std::uint8_t>((x * 31 + y * 17 + c * 101) * 2654435761u >> 24);
  return static_cast<std::uint8_t>(x * 3 + y * 3 + c);
}

struct FormatCase {
  PixelFormat format;
  RowOrder order;
  int colourType;
  int channels;
};

class PngWriterFormats : public ::testing::TestWithParam<FormatCase> {};

TEST_P(PngWriterFormats, RowsMatchThePixels) {
  const FormatCase tc = GetParam();
  const int w = 13, h = 11;
  Bitmap bmp(w, h, tc.format, tc.order);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const Color v = RGB(Sample(x, y, 0), Sample(x, y, 1), Sample(x, y, 2)) |
                      (static_cast<Color>(Sample(x, y, 3)) << 24);
      bmp.SetPixelAt(x, y, v);
    }
  const Decoded d = Decode(EncodePng(bmp));
  EXPECT_EQ(d.width, static_cast<std::uint32_t>(w));
  EXPECT_EQ(d.height, static_cast<std::uint32_t>(h));
  EXPECT_EQ(d.depth, 8);
  EXPECT_EQ(d.colourType, tc.colourType);
  ASSERT_EQ(d.rows.size(), static_cast<std::size_t>(h));
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const std::uint8_t* p = &d.rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x * tc.channels)];
      const Color c = bmp.PixelAt(x, y);
      if (tc.channels == 1) {
        EXPECT_EQ(p[0], GetR(c)) << x << "," << y;
      } else {
        EXPECT_EQ(p[0], GetR(c)) << x << "," << y;
        EXPECT_EQ(p[1], GetG(c)) << x << "," << y;
        EXPECT_EQ(p[2], GetB(c)) << x << "," << y;
      }
      if (tc.channels == 4) {
        EXPECT_EQ(p[3], c >> 24) << x << "," << y;
      }
    }
}

INSTANTIATE_TEST_SUITE_P(AllFormats, PngWriterFormats,
                         ::testing::Values(FormatCase{PixelFormat::Bgr24, RowOrder::TopDown, 2, 3},
                                           FormatCase{PixelFormat::Bgr24, RowOrder::BottomUp, 2, 3},
                                           FormatCase{PixelFormat::Bgra32, RowOrder::TopDown, 6, 4},
                                           FormatCase{PixelFormat::Bgra32, RowOrder::BottomUp, 6, 4},
                                           FormatCase{PixelFormat::Gray8, RowOrder::TopDown, 0, 1}));

// Indexed bitmaps become RGB through their palette.
TEST(PngWriter, IndexedBecomesRgb) {
  struct Case {
    PixelFormat format;
    int colours;
  };
  for (const Case tc :
       {Case{PixelFormat::Indexed1, 2}, Case{PixelFormat::Indexed4, 16}, Case{PixelFormat::Indexed8, 256}}) {
    Bitmap bmp(9, 5, tc.format);
    for (int i = 0; i < tc.colours; ++i) bmp.Palette().push_back(RGB(i * 3, 255 - i, i ^ 0x5A));
    for (int y = 0; y < 5; ++y)
      for (int x = 0; x < 9; ++x) bmp.SetPixelAt(x, y, static_cast<Color>((x * 5 + y * 3) % tc.colours));
    const Decoded d = Decode(EncodePng(bmp));
    EXPECT_EQ(d.colourType, 2);
    ASSERT_EQ(d.rows.size(), 5u);
    for (int y = 0; y < 5; ++y)
      for (int x = 0; x < 9; ++x) {
        const Color c = bmp.Palette()[static_cast<std::size_t>((x * 5 + y * 3) % tc.colours)];
        const std::uint8_t* p = &d.rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x * 3)];
        EXPECT_EQ(RGB(p[0], p[1], p[2]), c) << BitsPerPixel(tc.format) << "bpp " << x << "," << y;
      }
  }
}

// The adaptive choice must pick more than just "none" on varied content, and
// a large picture spans several IDAT chunks that still inflate as one stream.
TEST(PngWriter, UsesFiltersAndSplitsLargeData) {
  Bitmap bmp(700, 700, PixelFormat::Bgra32);
  for (int y = 0; y < 700; ++y)
    for (int x = 0; x < 700; ++x) {
      std::uint32_t r = static_cast<std::uint32_t>(x * 7919 + y * 104729);
      r ^= r >> 15;
      r *= 2246822519u;
      r ^= r >> 13;
      r *= 3266489917u;
      r ^= r >> 16;
      bmp.SetPixelAt(x, y, (y < 150) ? RGB(x, y, x + y) | 0xFF000000u : r);
    }
  const std::vector<std::uint8_t> png = EncodePng(bmp);
  const Decoded d = Decode(png);
  ASSERT_EQ(d.rows.size(), 700u);
  bool nonZero = false;
  for (int f : d.filters) nonZero |= f != 0;
  EXPECT_TRUE(nonZero);
  int idats = 0;
  for (const Chunk& c : Chunks(png)) idats += c.type == "IDAT";
  EXPECT_GT(idats, 1);
  for (int y = 0; y < 700; y += 99)
    for (int x = 0; x < 700; x += 77) {
      const std::uint8_t* p = &d.rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x * 4)];
      const Color c = bmp.PixelAt(x, y);
      EXPECT_EQ(RGB(p[0], p[1], p[2]) | (static_cast<Color>(p[3]) << 24), c);
    }
}

TEST(PngWriter, EmptyBitmapIsRejected) {
  EXPECT_THROW(EncodePng(Bitmap()), std::invalid_argument);
  EXPECT_THROW(EncodePng(Bitmap(0, 5, PixelFormat::Bgr24)), std::invalid_argument);
}

TEST(PngWriter, SaveWritesTheEncodedBytes) {
  Bitmap bmp = NewBitmap24(4, 3);
  bmp.SetPixelAt(1, 1, RGB(10, 20, 30));
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() /
      ("zt_pngwriter_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + ".png");
  SavePng(bmp, path.string());
  std::ifstream in(path, std::ios::binary);
  const std::vector<std::uint8_t> onDisk((std::istreambuf_iterator<char>(in)),
                                         std::istreambuf_iterator<char>());
  std::filesystem::remove(path);
  EXPECT_EQ(onDisk, EncodePng(bmp));
}

TEST(PngWriter, SaveFailureThrowsWithThePath) {
  const std::string path = "/nonexistent-dir-zt/x.png";
  try {
    SavePng(NewBitmap24(2, 2), path);
    FAIL() << "expected an exception";
  } catch (const std::runtime_error& e) {
    EXPECT_NE(std::string(e.what()).find(path), std::string::npos);
  }
}

}  // namespace
}  // namespace gfx
