// Conversions between UTF-8 and ISO 8859-1 (Latin-1), the encoding of the
// X selection target STRING.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace backend {

// Nullopt when the text holds a character beyond U+00FF or is not valid
// UTF-8.
std::optional<std::string> Latin1OfUtf8(std::string_view utf8);
std::string Utf8OfLatin1(std::string_view latin1);

}  // namespace backend
