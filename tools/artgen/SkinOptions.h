// The options file ("Options.dat") of an internal skin: the 64 sections in
// the order the program's skin has them, with the masks of the master
// bitmap and the images of the package.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "tools/artgen/SkinMaster.h"
#include "tools/artgen/SkinPalette.h"

namespace artgen {

struct OptionSection {
  std::string Name;
  std::vector<std::pair<std::string, std::string>> Keys;
};

std::vector<OptionSection> SkinSections(const SkinPalette& p, const MasterArt& master);

// The file's text: CR LF line ends, a blank line between sections.
std::string OptionsText(const std::vector<OptionSection>& sections);

}  // namespace artgen
