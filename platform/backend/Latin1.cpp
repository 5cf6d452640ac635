#include "platform/backend/Latin1.h"

#include "platform/gfx/Utf8.h"

namespace backend {

std::optional<std::string> Latin1OfUtf8(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  // Malformed input decodes to U+FFFD, which Latin-1 cannot hold either.
  for (const char32_t c : gfx::DecodeUtf8(utf8)) {
    if (c > 0xFF) return std::nullopt;
    out.push_back(static_cast<char>(static_cast<unsigned char>(c)));
  }
  return out;
}

std::string Utf8OfLatin1(std::string_view latin1) {
  std::u32string wide;
  wide.reserve(latin1.size());
  for (const char c : latin1) wide.push_back(static_cast<unsigned char>(c));
  return gfx::EncodeUtf8(wide);
}

}  // namespace backend
