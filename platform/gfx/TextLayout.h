// Line layout of DrawText: prefix ("&") processing, line breaks, word wrap,
// tab expansion and end ellipsis. Pure arithmetic over glyph advances, so it
// is shared by drawing and measuring and testable without a font.
//
// Rules:
// - Unless DT_NOPREFIX: "&&" is a literal "&"; "&" followed by another
//   character marks that character as the accelerator (underlined, unless
//   DT_HIDEPREFIX, which removes the "&" and underlines nothing); a "&" at
//   the very end is dropped.
// - Unless DT_SINGLELINE, CR LF, a lone CR and a lone LF each end a line. A
//   break at the very end of the text starts no further line. With
//   DT_SINGLELINE, CR and LF are dropped. An empty text has no lines.
// - DT_WORDBREAK wraps at spaces when the next word would cross maxWidth;
//   trailing spaces of a line do not count towards its width (and spaces at
//   a wrap point are not carried to the next line); a
//   single word longer than maxWidth stays whole on its own line and
//   overflows (it is clipped when drawn, unless DT_NOCLIP).
// - Tabs: with DT_EXPANDTABS a tab moves to the next multiple of 8 average
//   character widths from the line start; without it a tab is as wide as a
//   space.
// - DT_END_ELLIPSIS: a line wider than maxWidth loses characters from its end
//   until the rest plus "..." fits; then "..." is appended (alone, when
//   nothing fits).
// - DT_RTLREADING is accepted; the text keeps its logical order (no
//   bidirectional reordering) and alignment follows the alignment bits.
#pragma once

#include <string_view>
#include <vector>

namespace gfx {

class GlyphAdvances {
 public:
  virtual ~GlyphAdvances() = default;
  virtual int Advance(char32_t cp) = 0;
  virtual int AveCharWidth() = 0;
};

struct LaidGlyph {
  char32_t Cp = 0;
  int X = 0;  // from the line's left edge
  int Advance = 0;
  bool Underline = false;  // accelerator mark
};

struct LaidLine {
  std::vector<LaidGlyph> Glyphs;
  int Width = 0;  // with word wrap, trailing spaces are left out
};

struct TextBlockLayout {
  std::vector<LaidLine> Lines;
  int Width = 0;  // of the widest line
};

TextBlockLayout LayoutText(std::string_view utf8, unsigned flags, int maxWidth, GlyphAdvances& advances);

}  // namespace gfx
