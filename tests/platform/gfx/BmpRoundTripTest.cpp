// Writing a bitmap of every format and reading it back must give the same
// pixels; the same file stored top-down must read the same too.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/BmpReader.h"
#include "platform/gfx/BmpWriter.h"

namespace gfx {
namespace {

struct RoundTrip {
  PixelFormat format;
  RowOrder order;
  int width;
  PixelFormat readBack;  // Gray8 comes back as Indexed8 with a grey palette
};

std::string Name(const ::testing::TestParamInfo<RoundTrip>& info) {
  return std::to_string(BitsPerPixel(info.param.format)) + "bpp" +
         (info.param.format == PixelFormat::Gray8 ? "Gray" : "") +
         (info.param.order == RowOrder::TopDown ? "TopDown" : "BottomUp") + "W" +
         std::to_string(info.param.width);
}

Bitmap Pattern(const RoundTrip& tc, int height) {
  Bitmap bmp(tc.width, height, tc.format, tc.order);
  const int bpp = BitsPerPixel(tc.format);
  if (bpp <= 8 && tc.format != PixelFormat::Gray8)
    for (int i = 0; i < (1 << bpp); ++i) bmp.Palette().push_back(RGB(i * 37, 255 - i, i * 5 + 1));
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < tc.width; ++x) {
      const std::uint32_t v = static_cast<std::uint32_t>(x * 2654435761u + y * 40503u + 7) * 2246822519u;
      bmp.SetPixelAt(x, y, v);
    }
  return bmp;
}

void ExpectSamePixels(const Bitmap& want, const Bitmap& got) {
  ASSERT_EQ(got.Width(), want.Width());
  ASSERT_EQ(got.Height(), want.Height());
  for (int y = 0; y < want.Height(); ++y)
    for (int x = 0; x < want.Width(); ++x)
      ASSERT_EQ(got.PixelAt(x, y), want.PixelAt(x, y)) << "pixel " << x << "," << y;
}

// Turns a bottom-up file as written by WriteBmp into the top-down form.
std::vector<std::uint8_t> ToTopDown(std::vector<std::uint8_t> file, const Bitmap& bmp) {
  const std::size_t offset = file[10] | (file[11] << 8) | (file[12] << 16);
  const std::size_t stride =
      (static_cast<std::size_t>(bmp.Width()) * BitsPerPixel(bmp.Format()) + 31) / 32 * 4;
  std::vector<std::uint8_t> flipped(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(offset));
  for (int y = bmp.Height() - 1; y >= 0; --y) {
    const auto row =
        file.begin() + static_cast<std::ptrdiff_t>(offset + static_cast<std::size_t>(y) * stride);
    flipped.insert(flipped.end(), row, row + static_cast<std::ptrdiff_t>(stride));
  }
  const std::uint32_t negative = static_cast<std::uint32_t>(-bmp.Height());
  for (int i = 0; i < 4; ++i) flipped[22 + i] = static_cast<std::uint8_t>(negative >> (8 * i));
  return flipped;
}

class BmpRoundTrip : public ::testing::TestWithParam<RoundTrip> {};

TEST_P(BmpRoundTrip, PixelsSurvive) {
  const RoundTrip tc = GetParam();
  const Bitmap original = Pattern(tc, 7);
  const std::vector<std::uint8_t> file = WriteBmp(original);

  const Bitmap back = ReadBmp(file);
  EXPECT_EQ(back.Format(), tc.readBack);
  EXPECT_LT(back.Stride(), 0) << "a bottom-up file keeps its row order";
  ExpectSamePixels(original, back);
  if (tc.format == PixelFormat::Gray8) {
    ASSERT_EQ(back.Palette().size(), 256u);
    for (int i = 0; i < 256; ++i) EXPECT_EQ(back.Palette()[static_cast<std::size_t>(i)], RGB(i, i, i));
  } else if (BitsPerPixel(tc.format) <= 8) {
    EXPECT_EQ(back.Palette(), original.Palette());
  }
  // Writing what was read gives the same file again.
  EXPECT_EQ(WriteBmp(back), file);

  const Bitmap topDown = ReadBmp(ToTopDown(file, original));
  EXPECT_GT(topDown.Stride(), 0);
  ExpectSamePixels(original, topDown);
}

std::vector<RoundTrip> AllRoundTrips() {
  std::vector<RoundTrip> cases;
  const PixelFormat formats[] = {PixelFormat::Indexed1, PixelFormat::Indexed4, PixelFormat::Indexed8,
                                 PixelFormat::Gray8,    PixelFormat::Bgr24,    PixelFormat::Bgra32};
  for (PixelFormat f : formats)
    for (RowOrder o : {RowOrder::TopDown, RowOrder::BottomUp})
      for (int w : {1, 5, 13, 33})
        cases.push_back({f, o, w, f == PixelFormat::Gray8 ? PixelFormat::Indexed8 : f});
  return cases;
}

INSTANTIATE_TEST_SUITE_P(EveryDepth, BmpRoundTrip, ::testing::ValuesIn(AllRoundTrips()), Name);

TEST(BmpWriter, PaletteFormsOfTheHeader) {
  // A short palette is written with its count; an empty one as 2^bpp blacks.
  Bitmap shortPal(3, 2, PixelFormat::Indexed8);
  shortPal.Palette() = {RGB(1, 2, 3), RGB(4, 5, 6)};
  shortPal.SetPixelAt(1, 0, 1);
  std::vector<std::uint8_t> f = WriteBmp(shortPal);
  EXPECT_EQ(f[46], 2);
  EXPECT_EQ(f[10], 14 + 40 + 2 * 4);
  Bitmap back = ReadBmp(f);
  EXPECT_EQ(back.Palette(), shortPal.Palette());
  EXPECT_EQ(back.PixelAt(1, 0), RGB(4, 5, 6));

  Bitmap noPal(3, 2, PixelFormat::Indexed4);
  f = WriteBmp(noPal);
  EXPECT_EQ(f[46], 16);
  back = ReadBmp(f);
  EXPECT_EQ(back.Palette(), std::vector<Color>(16, clBlack));
}

TEST(BmpWriter, ClearsUnusedBitsOfTheLastByte) {
  Bitmap a(3, 1, PixelFormat::Indexed1), b(3, 1, PixelFormat::Indexed1);
  a.Palette() = b.Palette() = {clBlack, clWhite};
  a.Scanline(0)[0] = 0xA0;
  b.Scanline(0)[0] = 0xBF;  // same three pixels, junk after them
  EXPECT_EQ(WriteBmp(a), WriteBmp(b));
}

TEST(BmpWriter, EmptyBitmapIsRejected) { EXPECT_THROW(WriteBmp(Bitmap()), std::invalid_argument); }

}  // namespace
}  // namespace gfx
