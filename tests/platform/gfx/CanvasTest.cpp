#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "platform/gfx/Canvas.h"

namespace gfx {
namespace {

Bitmap Filled(int w, int h, PixelFormat f, std::uint8_t byte) {
  Bitmap b(w, h, f);
  b.FillBytes(byte);
  return b;
}

// Bitmap contents as a list of rows of colour values, for whole-picture checks.
std::vector<std::vector<Color>> Pixels(const Bitmap& b) {
  std::vector<std::vector<Color>> rows(static_cast<std::size_t>(b.Height()));
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x) rows[static_cast<std::size_t>(y)].push_back(b.PixelAt(x, y));
  return rows;
}

// Device rectangles covered by pixels of colour c (bounding box).
Rect InkBox(const Bitmap& b, Color c) {
  Rect box{};
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x)
      if ((b.PixelAt(x, y) & 0xFFFFFF) == c) box = Bounds(box, {x, y, x + 1, y + 1});
  return box;
}

TEST(CanvasState, OriginMovesDrawingAndClipBoxIsLogical) {
  Bitmap bm = Filled(10, 10, PixelFormat::Bgr24, 0);
  Canvas c(bm);
  c.SetOrigin({3, 2});
  c.FillRect({0, 0, 2, 2}, clWhite);
  EXPECT_EQ(InkBox(bm, clWhite), (Rect{3, 2, 5, 4}));
  EXPECT_EQ(c.ClipBox(), (Rect{-3, -2, 7, 8}));
  c.IntersectClipRect({0, 0, 4, 4});  // device (3,2)-(7,6)
  EXPECT_EQ(c.ClipBox(), (Rect{0, 0, 4, 4}));
  EXPECT_EQ(c.ClipRegion(), Region({3, 2, 7, 6}));
  EXPECT_TRUE(c.PtVisible(3, 3));
  EXPECT_FALSE(c.PtVisible(4, 0));
}

TEST(CanvasState, ClipLimitsFillsAndExcludeMakesHoles) {
  Bitmap bm = Filled(8, 8, PixelFormat::Bgr24, 0);
  Canvas c(bm);
  c.IntersectClipRect({1, 1, 7, 7});
  c.ExcludeClipRect({3, 3, 5, 5});
  c.FillRect({-5, -5, 50, 50}, clWhite);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) {
      const bool want = x >= 1 && x < 7 && y >= 1 && y < 7 && !(x >= 3 && x < 5 && y >= 3 && y < 5);
      EXPECT_EQ(bm.PixelAt(x, y), want ? clWhite : clBlack) << x << "," << y;
    }
  c.ExcludeClipRect({0, 0, 8, 8});
  EXPECT_TRUE(c.ClipEmpty());
  EXPECT_EQ(c.ClipBox(), Rect{});
  c.SetClipRegion(Region({-4, -4, 100, 2}));  // cut to the bitmap
  EXPECT_EQ(c.ClipRegion(), Region({0, 0, 8, 2}));
}

TEST(CanvasState, RestoreBringsBackEverySavedSetting) {
  Bitmap bm = Filled(4, 4, PixelFormat::Bgr24, 0);
  Canvas c(bm);
  c.SetBrushColor(RGB(1, 2, 3));
  {
    Canvas::StateGuard guard(c);
    c.SetOrigin({1, 1});
    c.IntersectClipRect({0, 0, 1, 1});
    c.SetBrushColor(RGB(9, 9, 9));
    c.SetBrushStyle(BrushStyle::Clear);
    c.SetPenColor(clWhite);
    c.SetTextColor(RGB(7, 7, 7));
    c.GetFont().Height = -20;
    c.SetBackgroundMode(BackgroundMode::Opaque);
    EXPECT_EQ(c.SaveDepth(), 1);
  }
  EXPECT_EQ(c.SaveDepth(), 0);
  EXPECT_EQ(c.Origin(), (Point{0, 0}));
  EXPECT_EQ(c.ClipRegion(), Region({0, 0, 4, 4}));
  EXPECT_EQ(c.BrushColor(), RGB(1, 2, 3));
  EXPECT_EQ(c.GetBrushStyle(), BrushStyle::Solid);
  EXPECT_EQ(c.PenColor(), clBlack);
  EXPECT_EQ(c.TextColor(), c.GetFont().Color);
  EXPECT_EQ(c.GetFont().Height, -11);
  EXPECT_EQ(c.GetBackgroundMode(), BackgroundMode::Transparent);
  c.Restore();  // nothing saved: no effect
  EXPECT_EQ(c.BrushColor(), RGB(1, 2, 3));
}

