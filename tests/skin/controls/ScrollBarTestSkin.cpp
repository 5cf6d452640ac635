#include "tests/skin/controls/ScrollBarTestSkin.h"

#include <cstdio>
#include <string>

namespace skin::testing {

namespace {

constexpr const char* kHorizontal[] = {"SCROLLBAR1H", "SCROLLBAR2H", "SCROLLSLIDERH", "SCROLLBTNLEFT",
                                       "SCROLLBTNRIGHT"};

// A "@" glyph value: rectangle, cell count, mask type 0.
std::string GlyphValue(const gfx::Rect& r, int cells) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "@%04d^%04d^%04d^%04d^%d^0", r.Left, r.Top, r.Right, r.Bottom, cells);
  return buf;
}

}  // namespace

std::unique_ptr<TsSkinModel> OwnedModel(const fixture::FixtureSkin& skin) {
  static int token;
  std::unique_ptr<TsSkinModel> model = skin.Model();
  for (TsMaskData& m : model->MaskTable) m.Owner = reinterpret_cast<TsSkinManager*>(&token);
  return model;
}

void AddScrollSections(fixture::FixtureSkin& skin, const ScrollSkinOptions& o) {
  // Glyph cells at the master bitmap's top-left.
  const gfx::Rect glyph{0, 0, 3 * o.GlyphWidth, o.GlyphHeight};
  for (int i = 0; i < 3; ++i)
    skin.Fill({i * o.GlyphWidth, 0, (i + 1) * o.GlyphWidth, o.GlyphHeight}, kGlyphCell[i]);
  // A three-state 6 x 6 border mask below them: a 2-pixel dark ring per state.
  const int maskTop = o.GlyphHeight + 2;
  if (o.BorderMasks) {
    for (int i = 0; i < 3; ++i) {
      const gfx::Color ring = gfx::RGB(20 + 10 * i, 20, 20);
      skin.Fill({i * 6, maskTop, i * 6 + 6, maskTop + 6}, ring);
      skin.Fill({i * 6 + 2, maskTop + 2, i * 6 + 4, maskTop + 4}, gfx::RGB(240, 240, 240));
    }
  }
  for (int k = 0; k < 5; ++k) {
    for (const char* name : {kScrollParts[k].Section, kHorizontal[k]}) {
      skin.Set(name, "COLOR", kScrollParts[k].Normal).Set(name, "HOTCOLOR", kScrollParts[k].Hot);
      if (k >= 2) skin.Set(name, "GLYPHMASK", GlyphValue(glyph, 3));
      if (o.BorderMasks) skin.Mask(name, {{0, maskTop, 18, maskTop + 6}, 2, 2, 2, 2, 3, 0, 0, 0});
    }
  }
}

}  // namespace skin::testing
