// zt_artgen: draws the game's artwork and writes it as PNG files.
//
// Regenerate the committed artwork from the repository root with
//   cmake --build build --target zt_artgen
//   build/tools/artgen/zt_artgen assets
// which writes
//   assets/tiles/tile1_dark.png ... assets/tiles/tile6_lit.png  (200 x 200 RGBA)
//   assets/result/result.png                                    (128 x 128 RGBA)
//   assets/icons/icon16.png, assets/icons/icon32.png
//   assets/icons/hicolor/icon48.png ... icon256.png  (installed, not embedded)
//   assets/shadows/shadow1.png, assets/shadows/shadow2.png    (48 x 48 RGBA)
//   assets/skins/Skin/   the internal skin's source directory (Options.dat
//   assets/skins/Night/  and its ten images); Night is the dark skin
// Add `--sheet FILE.png` to also write a contact sheet of everything over a
// plain background, for looking at the set (not part of the assets).
//
// The output is deterministic: the same program writes the same bytes.

#include <cstdio>
#include <exception>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "platform/gfx/PngWriter.h"
#include "tools/artgen/IconArt.h"
#include "tools/artgen/ShadowArt.h"
#include "tools/artgen/SkinArt.h"
#include "tools/artgen/Sheet.h"
#include "tools/artgen/TileArt.h"
#include "tools/artgen/TrophyArt.h"

namespace {

// Tile pictures are blended with their magenta pixels skipped (magenta is the
// transparent key colour), so no pixel may be exactly magenta.
void AvoidKeyColour(gfx::Bitmap& bmp) {
  for (int y = 0; y < bmp.Height(); ++y) {
    std::uint8_t* row = bmp.Scanline(y);
    for (int x = 0; x < bmp.Width(); ++x) {
      std::uint8_t* px = row + 4 * x;
      if (px[0] == 255 && px[1] == 0 && px[2] == 255) px[0] = 254;
    }
  }
}

void CheckMargin(const gfx::Bitmap& bmp, int margin, const std::string& name) {
  for (int y = 0; y < bmp.Height(); ++y) {
    for (int x = 0; x < bmp.Width(); ++x) {
      const bool inMargin =
          x < margin || y < margin || x >= bmp.Width() - margin || y >= bmp.Height() - margin;
      if (inMargin && (bmp.PixelAt(x, y) >> 24) != 0) {
        throw std::logic_error(name + ": pixel in the transparent margin at " + std::to_string(x) + "," +
                               std::to_string(y));
      }
    }
  }
}

void Write(gfx::Bitmap bmp, const std::filesystem::path& path) {
  AvoidKeyColour(bmp);
  std::filesystem::create_directories(path.parent_path());
  gfx::SavePng(bmp, path.string());
  std::printf("wrote %s\n", path.string().c_str());
}

int Usage() {
  std::fprintf(stderr, "usage: zt_artgen ASSETS_DIR [--sheet FILE.png]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 && argc != 4) return Usage();
  const std::filesystem::path assets = argv[1];
  std::string sheetPath;
  if (argc == 4) {
    if (std::string(argv[2]) != "--sheet") return Usage();
    sheetPath = argv[3];
  }
  try {
    artgen::Sheet sheet;
    for (int lit = 0; lit < 2; ++lit) {
      for (int tile = 1; tile <= 6; ++tile) {
        gfx::Bitmap bmp = artgen::DrawTile(tile, lit != 0);
        const std::string name = "tile" + std::to_string(tile) + (lit ? "_lit" : "_dark") + ".png";
        CheckMargin(bmp, artgen::kTileMargin, name);
        sheet.Add(bmp, 1);
        Write(bmp, assets / "tiles" / name);
      }
      sheet.NewRow();
    }
    gfx::Bitmap trophy = artgen::DrawTrophy();
    sheet.Add(trophy, 1);
    sheet.Add(trophy, 2);
    Write(trophy, assets / "result" / "result.png");
    for (int size : {16, 32}) {
      gfx::Bitmap icon = artgen::DrawIcon(size);
      sheet.Add(icon, 1);
      sheet.Add(icon, 128 / size);
      Write(icon, assets / "icons" / ("icon" + std::to_string(size) + ".png"));
    }
    for (int size : {48, 64, 128, 256})
      Write(artgen::DrawIcon(size), assets / "icons" / "hicolor" / ("icon" + std::to_string(size) + ".png"));
    for (int i = 0; i < 2; ++i) {
      gfx::Bitmap shadow = artgen::DrawShadow(i);
      sheet.Add(shadow, 2);
      Write(shadow, assets / "shadows" / ("shadow" + std::to_string(i + 1) + ".png"));
    }
    for (const artgen::SkinPalette& palette : {artgen::LightPalette(), artgen::NightPalette()}) {
      artgen::WriteSkinFiles(artgen::MakeSkinFiles(palette), assets / "skins" / palette.Name);
      std::printf("wrote %s\n", (assets / "skins" / palette.Name).string().c_str());
    }
    if (!sheetPath.empty()) {
      gfx::SavePng(sheet.Compose(), sheetPath);
      std::printf("wrote %s\n", sheetPath.c_str());
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "zt_artgen: %s\n", e.what());
    return 1;
  }
  return 0;
}
