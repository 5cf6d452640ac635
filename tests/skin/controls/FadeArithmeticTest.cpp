// The fade weights and the frame blend, worked out by hand.
#include <gtest/gtest.h>

#include <vector>

#include "platform/gfx/Bitmap.h"
#include "skin/controls/FadeFrame.h"
#include "skin/controls/sFade.h"

namespace skin {
namespace {

std::vector<int> Weights(int n) {
  std::vector<int> w;
  for (int i = 1; i <= n; ++i) w.push_back(FadeAlpha(i, n));
  return w;
}

TEST(FadeAlphaTest, WeightsOfEveryStep) {
  EXPECT_EQ(Weights(20), (std::vector<int>{243, 230, 217, 204, 191, 179, 166, 153, 140, 127,
                                           115, 102, 89,  76,  63,  51,  38,  25,  12,  0}));
  EXPECT_EQ(Weights(10), (std::vector<int>{230, 204, 179, 153, 127, 102, 76, 51, 25, 0}));
  EXPECT_EQ(Weights(5), (std::vector<int>{204, 153, 102, 51, 0}));
  EXPECT_EQ(Weights(2), (std::vector<int>{127, 0}));
}

TEST(FadeAlphaTest, EdgeCounts) {
  struct Case {
    int index, count, want;
  } cases[] = {
      {1, 0, 255},                // no steps: the old image
      {1, -3, 255},               // negative count
      {0, 20, 255},               // before the first step
      {-4, 20, 255},              // an interrupted fade's early steps clamp
      {25, 20, 0},                // past the end
      {2147483647, 3, 0},         // StepIndex * 256 needs 64 bits
      {-2147483647 - 1, 7, 255},  // and so does the most negative index
      {6, 20, 179},
      {14, 20, 76},  // an interrupted fade restarting at step 14
  };
  for (const Case& c : cases) EXPECT_EQ(FadeAlpha(c.index, c.count), c.want) << c.index << "/" << c.count;
}

gfx::Bitmap Solid(int w, int h, std::uint8_t b, gfx::RowOrder order = gfx::RowOrder::TopDown) {
  gfx::Bitmap bmp(w, h, gfx::PixelFormat::Bgr24, order);
  bmp.FillBytes(b);
  return bmp;
}

TEST(ComposeFadeFrameTest, BytesByTheFormula) {
  struct Case {
    std::uint8_t from, to;
    int a;
    std::uint8_t want;
  } cases[] = {
      {255, 0, 243, 242}, {0, 255, 243, 12},  {200, 100, 127, 149},
      {10, 250, 12, 238}, {128, 128, 1, 127},  // the formula's bias: new - 1 ...
      {200, 200, 0, 200},                      // ... but the last step shows the new image exactly
      {0, 255, 0, 255},   {77, 3, 255, 77},
  };
  for (auto order : {gfx::RowOrder::TopDown, gfx::RowOrder::BottomUp}) {
    for (const Case& c : cases) {
      gfx::Bitmap frame;
      ComposeFadeFrame(frame, Solid(3, 2, c.from), Solid(3, 2, c.to, order), c.a);
      ASSERT_EQ(frame.GetSize(), (gfx::Size{3, 2}));
      EXPECT_EQ(frame.Format(), gfx::PixelFormat::Bgr24);
      for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
          EXPECT_EQ(frame.PixelAt(x, y), gfx::Color(c.want * 0x010101u))
              << int(c.from) << "," << int(c.to) << "," << c.a << " at " << x << "," << y;
    }
  }
}

TEST(ComposeFadeFrameTest, LastStepIsExactlyTheCacheForEveryByte) {
  gfx::Bitmap from(256, 2, gfx::PixelFormat::Bgr24), cache(256, 2, gfx::PixelFormat::Bgr24);
  for (int x = 0; x < 256; ++x) {
    from.SetPixelAt(x, 0, 0x00FFFFFFu - static_cast<unsigned>(x) * 0x010101u);
    cache.SetPixelAt(x, 0, static_cast<unsigned>(x) * 0x010101u);
    cache.SetPixelAt(x, 1, static_cast<unsigned>(255 - x) << 8);
  }
  gfx::Bitmap frame;
  ComposeFadeFrame(frame, from, cache, FadeAlpha(20, 20));
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 256; ++x) EXPECT_EQ(frame.PixelAt(x, y), cache.PixelAt(x, y)) << x << "," << y;
}

TEST(ComposeFadeFrameTest, SizesThatDoNotBlendGiveTheOldImage) {
  struct Case {
    const char* name;
    gfx::Size from, cache;
  } cases[] = {
      {"resized", {4, 4}, {5, 4}},
      {"one column", {1, 6}, {1, 6}},
      {"one row", {6, 1}, {6, 1}},
      {"empty cache", {4, 4}, {0, 0}},
  };
  for (const Case& c : cases) {
    gfx::Bitmap frame;
    const gfx::Bitmap from = Solid(c.from.Width, c.from.Height, 40);
    for (int a : {0, 100}) {
      ComposeFadeFrame(frame, from, Solid(c.cache.Width, c.cache.Height, 220), a);
      ASSERT_EQ(frame.GetSize(), c.from) << c.name;
      EXPECT_EQ(frame.PixelAt(0, 0), 0x282828u) << c.name << " a=" << a;
    }
  }
}

TEST(ComposeFadeFrameTest, A32BitOldImageIsCopiedAs24Bits) {
  gfx::Bitmap from(2, 2, gfx::PixelFormat::Bgra32);
  from.FillBytes(90);
  gfx::Bitmap frame;
  ComposeFadeFrame(frame, from, Solid(2, 2, 10), 255);
  EXPECT_EQ(frame.Format(), gfx::PixelFormat::Bgr24);
  EXPECT_EQ(frame.PixelAt(1, 1), 0x5A5A5Au);
}

TEST(ShouldAnimateTest, OwnEventsWithoutAManager) {
  using E = TacAnimatEvent;
  EXPECT_TRUE(ShouldAnimate(E::aeMouseEnter, {E::aeMouseEnter}));
  EXPECT_FALSE(ShouldAnimate(E::aeMouseLeave, {E::aeMouseEnter}));
  EXPECT_FALSE(ShouldAnimate(E::aeMouseDown, {}));
  // Deferring to a manager that does not exist: no fade.
  EXPECT_FALSE(ShouldAnimate(E::aeMouseUp, kDefaultAnimatEvents));
}

}  // namespace
}  // namespace skin
