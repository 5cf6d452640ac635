// The BMP reader on hand-assembled files: bitfield layouts, header variants,
// short palettes, and every kind of truncated or lying file.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/gfx/BmpReader.h"
#include "platform/gfx/BmpWriter.h"
#include "tests/platform/gfx/BmpTestFile.h"

namespace gfx {
namespace {

using testing::BmpFile;
using testing::PaddedRows;

std::vector<std::uint8_t> Le16(std::initializer_list<std::uint16_t> values) {
  std::vector<std::uint8_t> out;
  for (std::uint16_t v : values) testing::Put16(out, v);
  return out;
}
std::vector<std::uint8_t> Le32(std::initializer_list<std::uint32_t> values) {
  std::vector<std::uint8_t> out;
  for (std::uint32_t v : values) testing::Put32(out, v);
  return out;
}

// One row of pixels in a hand-made file and the colours it must read as
// (0xAABBGGRR with alpha for 32-bit results).
struct PixelCase {
  const char* name;
  BmpFile file;
  PixelFormat format;
  std::vector<Color> expected;
};

class BmpPixels : public ::testing::TestWithParam<PixelCase> {};

TEST_P(BmpPixels, ReadAsExpected) {
  const PixelCase& tc = GetParam();
  const Bitmap bmp = ReadBmp(tc.file.Build());
  EXPECT_EQ(bmp.Format(), tc.format);
  ASSERT_EQ(bmp.Width(), static_cast<int>(tc.expected.size()));
  ASSERT_EQ(bmp.Height(), 1);
  for (int x = 0; x < bmp.Width(); ++x)
    EXPECT_EQ(bmp.PixelAt(x, 0), tc.expected[static_cast<std::size_t>(x)]) << "pixel " << x;
}

BmpFile Row16(std::uint32_t header, std::uint32_t compression, std::vector<std::uint32_t> masks,
              std::initializer_list<std::uint16_t> pixels) {
  BmpFile f;
  f.headerSize = header;
  f.width = static_cast<std::int32_t>(pixels.size());
  f.bitCount = 16;
  f.compression = compression;
  f.masks = std::move(masks);
  f.pixels = PaddedRows({Le16(pixels)});
  return f;
}

BmpFile Row32(std::uint32_t header, std::uint32_t compression, std::vector<std::uint32_t> masks,
              std::initializer_list<std::uint32_t> pixels) {
  BmpFile f;
  f.headerSize = header;
  f.width = static_cast<std::int32_t>(pixels.size());
  f.bitCount = 32;
  f.compression = compression;
  f.masks = std::move(masks);
  f.pixels = Le32(pixels);
  return f;
}

BmpFile Indexed(std::uint32_t header, std::uint16_t bits, std::uint32_t colorsUsed,
                std::vector<Color> palette, std::vector<std::uint8_t> row, int width) {
  BmpFile f;
  f.headerSize = header;
  f.width = width;
  f.bitCount = bits;
  f.colorsUsed = colorsUsed;
  f.palette = std::move(palette);
  f.pixels = PaddedRows({std::move(row)});
  return f;
}

constexpr std::uint32_t kRgb = 0, kBitfields = 3, kAlphaBitfields = 6;
constexpr Color kOpaque = 0xFF000000u;

// 5-bit fields scale as v * 255 / 31 and 6-bit ones as v * 255 / 63, rounded:
// 16 -> 132 (131.6), 1 -> 8 (8.2), 32/63 -> 130 (129.5); 10-bit 512 -> 128 (127.6).
const PixelCase kPixelCases[] = {
    {"Rgb555Default",
     Row16(40, kRgb, {}, {0x7C00, 0x03E0, 0x001F, 0x7FFF, 0x0001, 0x8000}),
     PixelFormat::Bgr24,
     {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), clWhite, RGB(0, 0, 8), clBlack}},
    {"Bitfields565",
     Row16(40, kBitfields, {0xF800, 0x07E0, 0x001F}, {0xF800, 0x07E0, 0x001F, 0x8410, 0x0821}),
     PixelFormat::Bgr24,
     {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(132, 130, 132), RGB(8, 4, 8)}},
    {"Bitfields565InV5Header",
     Row16(124, kBitfields, {0xF800, 0x07E0, 0x001F, 0}, {0xFFFF, 0x8410}),
     PixelFormat::Bgr24,
     {clWhite, RGB(132, 130, 132)}},
    {"Bitfields4444WithAlpha",
     Row16(56, kBitfields, {0x0F00, 0x00F0, 0x000F, 0xF000}, {0xF123, 0x0FFF}),
     PixelFormat::Bgra32,
     {RGB(17, 34, 51) | kOpaque, clWhite}},
    {"Bitfields8888V4",
     Row32(108, kBitfields, {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000}, {0x80102030}),
     PixelFormat::Bgra32,
     {RGB(0x10, 0x20, 0x30) | 0x80000000u}},
    {"Bitfields8888AfterInfoHeader",
     Row32(40, kAlphaBitfields, {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000}, {0x00102030, 0xFFFFFFFF}),
     PixelFormat::Bgra32,
     {RGB(0x10, 0x20, 0x30), clWhite | kOpaque}},
    // Masks in another order (R in the low byte) prove that they are used.
    {"Bitfields888RgbxNoAlpha",
     Row32(40, kBitfields, {0x000000FF, 0x0000FF00, 0x00FF0000}, {0xAA332211}),
     PixelFormat::Bgra32,
     {RGB(0x11, 0x22, 0x33) | kOpaque}},
    {"Bitfields101010",
     Row32(40, kBitfields, {0x3FF00000, 0x000FFC00, 0x000003FF}, {0x3FF00200, 0x00000001}),
     PixelFormat::Bgra32,
     {RGB(255, 0, 128) | kOpaque, kOpaque}},
    {"Plain32KeepsFourthByte",
     Row32(40, kRgb, {}, {0x7F102030, 0x00FFFFFF}),
     PixelFormat::Bgra32,
     {RGB(0x10, 0x20, 0x30) | 0x7F000000u, clWhite}},
    {"Plain32IgnoresV5Masks",
     Row32(124, kRgb, {0xFF, 0xFF00, 0xFF0000, 0}, {0x01102030}),
     PixelFormat::Bgra32,
     {RGB(0x10, 0x20, 0x30) | 0x01000000u}},
    {"Core24",
     [] {
       BmpFile f;
       f.headerSize = 12;
       f.width = 2;
       f.pixels = PaddedRows({{1, 2, 3, 4, 5, 6}});
       return f;
     }(),
     PixelFormat::Bgr24,
     {RGB(3, 2, 1), RGB(6, 5, 4)}},
    {"Core8WithTriplePalette",
     Indexed(12, 8, 0, std::vector<Color>(256, RGB(9, 8, 7)), {0, 255}, 2),
     PixelFormat::Indexed8,
     {RGB(9, 8, 7), RGB(9, 8, 7)}},
    // Fewer palette entries than 2^bpp: indexes past the end read black.
    {"ShortPalette8",
     Indexed(40, 8, 2, {RGB(10, 20, 30), RGB(40, 50, 60)}, {1, 0, 5}, 3),
     PixelFormat::Indexed8,
     {RGB(40, 50, 60), RGB(10, 20, 30), clBlack}},
    {"ShortPalette4",
     Indexed(40, 4, 3, {clWhite, RGB(1, 1, 1), RGB(2, 2, 2)}, {0x21, 0xF0}, 3),
     PixelFormat::Indexed4,
     {RGB(2, 2, 2), RGB(1, 1, 1), clBlack}},
    {"Indexed1",
     Indexed(52, 1, 0, {RGB(0, 0, 255), RGB(255, 255, 0)}, {0xA0}, 4),
     PixelFormat::Indexed1,
     {RGB(255, 255, 0), RGB(0, 0, 255), RGB(255, 255, 0), RGB(0, 0, 255)}},
};

INSTANTIATE_TEST_SUITE_P(HandMade, BmpPixels, ::testing::ValuesIn(kPixelCases),
                         [](const ::testing::TestParamInfo<PixelCase>& i) {
                           return std::string(i.param.name);
                         });

TEST(BmpReader, ImpliedPaletteShortenedByThePixelOffset) {
  // Zero colours used means 2^bpp, but the writer left room for only four.
  BmpFile f = Indexed(40, 8, 0, {RGB(1, 0, 0), RGB(2, 0, 0), RGB(3, 0, 0), RGB(4, 0, 0)}, {3, 200}, 2);
  const Bitmap bmp = ReadBmp(f.Build());
  EXPECT_EQ(bmp.Palette().size(), 4u);
  EXPECT_EQ(bmp.PixelAt(0, 0), RGB(4, 0, 0));
  EXPECT_EQ(bmp.PixelAt(1, 0), clBlack);
}

struct RleCase {
  const char* name;
  int width, height;
  std::uint32_t compression;
  std::vector<std::uint8_t> data;
  std::vector<std::vector<int>> rows;  // expected palette indexes, top row first
};

const RleCase kRleCases[] = {
    // Bottom row: run of two 1s, absolute 2 3 1 (padded), end of line. Top
    // row: delta right by one, run of four 2s, end of bitmap; its first pixel
    // is skipped.
    {"Rle8RunsAbsoluteDelta",
     5,
     2,
     1,
     {2, 1, 0, 3, 2, 3, 1, 0, 0, 0, 0, 2, 1, 0, 4, 2, 0, 1},
     {{0, 2, 2, 2, 2}, {1, 1, 2, 3, 1}}},
    {"Rle8OddAbsoluteIsPadded", 4, 1, 1, {0, 3, 1, 2, 3, 0, 1, 3, 0, 1}, {{1, 2, 3, 3}}},
    {"Rle8RunClippedAtTheEdge", 2, 1, 1, {200, 1, 0, 4, 3, 3, 3, 3, 0, 1}, {{1, 1}}},
    {"Rle8DeltaPastTheTop", 2, 2, 1, {1, 3, 0, 2, 0, 9, 1, 1}, {{0, 0}, {3, 0}}},
    {"Rle8EndsAfterLastLine", 1, 1, 1, {1, 2, 0, 0}, {{2}}},
    // Runs alternate the two nibbles; absolute nibbles are padded to 16 bits.
    {"Rle4Runs", 4, 1, 2, {3, 0x12, 1, 0x30, 0, 1}, {{1, 2, 1, 3}}},
    {"Rle4OddAbsolute", 4, 1, 2, {0, 3, 0x12, 0x30, 1, 0xF0, 0, 1}, {{1, 2, 3, 15}}},
};

class BmpRle : public ::testing::TestWithParam<RleCase> {};

std::vector<Color> Palette16() {
  std::vector<Color> pal;
  for (int i = 0; i < 16; ++i) pal.push_back(RGB(i * 10, i, 255 - i));
  return pal;
}

TEST_P(BmpRle, Decodes) {
  const RleCase& tc = GetParam();
  BmpFile f;
  f.width = tc.width;
  f.height = tc.height;
  f.compression = tc.compression;
  f.bitCount = tc.compression == 1 ? 8 : 4;
  f.colorsUsed = 16;
  f.palette = Palette16();
  f.pixels = tc.data;
  const Bitmap bmp = ReadBmp(f.Build());
  EXPECT_EQ(bmp.Format(), tc.compression == 1 ? PixelFormat::Indexed8 : PixelFormat::Indexed4);
  for (int y = 0; y < tc.height; ++y)
    for (int x = 0; x < tc.width; ++x)
      EXPECT_EQ(bmp.PixelAt(x, y), Palette16()[static_cast<std::size_t>(
                                       tc.rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)])])
          << x << "," << y;
}

