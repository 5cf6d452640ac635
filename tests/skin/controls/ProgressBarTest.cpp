// The skinned progress bar on a headless form: the frame and the blocks in
// the cache, the shortcut that keeps the picture while the lit-block count
// stays, what forgets that count, the marquee and the skin commands.
#include <gtest/gtest.h>

#include "platform/gfx/Canvas.h"
#include "skin/controls/acProgressBar.h"
#include "skin/controls/sBackdrop.h"
#include "skin/render/SkinItem.h"
#include "tests/skin/controls/BindingTestSupport.h"

namespace skin::testing {
namespace {

using fixture::FixtureSkin;

constexpr gfx::Color kFrame = gfx::RGB(10, 20, 30);    // GAUGE colour C
constexpr gfx::Color kMask = gfx::RGB(200, 0, 0);      // GAUGE border K
constexpr gfx::Color kBlock = gfx::RGB(0, 0, 250);     // PROGRESSH colour B
constexpr gfx::Color kOther = gfx::RGB(0, 160, 0);     // OTHERBLOCK colour
constexpr gfx::Color kMarker = gfx::RGB(1, 2, 3);

FixtureSkin ProgressSkin() {
  FixtureSkin s;
  // A 3 x 3 border mask: a 1-pixel ring of K around a key-coloured centre.
  s.Fill({0, 0, 3, 3}, kMask);
  s.Master().SetPixelAt(1, 1, gfx::clFuchsia);
  s.Set("GAUGE", "COLOR", kFrame).Mask("GAUGE", {{0, 0, 3, 3}, 1, 1, 1, 1, 1, 0, 0, 0});
  s.Set("PROGRESSH", "COLOR", kBlock);
  s.Set("PROGRESSV", "COLOR", kBlock);
  s.Set("OTHERBLOCK", "COLOR", kOther);
  // A block that shows what lies behind it: half transparent, a gradient and
  // a 3 x 3 mask whose top-left pixel and centre are the key.
  s.Fill({4, 0, 7, 3}, gfx::RGB(250, 250, 0));
  s.Master().SetPixelAt(4, 0, gfx::clFuchsia);
  s.Master().SetPixelAt(5, 1, gfx::clFuchsia);
  s.Set("RICHBLOCK", "COLOR", gfx::RGB(0, 90, 200)).Set("RICHBLOCK", "TRANSPARENCY", 40);
  s.Set("RICHBLOCK", "GRADIENTPERCENT", 50).Set("RICHBLOCK", "GRADIENTDATA", "255;16711680;100;0;0");
  s.Mask("RICHBLOCK", {{4, 0, 7, 3}, 1, 1, 1, 1, 1, 0, 0, 0});
  return s;
}

class ProgressBar : public BindingFixture {
 protected:
  void SetUp() override {
    LoadSkin(ProgressSkin());
    form = ShownForm();
    bar = Make(198, 17, 20);
  }

  TsProgressBar* Make(int w, int h, int max) {
    auto* b = new TsProgressBar(form);
    b->SetParent(form);
    b->SetBounds(10, 10, w, h);
    b->SetRange(0, max);
    b->SkinData().Loaded();
    app().ProcessMessages();
    return b;
  }
  // Sets the position and lets the bar repaint.
  void Show(int position) {
    bar->SetPosition(position);
    app().ProcessMessages();
  }
  gfx::Color At(int x, int y) const { return bar->SkinData().CacheBitmap.PixelAt(x, y) & 0xFFFFFF; }
  void Mark() { bar->SkinData().CacheBitmap.SetPixelAt(150, 8, kMarker); }
  bool Marked() const { return At(150, 8) == kMarker; }

