#include "platform/ui/Accelerator.h"

#include "platform/gfx/Utf8.h"

namespace ui {

namespace {

// Pairs where the capital is even and the small letter follows it.
bool EvenCapitalPair(char32_t ch) {
  return (ch >= 0x0100 && ch <= 0x012F) || (ch >= 0x0132 && ch <= 0x0137) || (ch >= 0x014A && ch <= 0x0177) ||
         (ch >= 0x0460 && ch <= 0x0481) || (ch >= 0x048A && ch <= 0x04BF) || (ch >= 0x04D0 && ch <= 0x052F);
}

// Pairs where the capital is odd and the small letter follows it.
bool OddCapitalPair(char32_t ch) {
  return (ch >= 0x0139 && ch <= 0x0148) || (ch >= 0x0179 && ch <= 0x017E) || (ch >= 0x04C1 && ch <= 0x04CE);
}

}  // namespace

char32_t FoldCase(char32_t ch) {
  if (ch >= 'A' && ch <= 'Z') return ch + 0x20;
  if (ch < 0xC0) return ch;
  if (ch <= 0xDE) return ch == 0xD7 ? ch : ch + 0x20;  // Latin-1 capitals (not the sign ×)
  if (EvenCapitalPair(ch)) return ch | 1;
  if (OddCapitalPair(ch)) return (ch & 1) ? ch + 1 : ch;
  if (ch == 0x0178) return 0xFF;                                       // Ÿ
  if (ch >= 0x0391 && ch <= 0x03AB && ch != 0x03A2) return ch + 0x20;  // Greek capitals
  if (ch >= 0x0386 && ch <= 0x038F) {                                  // Greek capitals with tonos
    if (ch == 0x0386) return 0x03AC;
    if (ch >= 0x0388 && ch <= 0x038A) return ch + 0x25;
    if (ch == 0x038C) return 0x03CC;
    if (ch == 0x038E || ch == 0x038F) return ch + 0x3F;
  }
  if (ch >= 0x0400 && ch <= 0x040F) return ch + 0x50;  // Ѐ .. Џ
  if (ch >= 0x0410 && ch <= 0x042F) return ch + 0x20;  // А .. Я
  if (ch == 0x04C0) return 0x04CF;                     // Ӏ
  return ch;
}

char32_t AccelCharOf(std::string_view caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] == '&') {
      ++i;
      continue;
    }
    std::u32string rest = gfx::DecodeUtf8(caption.substr(i + 1, 4));
    return rest.empty() ? 0 : FoldCase(rest.front());
  }
  return 0;
}

bool IsAccel(char32_t ch, std::string_view caption) {
  char32_t a = AccelCharOf(caption);
  return ch != 0 && a != 0 && FoldCase(ch) == a;
}

}  // namespace ui
