// UTF-8 decoding for text output. Malformed input never fails: every byte
// that does not start a valid sequence (overlong forms, surrogates, values
// above U+10FFFF, truncated sequences) decodes to U+FFFD and decoding goes on
// with the next byte.
#pragma once

#include <string>
#include <string_view>

namespace gfx {

std::u32string DecodeUtf8(std::string_view utf8);
std::string EncodeUtf8(std::u32string_view text);

}  // namespace gfx
