// Loading whole skins: the four passes on a fixture skin read from a
// directory and from a package, JPEG patterns, the version warning, hue and
// saturation, program option lines, stored skins and failing loads.
#include <gtest/gtest.h>

#include "platform/gfx/Color.h"
#include "skin/data/SkinErrors.h"
#include "skin/data/SkinLoader.h"
#include "skin/paint/ColorShift.h"
#include "tests/skin/data/SkinFixture.h"

namespace skin {
namespace {

using fixture::Bytes;

constexpr gfx::Color kRed = gfx::RGB(255, 0, 0);
constexpr gfx::Color kBlue = gfx::RGB(0, 0, 255);
constexpr gfx::Color kGrey = gfx::RGB(128, 128, 128);

const char* const kOptions =
    "[GLOBALINFO]\r\n"
    "VERSION=6.5\r\n"
    "AUTHOR=Tester\r\n"
    "MASTERBITMAP=MASTER.BMP\r\n"
    "TITLEHEIGHT=24\r\n"
    "MAXHEIGHT=0\r\n"
    "SHADOW1COLOR=255\r\n"
    "SHADOW1OFFSET=2\r\n"
    "BORDERCOLOR=16711680\r\n"
    "BIKEEPHUE=2\r\n"
    "BICONCLOSE=@0150@0000@0180@0010@3@0\r\n"
    "BICONCLOSEGLOW0=!GLOWCLOSE.PNG!1!0!4\r\n"
    "BOXCHECKED=@0000@0020@0030@0030@1@0\r\n"
    "COLOR=15790320\r\n"
    "EXBORDER=!EXBORDER.PNG!2!0!3!0018!0038!0018!0018\r\n"
    "[BUTTON]\r\n"
    "BORDERSMASK=^0048^0019^0099^0040^0000^0000^0000^0000^3^0^5^0\r\n"
    "COLOR=255\r\n"
    "FONTCOLOR=255\r\n"
    "HOTGRADIENTDATA=255;65280;50;0;0;16711680;255;50;1;0\r\n"
    "IMGTOPLEFT=~0110~0036~0113~0042~10~1\r\n"
    "[SPEEDBUTTON]\r\n"
    "PARENTCLASS=BUTTON\r\n"
    "TITLE=!TITLE.BMP!2!0!0!0006!0004!0006!0004\r\n"
    "LOWER=!title.bmp!2!0!0\r\n"
    "PATTERN=BIG.JPG\r\n"
    "HOTPATTERN=small.jpg\r\n"
    "OLDMASK=#(0 0 30 30)(3 1)\r\n"
    "OLDBMP=old.bmp\r\n"
    "MISSING=!NOSUCH.BMP!1!0\r\n"
    "[WEBBUTTON]\r\n"
    "BORDERSMASK=N/A\r\n"
    "PARENTCLASS=SPEEDBUTTON\r\n"
    "[checkbox]\r\n"
    "COLOR=1\r\n"
    "[MENUITEM]\r\n"
    "HOTCOLOR=65280\r\n"
    "HOTFONTCOLOR=16711680\r\n"
    "[SCROLLBTNTOP]\r\n"
    "GLYPHMASK=@0000@0050@0030@0060@3@0\r\n"
    "[COMBOBOX]\r\n"
    "GLYPHMASK=@0000@0050@0030@0060@3@0\r\n";

gfx::Bitmap Master() {
  gfx::Bitmap b = gfx::NewBitmap24(200, 100);
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 200; ++x) b.SetPixelAt(x, y, x < 100 ? kRed : kGrey);
  for (int y = 0; y < 10; ++y)
    for (int x = 150; x < 180; ++x) b.SetPixelAt(x, y, kBlue);  // the close glyph
  b.SetPixelAt(0, 0, gfx::clFuchsia);
  return b;
}

gfx::Bitmap Glow() {
  gfx::Bitmap b = gfx::NewBitmap32(8, 8);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) b.SetPixelAt(x, y, y < 4 ? 0x80FF0000u : 0x00FFFFFFu);
  return b;
}

