// Conversions of option values: integers, strict integers, floats, booleans.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace skin {

// Decimal digits with an optional sign, within the signed 32-bit range.
std::optional<std::int32_t> ParseInteger(std::string_view text);
// Like ParseInteger, but a malformed text throws the conversion error.
std::int32_t StrToInt(std::string_view text);
// A decimal number with "." as the separator: an optional sign, digits and at
// most one ".". Exponents, "nan" and "inf" are not numbers here.
std::optional<double> ParseFloat(std::string_view text);
// "TRUE" in any letter case is true; any other text is false.
bool ParseBool(std::string_view text);

}  // namespace skin
