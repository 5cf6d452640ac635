#include "skin/data/SkinModel.h"

#include <algorithm>
#include <limits>
#include <string>
#include <vector>

#include "skin/data/InheritanceResolver.h"
#include "skin/data/ModelIndex.h"

namespace skin {
namespace {

int Truncated(std::int64_t v) { return static_cast<int>(v); }

std::int64_t Divide(std::int64_t a, std::int64_t b) { return b == 0 ? 0 : a / b; }

// Indexes cached in 16 bits; one that does not fit counts as absent.
std::int16_t Short(int index) {
  return index >= 0 && index <= std::numeric_limits<std::int16_t>::max() ? static_cast<std::int16_t>(index)
                                                                         : std::int16_t{-1};
}

bool IsNoColour(gfx::Color c) { return c == 0xFFFFFFFF || c == gfx::clFuchsia || c == gfx::clWhite; }

}  // namespace

int TsSkinModel::SectionIndexOf(std::string_view name) const {
  for (std::size_t i = 0; i < GeneralTable.size(); ++i)
    if (GeneralTable[i].SectionName == name) return static_cast<int>(i);
  return -1;
}

template <class Match, class FindSection>
int TsSkinModel::WalkUp(int skinIndex, std::string_view section, Match&& match,
                        FindSection&& findSection) const {
  // Each step moves to another record; more steps than records means the
  // PARENTCLASS chain runs in a circle. Like inheritance, a walk visits at
  // most kMaxParentDepth sections.
  const std::size_t maxVisits = std::min(GeneralTable.size() + 1, kMaxParentDepth);
  for (std::size_t visits = 0; visits < maxVisits; ++visits) {
    if (skinIndex < 0 || section.empty()) return -1;
    const int found = match(section);
    if (found >= 0) return found;
    if (static_cast<std::size_t>(skinIndex) >= GeneralTable.size()) return -1;
    const std::string& parent = GeneralTable[static_cast<std::size_t>(skinIndex)].ParentClass;
    if (parent.empty() || parent == section) return -1;
    skinIndex = findSection(parent);
    section = parent;
  }
  return -1;
}

template <class Match>
int TsSkinModel::WalkUp(int skinIndex, std::string_view section, Match&& match) const {
  return WalkUp(skinIndex, section, match, [this](std::string_view name) { return SectionIndexOf(name); });
}

int TsSkinModel::MaskIndexOfExact(std::string_view section, std::string_view property) const {
  if (section.empty()) return -1;
  for (std::size_t i = 0; i < MaskTable.size(); ++i)
    if (MaskTable[i].SectionName == section && MaskTable[i].PropertyName == property)
      return static_cast<int>(i);
  return -1;
}

int TsSkinModel::MaskIndexOf(int skinIndex, std::string_view section, std::string_view property) const {
  return WalkUp(skinIndex, section, [&](std::string_view s) { return MaskIndexOfExact(s, property); });
}

int TsSkinModel::TextureIndexOf(int skinIndex, std::string_view section, std::string_view property) const {
  return WalkUp(skinIndex, section, [&](std::string_view s) {
    for (std::size_t i = 0; i < MaskTable.size(); ++i) {
      const TsMaskData& m = MaskTable[i];
      if (m.ImgType == TacImgType::itisaTexture && m.SectionName == s && m.PropertyName == property)
        return static_cast<int>(i);
    }
    return -1;
  });
}

int TsSkinModel::PatternIndexOf(int skinIndex, std::string_view section, std::string_view property) const {
  return WalkUp(skinIndex, section, [&](std::string_view s) {
    for (std::size_t i = 0; i < PatternTable.size(); ++i)
      if (PatternTable[i].SectionName == s && PatternTable[i].PropertyName == property)
        return static_cast<int>(i);
    return -1;
  });
}

const TsMaskData* TsSkinModel::Mask(int maskIndex) const {
  if (maskIndex < 0 || static_cast<std::size_t>(maskIndex) >= MaskTable.size()) return nullptr;
  return &MaskTable[static_cast<std::size_t>(maskIndex)];
}

int TsSkinModel::MaskWidthLeft(int maskIndex) const {
  const TsMaskData* m = Mask(maskIndex);
  if (m == nullptr) return 0;
  if (m->WL > 0) return m->WL;
  if (m->BorderWidth > 0) return m->BorderWidth;
  return Truncated(Divide(m->Width(), m->ImageCount == 0 ? 1 : m->ImageCount));
}

int TsSkinModel::MaskWidthRight(int maskIndex) const {
  const TsMaskData* m = Mask(maskIndex);
  if (m == nullptr) return 0;
  if (m->WR > 0) return m->WR;
  if (m->BorderWidth > 0) return m->BorderWidth;
  return Truncated(Divide(m->Width(), m->ImageCount));
}

int TsSkinModel::MaskWidthTop(int maskIndex) const {
  const TsMaskData* m = Mask(maskIndex);
  if (m == nullptr) return 0;
  if (m->WT > 0) return m->WT;
  if (m->BorderWidth > 0) return m->BorderWidth;
  return Truncated(Divide(m->Height(), m->MaskType + 1));
}

int TsSkinModel::MaskWidthBottom(int maskIndex) const {
  const TsMaskData* m = Mask(maskIndex);
  if (m == nullptr) return 0;
  if (m->WB > 0) return m->WB;
  if (m->BorderWidth > 0) return m->BorderWidth;
  return Truncated(Divide(m->Height(), m->MaskType + 1));
}

gfx::Size TsSkinModel::MaskCellSize(int maskIndex) const {
  const TsMaskData* m = Mask(maskIndex);
  if (m == nullptr) return {};
  if (m->Image) return {m->Image->Width() / 3, m->Image->Height() / 2};
  return {Truncated(Divide(m->Width(), m->ImageCount)), Truncated(Divide(m->Height(), m->MaskType + 1))};
}

gfx::Color TsSkinModel::GetGlobalColor() const {
  const int i = SectionIndexOf("GLOBALINFO");
  return i >= 0 ? gfx::ColorToRGB(GeneralTable[i].Color) : gfx::ColorToRGB(gfx::clBtnFace);
}

gfx::Color TsSkinModel::GetGlobalFontColor() const {
  const int i = SectionIndexOf("GLOBALINFO");
  return i >= 0 ? gfx::ColorToRGB(GeneralTable[i].FontColor[0]) : gfx::clFuchsia;
}

gfx::Color TsSkinModel::GetGlobalHotColor() const {
  const int i = SectionIndexOf("GLOBALINFO");
  return i >= 0 ? gfx::ColorToRGB(GeneralTable[i].HotColor) : gfx::ColorToRGB(gfx::clWindow);
}

gfx::Color TsSkinModel::GetActiveEditFontColor() const {
  const int i = SectionIndexOf("EDIT");
  return i >= 0 ? gfx::ColorToRGB(GeneralTable[i].HotFontColor[0]) : gfx::clFuchsia;
}

gfx::Color TsSkinModel::GetHighLightColor() const {
  const int i = SectionIndexOf("MENUITEM");
  if (i >= 0 && !IsNoColour(GeneralTable[i].HotColor)) return gfx::ColorToRGB(GeneralTable[i].HotColor);
  return gfx::ColorToRGB(gfx::clHighlight);
}

gfx::Color TsSkinModel::GetHighLightFontColor() const {
  const int i = SectionIndexOf("MENUITEM");
  if (i >= 0) {
    const TsGeneralData& g = GeneralTable[i];
    const gfx::Color text = g.HotFontColor[0];
    if (!IsNoColour(g.HotColor) && !IsNoColour(text) && text != 0) return gfx::ColorToRGB(text);
  }
  return gfx::ColorToRGB(gfx::clHighlightText);
}

void TsSkinModel::UpdateBorderIndexes() { UpdateBorderIndexes(ModelIndex(GeneralTable, MaskTable)); }

void TsSkinModel::UpdateCommonIndexes() { UpdateCommonIndexes(ModelIndex(GeneralTable, MaskTable)); }

void TsSkinModel::UpdateIndexes() {
  const ModelIndex index(GeneralTable, MaskTable);
  UpdateCommonIndexes(index);
  UpdateBorderIndexes(index);
}

void TsSkinModel::UpdateBorderIndexes(const ModelIndex& index) {
  // The results are those of MaskIndexOf for each record and key, found for
  // all records at once: each record takes its parent's answer unless it has
  // a mask of its own, so large skins take linear time here. The table is
  // read once for the parents and written once at the end.
  static constexpr const char* kKeys[] = {"BORDERSMASK", "IMGTOPLEFT", "IMGTOPRIGHT", "IMGBTMLEFT",
                                          "IMGBTMRIGHT"};
  constexpr std::size_t kKeyCount = std::size(kKeys);
  const std::size_t n = GeneralTable.size();
  // The first entry of each key of the first record of each name.
  LargeArray<int> own(n * kKeyCount, -1);
  bool used[kKeyCount] = {};  // whether any record has a mask of the key
  for (std::size_t m = 0; m < MaskTable.size(); ++m) {
    const TsMaskData& e = MaskTable[m];
    const auto key = std::find(std::begin(kKeys), std::end(kKeys), std::string_view(e.PropertyName));
    if (key == std::end(kKeys)) continue;
    const int record = index.SectionIndexOf(e.SectionName);
    if (record < 0) continue;
    int& slot = own[static_cast<std::size_t>(record) * kKeyCount + static_cast<std::size_t>(key - kKeys)];
    if (slot < 0) slot = static_cast<int>(m);
    used[key - kKeys] = true;
  }
  // Records named GLOBALINFO keep their indexes; unnamed ones find nothing.
  enum : std::uint8_t { kFind, kKeep, kNone };
  LargeArray<std::uint8_t> kind(n, kFind);
  LargeArray<int> parent(n, -1);
  index.FindSections(
      n,
      [&](std::size_t i) {
        const TsGeneralData& g = GeneralTable[i];
        if (g.SectionName == "GLOBALINFO") kind[i] = kKeep;
        if (g.SectionName.empty()) kind[i] = kNone;
        return g.ParentClass != g.SectionName ? std::string_view(g.ParentClass) : std::string_view();
      },
      [&](std::size_t i, int p) { parent[i] = p; });
  // Every record answers with the masks of the first record of its name.
  const auto ownMask = [&](std::size_t record, std::size_t k) {
    return own[static_cast<std::size_t>(index.FirstOfName(record)) * kKeyCount + k];
  };
  const InheritanceResolver resolver(std::move(parent), kMaxParentDepth);
  LargeArray<int> masks(n * kKeyCount, -1);  // per record, the five results
  LargeArray<int> found;
  for (std::size_t k = 0; k < kKeyCount; ++k) {
    if (!used[k]) continue;
    resolver.Resolve([&](int r) { return ownMask(static_cast<std::size_t>(r), k) >= 0; }, found);
    for (std::size_t i = 0; i < n; ++i)
      if (found[i] >= 0 && kind[i] == kFind) masks[i * kKeyCount + k] = ownMask(static_cast<std::size_t>(found[i]), k);
  }
  for (std::size_t i = 0; i < n; ++i) {
    if (kind[i] == kKeep) continue;
    TsGeneralData& g = GeneralTable[i];
    const int* m = &masks[i * kKeyCount];
    g.BordersMaskIndex = m[0];
    g.ImgTopLeftIndex = m[1];
    g.ImgTopRightIndex = m[2];
    g.ImgBtmLeftIndex = m[3];
    g.ImgBtmRightIndex = m[4];
  }
}

void TsSkinModel::UpdateCommonIndexes(const ModelIndex& index) {
  const auto sectionIndexOf = [&](std::string_view name) { return index.SectionIndexOf(name); };
  const auto maskIndexOf = [&](int skinIndex, std::string_view section, std::string_view property) {
    return WalkUp(
        skinIndex, section, [&](std::string_view s) { return index.MaskIndexOfExact(s, property); },
        sectionIndexOf);
  };
  const auto textureIndexOf = [&](int skinIndex, std::string_view section, std::string_view property) {
    return WalkUp(
        skinIndex, section, [&](std::string_view s) { return index.MaskIndexOfExact(s, property, true); },
        sectionIndexOf);
  };

  TsCommonIndexes c;
  const int global = sectionIndexOf("GLOBALINFO");
  c.GlobalInfo = Short(global);
  auto globalMask = [&](const char* key) { return Short(maskIndexOf(global, "GLOBALINFO", key)); };
  c.CheckBoxChecked = globalMask("BOXCHECKED");
  c.CheckBoxUnChecked = globalMask("BOXUNCHECKED");
  c.CheckBoxGrayed = globalMask("BOXGRAYED");
  c.RadioButtonChecked = globalMask("RADIOCHECKED");
  c.RadioButtonUnChecked = globalMask("RADIOUNCHECKED");
  c.RadioButtonGrayed = globalMask("RADIOGRAYED");
  c.SmallBoxChecked = globalMask("SMALLCHECKED");
  c.SmallBoxUnChecked = globalMask("SMALLUNCHECKED");
  c.SmallBoxGrayed = globalMask("SMALLGRAYED");
  c.ExBorder = globalMask("EXBORDER");

  c.TabTop = Short(sectionIndexOf("TABTOP"));
  c.TabBottom = Short(sectionIndexOf("TABBOTTOM"));
  c.TabLeft = Short(sectionIndexOf("TABLEFT"));
  c.TabRight = Short(sectionIndexOf("TABRIGHT"));
  // The tab masks all start their parent walk at TABTOP's record.
  c.TabTopMask = Short(maskIndexOf(c.TabTop, "TABTOP", "BORDERSMASK"));
  c.TabBottomMask = Short(maskIndexOf(c.TabTop, "TABBOTTOM", "BORDERSMASK"));
  c.TabLeftMask = Short(maskIndexOf(c.TabTop, "TABLEFT", "BORDERSMASK"));
  c.TabRightMask = Short(maskIndexOf(c.TabTop, "TABRIGHT", "BORDERSMASK"));

  auto part = [&](const char* name, bool hasGlyph) {
    TsScrollPartIndexes p;
    const int s = sectionIndexOf(name);
    p.Section = Short(s);
    p.BordersMask = Short(maskIndexOf(s, name, "BORDERSMASK"));
    if (hasGlyph) p.GlyphMask = Short(maskIndexOf(s, name, "GLYPHMASK"));
    p.Pattern = Short(maskIndexOf(s, name, "PATTERN"));
    p.HotPattern = Short(maskIndexOf(s, name, "HOTPATTERN"));
    return p;
  };
  c.ScrollBtnTop = part("SCROLLBTNTOP", true);
  c.ScrollBtnBottom = part("SCROLLBTNBOTTOM", true);
  c.ScrollBtnLeft = part("SCROLLBTNLEFT", true);
  c.ScrollBtnRight = part("SCROLLBTNRIGHT", true);
  c.ScrollSliderV = part("SCROLLSLIDERV", true);
  c.ScrollSliderH = part("SCROLLSLIDERH", true);
  c.ScrollBar1H = part("SCROLLBAR1H", false);
  c.ScrollBar1V = part("SCROLLBAR1V", false);
  c.ScrollBar2H = part("SCROLLBAR2H", false);
  c.ScrollBar2V = part("SCROLLBAR2V", false);

  c.ComboBtn = sectionIndexOf("COMBOBTN");
  c.ComboBtnBorder = maskIndexOf(c.ComboBtn, "COMBOBTN", "BORDERSMASK");
  c.ComboBtnPattern = textureIndexOf(c.ComboBtn, "COMBOBTN", "PATTERN");
  c.ComboBtnHotPattern = textureIndexOf(c.ComboBtn, "COMBOBTN", "HOTPATTERN");
  c.ComboBoxGlyph = index.MaskIndexOfExact("COMBOBOX", "GLYPHMASK");
  CommonIndexes = c;
}

}  // namespace skin
