// The row converter's guards and its handling of interlaced placement.
#include <gtest/gtest.h>

#include "image/GraphicErrors.h"
#include "image/acColorManager.h"

namespace {

using image::TColorManager;
using image::TColorScheme;

std::string PrepareError(TColorScheme src, int srcBits, int srcSamples, TColorScheme dst, int dstBits,
                         int dstSamples) {
  TColorManager cm;
  cm.SetSourceFormat(src, srcBits, srcSamples);
  cm.SetTargetFormat(dst, dstBits, dstSamples);
  try {
    cm.Prepare();
    return "";
  } catch (const image::EColorConversionError& e) {
    return e.what();
  }
}

TEST(ColorManager, Guards) {
  using S = TColorScheme;
  EXPECT_EQ(PrepareError(S::csIndexed, 8, 1, S::csBGR, 8, 3),
            "Conversion between indexed and non-indexed pixel formats is not supported.");
  EXPECT_EQ(PrepareError(S::csRGB, 8, 3, S::csIndexed, 8, 1),
            "Conversion between indexed and non-indexed pixel formats is not supported.");
  EXPECT_EQ(PrepareError(S::csRGB, 3, 3, S::csBGR, 8, 3),
            "Color depth is invalid. Bits per sample must be 1, 2, 4, 8 or 16.");
  EXPECT_EQ(PrepareError(S::csRGB, 8, 3, S::csBGR, 12, 3),
            "Color depth is invalid. Bits per sample must be 1, 2, 4, 8 or 16.");
  EXPECT_EQ(PrepareError(S::csRGB, 8, 4, S::csBGR, 8, 3),
            "Sample count per pixel does not correspond to the given color scheme.");
  EXPECT_EQ(PrepareError(S::csCMYK, 8, 4, S::csBGR, 8, 3),
            "Color conversion failed. Could not find a proper method.");
  EXPECT_EQ(PrepareError(S::csRGB, 4, 3, S::csBGR, 8, 3),
            "Color conversion failed. Could not find a proper method.");
  EXPECT_EQ(PrepareError(S::csRGB, 8, 3, S::csBGR, 8, 3), "");
}

TEST(ColorManager, InterlacedPlacementKeepsTheNeighbours) {
  TColorManager cm;
  cm.SetSourceFormat(TColorScheme::csIndexed, 1, 1);
  cm.SetTargetFormat(TColorScheme::csIndexed, 1, 1);
  std::uint8_t row[2] = {0x00, 0xFF};
  const std::uint8_t src[1] = {0xC0};  // samples 1, 1
  cm.ConvertRow(src, row, 2, 3, 8);    // pixels 3 and 11
  EXPECT_EQ(row[0], 0x10);
  EXPECT_EQ(row[1], 0xFF);
  const std::uint8_t zero[1] = {0x00};
  cm.ConvertRow(zero, row, 2, 3, 8);
  EXPECT_EQ(row[0], 0x00);
  EXPECT_EQ(row[1], 0xEF);
}

TEST(ColorManager, LittleEndianSixteenBitSamples) {
  TColorManager cm;
  cm.SetSourceFormat(TColorScheme::csRGB, 16, 3, image::TByteOrder::LittleEndian);
  cm.SetTargetFormat(TColorScheme::csBGR, 8, 3);
  const std::uint8_t src[6] = {0xFF, 0xFF, 0x01, 0x01, 0x00, 0x01};  // 65535, 257, 256
  std::uint8_t out[3] = {};
  cm.ConvertRow(src, out, 1);
  EXPECT_EQ(out[0], 0);  // blue: 256 -> 0
  EXPECT_EQ(out[1], 1);
  EXPECT_EQ(out[2], 255);
}

}  // namespace
