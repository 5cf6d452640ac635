// Colour values in the layout 0x00BBGGRR (red in the low byte).
// A high byte of 0xFF marks a system colour whose low byte is the index.
#pragma once

#include <cstdint>

namespace gfx {

using Color = std::uint32_t;

constexpr Color clBlack = 0x000000;
constexpr Color clWhite = 0xFFFFFF;
constexpr Color clFuchsia = 0xFF00FF;  // transparent key colour; "no colour" as an argument
constexpr Color clNone = 0x1FFFFFFF;
constexpr Color clDefault = 0x20000000;

constexpr Color RGB(int r, int g, int b) {
  return static_cast<Color>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int GetR(Color c) { return static_cast<int>(c & 0xFF); }
constexpr int GetG(Color c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int GetB(Color c) { return static_cast<int>((c >> 16) & 0xFF); }
constexpr bool IsSystemColor(Color c) { return (c >> 24) == 0xFF; }

// System colour indexes (classic numbering).
enum SystemColorIndex : int {
  COLOR_SCROLLBAR = 0,
  COLOR_BACKGROUND = 1,
  COLOR_ACTIVECAPTION = 2,
  COLOR_INACTIVECAPTION = 3,
  COLOR_MENU = 4,
  COLOR_WINDOW = 5,
  COLOR_WINDOWFRAME = 6,
  COLOR_MENUTEXT = 7,
  COLOR_WINDOWTEXT = 8,
  COLOR_CAPTIONTEXT = 9,
  COLOR_ACTIVEBORDER = 10,
  COLOR_INACTIVEBORDER = 11,
  COLOR_APPWORKSPACE = 12,
  COLOR_HIGHLIGHT = 13,
  COLOR_HIGHLIGHTTEXT = 14,
  COLOR_BTNFACE = 15,
  COLOR_BTNSHADOW = 16,
  COLOR_GRAYTEXT = 17,
  COLOR_BTNTEXT = 18,
  COLOR_INACTIVECAPTIONTEXT = 19,
  COLOR_BTNHIGHLIGHT = 20,
  COLOR_3DDKSHADOW = 21,
  COLOR_3DLIGHT = 22,
  COLOR_INFOTEXT = 23,
  COLOR_INFOBK = 24,
  COLOR_HOTLIGHT = 26,
  COLOR_GRADIENTACTIVECAPTION = 27,
  COLOR_GRADIENTINACTIVECAPTION = 28,
  COLOR_MENUHILIGHT = 29,
  COLOR_MENUBAR = 30,
  SYSTEM_COLOR_COUNT = 31,
};

constexpr Color SystemColorValue(int index) { return 0xFF000000u | static_cast<Color>(index & 0xFF); }

constexpr Color clBtnFace = SystemColorValue(COLOR_BTNFACE);
constexpr Color clBtnShadow = SystemColorValue(COLOR_BTNSHADOW);
constexpr Color clBtnHighlight = SystemColorValue(COLOR_BTNHIGHLIGHT);
constexpr Color clBtnText = SystemColorValue(COLOR_BTNTEXT);
constexpr Color clWindow = SystemColorValue(COLOR_WINDOW);
constexpr Color clWindowText = SystemColorValue(COLOR_WINDOWTEXT);
constexpr Color clHighlight = SystemColorValue(COLOR_HIGHLIGHT);
constexpr Color clHighlightText = SystemColorValue(COLOR_HIGHLIGHTTEXT);
constexpr Color clGrayText = SystemColorValue(COLOR_GRAYTEXT);
constexpr Color clInfoBk = SystemColorValue(COLOR_INFOBK);
constexpr Color clInfoText = SystemColorValue(COLOR_INFOTEXT);
constexpr Color clMenu = SystemColorValue(COLOR_MENU);
constexpr Color clMenuText = SystemColorValue(COLOR_MENUTEXT);
constexpr Color cl3DDkShadow = SystemColorValue(COLOR_3DDKSHADOW);
constexpr Color cl3DLight = SystemColorValue(COLOR_3DLIGHT);
constexpr Color clActiveCaption = SystemColorValue(COLOR_ACTIVECAPTION);
constexpr Color clInactiveCaption = SystemColorValue(COLOR_INACTIVECAPTION);
constexpr Color clCaptionText = SystemColorValue(COLOR_CAPTIONTEXT);

// Resolves a system colour to its current RGB value; plain RGB values pass
// unchanged. Unknown system indexes resolve to black.
Color ColorToRGB(Color c);

// The process-wide system colour table (the platform's colour scheme).
// Tests may replace entries; ResetSystemColors restores the defaults.
Color SystemColorRGB(int index);
void SetSystemColorRGB(int index, Color rgb);
void ResetSystemColors();

}  // namespace gfx
