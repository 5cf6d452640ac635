#include "platform/gfx/TextLayout.h"

#include <algorithm>

#include "platform/gfx/DrawTextFlags.h"
#include "platform/gfx/Utf8.h"

namespace gfx {
namespace {

struct MarkedChar {
  char32_t Cp;
  bool Underline;
};

// Resolves "&" prefixes into underline marks.
std::vector<MarkedChar> ApplyPrefixes(const std::u32string& text, unsigned flags) {
  std::vector<MarkedChar> out;
  out.reserve(text.size());
  const bool prefixes = (flags & DT_NOPREFIX) == 0;
  const bool show = (flags & DT_HIDEPREFIX) == 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (prefixes && c == U'&') {
      if (i + 1 >= text.size()) break;  // trailing "&": nothing to mark
      ++i;
      out.push_back({text[i], show && text[i] != U'&'});
      continue;
    }
    out.push_back({c, false});
  }
  return out;
}

// Splits at CR LF, CR and LF; a final break starts no further line.
std::vector<std::vector<MarkedChar>> SplitParagraphs(const std::vector<MarkedChar>& chars, bool singleLine) {
  std::vector<std::vector<MarkedChar>> paras;
  if (chars.empty()) return paras;
  paras.emplace_back();
  for (std::size_t i = 0; i < chars.size(); ++i) {
    char32_t c = chars[i].Cp;
    if (c != U'\r' && c != U'\n') {
      paras.back().push_back(chars[i]);
      continue;
    }
    if (singleLine) continue;
    if (c == U'\r' && i + 1 < chars.size() && chars[i + 1].Cp == U'\n') ++i;
    if (i + 1 < chars.size()) paras.emplace_back();
  }
  return paras;
}

class LineBuilder {
 public:
  LineBuilder(unsigned flags, int maxWidth, GlyphAdvances& adv)
      : expandTabs_((flags & DT_EXPANDTABS) != 0),
        wrap_((flags & DT_WORDBREAK) != 0 && (flags & DT_SINGLELINE) == 0),
        maxWidth_(maxWidth),
        adv_(adv) {}

  void Paragraph(const std::vector<MarkedChar>& chars, std::vector<LaidLine>& out) {
    LaidLine line;
    int x = 0;
    std::size_t wordStart = 0;  // index in `line` where the current word began
    bool inWord = false;
    bool sawWord = false;  // a word before the current one on this line
    std::size_t i = 0;
    while (i < chars.size()) {
      MarkedChar mc = chars[i];
      const bool space = mc.Cp == U' ' || mc.Cp == U'\t';
      const int w = Width(mc.Cp, x);
      if (!space && !inWord) {
        inWord = true;
        wordStart = line.Glyphs.size();
      }
      if (!space && wrap_ && sawWord && x + w > maxWidth_) {
        // The current word does not fit: move it to a new line.
        std::vector<LaidGlyph> word(line.Glyphs.begin() + static_cast<std::ptrdiff_t>(wordStart),
                                    line.Glyphs.end());
        line.Glyphs.resize(wordStart);
        Finish(line, out, true);
        line = LaidLine{};
        x = 0;
        for (LaidGlyph g : word) {
          g.Advance = Width(g.Cp, x);
          g.X = x;
          x += g.Advance;
          line.Glyphs.push_back(g);
        }
        wordStart = 0;
        sawWord = false;
        continue;  // re-measure this character at the new position
      }
      if (space && inWord) {
        inWord = false;
        sawWord = true;
      }
      if (space && wrap_ && line.Glyphs.empty() && !out.empty() && continued_) {
        ++i;  // spaces at the start of a wrapped line are dropped
        continue;
      }
      line.Glyphs.push_back({mc.Cp, x, w, mc.Underline});
      x += w;
      ++i;
      continued_ = false;
    }
    Finish(line, out, false);
  }

  // Marks the start of a paragraph (its leading spaces are kept).
  void StartParagraph() { continued_ = false; }

 private:
  int Width(char32_t cp, int x) {
    if (cp == U'\t') {
      if (!expandTabs_) return adv_.Advance(U' ');
      const int stop = std::max(1, 8 * adv_.AveCharWidth());
      return stop - (x % stop);
    }
    return adv_.Advance(cp);
  }

  // Ends a line. With word wrap, trailing spaces do not count towards the
  // width; without it they do (as in a one-line measurement).
  void Finish(LaidLine& line, std::vector<LaidLine>& out, bool wrapped) {
    std::size_t n = line.Glyphs.size();
    while ((wrapped || wrap_) && n > 0 && (line.Glyphs[n - 1].Cp == U' ' || line.Glyphs[n - 1].Cp == U'\t'))
      --n;
    line.Width = n > 0 ? line.Glyphs[n - 1].X + line.Glyphs[n - 1].Advance : 0;
    out.push_back(std::move(line));
    continued_ = true;
  }

  bool expandTabs_;
  bool wrap_;
  int maxWidth_;
  GlyphAdvances& adv_;
  bool continued_ = false;
};

void ApplyEllipsis(LaidLine& line, int maxWidth, GlyphAdvances& adv) {
  if (line.Width <= maxWidth) return;
  const int dot = adv.Advance(U'.');
  const int dots = 3 * dot;
  while (!line.Glyphs.empty() && line.Glyphs.back().X + line.Glyphs.back().Advance + dots > maxWidth)
    line.Glyphs.pop_back();
  int x = line.Glyphs.empty() ? 0 : line.Glyphs.back().X + line.Glyphs.back().Advance;
  for (int k = 0; k < 3; ++k, x += dot) line.Glyphs.push_back({U'.', x, dot, false});
  line.Width = x;
}

}  // namespace

TextBlockLayout LayoutText(std::string_view utf8, unsigned flags, int maxWidth, GlyphAdvances& advances) {
  TextBlockLayout block;
  const std::vector<MarkedChar> chars = ApplyPrefixes(DecodeUtf8(utf8), flags);
  LineBuilder builder(flags, maxWidth, advances);
  for (const auto& para : SplitParagraphs(chars, (flags & DT_SINGLELINE) != 0)) {
    builder.StartParagraph();
    builder.Paragraph(para, block.Lines);
  }
  for (LaidLine& line : block.Lines) {
    if (flags & DT_END_ELLIPSIS) ApplyEllipsis(line, maxWidth, advances);
    block.Width = std::max(block.Width, line.Width);
  }
  return block;
}

}  // namespace gfx
