// Reading property values of window descriptions. Every reader throws
// std::invalid_argument naming the value when it is not of the expected form.
#pragma once

#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

#include "platform/gfx/Color.h"

namespace app {

int ReadInt(std::string_view value);
bool ReadBool(std::string_view value);
// A colour name (clBlack, clWhite, clNavy, clBlue, clWindow, clWindowText,
// clBtnFace) or a decimal 0x00BBGGRR value.
gfx::Color ReadColor(std::string_view value);
// DEFAULT_CHARSET, RUSSIAN_CHARSET or a number.
int ReadCharset(std::string_view value);

// One of the names, in the order of the enumeration's values.
template <class E>
E ReadEnum(std::string_view value, std::initializer_list<std::pair<std::string_view, E>> names) {
  for (const auto& [n, e] : names)
    if (n == value) return e;
  throw std::invalid_argument("unknown value '" + std::string(value) + "'");
}

// A set "[a,b]": the union of the named bits.
unsigned ReadSet(std::string_view value, std::initializer_list<std::pair<std::string_view, unsigned>> names);

}  // namespace app
