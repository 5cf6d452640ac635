// Text output against the pinned faces: the classic faces of fonts-wine, and
// the DejaVu faces (fonts-dejavu-core and -extra) that stand in without them.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "platform/gfx/Canvas.h"
#include "platform/gfx/FontCache.h"

namespace gfx {
namespace {

Font TestFont(int height = -13) {
  Font f;
  f.Name = "Tahoma";
  f.Height = height;
  f.Color = clBlack;
  return f;
}

Bitmap White(int w, int h, PixelFormat f = PixelFormat::Bgr24) {
  Bitmap b(w, h, f);
  b.FillBytes(0xFF);
  return b;
}

bool SameBytes(const Bitmap& a, const Bitmap& b) {
  if (a.GetSize() != b.GetSize() || a.Format() != b.Format()) return false;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if (a.PixelAt(x, y) != b.PixelAt(x, y)) return false;
  return true;
}

// Bounding box of pixels that are not white (colour bytes).
Rect Ink(const Bitmap& b) {
  Rect box{};
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x)
      if ((b.PixelAt(x, y) & 0xFFFFFF) != 0xFFFFFF) box = Bounds(box, {x, y, x + 1, y + 1});
  return box;
}

class TextTest : public ::testing::Test {
 protected:
  TextTest() : bm_(White(200, 60)), c_(bm_) { c_.SetFont(TestFont()); }
  Rect Calc(const std::string& text, unsigned flags, int width = 1000) {
    Rect r{10, 5, 10 + width, 5};
    c_.DrawText(text, r, flags | DT_CALCRECT);
    return r;
  }
  int LineHeight() { return c_.TextMetrics().Height; }

