// Skinned text: compared with the canvas's own text output, so that the tests
// hold whichever faces fontconfig resolves the names to.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/gfx/Canvas.h"
#include "platform/gfx/DrawTextFlags.h"
#include "skin/paint/Tint.h"
#include "skin/render/SectionText.h"
#include "skin/render/TextFit.h"
#include "tests/skin/paint/PaintTestUtil.h"

namespace skin {
namespace {

using test::Filled;
using test::kRowOrders;
using test::Pixels;

constexpr gfx::Color kPaper = 0xE0E0E0;
constexpr unsigned kFlags = gfx::DT_CENTER | gfx::DT_VCENTER | gfx::DT_SINGLELINE;
const gfx::Rect kTextRect{4, 3, 60, 20};

gfx::Font TestFont() {
  gfx::Font f;
  f.Name = "Tahoma";
  f.Height = -11;
  f.Color = 0x123456;
  return f;
}

// A model with one section whose text colours are given.
TsSkinModel ModelWith(const TsFontColors& normal, const TsFontColors& hot,
                      gfx::Color sectionColor = 0xFFFFFF) {
  TsSkinModel m;
  TsGeneralData g;
  g.SectionName = "BUTTON";
  g.FontColor = normal;
  g.HotFontColor = hot;
  g.Color = sectionColor;
  m.GeneralTable.push_back(g);
  return m;
}

// The reference: the text drawn once per (colour, offset) in that order.
struct Pass {
  gfx::Color Colour;
  int Dx, Dy;
};

gfx::Bitmap Reference(gfx::PixelFormat f, gfx::RowOrder o, const std::vector<Pass>& passes, unsigned flags) {
  gfx::Bitmap b = Filled(f, 64, 24, kPaper, o);
  gfx::Canvas c(b);
  c.SetFont(TestFont());
  for (const Pass& p : passes) {
    c.SetTextColor(p.Colour);
    gfx::Rect r = kTextRect.Offset(p.Dx, p.Dy);
    c.DrawText("Skin", r, flags);
  }
  return b;
}

constexpr gfx::Color N = kNoContour;

TEST(WriteSectionText, ContoursInOrderThenTheText) {
  struct Case {
    const char* Name;
    TsFontColors Colours;
    bool Hot;
    std::vector<Pass> Passes;
  };
  const TsFontColors plain{0x000080, N, N, N, N};
  const TsFontColors rightOnly{0x000080, N, N, 0x00FF00, N};
  const TsFontColors all{0x000080, 0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF};
  const Case cases[] = {
      {"no contour", plain, false, {{0x000080, 0, 0}}},
      {"right contour only", rightOnly, false, {{0x00FF00, 1, 0}, {0x000080, 0, 0}}},
      {"all four",
       all,
       false,
       {{0x0000FF, -1, 0}, {0x00FF00, 0, -1}, {0xFF0000, 1, 0}, {0x00FFFF, 0, 1}, {0x000080, 0, 0}}},
      {"hot set",
       all,
       true,
       {{0x0000FF, -1, 0}, {0x00FF00, 0, -1}, {0xFF0000, 1, 0}, {0x00FFFF, 0, 1}, {0x000080, 0, 0}}},
  };
  for (const Case& c : cases)
    for (gfx::PixelFormat f : {gfx::PixelFormat::Bgr24, gfx::PixelFormat::Bgra32})
      for (gfx::RowOrder o : kRowOrders) {
        // The unused set is plain black so that reading the wrong set shows.
        const TsFontColors other{0, N, N, N, N};
        const TsSkinModel m = c.Hot ? ModelWith(other, c.Colours) : ModelWith(c.Colours, other);
        gfx::Bitmap b = Filled(f, 64, 24, kPaper, o);
        gfx::Canvas canvas(b);
        canvas.SetFont(TestFont());
        canvas.SetTextColor(0x010203);
        WriteSectionText(canvas, "Skin", true, m, c.Hot, 0, kFlags, kTextRect);
        const gfx::Bitmap want = Reference(f, o, c.Passes, kFlags);
        EXPECT_EQ(Pixels(b), Pixels(want)) << c.Name;
        EXPECT_NE(Pixels(b), Pixels(Filled(f, 64, 24, kPaper, o))) << c.Name << ": nothing drawn";
        EXPECT_EQ(canvas.TextColor(), 0x010203u) << "canvas state kept";
      }
}

TEST(WriteSectionText, DisabledTextIsFortyPercentFontColour) {
  EXPECT_EQ(DisabledTextColor(gfx::clBlack, gfx::clWhite), gfx::RGB(153, 153, 153));
  // System colours are resolved before mixing.
  EXPECT_EQ(DisabledTextColor(gfx::clBlack, gfx::clBtnFace),
            LerpColor(0, gfx::ColorToRGB(gfx::clBtnFace), 0.4));

  const TsSkinModel m = ModelWith({0, 0x0000FF, N, N, N}, {0xFF, N, N, N, N}, gfx::clWhite);
  for (bool hot : {false, true}) {
    gfx::Bitmap b = Filled(gfx::PixelFormat::Bgr24, 64, 24, kPaper);
    gfx::Canvas canvas(b);
    canvas.SetFont(TestFont());
    WriteSectionText(canvas, "Skin", false, m, hot, 0, kFlags, kTextRect);
    EXPECT_EQ(Pixels(b), Pixels(Reference(gfx::PixelFormat::Bgr24, gfx::RowOrder::TopDown,
                                          {{gfx::RGB(153, 153, 153), 0, 0}}, kFlags)))
        << "hot " << hot << ": no contour, one pass in the disabled colour";
  }
}

TEST(WriteSectionText, NothingForAnInvalidSectionOrEmptyText) {
  const TsSkinModel m = ModelWith({0, N, N, N, N}, {0, N, N, N, N});
  const gfx::Bitmap blank = Filled(gfx::PixelFormat::Bgr24, 64, 24, kPaper);
  for (int section : {-1, 1, 1000}) {
    gfx::Bitmap b = blank;
    gfx::Canvas canvas(b);
    WriteSectionText(canvas, "Skin", true, m, false, section, kFlags, kTextRect);
    EXPECT_EQ(Pixels(b), Pixels(blank)) << section;
  }
  gfx::Bitmap b = blank;
  gfx::Canvas canvas(b);
  WriteSectionText(canvas, "", true, m, false, 0, kFlags, kTextRect);
  EXPECT_EQ(Pixels(b), Pixels(blank));
}

TEST(CutTextToWidth, KeepsWholeCharactersAndAddsTheEllipsis) {
  gfx::Bitmap b(4, 4, gfx::PixelFormat::Bgr24);
  gfx::Canvas c(b);
  c.SetFont(TestFont());
  // A six-letter word whose last letters are wider than the dots, whatever
  // face the name resolves to.
  const std::string word = "abcWMW";
  const int abcDots = c.TextWidth("abc...");
  ASSERT_GT(c.TextWidth(word), abcDots);
  struct Case {
    std::string Text;
    int Width;
    std::string Want;
  };
  const Case cases[] = {
      {word, c.TextWidth(word), word},  // fits as it is
      {word, abcDots, "abc..."},
      {word, c.TextWidth("abcW...") - 1, "abc..."},
      {word, 0, ""},
      {word, -5, ""},
      {word, c.TextWidth("...") - 1, ""},   // not even the dots fit
      {word, c.TextWidth("a...") - 1, ""},  // only the dots fit: nothing remains
      {"", 10, ""},
  };
  for (const Case& k : cases)
    EXPECT_EQ(CutTextToWidth(c, k.Text, k.Width), k.Want) << k.Text << " " << k.Width;

  // Cyrillic letters are two bytes each: the cut never splits one.
  const std::string privet = "Привет";
  const std::string cut = CutTextToWidth(c, privet, c.TextWidth("При..."));
  EXPECT_EQ(cut, "При...");
  for (int w = 1; w < c.TextWidth(privet); ++w) {
    const std::string s = CutTextToWidth(c, privet, w);
    if (s.empty()) continue;
    ASSERT_GE(s.size(), 3u);
    const std::string head = s.substr(0, s.size() - 3);
    EXPECT_EQ(head.size() % 2, 0u) << w;
    EXPECT_EQ(privet.compare(0, head.size(), head), 0) << w;
    EXPECT_LE(c.TextWidth(s), w) << w;
  }
}

TEST(TextMeasure, WidthAndSizeMatchTheCanvas) {
  gfx::Bitmap b(4, 4, gfx::PixelFormat::Bgr24);
  gfx::Canvas c(b);
  c.SetFont(TestFont());
  EXPECT_EQ(TextWidthOf(c, "Zintor 2"), c.TextExtent("Zintor 2").Width);
  EXPECT_GT(TextWidthOf(c, "Zintor 2"), 0);
  EXPECT_EQ(TextSizeOf(TestFont(), "Zintor 2"), c.TextExtent("Zintor 2"));
}

}  // namespace
}  // namespace skin
