// TPNGGraphic on a canvas, assignment and the picture-format registry.
#include <gtest/gtest.h>

#include "image/SmoothStretch.h"
#include "image/acPNG.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/PngWriter.h"

namespace {

using image::TPNGGraphic;

int Mix(int d, int s, int a) { return (d * 256 + (s - d) * a) >> 8; }

gfx::Color Blended(gfx::Color dst, gfx::Color src) {
  const int a = static_cast<int>(src >> 24);
  return gfx::RGB(Mix(gfx::GetR(dst), gfx::GetR(src), a), Mix(gfx::GetG(dst), gfx::GetG(src), a),
                  Mix(gfx::GetB(dst), gfx::GetB(src), a));
}

gfx::Bitmap Picture(int w, int h) {
  gfx::Bitmap b = gfx::NewBitmap32(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      b.SetPixelAt(x, y, gfx::RGB(x * 20, y * 30, 100) | (static_cast<gfx::Color>(x * 40 + y * 5) << 24));
  return b;
}

gfx::Bitmap Filled24(int w, int h, gfx::Color c) {
  gfx::Bitmap b = gfx::NewBitmap24(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.SetPixelAt(x, y, c);
  return b;
}

TPNGGraphic Load(const gfx::Bitmap& b) {
  TPNGGraphic g;
  g.LoadFromBytes(gfx::EncodePng(b));
  return g;
}

TEST(PngDraw, AlphaPictureIsBlendedOverTheCanvas) {
  const gfx::Bitmap pic = Picture(6, 4);
  const TPNGGraphic g = Load(pic);
  const gfx::Color bg = gfx::RGB(200, 10, 60);
  gfx::Bitmap surface = Filled24(20, 20, bg);
  gfx::Canvas canvas(surface);
  canvas.SetOrigin({1, 2});
  g.Draw(canvas, gfx::Rect::FromXYWH(3, 4, 6, 4));
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x) {
      const bool inside = x >= 4 && x < 10 && y >= 6 && y < 10;
      ASSERT_EQ(surface.PixelAt(x, y), inside ? Blended(bg, pic.PixelAt(x - 4, y - 6)) : bg) << x << "," << y;
    }
}

TEST(PngDraw, ReflectionGoesBelowTheRectangle) {
  gfx::Bitmap white = gfx::NewBitmap32(4, 8);
  white.FillBytes(255);
  TPNGGraphic g = Load(white);
  g.SetReflected(true);
  gfx::Bitmap surface = Filled24(4, 20, gfx::clBlack);
  gfx::Canvas canvas(surface);
  g.Draw(canvas, gfx::Rect::FromXYWH(0, 0, 4, 8));
  EXPECT_EQ(surface.PixelAt(0, 7), gfx::RGB(254, 254, 254));
  EXPECT_EQ(surface.PixelAt(0, 8), gfx::clBlack);
  // The work area is 8 + 4 rows: n = min(4, 12 - 8 - 1) = 3 rows, fade 255
  // dropping by 255 div 4 = 63 (255, 192, 129): weights r * 85 div 255 =
  // 85, 64, 43, giving 255 * w >> 8.
  EXPECT_EQ(surface.PixelAt(0, 9), gfx::RGB(84, 84, 84));
  EXPECT_EQ(surface.PixelAt(0, 10), gfx::RGB(63, 63, 63));
  EXPECT_EQ(surface.PixelAt(0, 11), gfx::RGB(42, 42, 42));
  EXPECT_EQ(surface.PixelAt(0, 12), gfx::clBlack);
}

TEST(PngDraw, OtherSizesStretchColourAndAlphaThenBlend) {
  const gfx::Bitmap pic = Picture(5, 3);
  TPNGGraphic g = Load(pic);
  g.SetReflected(true);  // no reflection when scaling
  const gfx::Color bg = gfx::RGB(0, 128, 255);
  gfx::Bitmap surface = Filled24(16, 16, bg);
  gfx::Canvas canvas(surface);
  g.Draw(canvas, gfx::Rect::FromXYWH(0, 0, 13, 7));
  const gfx::Bitmap scaled = image::SmoothStretch32(pic, 13, 7);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x)
      ASSERT_EQ(surface.PixelAt(x, y), x < 13 && y < 7 ? Blended(bg, scaled.PixelAt(x, y)) : bg)
          << x << "," << y;
}

TEST(PngDraw, PicturesWithoutAlphaAreDrawnPlainKeyColourLeftOut) {
  gfx::Bitmap rgb = Filled24(3, 2, gfx::RGB(1, 2, 3));
  rgb.SetPixelAt(1, 1, gfx::RGB(9, 9, 9));
  std::vector<std::uint8_t> png = gfx::EncodePng(rgb);
  TPNGGraphic g;
  g.LoadFromBytes(png);
  gfx::Bitmap surface = Filled24(5, 5, gfx::clWhite);
  gfx::Canvas canvas(surface);
  g.Draw(canvas, gfx::Rect::FromXYWH(1, 1, 3, 2));
  EXPECT_EQ(surface.PixelAt(1, 1), gfx::RGB(1, 2, 3));
  EXPECT_EQ(surface.PixelAt(2, 2), gfx::RGB(9, 9, 9));
  EXPECT_EQ(surface.PixelAt(0, 0), gfx::clWhite);

  // The same with a transparent key of (1, 2, 3) from tRNS.
  gfx::Bitmap keyed = g.Bitmap();
  keyed.SetTransparent(true);
  keyed.SetTransparentColor(gfx::RGB(1, 2, 3));
  TPNGGraphic k;
  k.Bitmap() = keyed;
  gfx::Bitmap surface2 = Filled24(5, 5, gfx::clWhite);
  gfx::Canvas canvas2(surface2);
  k.Draw(canvas2, gfx::Rect::FromXYWH(1, 1, 3, 2));
  EXPECT_EQ(surface2.PixelAt(1, 1), gfx::clWhite);
  EXPECT_EQ(surface2.PixelAt(2, 2), gfx::RGB(9, 9, 9));
}

class PlainGraphic : public gfx::Graphic {
 public:
  explicit PlainGraphic(gfx::Bitmap b) : b_(std::move(b)) {}
  int Width() const override { return b_.Width(); }
  int Height() const override { return b_.Height(); }
  bool Transparent() const override { return false; }
  void Draw(gfx::Canvas& c, const gfx::Rect& r) const override { c.DrawBitmap(r.Left, r.Top, b_); }
  void LoadFromBytes(std::span<const std::uint8_t>) override {}
  void Assign(const gfx::Graphic&) override {}

