#include "skin/data/ModelIndex.h"

namespace skin {

ModelIndex::ModelIndex(const TsGeneralDataArray& sections, const TsMaskArray& masks)
    : sections_(sections), masks_(masks) {
  sectionIndex_.Reserve(sections_.size());
  firstOfName_.resize(sections_.size());
  sectionIndex_.ForEachAhead(
      sections_.size(), SectionName(), [&](std::size_t i, std::string_view name, std::uint32_t hash) {
        firstOfName_[i] = static_cast<int>(sectionIndex_.Add(name, hash, i, SectionName()));
      });

  const auto maskSection = [&](std::size_t i) -> std::string_view { return masks_[i].SectionName; };
  maskIndex_.Reserve(masks_.size());
  nextInSection_.assign(masks_.size(), -1);
  LargeArray<int> last(masks_.size(), -1);  // per first entry of a section: its last one so far
  for (std::size_t m = 0; m < masks_.size(); ++m) {
    const std::size_t first = maskIndex_.Add(masks_[m].SectionName, m, maskSection);
    if (first != m) nextInSection_[static_cast<std::size_t>(last[first])] = static_cast<int>(m);
    last[first] = static_cast<int>(m);
  }
}

int ModelIndex::SectionIndexOf(std::string_view name) const {
  const std::size_t i = sectionIndex_.Find(name, SectionName(), sections_.size());
  return i == sections_.size() ? -1 : static_cast<int>(i);
}

int ModelIndex::MaskIndexOfExact(std::string_view section, std::string_view property, bool textureOnly) const {
  if (section.empty()) return -1;
  const std::size_t first = maskIndex_.Find(
      section, [&](std::size_t j) -> std::string_view { return masks_[j].SectionName; }, masks_.size());
  for (int m = first == masks_.size() ? -1 : static_cast<int>(first); m >= 0;
       m = nextInSection_[static_cast<std::size_t>(m)]) {
    const TsMaskData& e = masks_[static_cast<std::size_t>(m)];
    if (e.PropertyName == property && (!textureOnly || e.ImgType == TacImgType::itisaTexture)) return m;
  }
  return -1;
}

}  // namespace skin