  ui::Form* form = nullptr;
  TsProgressBar* bar = nullptr;
};

TEST_F(ProgressBar, FrameAndBlocksOfTheGameBar) {
  struct Probe {
    int x, y;
    gfx::Color want;
  };
  struct Case {
    int position;
    std::vector<Probe> probes;
  } cases[] = {
      {0, {{0, 0, kMask}, {197, 16, kMask}, {1, 1, kFrame}, {100, 8, kFrame}, {196, 15, kFrame}}},
      {1, {{1, 1, kBlock}, {8, 15, kBlock}, {9, 8, kFrame}, {10, 8, kFrame}, {11, 8, kFrame}, {8, 16, kMask}}},
      {10, {{91, 1, kBlock}, {98, 15, kBlock}, {99, 8, kFrame}, {101, 8, kFrame}}},
      {11, {{98, 8, kBlock}, {101, 8, kFrame}}},
      {19, {{171, 8, kBlock}, {178, 8, kBlock}, {181, 8, kFrame}}},
      {20, {{181, 8, kBlock}, {189, 8, kFrame}, {191, 8, kBlock}, {196, 15, kBlock}, {197, 8, kMask}}},
  };
  for (const Case& c : cases) {
    Show(c.position);
    ASSERT_EQ(bar->SkinData().CacheBitmap.Width(), 198);
    for (const Probe& p : c.probes)
      EXPECT_EQ(At(p.x, p.y), p.want) << "position " << c.position << " at " << p.x << "," << p.y;
  }
  // The window shows the cache.
  EXPECT_EQ(Pixel(bar->ClientToScreen({191, 8})), kBlock);
  EXPECT_EQ(Pixel(bar->ClientToScreen({0, 0})), kMask);
}

TEST_F(ProgressBar, ShortcutKeepsThePictureWhileTheCountStays) {
  Show(10);
  Mark();
  Show(11);  // still 10 blocks
  EXPECT_TRUE(Marked());
  Show(19);
  EXPECT_FALSE(Marked());

  // The full-bar rule alone: 98, 99 and 100 of 0..100 all light 19 blocks.
  bar->SetRange(0, 100);
  Show(98);
  Mark();
  Show(99);
  EXPECT_TRUE(Marked());
  Show(100);
  EXPECT_FALSE(Marked());
}

TEST_F(ProgressBar, ChangesOfTheLookForgetTheCount) {
  struct Case {
    const char* What;
    std::function<void()> Change;
  } cases[] = {
      {"progress section", [&] { bar->SetProgressSkin("OTHERBLOCK"); }},
      {"skin refresh", [&] { SendSkinCommand(bar, SKC_SKIN_REFRESH, reinterpret_cast<ui::LPARAM>(manager.get())); }},
      {"set dirty", [&] { SendSkinCommand(bar, SKC_SET_DIRTY); bar->Invalidate(); }},
      {"invalidate command", [&] { SendSkinCommand(bar, SKC_INVALIDATE); }},
      {"resize", [&] { bar->SetBounds(10, 10, 198, 18); }},
      {"smooth", [&] { bar->SetSmooth(true); }},
      {"marquee and back", [&] {
         bar->SetStyle(TProgressBarStyle::pbstMarquee);
         bar->SetStyle(TProgressBarStyle::pbstNormal);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.What);
    bar->SetSmooth(false);
    bar->SetBounds(10, 10, 198, 17);
    Show(10);
    app().ProcessMessages();
    Mark();
    c.Change();
    app().ProcessMessages();
    EXPECT_FALSE(Marked());
  }
  EXPECT_EQ(At(1, 8), kOther);
}

// The blocks painted one by one, each into a bitmap of its own over what the
// cache shows at that moment, and copied into the cache cut to it.
gfx::Bitmap BlocksOneByOne(const TsSkinModel& model, gfx::Bitmap cache, const ProgressState& s) {
  const int index = model.SectionIndexOf("RICHBLOCK");
  for (const gfx::Rect& r : ProgressBlocks(s)) {
    gfx::Bitmap block(r.Width(), r.Height(), gfx::PixelFormat::Bgr24);
    RenderSkinItem(model, index, "RICHBLOCK", MakeBackdropRef(&cache, 0, 0), -1, -1, block, r.TopLeft(),
                   block.Bounds(), 0, true);
    for (int y = std::max(r.Top, 0); y < std::min(r.Bottom, cache.Height()); ++y)
      for (int x = std::max(r.Left, 0); x < std::min(r.Right, cache.Width()); ++x)
        cache.SetPixelAt(x, y, block.PixelAt(x - r.Left, y - r.Top));
  }
  return cache;
}

TEST_F(ProgressBar, BlocksPaintedInPlaceLookAsPaintedOneByOne) {
  struct Case {
    const char* What;
    int W, H, Max, Position;
    bool Vertical, Smooth, Marquee;
    int BorderWidth;
  } cases[] = {
      {"game bar full", 198, 17, 20, 20, false, false, false, 0},
      {"game bar half", 198, 17, 20, 9, false, false, false, 0},
      {"remainder with a wide gap", 94, 22, 10, 10, false, false, false, 0},
      {"vertical full", 17, 198, 20, 20, true, false, false, 0},
      {"border width: blocks past the cache", 198, 17, 20, 20, false, false, false, 2},
      {"vertical with border width", 17, 198, 20, 20, true, false, false, 2},
      {"smooth", 198, 17, 20, 13, false, true, false, 0},
      {"marquee", 198, 17, 20, 0, false, false, true, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.What);
    TsProgressBar* b = Make(c.W, c.H, c.Max);
    if (c.Vertical) b->SetOrientation(ui::ProgressBarOrientation::pbVertical);
    b->SetSmooth(c.Smooth);
    b->SetBorderWidth(c.BorderWidth);
    if (c.Marquee) {
      b->SetStyle(TProgressBarStyle::pbstMarquee);
      b->MarqueePos = 184 % std::max(c.W, c.H);
    }
    app().ProcessMessages();
    // The frame alone (a block section the skin lacks), then the blocks.
    b->SetPosition(c.Position);
    b->SetProgressSkin("NOSUCHBLOCK");
    b->RenderCache();
    const gfx::Bitmap frame = b->SkinData().CacheBitmap;
    b->SetProgressSkin("RICHBLOCK");
    b->RenderCache();
    const ProgressState s = b->GeometryState();
    ASSERT_FALSE(ProgressBlocks(s).empty());
    const gfx::Bitmap want = BlocksOneByOne(*b->SkinData().Model(), frame, s);
    const gfx::Bitmap& got = b->SkinData().CacheBitmap;
    ASSERT_EQ(got.Width(), want.Width());
    ASSERT_EQ(got.Height(), want.Height());
    for (int y = 0; y < got.Height(); ++y)
      for (int x = 0; x < got.Width(); ++x)
        ASSERT_EQ(got.PixelAt(x, y) & 0xFFFFFF, want.PixelAt(x, y) & 0xFFFFFF) << x << "," << y;
    delete b;
  }
}

TEST_F(ProgressBar, UnskinnedPaintsLikeThePlainBar) {
  auto* plain = new ui::ProgressBar(form);
  plain->SetParent(form);
  plain->SetBounds(10, 40, 198, 17);
  plain->SetRange(0, 20);
  plain->SetPosition(7);
  bar->SetPosition(7);
  manager->Deactivate();
  app().ProcessMessages();
  for (int y = 0; y < 17; ++y)
    for (int x = 0; x < 198; ++x)
      ASSERT_EQ(Pixel(bar->ClientToScreen({x, y})), Pixel(plain->ClientToScreen({x, y}))) << x << "," << y;
}

TEST_F(ProgressBar, MarqueeRunsWhileSkinned) {
  bar->SetStyle(TProgressBarStyle::pbstMarquee);
  EXPECT_TRUE(bar->MarqueeTimer().Enabled());
  EXPECT_EQ(bar->MarqueeTimer().Interval(), 30u);
  std::vector<int> positions;
  for (int i = 0; i < 25; ++i) {
    positions.push_back(bar->MarqueePos);
    bar->MarqueeTick();
  }
  for (int i = 0; i < 24; ++i) EXPECT_EQ(positions[i], i * 8 % 192) << i;
  // At 184 the blocks wrap to the start of the bar.
  bar->MarqueePos = 184;
  bar->MarqueeTick();
  EXPECT_EQ(At(185, 8), kBlock);
  EXPECT_EQ(At(7, 8), kBlock);
  EXPECT_EQ(At(6, 8), kFrame);
  EXPECT_EQ(At(197, 8), kBlock) << "the block at 195 is cut at the bar's edge";

  // The position is stored without a repaint.
  app().ProcessMessages();
  bar->Perform(ui::PBM_SETPOS, 5);
  EXPECT_EQ(bar->Position(), 5);
  EXPECT_FALSE(bar->HasUpdateRegion());

  // Without a skin the next tick switches the timer off.
  manager->Deactivate();
  bar->MarqueeTimer().SetEnabled(true);
  bar->MarqueeTick();
  EXPECT_FALSE(bar->MarqueeTimer().Enabled());
}

TEST_F(ProgressBar, AnswersItsChildrenWithItsCache) {
  BackdropQuery q;
  auto* fresh = new TsProgressBar(form);
  fresh->SetParent(form);
  fresh->SkinData().Loaded();
  SendSkinCommand(fresh, SKC_GET_BG_INFO, reinterpret_cast<ui::LPARAM>(&q));
  EXPECT_EQ(q.Kind, kBackdropNone) << "nothing rendered yet";

  Show(3);
  q = BackdropQuery{};
  q.X = q.Y = 7;
  SendSkinCommand(bar, SKC_GET_BG_INFO, reinterpret_cast<ui::LPARAM>(&q));
  EXPECT_EQ(q.Kind, kBackdropImage);
  EXPECT_EQ(q.Bitmap, &bar->SkinData().CacheBitmap);
  EXPECT_EQ(q.X, 0);
  EXPECT_EQ(q.Y, 0);
  EXPECT_EQ(SendSkinCommand(bar, SKC_IS_SKINNED), 1);
}

}  // namespace
}  // namespace skin::testing