INSTANTIATE_TEST_SUITE_P(RunLength, BmpRle, ::testing::ValuesIn(kRleCases),
                         [](const ::testing::TestParamInfo<RleCase>& i) {
                           return std::string(i.param.name);
                         });

// A few bytes of run-length data may describe a big picture (found by the
// fuzzer as a slow input): it decodes, with the skipped pixels at index 0.
TEST(BmpReader, SmallRunLengthFileForALargePicture) {
  BmpFile f = Indexed(40, 4, 2, {RGB(1, 2, 3), RGB(4, 5, 6)}, {}, 2053);
  f.height = 3000;
  f.compression = 2;
  f.pixels = {4, 0x11, 0, 2, 255, 255, 0, 1};  // four 1s, a far delta, end
  const Bitmap bmp = ReadBmp(f.Build());
  ASSERT_EQ(bmp.Format(), PixelFormat::Indexed4);
  EXPECT_EQ(bmp.PixelAt(3, 2999), RGB(4, 5, 6));
  EXPECT_EQ(bmp.PixelAt(4, 2999), RGB(1, 2, 3));
  EXPECT_EQ(bmp.PixelAt(2052, 0), RGB(1, 2, 3));
}

TEST(BmpReader, BottomUpAndTopDownRows) {
  BmpFile f;
  f.width = 1;
  f.height = 2;
  f.pixels = PaddedRows({{0, 0, 1}, {0, 0, 2}});  // first stored row first
  Bitmap bmp = ReadBmp(f.Build());
  EXPECT_EQ(bmp.PixelAt(0, 0), RGB(2, 0, 0)) << "positive height: the first stored row is the bottom";
  EXPECT_EQ(bmp.PixelAt(0, 1), RGB(1, 0, 0));
  f.height = -2;
  bmp = ReadBmp(f.Build());
  EXPECT_EQ(bmp.PixelAt(0, 0), RGB(1, 0, 0));
  EXPECT_EQ(bmp.PixelAt(0, 1), RGB(2, 0, 0));
}