TEST(CanvasState, DamageHandlerGetsOneClippedDeviceRectPerOperation) {
  Bitmap bm = Filled(10, 10, PixelFormat::Bgr24, 0);
  Canvas c(bm);
  std::vector<Rect> damage;
  c.SetDamageHandler([&](const Rect& r) { damage.push_back(r); });
  c.SetOrigin({2, 2});
  c.IntersectClipRect({0, 0, 5, 5});
  c.FillRect({-10, -10, 3, 3}, clWhite);
  c.FillRect({10, 10, 20, 20}, clWhite);  // invisible: no report
  c.MoveTo(0, 0);
  c.LineTo(4, 0);
  const Point tri[] = {{0, 0}, {2, 0}, {0, 2}};
  c.Polygon(tri);  // fill and outline: still one report
  EXPECT_EQ(damage, (std::vector<Rect>{{2, 2, 5, 5}, {2, 2, 6, 3}, {2, 2, 5, 5}}));
  int tag = 0;
  c.SetTag(&tag);
  EXPECT_EQ(c.Tag(), &tag);
  EXPECT_EQ(&c.Target(), &bm);
}

TEST(CanvasState, BitmapShrunkUnderTheCanvasIsNotOverrun) {
  Bitmap bm = Filled(40, 40, PixelFormat::Bgr24, 0);
  Canvas c(bm);
  bm = Filled(3, 2, PixelFormat::Bgr24, 0);
  const Point tri[] = {{0, 0}, {39, 0}, {0, 39}};
  Bitmap big = Filled(40, 40, PixelFormat::Bgr24, 0x22);
  c.FillRect({0, 0, 40, 40}, clWhite);
  c.SetPixel(20, 1, clWhite);
  c.MoveTo(0, 1);
  c.LineTo(39, 1);
  c.Polygon(tri);
  c.GradientTriangle({0, 0, clWhite}, {39, 0, clWhite}, {0, 39, clWhite});
  c.DrawBitmap(0, 0, big);
  c.StretchDraw({0, 0, 40, 40}, big, {0, 0, 20, 20});
  c.TextOut(0, 0, "Wide text that runs far past the edge");
  EXPECT_EQ(bm.PixelAt(2, 1), 0x222222u);
}

TEST(CanvasFill, FormatsAndAlpha) {
  SetSystemColorRGB(COLOR_BTNFACE, RGB(10, 20, 30));
  struct Case {
    PixelFormat Format;
    Color Fill;
    Color Expected;  // PixelAt value, alpha in the high byte for 32-bit
  };
  const Case cases[] = {
      {PixelFormat::Bgr24, RGB(1, 2, 3), RGB(1, 2, 3)},
      {PixelFormat::Bgr24, clBtnFace, RGB(10, 20, 30)},                 // system colour resolved
      {PixelFormat::Bgra32, RGB(1, 2, 3), RGB(1, 2, 3) | 0x55000000u},  // alpha left alone
      {PixelFormat::Gray8, RGB(30, 60, 91), RGB(60, 60, 60)},           // grey level (R+G+B)/3
  };
  for (const Case& k : cases) {
    Bitmap bm = Filled(3, 2, k.Format, 0x55);
    Canvas c(bm);
    c.FillRect({0, 0, 3, 2}, k.Fill);
    EXPECT_EQ(bm.PixelAt(2, 1), k.Expected) << static_cast<int>(k.Format);
  }
  ResetSystemColors();

  Bitmap bm = Filled(3, 1, PixelFormat::Bgra32, 0x55);
  Canvas c(bm);
  c.FillRectAlpha({1, 0, 2, 1}, RGB(1, 2, 3), 200);
  EXPECT_EQ(bm.PixelAt(1, 0), RGB(1, 2, 3) | 0xC8000000u);
  EXPECT_EQ(bm.PixelAt(0, 0), 0x55555555u);
  c.SetBrushStyle(BrushStyle::Clear);
  c.FillRect({0, 0, 3, 1});  // clear brush draws nothing
  EXPECT_EQ(bm.PixelAt(0, 0), 0x55555555u);
}

