// The colours of one internal skin. Both skins share every shape and
// measure; only these values differ.
#pragma once

#include <string>

#include "platform/gfx/Color.h"

namespace artgen {

struct SkinPalette {
  std::string Name;
  std::string Description;
  gfx::Color Surface;        // main window client area, board background
  gfx::Color DialogSurface;  // dialogs
  gfx::Color Raised;         // status bar, menu bar, popups
  gfx::Color Field;          // edit and memo fields, progress track
  gfx::Color Text;
  gfx::Color MutedText;      // inactive title, disabled hints
  gfx::Color Line;           // 1 px borders
  gfx::Color LineLight;      // highlight beside a border
  gfx::Color ButtonTop;      // push button face, top and bottom of its gradient
  gfx::Color ButtonBottom;
  gfx::Color Accent;         // focus, hover, active title bar
  gfx::Color AccentDark;
  gfx::Color AccentText;     // text on the accent
  gfx::Color InactiveTitle;
  gfx::Color Close;          // the close button's hot face
  double ShadowStrength;     // peak alpha of the window shadow, 0..1
};

SkinPalette LightPalette();  // "Skin", the internal skin
SkinPalette NightPalette();  // "Night"

// Mixes a towards b by t (0..1), rounded per channel.
gfx::Color Mix(gfx::Color a, gfx::Color b, double t);

}  // namespace artgen