TEST(BmpReader, LastRowPaddingMayBeMissing) {
  BmpFile f;
  f.width = 1;
  f.height = 2;
  f.pixels = PaddedRows({{0, 0, 1}, {0, 0, 2}});
  f.pixels.pop_back();
  EXPECT_EQ(ReadBmp(f.Build()).PixelAt(0, 0), RGB(2, 0, 0));
}

// Every prefix of a valid file must be refused cleanly. The files have rows
// without padding, so that no prefix but the whole is complete.
TEST(BmpReader, EveryTruncationRaises) {
  std::vector<std::vector<std::uint8_t>> files;
  Bitmap indexed(8, 3, PixelFormat::Indexed4);
  indexed.Palette() = {clBlack, clWhite, RGB(1, 2, 3)};
  indexed.SetPixelAt(2, 1, 2);
  files.push_back(WriteBmp(indexed));
  files.push_back(Row16(40, kBitfields, {0xF800, 0x07E0, 0x001F}, {1, 2}).Build());
  files.push_back(Row32(124, kBitfields, {0xFF, 0xFF00, 0xFF0000, 0xFF000000}, {1, 2, 3}).Build());
  files.push_back(Indexed(12, 8, 0, std::vector<Color>(256, clWhite), {1, 2, 3, 4}, 4).Build());
  BmpFile rle = Indexed(40, 8, 4, {clWhite, clBlack, clWhite, clBlack}, {}, 5);
  rle.height = 2;
  rle.compression = 1;
  rle.pixels = kRleCases[0].data;
  files.push_back(rle.Build());
  for (const std::vector<std::uint8_t>& file : files) {
    ASSERT_NO_THROW(ReadBmp(file));
    for (std::size_t n = 0; n < file.size(); ++n)
      EXPECT_THROW(ReadBmp(std::span<const std::uint8_t>(file.data(), n)), ImageError) << "prefix of " << n;
  }
}

