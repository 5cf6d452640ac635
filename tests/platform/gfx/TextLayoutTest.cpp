#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "platform/gfx/DrawTextFlags.h"
#include "platform/gfx/TextLayout.h"
#include "platform/gfx/Utf8.h"

namespace gfx {
namespace {

// Every character is 10 pixels wide, '.' 3, the average width 2 (tab stops
// every 16 pixels).
class FixedAdvances : public GlyphAdvances {
 public:
  int Advance(char32_t cp) override { return cp == U'.' ? 3 : 10; }
  int AveCharWidth() override { return 2; }
};

// A line as text, with accelerator characters wrapped in brackets.
std::string Show(const LaidLine& line) {
  std::u32string s;
  for (const LaidGlyph& g : line.Glyphs) {
    if (g.Underline) s += U'[';
    s += g.Cp;
    if (g.Underline) s += U']';
  }
  return EncodeUtf8(s);
}

struct LayoutCase {
  const char* Text;
  unsigned Flags;
  int MaxWidth;
  std::vector<std::string> Lines;
  std::vector<int> Widths;
};

TEST(TextLayout, LinesPrefixesWrapAndEllipsis) {
  const LayoutCase cases[] = {
      {"", 0, 100, {}, {}},
      {"a\rb", 0, 100, {"a", "b"}, {10, 10}},  // a lone CR breaks
      {"a\nb", 0, 100, {"a", "b"}, {10, 10}},
      {"a\r\nb", 0, 100, {"a", "b"}, {10, 10}},
      {"a\n\rb", 0, 100, {"a", "", "b"}, {10, 0, 10}},
      {"a\r\r\nb", 0, 100, {"a", "", "b"}, {10, 0, 10}},
      {"ab\n", 0, 100, {"ab"}, {20}},  // a final break adds no line
      {"a\rb", DT_SINGLELINE, 100, {"ab"}, {20}},
      {"&File", 0, 100, {"[F]ile"}, {40}},
      {"&File", DT_HIDEPREFIX, 100, {"File"}, {40}},
      {"&File", DT_NOPREFIX, 100, {"&File"}, {50}},
      {"A&&B", 0, 100, {"A&B"}, {30}},
      {"AB&", 0, 100, {"AB"}, {20}},
      {"aa bb cc", DT_WORDBREAK, 50, {"aa bb ", "cc"}, {50, 20}},  // exactly fits
      {"aa bb cc", DT_WORDBREAK, 49, {"aa ", "bb ", "cc"}, {20, 20, 20}},
      {"aa   bb", DT_WORDBREAK, 40, {"aa   ", "bb"}, {20, 20}},        // wrap-point spaces stay behind
      {"abcdefgh x", DT_WORDBREAK, 30, {"abcdefgh ", "x"}, {80, 10}},  // long word overflows whole
      {"  lead", DT_WORDBREAK, 30, {"  lead"}, {60}},
      {"aa bb", DT_WORDBREAK | DT_SINGLELINE, 30, {"aa bb"}, {50}},
      {"a\tb", DT_EXPANDTABS, 100, {"a\tb"}, {26}},  // tab to the next 16-pixel stop
      {"a\tb", 0, 100, {"a\tb"}, {30}},              // unexpanded: one space wide
      {"abcdefgh", DT_END_ELLIPSIS, 45, {"abc..."}, {39}},
      {"abcdefgh", DT_END_ELLIPSIS, 80, {"abcdefgh"}, {80}},
      {"abcdefgh", DT_END_ELLIPSIS, 5, {"..."}, {9}},
  };
  FixedAdvances adv;
  for (const LayoutCase& c : cases) {
    const TextBlockLayout block = LayoutText(c.Text, c.Flags, c.MaxWidth, adv);
    std::vector<std::string> lines;
    std::vector<int> widths;
    for (const LaidLine& l : block.Lines) {
      lines.push_back(Show(l));
      widths.push_back(l.Width);
    }
    EXPECT_EQ(lines, c.Lines) << '"' << c.Text << "\" flags " << c.Flags;
    EXPECT_EQ(widths, c.Widths) << '"' << c.Text << "\" flags " << c.Flags;
  }
}

// Random bytes, flags and widths: the layout always ends, glyphs run left to
// right, and a wrapped line only overflows when it holds a single word.
TEST(TextLayout, RandomInputKeepsTheLayoutInvariants) {
  std::mt19937 rng(2024);
  const char alphabet[] = {'a', 'b', ' ', ' ', '\t', '\r', '\n', '&', '.', '\xD0', '\x9F', '\xFF'};
  const unsigned flagBits[] = {DT_WORDBREAK, DT_SINGLELINE, DT_EXPANDTABS,
                               DT_NOPREFIX,  DT_HIDEPREFIX, DT_END_ELLIPSIS};
  FixedAdvances adv;
  for (int iter = 0; iter < 3000; ++iter) {
    std::string text;
    const int len = static_cast<int>(rng() % 40);
    for (int i = 0; i < len; ++i) text += alphabet[rng() % sizeof alphabet];
    unsigned flags = 0;
    for (unsigned f : flagBits)
      if (rng() % 2) flags |= f;
    const int width = static_cast<int>(rng() % 120) - 10;
    const TextBlockLayout block = LayoutText(text, flags, width, adv);
    for (const LaidLine& line : block.Lines) {
      int x = 0;
      int words = 0;
      bool inWord = false;
      for (const LaidGlyph& g : line.Glyphs) {
        ASSERT_EQ(g.X, x) << iter;
        x += g.Advance;
        const bool space = g.Cp == U' ' || g.Cp == U'\t';
        if (!space && !inWord) ++words;
        inWord = !space;
      }
      ASSERT_LE(line.Width, x);
      ASSERT_LE(line.Width, block.Width);
      if ((flags & DT_END_ELLIPSIS) && width >= 9) {
        ASSERT_LE(line.Width, width) << iter;
      }
      if ((flags & DT_WORDBREAK) && !(flags & (DT_SINGLELINE | DT_END_ELLIPSIS)) && line.Width > width) {
        ASSERT_LE(words, 1) << iter << " \"" << text << "\" flags " << flags << " width " << width;
      }
    }
  }
}

TEST(TextLayout, Utf8DecodingReplacesMalformedBytes) {
  EXPECT_EQ(DecodeUtf8("\xD0\x9F\xD1\x80"), U"Пр");
  EXPECT_EQ(DecodeUtf8("a\xC0\xAF"
                       "b"),
            U"a\uFFFD\uFFFDb");                                  // overlong
  EXPECT_EQ(DecodeUtf8("\xED\xA0\x80"), U"\uFFFD\uFFFD\uFFFD");  // surrogate
  EXPECT_EQ(DecodeUtf8("\xE2\x82"), U"\uFFFD\uFFFD");            // truncated
  EXPECT_EQ(DecodeUtf8("\xF0\x9F\x98\x80"), U"\U0001F600");
  EXPECT_EQ(EncodeUtf8(U"Привет"), "Привет");
}

}  // namespace
}  // namespace gfx
