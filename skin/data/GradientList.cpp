#include "skin/data/GradientList.h"

#include <algorithm>
#include <vector>

#include "skin/data/IniValues.h"
#include "skin/data/TextUtil.h"

namespace skin {

TsGradArray ParseGradientList(std::string_view text) {
  std::vector<std::int32_t> values;
  text = Trim(text);
  if (!text.empty() && text.back() == ';') text.remove_suffix(1);
  if (!Trim(text).empty()) {
    for (std::size_t at = 0;;) {
      const std::size_t end = std::min(text.find(';', at), text.size());
      values.push_back(StrToInt(Trim(text.substr(at, end - at))));
      if (end == text.size()) break;
      at = end + 1;
    }
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
