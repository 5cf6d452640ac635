// The scroll-bar sections of a fixture skin: every part in its own plain
// colour (a different hot colour), 4 x 4 glyphs with one cell per state and,
// on request, a 2-pixel nine-slice border mask on every part. Built with the
// shared FixtureSkin builder.
#pragma once

#include <memory>

#include "platform/gfx/Color.h"
#include "tests/skin/controls/FixtureSkin.h"

namespace skin::testing {

struct ScrollPartColors {
  const char* Section;
  gfx::Color Normal;
  gfx::Color Hot;
};

// Vertical parts, in the order track before, track after, thumb, first
// arrow, second arrow; the horizontal ones are the same colours.
inline constexpr ScrollPartColors kScrollParts[] = {
    {"SCROLLBAR1V", gfx::RGB(10, 20, 30), gfx::RGB(11, 21, 31)},
    {"SCROLLBAR2V", gfx::RGB(40, 50, 60), gfx::RGB(41, 51, 61)},
    {"SCROLLSLIDERV", gfx::RGB(70, 80, 90), gfx::RGB(71, 81, 91)},
    {"SCROLLBTNTOP", gfx::RGB(100, 110, 120), gfx::RGB(101, 111, 121)},
    {"SCROLLBTNBOTTOM", gfx::RGB(130, 140, 150), gfx::RGB(131, 141, 151)},
};
// The glyph's cell colours for states 0, 1 and 2.
inline constexpr gfx::Color kGlyphCell[3] = {gfx::RGB(200, 0, 0), gfx::RGB(0, 200, 0), gfx::RGB(0, 0, 200)};

struct ScrollSkinOptions {
  bool BorderMasks = false;  // 2-pixel three-state masks on every part
  int GlyphWidth = 4;
  int GlyphHeight = 4;
};

// The skin loaded without a manager, its masks marked as owned (the
// painters draw only owned masks), for painting tests without windows.
std::unique_ptr<TsSkinModel> OwnedModel(const fixture::FixtureSkin& skin);

// Adds the vertical and horizontal scroll sections to `skin`.
void AddScrollSections(fixture::FixtureSkin& skin, const ScrollSkinOptions& options = {});

}  // namespace skin::testing
