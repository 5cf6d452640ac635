// A small skin made in memory for the skinned-control tests: sections with
// their keys, a 24-bit master bitmap with the masks drawn into it, and extra
// images. It gives the skin as package entries, as a package, as a stored
// skin (what a skin manager keeps as its internal skin), as a skin directory,
// or loaded straight into a TsSkinModel through the real loader.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Color.h"
#include "platform/gfx/Geometry.h"
#include "skin/data/SkinModel.h"
#include "skin/data/sMaskData.h"
#include "tests/skin/data/SkinFixture.h"
#include "tools/skinpack/SkinPackWriter.h"

namespace skin::fixture {

// The fields of a "^" border mask in the master bitmap. Part widths of 0
// (all four) are derived by the loader.
struct BorderMaskSpec {
  gfx::Rect Area;  // Left, Top, Right, Bottom in the master bitmap
  int WL = 0, WT = 0, WR = 0, WB = 0;
  int ImageCount = 1;  // 1..9
  int MaskType = 0;    // 0..9
  int StretchMode = 0;
  int BorderWidth = 0;
};

// The "^0048^0019^..." value of a border mask.
std::string BorderMaskValue(const BorderMaskSpec& m);

// The "@0010@0020@0046@0032@3@1" value of a glyph (state pictures side by
// side, MaskType + 1 rows of them: the pictures, then their masks).
std::string GlyphMaskValue(const gfx::Rect& area, int imageCount, int maskType);

class FixtureSkin {
 public:
  // Starts with an empty GLOBALINFO section and a master bitmap of the given
  // size filled with magenta (the key colour); 0 x 0 means no master bitmap.
  explicit FixtureSkin(int masterWidth = 200, int masterHeight = 100);

  // Sets a key of a section; sections and keys keep the order they were
  // first set in. Values are written as given ("COLOR", "255").
  FixtureSkin& Set(std::string_view section, std::string_view key, std::string_view value);
  FixtureSkin& Set(std::string_view section, std::string_view key, std::int64_t value);
  // A section with no keys of its own yet.
  FixtureSkin& AddSection(std::string_view section);
  // Sets BORDERSMASK (or another key) of `section` to the mask's value.
  FixtureSkin& Mask(std::string_view section, const BorderMaskSpec& m, std::string_view key = "BORDERSMASK");
  // Sets `key` of `section` to a glyph in `area` of the master bitmap.
  FixtureSkin& Glyph(std::string_view section, std::string_view key, const gfx::Rect& area, int imageCount,
                     int maskType = 0);
  // The radio glyphs of GLOBALINFO: "RADIOCHECKED" three size x size state
  // pictures side by side from `at` in the master bitmap, "RADIOUNCHECKED"
  // the row below. Each picture is one colour (normal, hot, pressed) with a
  // key-coloured top-left pixel, so tests see both the state and the
  // transparency.
  FixtureSkin& RadioGlyphs(gfx::Point at, int size, const std::array<gfx::Color, 3>& checked,
                           const std::array<gfx::Color, 3>& unchecked);
  // Adds a package entry (an image file); names are upper-cased by the
  // loader's lookups, so "!NAME.BMP!" values find it in any case.
  FixtureSkin& AddFile(std::string_view name, std::vector<std::uint8_t> bytes);

  // The master bitmap (24-bit), for drawing mask pictures into it.
  gfx::Bitmap& Master() { return master_; }
  // Fills a rectangle of the master bitmap.
  FixtureSkin& Fill(const gfx::Rect& r, gfx::Color c);

  std::string Options() const;
  std::vector<PackEntry> Entries() const;
  std::vector<std::uint8_t> Package() const;
  // A stored skin of that name whose data is the package.
  TsStoredSkin Stored(std::string name = "Skin") const;
  // Writes the skin as directory `name` below `dir` ("Options.dat" and files)
  // and returns that directory.
  std::string WriteDirectory(const TempDir& dir, const std::string& name) const;
  // Loads the package with the real loader; throws its errors.
  std::unique_ptr<TsSkinModel> Model() const;

 private:
  struct Section {
    std::string Name;
    std::vector<std::pair<std::string, std::string>> Keys;
  };
  Section& FindOrAdd(std::string_view name);

  std::vector<Section> sections_;
  gfx::Bitmap master_;
  std::vector<PackEntry> files_;
};

}  // namespace skin::fixture
