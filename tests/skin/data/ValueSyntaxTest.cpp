// The mask value syntaxes and gradient lists.
#include <gtest/gtest.h>

#include "skin/data/GradientList.h"
#include "skin/data/MaskValues.h"
#include "skin/data/SkinErrors.h"

namespace skin {
namespace {

struct Fields {
  int Left, Top, Right, Bottom, WL, WT, WR, WB, ImageCount, MaskType, StretchMode, BorderWidth;
};

void ExpectFields(const TsMaskData& m, const Fields& f, const std::string& what) {
  EXPECT_EQ(m.Left, f.Left) << what;
  EXPECT_EQ(m.Top, f.Top) << what;
  EXPECT_EQ(m.Right, f.Right) << what;
  EXPECT_EQ(m.Bottom, f.Bottom) << what;
  EXPECT_EQ(m.WL, f.WL) << what;
  EXPECT_EQ(m.WT, f.WT) << what;
  EXPECT_EQ(m.WR, f.WR) << what;
  EXPECT_EQ(m.WB, f.WB) << what;
  EXPECT_EQ(m.ImageCount, f.ImageCount) << what;
  EXPECT_EQ(m.MaskType, f.MaskType) << what;
  EXPECT_EQ(m.StretchMode, f.StretchMode) << what;
  EXPECT_EQ(m.BorderWidth, f.BorderWidth) << what;
}

TEST(MaskValueSyntax, FixedColumnValues) {
  const struct {
    const char* value;
    MaskValueKind kind;
    TacImgType type;
    Fields f;
  } cases[] = {
      {"^0048^0019^0099^0040^0008^0010^0008^0010^3^0^5^1",
       MaskValueKind::Border,
       TacImgType::itisaBorder,
       {48, 19, 99, 40, 8, 10, 8, 10, 3, 0, 5, 1}},
      // All part widths 0, BorderWidth 0: 51 x 21 with three images and one part.
      {"^0048^0019^0099^0040^0000^0000^0000^0000^3^0^5^0",
       MaskValueKind::Border,
       TacImgType::itisaBorder,
       {48, 19, 99, 40, 5, 7, 5, 7, 3, 0, 5, 0}},
      // Two parts stacked: heights are a third of one part.
      {"^0000^0000^0060^0060^0000^0000^0000^0000^2^1^0^0",
       MaskValueKind::Border,
       TacImgType::itisaBorder,
       {0, 0, 60, 60, 10, 10, 10, 10, 2, 1, 0, 0}},
      // BorderWidth given: all four parts take it.
      {"^0048^0019^0099^0040^0000^0000^0000^0000^3^0^5^4",
       MaskValueKind::Border,
       TacImgType::itisaBorder,
       {48, 19, 99, 40, 4, 4, 4, 4, 3, 0, 5, 4}},
      // One width given: nothing is derived.
      {"^0048^0019^0099^0040^0000^0003^0000^0000^3^0^5^0",
       MaskValueKind::Border,
       TacImgType::itisaBorder,
       {48, 19, 99, 40, 0, 3, 0, 0, 3, 0, 5, 0}},
      // ImageCount 0 does not divide by zero.
      {"^0048^0019^0099^0040^0000^0000^0000^0000^0^0^5^0",
       MaskValueKind::Border,
       TacImgType::itisaBorder,
       {48, 19, 99, 40, 0, 7, 0, 7, 0, 0, 5, 0}},
      // Characters between the fields are not examined.
      {"^0048x0019x0099x0040x0008x0010x0008x0010x3x0x5x1",
       MaskValueKind::Border,
       TacImgType::itisaBorder,
       {48, 19, 99, 40, 8, 10, 8, 10, 3, 0, 5, 1}},
      {"@0062@0000@0191@0019@3@0",
       MaskValueKind::Glyph,
       TacImgType::itisaGlyph,
       {62, 0, 191, 19, 0, 0, 0, 0, 3, 0, 0, 0}},
      {"~0110~0036~0113~0042~10~1",
       MaskValueKind::Texture,
       TacImgType::itisaTexture,
       {110, 36, 113, 42, 0, 0, 0, 0, 1, 1, 10, 0}},
      {"~0110~0036~0113~0042~10",
       MaskValueKind::Texture,
       TacImgType::itisaTexture,
       {110, 36, 113, 42, 0, 0, 0, 0, 1, 0, 10, 0}},
  };
  for (const auto& c : cases) {
    const MaskValue v = ParseMaskValue(c.value);
    EXPECT_EQ(v.Kind, c.kind) << c.value;
    EXPECT_EQ(v.Entry.ImgType, c.type) << c.value;
    ExpectFields(v.Entry, c.f, c.value);
  }
}

TEST(MaskValueSyntax, MissingOrMalformedFieldsAbort) {
  for (const char* value :
       {"^0048^0019^0099^0040^0008^0010^0008^0010^3^0^5", "^0048^0019^0099^0040^0008^0010^0008",
        "^00a8^0019^0099^0040^0008^0010^0008^0010^3^0^5^1", "@0062@0000@0191@0019@3",
        "@0062@0000@0191@0019@x@0", "~0110~0036~0113~0042~", "~0110~0036~0113~0042~x1", "^", "#(1 2 3)(1 0)",
        "#(1 2 3 4)(1)", "#(1 2 3 x)(1 0)"})
    EXPECT_THROW(ParseMaskValue(value), ConvertError) << value;
}

TEST(MaskValueSyntax, OlderFormsAndValuesWithoutEntries) {
  const MaskValue a = ParseMaskValue("#(0048 0019 0099 0040)(3 0)");
  EXPECT_EQ(a.Kind, MaskValueKind::OldMask);
  ExpectFields(a.Entry, {48, 19, 99, 40, 5, 7, 5, 7, 3, 0, 1, 0}, "blanks");
  const MaskValue b = ParseMaskValue("MASK#(10,20,40,50)(0,-2,2,3)");
  ExpectFields(b.Entry, {10, 20, 40, 50, 2, 2, 2, 2, 1, 0, 3, 2}, "commas, clamped counts");
  const MaskValue c = ParseMaskValue("# 10,20,40,50 2,0");
  ExpectFields(c.Entry, {10, 20, 40, 50, 5, 10, 5, 10, 2, 0, 1, 0}, "without parentheses");

  const MaskValue d = ParseMaskValue("button.bmp");
  EXPECT_EQ(d.Kind, MaskValueKind::OldBitmap);
  EXPECT_EQ(d.FileName, "BUTTON.BMP");

  for (const char* none : {"", "N/A", "#", "16777215", "16777215;0;100;0;0", "TRUE", "!TITLE.JPG!1!0!0", "!"})
    EXPECT_EQ(ParseMaskValue(none).Kind, MaskValueKind::None) << none;
}

TEST(MaskValueSyntax, ImageFileNamesMustBeUpperCaseBmpOrPng) {
  const MaskValue v = ParseMaskValue("!TITLE.BMP!2!0!0!0006!0004!0006!0004");
  EXPECT_EQ(v.Kind, MaskValueKind::ImageFile);
  EXPECT_EQ(v.FileName, "TITLE.BMP");
  EXPECT_EQ(v.Words.size(), 9u - 1u);
  EXPECT_EQ(ParseMaskValue("!GLOWCLOSE.PNG!1!0!4").Kind, MaskValueKind::ImageFile);
  EXPECT_EQ(ParseMaskValue("!glowclose.png!1!0!4").Kind, MaskValueKind::None);
  EXPECT_EQ(ParseMaskValue("!Title.Bmp!1!0!4").Kind, MaskValueKind::None);
}

TEST(MaskValueSyntax, ImageFileFields) {
  const auto words = [](const char* value) { return ParseMaskValue(value).Words; };
  // Derived part widths: a third of one state image and of one part.
  TsMaskData m = ParseImageFileFields(words("!TITLE.BMP!2!0!0"), 120, 30);
  ExpectFields(m, {0, 0, 120, 30, 20, 10, 20, 10, 2, 0, 4, 0}, "derived");
  EXPECT_EQ(m.ImgType, TacImgType::itisaBorder);
  m = ParseImageFileFields(words("!EXBORDER.PNG!2!0!3!0018!0038!0018!0018!extra"), 120, 30);
  ExpectFields(m, {0, 0, 120, 30, 18, 38, 18, 18, 2, 0, 4, 0}, "given");
  EXPECT_EQ(m.ImgType, TacImgType::itisaGlow);
  EXPECT_EQ(ParseImageFileFields(words("!G.PNG!1!0!9"), 3, 3).ImgType, TacImgType::itisaPngGlyph);
  EXPECT_EQ(ParseImageFileFields(words("!G.PNG!0!-1!1"), 3, 3).WL, 0);  // zero divisors give 0
  for (const char* bad : {"!G.PNG!1!0", "!G.PNG!1!0!4!1", "!G.PNG!1!0!4!1!2!3", "!G.PNG!x!0!4"})
    EXPECT_THROW(ParseImageFileFields(words(bad), 3, 3), ConvertError) << bad;
}

TEST(GradientList, StepsOfFiveValues) {
  const TsGradArray two = ParseGradientList("16777215;16114357;97;0;0;16114357;16114357;0;0;0");
  ASSERT_EQ(two.size(), 2u);
  EXPECT_EQ(two[0], (TsGradStep{16777215, 16114357, 97, 0}));
  EXPECT_EQ(two[1], (TsGradStep{16114357, 16114357, 0, 0}));
  const TsGradArray seven = ParseGradientList("1;2;3;4;5;6;7");
  ASSERT_EQ(seven.size(), 1u);
  EXPECT_EQ(seven[0], (TsGradStep{1, 2, 3, 4}));
  EXPECT_EQ(ParseGradientList("-5;-16777201;250;1;0")[0], (TsGradStep{0, 0, 100, 1}));
  EXPECT_EQ(ParseGradientList("1;2;-3;4;5")[0].Percent, 0);
  EXPECT_TRUE(ParseGradientList(" ").empty());
  EXPECT_TRUE(ParseGradientList("").empty());
  EXPECT_EQ(ParseGradientList("1;2;3;4;5;").size(), 1u);  // one ";" after the last value
  for (const char* bad : {"1;2;x;4;5", "1;;2;3;4;5", ";1;2;3;4;5", "1;2;3;4;5;;", "1; ;2;3;4"})
    EXPECT_THROW(ParseGradientList(bad), ConvertError) << bad;
}

}  // namespace
}  // namespace skin
