// The alpha image list: item images, resampling, key alpha, frame drawing,
// drawing on a canvas, assignment and change reports.
#include <gtest/gtest.h>

#include "image/acAlphaImageList.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/PngWriter.h"

namespace {

using image::TsAlphaImageList;

// A 32-bit picture whose every pixel differs: colour from the position,
// alpha varying over the whole range.
gfx::Bitmap Picture(int w, int h) {
  gfx::Bitmap b = gfx::NewBitmap32(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      b.SetPixelAt(x, y,
                   gfx::RGB(x & 255, y & 255, (x * 3 + y) & 255) |
                       (static_cast<gfx::Color>((x * 7 + y * 3) & 255) << 24));
  return b;
}

gfx::Bitmap Filled24(int w, int h, gfx::Color c) {
  gfx::Bitmap b = gfx::NewBitmap24(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.SetPixelAt(x, y, c);
  return b;
}

// One channel blended as the list draws: (d * 256 + (s - d) * a) >> 8.
int Mix(int d, int s, int a) { return (d * 256 + (s - d) * a) >> 8; }

gfx::Color Blended(gfx::Color dst, gfx::Color src, int a) {
  return gfx::RGB(Mix(gfx::GetR(dst), gfx::GetR(src), a), Mix(gfx::GetG(dst), gfx::GetG(src), a),
                  Mix(gfx::GetB(dst), gfx::GetB(src), a));
}

struct TileList {
  TsAlphaImageList List;
  gfx::Bitmap Dark = Picture(200, 200);
  TileList() {
    List.SetSize(200, 200);
    List.Items().AddPng(gfx::EncodePng(Dark));
    List.Items().AddPng(gfx::EncodePng(Picture(200, 200)));
  }
};

TEST(AlphaImageList, DefaultsAndCountsFromTheItems) {
  TsAlphaImageList list;
  EXPECT_EQ(list.Width(), 16);
  EXPECT_EQ(list.Height(), 16);
  EXPECT_EQ(list.Count(), 0);
  EXPECT_TRUE(list.HasNativeList());
  int changes = 0;
  list.AddChangeLink([&] { ++changes; });
  list.Items().AddPng(gfx::EncodePng(Picture(16, 16)));
  EXPECT_EQ(list.Count(), 1);
  EXPECT_EQ(changes, 1);
  list.Items().Delete(0);
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(changes, 2);
}

TEST(AlphaImageList, LoadingDefersTheNativeList) {
  TsAlphaImageList list(/*loading=*/true);
  int changes = 0;
  list.AddChangeLink([&] { ++changes; });
  list.SetSize(200, 200);
  list.Items().AddPng(gfx::EncodePng(Picture(200, 200)));
  EXPECT_FALSE(list.HasNativeList());
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(changes, 0);
  gfx::Bitmap out;
  EXPECT_FALSE(list.ItemImage32(0, out));
  list.Loaded();
  EXPECT_TRUE(list.NativeListBuilt());
  EXPECT_EQ(list.Count(), 1);
  EXPECT_TRUE(list.ItemImage32(0, out));
}

TEST(AlphaImageList, ItemImage32OfTheListsSizeIsTheDecodedPicture) {
  TileList t;
  gfx::Bitmap out;
  ASSERT_TRUE(t.List.ItemImage32(0, out));
  ASSERT_EQ(out.Format(), gfx::PixelFormat::Bgra32);
  for (int y = 0; y < 200; y += 7)
    for (int x = 0; x < 200; x += 3) ASSERT_EQ(out.PixelAt(x, y), t.Dark.PixelAt(x, y));
  EXPECT_FALSE(t.List.ItemImage32(-1, out));
  EXPECT_FALSE(t.List.ItemImage32(2, out));  // equal to the item count
}

TEST(AlphaImageList, SmallerItemIsResampledToTheListsSize) {
  TsAlphaImageList list;
  list.SetSize(200, 200);
  const gfx::Bitmap small = Picture(100, 100);
  list.Items().AddPng(gfx::EncodePng(small));
  gfx::Bitmap out;
  ASSERT_TRUE(list.ItemImage32(0, out));
  ASSERT_EQ(out.Width(), 200);
  ASSERT_EQ(out.Height(), 200);
  // Doubling with area averaging repeats every source pixel 2 x 2 times.
  for (int y = 0; y < 200; ++y)
    for (int x = 0; x < 200; ++x) ASSERT_EQ(out.PixelAt(x, y), small.PixelAt(x / 2, y / 2)) << x << "," << y;

  // ... and that is what DrawItemFrame blends.
  gfx::Bitmap target = Filled24(200, 200, gfx::RGB(9, 99, 199));
  image::DrawItemFrame(list, target, 0, 0, 1, 0, 0, 0, gfx::clNone, false);
  const gfx::Color s = small.PixelAt(30, 20);
  EXPECT_EQ(target.PixelAt(61, 40), Blended(gfx::RGB(9, 99, 199), s, static_cast<int>(s >> 24)));
}

TEST(AlphaImageList, OpaquePictureGetsKeyAlphaFromItsBottomLeftColour) {
  gfx::Bitmap rgb = Filled24(200, 200, gfx::RGB(10, 20, 30));
  for (int x = 0; x < 200; ++x) rgb.SetPixelAt(x, 5, gfx::RGB(200, 0, 0));
  rgb.SetPixelAt(7, 7, gfx::RGB(10, 20, 31));
  TsAlphaImageList list;
  list.SetSize(200, 200);
  list.Items().AddPng(gfx::EncodePng(rgb));
  gfx::Bitmap out;
  ASSERT_TRUE(list.ItemImage32(0, out));
  EXPECT_EQ(out.PixelAt(0, 199) >> 24, 0u);
  EXPECT_EQ(out.PixelAt(100, 100) >> 24, 0u);
  EXPECT_EQ(out.PixelAt(50, 5), gfx::RGB(200, 0, 0) | 0xFF000000u);
  EXPECT_EQ(out.PixelAt(7, 7) >> 24, 255u);
}

TEST(AlphaImageList, DeriveKeyAlphaLeavesPicturesWithAlphaAlone) {
  gfx::Bitmap b = gfx::NewBitmap32(3, 2);
  b.SetPixelAt(0, 1, gfx::RGB(1, 2, 3));
  b.SetPixelAt(1, 0, gfx::RGB(4, 5, 6));
  image::DeriveKeyAlpha(b);
  EXPECT_EQ(b.PixelAt(0, 1), gfx::RGB(1, 2, 3));
  EXPECT_EQ(b.PixelAt(1, 0), gfx::RGB(4, 5, 6) | 0xFF000000u);
  EXPECT_EQ(b.PixelAt(2, 0), 0xFF000000u);  // black differs from the key
  gfx::Bitmap c = gfx::NewBitmap32(2, 1);
  c.SetPixelAt(1, 0, 0x01000000u);
  image::DeriveKeyAlpha(c);
  EXPECT_EQ(c.PixelAt(0, 0), 0u);
}

TEST(AlphaImageList, DrawItemFrameWithOneFrameDrawsTheWholePicture) {
  TileList t;
  const gfx::Color bg = gfx::RGB(40, 120, 250);
  gfx::Bitmap target = Filled24(200, 200, bg);
  const gfx::Size size = image::DrawItemFrame(t.List, target, 0, 0, 1, 0, 0, 0, gfx::clNone, false);
  EXPECT_EQ(size, (gfx::Size{200, 200}));
  for (int y = 0; y < 200; ++y)
    for (int x = 0; x < 200; ++x) {
      const gfx::Color s = t.Dark.PixelAt(x, y);
      ASSERT_EQ(target.PixelAt(x, y), Blended(bg, s, static_cast<int>(s >> 24))) << x << "," << y;
    }
}

TEST(AlphaImageList, DrawItemFrameThreeFramesIndexFiveDrawsTheThird) {
  TileList t;
  const gfx::Color bg = gfx::RGB(1, 2, 3);
  gfx::Bitmap target = Filled24(300, 250, bg);
  const gfx::Size size = image::DrawItemFrame(t.List, target, 20, 30, 3, 5, 0, 0, gfx::clNone, false);
  EXPECT_EQ(size, (gfx::Size{66, 200}));
  for (int y = 0; y < 250; ++y)
    for (int x = 0; x < 300; ++x) {
      const bool inside = x >= 20 && x < 86 && y >= 30 && y < 230;
      gfx::Color want = bg;
      if (inside) {
        const gfx::Color s = t.Dark.PixelAt(132 + x - 20, y - 30);
        want = Blended(bg, s, static_cast<int>(s >> 24));
      }
      ASSERT_EQ(target.PixelAt(x, y), want) << x << "," << y;
    }
}

TEST(AlphaImageList, IndexEqualToTheItemCountFallsBackAndDrawsNothing) {
  TileList t;
  gfx::Bitmap target = Filled24(200, 200, gfx::RGB(5, 6, 7));
  const gfx::Bitmap before = target;
  EXPECT_EQ(image::DrawItemFrame(t.List, target, 0, 0, 1, 0, 2, 0, gfx::clNone, false),
            (gfx::Size{200, 200}));
  gfx::Canvas canvas(target);
  t.List.Draw(canvas, 0, 0, 2);
  for (int y = 0; y < 200; y += 5)
    for (int x = 0; x < 200; x += 5) ASSERT_EQ(target.PixelAt(x, y), before.PixelAt(x, y));
}

TEST(AlphaImageList, DamagedItemDataDrawsNothing) {
  TsAlphaImageList list;
  list.SetSize(4, 4);
  list.Items().AddPng({1, 2, 3});
  list.Items().Add({image::TsImageFormat::ifICO, gfx::PixelFormat::Bgra32, {0, 0, 1, 0}});
  gfx::Bitmap out;
  EXPECT_FALSE(list.ItemImage32(0, out));
  EXPECT_FALSE(list.ItemImage32(1, out));
  gfx::Bitmap target = Filled24(4, 4, gfx::RGB(5, 6, 7));
  image::DrawItemFrame(list, target, 0, 0, 1, 0, 0, 0, gfx::clNone, false);
  EXPECT_EQ(target.PixelAt(2, 2), gfx::RGB(5, 6, 7));
}

TEST(AlphaImageList, ReflectionFadesBelowThePicture) {
  TsAlphaImageList list;
  list.SetSize(200, 200);
  gfx::Bitmap white = gfx::NewBitmap32(200, 200);
  white.FillBytes(255);
  list.Items().AddPng(gfx::EncodePng(white));
  gfx::Bitmap target = Filled24(200, 300, gfx::clBlack);
  image::DrawItemFrame(list, target, 0, 0, 1, 0, 0, 0, gfx::clNone, true);
  // Opaque white over black: (0 * 256 + 255 * 255) >> 8 = 254.
  EXPECT_EQ(target.PixelAt(10, 199), gfx::RGB(254, 254, 254));
  EXPECT_EQ(target.PixelAt(10, 200), gfx::clBlack);  // the reflection starts one row lower
  // Row 201: weight 255 * (255 div 3) div 255 = 85 -> 255 * 85 >> 8 = 84.
  EXPECT_EQ(target.PixelAt(10, 201), gfx::RGB(84, 84, 84));
  // Row 202: fade 255 - 255 div 100 = 253, weight 253 * 85 div 255 = 84 -> 83.
  EXPECT_EQ(target.PixelAt(10, 202), gfx::RGB(83, 83, 83));
  EXPECT_NE(target.PixelAt(10, 299), gfx::clBlack);
}

TEST(AlphaImageList, BlendPercentAndGreyColour) {
  TsAlphaImageList list;
  list.SetSize(1, 1);
  gfx::Bitmap px = gfx::NewBitmap32(1, 1);
  px.SetPixelAt(0, 0, gfx::RGB(200, 100, 0) | 0xFF000000u);
  list.Items().AddPng(gfx::EncodePng(px));
  gfx::Bitmap target = Filled24(1, 1, gfx::clBlack);
  // a = 50 * 255 / 100 = 127; grey level (200 + 100 + 0) / 3 = 100 tinted by
  // (255, 128, 0): 100, round(50.2) = 50, 0.
  image::DrawItemFrame(list, target, 0, 0, 1, 0, 0, 50, gfx::RGB(255, 128, 0), false);
  EXPECT_EQ(target.PixelAt(0, 0), gfx::RGB(100 * 127 >> 8, 50 * 127 >> 8, 0));
}

TEST(AlphaImageList, DrawOnCanvasBlendsAtThePoint) {
  TileList t;
  const gfx::Color bg = gfx::RGB(70, 80, 90);
  gfx::Bitmap surface = Filled24(260, 260, bg);
  gfx::Canvas canvas(surface);
  t.List.Draw(canvas, 30, 40, 0);
  const gfx::Color s = t.Dark.PixelAt(10, 20);
  EXPECT_EQ(surface.PixelAt(40, 60), Blended(bg, s, static_cast<int>(s >> 24)));
  EXPECT_EQ(surface.PixelAt(29, 60), bg);

  gfx::Bitmap surface2 = Filled24(260, 260, bg);
  gfx::Canvas canvas2(surface2);
  canvas2.SetOrigin({5, 5});
  EXPECT_EQ(image::DrawItemFrameOnCanvas(t.List, canvas2, 25, 35, 2, 1, 0, 0, gfx::clNone, false),
            (gfx::Size{100, 200}));
  const gfx::Color s2 = t.Dark.PixelAt(100 + 10, 20);
  EXPECT_EQ(surface2.PixelAt(40, 60), Blended(bg, s2, static_cast<int>(s2 >> 24)));
  EXPECT_EQ(surface2.PixelAt(130, 60), bg);  // beyond the frame's width
}

TEST(AlphaImageList, AssignCopiesSettingsAndItems) {
  TileList t;
  t.List.SetMasked(false);
  t.List.SetDrawingStyle(image::TDrawingStyle::dsTransparent);
  t.List.SetBkColor(gfx::RGB(1, 2, 3));
  t.List.SetBlendColor(gfx::RGB(4, 5, 6));
  t.List.SetShareImages(true);
  t.List.SetImageType(image::TImageType::itMask);
  TsAlphaImageList copy;
  int changes = 0;
  copy.AddChangeLink([&] { ++changes; });
  copy.Assign(t.List);
  EXPECT_EQ(copy.Width(), 200);
  EXPECT_EQ(copy.Height(), 200);
  EXPECT_FALSE(copy.Masked());
  EXPECT_EQ(copy.DrawingStyle(), image::TDrawingStyle::dsTransparent);
  EXPECT_EQ(copy.BkColor(), gfx::RGB(1, 2, 3));
  EXPECT_EQ(copy.BlendColor(), gfx::RGB(4, 5, 6));
  EXPECT_TRUE(copy.ShareImages());
  EXPECT_EQ(copy.ImageType(), image::TImageType::itMask);
  EXPECT_EQ(copy.Count(), 2);
  EXPECT_EQ(copy.Items()[1].ImgData, t.List.Items()[1].ImgData);
  EXPECT_EQ(changes, 1);
  TsAlphaImageList other;
  t.List.AssignTo(other);
  EXPECT_EQ(other.Count(), 2);
}

}  // namespace
