// The edit controls' own messages, in the one message numbering space.
// EM_SETSEL: wParam the anchor, lParam the caret, as byte offsets into the
// text (lines joined with "\n"); a wParam of -1 leaves no selection, an
// lParam of -1 is the end. EM_REPLACESEL: lParam a const char* (UTF-8) that
// replaces the selection as one undo step.
#pragma once

#include <cstdint>

namespace ui {

constexpr std::uint32_t EM_SETSEL = 0x00B1;
constexpr std::uint32_t EM_REPLACESEL = 0x00C2;

}  // namespace ui
