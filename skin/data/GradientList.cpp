#include "skin/data/GradientList.h"

#include <algorithm>
#include <vector>

#include "skin/data/IniValues.h"
#include "skin/data/TextUtil.h"

namespace skin {

TsGradArray ParseGradientList(std::string_view text) {
  std::vector<std::int32_t> values;
  for (std::string_view word : SplitWords(text, ";")) {
    word = Trim(word);
    if (!word.empty()) values.push_back(StrToInt(word));
  }
  TsGradArray steps;
  steps.reserve(values.size() / 5);
  for (std::size_t i = 0; i + 5 <= values.size(); i += 5) {
    TsGradStep s;
    s.FromColor = std::max(values[i], 0);
    s.ToColor = std::max(values[i + 1], 0);
    s.Percent = static_cast<std::uint8_t>(std::clamp(values[i + 2], 0, 100));
    s.Kind = values[i + 3];
    steps.push_back(s);
  }
  return steps;
}

}  // namespace skin
