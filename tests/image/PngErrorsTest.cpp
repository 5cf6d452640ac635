// Every message of the PNG reader, CRC rules, size limits and damaged files.
#include <gtest/gtest.h>

#include <zlib.h>

#include <string>

#include "image/acPNG.h"
#include "tests/image/PngBuilder.h"

namespace {

using image::TPNGGraphic;
using pngtest::PngSpec;

PngSpec Small(int colorType = 2, int depth = 8, int w = 6, int h = 5) {
  PngSpec s;
  s.Width = w;
  s.Height = h;
  s.ColorType = colorType;
  s.BitDepth = depth;
  s.Samples = pngtest::RandomSamples(s, 42);
  s.Filters = {1, 4};
  return s;
}

// The message of the exception the load raises, or "" when it succeeds.
std::string LoadError(const std::vector<std::uint8_t>& png) {
  try {
    TPNGGraphic g;
    g.LoadFromBytes(png);
    return "";
  } catch (const image::EInvalidGraphic& e) {
    return e.what();
  }
}

// Offset of the first chunk of `type` in a PNG file.
std::size_t ChunkAt(const std::vector<std::uint8_t>& png, const std::string& type) {
  for (std::size_t at = 8; at + 8 <= png.size();) {
    const std::uint32_t len = (png[at] << 24) | (png[at + 1] << 16) | (png[at + 2] << 8) | png[at + 3];
    if (std::string(png.begin() + static_cast<std::ptrdiff_t>(at + 4),
                    png.begin() + static_cast<std::ptrdiff_t>(at + 8)) == type)
      return at;
    at += 12 + len;
  }
  return std::string::npos;
}

const std::string kInvalid = "Cannot load image. Invalid or unexpected PNG image format.";
const std::string kCrc = "Cannot load image. CRC error found in PNG file.";

TEST(PngErrors, SignatureAndHeader) {
  const auto good = pngtest::BuildPng(Small());
  EXPECT_EQ(LoadError(good), "");

  auto badSig = good;
  badSig[1] = 'Q';
  EXPECT_EQ(LoadError(badSig), kInvalid);

  EXPECT_EQ(LoadError({}), kInvalid);

  PngSpec zero = Small();
  zero.Width = 0;
  zero.Samples.clear();
  EXPECT_EQ(LoadError(pngtest::BuildRawPng(zero, pngtest::Zlib({0}))), kInvalid);

  // First chunk is not IHDR.
  std::vector<std::uint8_t> noHeader(good.begin(), good.begin() + 8);
  const auto text = pngtest::Chunk("tEXt", {'a', 0, 'b'});
  noHeader.insert(noHeader.end(), text.begin(), text.end());
  noHeader.insert(noHeader.end(), good.begin() + 8, good.end());
  EXPECT_EQ(LoadError(noHeader), kInvalid);

  // IHDR of the wrong length.
  std::vector<std::uint8_t> shortHeader(good.begin(), good.begin() + 8);
  const auto ihdr = pngtest::Chunk("IHDR", std::vector<std::uint8_t>(good.begin() + 16, good.begin() + 28));
  shortHeader.insert(shortHeader.end(), ihdr.begin(), ihdr.end());
  shortHeader.insert(shortHeader.end(), good.begin() + 33, good.end());
  EXPECT_EQ(LoadError(shortHeader), kInvalid);

  // Unknown interlace method.
  auto lace = good;
  lace[28] = 2;
  const uLong crc = crc32(0L, lace.data() + 12, 17);
  const auto c = pngtest::BE32(static_cast<std::uint32_t>(crc));
  std::copy(c.begin(), c.end(), lace.begin() + 29);
  EXPECT_EQ(LoadError(lace), kInvalid);
}

TEST(PngErrors, OversizeDimensionsAreRejectedBeforeAnyAllocation) {
  struct Case {
    std::uint32_t W, H;
    int ColorType;
    bool Ok;
  };
  const Case cases[] = {
      {16385, 1, 0, false},      {1, 16385, 0, false},     {0x7FFFFFFF, 1, 0, false},
      {0xFFFFFFFF, 1, 0, false}, {16384, 16384, 6, false},  // 1 GiB
      {16384, 4097, 6, false},                              // just over 256 MiB
      {16384, 4096, 6, true},                               // exactly 256 MiB
      {16384, 16384, 0, true},                              // 8-bit grey, 256 MiB
      {16384, 1, 6, true},
  };
  for (const Case& c : cases) {
    PngSpec s = Small(c.ColorType, 8, 1, 1);
    std::vector<std::uint8_t> png = pngtest::BuildRawPng(s, pngtest::Zlib({}));
    // Patch the size into IHDR and fix its CRC; the image data is an empty
    // stream, which is not an error: the bitmap keeps its background.
    const auto w = pngtest::BE32(c.W), h = pngtest::BE32(c.H);
    std::copy(w.begin(), w.end(), png.begin() + 16);
    std::copy(h.begin(), h.end(), png.begin() + 20);
    const auto crc = pngtest::BE32(static_cast<std::uint32_t>(crc32(0L, png.data() + 12, 17)));
    std::copy(crc.begin(), crc.end(), png.begin() + 29);
    EXPECT_EQ(LoadError(png), c.Ok ? "" : kInvalid) << c.W << "x" << c.H;
  }
}

TEST(PngErrors, UnsupportedCompressionMethod) {
  PngSpec s = Small();
  s.CompressionMethod = 1;
  EXPECT_EQ(LoadError(pngtest::BuildPng(s)),
            "Cannot load image. The compression scheme is not supported for PNG files.");
}

TEST(PngErrors, InvalidColourFormats) {
  const std::pair<int, int> bad[] = {{0, 3}, {2, 4}, {2, 1}, {3, 16}, {4, 4},
                                     {6, 2}, {1, 8}, {5, 8}, {7, 8},  {0, 32}};
  for (const auto& [type, depth] : bad) {
    PngSpec s = Small(2, 8, 1, 1);
    s.ColorType = type;
    s.BitDepth = depth;
    EXPECT_EQ(LoadError(pngtest::BuildRawPng(s, pngtest::Zlib({0, 0, 0, 0}))),
              "Invalid color format in PNG file.")
        << type << "/" << depth;
  }
}

// A header whose colour type and depth do not fit is refused when it is
// read: chunks before the image data (bKGD, tRNS) scale samples by the depth.
TEST(PngErrors, InvalidColourFormatIsRefusedBeforeAnyChunkUsesIt) {
  const std::pair<int, int> bad[] = {{0, 0}, {2, 0}, {0, 3}, {2, 32}, {0, 64}, {6, 255}};
  for (const auto& [type, depth] : bad) {
    for (const char* chunk : {"bKGD", "tRNS"}) {
      PngSpec s = Small(2, 8, 1, 1);
      s.ColorType = type;
      s.BitDepth = depth;
      s.Extra = {{chunk, {0, 1, 0, 2, 0, 3}}};
      EXPECT_EQ(LoadError(pngtest::BuildRawPng(s, pngtest::Zlib({0, 0, 0, 0}))),
                "Invalid color format in PNG file.")
          << type << "/" << depth << " " << chunk;
      // Also when the image data is empty.
      EXPECT_EQ(LoadError(pngtest::BuildRawPng(s, {})), "Invalid color format in PNG file.")
          << type << "/" << depth << " " << chunk;
    }
  }
}

TEST(PngErrors, FileWithoutImageDataIsRefused) {
  for (int type : {0, 2, 3, 6}) {
    PngSpec s = Small(type, 8, 3, 2);
    if (type == 3) s.Palette = {1, 2, 3, 4, 5, 6};
    std::vector<std::uint8_t> png = pngtest::BuildPng(s);
    const std::size_t at = ChunkAt(png, "IDAT");
    const std::size_t len = (png[at] << 24) | (png[at + 1] << 16) | (png[at + 2] << 8) | png[at + 3];
    png.erase(png.begin() + static_cast<std::ptrdiff_t>(at),
              png.begin() + static_cast<std::ptrdiff_t>(at + 12 + len));
    EXPECT_EQ(LoadError(png), kInvalid) << type;
  }
}

TEST(PngErrors, InvalidPalette) {
  PngSpec s = Small(3, 8);
  s.Palette = {1, 2, 3, 4};
  EXPECT_EQ(LoadError(pngtest::BuildPng(s)), "Cannot load image. Palette in PNG file is invalid.");
  s.Palette.assign(257 * 3, 7);
  EXPECT_EQ(LoadError(pngtest::BuildPng(s)), "Cannot load image. Palette in PNG file is invalid.");
  // A palette in an RGB image is read (so checked) and otherwise ignored.
  PngSpec rgb = Small();
  rgb.Palette = {1, 2, 3};
  EXPECT_EQ(LoadError(pngtest::BuildPng(rgb)), "");
  rgb.Palette = {1, 2};
  EXPECT_EQ(LoadError(pngtest::BuildPng(rgb)), "Cannot load image. Palette in PNG file is invalid.");
}

TEST(PngErrors, CrcOfReadChunksIsCheckedSkippedChunksAreNot) {
  PngSpec s = Small();
  s.Extra = {{"tEXt", {'k', 0, 'v', 'v'}}, {"gAMA", pngtest::BE32(45455)}};
  const auto good = pngtest::BuildPng(s);
  ASSERT_EQ(LoadError(good), "");

  auto idat = good;
  idat[ChunkAt(good, "IDAT") + 10] ^= 0x01;
  EXPECT_EQ(LoadError(idat), kCrc);

  auto text = good;
  text[ChunkAt(good, "tEXt") + 10] ^= 0x01;
  EXPECT_EQ(LoadError(text), "");

  auto gama = good;
  gama[ChunkAt(good, "gAMA") + 11] ^= 0x01;
  EXPECT_EQ(LoadError(gama), kCrc);

  auto header = good;
  header[ChunkAt(good, "IHDR") + 8 + 11] ^= 0x01;  // filter method byte: not examined, but CRC is
  EXPECT_EQ(LoadError(header), kCrc);

  auto crcByte = good;
  crcByte[ChunkAt(good, "IDAT") - 1] ^= 0x80;  // the stored CRC of the chunk before IDAT (gAMA)
  EXPECT_EQ(LoadError(crcByte), kCrc);
}

TEST(PngErrors, CompressionErrors) {
  PngSpec s = Small();
  auto z = pngtest::Zlib(pngtest::Scanlines(s));
  auto broken = z;
  broken[0] = 0x00;  // not a zlib header
  EXPECT_EQ(LoadError(pngtest::BuildRawPng(s, broken)),
            "Cannot load image. Compression error found in PNG file.");

  const std::string extra = "Cannot load image. Extra compressed data found in PNG file.";
  // Bytes after the end of the zlib stream.
  auto trailing = z;
  trailing.push_back(0);
  EXPECT_EQ(LoadError(pngtest::BuildRawPng(s, trailing)), extra);
  // ... also when they come in a later IDAT chunk.
  s.IdatPiece = z.size();
  EXPECT_EQ(LoadError(pngtest::BuildRawPng(s, trailing)), extra);
  s.IdatPiece = 0;
  // More decompressed data than the image holds.
  auto lines = pngtest::Scanlines(s);
  lines.push_back(0);
  EXPECT_EQ(LoadError(pngtest::BuildRawPng(s, pngtest::Zlib(lines))), extra);
  // The stream ends inside a row.
  lines = pngtest::Scanlines(s);
  lines.erase(lines.end() - 2, lines.end());
  EXPECT_EQ(LoadError(pngtest::BuildRawPng(s, pngtest::Zlib(lines))), extra);
}

TEST(PngErrors, ChunkLengthBeyondTheDataIsAnError) {
  const auto good = pngtest::BuildPng(Small());
  auto big = good;
  const std::size_t at = ChunkAt(good, "IDAT");
  big[at] = 0x7F;  // length near 2^31
  EXPECT_EQ(LoadError(big), kInvalid);
  big[at] = 0xFF;  // length over 2^31 - 1
  EXPECT_EQ(LoadError(big), kInvalid);
  // A skipped ancillary chunk whose length runs past the end.
  PngSpec s = Small();
  s.Extra = {{"tEXt", {'k', 0, 'v'}}};
  auto text = pngtest::BuildPng(s);
  text[ChunkAt(text, "tEXt") + 2] = 0x10;
  EXPECT_EQ(LoadError(text), kInvalid);
}

TEST(PngErrors, EveryTruncationFailsCleanlyOrDecodes) {
  for (int ct : {0, 2, 3, 6}) {
    PngSpec s = Small(ct, ct == 3 ? 4 : 8, 9, 7);
    if (ct == 3) s.Palette.assign(16 * 3, 9);
    s.Interlaced = ct == 6;
    s.Extra = {{"gAMA", pngtest::BE32(45455)}, {"tEXt", {'a', 0, 'b'}, true}};
    const auto png = pngtest::BuildPng(s);
    for (std::size_t n = 0; n < png.size(); ++n) {
      const std::vector<std::uint8_t> cut(png.begin(), png.begin() + static_cast<std::ptrdiff_t>(n));
      // Without IEND every cut is incomplete; the reader must say so.
      EXPECT_EQ(LoadError(cut), kInvalid) << "type " << ct << " length " << n;
    }
    EXPECT_EQ(LoadError(png), "");
  }
}

TEST(PngErrors, DamagedBytesNeverCrash) {
  PngSpec s = Small(6, 8, 8, 8);
  s.Interlaced = true;
  const auto png = pngtest::BuildPng(s);
  for (std::size_t i = 0; i < png.size(); ++i) {
    for (std::uint8_t flip : {0x01, 0x80, 0xFF}) {
      auto bad = png;
      bad[i] ^= flip;
      (void)LoadError(bad);  // any outcome but a crash
    }
  }
}

}  // namespace
