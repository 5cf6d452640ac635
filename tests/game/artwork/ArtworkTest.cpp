// The committed pictures: sizes and alpha, the transparent margin around the
// tiles, no key-colour pixels, and lit tiles that stand out from dark ones by
// brightness and shape alone (for players who cannot tell the colours apart).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "image/acPNG.h"
#include "platform/gfx/FileBytes.h"

namespace {

gfx::Bitmap Load(const std::string& relative) {
  image::TPNGGraphic png;
  const std::vector<std::uint8_t> bytes = gfx::ReadFileBytes(std::string(ZT_ASSETS_DIR) + "/" + relative);
  png.LoadFromBytes(bytes);
  return png.Bitmap();
}

std::string TileFile(int tile, bool lit) {
  return "tiles/tile" + std::to_string(tile) + (lit ? "_lit" : "_dark") + ".png";
}

int Alpha(gfx::Color c) { return static_cast<int>(c >> 24); }
double Luma(gfx::Color c) {
  return (0.299 * gfx::GetR(c) + 0.587 * gfx::GetG(c) + 0.114 * gfx::GetB(c)) / 255;
}

TEST(ArtworkTest, PicturesHaveTheirSizesAndAlpha) {
  struct Case {
    std::string file;
    int size;
  };
  std::vector<Case> cases = {{"result/result.png", 128}, {"icons/icon16.png", 16}, {"icons/icon32.png", 32}};
  for (int tile = 1; tile <= 6; ++tile) {
    cases.push_back({TileFile(tile, false), 200});
    cases.push_back({TileFile(tile, true), 200});
  }
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    const gfx::Bitmap bmp = Load(c.file);
    EXPECT_EQ(bmp.Format(), gfx::PixelFormat::Bgra32);
    EXPECT_EQ(bmp.GetSize(), (gfx::Size{c.size, c.size}));
    // Some pixels are see-through, some opaque, and edges are smooth.
    int clear = 0, opaque = 0, partial = 0;
    for (int y = 0; y < bmp.Height(); ++y) {
      for (int x = 0; x < bmp.Width(); ++x) {
        const int a = Alpha(bmp.PixelAt(x, y));
        (a == 0 ? clear : a == 255 ? opaque : partial)++;
      }
    }
    EXPECT_GT(clear, 0);
    EXPECT_GT(opaque, 0);
    EXPECT_GT(partial, 0);
  }
}

TEST(ArtworkTest, TilesKeepAClearMarginAndNoKeyColour) {
  for (int tile = 1; tile <= 6; ++tile) {
    for (bool lit : {false, true}) {
      SCOPED_TRACE(TileFile(tile, lit));
      const gfx::Bitmap bmp = Load(TileFile(tile, lit));
      int marginPixels = 0, keyPixels = 0;
      for (int y = 0; y < bmp.Height(); ++y) {
        for (int x = 0; x < bmp.Width(); ++x) {
          const gfx::Color c = bmp.PixelAt(x, y);
          const bool margin = x < 8 || y < 8 || x >= 192 || y >= 192;
          if (margin && Alpha(c) != 0) ++marginPixels;
          if (Alpha(c) != 0 && (c & 0xFFFFFF) == gfx::clFuchsia) ++keyPixels;
        }
      }
      EXPECT_EQ(marginPixels, 0);
      EXPECT_EQ(keyPixels, 0);
    }
  }
}

// Pixels of the tile that are nearly white: the lit motif's glowing core.
std::vector<bool> BrightMask(const gfx::Bitmap& bmp) {
  std::vector<bool> mask;
  for (int y = 0; y < bmp.Height(); ++y) {
    for (int x = 0; x < bmp.Width(); ++x) {
      const gfx::Color c = bmp.PixelAt(x, y);
      mask.push_back(Alpha(c) == 255 && Luma(c) > 0.8);
    }
  }
  return mask;
}

TEST(ArtworkTest, LitTilesStandOutWithoutColour) {
  for (int tile = 1; tile <= 6; ++tile) {
    SCOPED_TRACE("tile " + std::to_string(tile));
    const gfx::Bitmap dark = Load(TileFile(tile, false));
    const gfx::Bitmap lit = Load(TileFile(tile, true));
    double darkLuma = 0, litLuma = 0;
    int n = 0;
    for (int y = 20; y < 180; ++y) {
      for (int x = 20; x < 180; ++x) {
        darkLuma += Luma(dark.PixelAt(x, y));
        litLuma += Luma(lit.PixelAt(x, y));
        ++n;
      }
    }
    EXPECT_GT(litLuma / n, 2.0 * darkLuma / n);
    EXPECT_LT(darkLuma / n, 0.35);
    const std::vector<bool> darkBright = BrightMask(dark), litBright = BrightMask(lit);
    EXPECT_EQ(std::count(darkBright.begin(), darkBright.end(), true), 0);
    EXPECT_GT(std::count(litBright.begin(), litBright.end(), true), 3000);
  }
}

TEST(ArtworkTest, SixLitMotifsDifferInShape) {
  std::vector<std::vector<bool>> masks;
  for (int tile = 1; tile <= 6; ++tile) masks.push_back(BrightMask(Load(TileFile(tile, true))));
  for (std::size_t a = 0; a < masks.size(); ++a) {
    for (std::size_t b = a + 1; b < masks.size(); ++b) {
      int onlyOne = 0, either = 0;
      for (std::size_t i = 0; i < masks[a].size(); ++i) {
        onlyOne += masks[a][i] != masks[b][i];
        either += masks[a][i] || masks[b][i];
      }
      EXPECT_GT(onlyOne, either / 5) << "tiles " << a + 1 << " and " << b + 1 << " look alike";
    }
  }
}

}  // namespace