std::vector<PackEntry> FixtureEntries(const std::string& options = kOptions) {
  return {
      {"Options.dat", Bytes(options)},
      {"Master.bmp", fixture::Bmp(Master())},
      {"Title.bmp", fixture::Bmp(fixture::Solid24(120, 30, kRed))},
      {"Old.bmp", fixture::Bmp(fixture::Solid24(90, 60, kBlue))},
      {"GlowClose.PNG", fixture::Png(Glow())},
      {"ExBorder.png", fixture::Png(Glow())},
      {"Big.jpg", fixture::Jpeg(300, 300, kGrey)},
      {"Small.JPG", fixture::Jpeg(299, 300, kGrey)},
  };
}

TsLoadResult LoadPacked(const std::vector<PackEntry>& entries, const TsLoadSettings& settings = {}) {
  return LoadSkinFromPackage(PackSkin(entries), "/skins/", settings);
}

bool SamePixels(const gfx::Bitmap& a, const gfx::Bitmap& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height() || a.Format() != b.Format()) return false;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if (a.PixelAt(x, y) != b.PixelAt(x, y)) return false;
  return true;
}

bool SameImage(const std::shared_ptr<gfx::Bitmap>& a, const std::shared_ptr<gfx::Bitmap>& b) {
  return (!a && !b) || (a && b && SamePixels(*a, *b));
}

void ExpectSameTables(const TsSkinModel& a, const TsSkinModel& b) {
  EXPECT_EQ(a.GeneralTable, b.GeneralTable);
  ASSERT_EQ(a.MaskTable.size(), b.MaskTable.size());
  for (std::size_t i = 0; i < a.MaskTable.size(); ++i) {
    const TsMaskData& x = a.MaskTable[i];
    const TsMaskData& y = b.MaskTable[i];
    EXPECT_EQ(x.SectionName + "." + x.PropertyName, y.SectionName + "." + y.PropertyName) << i;
    EXPECT_TRUE(x.Left == y.Left && x.Top == y.Top && x.Right == y.Right && x.Bottom == y.Bottom) << i;
    EXPECT_TRUE(x.ImageCount == y.ImageCount && x.MaskType == y.MaskType && x.BorderWidth == y.BorderWidth &&
                x.StretchMode == y.StretchMode && x.ImgType == y.ImgType)
        << i;
    EXPECT_TRUE(x.WL == y.WL && x.WT == y.WT && x.WR == y.WR && x.WB == y.WB) << i;
    EXPECT_TRUE(SameImage(x.Image, y.Image)) << i;
  }
  ASSERT_EQ(a.PatternTable.size(), b.PatternTable.size());
  for (std::size_t i = 0; i < a.PatternTable.size(); ++i) {
    EXPECT_EQ(a.PatternTable[i].SectionName, b.PatternTable[i].SectionName);
    EXPECT_EQ(a.PatternTable[i].PropertyName, b.PatternTable[i].PropertyName);
    EXPECT_TRUE(SameImage(a.PatternTable[i].Image, b.PatternTable[i].Image));
  }
  EXPECT_TRUE(SamePixels(a.MasterBitmap, b.MasterBitmap));
  TsSkinData da = a.SkinWideData, db = b.SkinWideData;
  da.SkinPath = db.SkinPath = "";
  EXPECT_EQ(da, db);
  EXPECT_EQ(a.CommonIndexes, b.CommonIndexes);
}

std::vector<std::string> MaskNames(const TsSkinModel& m) {
  std::vector<std::string> out;
  for (const TsMaskData& e : m.MaskTable) out.push_back(e.SectionName + "." + e.PropertyName);
  return out;
}

