#include "skin/render/TextFit.h"

#include <vector>

#include "platform/gfx/Bitmap.h"

namespace skin {
namespace {

constexpr std::string_view kEllipsis = "...";

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// Byte offsets at which a character starts, plus the end of the text. A
// continuation byte without a lead byte counts as a character of its own, so
// a malformed text is still cut between whole sequences.
std::vector<std::size_t> CharBoundaries(std::string_view text) {
  std::vector<std::size_t> at;
  std::size_t i = 0;
  while (i < text.size()) {
    at.push_back(i);
    const unsigned char lead = static_cast<unsigned char>(text[i]);
    std::size_t len = 1;
    if (lead >= 0xF0)
      len = 4;
    else if (lead >= 0xE0)
      len = 3;
    else if (lead >= 0xC0)
      len = 2;
    std::size_t n = 1;
    while (n < len && i + n < text.size() && IsContinuation(static_cast<unsigned char>(text[i + n]))) ++n;
    i += n;
  }
  at.push_back(text.size());
  return at;
}

}  // namespace

int TextWidthOf(const gfx::Canvas& canvas, std::string_view text) { return canvas.TextWidth(text); }

gfx::Size TextSizeOf(const gfx::Font& font, std::string_view text) {
  gfx::Bitmap surface(1, 1, gfx::PixelFormat::Gray8);
  gfx::Canvas canvas(surface);
  canvas.SetFont(font);
  const gfx::Size s = canvas.TextExtent(text);
  if (s.Height <= 0) return {};
  return s;
}

std::string CutTextToWidth(const gfx::Canvas& canvas, std::string_view text, int maxWidth) {
  if (maxWidth <= 0) return {};
  if (canvas.TextWidth(text) <= maxWidth) return std::string(text);

  // Text widths are sums of character advances, so the width of a start of
  // the text grows with its length: search for the longest start that fits
  // with the ellipsis instead of trying one length after another.
  const std::vector<std::size_t> at = CharBoundaries(text);
  auto fits = [&](std::size_t chars) {
    std::string candidate(text.substr(0, at[chars]));
    candidate += kEllipsis;
    return canvas.TextWidth(candidate) <= maxWidth;
  };
  std::size_t lo = 0, hi = at.size() - 1;  // hi characters never fit (the whole text did not)
  if (!fits(0)) return {};
  while (hi - lo > 1) {
    const std::size_t mid = lo + (hi - lo) / 2;
    if (fits(mid))
      lo = mid;
    else
      hi = mid;
  }
  if (lo == 0) return {};
  std::string result(text.substr(0, at[lo]));
  result += kEllipsis;
  return result;
}

}  // namespace skin
