#include "platform/backend/X11Keys.h"

#include "platform/backend/X11Headers.h"

#include "platform/backend/Keys.h"

namespace backend {

namespace {

int KeyOfKeysym(KeySym k) {
  if (k >= XK_a && k <= XK_z) return static_cast<int>(k - XK_a) + VK_A;
  if (k >= XK_A && k <= XK_Z) return static_cast<int>(k - XK_A) + VK_A;
  if (k >= XK_0 && k <= XK_9) return static_cast<int>(k - XK_0) + VK_0;
  if (k >= XK_F1 && k <= XK_F12) return static_cast<int>(k - XK_F1) + VK_F1;
  if (k >= XK_KP_0 && k <= XK_KP_9) return static_cast<int>(k - XK_KP_0) + VK_NUMPAD0;
  switch (k) {
    case XK_BackSpace: return VK_BACK;
    case XK_Tab:
    case XK_ISO_Left_Tab: return VK_TAB;
    case XK_Clear: return VK_CLEAR;
    case XK_Return:
    case XK_KP_Enter: return VK_RETURN;
    case XK_Shift_L:
    case XK_Shift_R: return VK_SHIFT;
    case XK_Control_L:
    case XK_Control_R: return VK_CONTROL;
    case XK_Alt_L:
    case XK_Alt_R:
    case XK_Meta_L:
    case XK_Meta_R: return VK_MENU;
    case XK_Pause: return VK_PAUSE;
    case XK_Caps_Lock: return VK_CAPITAL;
    case XK_Escape: return VK_ESCAPE;
    case XK_space:
    case XK_KP_Space: return VK_SPACE;
    case XK_Prior:
    case XK_KP_Prior: return VK_PRIOR;
    case XK_Next:
    case XK_KP_Next: return VK_NEXT;
    case XK_End:
    case XK_KP_End: return VK_END;
    case XK_Home:
    case XK_KP_Home: return VK_HOME;
    case XK_Left:
    case XK_KP_Left: return VK_LEFT;
    case XK_Up:
    case XK_KP_Up: return VK_UP;
    case XK_Right:
    case XK_KP_Right: return VK_RIGHT;
    case XK_Down:
    case XK_KP_Down: return VK_DOWN;
    case XK_Print: return VK_SNAPSHOT;
    case XK_Insert:
    case XK_KP_Insert: return VK_INSERT;
    case XK_Delete:
    case XK_KP_Delete: return VK_DELETE;
    case XK_Help: return VK_HELP;
    case XK_Super_L: return VK_LWIN;
    case XK_Super_R: return VK_RWIN;
    case XK_Menu: return VK_APPS;
    case XK_KP_Multiply: return VK_MULTIPLY;
    case XK_KP_Add: return VK_ADD;
    case XK_KP_Separator: return VK_SEPARATOR;
    case XK_KP_Subtract: return VK_SUBTRACT;
    case XK_KP_Decimal: return VK_DECIMAL;
    case XK_KP_Divide: return VK_DIVIDE;
    case XK_Num_Lock: return VK_NUMLOCK;
    case XK_Scroll_Lock: return VK_SCROLL;
    case XK_semicolon: return VK_OEM_1;
    case XK_equal: return VK_OEM_PLUS;
    case XK_comma: return VK_OEM_COMMA;
    case XK_minus: return VK_OEM_MINUS;
    case XK_period: return VK_OEM_PERIOD;
    case XK_slash: return VK_OEM_2;
    case XK_grave: return VK_OEM_3;
    case XK_bracketleft: return VK_OEM_4;
    case XK_backslash: return VK_OEM_5;
    case XK_bracketright: return VK_OEM_6;
    case XK_apostrophe: return VK_OEM_7;
    default: return VK_NONE;
  }
}

}  // namespace

int VirtualKeyOf(XKeyEvent& event) {
  // Keypad keys give digits only while Num Lock is on: ask the full lookup.
  KeySym looked = NoSymbol;
  char ignored[8];
  XLookupString(&event, ignored, sizeof ignored, &looked, nullptr);
  if (looked >= XK_KP_0 && looked <= XK_KP_9) return KeyOfKeysym(looked);
  const int key = KeyOfKeysym(XLookupKeysym(&event, 0));
  return key != VK_NONE ? key : KeyOfKeysym(looked);
}

std::uint32_t ModifiersOf(unsigned int state) {
  std::uint32_t m = 0;
  if (state & ShiftMask) m |= kModShift;
  if (state & ControlMask) m |= kModControl;
  if (state & Mod1Mask) m |= kModAlt;
  if (state & Button1Mask) m |= kModLeftButton;
  if (state & Button2Mask) m |= kModMiddleButton;
  if (state & Button3Mask) m |= kModRightButton;
  return m;
}

void AppendUtf8(std::string& out, std::uint32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x110000) {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

std::string Utf8OfKeysym(KeySym k) {
  std::uint32_t c = 0;
  if ((k >= 0x20 && k <= 0x7E) || (k >= 0xA0 && k <= 0xFF))
    c = static_cast<std::uint32_t>(k);  // Latin-1 keysyms are their code points
  else if ((k & 0xFF000000) == 0x01000000)
    c = static_cast<std::uint32_t>(k & 0x00FFFFFF);  // Unicode keysyms
  std::string out;
  if (c >= 0x20 && c != 0x7F && !(c >= 0xD800 && c <= 0xDFFF)) AppendUtf8(out, c);
  return out;
}

}  // namespace backend