TEST(SkinLoader, PackageBuildsTheTablesInFileOrder) {
  TsSkinManager* const owner = reinterpret_cast<TsSkinManager*>(0x1234);
  const TsLoadResult r = LoadPacked(FixtureEntries(), TsLoadSettings{owner, 0, 0, {}});
  ASSERT_NE(r.Model, nullptr);
  EXPECT_TRUE(r.Warnings.empty());
  const TsSkinModel& m = *r.Model;
  EXPECT_TRUE(m.Packed);
  EXPECT_EQ(m.SkinWideData.SkinPath, "/skins/");
  EXPECT_EQ(MaskNames(m), (std::vector<std::string>{
                              "GLOBALINFO.BICONCLOSE", "GLOBALINFO.BICONCLOSEGLOW0", "GLOBALINFO.BOXCHECKED",
                              "GLOBALINFO.EXBORDER", "BUTTON.BORDERSMASK", "BUTTON.IMGTOPLEFT",
                              "SPEEDBUTTON.TITLE", "SPEEDBUTTON.OLDMASK", "SPEEDBUTTON.OLDBMP",
                              "SCROLLBTNTOP.GLYPHMASK", "COMBOBOX.GLYPHMASK", "SPEEDBUTTON.HOTPATTERN"}));
  for (const TsMaskData& e : m.MaskTable) EXPECT_EQ(e.Owner, owner);

  // Master bitmap: 24-bit, transparent with magenta.
  EXPECT_EQ(m.MasterBitmap.Format(), gfx::PixelFormat::Bgr24);
  EXPECT_EQ(m.MasterBitmap.GetSize(), (gfx::Size{200, 100}));
  EXPECT_TRUE(m.MasterBitmap.Transparent());
  EXPECT_EQ(m.MasterBitmap.TransparentColor(), gfx::clFuchsia);

  // "!" BMP: own 24-bit image with the given part widths.
  const TsMaskData& title = m.MaskTable[6];
  ASSERT_TRUE(title.Image);
  EXPECT_EQ(title.Image->Format(), gfx::PixelFormat::Bgr24);
  EXPECT_EQ((std::vector<int>{title.Left, title.Top, title.Right, title.Bottom}),
            (std::vector<int>{0, 0, 120, 30}));
  EXPECT_EQ(title.StretchMode, 4);
  EXPECT_EQ(title.WL, 6);
  EXPECT_EQ(title.WT, 4);
  // "!" PNG: 32-bit, white transparent pixels cleared.
  const TsMaskData& glow = m.MaskTable[1];
  ASSERT_TRUE(glow.Image);
  EXPECT_EQ(glow.Image->Format(), gfx::PixelFormat::Bgra32);
  EXPECT_EQ(glow.ImgType, TacImgType::itisaPngGlyph);
  EXPECT_EQ(glow.Image->PixelAt(0, 0), 0x80FF0000u);
  EXPECT_EQ(glow.Image->PixelAt(0, 7), 0u);
  EXPECT_EQ(m.MaskTable[3].ImgType, TacImgType::itisaGlow);
  // The older forms get upper-case names, three images and two parts.
  const TsMaskData& old = m.MaskTable[8];
  ASSERT_TRUE(old.Image);
  EXPECT_EQ(old.ImageCount, 3);
  EXPECT_EQ(old.MaskType, 1);
  EXPECT_EQ(old.WL, 10);
  EXPECT_EQ(old.WT, 10);
  EXPECT_FALSE(m.MaskTable[7].Image);

  // JPEGs: 300 x 300 is a pattern, 299 x 300 a texture of its own.
  ASSERT_EQ(m.PatternTable.size(), 1u);
  EXPECT_EQ(m.PatternTable[0].SectionName, "SPEEDBUTTON");
  EXPECT_EQ(m.PatternTable[0].PropertyName, "PATTERN");
  EXPECT_EQ(m.PatternTable[0].Image->GetSize(), (gfx::Size{300, 300}));
  const TsMaskData& small = m.MaskTable[11];
  EXPECT_EQ(small.ImgType, TacImgType::itisaTexture);
  EXPECT_EQ(small.ImageCount, 1);
  ASSERT_TRUE(small.Image);
  EXPECT_EQ(small.Image->GetSize(), (gfx::Size{299, 300}));
  EXPECT_EQ(small.Right, 0);

  // Skin-wide data.
  EXPECT_DOUBLE_EQ(m.SkinWideData.Version, 6.5);
  EXPECT_EQ(m.SkinWideData.Author, "Tester");
  EXPECT_EQ(m.SkinWideData.MaxHeight, 24);
  EXPECT_EQ(m.SkinWideData.BorderWidth, 4);
  EXPECT_EQ(m.SkinWideData.Shadow1Offset, 2);
  EXPECT_EQ(m.SkinWideData.Shadow1Blur, -1);
  EXPECT_FALSE(m.SkinWideData.Active);

  // General table: one record per section, names as written.
  std::vector<std::string> sections;
  for (const TsGeneralData& g : m.GeneralTable) sections.push_back(g.SectionName);
  EXPECT_EQ(sections, (std::vector<std::string>{"GLOBALINFO", "BUTTON", "SPEEDBUTTON", "WEBBUTTON",
                                                "checkbox", "MENUITEM", "SCROLLBTNTOP", "COMBOBOX"}));
  EXPECT_EQ(m.SectionIndexOf("CHECKBOX"), -1);
  EXPECT_EQ(m.SectionIndexOf("checkbox"), 4);
  const TsGeneralData& speed = m.GeneralTable[2];
  EXPECT_EQ(speed.Color, kRed);
  EXPECT_EQ(speed.HotGradientSteps.size(), 2u);
  // Border and corner indexes through the parent chain; GLOBALINFO has none.
  EXPECT_EQ(m.GeneralTable[1].BordersMaskIndex, 4);
  EXPECT_EQ(speed.BordersMaskIndex, 4);
  EXPECT_EQ(m.GeneralTable[3].BordersMaskIndex, 4);  // "N/A" is no mask: the parent's is found
  EXPECT_EQ(m.GeneralTable[3].ImgTopLeftIndex, 5);
  EXPECT_EQ(m.GeneralTable[4].BordersMaskIndex, -1);
  EXPECT_EQ(m.GeneralTable[0].BordersMaskIndex, -1);

  // Common indexes.
  EXPECT_EQ(m.CommonIndexes.GlobalInfo, 0);
  EXPECT_EQ(m.CommonIndexes.CheckBoxChecked, 2);
  EXPECT_EQ(m.CommonIndexes.ExBorder, 3);
  EXPECT_EQ(m.CommonIndexes.RadioButtonChecked, -1);
  EXPECT_EQ(m.CommonIndexes.ScrollBtnTop.Section, 6);
  EXPECT_EQ(m.CommonIndexes.ScrollBtnTop.GlyphMask, 9);
  EXPECT_EQ(m.CommonIndexes.ScrollBtnTop.BordersMask, -1);
  EXPECT_EQ(m.CommonIndexes.ComboBoxGlyph, 10);
  EXPECT_EQ(m.CommonIndexes.ComboBtn, -1);
  EXPECT_EQ(m.CommonIndexes.TabTop, -1);

  // Colour queries.
  EXPECT_EQ(m.GetGlobalColor(), 15790320u);
  EXPECT_EQ(m.GetGlobalFontColor(), 0u);
  EXPECT_EQ(m.GetGlobalHotColor(), gfx::clWhite);
  EXPECT_EQ(m.GetActiveEditFontColor(), gfx::clFuchsia);
  EXPECT_EQ(m.GetHighLightColor(), 65280u);
  EXPECT_EQ(m.GetHighLightFontColor(), 16711680u);
}

