// The records of a loaded skin: general data per section, mask entries,
// pattern images, gradient steps, skin-wide values and cached indexes, and
// the skins stored in a window description.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Color.h"
#include "skin/data/LargeArrayAllocator.h"

namespace skin {

class TsSkinManager;

// The longest PARENTCLASS chain that inheritance and the parent walks of the
// lookups follow. Real skins nest a few levels; the limit keeps a hostile
// options file with thousands of chained sections from taking minutes.
inline constexpr std::size_t kMaxParentDepth = 64;

// One gradient step.
struct TsGradStep {
  std::int32_t FromColor = 0;
  std::int32_t ToColor = 0;
  std::uint8_t Percent = 0;  // 0..100
  std::int32_t Kind = 0;
  friend bool operator==(const TsGradStep&, const TsGradStep&) = default;
};
using TsGradArray = std::vector<TsGradStep>;

// The kind of a mask-table entry.
enum class TacImgType : std::uint8_t {
  itisaBorder = 0,
  itisaTexture = 1,
  itisaGlyph = 2,
  itisaGlow = 3,
  itisaPngGlyph = 4,
};

// Text colour and the four contour colours (left, top, right, bottom).
using TsFontColors = std::array<gfx::Color, 5>;

// One record per section of the options file.
struct TsGeneralData {
  std::string ParentClass;
  std::string SectionName;
  gfx::Color Color = gfx::clWhite;
  TsFontColors FontColor{0, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF};
  TsFontColors HotFontColor{0, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF};
  bool GiveOwnFont = false;
  std::int32_t GlowCount = 0;
  std::int32_t GlowMargin = 0;
  bool ReservedBoolean = false;
  std::int32_t Transparency = 0;
  std::int32_t GradientPercent = 0;
  std::string GradientData = " ";
  TsGradArray GradientSteps;
  std::int32_t ImagePercent = 0;
  bool ShowFocus = false;
  bool FadingEnabled = false;
  std::int32_t FadingIterations = 5;
  gfx::Color HotColor = gfx::clWhite;
  std::int32_t HotTransparency = 0;
  std::int32_t HotGradientPercent = 0;
  std::string HotGradientData;
  TsGradArray HotGradientSteps;
  std::int32_t HotImagePercent = 0;
  gfx::Color HotGlowColor = gfx::clWhite;
  gfx::Color GlowColor = gfx::clWhite;
  std::uint8_t HotGlowSize = 0;
  std::uint8_t GlowSize = 0;
  std::int32_t BordersMaskIndex = -1;
  std::int32_t ImgTopLeftIndex = -1;
  std::int32_t ImgTopRightIndex = -1;
  std::int32_t ImgBtmLeftIndex = -1;
  std::int32_t ImgBtmRightIndex = -1;
  friend bool operator==(const TsGeneralData&, const TsGeneralData&) = default;
};
// Large options files make large tables: see LargeArrayAllocator.
using TsGeneralDataArray = std::vector<TsGeneralData, LargeArrayAllocator<TsGeneralData>>;

// One border mask, glyph, texture or image of the skin.
struct TsMaskData {
  // The entry's own image; none when the rectangle lies in the master bitmap.
  std::shared_ptr<gfx::Bitmap> Image;
  std::string SectionName;
  std::string PropertyName;
  std::int32_t Left = 0;
  std::int32_t Top = 0;
  std::int32_t Right = 0;
  std::int32_t Bottom = 0;
  std::int16_t ImageCount = 0;
  std::int16_t MaskType = 0;
  std::int16_t BorderWidth = 0;
  std::int16_t StretchMode = 0;
  TacImgType ImgType = TacImgType::itisaBorder;
  TsSkinManager* Owner = nullptr;
  std::int16_t WL = 0;
  std::int16_t WT = 0;
  std::int16_t WR = 0;
  std::int16_t WB = 0;