TEST(CanvasFill, FrameRectAndPixelsWithOrigin) {
  Bitmap bm = Filled(6, 6, PixelFormat::Bgr24, 0);
  Canvas c(bm);
  c.SetBrushColor(clWhite);
  c.FrameRect({1, 1, 5, 5});
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 6; ++x) {
      const bool edge = (x == 1 || x == 4 || y == 1 || y == 4) && x >= 1 && x <= 4 && y >= 1 && y <= 4;
      EXPECT_EQ(bm.PixelAt(x, y), edge ? clWhite : clBlack) << x << "," << y;
    }
  c.SetOrigin({-1, -1});
  c.SetPixel(1, 1, RGB(5, 6, 7));
  EXPECT_EQ(bm.PixelAt(0, 0), RGB(5, 6, 7));
  EXPECT_EQ(c.GetPixel(1, 1), RGB(5, 6, 7));
  EXPECT_EQ(c.GetPixel(0, 0), clNone);  // device (-1,-1)
  c.IntersectClipRect({3, 3, 4, 4});
  c.SetPixel(1, 1, clWhite);  // outside the clip
  EXPECT_EQ(bm.PixelAt(0, 0), RGB(5, 6, 7));
}

TEST(CanvasStretch, AreaAveragingMatchesHandComputedValues) {
  struct Case {
    const char* Name;
    std::vector<std::uint8_t> Src;  // one grey row
    int DstWidth;
    std::vector<std::uint8_t> Expected;
  };
  const Case cases[] = {
      {"4 -> 2 pairs", {10, 20, 100, 200}, 2, {15, 150}},
      {"2 -> 3 shares the middle", {0, 90}, 3, {0, 45, 90}},
      {"3 -> 2 two-thirds weights", {0, 30, 60}, 2, {10, 50}},
      {"1 -> 4 replicates", {77}, 4, {77, 77, 77, 77}},
      {"3 -> 1 mean", {0, 0, 255}, 1, {85}},
  };
  for (const Case& k : cases) {
    const int sw = static_cast<int>(k.Src.size());
    Bitmap src(sw, 1, PixelFormat::Bgr24);
    for (int x = 0; x < sw; ++x) src.SetPixelAt(x, 0, RGB(k.Src[x], 255 - k.Src[x], 7));
    Bitmap dst = Filled(k.DstWidth, 1, PixelFormat::Bgr24, 0);
    Canvas c(dst);
    c.StretchDraw({0, 0, k.DstWidth, 1}, src, src.Bounds());
    for (int x = 0; x < k.DstWidth; ++x) {
      const std::uint8_t v = k.Expected[static_cast<std::size_t>(x)];
      EXPECT_EQ(dst.PixelAt(x, 0), RGB(v, 255 - v, 7)) << k.Name << " x=" << x;
    }
  }
}

