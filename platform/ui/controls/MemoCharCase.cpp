#include "platform/ui/controls/MemoCharCase.h"

#include "platform/gfx/Utf8.h"
#include "platform/ui/Accelerator.h"

namespace ui {

char32_t UpperCase(char32_t ch) {
  if (ch == 0x03C2) return 0x03A3;  // final sigma
  // The capital is the code point that folds to `ch`: the offsets the
  // folding uses (case pairs, Latin-1, Greek, Cyrillic) and its exceptions.
  constexpr char32_t kOffsets[] = {1, 0x20, 0x25, 0x3F, 0x50};
  for (char32_t d : kOffsets)
    if (ch >= d && FoldCase(ch - d) == ch) return ch - d;
  switch (ch) {
    case 0x00FF: return 0x0178;  // ÿ
    case 0x03AC: return 0x0386;  // ά
    case 0x03CC: return 0x038C;  // ό
    case 0x04CF: return 0x04C0;  // ӏ
    default: return ch;
  }
}

char32_t ApplyCharCase(char32_t ch, EditCharCase charCase) {
  switch (charCase) {
    case EditCharCase::ecUpperCase: return UpperCase(ch);
    case EditCharCase::ecLowerCase: return FoldCase(ch);
    default: return ch;
  }
}

std::string ApplyCharCase(std::string_view utf8, EditCharCase charCase) {
  if (charCase == EditCharCase::ecNormal) return std::string(utf8);
  std::u32string text = gfx::DecodeUtf8(utf8);
  for (char32_t& ch : text) ch = ApplyCharCase(ch, charCase);
  return gfx::EncodeUtf8(text);
}

}  // namespace ui
