// The older, structured form of a stored skin: collections of general data,
// mask images and patterns instead of a package.
#include <utility>

#include "skin/data/GradientList.h"
#include "skin/data/IniValues.h"
#include "skin/data/MaskValues.h"
#include "skin/data/SkinLoadSteps.h"
#include "skin/data/TextUtil.h"

namespace skin {
namespace {

std::int16_t Short(std::int32_t v) { return static_cast<std::int16_t>(v); }

gfx::Bitmap Copy24(const gfx::Bitmap& b) { return b.ConvertTo(gfx::PixelFormat::Bgr24); }

// Five integers separated by blanks; anything else gives the defaults.
TsFontColors FontColorsOf(const std::string& text) {
  const std::vector<std::string_view> words = SplitWords(text, " ");
  TsFontColors out{0, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF};
  if (words.size() != 5) return out;
  TsFontColors parsed{};
  for (int i = 0; i < 5; ++i) {
    const auto v = ParseInteger(words[i]);
    if (!v) return out;
    parsed[i] = static_cast<gfx::Color>(*v);
  }
  return parsed;
}

TsMaskData MaskOf(const TsSkinImage& s, TsSkinManager* owner) {
  TsMaskData m;
  m.SectionName = UpperCase(s.SectionName);
  m.PropertyName = UpperCase(s.PropertyName);
  m.Owner = owner;
  if (!s.Image.Empty() && !s.PropertyName.empty()) {
    m.Image = std::make_shared<gfx::Bitmap>(Copy24(s.Image));
    m.Right = s.Image.Width();
    m.Bottom = s.Image.Height();
  } else {
    m.Left = s.Left;
    m.Top = s.Top;
    m.Right = s.Right;
    m.Bottom = s.Bottom;
  }
  m.ImageCount = Short(s.ImageCount);
  m.MaskType = Short(s.MaskType);
  if (m.ImageCount == 0) {
    m.ImageCount = 3;
    m.MaskType = 1;
  }
  m.BorderWidth = Short(s.BorderWidth);
  m.StretchMode = Short(s.StretchMode);
  m.ImgType = s.ImgType;
  m.WL = Short(s.WL);
  m.WT = Short(s.WT);
  m.WR = Short(s.WR);
  m.WB = Short(s.WB);
  DeriveBorderParts(m);
  return m;
}

TsGeneralData GeneralOf(const TsSkinGeneral& s) {
  TsGeneralData g;
  g.ParentClass = s.ParentClass;
  g.SectionName = s.SectionName;
  g.Color = s.Color;
  g.FontColor = FontColorsOf(s.FontColor);
  g.HotFontColor = FontColorsOf(s.HotFontColor);
  g.GiveOwnFont = s.GiveOwnFont;
  g.GlowCount = s.GlowCount;
  g.GlowMargin = s.GlowMargin;
  g.ReservedBoolean = s.ReservedBoolean;
  g.Transparency = s.Transparency;
  g.GradientPercent = s.GradientPercent;
  g.GradientData = s.GradientData;
  g.GradientSteps = ParseGradientList(s.GradientData);
  g.ImagePercent = s.ImagePercent;
  g.ShowFocus = s.ShowFocus;
  g.FadingEnabled = s.FadingEnabled;
  g.FadingIterations = s.FadingIterations;
  g.HotColor = s.HotColor;
  g.HotTransparency = s.HotTransparency;
  g.HotGradientPercent = s.HotGradientPercent;
  g.HotGradientData = s.HotGradientData;
  g.HotGradientSteps = ParseGradientList(s.HotGradientData);
  g.HotImagePercent = s.HotImagePercent;
  g.GlowColor = s.GlowColor;
  g.HotGlowColor = s.HotGlowColor;
  g.GlowSize = static_cast<std::uint8_t>(s.GlowSize);
  g.HotGlowSize = static_cast<std::uint8_t>(s.HotGlowSize);
  return g;
}

}  // namespace

TsLoadResult LoadStructuredSkin(const TsStoredSkin& stored, const TsLoadSettings& settings) {
  auto model = std::make_unique<TsSkinModel>();
  if (!stored.MasterBitmap.Empty()) {
    model->MasterBitmap = Copy24(stored.MasterBitmap);
    model->MasterBitmap.SetTransparent(true);
    model->MasterBitmap.SetTransparentColor(gfx::clFuchsia);
  }
  for (const TsSkinImage& s : stored.Images) model->MaskTable.push_back(MaskOf(s, settings.Owner));

  // A pattern without its own picture shares the first picture of the same
  // Name; one with neither is left out, as there is nothing to paint.
  std::vector<std::shared_ptr<gfx::Bitmap>> own(stored.Patterns.size());
  for (std::size_t i = 0; i < stored.Patterns.size(); ++i)
    if (!stored.Patterns[i].Image.Empty())
      own[i] = std::make_shared<gfx::Bitmap>(Copy24(stored.Patterns[i].Image));
  for (std::size_t i = 0; i < stored.Patterns.size(); ++i) {
    const TsSkinPattern& p = stored.Patterns[i];
    std::shared_ptr<gfx::Bitmap> image = own[i];
    for (std::size_t j = 0; j < stored.Patterns.size() && !image; ++j)
      if (own[j] && stored.Patterns[j].Name == p.Name) image = own[j];
    if (image)
      model->PatternTable.push_back(
          TsPatternData{image, UpperCase(p.SectionName), UpperCase(p.PropertyName)});
  }

  for (const TsSkinGeneral& g : stored.GeneralData) model->GeneralTable.push_back(GeneralOf(g));

  TsSkinData& d = model->SkinWideData;
  d.Version = stored.Version;
  d.Author = stored.Author;
  d.Description = stored.Description;
  d.Shadow1Color = stored.Shadow1Color;
  d.Shadow1Offset = Short(stored.Shadow1Offset);
  d.Shadow1Blur = Short(stored.Shadow1Blur);
  d.Shadow1Transparency = Short(stored.Shadow1Transparency);
  d.BorderColor = stored.BorderColor;

  TsLoadResult result;
  if (d.Version > 6.99) result.Warnings.emplace_back(kVersionWarning);
  model->UpdateBorderIndexes();
  ApplyColourShifts(*model, settings);
  FinishIndexes(*model);
  result.Model = std::move(model);
  return result;
}

}  // namespace skin
