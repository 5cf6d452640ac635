// A font description as a value: face name, height, style, colour, charset.
// Faces are resolved through fontconfig and rasterised with FreeType (see
// FontCache.h); a Font itself holds no resources and copies freely.
#pragma once

#include <string>

#include "platform/gfx/Color.h"

namespace gfx {

// Style bits of Font::Style.
constexpr unsigned fsBold = 0x1;
constexpr unsigned fsItalic = 0x2;
constexpr unsigned fsUnderline = 0x4;
constexpr unsigned fsStrikeOut = 0x8;

// Character sets are accepted for compatibility and ignored: text is UTF-8
// and the face's own character map decides what can be shown.
constexpr int DEFAULT_CHARSET = 1;
constexpr int RUSSIAN_CHARSET = 204;

struct Font {
  static constexpr int kDefaultPixelHeight = 11;

  // Face name as the program knows it ("Tahoma", "MS Sans Serif", ...);
  // fontconfig picks the installed face that matches best, the classic faces
  // of fonts-wine included (see FontResolver.h). "Tahoma" and
  // "MS Sans Serif", when not installed, become DejaVu Sans Condensed, which
  // is close to them in width.
  std::string Name = "MS Sans Serif";
  // Height in pixels. Both signs mean the character (em) height: -11 and 11
  // give the same 11-pixel font. Desktop toolkits store the negative form;
  // we accept either and never treat a positive value as a cell height.
  // 0 means the default height (11 pixels).
  int Height = -kDefaultPixelHeight;
  unsigned Style = 0;  // fsBold | fsItalic | fsUnderline | fsStrikeOut
  gfx::Color Color = clWindowText;
  int Charset = DEFAULT_CHARSET;

  // The em height in pixels, always >= 1.
  int PixelHeight() const;
  // Size in points at 96 pixels per inch: pixels = points * 96 / 72, rounded
  // half away from zero. SetSize stores the negative (character height) form.
  int Size() const;
  void SetSize(int points);

  bool Bold() const { return (Style & fsBold) != 0; }
  bool Italic() const { return (Style & fsItalic) != 0; }
  bool Underline() const { return (Style & fsUnderline) != 0; }
  bool StrikeOut() const { return (Style & fsStrikeOut) != 0; }

  friend bool operator==(const Font&, const Font&) = default;
};

// Vertical and horizontal metrics of a font, in whole pixels.
struct FontMetrics {
  int Ascent = 0;        // baseline to the top of the line
  int Descent = 0;       // baseline to the bottom of the line (positive)
  int Height = 0;        // line height = Ascent + Descent
  int AveCharWidth = 0;  // average character width (tab stops are 8 of these)
  int MaxCharWidth = 0;
  int UnderlinePos = 0;  // rows below the baseline of the underline's top row
  int UnderlineThickness = 1;
  int StrikeOutPos = 0;    // rows above the baseline of the strike-out's top row
  std::string FamilyName;  // the face fontconfig chose, e.g. "DejaVu Sans"
};

// Metrics of the face the font resolves to.
FontMetrics GetFontMetrics(const Font& font);

}  // namespace gfx