 private:
  gfx::Bitmap b_;
};

class DrawnGraphic : public PlainGraphic {
 public:
  using PlainGraphic::PlainGraphic;
  const gfx::Bitmap* AsBitmap() const override { return nullptr; }
};

TEST(PngDraw, Assign) {
  TPNGGraphic a = Load(Picture(3, 3));
  a.SetReflected(true);
  TPNGGraphic b;
  b.Assign(a);
  EXPECT_TRUE(b.Reflected());
  EXPECT_EQ(b.ImageProperties().ColorType, 6);
  EXPECT_EQ(b.Bitmap().PixelAt(2, 1), a.Bitmap().PixelAt(2, 1));

  const gfx::Bitmap rgb = Picture(2, 2).ConvertTo(gfx::PixelFormat::Bgr24);
  b.Assign(DrawnGraphic(rgb));
  EXPECT_EQ(b.Width(), 2);
  EXPECT_EQ(b.Bitmap().PixelAt(1, 1), rgb.PixelAt(1, 1));
  EXPECT_EQ(b.ImageProperties().ColorType, 0);
}

TEST(PictureFormats, PngIsRegisteredOnceAndFoundInAnyCase) {
  image::RegisterPngFormat();
  image::RegisterPngFormat();
  int found = 0;
  for (const auto& f : gfx::PictureFormats::List())
    if (f.Extension == "png") ++found;
  EXPECT_EQ(found, 1);
  EXPECT_EQ(gfx::PictureFormats::Description("PNG"), "Portable network graphics (Kavrel)");
  EXPECT_TRUE(gfx::PictureFormats::IsRegistered(".Png"));
  auto g = gfx::PictureFormats::Create("pNg");
  ASSERT_NE(g, nullptr);
  EXPECT_NE(dynamic_cast<TPNGGraphic*>(g.get()), nullptr);
  EXPECT_EQ(gfx::PictureFormats::Create("bmpx"), nullptr);
  EXPECT_EQ(gfx::PictureFormats::Description("bmpx"), "");
}

TEST(PictureFormats, RegisteringAgainReplacesUnregisterRemoves) {
  gfx::PictureFormats::Register("tst", "first", [] { return std::make_unique<TPNGGraphic>(); });
  gfx::PictureFormats::Register("TST", "second", nullptr);
  EXPECT_EQ(gfx::PictureFormats::Description("tst"), "second");
  EXPECT_EQ(gfx::PictureFormats::Create("tst"), nullptr);
  gfx::PictureFormats::Unregister("Tst");
  EXPECT_FALSE(gfx::PictureFormats::IsRegistered("tst"));
}

}  // namespace
