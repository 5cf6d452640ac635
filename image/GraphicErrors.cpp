#include "image/GraphicErrors.h"

namespace image {

std::string FormatMessage(std::string_view pattern, std::string_view a, std::string_view b) {
  std::string out;
  out.reserve(pattern.size() + a.size() + b.size());
  int used = 0;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] == 's') {
      out += used == 0 ? a : b;
      ++used;
      ++i;
    } else {
      out += pattern[i];
    }
  }
  return out;
}

}  // namespace image
