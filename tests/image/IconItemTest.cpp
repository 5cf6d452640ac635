// Icon items of the alpha image list: DIB entries with alpha or with an AND
// mask, PNG entries, the choice of entry, and damaged files.
#include <gtest/gtest.h>

#include "image/GraphicErrors.h"
#include "image/IconReader.h"
#include "image/acAlphaImageList.h"
#include "platform/gfx/PngWriter.h"

namespace {

void Put16(std::vector<std::uint8_t>& v, unsigned x) {
  v.push_back(static_cast<std::uint8_t>(x));
  v.push_back(static_cast<std::uint8_t>(x >> 8));
}
void Put32(std::vector<std::uint8_t>& v, std::uint32_t x) {
  for (int i = 0; i < 4; ++i) v.push_back(static_cast<std::uint8_t>(x >> (8 * i)));
}

// A DIB entry (header, colour rows, AND mask rows, all bottom-up) of a
// picture given by colour(x, y) (0xAARRGGBB-free: Color with alpha in the high
// byte) and mask(x, y) (true = transparent).
template <typename ColourFn, typename MaskFn>
std::vector<std::uint8_t> Dib(int w, int h, int bits, ColourFn colour, MaskFn mask) {
  std::vector<std::uint8_t> d;
  Put32(d, 40);
  Put32(d, static_cast<std::uint32_t>(w));
  Put32(d, static_cast<std::uint32_t>(2 * h));
  Put16(d, 1);
  Put16(d, static_cast<unsigned>(bits));
  for (int i = 0; i < 6; ++i) Put32(d, 0);
  for (int y = h - 1; y >= 0; --y) {
    std::size_t n = 0;
    for (int x = 0; x < w; ++x) {
      const gfx::Color c = colour(x, y);
      d.push_back(static_cast<std::uint8_t>(gfx::GetB(c)));
      d.push_back(static_cast<std::uint8_t>(gfx::GetG(c)));
      d.push_back(static_cast<std::uint8_t>(gfx::GetR(c)));
      n += 3;
      if (bits == 32) {
        d.push_back(static_cast<std::uint8_t>(c >> 24));
        ++n;
      }
    }
    for (; n % 4 != 0; ++n) d.push_back(0);
  }
  for (int y = h - 1; y >= 0; --y) {
    std::vector<std::uint8_t> row(static_cast<std::size_t>((w + 31) / 32 * 4), 0);
    for (int x = 0; x < w; ++x)
      if (mask(x, y)) row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    d.insert(d.end(), row.begin(), row.end());
  }
  return d;
}

struct IconEntry {
  int W, H, Bits;
  std::vector<std::uint8_t> Data;
};

std::vector<std::uint8_t> Ico(const std::vector<IconEntry>& entries) {
  std::vector<std::uint8_t> f;
  Put16(f, 0);
  Put16(f, 1);
  Put16(f, static_cast<unsigned>(entries.size()));
  std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(entries.size());
  for (const IconEntry& e : entries) {
    f.push_back(static_cast<std::uint8_t>(e.W & 0xFF));
    f.push_back(static_cast<std::uint8_t>(e.H & 0xFF));
    f.push_back(0);
    f.push_back(0);
    Put16(f, 1);
    Put16(f, static_cast<unsigned>(e.Bits));
    Put32(f, static_cast<std::uint32_t>(e.Data.size()));
    Put32(f, offset);
    offset += static_cast<std::uint32_t>(e.Data.size());
  }
  for (const IconEntry& e : entries) f.insert(f.end(), e.Data.begin(), e.Data.end());
  return f;
}

gfx::Color Alpha32(int x, int y) {
  return gfx::RGB(x * 10, y * 10, 77) | (static_cast<gfx::Color>(x * 16 + y) << 24);
}

TEST(IconItems, PicksTheWantedSizeAndKeepsAlpha) {
  const auto ico = Ico({{32, 32, 32, Dib(32, 32, 32, Alpha32, [](int, int) { return false; })},
                        {16, 16, 32, Dib(16, 16, 32, Alpha32, [](int, int) { return false; })}});
  const gfx::Bitmap b = image::ReadIcon(ico, {16, 16});
  ASSERT_EQ(b.Width(), 16);
  EXPECT_EQ(b.PixelAt(3, 5), Alpha32(3, 5));
  EXPECT_EQ(b.PixelAt(15, 0), Alpha32(15, 0));
  EXPECT_EQ(image::ReadIcon(ico, {48, 48}).Width(), 32);  // no such size: the largest
}

TEST(IconItems, TwentyFourBitIconTakesItsAlphaFromTheMask) {
  auto colour = [](int x, int y) { return gfx::RGB(x * 20, y * 20, 5); };
  auto mask = [](int x, int y) { return x == y; };
  const gfx::Bitmap b = image::ReadIcon(Ico({{9, 9, 24, Dib(9, 9, 24, colour, mask)}}), {9, 9});
  EXPECT_EQ(b.PixelAt(2, 3), gfx::RGB(40, 60, 5) | 0xFF000000u);
  EXPECT_EQ(b.PixelAt(4, 4) >> 24, 0u);
  EXPECT_EQ(b.PixelAt(8, 8) >> 24, 0u);
}

TEST(IconItems, PngEntriesAndTheImageList) {
  gfx::Bitmap pic = gfx::NewBitmap32(8, 8);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) pic.SetPixelAt(x, y, Alpha32(x, y));
  image::TsAlphaImageList list;
  list.SetSize(8, 8);
  list.Items().Add(
      {image::TsImageFormat::ifICO, gfx::PixelFormat::Bgra32, Ico({{8, 8, 32, gfx::EncodePng(pic)}})});
  list.Items().Add({image::TsImageFormat::ifICO, gfx::PixelFormat::Bgra32,
                    Ico({{4, 4, 32, Dib(4, 4, 32, Alpha32, [](int, int) { return false; })}})});
  gfx::Bitmap out;
  ASSERT_TRUE(list.ItemImage32(0, out));
  EXPECT_EQ(out.PixelAt(5, 6), Alpha32(5, 6));
  ASSERT_TRUE(list.ItemImage32(1, out));  // 4 x 4 doubled to the list's size
  EXPECT_EQ(out.Width(), 8);
  EXPECT_EQ(out.PixelAt(7, 3), Alpha32(3, 1));
}

TEST(IconItems, DamagedIconsAreRejected) {
  const auto good = Ico({{4, 4, 32, Dib(4, 4, 32, Alpha32, [](int, int) { return false; })}});
  EXPECT_NO_THROW(image::ReadIcon(good, {4, 4}));
  for (std::size_t n = 0; n < good.size(); ++n) {
    const std::vector<std::uint8_t> cut(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(n));
    EXPECT_THROW(image::ReadIcon(cut, {4, 4}), std::exception) << n;
  }
  auto wrongType = good;
  wrongType[2] = 3;
  EXPECT_THROW(image::ReadIcon(wrongType, {4, 4}), image::EInvalidGraphic);
  auto farOffset = good;
  farOffset[6 + 12 + 3] = 0x7F;
  EXPECT_THROW(image::ReadIcon(farOffset, {4, 4}), image::EInvalidGraphic);
  image::TsAlphaImageList list;
  list.Items().Add({image::TsImageFormat::ifICO, gfx::PixelFormat::Bgra32, farOffset});
  gfx::Bitmap out;
  EXPECT_FALSE(list.ItemImage32(0, out));
}

}  // namespace