TEST(SkinLoader, DirectoryAndPackageGiveIdenticalTables) {
  const std::vector<PackEntry> entries = FixtureEntries();
  fixture::TempDir dir;
  fixture::WriteEntries(dir, entries);
  const TsLoadResult fromDir = LoadSkinFromDirectory(dir.Str(), {});
  const TsLoadResult fromPackage = LoadPacked(entries);
  EXPECT_FALSE(fromDir.Model->Packed);
  EXPECT_EQ(fromDir.Model->SkinWideData.SkinPath, dir.Str() + "/");
  ExpectSameTables(*fromDir.Model, *fromPackage.Model);

  // The same package read from a file.
  dir.Write("Skin.osz", PackSkin(entries));
  const std::optional<TsLoadResult> fromFile =
      LoadSkinFromPackageFile((dir.Path() / "Skin.osz").string(), "/x/", {});
  ASSERT_TRUE(fromFile.has_value());
  ExpectSameTables(*fromFile->Model, *fromPackage.Model);
  EXPECT_FALSE(LoadSkinFromPackageFile((dir.Path() / "None.osz").string(), "/x/", {}).has_value());
}

TEST(SkinLoader, VersionAboveSixNinetyNineWarnsAndStillLoads) {
  const struct {
    const char* version;
    std::size_t warnings;
  } cases[] = {{"7", 1},     {"6.99", 0}, {"6.991", 1}, {"", 0},
               {"seven", 0}, {"inf", 0},  {"nan", 0},   {"7e0", 0}};
  for (const auto& c : cases) {
    const TsLoadResult r = LoadPacked(
        {{"Options.dat", Bytes(std::string("[GLOBALINFO]\nVERSION=") + c.version + "\n[BUTTON]\n")}});
    ASSERT_EQ(r.Warnings.size(), c.warnings) << c.version;
    if (c.warnings) {
      EXPECT_EQ(r.Warnings[0],
                "This version of the skin have not complete support by used Kavrel package release.\n"
                "Components must be updated up to latest version for using this skin.");
    }
    ASSERT_NE(r.Model, nullptr);
    EXPECT_EQ(r.Model->GeneralTable.size(), 2u);
  }
}

