#include "skin/data/IniValues.h"

#include <charconv>

#include "skin/data/SkinErrors.h"
#include "skin/data/TextUtil.h"

namespace skin {

std::optional<std::int32_t> ParseInteger(std::string_view text) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty() || text.front() == '+') return std::nullopt;
  std::int32_t value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value, 10);
  if (ec != std::errc() || ptr != end) return std::nullopt;
  return value;
}

std::int32_t StrToInt(std::string_view text) {
  const std::optional<std::int32_t> v = ParseInteger(text);
  if (!v) throw NotAnInteger(text);
  return *v;
}

std::optional<double> ParseFloat(std::string_view text) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  std::string_view body = text;
  if (!body.empty() && body.front() == '-') body.remove_prefix(1);
  bool digit = false, dot = false;
  for (const char c : body) {
    if (c >= '0' && c <= '9') {
      digit = true;
    } else if (c == '.' && !dot) {
      dot = true;
    } else {
      return std::nullopt;
    }
  }
  if (!digit) return std::nullopt;
  double value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value, std::chars_format::fixed);
  if (ec != std::errc() || ptr != end) return std::nullopt;
  return value;
}

bool ParseBool(std::string_view text) { return SameText(text, "TRUE"); }

}  // namespace skin