TEST(CanvasStretch, TwoDimensionalBoxAndClip) {
  Bitmap src(2, 2, PixelFormat::Bgra32);
  src.SetPixelAt(0, 0, 0xFF000000u | RGB(0, 0, 0));
  src.SetPixelAt(1, 0, 0xFF000000u | RGB(100, 0, 0));
  src.SetPixelAt(0, 1, 0x00000000u | RGB(0, 100, 0));
  src.SetPixelAt(1, 1, 0x00000000u | RGB(1, 0, 200));
  Bitmap dst = Filled(3, 3, PixelFormat::Bgra32, 0);
  Canvas c(dst);
  c.SetOrigin({1, 1});
  c.IntersectClipRect({0, 0, 1, 1});
  c.StretchDraw({0, 0, 2, 2}, src, {0, 0, 2, 2});  // 1:1, only (0,0) visible
  EXPECT_EQ(dst.PixelAt(1, 1), 0xFF000000u);
  EXPECT_EQ(dst.PixelAt(2, 1), 0u);
  c.ResetClip();
  c.StretchDraw({0, 0, 1, 1}, src, {0, 0, 2, 2});
  // mean of the four, alpha averaged too: (0+100+0+1)/4 = 25.25, (0+0+100+0)/4 = 25, 200/4 = 50, 510/4 =
  // 127.5
  EXPECT_EQ(dst.PixelAt(1, 1), 0x80000000u | RGB(25, 25, 50));
}

// Every size pair up to 9 x 9 against a direct evaluation of the box filter:
// destination pixel (i, j) covers [i*sw, (i+1)*sw) x [j*sh, (j+1)*sh) and
// source pixel (k, l) covers [k*dw, (k+1)*dw) x [l*dh, (l+1)*dh) in common units.
TEST(CanvasStretch, AgreesWithDirectEvaluationForAllSmallSizes) {
  auto overlap = [](long long a0, long long a1, long long b0, long long b1) {
    return std::max(0LL, std::min(a1, b1) - std::max(a0, b0));
  };
  for (int sw = 1; sw <= 9; ++sw)
    for (int sh = 1; sh <= 9; sh += 2)
      for (int dw = 1; dw <= 9; ++dw)
        for (int dh = 1; dh <= 9; dh += 3) {
          Bitmap src(sw, sh, PixelFormat::Gray8);
          for (int y = 0; y < sh; ++y)
            for (int x = 0; x < sw; ++x)
              src.SetPixelAt(x, y, static_cast<Color>((x * 53 + y * 91 + sw) % 256));
          Bitmap dst(dw, dh, PixelFormat::Gray8);
          Canvas c(dst);
          c.StretchDraw({0, 0, dw, dh}, src, src.Bounds());
          for (int j = 0; j < dh; ++j)
            for (int i = 0; i < dw; ++i) {
              long long sum = 0;
              for (int l = 0; l < sh; ++l)
                for (int k = 0; k < sw; ++k)
                  sum += overlap(1LL * i * sw, 1LL * (i + 1) * sw, 1LL * k * dw, 1LL * (k + 1) * dw) *
                         overlap(1LL * j * sh, 1LL * (j + 1) * sh, 1LL * l * dh, 1LL * (l + 1) * dh) *
                         static_cast<long long>(src.PixelAt(k, l) & 0xFF);
              const long long total = 1LL * sw * sh;  // a destination pixel spans sw x sh units
              const long long want = (2 * sum + total) / (2 * total);  // half up
              ASSERT_EQ(static_cast<long long>(dst.PixelAt(i, j) & 0xFF), want)
                  << sw << "x" << sh << " -> " << dw << "x" << dh << " at " << i << "," << j;
            }
        }
}

// A source of more than 2^24 pixels needs 64-bit sums.
TEST(CanvasStretch, HugeSourceAveragesWithoutOverflow) {
  Bitmap src(4200, 4100, PixelFormat::Gray8);
  src.FillBytes(201);
  for (int y = 0; y < 4100; y += 2) src.Scanline(y)[0] = 255;
  Bitmap dst(2, 1, PixelFormat::Gray8);
  Canvas c(dst);
  c.StretchDraw({0, 0, 2, 1}, src, src.Bounds());
  // Left half: 2050 of its 2100 * 4100 pixels are 255 instead of 201.
  EXPECT_EQ(dst.PixelAt(0, 0) & 0xFF, 201u);
  EXPECT_EQ(dst.PixelAt(1, 0) & 0xFF, 201u);
}