TEST(SkinLoader, HueOffsetIsAbsoluteAndKeepsTheCloseGlyph) {
  const std::vector<PackEntry> entries = FixtureEntries();
  const TsLoadResult base = LoadPacked(entries);
  const TsLoadResult shifted = LoadPacked(entries, TsLoadSettings{nullptr, 120, 0, {}});
  const TsSkinModel& m = *shifted.Model;
  const gfx::Color green = gfx::RGB(0, 255, 0);
  EXPECT_EQ(m.MasterBitmap.PixelAt(50, 50), green);
  EXPECT_EQ(m.MasterBitmap.PixelAt(120, 50), kGrey);        // grey stays
  EXPECT_EQ(m.MasterBitmap.PixelAt(0, 0), gfx::clFuchsia);  // the key colour stays
  EXPECT_EQ(m.MasterBitmap.PixelAt(160, 5), kBlue);         // BIKEEPHUE keeps the close glyph
  EXPECT_EQ(m.MaskTable[6].Image->PixelAt(3, 3), green);    // own images are shifted
  EXPECT_TRUE(SameImage(m.MaskTable[1].Image, base.Model->MaskTable[1].Image));  // its glow is kept
  EXPECT_FALSE(SameImage(m.MaskTable[3].Image, base.Model->MaskTable[3].Image));
  EXPECT_EQ(m.GeneralTable[1].Color, green);
  EXPECT_EQ(m.GeneralTable[1].FontColor[0], green);
  EXPECT_EQ(m.GeneralTable[1].FontColor[1], 0xFFFFFFFFu);  // "none" stays
  EXPECT_EQ(m.GeneralTable[1].HotGradientSteps[0].FromColor, static_cast<std::int32_t>(green));
  EXPECT_EQ(m.SkinWideData.Shadow1Color, green);
  EXPECT_EQ(m.SkinWideData.BorderColor, ShiftHue(120, 16711680));
  EXPECT_TRUE(SamePixels(*m.PatternTable[0].Image, *base.Model->PatternTable[0].Image));

  // 30 then 0: every load starts from the skin's own data.
  ASSERT_FALSE(LoadPacked(entries, TsLoadSettings{nullptr, 30, 0, {}}).Model->GeneralTable ==
               base.Model->GeneralTable);
  const TsLoadResult back = LoadPacked(entries, TsLoadSettings{nullptr, 0, 0, {}});
  ExpectSameTables(*back.Model, *base.Model);
}

TEST(SkinLoader, BiKeepHueOneKeepsEveryTitleGlyph) {
  std::string options = kOptions;
  options.replace(options.find("BIKEEPHUE=2"), 11, "BIKEEPHUE=0");
  const TsLoadResult none = LoadPacked(FixtureEntries(options), TsLoadSettings{nullptr, 120, 0, {}});
  EXPECT_EQ(none.Model->MasterBitmap.PixelAt(160, 5), ShiftHue(120, kBlue));
  EXPECT_EQ(none.Model->MaskTable[1].Image->PixelAt(0, 0) & 0xFFFFFF, ShiftHue(120, kBlue));
}

