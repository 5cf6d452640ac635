// The picture of a skinned button drawn into a 24-bit cache goes through the
// vectorised alpha copy; it must give the bytes of the picture blend it
// replaces, for every placement, clipping, blend, grey tint and row order.
#include "skin/controls/ButtonPicture.h"

#include <gtest/gtest.h>

#include <random>

#include "image/PictureBlend.h"

namespace skin {
namespace {

gfx::Bitmap RandomBitmap(gfx::PixelFormat f, int w, int h, gfx::RowOrder order, std::mt19937& rng) {
  gfx::Bitmap b(w, h, f, order);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.SetPixelAt(x, y, static_cast<gfx::Color>(rng()));
  return b;
}

// A 32-bit glyph with alpha 0, 255, mid values and holes; at least one
// pixel opaque, so that it is drawn with its alpha (not keyed).
gfx::Bitmap Glyph(int w, int h, gfx::RowOrder order, std::mt19937& rng) {
  gfx::Bitmap g = RandomBitmap(gfx::PixelFormat::Bgra32, w, h, order, rng);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const gfx::Color c = g.PixelAt(x, y) & 0xFFFFFF;
      switch ((x + 3 * y) % 7) {
        case 0: g.SetPixelAt(x, y, c); break;                // alpha 0
        case 1: g.SetPixelAt(x, y, 0xFF000000u | c); break;  // opaque
        case 2: g.SetPixelAt(x, y, 0x00FF00FFu); break;      // a hole
        default: break;                                      // random alpha
      }
    }
  g.SetPixelAt(0, 0, 0xFF000000u | g.PixelAt(0, 0));
  return g;
}

TEST(ButtonPictureTest, CacheBlendEqualsThePictureBlend) {
  std::mt19937 rng(2024);
  const int blends[] = {0, 50, 100, 37};
  const gfx::Color grays[] = {gfx::clNone, gfx::RGB(255, 128, 0)};
  for (gfx::RowOrder dstOrder : {gfx::RowOrder::TopDown, gfx::RowOrder::BottomUp})
    for (gfx::RowOrder srcOrder : {gfx::RowOrder::TopDown, gfx::RowOrder::BottomUp})
      for (int round = 0; round < 40; ++round) {
        const int frames = 1 + round % 3;
        const int fw = 1 + static_cast<int>(rng() % 70), fh = 1 + static_cast<int>(rng() % 20);
        const gfx::Bitmap glyph = Glyph(fw * frames, fh, srcOrder, rng);
        const int tw = 1 + static_cast<int>(rng() % 80), th = 1 + static_cast<int>(rng() % 24);
        // Placements inside, across every edge and wholly outside.
        const gfx::Point at{static_cast<int>(rng() % (tw + fw + 10)) - fw - 5,
                            static_cast<int>(rng() % (th + fh + 6)) - fh - 3};
        ButtonPicture p;
        p.Glyph = &glyph;
        p.NumGlyphs = frames;
        p.Frame = round % frames;
        p.BlendPercent = blends[round % 4];
        p.Gray = grays[(round / 4) % 2];
        ASSERT_FALSE(p.KeyedGlyph());
        const gfx::Bitmap target = RandomBitmap(gfx::PixelFormat::Bgr24, tw, th, dstOrder, rng);
        gfx::Bitmap drawn = target, expected = target;
        DrawButtonPicture(drawn, at, p);
        image::AlphaBlendPicture(expected, gfx::Rect::FromXYWH(at.X, at.Y, fw, fh), glyph,
                                 gfx::Rect::FromXYWH(fw * p.Frame, 0, fw, fh), false, p.BlendPercent, p.Gray);
        for (int y = 0; y < th; ++y)
          for (int x = 0; x < tw; ++x)
            ASSERT_EQ(drawn.PixelAt(x, y), expected.PixelAt(x, y))
                << "pixel " << x << "," << y << " round " << round << " frame " << fw << "x" << fh << " at "
                << at.X << "," << at.Y << " blend " << p.BlendPercent;
      }
}

TEST(ButtonPictureTest, KeyedGlyphEqualsThePictureBlendOfItsKeyedFrame) {
  // A 24-bit glyph: its bottom-left pixel's colour is transparent, the rest
  // opaque, drawn at 50 % (a disabled button).
  const gfx::Color key = gfx::RGB(0, 255, 0);
  gfx::Bitmap glyph(13, 5, gfx::PixelFormat::Bgr24, gfx::RowOrder::BottomUp);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 13; ++x) glyph.SetPixelAt(x, y, (x + y) % 3 == 0 ? key : gfx::RGB(10 * x, 40 * y, 200));
  glyph.SetPixelAt(0, 4, key);
  gfx::Bitmap keyed(13, 5, gfx::PixelFormat::Bgra32);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 13; ++x) {
      const gfx::Color c = glyph.PixelAt(x, y);
      keyed.SetPixelAt(x, y, c == key ? c : 0xFF000000u | c);
    }
  ButtonPicture p;
  p.Glyph = &glyph;
  p.BlendPercent = 50;
  ASSERT_TRUE(p.KeyedGlyph());
  std::mt19937 rng(7);
  const gfx::Bitmap target = RandomBitmap(gfx::PixelFormat::Bgr24, 20, 9, gfx::RowOrder::TopDown, rng);
  gfx::Bitmap drawn = target, expected = target;
  DrawButtonPicture(drawn, {3, 2}, p);
  image::AlphaBlendPicture(expected, gfx::Rect::FromXYWH(3, 2, 13, 5), keyed, keyed.Bounds(), false, 50);
  for (int y = 0; y < 9; ++y)
    for (int x = 0; x < 20; ++x) ASSERT_EQ(drawn.PixelAt(x, y), expected.PixelAt(x, y)) << x << "," << y;
}

}  // namespace
}  // namespace skin