  Bitmap bm_;
  Canvas c_;
};

// The faces the windows name come from fonts-wine (Debian's metric-compatible
// classic faces), registered from their own directory.
TEST_F(TextTest, ClassicFaceNamesResolveToTheirOwnFaces) {
  struct {
    const char* Name;
    int Height;
    unsigned Style;
    const char* Family;
    int Ascent, Descent;
  } cases[] = {{"Tahoma", -13, 0, "Tahoma", 13, 3},
               {"Tahoma", 13, 0, "Tahoma", 13, 3},
               {"tahoma", -11, fsBold, "Tahoma", 11, 2},
               {"MS Sans Serif", -11, 0, "MS Sans Serif", 11, 2},
               {"MS Sans Serif", -13, 0, "MS Sans Serif", 13, 3},
               {"Marlett", -13, 0, "Marlett", 13, 0},
               {"Webdings", -13, 0, "Webdings", 11, 0},
               {"DejaVu Serif", -13, 0, "DejaVu Serif", 12, 3},
               {"No Such Face 1234", -13, 0, "DejaVu Sans", 12, 3}};
  for (const auto& c : cases) {
    Font f = TestFont(c.Height);
    f.Name = c.Name;
    f.Style = c.Style;
    const FontMetrics m = GetFontMetrics(f);
    EXPECT_EQ(m.FamilyName, c.Family) << c.Name << " " << c.Height;
    EXPECT_EQ(m.Ascent, c.Ascent) << c.Name << " " << c.Height;
    EXPECT_EQ(m.Descent, c.Descent) << c.Name << " " << c.Height;
    EXPECT_EQ(m.Height, c.Ascent + c.Descent) << c.Name;
    EXPECT_GT(m.AveCharWidth, 0) << c.Name;
  }
  Font big = TestFont();
  big.SetSize(9);  // 9 pt = 12 px
  EXPECT_EQ(big.Height, -12);
  EXPECT_EQ(big.Size(), 9);
}

// The result line was laid out for Tahoma: it fits its 201-pixel label.
TEST_F(TextTest, ClassicFacesHaveTheirOwnWidths) {
  EXPECT_EQ(c_.TextWidth("Уровень сложности: Нереальный."), 201);
  Font sans = TestFont(-11);
  sans.Name = "MS Sans Serif";
  c_.SetFont(sans);
  EXPECT_EQ(c_.TextWidth("Новая игра OK"), 76);
  Font bold = TestFont(-11);
  bold.Style = fsBold;
  c_.SetFont(bold);
  const int boldWidth = c_.TextWidth("Результат игры");
  bold.Style = 0;
  c_.SetFont(bold);
  EXPECT_GT(boldWidth, c_.TextWidth("Результат игры"));
}

// At the sizes the faces carry drawn bitmaps for, text is sharp black and
// white like the classic desktop's; other sizes are smooth outlines.
TEST_F(TextTest, DrawnSizesAreSharpOthersSmooth) {
  auto levels = [](const char* name, int height) {
    Font f = TestFont(height);
    f.Name = name;
    FontFace& face = FontCache::Instance().FaceFor(f);
    bool grey = false, ink = false;
    for (char32_t cp : std::u32string(U"Уровень Xy"))
      for (std::uint8_t v : face.Glyph(cp).Coverage) {
        grey = grey || (v != 0 && v != 255);
        ink = ink || v == 255;
      }
    return std::pair{ink, grey};
  };
  EXPECT_EQ(levels("Tahoma", -13), std::pair(true, false));
  EXPECT_EQ(levels("Tahoma", -11), std::pair(true, false));
  EXPECT_EQ(levels("MS Sans Serif", -11), std::pair(true, false));
  EXPECT_EQ(levels("Tahoma", -20), std::pair(true, true));
}

// Without the classic faces' directory the names get the DejaVu faces
// closest to them, and the program's own symbols stand in for "Webdings".
TEST(FontFallbackTest, WithoutTheClassicFacesDejaVuStandsIn) {
  FontCache cache({"/nonexistent/zt-fonts"});
  struct {
    const char* Name;
    unsigned Style;
    const char* Family;
  } cases[] = {{"Tahoma", 0, "DejaVu Sans Condensed"},
               {"Tahoma", fsBold, "DejaVu Sans Condensed"},
               {"MS Sans Serif", 0, "DejaVu Sans Condensed"},
               {"ms sans serif", 0, "DejaVu Sans Condensed"},
               {"Webdings", 0, "DejaVu Sans"},
               {"DejaVu Serif", 0, "DejaVu Serif"},
               {"No Such Face 1234", 0, "DejaVu Sans"}};
  for (const auto& c : cases) {
    Font f = TestFont();
    f.Name = c.Name;
    f.Style = c.Style;
    EXPECT_EQ(cache.FaceFor(f).Metrics().FamilyName, c.Family) << c.Name;
  }
  // The stand-in for the narrow faces is narrower than the generic sans
  // face, bold included.
  auto width = [&cache](const char* name, unsigned style) {
    Font f = TestFont();
    f.Name = name;
    f.Style = style;
    FontFace& face = cache.FaceFor(f);
    int w = 0;
    for (char32_t cp : std::u32string(U"Нереальный")) w += face.Advance(cp);
    return w;
  };
  for (unsigned style : {0u, fsBold}) EXPECT_LT(width("Tahoma", style), width("DejaVu Sans", style)) << style;
  // "Webdings" draws the caption symbols itself, the same as with the face.
  Font webdings = TestFont();
  webdings.Name = "Webdings";
  for (char32_t cp : {U'0', U'1', U'2', U'r'}) {
    const GlyphImage& own = cache.FaceFor(webdings).Glyph(cp);
    const GlyphImage& installed = FontCache::Instance().FaceFor(webdings).Glyph(cp);
    EXPECT_EQ(own.Coverage, installed.Coverage) << static_cast<char>(cp);
    EXPECT_EQ(own.Advance, installed.Advance) << static_cast<char>(cp);
  }
  // Other characters come from the standing-in face.
  Font sans = TestFont();
  sans.Name = "DejaVu Sans";
  EXPECT_EQ(cache.FaceFor(webdings).Glyph(U'a').Coverage, cache.FaceFor(sans).Glyph(U'a').Coverage);
}

// The symbol faces map their characters through a symbol character map.
TEST_F(TextTest, SymbolFacesShowTheirSymbols) {
  Font marlett = TestFont();
  marlett.Name = "Marlett";
  FontFace& face = FontCache::Instance().FaceFor(marlett);
  const GlyphImage& close = face.Glyph(U'r');
  const GlyphImage& minimize = face.Glyph(U'0');
  EXPECT_GT(close.Width, 4);
  EXPECT_EQ(close.Advance, 13);
  EXPECT_NE(close.Coverage, minimize.Coverage);
  // The close cross is as wide as high; the minimise bar is flat.
  EXPECT_EQ(close.Width, close.Height);
  EXPECT_GT(minimize.Width, 2 * minimize.Height);
}

// Menus draw the caption-button symbols as "0", "1", "2" and "r" in
// "Webdings"; the program draws these four itself (the installed face has no
// "r" and blurs at menu sizes).
TEST_F(TextTest, WebdingsCaptionSymbolsAreDrawnByTheProgram) {
  auto draw = [](const std::string& text, const char* face) {
    Bitmap b = White(40, 30);
    Canvas c(b);
    Font f = TestFont();
    f.Name = face;
    c.SetFont(f);
    c.SetBrushStyle(BrushStyle::Clear);
    c.TextOut(5, 5, text);
    return b;
  };
  const Bitmap minimize = draw("0", "Webdings"), maximize = draw("1", "Webdings");
  const Bitmap restore = draw("2", "Webdings"), close = draw("r", "Webdings");
  // Each symbol has its own shape, none is the digit or letter of the text face.
  const Bitmap* symbols[] = {&minimize, &maximize, &restore, &close};
  for (int i = 0; i < 4; ++i) {
    EXPECT_FALSE(Ink(*symbols[i]).IsEmpty()) << i;
    for (int j = i + 1; j < 4; ++j) EXPECT_FALSE(SameBytes(*symbols[i], *symbols[j])) << i << " " << j;
  }
  EXPECT_FALSE(SameBytes(close, draw("r", "DejaVu Sans")));
  // The minimise bar is wider than high; the maximise box is hollow.
  const Rect bar = Ink(minimize);
  EXPECT_GT(bar.Width(), 2 * bar.Height());
  const Rect box = Ink(maximize);
  EXPECT_EQ(maximize.PixelAt((box.Left + box.Right) / 2, (box.Top + box.Bottom) / 2) & 0xFFFFFF, 0xFFFFFFu);
  // The cross is mirror-symmetric.
  const Rect x = Ink(close);
  for (int y = x.Top; y < x.Bottom; ++y)
    for (int i = 0; i < x.Width(); ++i)
      EXPECT_EQ(close.PixelAt(x.Left + i, y), close.PixelAt(x.Right - 1 - i, y)) << i << "," << y;
}

TEST_F(TextTest, EveryLineBreakFormBreaks) {
  const int lh = LineHeight();
  struct {
    const char* Text;
    unsigned Flags;
    int Lines;
  } cases[] = {{"One\rTwo", 0, 2},
               {"One\nTwo", 0, 2},
               {"One\r\nTwo", 0, 2},
               {"One\r\rTwo", 0, 3},
               {"One\rTwo", DT_SINGLELINE, 1},
               {"", 0, 0}};
  for (const auto& k : cases) {
    const Rect r = Calc(k.Text, k.Flags);
    EXPECT_EQ(r.Height(), k.Lines * lh) << k.Text;
  }
  Rect r{0, 0, 200, 0};
  EXPECT_EQ(c_.DrawText("One\rTwo", r, DT_CALCRECT), 2 * lh);
  EXPECT_EQ(r.Right, std::max(c_.TextWidth("One"), c_.TextWidth("Two")));  // the wider line
}

TEST_F(TextTest, WordWrapBreaksAtSpacesWithinTheWidth) {
  const int lh = LineHeight();
  const int two = c_.TextWidth("xxx xxx");
  const char* text = "xxx xxx xxx xxx xxx";
  Rect r = Calc(text, DT_WORDBREAK, two);
  EXPECT_EQ(r.Height(), 3 * lh);
  EXPECT_EQ(r.Width(), two);
  r = Calc(text, DT_WORDBREAK, two - 1);
  EXPECT_EQ(r.Height(), 5 * lh);
  EXPECT_EQ(r.Width(), c_.TextWidth("xxx"));
  r = Calc(text, 0, two);  // no word break: one line, as wide as it is
  EXPECT_EQ(r.Height(), lh);
  EXPECT_EQ(r.Width(), c_.TextWidth(text));
  r = Calc("xxxxxxxxxxxx", DT_WORDBREAK, 10);  // a long word stays whole
  EXPECT_EQ(r.Height(), lh);
  EXPECT_EQ(r.Width(), c_.TextWidth("xxxxxxxxxxxx"));
}

TEST_F(TextTest, PrefixesUnderlineHideAndEscape) {
  EXPECT_EQ(Calc("&Open", 0).Width(), c_.TextWidth("Open"));
  EXPECT_EQ(Calc("&Open", DT_NOPREFIX).Width(), c_.TextWidth("&Open"));
  EXPECT_EQ(Calc("A&&B", 0).Width(), c_.TextWidth("A&B"));

  // The underline sits below the baseline, where "o" has no ink of its own.
  const FontMetrics m = c_.TextMetrics();
  auto inkBelowBaseline = [&](const char* text, unsigned flags) {
    Bitmap b = White(60, 30);
    Canvas c(b);
    c.SetFont(TestFont());
    Rect r{0, 0, 60, 30};
    c.DrawText(text, r, flags);
    for (int y = m.Ascent + 1; y < m.Height; ++y)
      for (int x = 0; x < 60; ++x)
        if ((b.PixelAt(x, y) & 0xFFFFFF) != 0xFFFFFF) return true;
    return false;
  };
  EXPECT_TRUE(inkBelowBaseline("&ooo", 0));
  EXPECT_FALSE(inkBelowBaseline("&ooo", DT_HIDEPREFIX));
  EXPECT_FALSE(inkBelowBaseline("&ooo", DT_NOPREFIX));
  EXPECT_FALSE(inkBelowBaseline("o&&oo", 0));
}

TEST_F(TextTest, EndEllipsisShortensAnOverflowingLine) {
  const char* text = "Supercalifragilistic";
  const int full = c_.TextWidth(text);
  Rect r = Calc(text, DT_SINGLELINE | DT_END_ELLIPSIS, full / 2);
  EXPECT_LE(r.Width(), full / 2);
  EXPECT_GT(r.Width(), c_.TextWidth("..."));
  EXPECT_EQ(Calc(text, DT_SINGLELINE | DT_END_ELLIPSIS, full).Width(), full);

  // Drawn: nothing passes the right edge, and the text differs from a clipped one.
  Bitmap clipped = White(200, 30), dotted = White(200, 30);
  for (Bitmap* b : {&clipped, &dotted}) {
    Canvas c(*b);
    c.SetFont(TestFont());
    Rect box{0, 0, full / 2, 30};
    c.DrawText(text, box, DT_SINGLELINE | (b == &dotted ? DT_END_ELLIPSIS : 0));
    EXPECT_LE(Ink(*b).Right, full / 2);
  }
  EXPECT_FALSE(SameBytes(clipped, dotted));
}

TEST_F(TextTest, CalcRectDrawsNothingAndTabsExpand) {
  const Bitmap before = bm_.ConvertTo(PixelFormat::Bgr24);
  Rect r{0, 0, 100, 0};
  c_.DrawText("Hello\rWorld", r, DT_CALCRECT | DT_WORDBREAK);
  EXPECT_TRUE(SameBytes(before, bm_));
  const int ave = c_.TextMetrics().AveCharWidth;
  EXPECT_EQ(Calc("\tx", DT_EXPANDTABS).Width(), 8 * ave + c_.TextWidth("x"));
  EXPECT_EQ(Calc("\tx", 0).Width(), c_.TextWidth(" x"));
}

TEST_F(TextTest, AlignmentAndVerticalCentring) {
  const int lh = LineHeight();
  const int w = c_.TextWidth("Hi");
  struct {
    unsigned Flags;
    int Left;  // expected x where the text cell starts
  } cases[] = {{DT_LEFT, 20}, {DT_CENTER, 20 + (100 - w) / 2}, {DT_RIGHT, 120 - w}};
  for (const auto& k : cases) {
    Bitmap b = White(200, 60), ref = White(200, 60);
    Canvas c(b), rc(ref);
    c.SetFont(TestFont());
    rc.SetFont(TestFont());
    Rect r{20, 10, 120, 50};
    const int h = c.DrawText("Hi", r, k.Flags | DT_SINGLELINE | DT_VCENTER);
    const int top = 10 + (40 - lh) / 2;
    EXPECT_EQ(h, top - 10 + lh);
    rc.TextOut(k.Left, top, "Hi");
    EXPECT_TRUE(SameBytes(b, ref)) << k.Flags;
  }
  Rect r{0, 0, 100, 40};
  EXPECT_EQ(c_.DrawText("Hi", r, DT_SINGLELINE | DT_BOTTOM), 40);
  EXPECT_EQ(c_.DrawText("Hi", r, 0), lh);
}

TEST_F(TextTest, ClippedToTheRectangleUnlessNoClip) {
  Rect r{20, 10, 30, 40};
  c_.DrawText("WWWW", r, 0);
  const Rect ink = Ink(bm_);
  EXPECT_FALSE(ink.IsEmpty());
  EXPECT_EQ(Intersect(ink, r), ink);
  Bitmap b = White(200, 60);
  Canvas c(b);
  c.SetFont(TestFont());
  c.DrawText("WWWW", r, DT_NOCLIP);
  EXPECT_GT(Ink(b).Right, 30);
}

TEST_F(TextTest, RussianTextRendersRealGlyphs) {
  const char* russian = "Привет, мир";
  EXPECT_GT(c_.TextWidth(russian), 0);
  c_.TextOut(2, 2, russian);
  EXPECT_FALSE(Ink(bm_).IsEmpty());
  // Cyrillic letters are not the missing-glyph box.
  Bitmap a = White(30, 30), b = White(30, 30);
  Canvas ca(a), cb(b);
  ca.SetFont(TestFont());
  cb.SetFont(TestFont());
  ca.TextOut(0, 0, "П");
  cb.TextOut(0, 0, "\xEE\x80\x80");  // U+E000, which the face lacks
  EXPECT_FALSE(SameBytes(a, b));
}

// U+1D400 (mathematical bold A) is in DejaVu Serif but not in DejaVu Sans:
// it comes from the fallback face instead of showing the missing-glyph box.
TEST_F(TextTest, CharactersTheFaceLacksComeFromAnotherFace) {
  auto render = [](const char* text) {
    Bitmap b = White(30, 30);
    Canvas c(b);
    c.SetFont(TestFont());
    c.TextOut(0, 0, text);
    return b;
  };
  const Bitmap bold = render("\xF0\x9D\x90\x80");
  const Bitmap missing = render("\xEE\x80\x80");  // U+E000: no installed face has it
  EXPECT_FALSE(Ink(bold).IsEmpty());
  EXPECT_FALSE(SameBytes(bold, missing));
  EXPECT_GT(c_.TextWidth("\xF0\x9D\x90\x80"), 0);
}

TEST_F(TextTest, ThirtyTwoBitKeepsAlphaAndGreyMasksDarken) {
  Bitmap b(60, 20, PixelFormat::Bgra32);
  Canvas c(b);
  c.FillRectAlpha({0, 0, 60, 20}, clWhite, 77);
  c.SetFont(TestFont());
  c.TextOut(0, 0, "Alpha");
  bool inked = false;
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 60; ++x) {
      EXPECT_EQ(b.PixelAt(x, y) >> 24, 77u);
      inked |= (b.PixelAt(x, y) & 0xFFFFFF) != 0xFFFFFF;
    }
  EXPECT_TRUE(inked);

  Bitmap mask(60, 20, PixelFormat::Gray8);
  mask.FillBytes(255);
  Canvas mc(mask);
  mc.SetFont(TestFont());
  mc.TextOut(0, 0, "Glow");
  int darkest = 255;
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 60; ++x) darkest = std::min<int>(darkest, mask.PixelAt(x, y) & 0xFF);
  EXPECT_LT(darkest, 64);
}

TEST_F(TextTest, OpaqueBackgroundAndRepeatableOutput) {
  Bitmap a = White(80, 20), b = White(80, 20);
  for (Bitmap* bm : {&a, &b}) {
    Canvas c(*bm);
    c.SetFont(TestFont());
    c.SetTextColor(RGB(200, 0, 0));
    c.SetBackgroundMode(BackgroundMode::Opaque);
    c.SetBackgroundColor(RGB(0, 0, 90));
    c.TextOut(1, 1, "Same");
  }
  EXPECT_TRUE(SameBytes(a, b));
  EXPECT_EQ(a.PixelAt(1, 1), RGB(0, 0, 90));  // the cell's corner is background
  EXPECT_EQ(a.PixelAt(0, 0), clWhite);
}

}  // namespace
}  // namespace gfx
