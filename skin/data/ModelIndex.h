// The lookups of a skin model (SectionIndexOf, MaskIndexOfExact and the
// parent walks built on them) over hash indexes, for work that asks many
// questions of one unchanged model, such as filling its cached indexes after
// a load. The answers are those of the model's own linear lookups; building
// costs one pass over each table. The model must not change while an index
// of it is in use.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "skin/data/LargeArrayAllocator.h"
#include "skin/data/NameIndex.h"
#include "skin/data/sMaskData.h"

namespace skin {

class ModelIndex {
 public:
  ModelIndex(const TsGeneralDataArray& sections, const TsMaskArray& masks);

  // The first record of that name (exactly), or -1.
  int SectionIndexOf(std::string_view name) const;
  // Calls fn(i, SectionIndexOf(wanted(i))) for i = 0 .. count-1 in order;
  // an empty name finds nothing. Faster than one lookup after another.
  template <class Wanted, class Fn>
  void FindSections(std::size_t count, Wanted&& wanted, Fn&& fn) const {
    sectionIndex_.ForEachAhead(count, wanted, [&](std::size_t i, std::string_view name, std::uint32_t hash) {
      const std::size_t at =
          name.empty() ? sections_.size() : sectionIndex_.Find(name, hash, SectionName(), sections_.size());
      fn(i, at == sections_.size() ? -1 : static_cast<int>(at));
    });
  }
  // The first record whose name equals that of record i (i itself or an
  // earlier one).
  int FirstOfName(std::size_t i) const { return firstOfName_[i]; }
  // The first mask entry of that section and key (exactly), or -1; with
  // `textureOnly`, the first one of kind itisaTexture.
  int MaskIndexOfExact(std::string_view section, std::string_view property, bool textureOnly = false) const;

 private:
  // The name of record i, for the name index.
  struct SectionNameAt {
    const ModelIndex* Index;
    std::string_view operator()(std::size_t i) const { return Index->sections_[i].SectionName; }
  };
  SectionNameAt SectionName() const { return SectionNameAt{this}; }

  const TsGeneralDataArray& sections_;
  const TsMaskArray& masks_;
  NameIndex sectionIndex_{NameIndex::Case::Exact};
  LargeArray<int> firstOfName_;
  // Mask entries grouped by section name: the index finds a section's first
  // entry, `nextInSection_` leads to its next one (-1 after the last).
  NameIndex maskIndex_{NameIndex::Case::Exact};
  LargeArray<int> nextInSection_;
};

}  // namespace skin