  // Computed in 64 bits: the fields come from untrusted files.
  std::int64_t Width() const { return std::int64_t{Right} - Left; }
  std::int64_t Height() const { return std::int64_t{Bottom} - Top; }
};
using TsMaskArray = std::vector<TsMaskData>;

// A large pattern image (a JPEG of at least 90000 pixels), held as 24 bits.
struct TsPatternData {
  std::shared_ptr<gfx::Bitmap> Image;
  std::string SectionName;   // upper case
  std::string PropertyName;  // upper case
};
using TsPatternArray = std::vector<TsPatternData>;

// Skin-wide values (GLOBALINFO).
struct TsSkinData {
  std::string SkinPath;  // directory of a directory skin with a trailing separator, else as loaded
  bool Active = false;
  double Version = 0;
  std::string Author;
  std::string Description;
  gfx::Color Shadow1Color = 0;
  std::int16_t Shadow1Offset = 0;
  std::int16_t Shadow1Blur = -1;
  std::int16_t Shadow1Transparency = 0;
  std::int16_t BorderWidth = 4;
  std::int16_t TitleHeight = 30;
  std::int16_t MaxHeight = 0;
  std::int16_t FormOffset = 8;
  std::int16_t CenterOffset = 0;
  std::int16_t BorderMode = 0;
  gfx::Color BorderColor = 0;
  std::int16_t BISpace = 0;
  std::int16_t BIVAlign = 0;
  std::int16_t BIRight = 0;
  std::int16_t BILeft = 0;
  std::int16_t BITop = 0;
  std::int16_t BIKeepHue = 0;
  std::int16_t BICloseGlow = 0;
  std::int16_t BICloseGlowMargin = 0;
  std::int16_t BIMaxGlow = 0;
  std::int16_t BIMaxGlowMargin = 0;
  std::int16_t BIMinGlow = 0;
  std::int16_t BIMinGlowMargin = 0;
  friend bool operator==(const TsSkinData&, const TsSkinData&) = default;
};

// Section and mask indexes of one scroll-bar part.
struct TsScrollPartIndexes {
  std::int16_t Section = -1;
  std::int16_t BordersMask = -1;
  std::int16_t GlyphMask = -1;
  std::int16_t Pattern = -1;
  std::int16_t HotPattern = -1;
  friend bool operator==(const TsScrollPartIndexes&, const TsScrollPartIndexes&) = default;
};

// Indexes of often used sections and masks, refreshed after every load.
struct TsCommonIndexes {
  std::int16_t GlobalInfo = -1;
  std::int16_t CheckBoxChecked = -1;
  std::int16_t CheckBoxUnChecked = -1;
  std::int16_t CheckBoxGrayed = -1;
  std::int16_t RadioButtonChecked = -1;
  std::int16_t RadioButtonUnChecked = -1;
  std::int16_t RadioButtonGrayed = -1;
  std::int16_t SmallBoxChecked = -1;
  std::int16_t SmallBoxUnChecked = -1;
  std::int16_t SmallBoxGrayed = -1;
  std::int16_t ExBorder = -1;
  std::int16_t TabTop = -1, TabBottom = -1, TabLeft = -1, TabRight = -1;
  std::int16_t TabTopMask = -1, TabBottomMask = -1, TabLeftMask = -1, TabRightMask = -1;
  TsScrollPartIndexes ScrollBtnTop, ScrollBtnBottom, ScrollBtnLeft, ScrollBtnRight;
  TsScrollPartIndexes ScrollSliderV, ScrollSliderH;
  // Scroll-bar tracks have no glyph; GlyphMask stays -1.
  TsScrollPartIndexes ScrollBar1H, ScrollBar1V, ScrollBar2H, ScrollBar2V;
  std::int32_t ComboBtn = -1;
  std::int32_t ComboBtnBorder = -1;
  std::int32_t ComboBtnPattern = -1;
  std::int32_t ComboBtnHotPattern = -1;
  std::int32_t ComboBoxGlyph = -1;
  friend bool operator==(const TsCommonIndexes&, const TsCommonIndexes&) = default;
};

// --- Skins stored in a window description -----------------------------------

// General data of one section in the structured stored form.
struct TsSkinGeneral {
  std::string SectionName;
  std::string ParentClass;
  gfx::Color Color = gfx::clWhite;
  std::string FontColor;     // five integers separated by blanks
  std::string HotFontColor;  // likewise
  bool GiveOwnFont = false;
  std::int32_t GlowCount = 0;
  std::int32_t GlowMargin = 0;
  bool ReservedBoolean = false;
  std::int32_t Transparency = 0;
  std::int32_t GradientPercent = 0;
  std::string GradientData;
  std::int32_t ImagePercent = 0;
  bool ShowFocus = false;
  bool FadingEnabled = false;
  std::int32_t FadingIterations = 5;
  gfx::Color HotColor = gfx::clWhite;
  std::int32_t HotTransparency = 0;
  std::int32_t HotGradientPercent = 0;
  std::string HotGradientData;
  std::int32_t HotImagePercent = 0;
  gfx::Color GlowColor = gfx::clWhite;
  gfx::Color HotGlowColor = gfx::clWhite;
  std::int32_t GlowSize = 0;
  std::int32_t HotGlowSize = 0;
};

// A mask entry in the structured stored form.
struct TsSkinImage {
  std::string SectionName;
  std::string PropertyName;
  gfx::Bitmap Image;  // empty when the rectangle lies in the master bitmap
  std::int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
  std::int32_t ImageCount = 0;
  std::int32_t MaskType = 0;
  std::int32_t BorderWidth = 0;
  std::int32_t StretchMode = 0;
  TacImgType ImgType = TacImgType::itisaBorder;
  std::int32_t WL = 0, WT = 0, WR = 0, WB = 0;
};

// A pattern in the structured stored form.
struct TsSkinPattern {
  std::string SectionName;
  std::string PropertyName;
  gfx::Bitmap Image;  // may be empty: then the first pattern of the same Name with an image is used
  std::string Name;
};

// A skin stored in a window description: a package in Data, or, when Data is
// empty, the older structured form.
struct TsStoredSkin {
  std::string Name;
  std::vector<std::uint8_t> Data;
  std::vector<TsSkinGeneral> GeneralData;
  std::vector<TsSkinImage> Images;
  std::vector<TsSkinPattern> Patterns;
  gfx::Bitmap MasterBitmap;
  gfx::Color Shadow1Color = 0;
  std::int32_t Shadow1Offset = 0;
  std::int32_t Shadow1Blur = -1;
  std::int32_t Shadow1Transparency = 0;
  gfx::Color BorderColor = gfx::clFuchsia;
  double Version = 0;
  std::string Author;
  std::string Description;
};
using TsStoredSkins = std::vector<TsStoredSkin>;

// The stored skin of that name (exact comparison), or null.
const TsStoredSkin* FindStoredSkin(const TsStoredSkins& skins, const std::string& name);

}  // namespace skin