TEST(CanvasCopy, CopiesHonourOriginsClipAndFormats) {
  Bitmap src(3, 1, PixelFormat::Bgr24);
  src.SetPixelAt(0, 0, RGB(1, 1, 1));
  src.SetPixelAt(1, 0, RGB(2, 2, 2));
  src.SetPixelAt(2, 0, RGB(3, 3, 3));
  Canvas sc(src);
  sc.SetOrigin({-1, 0});  // logical x 1 is device 0

  Bitmap dst = Filled(4, 1, PixelFormat::Bgra32, 0);
  Canvas dc(dst);
  dc.SetOrigin({1, 0});
  dc.ExcludeClipRect({1, 0, 2, 1});     // device x 2
  dc.CopyRect(0, 0, sc, {1, 0, 4, 1});  // source device 0..3 -> dest device 1..4
  EXPECT_EQ(dst.PixelAt(0, 0), 0u);
  EXPECT_EQ(dst.PixelAt(1, 0), 0xFF000000u | RGB(1, 1, 1));  // 24 -> 32 writes alpha 255
  EXPECT_EQ(dst.PixelAt(2, 0), 0u);                          // excluded
  EXPECT_EQ(dst.PixelAt(3, 0), 0xFF000000u | RGB(3, 3, 3));

  // A source rectangle hanging off the left edge moves the destination with it.
  Bitmap d24 = Filled(4, 1, PixelFormat::Bgr24, 0);
  Canvas c24(d24);
  c24.DrawBitmap(0, 0, src, {-2, 0, 2, 1});
  EXPECT_EQ(Pixels(d24)[0], (std::vector<Color>{0, 0, RGB(1, 1, 1), RGB(2, 2, 2)}));
  c24.DrawBitmap(-1, 0, dst, {0, 0, 4, 1});  // 32 -> 24 drops alpha
  EXPECT_EQ(Pixels(d24)[0], (std::vector<Color>{RGB(1, 1, 1), 0, RGB(3, 3, 3), RGB(2, 2, 2)}));
}

TEST(CanvasCopy, OverlappingCopyInsideOneBitmapScrollsCorrectly) {
  Bitmap bm(6, 1, PixelFormat::Gray8);
  for (int x = 0; x < 6; ++x) bm.SetPixelAt(x, 0, static_cast<Color>(10 * (x + 1)));
  Canvas c(bm);
  c.CopyRect(1, 0, c, {0, 0, 5, 1});
  std::vector<int> got;
  for (int x = 0; x < 6; ++x) got.push_back(static_cast<int>(bm.PixelAt(x, 0) & 0xFF));
  EXPECT_EQ(got, (std::vector<int>{10, 10, 20, 30, 40, 50}));
}

TEST(CanvasCopy, WholeRowsOfAlikeBitmapsInEitherRowOrder) {
  // Full-width copies between bitmaps of one layout go as one run; rows of
  // 5 pixels have a padding byte, and the clip splits the copy in two bands.
  for (const RowOrder so : {RowOrder::TopDown, RowOrder::BottomUp}) {
    for (const RowOrder dor : {RowOrder::TopDown, RowOrder::BottomUp}) {
      Bitmap src(5, 6, PixelFormat::Bgr24, so);
      for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 5; ++x) src.SetPixelAt(x, y, RGB(x * 40, y * 40, 7));
      Bitmap dst(5, 6, PixelFormat::Bgr24, dor);
      dst.FillBytes(0x11);
      Canvas c(dst);
      c.ExcludeClipRect({0, 3, 5, 4});
      c.DrawBitmap(0, 1, src, {0, 0, 5, 5});  // source rows 0..4 -> destination rows 1..5
      for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 5; ++x) {
          const Color want = y == 0 || y == 3 ? 0x111111u : RGB(x * 40, (y - 1) * 40, 7);
          ASSERT_EQ(dst.PixelAt(x, y), want) << x << "," << y << " orders " << int(so) << int(dor);
        }
    }
  }
}