struct BadCase {
  const char* name;
  BmpFile file;
  const char* messagePart;
  std::size_t cutTo = 0;  // when set, the file is cut to this many bytes
};

BmpFile Valid24() {
  BmpFile f;
  f.width = 2;
  f.height = 2;
  f.pixels = PaddedRows({{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}});
  return f;
}

template <typename F>
BmpFile Modified(F change, BmpFile f = Valid24()) {
  change(f);
  return f;
}

const BadCase kBadCases[] = {
    {"HugeWidth", Modified([](BmpFile& f) { f.width = 100000; }), "limit"},
    {"HugeHeight", Modified([](BmpFile& f) { f.height = 16385; }), "limit"},
    {"MinimumHeight", Modified([](BmpFile& f) { f.height = INT32_MIN; }), "limit"},
    {"ZeroWidth", Modified([](BmpFile& f) { f.width = 0; }), "invalid size"},
    {"NegativeWidth", Modified([](BmpFile& f) { f.width = -2; }), "invalid size"},
    {"ZeroHeight", Modified([](BmpFile& f) { f.height = 0; }), "invalid size"},
    // Within the side limit, but 16384 x 16384 x 4 bytes is 1 GiB.
    {"TooManyBytes", Modified([](BmpFile& f) {
       f.width = f.height = 16384;
       f.bitCount = 32;
     }),
     "over the limit"},
    {"RowsMissing", Modified([](BmpFile& f) { f.height = 3; }), "truncated"},
    {"OffsetBeyondEnd", Modified([](BmpFile& f) { f.pixelOffset = 5000; }), "beyond the end"},
    {"OffsetInsideHeader", Modified([](BmpFile& f) { f.pixelOffset = 20; }), "inside the headers"},
    {"PaletteCountTooBig", Indexed(40, 8, 257, {}, {0}, 1), "too big"},
    {"PaletteCountTooBigFor4Bits", Indexed(40, 4, 17, std::vector<Color>(17), {0}, 1), "too big"},
    {"PaletteOverlapsPixels",
     Modified([](BmpFile& f) { f.pixelOffset = 54 + 4; }, Indexed(40, 8, 2, {1, 2}, {0}, 1)), "overlaps"},
    {"PaletteCountBeyondEnd", Indexed(40, 8, 200, {1, 2}, {}, 1), "overlaps"},
    {"NoRoomForImpliedPalette",
     Modified([](BmpFile& f) { f.pixelOffset = 54; }, Indexed(40, 1, 0, {}, {0}, 1)), "overlaps"},
    {"UnknownHeaderSize", Modified([](BmpFile& f) { f.headerSize = 64; }), "header size 64"},
    {"BitCount2", Modified([](BmpFile& f) { f.bitCount = 2; }), "bit count 2"},
    {"BitCount0", Modified([](BmpFile& f) { f.bitCount = 0; }), "bit count 0"},
    {"Core16Bits", Modified([](BmpFile& f) {
       f.headerSize = 12;
       f.bitCount = 16;
     }),
     "bit count 16"},
    {"Rle8With4Bits", Modified([](BmpFile& f) {
       f.bitCount = 4;
       f.compression = 1;
     }),
     "RLE8 compression needs 8 bits"},
    {"Rle4With8Bits", Modified([](BmpFile& f) {
       f.bitCount = 8;
       f.compression = 2;
     }),
     "RLE4 compression needs 4 bits"},
    {"RleTopDown", Modified([](BmpFile& f) {
       f.bitCount = 8;
       f.compression = 1;
       f.height = -2;
     }),
     "top-down"},
    {"RleWithoutEnd", Modified([](BmpFile& f) {
       f.bitCount = 8;
       f.compression = 1;
       f.palette = {clWhite};
       f.pixels = {2, 0, 0, 0};  // one row of two, then nothing for the second
     }),
     "ends before the end-of-bitmap"},
    {"RleAbsoluteRunPastTheData", Modified([](BmpFile& f) {
       f.bitCount = 8;
       f.compression = 1;
       f.palette = {clWhite};
       f.pixels = {0, 9, 1, 1};
     }),
     "ends before"},
    {"EmbeddedJpeg", Modified([](BmpFile& f) { f.compression = 4; }), "JPEG"},
    {"UnknownCompression", Modified([](BmpFile& f) { f.compression = 9; }), "unknown compression 9"},
    {"BitfieldsWith24Bits", Modified([](BmpFile& f) {
       f.compression = 3;
       f.masks = {0xFF0000, 0xFF00, 0xFF};
     }),
     "16 or 32"},
    {"MasksMissing",
     [] {
       BmpFile f;
       f.bitCount = 16;
       f.compression = 3;
       return f;
     }(),
     "inside the colour masks"},
    {"NonContiguousMask", Row16(40, kBitfields, {0xF00F, 0x07E0, 0x001F}, {0}), "not contiguous"},
    {"MaskWiderThanPixel", Row16(40, kBitfields, {0x1F0000, 0x07E0, 0x001F}, {0}), "beyond the 16-bit"},
    {"HeaderCutShort", Modified([](BmpFile& f) { f.headerSize = 124; }), "ends inside", 14 + 60},
};

class BmpBadFiles : public ::testing::TestWithParam<BadCase> {};

TEST_P(BmpBadFiles, RaiseImageErrorWithAClearMessage) {
  const BadCase& tc = GetParam();
  std::vector<std::uint8_t> data = tc.file.Build();
  if (tc.cutTo != 0) data.resize(tc.cutTo);
  try {
    ReadBmp(data);
    FAIL() << "no exception";
  } catch (const ImageError& e) {
    const std::string msg = e.what();
    EXPECT_NE(msg.find(tc.messagePart), std::string::npos) << msg;
    EXPECT_EQ(msg.rfind("BMP: ", 0), 0u) << msg;
  }
}

INSTANTIATE_TEST_SUITE_P(Lying, BmpBadFiles, ::testing::ValuesIn(kBadCases),
                         [](const ::testing::TestParamInfo<BadCase>& i) {
                           return std::string(i.param.name);
                         });

TEST(BmpReader, NotABitmap) {
  const std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0,
                                         0,    0,   0,   0,   0,    0,    0,    0,    0};
  EXPECT_THROW(ReadBmp(png), ImageError);
  EXPECT_THROW(ReadBmp({}), ImageError);
}

}  // namespace
}  // namespace gfx