TEST(SkinLoader, SaturationMovesColoursTowardsGrey) {
  const TsLoadResult r = LoadPacked(FixtureEntries(), TsLoadSettings{nullptr, 0, 100, {}});
  const gfx::Color grey85 = gfx::RGB(85, 85, 85);
  EXPECT_EQ(r.Model->MasterBitmap.PixelAt(50, 50), grey85);
  EXPECT_EQ(r.Model->MasterBitmap.PixelAt(160, 5), grey85);  // no kept glyphs for saturation
  EXPECT_EQ(r.Model->GeneralTable[1].Color, grey85);
  EXPECT_EQ(r.Model->MasterBitmap.PixelAt(0, 0), gfx::clFuchsia);
}

TEST(SkinLoader, ProgramOptionLinesReplaceAndAddRecords) {
  TsLoadSettings settings;
  settings.CommonSections = {"[BUTTON]",           "HOTCOLOR=123", "[EXTRA]",
                             "PARENTCLASS=BUTTON", "FONTCOLOR=5",  "GLYPH=#(0 0 30 30)(3 1)"};
  const TsLoadResult r = LoadPacked(FixtureEntries(), settings);
  const TsSkinModel& m = *r.Model;
  const TsGeneralData& button = m.GeneralTable[1];
  EXPECT_EQ(button.SectionName, "BUTTON");
  EXPECT_EQ(button.HotColor, 123u);
  EXPECT_EQ(button.Color, gfx::clWhite);  // omitted, no PARENTCLASS: the default
  ASSERT_EQ(m.GeneralTable.size(), 9u);
  const TsGeneralData& extra = m.GeneralTable[8];
  EXPECT_EQ(extra.SectionName, "EXTRA");
  EXPECT_EQ(extra.FontColor[0], 5u);
  EXPECT_EQ(extra.HotColor, 123u);  // from the BUTTON record
  EXPECT_EQ(extra.BordersMaskIndex, 4);
  EXPECT_EQ(m.MaskIndexOfExact("EXTRA", "GLYPH"), 11);  // after the skin's own masks, before the JPEG texture
}

TEST(SkinLoader, FailingLoadsThrowWithTheirMessage) {
  const struct {
    const char* what;
    std::vector<PackEntry> entries;
    const char* message;
  } cases[] = {
      {"strict integer",
       {{"Options.dat", Bytes("[GLOBALINFO]\nSHADOW1BLUR=soft\n")}},
       "'soft' is not a valid integer value (section GLOBALINFO, key SHADOW1BLUR)"},
      {"fixed column",
       {{"Options.dat", Bytes("[BUTTON]\nBORDERSMASK=^0048^0019\n")}},
       "'' is not a valid integer value (section BUTTON, key BORDERSMASK)"},
      {"gradient",
       {{"Options.dat", Bytes("[BUTTON]\nGRADIENTDATA=1;2;x\n")}},
       "'x' is not a valid integer value (section BUTTON, key GRADIENTDATA)"},
      {"image word count",
       {{"Options.dat", Bytes("[BUTTON]\nT=!T.BMP!1!0!0!1\n")},
        {"T.bmp", fixture::Bmp(fixture::Solid24(3, 3, 0))}},
       "'' is not a valid integer value (section BUTTON, key T)"},
      {"corrupt image",
       {{"Options.dat", Bytes("[BUTTON]\nT=!T.BMP!1!0!0\n")}, {"T.bmp", Bytes("BMnonsense")}},
       "The skin image \"T.BMP\" cannot be read"},
  };
  for (const auto& c : cases) {
    try {
      LoadPacked(c.entries);
      ADD_FAILURE() << c.what << ": loaded";
    } catch (const SkinError& e) {
      EXPECT_EQ(std::string(e.what()).find(c.message), 0u) << c.what << ": " << e.what();
    }
  }
  EXPECT_THROW(LoadSkinFromPackage(Bytes("not a package"), "", {}), PackageError);
}

TEST(SkinLoader, MissingImagesAndOptionsLeaveThingsOut) {
  // A package without options loads an empty skin; one without its master
  // bitmap has an empty master bitmap.
  const TsLoadResult empty = LoadPacked({});
  EXPECT_TRUE(empty.Model->GeneralTable.empty());
  EXPECT_EQ(empty.Model->CommonIndexes, TsCommonIndexes{});
  const TsLoadResult noMaster = LoadPacked({{"Options.dat", Bytes("[GLOBALINFO]\nMASTERBITMAP=master.bmp\n")},
                                            {"Master.bmp", fixture::Bmp(Master())}});
  EXPECT_TRUE(noMaster.Model->MasterBitmap.Empty());  // the value is compared as written
  EXPECT_TRUE(noMaster.Model->MaskTable.empty());
}

