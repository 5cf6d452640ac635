#include "platform/backend/KeyText.h"

#include "platform/backend/Keys.h"

namespace backend {

std::uint32_t ModifierOfKey(int key) {
  switch (key) {
    case VK_SHIFT:
    case VK_LSHIFT:
    case VK_RSHIFT: return kModShift;
    case VK_CONTROL:
    case VK_LCONTROL:
    case VK_RCONTROL: return kModControl;
    case VK_MENU:
    case VK_LMENU:
    case VK_RMENU: return kModAlt;
    default: return 0;
  }
}

std::string DefaultKeyText(int key, std::uint32_t modifiers) {
  const bool shift = (modifiers & kModShift) != 0;
  const bool control = (modifiers & kModControl) != 0;
  switch (key) {
    case VK_RETURN: return "\r";
    case VK_TAB: return "\t";
    case VK_BACK: return "\b";
    case VK_ESCAPE: return "\x1b";
    case VK_SPACE: return " ";
    default: break;
  }
  if (key >= VK_A && key <= VK_Z) {
    if (control) return std::string(1, static_cast<char>(key - VK_A + 1));
    return std::string(1, static_cast<char>(shift ? key : key - VK_A + 'a'));
  }
  if (control) return {};
  if (key >= VK_0 && key <= VK_9) return std::string(1, static_cast<char>(key));
  if (key >= VK_NUMPAD0 && key <= VK_NUMPAD9)
    return std::string(1, static_cast<char>('0' + key - VK_NUMPAD0));
  switch (key) {
    case VK_OEM_MINUS: return shift ? "_" : "-";
    case VK_OEM_PLUS: return shift ? "+" : "=";
    case VK_OEM_COMMA: return shift ? "<" : ",";
    case VK_OEM_PERIOD: return shift ? ">" : ".";
    case VK_OEM_2: return shift ? "?" : "/";
    case VK_MULTIPLY: return "*";
    case VK_ADD: return "+";
    case VK_SUBTRACT: return "-";
    case VK_DIVIDE: return "/";
    case VK_DECIMAL: return ".";
    default: return {};
  }
}

}  // namespace backend
