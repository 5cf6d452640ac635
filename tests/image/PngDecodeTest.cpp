// Decoding of every colour type and bit depth, interlacing, filters, gamma,
// 16-bit reduction and the ancillary chunks.
#include <gtest/gtest.h>

#include <string>

#include "image/acPNG.h"
#include "tests/image/PngBuilder.h"

namespace {

using gfx::PixelFormat;
using image::TPNGGraphic;
using pngtest::PngSpec;

int Level8(unsigned v, int depth) {
  if (depth == 16) return static_cast<int>(v * 255u / 65535u);
  if (depth == 8) return static_cast<int>(v);
  return static_cast<int>(v * 255u / ((1u << depth) - 1u));
}

// The colour value PixelAt should give for pixel (x, y), worked out from the
// samples the file was written from.
gfx::Color Expected(const PngSpec& s, int x, int y) {
  const int ch = pngtest::Channels(s.ColorType);
  const std::uint16_t* p = &s.Samples[(static_cast<std::size_t>(y) * s.Width + x) * ch];
  switch (s.ColorType) {
    case 0:
    case 4: {
      const int g = Level8(p[0], s.BitDepth);
      return gfx::RGB(g, g, g);
    }
    case 2: return gfx::RGB(Level8(p[0], s.BitDepth), Level8(p[1], s.BitDepth), Level8(p[2], s.BitDepth));
    case 3: {
      const std::size_t i = p[0] * 3u;
      return gfx::RGB(s.Palette[i], s.Palette[i + 1], s.Palette[i + 2]);
    }
    case 6:
      return gfx::RGB(Level8(p[0], s.BitDepth), Level8(p[1], s.BitDepth), Level8(p[2], s.BitDepth)) |
             (static_cast<gfx::Color>(Level8(p[3], s.BitDepth)) << 24);
    default: return 0;
  }
}

std::vector<std::uint8_t> FullPalette(int entries) {
  std::vector<std::uint8_t> pal;
  for (int i = 0; i < entries; ++i) {
    pal.push_back(static_cast<std::uint8_t>(i * 37 + 5));
    pal.push_back(static_cast<std::uint8_t>(255 - i * 11));
    pal.push_back(static_cast<std::uint8_t>(i * 3));
  }
  return pal;
}

PngSpec MakeSpec(int colorType, int depth, int w, int h, unsigned seed) {
  PngSpec s;
  s.Width = w;
  s.Height = h;
  s.ColorType = colorType;
  s.BitDepth = depth;
  if (colorType == 3) s.Palette = FullPalette(1 << depth);
  s.Samples = pngtest::RandomSamples(s, seed);
  return s;
}

void ExpectPixels(const TPNGGraphic& g, const PngSpec& s) {
  ASSERT_EQ(g.Width(), s.Width);
  ASSERT_EQ(g.Height(), s.Height);
  int mismatches = 0;
  for (int y = 0; y < s.Height; ++y)
    for (int x = 0; x < s.Width; ++x)
      if (g.Bitmap().PixelAt(x, y) != Expected(s, x, y) && ++mismatches <= 5)
        ADD_FAILURE() << "pixel " << x << "," << y << " is " << std::hex << g.Bitmap().PixelAt(x, y)
                      << " expected " << Expected(s, x, y);
  EXPECT_EQ(mismatches, 0);
}

TPNGGraphic Decode(const std::vector<std::uint8_t>& png) {
  TPNGGraphic g;
  g.LoadFromBytes(png);
  return g;
}

struct FormatCase {
  int ColorType;
  int Depth;
  PixelFormat Format;
};

class EveryFormat : public ::testing::TestWithParam<FormatCase> {};

TEST_P(EveryFormat, DecodesToTheTablesBitmapWithTheFilesColours) {
  const FormatCase fc = GetParam();
  // 13 x 7 leaves partial bytes at the row ends of the sub-byte depths.
  PngSpec s = MakeSpec(fc.ColorType, fc.Depth, 13, 7, 7 + fc.ColorType * 17 + fc.Depth);
  s.Filters = {0, 1, 2, 3, 4};
  const TPNGGraphic g = Decode(pngtest::BuildPng(s));
  EXPECT_EQ(g.Bitmap().Format(), fc.Format);
  ExpectPixels(g, s);
  EXPECT_EQ(g.ImageProperties().BitsPerSample, fc.Depth);
  EXPECT_EQ(g.ImageProperties().ColorType, fc.ColorType);
  EXPECT_FALSE(g.Bitmap().Transparent());
}

TEST_P(EveryFormat, InterlacedGivesTheSameBitmap) {
  const FormatCase fc = GetParam();
  for (const auto& [w, h] : std::vector<std::pair<int, int>>{{13, 7}, {1, 1}, {3, 9}, {9, 2}}) {
    PngSpec s = MakeSpec(fc.ColorType, fc.Depth, w, h, 99u + static_cast<unsigned>(w));
    s.Filters = {4, 3, 1, 2, 0};
    const TPNGGraphic plain = Decode(pngtest::BuildPng(s));
    s.Interlaced = true;
    const TPNGGraphic laced = Decode(pngtest::BuildPng(s));
    EXPECT_TRUE(laced.ImageProperties().Interlaced);
    ExpectPixels(laced, s);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) ASSERT_EQ(laced.Bitmap().PixelAt(x, y), plain.Bitmap().PixelAt(x, y));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Png, EveryFormat,
    ::testing::Values(FormatCase{0, 1, PixelFormat::Indexed1}, FormatCase{0, 2, PixelFormat::Indexed4},
                      FormatCase{0, 4, PixelFormat::Indexed4}, FormatCase{0, 8, PixelFormat::Indexed8},
                      FormatCase{0, 16, PixelFormat::Indexed8}, FormatCase{2, 8, PixelFormat::Bgr24},
                      FormatCase{2, 16, PixelFormat::Bgr24}, FormatCase{3, 1, PixelFormat::Indexed1},
                      FormatCase{3, 2, PixelFormat::Indexed4}, FormatCase{3, 4, PixelFormat::Indexed4},
                      FormatCase{3, 8, PixelFormat::Indexed8}, FormatCase{4, 8, PixelFormat::Indexed8},
                      FormatCase{4, 16, PixelFormat::Indexed8}, FormatCase{6, 8, PixelFormat::Bgra32},
                      FormatCase{6, 16, PixelFormat::Bgra32}),
    [](const auto& info) {
      return "type" + std::to_string(info.param.ColorType) + "_depth" + std::to_string(info.param.Depth);
    });

TEST(PngDecode, GreyBitmapsCarryAGreyRampAndTwoBitSamplesWidenToFourBits) {
  PngSpec s = MakeSpec(0, 2, 4, 1, 1);
  s.Samples = {0, 1, 2, 3};
  const TPNGGraphic g = Decode(pngtest::BuildPng(s));
  ASSERT_EQ(g.Bitmap().Palette().size(), 16u);
  EXPECT_EQ(g.Bitmap().Palette()[5], gfx::RGB(85, 85, 85));
  // Indexes 0, 5, 10, 15 packed two to a byte.
  EXPECT_EQ(g.Bitmap().Scanline(0)[0], 0x05);
  EXPECT_EQ(g.Bitmap().Scanline(0)[1], 0xAF);
}

TEST(PngDecode, EachFilterTypeAlone) {
  for (int filter = 0; filter <= 4; ++filter) {
    for (int ct : {2, 6, 0, 3}) {
      PngSpec s = MakeSpec(ct, ct == 0 || ct == 3 ? 4 : 8, 11, 6, static_cast<unsigned>(filter * 10 + ct));
      s.Filters = {filter};
      SCOPED_TRACE("filter " + std::to_string(filter) + " type " + std::to_string(ct));
      ExpectPixels(Decode(pngtest::BuildPng(s)), s);
    }
  }
}

TEST(PngDecode, UnknownFilterTypeLeavesTheRowBytes) {
  PngSpec s = MakeSpec(2, 8, 3, 2, 5);
  s.Filters = {7};
  ExpectPixels(Decode(pngtest::BuildPng(s)), s);
}

TEST(PngDecode, Gamma45455LeavesColoursUnchanged) {
  PngSpec s = MakeSpec(6, 8, 200, 200, 3);
  s.Extra = {{"gAMA", pngtest::BE32(45455)}};
  const TPNGGraphic g = Decode(pngtest::BuildPng(s));
  EXPECT_TRUE(g.ColorManager().GammaOn());
  EXPECT_NEAR(g.ImageProperties().FileGamma, 0.45455, 1e-9);
  EXPECT_EQ(g.Bitmap().Format(), PixelFormat::Bgra32);
  ExpectPixels(g, s);
}

TEST(PngDecode, GammaTableFollowsTheFileGamma) {
  PngSpec s = MakeSpec(2, 8, 2, 1, 3);
  s.Samples = {128, 64, 0, 255, 255, 255};
  s.Extra = {{"gAMA", pngtest::BE32(100000)}};  // file gamma 1: exponent 1 / 2.2
  const TPNGGraphic g = Decode(pngtest::BuildPng(s));
  // round((128/255)^(1/2.2) * 255) = 186, (64/255)^(1/2.2) * 255 = 136.
  EXPECT_EQ(g.Bitmap().PixelAt(0, 0), gfx::RGB(186, 136, 0));
  EXPECT_EQ(g.Bitmap().PixelAt(1, 0), gfx::RGB(255, 255, 255));
}

TEST(PngDecode, GammaOfZeroCountsAsOne) {
  PngSpec s = MakeSpec(0, 8, 1, 1, 3);
  s.Samples = {128};
  s.Extra = {{"gAMA", pngtest::BE32(0)}};
  EXPECT_EQ(Decode(pngtest::BuildPng(s)).Bitmap().PixelAt(0, 0), gfx::RGB(186, 186, 186));
}

TEST(PngDecode, SixteenBitRgbaEqualsItsEightBitReduction) {
  PngSpec wide = MakeSpec(6, 16, 17, 9, 11);
  PngSpec narrow = wide;
  narrow.BitDepth = 8;
  for (std::size_t i = 0; i < wide.Samples.size(); ++i)
    narrow.Samples[i] = static_cast<std::uint16_t>(wide.Samples[i] * 255u / 65535u);
  const TPNGGraphic a = Decode(pngtest::BuildPng(wide)), b = Decode(pngtest::BuildPng(narrow));
  for (int y = 0; y < 9; ++y)
    for (int x = 0; x < 17; ++x) ASSERT_EQ(a.Bitmap().PixelAt(x, y), b.Bitmap().PixelAt(x, y));
  // 65535 -> 255, 65534 -> 254, 257 -> 1, 256 -> 0 (rounded down).
  PngSpec edge = MakeSpec(6, 16, 1, 1, 0);
  edge.Samples = {65535, 65534, 257, 256};
  EXPECT_EQ(Decode(pngtest::BuildPng(edge)).Bitmap().PixelAt(0, 0), gfx::RGB(255, 254, 1));
}

TEST(PngDecode, TextAndPhysicalSizeChunksAreIgnored) {
  PngSpec s = MakeSpec(2, 8, 5, 5, 4);
  s.Extra = {{"tEXt", {'C', 'o', 'm', 'm', 'e', 'n', 't', 0, 'h', 'i'}},
             {"pHYs", {0, 0, 11, 19, 0, 0, 11, 19, 1}},
             {"tEXt", {'A', 0, 'b'}, true}};
  ExpectPixels(Decode(pngtest::BuildPng(s)), s);
}

TEST(PngDecode, UnknownLowerCaseChunkIsSkippedUpperCaseFails) {
  PngSpec s = MakeSpec(2, 8, 4, 4, 4);
  s.Extra = {{"zzZz", {1, 2, 3}}};
  ExpectPixels(Decode(pngtest::BuildPng(s)), s);
  s.Extra = {{"ZzZz", {1, 2, 3}}};
  try {
    Decode(pngtest::BuildPng(s));
    FAIL() << "no exception";
  } catch (const image::EInvalidGraphic& e) {
    EXPECT_STREQ(e.what(), "Cannot load PNG image. Unexpected but critical chunk detected.");
  }
}

TEST(PngDecode, PaletteWithTransparencyDecodesWithoutTransparency) {
  PngSpec s = MakeSpec(3, 8, 6, 3, 8);
  s.Palette = FullPalette(256);
  s.Extra = {{"tRNS", {0, 10, 20, 255}}};
  const TPNGGraphic g = Decode(pngtest::BuildPng(s));
  EXPECT_EQ(g.Bitmap().Format(), PixelFormat::Indexed8);
  EXPECT_FALSE(g.Bitmap().Transparent());
  EXPECT_FALSE(g.Transparent());
  ExpectPixels(g, s);
  EXPECT_EQ(g.TransparencyTable()[1], 10);
  EXPECT_EQ(g.TransparencyTable()[4], 255);
}

TEST(PngDecode, GreyWithAlphaLosesItsAlpha) {
  PngSpec s = MakeSpec(4, 8, 3, 1, 0);
  s.Samples = {10, 0, 200, 128, 255, 255};
  const TPNGGraphic g = Decode(pngtest::BuildPng(s));
  EXPECT_EQ(g.Bitmap().Format(), PixelFormat::Indexed8);
  EXPECT_EQ(g.Bitmap().PixelAt(0, 0), gfx::RGB(10, 10, 10));
  EXPECT_EQ(g.Bitmap().PixelAt(1, 0), gfx::RGB(200, 200, 200));
  EXPECT_FALSE(g.Transparent());
}

TEST(PngDecode, TransparencyKeyOfGreyAndRgbImages) {
  struct Case {
    int ColorType, Depth;
    std::vector<std::uint8_t> Trns;
    gfx::Color Key;
  };
  const Case cases[] = {
      {0, 8, {0, 77}, gfx::RGB(77, 77, 77)},
      {0, 16, {0xFF, 0xFE}, gfx::RGB(254, 254, 254)},
      {0, 2, {0, 2}, gfx::RGB(170, 170, 170)},  // level 2 of 3: index 10 of the 16-level ramp
      {2, 8, {0, 1, 0, 2, 0, 3}, gfx::RGB(1, 2, 3)},
      {2, 16, {0xFF, 0xFF, 0x01, 0x01, 0x00, 0xFF}, gfx::RGB(255, 1, 0)},
  };
  for (const Case& c : cases) {
    PngSpec s = MakeSpec(c.ColorType, c.Depth, 2, 2, 1);
    s.Extra = {{"tRNS", c.Trns}};
    const TPNGGraphic g = Decode(pngtest::BuildPng(s));
    EXPECT_TRUE(g.Bitmap().Transparent());
    EXPECT_TRUE(g.Transparent());
    EXPECT_EQ(g.Bitmap().TransparentColor(), c.Key) << c.ColorType << "/" << c.Depth;
    EXPECT_EQ(g.TransparentKey(), c.Key);
  }
  // Types with alpha ignore tRNS.
  PngSpec s = MakeSpec(6, 8, 2, 2, 1);
  s.Extra = {{"tRNS", {0, 1, 0, 2, 0, 3}}};
  EXPECT_FALSE(Decode(pngtest::BuildPng(s)).Bitmap().Transparent());
}

TEST(PngDecode, ImageDataSplitOverManyChunksIncludingEmptyOnes) {
  PngSpec s = MakeSpec(6, 8, 31, 17, 21);
  s.Filters = {4, 1};
  const auto z = pngtest::Zlib(pngtest::Scanlines(s));
  // Header, an empty IDAT, then 1-byte pieces, then IEND.
  s.IdatPiece = 1;
  std::vector<std::uint8_t> split = pngtest::BuildRawPng(s, z);
  const auto empty = pngtest::Chunk("IDAT", {});
  const std::size_t ihdrEnd = 8 + 25;
  split.insert(split.begin() + ihdrEnd, empty.begin(), empty.end());
  ExpectPixels(Decode(split), s);
}

TEST(PngDecode, MissingImageDataLeavesTheBackground) {
  PngSpec s = MakeSpec(2, 8, 4, 4, 2);
  s.Extra = {{"bKGD", {0, 10, 0, 20, 0, 30}}};
  // Only the first two rows: a complete zlib stream of half the scanlines.
  auto lines = pngtest::Scanlines(s);
  lines.resize(lines.size() / 2);
  const TPNGGraphic g = Decode(pngtest::BuildRawPng(s, pngtest::Zlib(lines)));
  EXPECT_EQ(g.BackgroundColor(), gfx::RGB(10, 20, 30));
  EXPECT_EQ(g.Bitmap().PixelAt(0, 0), Expected(s, 0, 0));
  EXPECT_EQ(g.Bitmap().PixelAt(3, 1), Expected(s, 3, 1));
  EXPECT_EQ(g.Bitmap().PixelAt(0, 2), gfx::RGB(10, 20, 30));
  EXPECT_EQ(g.Bitmap().PixelAt(3, 3), gfx::RGB(10, 20, 30));

  // The IDAT run ends before the stream does.
  const auto z = pngtest::Zlib(pngtest::Scanlines(s));
  const auto cut =
      std::vector<std::uint8_t>(z.begin(), z.begin() + static_cast<std::ptrdiff_t>(z.size() / 2));
  const TPNGGraphic h = Decode(pngtest::BuildRawPng(s, cut));
  EXPECT_EQ(h.Bitmap().PixelAt(3, 3), gfx::RGB(10, 20, 30));
}

// The key marks the pixels whose samples in the file equal it: gamma and the
// reduction of 16-bit samples neither hide a keyed pixel nor make another one
// transparent. Each case holds one keyed pixel and one whose decoded colour
// would otherwise equal the key colour.
TEST(PngDecode, TransparencyKeyIsMatchedOnTheFilesSamples) {
  struct Case {
    const char* Name;
    int ColorType, Depth;
    std::vector<std::uint16_t> Samples;  // two pixels: keyed, then not keyed
    std::vector<std::uint8_t> Trns;
    bool Gamma1;  // gAMA of 1.0: samples brighten through the gamma table
  };
  const Case cases[] = {
      // 128 is the key; 56 becomes 128 through the gamma table.
      {"rgb8 gamma", 2, 8, {128, 128, 128, 56, 56, 56}, {0, 128, 0, 128, 0, 128}, true},
      {"grey8 gamma", 0, 8, {128, 56}, {0, 128}, true},
      // 51400 and 51401 both reduce to 200.
      {"rgb16",
       2,
       16,
       {51400, 51400, 51400, 51401, 51400, 51400},
       {0xC8, 0xC8, 0xC8, 0xC8, 0xC8, 0xC8},
       false},
      {"grey16", 0, 16, {65535, 65534}, {0xFF, 0xFF}, false},
      {"grey16 white key", 0, 16, {65535, 65534}, {0xFF, 0xFF}, true},
      // Palette levels are gamma-corrected; the key's level keeps its colour.
      {"grey2 gamma", 0, 2, {2, 1}, {0, 2}, true},
      {"grey4 gamma", 0, 4, {0, 1}, {0, 0}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    PngSpec s = MakeSpec(c.ColorType, c.Depth, 2, 1, 0);
    s.Samples = c.Samples;
    s.Extra = {{"tRNS", c.Trns}};
    if (c.Gamma1) s.Extra.push_back({"gAMA", {0, 1, 0x86, 0xA0}});
    for (bool interlaced : {false, true}) {
      s.Interlaced = interlaced;
      const TPNGGraphic g = Decode(pngtest::BuildPng(s));
      ASSERT_TRUE(g.Bitmap().Transparent());
      const gfx::Color key = g.Bitmap().TransparentColor();
      EXPECT_EQ(key, g.TransparentKey());
      EXPECT_EQ(g.Bitmap().PixelAt(0, 0), key) << "keyed pixel, interlaced " << interlaced;
      EXPECT_NE(g.Bitmap().PixelAt(1, 0), key) << "other pixel, interlaced " << interlaced;
    }
  }
}

TEST(PngDecode, LoadingAgainReplacesEverything) {
  PngSpec a = MakeSpec(2, 8, 3, 3, 1);
  a.Extra = {{"tRNS", {0, 1, 0, 2, 0, 3}}, {"bKGD", {0, 1, 0, 2, 0, 3}}};
  PngSpec b = MakeSpec(6, 8, 5, 2, 2);
  TPNGGraphic g;
  g.LoadFromBytes(pngtest::BuildPng(a));
  g.LoadFromBytes(pngtest::BuildPng(b));
  EXPECT_EQ(g.TransparentKey(), gfx::clNone);
  EXPECT_EQ(g.BackgroundColor(), gfx::clWhite);
  ExpectPixels(g, b);
}

TEST(PngDecode, ClearTransparentWhite) {
  gfx::Bitmap b = gfx::NewBitmap32(4, 1);
  b.SetPixelAt(0, 0, 0x00FFFFFF);  // white, alpha 0: cleared
  b.SetPixelAt(1, 0, 0x01FFFFFF);  // alpha 1: kept
  b.SetPixelAt(2, 0, 0x00FFFFFE);  // not white: kept
  b.SetPixelAt(3, 0, 0xFFFFFFFF);
  image::ClearTransparentWhite(b);
  EXPECT_EQ(b.PixelAt(0, 0), 0u);
  EXPECT_EQ(b.PixelAt(1, 0), 0x01FFFFFFu);
  EXPECT_EQ(b.PixelAt(2, 0), 0x00FFFFFEu);
  EXPECT_EQ(b.PixelAt(3, 0), 0xFFFFFFFFu);
  gfx::Bitmap c = gfx::NewBitmap24(1, 1);
  c.FillBytes(255);
  image::ClearTransparentWhite(c);
  EXPECT_EQ(c.PixelAt(0, 0), 0xFFFFFFu);
}

}  // namespace