TEST(CanvasCopy, KeyedCopySkipsOnlyTheExactKey) {
  Bitmap src(3, 1, PixelFormat::Bgr24);
  src.SetPixelAt(0, 0, clFuchsia);
  src.SetPixelAt(1, 0, RGB(254, 0, 255));
  src.SetPixelAt(2, 0, RGB(9, 9, 9));
  Bitmap dst = Filled(3, 1, PixelFormat::Bgr24, 0x11);
  Canvas c(dst);
  c.DrawBitmapKeyed(0, 0, src, src.Bounds(), clFuchsia);
  EXPECT_EQ(Pixels(dst)[0], (std::vector<Color>{0x111111u, RGB(254, 0, 255), RGB(9, 9, 9)}));
}

TEST(CanvasCopy, AlphaBlendUsesPixelAndConstantAlpha) {
  Bitmap src(2, 1, PixelFormat::Bgra32);
  src.SetPixelAt(0, 0, 0x80000000u | RGB(255, 0, 0));
  src.SetPixelAt(1, 0, 0xFF000000u | RGB(0, 0, 255));
  Bitmap dst = Filled(2, 1, PixelFormat::Bgra32, 0);
  Canvas c(dst);
  c.FillRect({0, 0, 2, 1}, clWhite);  // colour white, alpha still 0
  c.AlphaBlendBitmap({0, 0, 2, 1}, src, src.Bounds(), 255);
  // a = 128: red 255; green, blue (255*127 + 127) / 255 = 127; alpha (128*255 + 127)/255 = 128
  EXPECT_EQ(dst.PixelAt(0, 0), 0x80000000u | RGB(255, 127, 127));
  EXPECT_EQ(dst.PixelAt(1, 0), 0xFF000000u | RGB(0, 0, 255));
  Bitmap d24 = Filled(1, 1, PixelFormat::Bgr24, 0);
  Canvas c24(d24);
  c24.AlphaBlendBitmap({0, 0, 1, 1}, src, {1, 0, 2, 1}, 51);  // constant 20 %
  EXPECT_EQ(d24.PixelAt(0, 0), RGB(0, 0, 51));

  // Scaled: a fully transparent pixel lends its colour nothing. Red at alpha
  // 255 and green at alpha 0 average to red at alpha 128 (premultiplied
  // 128 / 128), which over black gives red (255 * 128 + 127) / 255 = 128.
  Bitmap pair(2, 1, PixelFormat::Bgra32);
  pair.SetPixelAt(0, 0, 0xFF000000u | RGB(255, 0, 0));
  pair.SetPixelAt(1, 0, 0x00000000u | RGB(0, 255, 0));
  Bitmap one(1, 1, PixelFormat::Bgr24);
  Canvas oc(one);
  oc.AlphaBlendBitmap({0, 0, 1, 1}, pair, pair.Bounds(), 255);
  EXPECT_EQ(one.PixelAt(0, 0), RGB(128, 0, 0));
}

