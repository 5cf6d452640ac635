#include "skin/data/GeneralData.h"

#include <algorithm>
#include <optional>
#include <string>
#include <unordered_set>

#include "skin/data/GradientList.h"
#include "skin/data/IniValues.h"
#include "skin/data/TextUtil.h"

namespace skin {
namespace {

using Chain = std::vector<const MemIniFile::Section*>;

std::optional<std::int32_t> FindInteger(const Chain& chain, std::string_view key) {
  for (const MemIniFile::Section* s : chain) {
    const std::string* v = s->Find(key);
    if (v == nullptr) continue;
    const std::optional<std::int32_t> n = ParseInteger(*v);
    if (n && *n != -1) return n;
  }
  return std::nullopt;
}

const std::string* FindText(const Chain& chain, std::string_view key) {
  for (const MemIniFile::Section* s : chain) {
    const std::string* v = s->Find(key);
    if (v != nullptr && *v != "?") return v;
  }
  return nullptr;
}

std::int32_t Integer(const Chain& c, std::string_view key, std::int32_t fallback) {
  return FindInteger(c, key).value_or(fallback);
}

gfx::Color Colour(const Chain& c, std::string_view key, gfx::Color fallback) {
  const std::optional<std::int32_t> v = FindInteger(c, key);
  return v ? static_cast<gfx::Color>(*v) : fallback;
}

// A colour found in the file is resolved to RGB; the fallback already is.
gfx::Color RgbColour(const Chain& c, std::string_view key, gfx::Color fallback) {
  const std::optional<std::int32_t> v = FindInteger(c, key);
  return v ? gfx::ColorToRGB(static_cast<gfx::Color>(*v)) : fallback;
}

bool Boolean(const Chain& c, std::string_view key, bool fallback) {
  const std::string* v = FindText(c, key);
  return v ? ParseBool(*v) : fallback;
}

std::string Text(const Chain& c, std::string_view key, const std::string& fallback) {
  const std::string* v = FindText(c, key);
  return v ? *v : fallback;
}

std::uint8_t Byte(const Chain& c, std::string_view key, std::uint8_t fallback) {
  const std::optional<std::int32_t> v = FindInteger(c, key);
  return v ? static_cast<std::uint8_t>(*v) : fallback;
}

TsFontColors FontColors(const Chain& c, const char* const (&keys)[5], const TsFontColors& fallback) {
  TsFontColors out{};
  for (int i = 0; i < 5; ++i) out[i] = Colour(c, keys[i], fallback[i]);
  return out;
}

}  // namespace

std::vector<const MemIniFile::Section*> ParentChain(const MemIniFile& ini, std::string_view section) {
  Chain chain;
  std::unordered_set<const MemIniFile::Section*> seen;
  const MemIniFile::Section* s = ini.FindSection(section);
  while (s != nullptr && chain.size() < kMaxParentDepth) {
    chain.push_back(s);
    seen.insert(s);
    const std::string* parent = s->Find("PARENTCLASS");
    if (parent == nullptr || parent->empty() || *parent == "?" || SameText(*parent, s->Name())) break;
    s = ini.FindSection(*parent);
    if (seen.count(s) != 0) break;  // a longer cycle
  }
  return chain;
}

TsGeneralData ReadGeneralData(const Chain& chain, const TsGeneralData& fallback) {
  static const char* const kFont[5] = {"FONTCOLOR", "TCLEFT", "TCTOP", "TCRIGHT", "TCBOTTOM"};
  static const char* const kHotFont[5] = {"HOTFONTCOLOR", "HOTTCLEFT", "HOTTCTOP", "HOTTCRIGHT",
                                          "HOTTCBOTTOM"};
  const TsGeneralData& f = fallback;
  TsGeneralData d;
  if (!chain.empty()) {
    d.SectionName = chain.front()->Name();
    const std::string* parent = chain.front()->Find("PARENTCLASS");
    if (parent != nullptr) d.ParentClass = *parent;
  }
  d.Color = RgbColour(chain, "COLOR", f.Color);
  d.HotColor = Colour(chain, "HOTCOLOR", f.HotColor);
  d.FontColor = FontColors(chain, kFont, f.FontColor);
  d.HotFontColor = FontColors(chain, kHotFont, f.HotFontColor);
  d.Transparency = Integer(chain, "TRANSPARENCY", f.Transparency);
  d.HotTransparency = Integer(chain, "HOTTRANSPARENCY", f.HotTransparency);
  d.GradientPercent = Integer(chain, "GRADIENTPERCENT", f.GradientPercent);
  d.HotGradientPercent = Integer(chain, "HOTGRADIENTPERCENT", f.HotGradientPercent);
  d.ImagePercent = Integer(chain, "IMAGEPERCENT", f.ImagePercent);
  d.HotImagePercent = Integer(chain, "HOTIMAGEPERCENT", f.HotImagePercent);
  d.GradientData = Text(chain, "GRADIENTDATA", f.GradientData);
  d.HotGradientData = Text(chain, "HOTGRADIENTDATA", f.HotGradientData);
  d.ShowFocus = Boolean(chain, "SHOWFOCUS", f.ShowFocus);
  d.FadingEnabled = Boolean(chain, "FADINGENABLED", f.FadingEnabled);
  d.FadingIterations = Integer(chain, "FADINGITERATIONS", f.FadingIterations);
  d.GiveOwnFont = Boolean(chain, "GIVEOWNFONT", f.GiveOwnFont);
  d.ReservedBoolean = Boolean(chain, "RESERVEDBOOLEAN", f.ReservedBoolean);
  d.GlowCount = Integer(chain, "GLOW", f.GlowCount);
  d.GlowMargin = Integer(chain, "GLOWMARGIN", f.GlowMargin);
  d.GlowColor = RgbColour(chain, "GCOL", f.GlowColor);
  d.GlowSize = Byte(chain, "GSIZE", f.GlowSize);
  d.HotGlowColor = RgbColour(chain, "HGCOL", f.HotGlowColor);
  d.HotGlowSize = Byte(chain, "HGSIZE", f.HotGlowSize);
  d.GradientSteps = ParseGradientList(d.GradientData);
  d.HotGradientSteps = ParseGradientList(d.HotGradientData);
  return d;
}

}  // namespace skin
