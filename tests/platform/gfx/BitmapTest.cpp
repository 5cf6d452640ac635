#include "platform/gfx/Bitmap.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace gfx {
namespace {

TEST(Bitmap, StrideIsPaddedAndNegativeForBottomUp) {
  Bitmap top(5, 3, PixelFormat::Bgr24);
  EXPECT_EQ(top.Stride(), 16);
  Bitmap bottom(5, 3, PixelFormat::Bgr24, RowOrder::BottomUp);
  EXPECT_EQ(bottom.Stride(), -16);
  EXPECT_EQ(bottom.Scanline(0) - bottom.Scanline(2), 32);
}

TEST(Bitmap, PixelRoundTripInEveryFormat) {
  struct Case {
    PixelFormat format;
    Color written;
    Color read;
  };
  const Case cases[] = {
      {PixelFormat::Bgr24, RGB(1, 2, 3), RGB(1, 2, 3)},
      {PixelFormat::Bgra32, RGB(1, 2, 3) | 0x80000000u, RGB(1, 2, 3) | 0x80000000u},
      {PixelFormat::Gray8, 77, RGB(77, 77, 77)},
      {PixelFormat::Indexed8, 2, RGB(30, 20, 10)},
      {PixelFormat::Indexed4, 2, RGB(30, 20, 10)},
      {PixelFormat::Indexed1, 1, RGB(9, 9, 9)},
  };
  for (const auto& c : cases) {
    for (RowOrder order : {RowOrder::TopDown, RowOrder::BottomUp}) {
      Bitmap b(11, 4, c.format, order);
      b.Palette() = {0, RGB(9, 9, 9), RGB(30, 20, 10)};
      b.SetPixelAt(9, 2, c.written);
      EXPECT_EQ(b.PixelAt(9, 2), c.read) << static_cast<int>(c.format);
      EXPECT_EQ(b.PixelAt(8, 2) & 0xFFFFFF, 0u);
      Bitmap full = b.ConvertTo(PixelFormat::Bgra32);
      EXPECT_EQ(full.PixelAt(9, 2) & 0xFFFFFF, c.read & 0xFFFFFF);
    }
  }
}

TEST(Bitmap, ConversionsKeepOrDropAlpha) {
  Bitmap b32 = NewBitmap32(2, 2);
  b32.SetPixelAt(1, 1, 0x40112233);
  Bitmap b24 = b32.ConvertTo(PixelFormat::Bgr24);
  EXPECT_EQ(b24.PixelAt(1, 1), 0x112233u);
  EXPECT_EQ(b24.ConvertTo(PixelFormat::Bgra32).PixelAt(1, 1), 0xFF112233u);
  EXPECT_THROW(b24.ConvertTo(PixelFormat::Indexed8), std::invalid_argument);
}

TEST(Bitmap, RejectsAbsurdSizes) {
  EXPECT_THROW(Bitmap(-1, 1, PixelFormat::Bgr24), std::length_error);
  EXPECT_THROW(Bitmap(30000, 30000, PixelFormat::Bgra32), std::length_error);
}

}  // namespace
}  // namespace gfx

TEST(Bitmap, FillingABitmapWithoutPixelsDoesNothing) {
  for (const auto& [w, h] : {std::pair{0, 5}, std::pair{5, 0}, std::pair{0, 0}}) {
    gfx::Bitmap b(w, h, gfx::PixelFormat::Bgr24);
    b.FillBytes(0xAB);  // under UBSan a memset on a null row would stop here
    EXPECT_EQ(b.Width(), w);
    EXPECT_EQ(b.Height(), h);
  }
}
