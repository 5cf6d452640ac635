// The virtual screen: stacking, shapes, alpha, presents and read-back.
#include <gtest/gtest.h>

#include "platform/backend/Compose.h"
#include "tests/platform/backend/HeadlessTestSupport.h"

namespace backend {
namespace {

using testing::SolidSurface;

constexpr gfx::Color kRed = gfx::RGB(255, 0, 0);
constexpr gfx::Color kGreen = gfx::RGB(0, 255, 0);
constexpr gfx::Color kBlue = gfx::RGB(0, 0, 255);
constexpr gfx::Color kWhite = gfx::RGB(255, 255, 255);
constexpr gfx::Color kBlack = gfx::RGB(0, 0, 0);

HeadlessOptions Small(gfx::Color desktop = kBlack) { return testing::ScreenOf({64, 48}, desktop); }

// A 32-bit picture of one colour and alpha.
gfx::Bitmap Picture(int w, int h, gfx::Color color, int alpha) {
  gfx::Bitmap p = gfx::NewBitmap32(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) p.SetPixelAt(x, y, color | (static_cast<gfx::Color>(alpha) << 24));
  return p;
}

// Three overlapping surfaces A (red), B (green), C (blue) cover (10,10); each
// step rearranges them and names which colour must be on top.
struct StackCase {
  const char* name;
  void (*arrange)(Backend&, SurfaceId a, SurfaceId b, SurfaceId c);
  gfx::Color top;
  std::vector<int> order;  // indexes 0=A 1=B 2=C, bottom first
};

TEST(HeadlessStacking, OperationsDecideWhatIsOnTop) {
  const StackCase cases[] = {
      {"creation order", [](Backend&, SurfaceId, SurfaceId, SurfaceId) {}, kBlue, {0, 1, 2}},
      {"raise", [](Backend& b, SurfaceId a, SurfaceId, SurfaceId) { b.Raise(a); }, kRed, {1, 2, 0}},
      {"lower", [](Backend& b, SurfaceId, SurfaceId, SurfaceId c) { b.Lower(c); }, kGreen, {2, 0, 1}},
      {"place above",
       [](Backend& b, SurfaceId a, SurfaceId, SurfaceId c) { b.PlaceAbove(c, a); },
       kGreen,
       {0, 2, 1}},
      {"place below",
       [](Backend& b, SurfaceId a, SurfaceId, SurfaceId c) { b.PlaceBelow(a, c); },
       kBlue,
       {1, 0, 2}},
      {"place below the bottom one",
       [](Backend& b, SurfaceId a, SurfaceId, SurfaceId c) { b.PlaceBelow(c, a); },
       kGreen,
       {2, 0, 1}},
      {"hide the top one",
       [](Backend& b, SurfaceId, SurfaceId, SurfaceId c) { b.Hide(c); },
       kGreen,
       {0, 1, 2}},
      {"topmost stays above a later raise",
       [](Backend& b, SurfaceId a, SurfaceId, SurfaceId c) {
         b.SetTopmost(a, true);
         b.Raise(c);
       },
       kRed,
       {1, 2, 0}},
      {"placing next to a topmost surface joins its band",
       [](Backend& b, SurfaceId a, SurfaceId bb, SurfaceId c) {
         b.SetTopmost(a, true);
         b.PlaceBelow(bb, a);
         b.Raise(c);
       },
       kRed,
       {2, 1, 0}},
      {"activation raises",
       [](Backend& b, SurfaceId, SurfaceId bb, SurfaceId) { b.Activate(bb); },
       kGreen,
       {0, 2, 1}},
      {"showing without activation keeps the place",
       [](Backend& b, SurfaceId a, SurfaceId, SurfaceId) {
         b.Hide(a);
         b.Show(a, false);
       },
       kBlue,
       {0, 1, 2}},
  };
  for (const StackCase& c : cases) {
    SCOPED_TRACE(c.name);
    HeadlessBackend b(Small());
    const SurfaceId ids[] = {SolidSurface(b, {0, 0, 20, 20}, kRed), SolidSurface(b, {5, 5, 25, 25}, kGreen),
                             SolidSurface(b, {8, 8, 30, 30}, kBlue)};
    c.arrange(b, ids[0], ids[1], ids[2]);
    EXPECT_EQ(b.ScreenPixel({10, 10}), c.top);
    std::vector<SurfaceId> expected;
    for (int i : c.order) expected.push_back(ids[i]);
    EXPECT_EQ(b.StackingOrder(), expected);
  }
}

TEST(HeadlessStacking, PopupsStayAboveNormalSurfaces) {
  HeadlessBackend b(Small());
  const SurfaceId menu = SolidSurface(b, {0, 0, 20, 20}, kRed, SurfaceKind::Popup);
  const SurfaceId form = SolidSurface(b, {0, 0, 20, 20}, kGreen);
  b.Activate(form);
  EXPECT_TRUE(b.IsTopmost(menu));
  EXPECT_EQ(b.ScreenPixel({5, 5}), kRed);
  EXPECT_EQ(b.SurfaceAt({5, 5}), menu);
}

TEST(HeadlessStacking, UnknownSurfacesAreErrors) {
  HeadlessBackend b(Small());
  SurfaceOptions o;
  o.Owner = 77;
  EXPECT_THROW(b.CreateSurface(o), std::invalid_argument);
  EXPECT_THROW(b.Raise(77), std::invalid_argument);
  EXPECT_NO_THROW(b.DestroySurface(77));
}

// Each case blends one layered pixel over an opaque surface; the results are
// round((src*a + dst*(255-a)) / 255) worked out by hand.
struct AlphaCase {
  const char* name;
  gfx::Color src;
  int pixelAlpha;
  int constantAlpha;
  gfx::Color dst;
  gfx::Color expected;
};

TEST(HeadlessAlpha, LayeredPixelsBlendByPixelAndConstantAlpha) {
  const AlphaCase cases[] = {
      {"opaque pixel", kRed, 255, 255, kBlue, kRed},
      {"transparent pixel", kRed, 0, 255, kBlue, kBlue},
      // 255*128/255 = 128; 255*127/255 = 127
      {"half alpha", kRed, 128, 255, kBlue, gfx::RGB(128, 0, 127)},
      // a = round(200*100/255) = round(78.43) = 78; 255*78/255 = 78, 255*177/255 = 177
      {"pixel and constant alpha multiply", kRed, 200, 100, kBlue, gfx::RGB(78, 0, 177)},
      // a = 64: (100*64 + 20*191)/255 = 10220/255 = 40.08 -> 40; (200*64)/255 = 50.2 -> 50
      {"mixed channels", gfx::RGB(100, 200, 0), 64, 255, gfx::RGB(20, 0, 0), gfx::RGB(40, 50, 0)},
      {"constant alpha zero", kRed, 255, 0, kBlue, kBlue},
  };
  for (const AlphaCase& c : cases) {
    SCOPED_TRACE(c.name);
    HeadlessBackend b(Small());
    SolidSurface(b, {0, 0, 10, 10}, c.dst);
    SurfaceOptions o;
    o.Kind = SurfaceKind::Auxiliary;
    const SurfaceId layered = b.CreateSurface(o);
    b.UpdateLayered(layered, Picture(3, 3, c.src, c.pixelAlpha), {2, 2}, {3, 3},
                    static_cast<std::uint8_t>(c.constantAlpha));
    b.Show(layered, false);
    EXPECT_EQ(b.ScreenPixel({3, 3}), c.expected);
    EXPECT_EQ(b.Screenshot().PixelAt(3, 3), c.expected);
    EXPECT_EQ(b.Bounds(layered), (gfx::Rect{2, 2, 5, 5}));
  }
}

TEST(HeadlessAlpha, ConstantAlphaOfPresentedPixels) {
  HeadlessBackend b(Small(kWhite));
  const SurfaceId s = SolidSurface(b, {0, 0, 10, 10}, kGreen);
  b.SetConstantAlpha(s, 64);
  // a = 64: red and blue 255*191/255 = 191, green 255.
  EXPECT_EQ(b.ScreenPixel({1, 1}), gfx::RGB(191, 255, 191));
  b.SetConstantAlpha(s, 0);
  EXPECT_EQ(b.ScreenPixel({1, 1}), kWhite);
  EXPECT_EQ(b.SurfaceAt({1, 1}), kNoSurface);  // fully transparent surfaces take no clicks
}

TEST(HeadlessAlpha, PictureSmallerThanSurfaceAndEmptySize) {
  HeadlessBackend b(Small(kWhite));
  SurfaceOptions o;
  const SurfaceId s = b.CreateSurface(o);
  b.Show(s, false);
  b.UpdateLayered(s, Picture(2, 2, kRed, 255), {0, 0}, {4, 4}, 255);
  EXPECT_EQ(b.ScreenPixel({1, 1}), kRed);
  EXPECT_EQ(b.ScreenPixel({3, 3}), kWhite);  // outside the picture: transparent
  EXPECT_EQ(b.SurfaceAt({3, 3}), kNoSurface);
  b.UpdateLayered(s, gfx::Bitmap(), {0, 0}, {0, 0}, 255);
  EXPECT_EQ(b.ScreenPixel({0, 0}), kWhite);
}

TEST(HeadlessAlpha, WithoutLayeredSupportAlphaIsIgnored) {
  HeadlessOptions opts = Small(kWhite);
  opts.LayeredAvailable = false;
  HeadlessBackend b(opts);
  EXPECT_FALSE(b.LayeredAvailable());
  SurfaceOptions o;
  const SurfaceId s = b.CreateSurface(o);
  b.Show(s, false);
  b.UpdateLayered(s, Picture(4, 4, kRed, 10), {0, 0}, {4, 4}, 100);
  EXPECT_EQ(b.ScreenPixel({1, 1}), kRed);
  EXPECT_EQ(b.SurfaceAt({1, 1}), s);
}

TEST(HeadlessPresent, CopiesOnlyTheDirtyRectangle) {
  HeadlessBackend b(Small());
  const SurfaceId s = SolidSurface(b, {10, 10, 20, 20}, kRed);
  gfx::Bitmap buffer = Picture(10, 10, kGreen, 7);  // alpha is ignored: presents are opaque
  b.Present(s, buffer, {2, 2, 4, 4});
  EXPECT_EQ(b.ScreenPixel({12, 12}), kGreen);
  EXPECT_EQ(b.ScreenPixel({13, 13}), kGreen);
  EXPECT_EQ(b.ScreenPixel({14, 14}), kRed);
  EXPECT_EQ(b.ScreenPixel({11, 11}), kRed);
  // Rectangles reaching outside the surface or the buffer are clipped.
  b.Present(s, buffer, {-5, -5, 100, 1});
  EXPECT_EQ(b.ScreenPixel({19, 10}), kGreen);
  EXPECT_EQ(b.ScreenPixel({19, 11}), kRed);
  gfx::Bitmap small = Picture(1, 1, kBlue, 255);
  b.Present(s, small, {0, 0, 10, 10});
  EXPECT_EQ(b.ScreenPixel({10, 10}), kBlue);
  EXPECT_EQ(b.ScreenPixel({11, 10}), kGreen);
}

TEST(HeadlessPresent, BottomUpBuffersKeepTheirOrientation) {
  HeadlessBackend b(Small());
  const SurfaceId s = SolidSurface(b, {0, 0, 4, 4}, kRed);
  gfx::Bitmap buffer(4, 4, gfx::PixelFormat::Bgr24, gfx::RowOrder::BottomUp);
  ASSERT_LT(buffer.Stride(), 0);
  buffer.SetPixelAt(0, 0, kBlue);   // top-left
  buffer.SetPixelAt(3, 3, kGreen);  // bottom-right
  b.Present(s, buffer, buffer.Bounds());
  EXPECT_EQ(b.ScreenPixel({0, 0}), kBlue);
  EXPECT_EQ(b.ScreenPixel({3, 3}), kGreen);
  EXPECT_EQ(b.ScreenPixel({0, 3}), kBlack);
}

TEST(HeadlessPresent, IndexedBuffersAreConverted) {
  HeadlessBackend b(Small());
  const SurfaceId s = SolidSurface(b, {0, 0, 4, 4}, kRed);
  gfx::Bitmap indexed(4, 4, gfx::PixelFormat::Indexed8);
  indexed.Palette() = {kBlack, kBlue};
  indexed.SetPixelAt(1, 1, 1);
  b.Present(s, indexed, indexed.Bounds());
  EXPECT_EQ(b.ScreenPixel({1, 1}), kBlue);
  EXPECT_EQ(b.ScreenPixel({0, 0}), kBlack);
}

TEST(HeadlessPresent, ResizeKeepsPixelsAndFillsNewAreaBlack) {
  HeadlessBackend b(Small(kWhite));
  const SurfaceId s = SolidSurface(b, {0, 0, 4, 4}, kRed);
  b.SetBounds(s, {10, 10, 18, 12});
  EXPECT_EQ(b.Bounds(s), (gfx::Rect{10, 10, 18, 12}));
  EXPECT_EQ(b.ScreenPixel({13, 11}), kRed);
  EXPECT_EQ(b.ScreenPixel({14, 11}), kBlack);
  EXPECT_EQ(b.ScreenPixel({1, 1}), kWhite);
  b.SetBounds(s, {0, 0, 0, -3});  // no empty windows
  EXPECT_EQ(b.Bounds(s), (gfx::Rect{0, 0, 1, 1}));
  b.SetBounds(s, {5, 5, 5 + 1'000'000, 6});  // nor runaway ones
  EXPECT_EQ(b.Bounds(s), (gfx::Rect{5, 5, 5 + kMaxSurfaceSide, 6}));
}

TEST(HeadlessPresent, SurfacesOffTheScreenAreClipped) {
  HeadlessBackend b(Small(kWhite));
  SolidSurface(b, {-10, -10, 2, 2}, kRed);
  SolidSurface(b, {60, 40, 100, 100}, kBlue);
  const gfx::Bitmap shot = b.Screenshot();
  EXPECT_EQ(shot.GetSize(), (gfx::Size{64, 48}));
  EXPECT_EQ(shot.PixelAt(1, 1), kRed);
  EXPECT_EQ(shot.PixelAt(2, 2), kWhite);
  EXPECT_EQ(shot.PixelAt(63, 47), kBlue);
  EXPECT_EQ(b.ScreenPixel({-1, 5}), kBlack);
}

}  // namespace
}  // namespace backend