TEST(SkinLoader, StoredSkins) {
  TsStoredSkins skins(2);
  skins[0].Name = "Packed";
  skins[0].Data = PackSkin(FixtureEntries());
  skins[1].Name = "Structured";
  TsStoredSkin& s = skins[1];
  s.MasterBitmap = Master();
  s.Version = 7;
  s.Shadow1Color = 255;
  TsSkinGeneral button;
  button.SectionName = "BUTTON";
  button.FontColor = "1 2 3 4 5";
  button.HotFontColor = "1 2 3";
  button.GradientData = "1;2;3;4;5";
  s.GeneralData.push_back(button);
  TsSkinImage mask;
  mask.SectionName = "button";
  mask.PropertyName = "BordersMask";
  mask.Left = 48;
  mask.Top = 19;
  mask.Right = 99;
  mask.Bottom = 40;
  mask.ImageCount = 3;
  s.Images.push_back(mask);
  TsSkinImage own;
  own.SectionName = "BUTTON";
  own.PropertyName = "GLYPH";
  own.Image = fixture::Solid24(30, 10, kRed);
  s.Images.push_back(own);
  TsSkinPattern first{"BUTTON", "PATTERN", fixture::Solid24(4, 4, kRed), "P"};
  TsSkinPattern shared{"WEB", "PATTERN", {}, "P"};
  TsSkinPattern lonely{"WEB", "HOTPATTERN", {}, "Q"};
  s.Patterns = {shared, first, lonely};

  std::string name = "Structured";
  ASSERT_EQ(SelectStoredSkin(skins, name), 1);
  const TsLoadResult r = LoadSkinFromStored(skins[1], {});
  const TsSkinModel& m = *r.Model;
  EXPECT_EQ(r.Warnings.size(), 1u);
  EXPECT_EQ(m.SkinWideData.SkinPath, "");
  EXPECT_EQ(m.SkinWideData.Shadow1Color, 255u);
  EXPECT_EQ(m.SkinWideData.BorderColor, gfx::clFuchsia);
  ASSERT_EQ(m.GeneralTable.size(), 1u);
  EXPECT_EQ(m.GeneralTable[0].FontColor, (TsFontColors{1, 2, 3, 4, 5}));
  EXPECT_EQ(m.GeneralTable[0].HotFontColor,
            (TsFontColors{0, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF}));
  EXPECT_EQ(m.GeneralTable[0].GradientSteps.size(), 1u);
  EXPECT_EQ(m.GeneralTable[0].BordersMaskIndex, 0);
  ASSERT_EQ(m.MaskTable.size(), 2u);
  EXPECT_EQ(m.MaskTable[0].SectionName, "BUTTON");
  EXPECT_EQ(m.MaskTable[0].PropertyName, "BORDERSMASK");
  EXPECT_EQ(m.MaskTable[0].WL, 5);
  EXPECT_EQ(m.MaskTable[0].WT, 7);
  EXPECT_EQ(m.MaskTable[1].ImageCount, 3);  // 0 becomes 3 with two parts
  EXPECT_EQ(m.MaskTable[1].MaskType, 1);
  EXPECT_EQ(m.MaskTable[1].Right, 30);
  ASSERT_EQ(m.PatternTable.size(), 2u);
  EXPECT_EQ(m.PatternTable[0].Image, m.PatternTable[1].Image);  // shared by Name
  EXPECT_EQ(m.MasterBitmap.GetSize(), (gfx::Size{200, 100}));

  name = "Nowhere";
  EXPECT_EQ(SelectStoredSkin(skins, name), 0);
  EXPECT_EQ(name, "Packed");
  const TsLoadResult packed = LoadSkinFromStored(skins[0], {});
  ExpectSameTables(*packed.Model, *LoadPacked(FixtureEntries()).Model);
  EXPECT_EQ(SelectStoredSkin({}, name), -1);
}

}  // namespace
}  // namespace skin
