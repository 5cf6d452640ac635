// The skin command protocol: the private message SM_ALPHACMD (0xA100) by which
// the skin manager, forms and controls tell each other about skin changes and
// ask each other for their backgrounds. wParam carries the command code in its
// high word and a small argument in its low word; lParam carries a pointer,
// an object or 0; the answer is the message result. A receiver that does not
// know a code leaves the result 0; a yes/no question is answered yes by 1.
#pragma once

#include <cstdint>

#include "platform/ui/Messages.h"

namespace ui {
class Control;
}

namespace skin {

inline constexpr std::uint16_t SKC_SKIN_LOADED = 1;
inline constexpr std::uint16_t SKC_SKIN_UNLOADED = 2;
inline constexpr std::uint16_t SKC_SKIN_REFRESH = 3;
inline constexpr std::uint16_t SKC_GET_FORM_SKINNER = 4;
inline constexpr std::uint16_t SKC_FORWARD_TO_FORM = 5;
inline constexpr std::uint16_t SKC_PARENT_UPDATED = 6;
inline constexpr std::uint16_t SKC_IS_SKINNED = 7;
inline constexpr std::uint16_t SKC_SET_UPDATING = 8;
inline constexpr std::uint16_t SKC_SET_FORCE_PARENT_BG = 9;
inline constexpr std::uint16_t SKC_IS_UPDATING = 10;
inline constexpr std::uint16_t SKC_GET_HALF_VISIBLE = 11;
inline constexpr std::uint16_t SKC_SET_DIRTY_IF_TRANSPARENT = 12;
inline constexpr std::uint16_t SKC_SECTION_REPAINT = 13;
inline constexpr std::uint16_t SKC_MENU_REPAINT = 14;
inline constexpr std::uint16_t SKC_STOP_FADING = 16;
inline constexpr std::uint16_t SKC_SET_DIRTY = 17;
inline constexpr std::uint16_t SKC_INVALIDATE = 18;
inline constexpr std::uint16_t SKC_NEEDS_PARENT_BG = 19;
inline constexpr std::uint16_t SKC_PARENT_BG_CHANGED = 20;
inline constexpr std::uint16_t SKC_GET_CONTROL_COLOR = 21;
inline constexpr std::uint16_t SKC_SET_HALF_VISIBLE = 22;
inline constexpr std::uint16_t SKC_REPAINT_CACHE = 23;
inline constexpr std::uint16_t SKC_FADE_FRAME = 24;
inline constexpr std::uint16_t SKC_ADD_TO_ADAPTER = 25;
inline constexpr std::uint16_t SKC_GET_SKIN_INDEX = 26;
inline constexpr std::uint16_t SKC_ADAPTER_QUERY = 27;
inline constexpr std::uint16_t SKC_DIALOG_QUERY = 28;
inline constexpr std::uint16_t SKC_HOVER_START = 29;
inline constexpr std::uint16_t SKC_HOVER_END = 30;
inline constexpr std::uint16_t SKC_BEGIN_MENU_CHANGE = 31;
inline constexpr std::uint16_t SKC_END_MENU_CHANGE = 32;
inline constexpr std::uint16_t SKC_GET_BG_INFO = 34;
inline constexpr std::uint16_t SKC_PREPARE_ADAPTED = 35;
inline constexpr std::uint16_t SKC_GET_STATE_FLAGS = 36;
inline constexpr std::uint16_t SKC_UPDATE_EXT_BORDER = 37;
inline constexpr std::uint16_t SKC_LOCK_REDRAW = 51;
inline constexpr std::uint16_t SKC_UNLOCK_REDRAW = 52;
inline constexpr std::uint16_t SKC_GET_APPLICATION = 60;
inline constexpr std::uint16_t SKC_GET_FRAME_OFFSETS = 61;

// wParam of a skin command.
constexpr ui::WPARAM SkinCommandParam(std::uint16_t code, std::uint16_t low = 0) {
  return (static_cast<ui::WPARAM>(code) << 16) | low;
}
// The command code of a message that is SM_ALPHACMD, else 0.
constexpr std::uint16_t SkinCommandOf(const ui::Message& m) {
  return m.msg == ui::SM_ALPHACMD ? ui::HiWord(m.wParam) : std::uint16_t{0};
}

// The command tells its receiver that what lies behind it may look different
// (a new or refreshed skin, the parent repainted or changed, the receiver to
// render again).
bool SkinCommandChangesBackdrop(std::uint16_t code);

// Sends a skin command synchronously to a control (through its window when it
// is windowed, by direct call when windowless) and returns the answer. Nothing
// is sent, and the answer is 0, for no target, a control being destroyed or a
// windowed control whose window does not exist. A command that changes what
// lies behind a skinned receiver also makes its binding forget its last
// corner refresh, whoever handles the command.
ui::LRESULT SendSkinCommand(ui::Control* target, std::uint16_t code, ui::LPARAM lParam = 0,
                            std::uint16_t low = 0);

// The same, true when the answer is 1 (a yes/no question).
inline bool AskSkinCommand(ui::Control* target, std::uint16_t code, ui::LPARAM lParam = 0,
                           std::uint16_t low = 0) {
  return SendSkinCommand(target, code, lParam, low) == 1;
}

}  // namespace skin
