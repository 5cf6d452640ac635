// The item background: a 4 x 4 item at (1, 1) of a 6 x 6 bitmap filled with a
// sentinel, over a patterned backdrop seen at an offset. The sentinel around
// the item must survive every case.
#include "skin/render/ItemBackground.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "skin/paint/Tint.h"
#include "tests/skin/paint/PaintTestUtil.h"
#include "tests/skin/render/RenderFixture.h"

namespace skin {
namespace {

using test::Filled;
using test::kRowOrders;
using test::MakeMask;
using test::ModelBuilder;

constexpr gfx::Color kSentinel = 0x3C5A78;
constexpr gfx::Rect kItem{1, 1, 5, 5};
constexpr gfx::Point kOffset{1, 1};
constexpr int kBackdropX = 2, kBackdropY = 3;
constexpr gfx::Color kNotUniform = 0xFFFFFFFF;

gfx::Color Grey(int v) { return gfx::RGB(v, v, v); }

// A backdrop whose every pixel differs; or uniform `uniform`.
gfx::Bitmap MakeBackdrop(std::optional<int> uniform) {
  gfx::Bitmap b(12, 12, gfx::PixelFormat::Bgr24);
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 12; ++x) b.SetPixelAt(x, y, uniform ? Grey(*uniform) : gfx::RGB(x * 20, y * 20, 7));
  return b;
}

TsGradArray Uniform(int v) {
  return {{static_cast<std::int32_t>(Grey(v)), static_cast<std::int32_t>(Grey(v)), 100, 0}};
}

struct Case {
  std::string Name;
  TsGeneralData Section;
  bool Ready = false;
  gfx::Color FillColor = gfx::clFuchsia;
  std::optional<int> BackdropGrey;  // uniform backdrop image, else patterned
  gfx::Color Custom = gfx::clFuchsia;
  gfx::Color Want = 0;  // uniform result, or kNotUniform = the backdrop itself
};

TsGeneralData Section(gfx::Color c, int t, int g = 0, int i = 0, TsGradArray steps = {},
                      std::string data = "x") {
  TsGeneralData s;
  s.SectionName = "ITEM";
  s.Color = c;
  s.Transparency = t;
  s.GradientPercent = g;
  s.ImagePercent = i;
  s.GradientSteps = std::move(steps);
  s.GradientData = std::move(data);
  return s;
}

TEST(RenderItemBackground, MixesColourGradientTextureAndBackdrop) {
  const Case cases[] = {
      {"custom colour",
       Section(Grey(9), 0, 60, 40, Uniform(200)),
       false,
       gfx::clFuchsia,
       {},
       Grey(77),
       Grey(77)},
      {"T=0", Section(Grey(40), 0), true, gfx::clFuchsia, {}, gfx::clFuchsia, Grey(40)},
      {"T=100, ready: the backdrop exactly",
       Section(Grey(40), 100),
       true,
       gfx::clFuchsia,
       {},
       gfx::clFuchsia,
       kNotUniform},
      {"T=100, not ready: fill colour",
       Section(Grey(40), 100),
       false,
       Grey(66),
       {},
       gfx::clFuchsia,
       Grey(66)},
      {"T=50, not ready, white fill, C black",
       Section(0, 50),
       false,
       gfx::clWhite,
       {},
       gfx::clFuchsia,
       Grey(128)},
      {"T=50, ready, backdrop 255, C 0", Section(0, 50), true, gfx::clFuchsia, 255, gfx::clFuchsia,
       Grey(127)},
      {"T=70, G=100 over backdrop 100", Section(0, 70, 100, 0, Uniform(200)), true, gfx::clFuchsia, 100,
       gfx::clFuchsia, Grey(130)},
      {"G=60, T=0: gradient tinted 40 % to C",
       Section(0, 0, 60, 0, Uniform(201)),
       true,
       gfx::clFuchsia,
       {},
       gfx::clFuchsia,
       Grey(121)},
      {"I=50, G=50: texture and gradient halves",
       Section(0, 0, 50, 50, Uniform(255)),
       true,
       gfx::clFuchsia,
       {},
       gfx::clFuchsia,
       Grey(127)},
      {"G=50 with a blank list: the colour",
       Section(Grey(90), 0, 50, 0, {}, " "),
       true,
       gfx::clFuchsia,
       {},
       gfx::clFuchsia,
       Grey(90)},
      {"G=50 with a list of a kind that paints nothing",
       Section(Grey(90), 0, 50, 0, {{0, 0, 100, 7}}),
       true,
       gfx::clFuchsia,
       {},
       gfx::clFuchsia,
       Grey(90)},
      {"no backdrop at all, T=50: the colour, not mixed with magenta",
       Section(Grey(90), 50),
       false,
       gfx::clFuchsia,
       {},
       gfx::clFuchsia,
       Grey(90)},
      {"T above 100 counts as 100", Section(Grey(40), 250), false, Grey(66), {}, gfx::clFuchsia, Grey(66)},
      {"negative shares count as 0",
       Section(Grey(40), -5, -30, -30, Uniform(200)),
       true,
       gfx::clFuchsia,
       {},
       gfx::clFuchsia,
       Grey(40)},
      {"G above 100 counts as 100",
       Section(Grey(40), 0, 400, 0, Uniform(200)),
       true,
       gfx::clFuchsia,
       {},
       gfx::clFuchsia,
       Grey(200)},
  };
  for (const Case& c : cases)
    for (gfx::PixelFormat f : {gfx::PixelFormat::Bgr24, gfx::PixelFormat::Bgra32})
      for (gfx::RowOrder o : kRowOrders) {
        ModelBuilder mb(8, 8, gfx::clBlack, o);  // the master: an all-black texture at (0, 0, 4, 4)
        const int section = mb.AddSection(c.Section);
        mb.AddMask(MakeMask({0, 0, 4, 4}, {}), "ITEM", "PATTERN");
        const gfx::Bitmap backdropImage = MakeBackdrop(c.BackdropGrey);
        BackdropRef backdrop{&backdropImage, kBackdropX, kBackdropY, c.FillColor, c.Ready};
        if (!c.Ready) backdrop.Bitmap = nullptr;
        gfx::Bitmap b = Filled(f, 6, 6, kSentinel, o);
        RenderItemBackground(mb.Model(), section, "ITEM", backdrop, 0, kItem, kOffset, b, -1, -1, c.Custom);
        for (int y = 0; y < 6; ++y)
          for (int x = 0; x < 6; ++x) {
            gfx::Color want = kSentinel;
            if (kItem.Contains({x, y}))
              want = c.Want != kNotUniform ? c.Want
                                           : backdropImage.PixelAt(kBackdropX + kOffset.X + x - kItem.Left,
                                                                   kBackdropY + kOffset.Y + y - kItem.Top);
            ASSERT_EQ(b.PixelAt(x, y) & 0xFFFFFF, want) << c.Name << " at " << x << "," << y << " "
                                                        << test::OrderName(o) << " " << static_cast<int>(f);
          }
      }
}

TEST(RenderItemBackground, StripsATextureLeavesShowTheColourInTheBlend) {
  // A transparent mode-0 texture of 2 x 3 tiles covers one whole row of
  // tiles of the 4 x 4 item; the rows below it are the item's colour (100),
  // blended with the backdrop (255) like the rest: never an unset pixel.
  for (gfx::PixelFormat f : {gfx::PixelFormat::Bgr24, gfx::PixelFormat::Bgra32})
    for (gfx::RowOrder o : kRowOrders) {
      ModelBuilder mb(4, 8, gfx::clBlack, o);
      mb.Paint({0, 0, 2, 3}, Grey(0));  // picture black, mask rows 3..5 black: opaque
      mb.AddMask(MakeMask({0, 0, 2, 6}, {1, 1, 0}), "ITEM", "PATTERN");
      const int section = mb.AddSection(Section(Grey(100), 50, 0, 100));
      const gfx::Bitmap backdropImage = MakeBackdrop(255);
      gfx::Bitmap b = Filled(f, 6, 6, kSentinel, o);
      RenderItemBackground(mb.Model(), section, "ITEM", MakeBackdropRef(&backdropImage, 0, 0), 0, kItem, {},
                           b, -1, -1, gfx::clFuchsia);
      for (int y = kItem.Top; y < kItem.Bottom; ++y)
        for (int x = kItem.Left; x < kItem.Right; ++x) {
          // a = 127: texture (255 * 127 + 0 * 128 + 127) >> 8; colour (255 * 127 + 100 * 128 + 127) >> 8.
          const gfx::Color want = y < kItem.Top + 3 ? Grey(127) : Grey(177);
          ASSERT_EQ(b.PixelAt(x, y) & 0xFFFFFF, want) << x << "," << y;
        }
    }
}

TEST(RenderItemBackground, SystemColoursAreResolvedBeforeMixing) {
  ModelBuilder mb(4, 4);
  const int section = mb.AddSection(Section(gfx::clBtnFace, 50));
  const BackdropRef backdrop{nullptr, 0, 0, gfx::clWindow, false};
  gfx::Bitmap b = Filled(gfx::PixelFormat::Bgr24, 6, 6, kSentinel);
  RenderItemBackground(mb.Model(), section, "ITEM", backdrop, 0, kItem, {}, b, -1, -1, gfx::clFuchsia);
  EXPECT_EQ(b.PixelAt(2, 2), LerpColor(gfx::ColorToRGB(gfx::clWindow), gfx::ColorToRGB(gfx::clBtnFace), 0.5));
}

TEST(RenderItemBackground, HotStatesUseTheHotSet) {
  ModelBuilder mb(4, 4);
  TsGeneralData s = Section(Grey(10), 0);
  s.HotColor = Grey(20);
  s.HotTransparency = 100;
  const int section = mb.AddSection(s);
  const BackdropRef backdrop{nullptr, 0, 0, Grey(30), false};
  for (int state : {0, 1, 2, 7}) {
    gfx::Bitmap b = Filled(gfx::PixelFormat::Bgr24, 6, 6, kSentinel);
    RenderItemBackground(mb.Model(), section, "ITEM", backdrop, state, kItem, {}, b, -1, -1, gfx::clFuchsia);
    EXPECT_EQ(b.PixelAt(2, 2), state == 0 ? Grey(10) : Grey(30)) << state;
  }
}

TEST(RenderItemBackground, NothingForBadSectionsRectsOrFormats) {
  ModelBuilder mb(4, 4);
  const int section = mb.AddSection(Section(Grey(10), 0));
  const gfx::Bitmap blank = Filled(gfx::PixelFormat::Bgr24, 6, 6, kSentinel);
  struct Bad {
    int Section;
    gfx::Rect Rect;
  };
  for (const Bad& bad :
       {Bad{-1, kItem}, Bad{5, kItem}, Bad{section, {4, 4, 7, 6}}, Bad{section, {-1, 0, 3, 3}},
        Bad{section, {3, 3, 3, 5}}, Bad{section, {3, 3, 1, 5}}}) {
    gfx::Bitmap b = blank;
    RenderItemBackground(mb.Model(), bad.Section, "ITEM", NoBackdrop, 0, bad.Rect, {}, b, -1, -1,
                         gfx::clFuchsia);
    EXPECT_EQ(test::Pixels(b), test::Pixels(blank));
  }
  gfx::Bitmap grey = Filled(gfx::PixelFormat::Gray8, 6, 6, 50);
  RenderItemBackground(mb.Model(), section, "ITEM", NoBackdrop, 0, kItem, {}, grey, -1, -1, gfx::clFuchsia);
  EXPECT_EQ(test::Pixels(grey), test::Pixels(Filled(gfx::PixelFormat::Gray8, 6, 6, 50)));
}

}  // namespace
}  // namespace skin
