// Reading the general keys of a section into its TsGeneralData record, with
// inheritance through PARENTCLASS.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "skin/data/MemIniFile.h"
#include "skin/data/SkinErrors.h"
#include "skin/data/sMaskData.h"

namespace skin {

// The sections in which a key of `section` is looked up: the section, its
// PARENTCLASS, that section's PARENTCLASS and so on. The chain ends at a
// section without PARENTCLASS, at one whose PARENTCLASS is empty, "?" or its
// own name, at a missing section, at a section already in the chain, and
// after kMaxParentDepth sections.
std::vector<const MemIniFile::Section*> ParentChain(const MemIniFile& ini, std::string_view section);

// Reads every general key. A key found in none of `chain` (an integer of -1
// and a text of "?" count as not found) takes the field of `fallback`.
// ParentClass and SectionName come from the first section of the chain.
// Throws the conversion error for a gradient list that is not all integers.
TsGeneralData ReadGeneralData(const std::vector<const MemIniFile::Section*>& chain,
                              const TsGeneralData& fallback);

// One record per section of `ini`, in file order, each as ReadGeneralData
// reads it from the ParentChain of its name (keys found nowhere take the
// field of `defaults`), with SectionName as the section is written. Takes
// time linear in the size of the file. A gradient list that is not all
// integers calls onError(section name, error), which may throw; if it
// returns, the record keeps what was read before the error.
TsGeneralDataArray ReadGeneralTable(const MemIniFile& ini, const TsGeneralData& defaults,
                                    const std::function<void(std::string_view, const ConvertError&)>& onError);

}  // namespace skin
