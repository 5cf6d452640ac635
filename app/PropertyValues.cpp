#include "app/PropertyValues.h"

#include <charconv>

#include "platform/gfx/Font.h"

namespace app {

int ReadInt(std::string_view value) {
  int v = 0;
  const char* end = value.data() + value.size();
  auto [p, ec] = std::from_chars(value.data(), end, v);
  if (ec != std::errc() || p != end || value.empty())
    throw std::invalid_argument("not a number: '" + std::string(value) + "'");
  return v;
}

bool ReadBool(std::string_view value) {
  if (value == "true") return true;
  if (value == "false") return false;
  throw std::invalid_argument("not true or false: '" + std::string(value) + "'");
}

gfx::Color ReadColor(std::string_view value) {
  static constexpr std::pair<std::string_view, gfx::Color> kNames[] = {
      {"clBlack", gfx::clBlack},       {"clWhite", gfx::clWhite},   {"clNavy", gfx::RGB(0, 0, 128)},
      {"clBlue", gfx::RGB(0, 0, 255)}, {"clWindow", gfx::clWindow}, {"clWindowText", gfx::clWindowText},
      {"clBtnFace", gfx::clBtnFace},
  };
  for (const auto& [n, c] : kNames)
    if (n == value) return c;
  return static_cast<gfx::Color>(ReadInt(value));
}

int ReadCharset(std::string_view value) {
  if (value == "DEFAULT_CHARSET") return gfx::DEFAULT_CHARSET;
  if (value == "RUSSIAN_CHARSET") return gfx::RUSSIAN_CHARSET;
  return ReadInt(value);
}

unsigned ReadSet(std::string_view value, std::initializer_list<std::pair<std::string_view, unsigned>> names) {
  if (value.size() < 2 || value.front() != '[' || value.back() != ']')
    throw std::invalid_argument("not a set: '" + std::string(value) + "'");
  value = value.substr(1, value.size() - 2);
  unsigned bits = 0;
  while (!value.empty()) {
    const std::size_t comma = value.find(',');
    const std::string_view item = value.substr(0, comma);
    bits |= ReadEnum<unsigned>(item, names);
    if (comma == std::string_view::npos) break;
    value.remove_prefix(comma + 1);
  }
  return bits;
}

}  // namespace app
