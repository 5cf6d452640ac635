#include "platform/gfx/Color.h"

#include <array>
#include <cstddef>

namespace gfx {
namespace {

// The classic light-grey desktop scheme (values as 0x00BBGGRR).
constexpr std::array<Color, SYSTEM_COLOR_COUNT> kDefaultScheme = {
    RGB(212, 208, 200),  // scroll bar
    RGB(58, 110, 165),   // desktop background
    RGB(10, 36, 106),    // active caption
    RGB(128, 128, 128),  // inactive caption
    RGB(212, 208, 200),  // menu
    RGB(255, 255, 255),  // window
    RGB(0, 0, 0),        // window frame
    RGB(0, 0, 0),        // menu text
    RGB(0, 0, 0),        // window text
    RGB(255, 255, 255),  // caption text
    RGB(212, 208, 200),  // active border
    RGB(212, 208, 200),  // inactive border
    RGB(128, 128, 128),  // application workspace
    RGB(10, 36, 106),    // highlight
    RGB(255, 255, 255),  // highlight text
    RGB(212, 208, 200),  // button face
    RGB(128, 128, 128),  // button shadow
    RGB(128, 128, 128),  // grey text
    RGB(0, 0, 0),        // button text
    RGB(212, 208, 200),  // inactive caption text
    RGB(255, 255, 255),  // button highlight
    RGB(64, 64, 64),     // 3-D dark shadow
    RGB(212, 208, 200),  // 3-D light
    RGB(0, 0, 0),        // tooltip text
    RGB(255, 255, 225),  // tooltip background
    RGB(181, 181, 181),  // (unused slot 25)
    RGB(0, 0, 128),      // hot-tracked item
    RGB(166, 202, 240),  // active caption gradient
    RGB(192, 192, 192),  // inactive caption gradient
    RGB(10, 36, 106),    // menu highlight
    RGB(212, 208, 200),  // menu bar
};

std::array<Color, SYSTEM_COLOR_COUNT>& Scheme() {
  static std::array<Color, SYSTEM_COLOR_COUNT> scheme = kDefaultScheme;
  return scheme;
}

}  // namespace

Color SystemColorRGB(int index) {
  if (index < 0 || index >= SYSTEM_COLOR_COUNT) return clBlack;
  return Scheme()[static_cast<std::size_t>(index)];
}

void SetSystemColorRGB(int index, Color rgb) {
  if (index >= 0 && index < SYSTEM_COLOR_COUNT) Scheme()[static_cast<std::size_t>(index)] = rgb & 0xFFFFFF;
}

void ResetSystemColors() { Scheme() = kDefaultScheme; }

Color ColorToRGB(Color c) {
  if (IsSystemColor(c)) return SystemColorRGB(static_cast<int>(c & 0xFF));
  return c;
}

}  // namespace gfx
