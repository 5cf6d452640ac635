// Opaque textures and whole-image tiling. The tile is a 3 x 2 block of six
// different colours at (2, 1) of the master bitmap.
#include "skin/render/Texture.h"

#include <gtest/gtest.h>

#include <climits>

#include <functional>
#include <memory>
#include <string>

#include "tests/skin/paint/PaintTestUtil.h"
#include "tests/skin/render/RenderFixture.h"

namespace skin {
namespace {

using test::Filled;
using test::kRowOrders;
using test::MakeMask;
using test::ModelBuilder;

constexpr gfx::Color kSentinel = 0x3C5A78;
constexpr gfx::Rect kTileRegion{2, 1, 5, 3};
constexpr int kTW = 3, kTH = 2;

gfx::Color TileColour(int tx, int ty) { return gfx::RGB(40 + 50 * tx, 30 + 100 * ty, 9); }

ModelBuilder TileModel(gfx::RowOrder o) {
  ModelBuilder mb(8, 6, gfx::clFuchsia, o);
  for (int y = 0; y < kTH; ++y)
    for (int x = 0; x < kTW; ++x)
      mb.Master().SetPixelAt(kTileRegion.Left + x, kTileRegion.Top + y, TileColour(x, y));
  return mb;
}

int Mod(int a, int m) { return ((a % m) + m) % m; }

// Expected: tile pixels anchored at (ax, ay) inside `painted`, the sentinel elsewhere.
void ExpectTiles(const gfx::Bitmap& b, const gfx::Rect& painted, int ax, int ay, const std::string& what) {
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x) {
      const gfx::Color want =
          painted.Contains({x, y}) ? TileColour(Mod(x - ax, kTW), Mod(y - ay, kTH)) : kSentinel;
      ASSERT_EQ(b.PixelAt(x, y) & 0xFFFFFF, want) << what << " at " << x << "," << y;
    }
}

TEST(PaintTexture, ModesPlaceTilesAndLeaveTheRestForTheColour) {
  struct Case {
    std::string Name;
    int Mode;
    gfx::Rect Area;
    gfx::Rect Painted;  // the pixels that show tiles
    gfx::Point Anchor;  // where the tile grid starts
    gfx::Rect Left;     // the area afterwards
  };
  const Case cases[] = {
      {"0: whole area", 0, {1, 2, 9, 8}, {1, 2, 9, 8}, {1, 2}, kNoArea},
      {"0: area off the top-left keeps its grid", 0, {-2, -1, 5, 4}, {0, 0, 5, 4}, {-2, -1}, kNoArea},
      {"2: one row on top", 2, {1, 2, 9, 8}, {1, 2, 9, 4}, {1, 2}, {1, 4, 9, 8}},
      {"3: one column on the left", 3, {1, 2, 9, 8}, {1, 2, 4, 8}, {1, 2}, {4, 2, 9, 8}},
      {"6: one row at the bottom, bottom-aligned", 6, {1, 2, 9, 9}, {1, 7, 9, 9}, {1, 7}, {1, 2, 9, 7}},
      {"7: one column on the right, right-aligned", 7, {1, 2, 9, 8}, {6, 2, 9, 8}, {6, 2}, {1, 2, 6, 8}},
      {"10: H = 2h leaves one tile row untouched", 10, {1, 2, 9, 6}, {1, 2, 9, 4}, {1, 2}, kNoArea},
      {"10: H = 2h + 1 leaves one row", 10, {1, 2, 9, 7}, {1, 2, 9, 6}, {1, 2}, kNoArea},
      {"10: lower than a tile paints nothing", 10, {1, 2, 9, 3}, {}, {1, 2}, kNoArea},
      {"unknown mode: nothing, all left for the colour", 9, {1, 2, 9, 8}, {}, {1, 2}, {1, 2, 9, 8}},
      // A tile larger than the area stays inside the area.
      {"2: tile higher than the area", 2, {1, 2, 9, 3}, {1, 2, 9, 3}, {1, 2}, {1, 3, 9, 3}},
      {"6: tile higher than the area shows its bottom rows",
       6,
       {1, 2, 9, 3},
       {1, 2, 9, 3},
       {1, 1},
       {1, 2, 9, 2}},
      {"7: tile wider than the area shows its right columns",
       7,
       {4, 2, 6, 8},
       {4, 2, 6, 8},
       {3, 2},
       {4, 2, 4, 8}},
      {"3: tile wider than the area", 3, {4, 2, 6, 8}, {4, 2, 6, 8}, {4, 2}, {6, 2, 6, 8}},
  };
  for (const Case& c : cases)
    for (gfx::PixelFormat f : {gfx::PixelFormat::Bgr24, gfx::PixelFormat::Bgra32})
      for (gfx::RowOrder o : kRowOrders) {
        ModelBuilder mb = TileModel(o);
        const TsMaskData mask = MakeMask(kTileRegion, {1, 0, c.Mode});
        gfx::Bitmap b = Filled(f, 11, 10, kSentinel, o);
        gfx::Rect area = c.Area;
        PaintTexture(mb.Model(), b, area, nullptr, c.Mode, &mask);
        ExpectTiles(b, c.Painted, c.Anchor.X, c.Anchor.Y, c.Name);
        EXPECT_EQ(area, c.Left) << c.Name;
        if (f == gfx::PixelFormat::Bgra32 && !c.Painted.IsEmpty()) {
          EXPECT_EQ(b.PixelAt(c.Painted.Left, c.Painted.Top) >> 24, 255u) << c.Name;
        }
      }
}

TEST(PaintTexture, StretchModes) {
  // A uniform tile stretches to its colour exactly.
  for (gfx::PixelFormat f : {gfx::PixelFormat::Bgr24, gfx::PixelFormat::Bgra32})
    for (gfx::RowOrder o : kRowOrders) {
      ModelBuilder mb(8, 6, gfx::clFuchsia, o);
      mb.Paint({0, 0, 2, 3}, 0x204060);
      const TsMaskData mask = MakeMask({0, 0, 2, 3}, {});
      struct Case {
        int Mode;
        gfx::Rect Area, Painted, Left;
      };
      for (const Case& c :
           {Case{1, {1, 1, 8, 9}, {1, 1, 8, 9}, kNoArea}, Case{4, {1, 1, 8, 9}, {1, 1, 8, 4}, {1, 4, 8, 9}},
            Case{5, {1, 1, 8, 9}, {1, 1, 3, 9}, {3, 1, 8, 9}},
            Case{4, {1, 1, 8, 3}, {1, 1, 8, 3}, {1, 3, 8, 3}}}) {
        gfx::Bitmap b = Filled(f, 10, 10, kSentinel, o);
        gfx::Rect area = c.Area;
        PaintTexture(mb.Model(), b, area, nullptr, c.Mode, &mask);
        EXPECT_EQ(area, c.Left) << c.Mode;
        for (int y = 0; y < 10; ++y)
          for (int x = 0; x < 10; ++x)
            ASSERT_EQ(b.PixelAt(x, y) & 0xFFFFFF, c.Painted.Contains({x, y}) ? 0x204060u : kSentinel)
                << c.Mode << " at " << x << "," << y;
      }
    }
  // A two-colour tile stretched over twice its size: each source pixel becomes two.
  ModelBuilder mb(4, 4, gfx::clBlack);
  mb.Paint({1, 0, 2, 1}, gfx::clWhite);
  const TsMaskData mask = MakeMask({0, 0, 2, 1}, {});
  gfx::Bitmap b = Filled(gfx::PixelFormat::Bgr24, 4, 2, kSentinel);
  gfx::Rect area = b.Bounds();
  PaintTexture(mb.Model(), b, area, nullptr, 1, &mask);
  EXPECT_EQ(test::Pixels(b), (std::vector<gfx::Color>{0, 0, 0xFFFFFF, 0xFFFFFF, 0, 0, 0xFFFFFF, 0xFFFFFF}));
}

// The tile as an image of its own, in 24 bits or with a palette.
std::shared_ptr<gfx::Bitmap> TileImageOf(gfx::PixelFormat f) {
  auto img = std::make_shared<gfx::Bitmap>(kTW, kTH, f);
  if (f == gfx::PixelFormat::Indexed8) {
    for (int i = 0; i < kTW * kTH; ++i) img->Palette().push_back(TileColour(i % kTW, i / kTW));
    // Palette entries in reverse so that reading the index bytes as colours shows.
    for (int i = 0; i < kTW * kTH; ++i) img->SetPixelAt(i % kTW, i / kTW, static_cast<gfx::Color>(i));
  } else {
    for (int y = 0; y < kTH; ++y)
      for (int x = 0; x < kTW; ++x) img->SetPixelAt(x, y, TileColour(x, y) | 0xFF000000u);
  }
  return img;
}

TEST(PaintTexture, OwnImagesAndPatternsAreTiledInEveryMode) {
  for (gfx::PixelFormat imageFormat : {gfx::PixelFormat::Bgr24, gfx::PixelFormat::Indexed8})
    for (int mode : {0, 2, 7, 10, 9}) {
      ModelBuilder mb(4, 4, gfx::clFuchsia);
      auto image = TileImageOf(imageFormat);
      const TsMaskData mask = MakeMask({0, 0, kTW, kTH}, {1, 0, mode}, image);
      gfx::Bitmap b = Filled(gfx::PixelFormat::Bgr24, 11, 10, kSentinel);
      gfx::Rect area{1, 2, 9, 8};
      PaintTexture(mb.Model(), b, area, image.get(), mode, &mask);
      ExpectTiles(b, {1, 2, 9, 8}, 1, 2, "own image, mode " + std::to_string(mode));
      EXPECT_EQ(area, kNoArea);
    }
}

TEST(TileImage, TilesFromTheTopLeftCornerCutToTheTarget) {
  for (gfx::PixelFormat f : {gfx::PixelFormat::Bgr24, gfx::PixelFormat::Bgra32})
    for (gfx::RowOrder o : kRowOrders)
      for (const gfx::Rect& r : {gfx::Rect{1, 2, 9, 8}, gfx::Rect{-4, -3, 20, 20}, gfx::Rect{3, 3, 4, 4}}) {
        gfx::Bitmap b = Filled(f, 11, 10, kSentinel, o);
        TileImage(b, r, *TileImageOf(gfx::PixelFormat::Bgr24));
        ExpectTiles(b, gfx::Intersect(r, b.Bounds()), r.Left, r.Top, "tile image");
      }
  gfx::Bitmap b = Filled(gfx::PixelFormat::Bgr24, 4, 4, kSentinel);
  TileImage(b, b.Bounds(), gfx::Bitmap(0, 3, gfx::PixelFormat::Bgr24));
  EXPECT_EQ(test::Pixels(b), test::Pixels(Filled(gfx::PixelFormat::Bgr24, 4, 4, kSentinel)));
}

TEST(PaintTexture, HostileRegionsAreCutToTheMasterOrPaintNothing) {
  ModelBuilder mb = TileModel(gfx::RowOrder::TopDown);
  struct Case {
    gfx::Rect Region;
    bool Paints;
  };
  for (const Case& c : {Case{{-1000000, -5, 5, 3}, true}, Case{{2, 1, 2000000000, 3}, true},
                        Case{{9, 1, 20, 3}, false}, Case{{5, 3, 2, 1}, false}, Case{{2, 1, 2, 3}, false}}) {
    const TsMaskData mask = MakeMask(c.Region, {});
    gfx::Bitmap b = Filled(gfx::PixelFormat::Bgr24, 11, 10, kSentinel);
    gfx::Rect area{1, 2, 9, 8};
    PaintTexture(mb.Model(), b, area, nullptr, 0, &mask);
    EXPECT_EQ(area == kNoArea, c.Paints) << c.Region.Left;
    if (!c.Paints) {
      EXPECT_EQ(test::Pixels(b), test::Pixels(Filled(gfx::PixelFormat::Bgr24, 11, 10, kSentinel)));
    }
  }
  // An area wider than the int range is not stretched onto (its width does
  // not fit an int); it counts as done.
  for (const int mode : {1, 4, 5}) {
    const TsMaskData mask = MakeMask({2, 1, 6, 3}, {});
    gfx::Bitmap b = Filled(gfx::PixelFormat::Bgr24, 11, 10, kSentinel);
    gfx::Rect area{INT_MIN, INT_MIN, 9, 8};
    PaintTexture(mb.Model(), b, area, nullptr, mode, &mask);
    EXPECT_EQ(test::Pixels(b), test::Pixels(Filled(gfx::PixelFormat::Bgr24, 11, 10, kSentinel))) << mode;
  }
  // No mask and no image: nothing, the area stays for the colour.
  gfx::Bitmap b = Filled(gfx::PixelFormat::Bgr24, 4, 4, kSentinel);
  gfx::Rect area = b.Bounds();
  PaintTexture(mb.Model(), b, area, nullptr, 0, nullptr);
  EXPECT_EQ(area, b.Bounds());
}

}  // namespace
}  // namespace skin