TEST(CanvasShapes, LinesLeaveOutTheLastPoint) {
  struct Case {
    Point From, To;
    std::vector<Point> Pixels;
  };
  const Case cases[] = {
      {{1, 1}, {5, 1}, {{1, 1}, {2, 1}, {3, 1}, {4, 1}}},
      {{4, 0}, {4, 3}, {{4, 0}, {4, 1}, {4, 2}}},
      {{0, 0}, {3, 3}, {{0, 0}, {1, 1}, {2, 2}}},
      {{5, 4}, {2, 1}, {{5, 4}, {4, 3}, {3, 2}}},
      {{0, 0}, {6, 2}, {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 1}, {5, 2}}},
      {{2, 2}, {2, 2}, {}},
  };
  for (const Case& k : cases) {
    Bitmap bm = Filled(8, 8, PixelFormat::Bgr24, 0);
    Canvas c(bm);
    c.SetPenColor(clWhite);
    c.MoveTo(k.From.X, k.From.Y);
    c.LineTo(k.To.X, k.To.Y);
    EXPECT_EQ(c.PenPos(), k.To);
    std::vector<Point> got;
    for (int y = 0; y < 8; ++y)
      for (int x = 0; x < 8; ++x)
        if (bm.PixelAt(x, y) == clWhite) got.push_back({x, y});
    std::vector<Point> want = k.Pixels;
    std::sort(want.begin(), want.end(), [](Point a, Point b) { return a.Y != b.Y ? a.Y < b.Y : a.X < b.X; });
    EXPECT_EQ(got, want) << k.From.X << "," << k.From.Y << " -> " << k.To.X << "," << k.To.Y;
  }
}

TEST(CanvasShapes, PolygonFillRulesAndOutline) {
  Bitmap bm = Filled(7, 7, PixelFormat::Bgr24, 0);
  Canvas c(bm);
  c.SetBrushColor(clWhite);
  c.SetPenStyle(PenStyle::Clear);
  const Point square[] = {{1, 1}, {5, 1}, {5, 5}, {1, 5}};
  c.Polygon(square);
  EXPECT_EQ(InkBox(bm, clWhite), (Rect{1, 1, 5, 5}));
  c.SetPenStyle(PenStyle::Solid);
  c.SetPenColor(RGB(9, 9, 9));
  c.Polygon(square);
  EXPECT_EQ(InkBox(bm, RGB(9, 9, 9)), (Rect{1, 1, 6, 6}));  // the outline adds the far edges
  EXPECT_EQ(bm.PixelAt(3, 3), clWhite);

  // A five-pointed star: its centre is inside by winding, outside by even-odd.
  const Point star[] = {{10, 0}, {16, 19}, {0, 7}, {20, 7}, {4, 19}};
  for (FillRule rule : {FillRule::EvenOdd, FillRule::Winding}) {
    Bitmap s = Filled(21, 21, PixelFormat::Bgr24, 0);
    Canvas sc(s);
    sc.SetBrushColor(clWhite);
    sc.SetPenStyle(PenStyle::Clear);
    sc.Polygon(star, rule);
    EXPECT_EQ(s.PixelAt(10, 10) == clWhite, rule == FillRule::Winding);
    EXPECT_EQ(s.PixelAt(10, 3), clWhite);  // a point of the star
  }
}

TEST(CanvasShapes, GradientTriangleIsExactAtVerticesAndLeavesAlpha) {
  Bitmap bm = Filled(10, 10, PixelFormat::Bgra32, 0x40);
  Canvas c(bm);
  c.SetOrigin({1, 1});
  c.GradientTriangle({0, 0, RGB(255, 0, 0)}, {8, 0, RGB(0, 255, 0)}, {0, 8, RGB(0, 0, 255)});
  EXPECT_EQ(bm.PixelAt(1, 1), 0x40000000u | RGB(255, 0, 0));
  EXPECT_EQ(bm.PixelAt(9, 1), 0x40000000u | RGB(0, 255, 0));
  EXPECT_EQ(bm.PixelAt(1, 9), 0x40000000u | RGB(0, 0, 255));
  EXPECT_EQ(bm.PixelAt(5, 1), 0x40000000u | RGB(128, 128, 0));  // halfway: 127.5 rounds up
  EXPECT_EQ(bm.PixelAt(3, 3), 0x40000000u | RGB(128, 64, 64));  // weights 1/2, 1/4, 1/4
  EXPECT_EQ(bm.PixelAt(6, 6), 0x40404040u);                     // outside the triangle
}

TEST(CanvasCopy, RejectsPaletteTargets) {
  Bitmap bm(2, 2, PixelFormat::Indexed8);
  EXPECT_THROW(Canvas c(bm), std::invalid_argument);
}

}  // namespace
}  // namespace gfx
